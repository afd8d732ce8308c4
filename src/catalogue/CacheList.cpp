#include "CacheList.h"

#include "CacheColumns.h"
#include "ListRows.h"

bool CacheInTable(const ListRows& list, std::string_view code) {
    return list.FindRow(code) >= 0;
}

bool CacheAdd(ListRows& list, const CacheRecord& record) {
    list.AddRow(record.Value(CacheKey::Cache));
    const std::int32_t row = list.LastIndex();
    if (row == -1) {
        return false;
    }
    list.CellTag(row, CacheColumn::Cache, record.Value(CacheKey::CacheID));
    list.Cell(row, CacheColumn::Type, record.Value(CacheKey::CacheType));
    list.Cell(row, CacheColumn::Container, record.Value(CacheKey::CacheContainer));
    list.Cell(row, CacheColumn::Country, record.Value(CacheKey::CacheCountry));
    list.Cell(row, CacheColumn::Diff, record.Value(CacheKey::CacheDifficulty));
    list.Cell(row, CacheColumn::Terr, record.Value(CacheKey::CacheTerrain));
    list.Cell(row, CacheColumn::Owner, record.Value(CacheKey::CacheOwner));
    list.CellTag(row, CacheColumn::Owner, record.Value(CacheKey::CachePlacedBy));
    list.Cell(row, CacheColumn::Hint, record.Value(CacheKey::CacheHint));
    list.Cell(row, CacheColumn::Text, record.Value(CacheKey::CacheTextShort));
    list.CellTag(row, CacheColumn::Text, record.Value(CacheKey::CacheTextLong));
    list.Cell(row, CacheColumn::Placed, record.Value(CacheKey::Placed));
    list.Cell(row, CacheColumn::Lat, record.Value(CacheKey::PositionLat));
    list.Cell(row, CacheColumn::Lon, record.Value(CacheKey::PositionLon));
    list.Cell(row, CacheColumn::Active, record.Value(CacheKey::CacheAvailable));
    list.Cell(row, CacheColumn::Archived, record.Value(CacheKey::CacheArchived));
    list.Cell(row, CacheColumn::Url, record.Value(CacheKey::Link));
    list.CellTag(row, CacheColumn::Url, record.Value(CacheKey::LinkName));
    list.Cell(row, CacheColumn::Name, record.Value(CacheKey::CacheName));
    list.Cell(row, CacheColumn::Titel, record.Value(CacheKey::Description));
    list.Cell(row, CacheColumn::Gruppe, record.Value(CacheKey::Symbol));
    list.Cell(row, CacheColumn::Icon, record.Value(CacheKey::Type));
    return true;
}

bool CacheDel(ListRows& list, std::string_view code) {
    const std::int32_t row = list.FindRow(code);
    if (row < 0) {
        return false;
    }
    list.RemoveRow(row);
    return true;
}
