#pragma once

// What the exports read of the cache list: its row count, and the text of a
// cell and of a cell's tag by row and column (see CacheColumns.h).

#include <cstdint>
#include <string>

class CacheRows {
public:
    virtual std::int32_t ListCount() const = 0;
    virtual const std::string& Cell(std::int32_t row, std::int32_t column) const = 0;
    virtual const std::string& CellTag(std::int32_t row, std::int32_t column) const = 0;

protected:
    ~CacheRows() = default;
};
