#pragma once

// Reads a GPX 1.0 file with the cache extension 1.0 event by event into one
// cache record per waypoint and hands each record to the main window when the
// waypoint's end tag has been read. It builds no tree: it keeps one record,
// one text buffer and three flags.

#include "CacheRecord.h"
#include "XmlReader.h"

#include <string>
#include <string_view>

class GPXReader : public XmlReader {
public:
    GPXReader();

    void Event_StartElement(std::string_view name, const XmlAttributeList& attributeList);
    void Event_EndElement(std::string_view name);
    void Event_Characters(std::string_view text);

    // Empties the record: afterwards it holds exactly the 23 keys, all empty.
    void ClearDict();

protected:
    // True from a "wpt" start tag to its end tag; end tags outside do nothing.
    bool InsideWpt = false;
    // The record being filled, reused for every waypoint of the parse.
    CacheRecord myCache;
    // The character data received since the most recent start tag.
    std::string myData;
    // True from a "groundspeak:cache" start tag to its end tag.
    bool InsideCache = false;
    // True from a "groundspeak:logs" start tag to its end tag; the cache fields
    // are not stored meanwhile, so log entries never overwrite them.
    bool InsideLogs = false;
};
