#pragma once

// Writes the cache list as a GPX 1.0 file with the cache extension 1.0: six
// header lines, a block of 21 lines for every row that passes the filters
// (20 when its Placed cell is empty, which has no time line), and "</gpx>".
// The sink ends every line.

#include "CacheRows.h"
#include "ExportOptions.h"
#include "LineSink.h"

#include <cstdint>

// Walks every row in order. A row is written unless the owner filter is on
// and its owner differs from the filter's name, or "Don't include virtuals"
// is on and its type is "Unknown Cache". The options are read afresh for
// every row: FilterOwner and NoUnknowns once each, OwnerName once when the
// owner filter is on, and the name options by ExportWptName and
// ExportCacheName for a written row. Every text is escaped for XML.
// Returns the number of caches written.
std::uint32_t WriteGpx(LineSink& sink, const CacheRows& rows, const ExportOptions& options);
