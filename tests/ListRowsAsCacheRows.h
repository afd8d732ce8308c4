#pragma once

// The rows of a list read directly as the rows an export writes; the window
// reads its list through its accessor instead.

#include "CacheRows.h"
#include "ListRows.h"

class ListRowsAsCacheRows : public CacheRows {
public:
    explicit ListRowsAsCacheRows(const ListRows& list)
        : list_(list) {}

    std::int32_t ListCount() const override { return list_.ListCount(); }
    const std::string& Cell(std::int32_t row, std::int32_t column) const override {
        return list_.Cell(row, column);
    }
    const std::string& CellTag(std::int32_t row, std::int32_t column) const override {
        return list_.CellTag(row, column);
    }

private:
    const ListRows& list_;
};
