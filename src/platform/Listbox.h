#pragma once

// A list box of text rows under column headings. The rows live in a plain row
// store; the Qt view shows them and learns of changes in batches.

#include "RectControl.h"
#include "RowStore.h"

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

class ListboxModel;
class QTreeView;

class Listbox : public RectControl {
public:
    explicit Listbox(Window* window);
    ~Listbox() override;

    std::int32_t ColumnCount() const { return rows_.ColumnCount(); }
    void ColumnCount(std::int32_t count);
    bool HasHeading() const;
    void HasHeading(bool value);
    // The column headings, separated by TAB.
    void InitialValue(std::string_view headings);
    std::string Heading(std::int32_t column) const;

    void AddRow(std::string_view firstCell) { rows_.AddRow(firstCell); }
    std::int32_t LastIndex() const { return rows_.LastIndex(); }
    std::int32_t ListCount() const { return rows_.ListCount(); }
    const std::string& Cell(std::int32_t row, std::int32_t column) const {
        return rows_.Cell(row, column);
    }
    void Cell(std::int32_t row, std::int32_t column, std::string_view text) {
        rows_.SetCell(row, column, text);
    }
    const std::string& CellTag(std::int32_t row, std::int32_t column) const {
        return rows_.CellTag(row, column);
    }
    void CellTag(std::int32_t row, std::int32_t column, std::string_view value) {
        rows_.SetCellTag(row, column, value);
    }
    void RemoveRow(std::int32_t row) { rows_.RemoveRow(row); }
    void DeleteAllRows() { rows_.DeleteAllRows(); }

    // The first row whose first cell equals the text, or -1.
    std::int32_t FindRow(std::string_view firstCell) const { return rows_.FindRow(firstCell); }

    QWidget* Widget() const override;

private:
    friend class ListboxChanges;
    RowStore rows_;
    std::vector<std::string> headings_;
    std::unique_ptr<ListboxModel> model_;
    std::unique_ptr<QTreeView> view_;
};

// Groups changes of a list box: the view learns of them in one step when they
// are committed, and a group that ends without Commit puts every row back as
// it was, so that a failed operation leaves the list unchanged.
class ListboxChanges {
public:
    explicit ListboxChanges(Listbox& listbox);
    ~ListboxChanges();
    ListboxChanges(const ListboxChanges&) = delete;
    ListboxChanges& operator=(const ListboxChanges&) = delete;

    void Commit();

private:
    Listbox& listbox_;
    bool open_ = true;
};
