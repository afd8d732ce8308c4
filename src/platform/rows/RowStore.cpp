#include "RowStore.h"

#include "Exceptions.h"

#include <algorithm>
#include <utility>

struct RowStore::Row {
    std::vector<std::string> cells;
    // Tags are rare: a few cells of a row carry one.
    std::vector<std::pair<std::int32_t, std::string>> tags;
    std::size_t slot = 0;
    bool alive = true;
};

// A change to a cell of a row that existed before the batch, kept to undo it.
struct RowStore::CellUndo {
    Row* row;
    std::int32_t column;
    bool tag;
    std::string previous;
};

// Counts of live rows over the slots (a Fenwick tree), so that a row index
// and a slot convert into each other in logarithmic time while removed rows
// still occupy their slots.
class RowStore::AliveCounts {
public:
    // All of the first count slots alive.
    void Reset(std::size_t count) {
        tree_.assign(count + 1, 0);
        for (std::size_t i = 1; i <= count; ++i) {
            tree_[i] += 1;
            const std::size_t parent = i + (i & (~i + 1));
            if (parent <= count) {
                tree_[parent] += tree_[i];
            }
        }
    }

    // One more slot at the end, alive.
    void Append() {
        const std::size_t i = tree_.size();
        tree_.push_back(1 + Prefix(i - 1) - Prefix(i - (i & (~i + 1))));
    }

    void Add(std::size_t slot, int delta) {
        for (std::size_t i = slot + 1; i < tree_.size(); i += i & (~i + 1)) {
            tree_[i] += delta;
        }
    }

    // Live rows among the first count slots.
    std::size_t Prefix(std::size_t count) const {
        std::size_t sum = 0;
        for (std::size_t i = count; i > 0; i -= i & (~i + 1)) {
            sum += tree_[i];
        }
        return sum;
    }

    // The slot of the live row with the given index.
    std::size_t Find(std::size_t index) const {
        std::size_t position = 0;
        std::size_t remaining = index + 1;
        std::size_t step = 1;
        while (step * 2 < tree_.size()) {
            step *= 2;
        }
        for (; step > 0; step /= 2) {
            if (position + step < tree_.size() && tree_[position + step] < remaining) {
                position += step;
                remaining -= tree_[position];
            }
        }
        return position;
    }

private:
    std::vector<std::size_t> tree_;
};

namespace {
const std::string emptyText;

template <typename RowType> auto* FindTag(RowType& row, std::int32_t column) {
    for (auto& [tagColumn, value] : row.tags) {
        if (tagColumn == column) {
            return &value;
        }
    }
    return static_cast<decltype(&row.tags.front().second)>(nullptr);
}
} // namespace

RowStore::RowStore(std::int32_t columnCount)
    : columnCount_(1)
    , alive_(std::make_unique<AliveCounts>()) {
    SetColumnCount(columnCount);
}

RowStore::~RowStore() = default;

void RowStore::SetColumnCount(std::int32_t count) {
    if (count < 1) {
        throw OutOfBoundsException("A list needs at least one column.");
    }
    columnCount_ = count;
    for (auto& row : slots_) {
        row->cells.resize(static_cast<std::size_t>(count));
        std::erase_if(row->tags, [count](const auto& tag) { return tag.first >= count; });
    }
}

std::int32_t RowStore::ListCount() const {
    return static_cast<std::int32_t>(slots_.size() - deadCount_);
}

std::int32_t RowStore::LastIndex() const {
    if (lastAdded_ == nullptr || !lastAdded_->alive) {
        return -1;
    }
    return RowOfSlot(lastAdded_->slot);
}

std::size_t RowStore::SlotOf(std::int32_t row) const {
    if (row < 0 || row >= ListCount()) {
        throw OutOfBoundsException("Row " + std::to_string(row) + " is not in the list of " +
                                   std::to_string(ListCount()) + " rows.");
    }
    const auto index = static_cast<std::size_t>(row);
    return deadCount_ == 0 ? index : alive_->Find(index);
}

std::int32_t RowStore::RowOfSlot(std::size_t slot) const {
    return static_cast<std::int32_t>(deadCount_ == 0 ? slot : alive_->Prefix(slot));
}

RowStore::Row& RowStore::RowAt(std::int32_t row) const {
    return *slots_[SlotOf(row)];
}

