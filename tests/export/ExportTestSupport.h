#pragma once

// Rows, options and a sink for the export tests, and the small list of five
// caches from which the golden files in data/export were written.

#include "CacheColumns.h"
#include "CacheRows.h"
#include "ExportOptions.h"
#include "FileContents.h"
#include "LineSink.h"
#include "Text.h"

#include <array>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

struct TestRow {
    std::array<std::string, CacheColumn::Count> cells;
    std::array<std::string, CacheColumn::Count> tags;
};

inline TestRow Row(std::array<std::string, CacheColumn::Count> cells, std::string cacheId = "",
                   std::string placedBy = "", std::string linkName = "") {
    TestRow row{std::move(cells), {}};
    row.tags[CacheColumn::Cache] = std::move(cacheId);
    row.tags[CacheColumn::Owner] = std::move(placedBy);
    row.tags[CacheColumn::Text] = "<p>long description, never exported</p>";
    row.tags[CacheColumn::Url] = std::move(linkName);
    return row;
}

class MemoryRows : public CacheRows {
public:
    MemoryRows(std::vector<TestRow> rows = {})
        : rows(std::move(rows)) {}
    std::int32_t ListCount() const override { return static_cast<std::int32_t>(rows.size()); }
    const std::string& Cell(std::int32_t row, std::int32_t column) const override {
        return rows.at(row).cells.at(column);
    }
    const std::string& CellTag(std::int32_t row, std::int32_t column) const override {
        return rows.at(row).tags.at(column);
    }
    std::vector<TestRow> rows;
};

// Options as set by a test; counts every read and, when given a log, notes it
// there in order.
class TestOptions : public ExportOptions {
public:
    bool filterOwner = false;
    std::string ownerName;
    bool noUnknowns = false;
    bool modify = false;
    std::int32_t layout = 0;

    struct Reads {
        int filterOwner = 0, ownerName = 0, noUnknowns = 0, modify = 0, layout = 0;
        bool operator==(const Reads&) const = default;
    };
    mutable Reads reads;
    std::vector<std::string>* log = nullptr;

    bool FilterOwner() const override {
        return Note(reads.filterOwner, "FilterOwner", filterOwner);
    }
    std::string OwnerName() const override { return Note(reads.ownerName, "OwnerName", ownerName); }
    bool NoUnknowns() const override { return Note(reads.noUnknowns, "NoUnknowns", noUnknowns); }
    bool Modify() const override { return Note(reads.modify, "Modify", modify); }
    std::int32_t ModifyLayout() const override { return Note(reads.layout, "Layout", layout); }

private:
    template <typename T> T Note(int& count, const char* name, const T& value) const {
        ++count;
        if (log != nullptr) {
            log->push_back(name);
        }
        return value;
    }
};

class LineCollector : public LineSink {
public:
    void WriteLine(std::string_view line) override {
        lines.emplace_back(line);
        if (log != nullptr) {
            log->push_back("line");
        }
    }
    // The lines joined as a file holds them, each followed by the delimiter.
    std::string Text(std::string_view delimiter = "\n") const {
        std::string text;
        for (const std::string& line : lines) {
            text.append(line).append(delimiter);
        }
        return text;
    }
    std::vector<std::string> lines;
    std::vector<std::string>* log = nullptr;
};

inline std::string Golden(const std::string& name) {
    return FileContents(ORLIMEX_TEST_DATA "/export/" + name);
}

// Five caches: escaping in texts, tags and attributes; an owner filter for
// "Ann" that passes B and C only (C's owner differs in case; D's placed-by is
// Ann, E's owner has a blank in front); an "Unknown Cache" (C) and a type that
// merely begins like it (E); commas, line feeds, blanks and quotes for the CSV.
inline MemoryRows SmallList() {
    return MemoryRows({
        Row({"GC12AB", "Multi-cache", "Small", "Bosnia & Herzegovina", "2.5", "1", "Tom & Jerry",
             " Look, under\nthe stone ", "Short, text", "2002-08-15T00:00:00", "46.5", "-73.25",
             "True", "False", "http://example.org/?a=1&b=2", "  Foo & Bar ",
             "Foo & Bar by Tom &amp; Jerry", "Geocache", "Geocache|Multi-cache"},
            "101", "Tom <T> & Jerry", "Foo <1>"),
        Row({"GC7", "Traditional Cache", "Micro", "Canada", "1", "4.5", "Ann", "", "",
             "2005-01-01T00:00:00Z", "45", "-73", "True", "False", "http://example.org/GC7", "Lake",
             "Lake\nby Ann", "Geocache Found", "Geocache|Traditional Cache"},
            "7", "Ann", "Lake"),
        Row({"GC", "Unknown Cache", "Other", "Norway", "", "", "ann", "   ", "\n",
             "2010-02-28T07:00:00", "59.9", "10.7", "", "True", "", "", "Puzzle \"quoted\"",
             "Geocache", "Geocache|Unknown Cache"},
            "5\"6"),
        Row({"AB1234", "Virtual Cache", "Virtual", "Korea, Republic of", "1.5", "5", "Bob, Jr.",
             "Bridge", "Count the arches.", "2012-05-01T00:00:00Z", "37.5", "127", "False", "False",
             "http://example.org/AB1234", "Old bridge", "Old bridge by Bob", "Geocache",
             "Geocache|Virtual Cache"},
            "9012", "Ann", "Old bridge"),
        Row({"GC9", "Unknown Cache ", "Large", "United Kingdom", "5", "1.5", " Ann", "Magnetic",
             "  Two stages. ", "2001-10-27T07:00:00Z", "51.5", "-0.1", "True", "False",
             "http://example.org/?q=a,b", "Tower <1>", "Tower walk", "Geocache",
             "Geocache|Unknown Cache"},
            "1234", "Ann", "Tower"),
    });
}

// 70,000 copies of the small list's first row, each with its own code
// ("GC0" on); every thousandth, from row 3 on, is an "Unknown Cache".
class ManyRows : public CacheRows {
public:
    ManyRows() {
        for (std::uint64_t row = 0; row < 70'000; ++row) {
            codes_.push_back("GC" + Str(row));
        }
    }
    std::int32_t ListCount() const override { return 70'000; }
    const std::string& Cell(std::int32_t row, std::int32_t column) const override {
        if (column == CacheColumn::Cache) {
            return codes_.at(static_cast<std::size_t>(row));
        }
        return column == CacheColumn::Type && row % 1000 == 3 ? unknown_ : base_.cells.at(column);
    }
    const std::string& CellTag(std::int32_t, std::int32_t column) const override {
        return base_.tags.at(column);
    }

private:
    const TestRow base_ = SmallList().rows[0];
    const std::string unknown_ = "Unknown Cache";
    std::vector<std::string> codes_;
};
