#pragma once

// The two names of a cache in the GPX export: the waypoint's "name" and the
// cache's "groundspeak:name". With "Modify export for GPSr:" off they are the
// code and the cache's name; with it on they are rewritten for GPS receivers,
// which show little more than the waypoint name: it then carries the cache's
// availability and type as letters, followed, in layout 0, by the code
// without its first two characters (difficulty, terrain and size go in front
// of the cache name) or, in any other layout, by difficulty, terrain and size
// (the code goes in front of the cache name).
//
// Both return XML character data, ready to stand between the element's tags:
// the cell texts in them are escaped with ReplaceSpecial. Each call reads
// Modify() once and, when it is on, ModifyLayout() once.

#include "CacheRows.h"
#include "ExportOptions.h"

#include <cstdint>
#include <string>

std::string ExportWptName(const CacheRows& rows, const ExportOptions& options, std::int32_t row);
std::string ExportCacheName(const CacheRows& rows, const ExportOptions& options, std::int32_t row);