void RowStore::CheckColumn(std::int32_t column) const {
    if (column < 0 || column >= columnCount_) {
        throw OutOfBoundsException("Column " + std::to_string(column) + " is not in the list of " +
                                   std::to_string(columnCount_) + " columns.");
    }
}

void RowStore::IndexAdd(Row& row) {
    index_.emplace(row.cells[0], &row);
}

void RowStore::IndexRemove(Row& row) {
    auto [first, last] = index_.equal_range(row.cells[0]);
    for (auto it = first; it != last; ++it) {
        if (it->second == &row) {
            index_.erase(it);
            return;
        }
    }
}

void RowStore::AddRow(std::string_view firstCell) {
    auto row = std::make_unique<Row>();
    row->cells.resize(static_cast<std::size_t>(columnCount_));
    row->cells[0] = firstCell;
    row->slot = slots_.size();
    const auto newIndex = ListCount();
    if (!inBatch_ && observer_ != nullptr) {
        observer_->RowsAboutToBeInserted(newIndex, newIndex);
    }
    if (deadCount_ > 0) {
        alive_->Append();
    }
    IndexAdd(*row);
    lastAdded_ = row.get();
    slots_.push_back(std::move(row));
    if (!inBatch_ && observer_ != nullptr) {
        observer_->RowsInserted();
    }
}

const std::string& RowStore::Cell(std::int32_t row, std::int32_t column) const {
    CheckColumn(column);
    return RowAt(row).cells[static_cast<std::size_t>(column)];
}

void RowStore::RememberCell(Row& row, std::int32_t column, bool tag) {
    if (inBatch_ && row.slot < batchBase_) {
        const std::string* tagValue = tag ? FindTag(row, column) : nullptr;
        cellUndo_.push_back({&row, column, tag,
                             tag ? (tagValue != nullptr ? *tagValue : emptyText)
                                 : row.cells[static_cast<std::size_t>(column)]});
    }
}

void RowStore::Cell(std::int32_t row, std::int32_t column, std::string_view text) {
    CheckColumn(column);
    Row& target = RowAt(row);
    RememberCell(target, column, false);
    if (column == 0) {
        IndexRemove(target);
        target.cells[0] = text;
        IndexAdd(target);
    } else {
        target.cells[static_cast<std::size_t>(column)] = text;
    }
    if (!inBatch_ && observer_ != nullptr) {
        observer_->CellChanged(row, column);
    }
}

const std::string& RowStore::CellTag(std::int32_t row, std::int32_t column) const {
    CheckColumn(column);
    const std::string* value = FindTag(RowAt(row), column);
    return value != nullptr ? *value : emptyText;
}

void RowStore::CellTag(std::int32_t row, std::int32_t column, std::string_view value) {
    CheckColumn(column);
    Row& target = RowAt(row);
    RememberCell(target, column, true);
    if (std::string* tagValue = FindTag(target, column)) {
        *tagValue = value;
    } else {
        target.tags.emplace_back(column, std::string(value));
    }
}

void RowStore::Kill(std::size_t slot) {
    Row& row = *slots_[slot];
    IndexRemove(row);
    if (deadCount_ == 0) {
        alive_->Reset(slots_.size());
    }
    row.alive = false;
    alive_->Add(slot, -1);
    ++deadCount_;
    if (slot < batchBase_) {
        killedInBatch_.push_back(slot);
    }
}

void RowStore::RemoveRow(std::int32_t row) {
    const std::size_t slot = SlotOf(row);
    if (inBatch_) {
        Kill(slot);
        return;
    }
    if (observer_ != nullptr) {
        observer_->RowsAboutToBeRemoved(row, row);
    }
    IndexRemove(*slots_[slot]);
    if (lastAdded_ == slots_[slot].get()) {
        lastAdded_ = nullptr;
    }
    slots_.erase(slots_.begin() + static_cast<std::ptrdiff_t>(slot));
    for (std::size_t i = slot; i < slots_.size(); ++i) {
        slots_[i]->slot = i;
    }
    if (observer_ != nullptr) {
        observer_->RowsRemoved();
    }
}

