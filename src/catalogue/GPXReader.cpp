#include "GPXReader.h"

#include "CacheReceiver.h"
#include "TextIndex.h"

#include <array>
#include <utility>

namespace {

using Keys = std::array<std::string_view, 11>;

// Cache-extension fields stored at their end tag while outside the logs, and
// their record keys in the same order.
const TextIndex cacheFields = {"groundspeak:container",
                               "groundspeak:country",
                               "groundspeak:difficulty",
                               "groundspeak:encoded_hints",
                               "groundspeak:long_description",
                               "groundspeak:name",
                               "groundspeak:owner",
                               "groundspeak:placed_by",
                               "groundspeak:short_description",
                               "groundspeak:terrain",
                               "groundspeak:type"};
constexpr Keys cacheFieldKeys = {
    CacheKey::CacheContainer, CacheKey::CacheCountry,  CacheKey::CacheDifficulty,
    CacheKey::CacheHint,      CacheKey::CacheTextLong, CacheKey::CacheName,
    CacheKey::CacheOwner,     CacheKey::CachePlacedBy, CacheKey::CacheTextShort,
    CacheKey::CacheTerrain,   CacheKey::CacheType};

// Waypoint end tags: seven fields stored at their end tag, then the bounds.
const TextIndex waypointTags = {"desc",
                                "name",
                                "sym",
                                "time",
                                "type",
                                "url",
                                "urlname",
                                "groundspeak:cache",
                                "groundspeak:logs",
                                "wpt"};
constexpr std::array<std::string_view, 7> waypointFieldKeys = {
    CacheKey::Description, CacheKey::Cache, CacheKey::Symbol,  CacheKey::Placed,
    CacheKey::Type,        CacheKey::Link,  CacheKey::LinkName};
enum WaypointBound : std::int32_t { CacheEnd = 7, LogsEnd = 8, WaypointEnd = 9 };

const TextIndex startTags = {"groundspeak:cache", "groundspeak:logs", "wpt"};
enum StartTag : std::int32_t { CacheStart = 0, LogsStart = 1, WaypointStart = 2 };

const TextIndex cacheAttributes = {"archived", "available", "id"};
constexpr std::array<std::string_view, 3> cacheAttributeKeys = {
    CacheKey::CacheArchived, CacheKey::CacheAvailable, CacheKey::CacheID};

const TextIndex waypointAttributes = {"lat", "lon"};
constexpr std::array<std::string_view, 2> waypointAttributeKeys = {CacheKey::PositionLat,
                                                                   CacheKey::PositionLon};

// Stores each attribute whose name matches a test under the test's key; a
// later attribute overwrites an earlier one.
template <std::size_t N>
void StoreAttributes(const XmlAttributeList& attributeList, const TextIndex& names,
                     const std::array<std::string_view, N>& keys, CacheRecord& record) {
    for (std::int32_t index = 0; index < attributeList.Count(); ++index) {
        const std::int32_t found = names.Find(attributeList.Key(index));
        if (found >= 0) {
            record.Value(keys[static_cast<std::size_t>(found)], attributeList.Value(index));
        }
    }
}

} // namespace

GPXReader::GPXReader() {
    StartElement.Attach([this](std::string_view name, const XmlAttributeList& attributeList) {
        Event_StartElement(name, attributeList);
    });
    EndElement.Attach([this](std::string_view name) { Event_EndElement(name); });
    Characters.Attach([this](std::string_view text) { Event_Characters(text); });
    ClearDict();
}

void GPXReader::ClearDict() {
    myCache.Clear();
    for (std::string_view key : CacheKey::All) {
        myCache.Value(key, "");
    }
}

void GPXReader::Event_Characters(std::string_view text) {
    myData.append(text);
}

void GPXReader::Event_StartElement(std::string_view name, const XmlAttributeList& attributeList) {
    myData.clear();
    switch (startTags.Find(name)) {
    case CacheStart:
        InsideCache = true;
        StoreAttributes(attributeList, cacheAttributes, cacheAttributeKeys, myCache);
        break;
    case LogsStart:
        InsideLogs = true;
        break;
    case WaypointStart:
        InsideWpt = true;
        ClearDict();
        StoreAttributes(attributeList, waypointAttributes, waypointAttributeKeys, myCache);
        break;
    default:
        break;
    }
}

void GPXReader::Event_EndElement(std::string_view name) {
    if (!InsideWpt) {
        return;
    }
    if (!InsideLogs) {
        const std::int32_t field = cacheFields.Find(name);
        if (field >= 0) {
            myCache.Value(cacheFieldKeys[static_cast<std::size_t>(field)], myData);
        }
    }
    const std::int32_t tag = waypointTags.Find(name);
    if (tag >= 0 && tag < CacheEnd) {
        myCache.Value(waypointFieldKeys[static_cast<std::size_t>(tag)], myData);
    } else if (tag == CacheEnd) {
        InsideCache = false;
    } else if (tag == LogsEnd) {
        InsideLogs = false;
    } else if (tag == WaypointEnd) {
        InsideWpt = false;
        CacheReceiver::MainWindow().CacheImported(myCache);
    }
}
