#pragma once

// The cache list's operations of the import: one row per cache code, found by
// the code in the first column.

#include "CacheRecord.h"

#include <string_view>

class ListRows;

// True when a row holds the code in its first column.
bool CacheInTable(const ListRows& list, std::string_view code);

// Appends one row built from the record; false when the list appended none.
bool CacheAdd(ListRows& list, const CacheRecord& record);

// Removes the row that holds the code; false when no row holds it.
bool CacheDel(ListRows& list, std::string_view code);