void RowStore::DeleteAllRows() {
    if (inBatch_) {
        for (std::size_t slot = 0; slot < slots_.size(); ++slot) {
            if (slots_[slot]->alive) {
                Kill(slot);
            }
        }
        return;
    }
    if (observer_ != nullptr) {
        observer_->AboutToReset();
    }
    index_.clear();
    slots_.clear();
    lastAdded_ = nullptr;
    if (observer_ != nullptr) {
        observer_->Reset();
    }
}

std::int32_t RowStore::FindRow(std::string_view firstCell) const {
    auto [first, last] = index_.equal_range(firstCell);
    if (first == last) {
        return -1;
    }
    std::size_t slot = first->second->slot;
    for (auto it = std::next(first); it != last; ++it) {
        slot = std::min(slot, it->second->slot);
    }
    return RowOfSlot(slot);
}

void RowStore::BeginBatch() {
    if (inBatch_) {
        throw RuntimeException("A batch of list changes is already running.");
    }
    inBatch_ = true;
    batchBase_ = slots_.size();
    batchLastAdded_ = lastAdded_;
}

void RowStore::Compact() {
    if (lastAdded_ != nullptr && !lastAdded_->alive) {
        lastAdded_ = nullptr;
    }
    std::erase_if(slots_, [](const auto& row) { return !row->alive; });
    for (std::size_t i = 0; i < slots_.size(); ++i) {
        slots_[i]->slot = i;
    }
    deadCount_ = 0;
}

void RowStore::CommitBatch() {
    if (!inBatch_) {
        throw RuntimeException("No batch of list changes is running.");
    }
    const bool earlierRowsChanged = !killedInBatch_.empty() || !cellUndo_.empty();
    if (earlierRowsChanged) {
        if (observer_ != nullptr) {
            observer_->AboutToReset();
        }
    }
    if (deadCount_ > 0) {
        Compact();
    }
    const auto published = static_cast<std::int32_t>(batchBase_);
    const std::int32_t added = ListCount() - published;
    if (!earlierRowsChanged && added > 0 && observer_ != nullptr) {
        observer_->RowsAboutToBeInserted(published, published + added - 1);
    }
    inBatch_ = false;
    killedInBatch_.clear();
    cellUndo_.clear();
    if (observer_ != nullptr) {
        if (earlierRowsChanged) {
            observer_->Reset();
        } else if (added > 0) {
            observer_->RowsInserted();
        }
    }
}

void RowStore::RevertBatch() {
    if (!inBatch_) {
        throw RuntimeException("No batch of list changes is running.");
    }
    const bool earlierRowsChanged = !cellUndo_.empty();
    if (earlierRowsChanged && observer_ != nullptr) {
        observer_->AboutToReset();
    }
    for (auto undo = cellUndo_.rbegin(); undo != cellUndo_.rend(); ++undo) {
        Row& row = *undo->row;
        if (undo->tag) {
            *FindTag(row, undo->column) = std::move(undo->previous);
        } else if (undo->column == 0) {
            if (row.alive) {
                IndexRemove(row);
            }
            row.cells[0] = std::move(undo->previous);
            if (row.alive) {
                IndexAdd(row);
            }
        } else {
            row.cells[static_cast<std::size_t>(undo->column)] = std::move(undo->previous);
        }
    }
    for (std::size_t slot = batchBase_; slot < slots_.size(); ++slot) {
        if (slots_[slot]->alive) {
            IndexRemove(*slots_[slot]);
        }
    }
    slots_.resize(batchBase_);
    for (std::size_t slot : killedInBatch_) {
        slots_[slot]->alive = true;
        IndexAdd(*slots_[slot]);
    }
    deadCount_ = 0;
    lastAdded_ = batchLastAdded_;
    inBatch_ = false;
    killedInBatch_.clear();
    cellUndo_.clear();
    if (earlierRowsChanged && observer_ != nullptr) {
        observer_->Reset();
    }
}

std::int32_t RowStore::PublishedCount() const {
    return inBatch_ ? static_cast<std::int32_t>(batchBase_) : ListCount();
}

const std::string& RowStore::PublishedCell(std::int32_t row, std::int32_t column) const {
    if (!inBatch_) {
        return Cell(row, column);
    }
    CheckColumn(column);
    return slots_.at(static_cast<std::size_t>(row))->cells[static_cast<std::size_t>(column)];
}
