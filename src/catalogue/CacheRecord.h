#pragma once

// The record that carries one waypoint from the GPX reader to the cache list:
// a dictionary that always holds exactly these 23 keys, each with the text the
// file gave, or the empty text.

#include "Dictionary.h"

#include <array>
#include <string_view>

using CacheRecord = Dictionary;

namespace CacheKey {
inline constexpr std::string_view Cache = "Cache";
inline constexpr std::string_view CacheID = "CacheID";
inline constexpr std::string_view CacheType = "CacheType";
inline constexpr std::string_view CacheContainer = "CacheContainer";
inline constexpr std::string_view CacheCountry = "CacheCountry";
inline constexpr std::string_view CacheDifficulty = "CacheDifficulty";
inline constexpr std::string_view CacheTerrain = "CacheTerrain";
inline constexpr std::string_view CacheOwner = "CacheOwner";
inline constexpr std::string_view CachePlacedBy = "CachePlacedBy";
inline constexpr std::string_view CacheHint = "CacheHint";
inline constexpr std::string_view CacheTextShort = "CacheTextShort";
inline constexpr std::string_view CacheTextLong = "CacheTextLong";
inline constexpr std::string_view Placed = "Placed";
inline constexpr std::string_view PositionLat = "PositionLat";
inline constexpr std::string_view PositionLon = "PositionLon";
inline constexpr std::string_view CacheAvailable = "CacheAvailable";
inline constexpr std::string_view CacheArchived = "CacheArchived";
inline constexpr std::string_view Link = "Link";
inline constexpr std::string_view LinkName = "LinkName";
inline constexpr std::string_view CacheName = "CacheName";
inline constexpr std::string_view Description = "Description";
inline constexpr std::string_view Symbol = "Symbol";
inline constexpr std::string_view Type = "Type";

// All 23 keys, in the order in which an emptied record receives them.
inline constexpr std::array<std::string_view, 23> All = {
    Cache,           CacheID,       CacheType,  CacheContainer, CacheCountry,
    CacheDifficulty, CacheTerrain,  CacheOwner, CachePlacedBy,  CacheHint,
    CacheTextShort,  CacheTextLong, Placed,     PositionLat,    PositionLon,
    CacheAvailable,  CacheArchived, Link,       LinkName,       CacheName,
    Description,     Symbol,        Type};
} // namespace CacheKey
