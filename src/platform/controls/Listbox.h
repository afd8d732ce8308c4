#pragma once

// A list box of text rows under column headings. The rows live in a plain row
// store; the Qt view shows them and learns of changes in batches.

#include "ListRows.h"
#include "RectControl.h"
#include "RowStore.h"

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

class ListboxDelegate;
class ListboxModel;
class QTreeView;

class Listbox : public RectControl, public ListRows {
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

    // The columns' widths, separated by ",": pixels ("80"), a share of the
    // list's width ("25%"), or "*" (or nothing) for an equal part of what the
    // others leave. Empty: all columns share the width.
    const std::string& ColumnWidths() const { return columnWidths_; }
    void ColumnWidths(std::string_view widths);
    // The width a column shows now.
    std::int32_t ColumnWidth(std::int32_t column) const;
    // The user can drag the columns' edges.
    bool ColumnsResizable() const { return columnsResizable_; }
    void ColumnsResizable(bool value);

    // Without a horizontal scroll bar the columns always share the list's
    // width: they follow the list's size, and dragging a column's edge gives
    // or takes the width of its neighbour.
    bool ScrollbarHorizontal() const { return horizontalScrollbar_; }
    void ScrollbarHorizontal(bool value);
    bool ScrollBarVertical() const { return verticalScrollbar_; }
    void ScrollBarVertical(bool value);
    // Scroll bars show only when the rows or columns do not fit.
    bool AutoHideScrollbars() const { return autoHideScrollbars_; }
    void AutoHideScrollbars(bool value);

    // Lines between rows and between columns: 0 (default) and 1 none, 2 thin
    // dotted, 3 thin solid, 4 thick solid, 5 double thin solid.
    std::int32_t GridLinesHorizontal() const;
    void GridLinesHorizontal(std::int32_t style);
    std::int32_t GridLinesVertical() const;
    void GridLinesVertical(std::int32_t style);
    // The height of every row in pixels; -1 for the platform's height.
    std::int32_t DefaultRowHeight() const;
    void DefaultRowHeight(std::int32_t height);

    // 0 one row at a time, 1 several rows.
    std::int32_t SelectionType() const;
    void SelectionType(std::int32_t type);
    // Once a row is selected the user cannot clear the selection.
    bool RequiresSelection() const { return requiresSelection_; }
    void RequiresSelection(bool value);

    bool Border() const;
    void Border(bool value);

    void AddRow(std::string_view firstCell) override { rows_.AddRow(firstCell); }
    std::int32_t LastIndex() const override { return rows_.LastIndex(); }
    std::int32_t ListCount() const override { return rows_.ListCount(); }
    const std::string& Cell(std::int32_t row, std::int32_t column) const override {
        return rows_.Cell(row, column);
    }
    void Cell(std::int32_t row, std::int32_t column, std::string_view text) override {
        rows_.Cell(row, column, text);
    }
    const std::string& CellTag(std::int32_t row, std::int32_t column) const override {
        return rows_.CellTag(row, column);
    }
    void CellTag(std::int32_t row, std::int32_t column, std::string_view value) override {
        rows_.CellTag(row, column, value);
    }
    void RemoveRow(std::int32_t row) override { rows_.RemoveRow(row); }
    void DeleteAllRows() { rows_.DeleteAllRows(); }
    std::int32_t FindRow(std::string_view firstCell) const override {
        return rows_.FindRow(firstCell);
    }

    QWidget* Widget() const override;

    // The control's properties with the list's own; HeadingIndex,
    // _ScrollWidth, _ScrollOffset, Hierarchical, EnableDrag and
    // EnableDragReorder are only kept.
    static const PropertyTable<Listbox>& DesignProperties();
    void ApplyDesignProperties(std::string_view list) override;

private:
    friend class ListboxChanges;
    friend class ListboxView;

    void ColumnsChanged();
    void ViewportResized();
    // Sets the widths that ColumnWidths gives, then fills the list's width
    // when there is no horizontal scroll bar.
    void LayOutColumns();
    // Scales the columns to the list's width, keeping their proportions.
    void FillWidth();
    void ColumnDragged(int column, int oldWidth, int newWidth);
    void ScrollBarsChanged();

    RowStore rows_;
    std::vector<std::string> headings_;
    std::unique_ptr<ListboxModel> model_;
    std::unique_ptr<ListboxDelegate> delegate_;
    std::unique_ptr<QTreeView> view_;
    std::string columnWidths_;
    bool horizontalScrollbar_ = true;
    bool verticalScrollbar_ = true;
    bool autoHideScrollbars_ = true;
    bool requiresSelection_ = false;
    bool columnsResizable_ = true;
    // The columns need laying out once the list has its size.
    bool columnsPending_ = true;
    bool adjustingColumns_ = false;
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
