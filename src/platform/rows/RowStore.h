#pragma once

// The rows of a list box: texts by row and column, a hidden tag on any cell,
// and an index of the first column's texts. Plain C++ without a view, so that
// it serves both the list control and code that runs without a window.
//
// Rows are indexed from 0. Removing a row moves every later row up by one
// without copying any row's texts. Changes can be grouped in a batch, which is
// either committed or reverted as a whole; while a batch runs, the rows that
// a view shows (the published rows) stay those from before the batch.

#include "ListRows.h"
#include "Text.h"

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

// Told of every change of the published rows, before and after it happens.
class RowStoreObserver {
public:
    virtual void RowsAboutToBeInserted(std::int32_t first, std::int32_t last) = 0;
    virtual void RowsInserted() = 0;
    virtual void RowsAboutToBeRemoved(std::int32_t first, std::int32_t last) = 0;
    virtual void RowsRemoved() = 0;
    virtual void AboutToReset() = 0;
    virtual void Reset() = 0;
    virtual void CellChanged(std::int32_t row, std::int32_t column) = 0;

protected:
    ~RowStoreObserver() = default;
};

class RowStore final : public ListRows {
public:
    explicit RowStore(std::int32_t columnCount = 1);
    ~RowStore();
    RowStore(const RowStore&) = delete;
    RowStore& operator=(const RowStore&) = delete;

    void SetObserver(RowStoreObserver* observer) { observer_ = observer; }

    std::int32_t ColumnCount() const { return columnCount_; }
    void SetColumnCount(std::int32_t count);

    void AddRow(std::string_view firstCell) override;
    std::int32_t LastIndex() const override;
    std::int32_t ListCount() const override;

    const std::string& Cell(std::int32_t row, std::int32_t column) const override;
    void Cell(std::int32_t row, std::int32_t column, std::string_view text) override;
    const std::string& CellTag(std::int32_t row, std::int32_t column) const override;
    void CellTag(std::int32_t row, std::int32_t column, std::string_view value) override;

    void RemoveRow(std::int32_t row) override;
    void DeleteAllRows();

    // The first row whose first cell equals the text under the system's text
    // equality, or -1; the same answer as a scan from the first row, without
    // the scan.
    std::int32_t FindRow(std::string_view firstCell) const override;

    // A batch of changes. The published rows stay as they were until the
    // batch ends; Commit keeps the changes and publishes them in one step,
    // Revert restores every row, cell and tag as it was at Begin.
    void BeginBatch();
    void CommitBatch();
    void RevertBatch();

    // The rows a view shows.
    std::int32_t PublishedCount() const;
    const std::string& PublishedCell(std::int32_t row, std::int32_t column) const;

private:
    struct Row;
    struct CellUndo;
    class AliveCounts;

    Row& RowAt(std::int32_t row) const;
    std::size_t SlotOf(std::int32_t row) const;
    std::int32_t RowOfSlot(std::size_t slot) const;
    void CheckColumn(std::int32_t column) const;
    void IndexAdd(Row& row);
    void IndexRemove(Row& row);
    void Kill(std::size_t slot);
    void Compact();
    void RememberCell(Row& row, std::int32_t column, bool tag);

    std::int32_t columnCount_;
    // Rows in order. Outside a batch every slot holds a live row; inside one,
    // removed rows stay in their slots, marked dead, until the batch ends.
    std::vector<std::unique_ptr<Row>> slots_;
    std::unique_ptr<AliveCounts> alive_;
    std::size_t deadCount_ = 0;
    std::unordered_multimap<std::string, Row*, TextHasher, TextEqualTo> index_;
    Row* lastAdded_ = nullptr;

    bool inBatch_ = false;
    std::size_t batchBase_ = 0;
    Row* batchLastAdded_ = nullptr;
    std::vector<std::size_t> killedInBatch_;
    std::vector<CellUndo> cellUndo_;

    RowStoreObserver* observer_ = nullptr;
};
