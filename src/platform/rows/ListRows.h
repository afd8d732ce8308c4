#pragma once

// The rows of a list as code without a view works on them: texts by row and
// column, a hidden tag on any cell, and a search of the first column. The
// list box implements it for the rows it shows, the row store for rows that
// no view shows.

#include <cstdint>
#include <string>
#include <string_view>

class ListRows {
public:
    // Appends a row whose first cell holds the text and whose other cells are
    // empty.
    virtual void AddRow(std::string_view firstCell) = 0;
    // The row that the last AddRow appended; -1 when none was appended or it
    // is gone.
    virtual std::int32_t LastIndex() const = 0;
    virtual std::int32_t ListCount() const = 0;

    virtual const std::string& Cell(std::int32_t row, std::int32_t column) const = 0;
    virtual void Cell(std::int32_t row, std::int32_t column, std::string_view text) = 0;
    // The tag last set on the cell; the empty text when none was set.
    virtual const std::string& CellTag(std::int32_t row, std::int32_t column) const = 0;
    virtual void CellTag(std::int32_t row, std::int32_t column, std::string_view value) = 0;

    // Later rows move up by one.
    virtual void RemoveRow(std::int32_t row) = 0;

    // The first row whose first cell equals the text under the system's text
    // equality, or -1.
    virtual std::int32_t FindRow(std::string_view firstCell) const = 0;

protected:
    ~ListRows() = default;
};
