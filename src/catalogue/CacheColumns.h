#pragma once

// The columns of the cache list: one row per cache, 19 texts, and a hidden
// tag on four of the cells.

#include <array>
#include <cstdint>
#include <string_view>

namespace CacheColumn {
inline constexpr std::int32_t Cache = 0; // the cache code; tag: the cache id
inline constexpr std::int32_t Type = 1;
inline constexpr std::int32_t Container = 2;
inline constexpr std::int32_t Country = 3;
inline constexpr std::int32_t Diff = 4;
inline constexpr std::int32_t Terr = 5;
inline constexpr std::int32_t Owner = 6; // tag: the placed-by name
inline constexpr std::int32_t Hint = 7;
inline constexpr std::int32_t Text = 8; // the short description; tag: the long one
inline constexpr std::int32_t Placed = 9;
inline constexpr std::int32_t Lat = 10;
inline constexpr std::int32_t Lon = 11;
inline constexpr std::int32_t Active = 12;
inline constexpr std::int32_t Archived = 13;
inline constexpr std::int32_t Url = 14; // tag: the link name
inline constexpr std::int32_t Name = 15;
inline constexpr std::int32_t Titel = 16;
inline constexpr std::int32_t Gruppe = 17;
inline constexpr std::int32_t Icon = 18;

inline constexpr std::int32_t Count = 19;

inline constexpr std::array<std::string_view, Count> Headings = {
    "Cache", "Type", "Container", "Country",  "Diff", "Terr", "Owner", "Hint",   "Text", "Placed",
    "Lat",   "Lon",  "Active",    "Archived", "Url",  "Name", "Titel", "Gruppe", "Icon"};
} // namespace CacheColumn
