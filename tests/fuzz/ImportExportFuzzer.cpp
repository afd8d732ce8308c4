// A libFuzzer target for the way from a GPX file to the exported files. The
// first byte of an input chooses the import mode, whether the document is
// read from a file as the window reads it or from memory, and the export
// options; the rest is the document. The document is merged into a list of
// three caches as the main window merges it, and the list is then written as
// GPX and as CSV. Any broken property is reported and the run is aborted,
// which libFuzzer records as a crash:
//
// - a parse that fails (or a group of changes that is abandoned) leaves every
//   row, cell and tag as it was, and the index of the codes agrees with the
//   rows;
// - a successful merge gives what the mode promises: Replace and Add hold
//   every imported code once, Subtract removes exactly the imported codes;
// - the GPX written is well-formed and reads back to the same cells and tags
//   in every column the GPX carries;
// - every CSV data line holds exactly 17 fields and no line feed.

#include "CacheColumns.h"
#include "CacheList.h"
#include "CacheReceiver.h"
#include "CacheRecord.h"
#include "CacheRows.h"
#include "CsvExport.h"
#include "Exceptions.h"
#include "ExportOptions.h"
#include "FolderItem.h"
#include "GPXReader.h"
#include "GpxExport.h"
#include "LineSink.h"
#include "ListRowsAsCacheRows.h"
#include "Listbox.h"
#include "Text.h"

#include <QApplication>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <initializer_list>
#include <string>
#include <string_view>
#include <sys/mman.h>
#include <unistd.h>
#include <unordered_set>
#include <utility>
#include <vector>

namespace {

enum class Mode { Replace, Add, Subtract };

// What the first byte of an input chooses.
struct Controls {
    explicit Controls(std::uint8_t byte)
        : mode(byte % 4 == 0   ? Mode::Replace
               : byte % 4 == 2 ? Mode::Subtract
                               : Mode::Add)
        , fromFile(byte % 4 == 3)
        , abandon((byte & 0x04) != 0)
        , filterOwner((byte & 0x08) != 0)
        , noUnknowns((byte & 0x10) != 0)
        , modify((byte & 0x20) != 0)
        , layout((byte & 0x40) != 0 ? 1 : 0)
        , ownerFromList((byte & 0x80) != 0) {}

    Mode mode;
    bool fromFile;
    // Ends the group of changes without Commit even when the parse succeeds.
    bool abandon;
    bool filterOwner;
    bool noUnknowns;
    bool modify;
    std::int32_t layout;
    // The owner filter's name: the Owner cell of the first row, or "Ann".
    bool ownerFromList;
};

[[noreturn]] void Fail(const std::string& what, std::string_view detail = {}) {
    std::fprintf(stderr, "\n*** Property broken: %s\n", what.c_str());
    if (!detail.empty()) {
        std::fprintf(stderr, "%.*s\n", static_cast<int>(detail.size()), detail.data());
    }
    std::abort();
}

using Row = std::vector<std::string>; // 19 cells, then 19 tags
using Rows = std::vector<Row>;

Rows Snapshot(const Listbox& list) {
    Rows rows;
    for (std::int32_t row = 0; row < list.ListCount(); ++row) {
        Row& cells = rows.emplace_back();
        for (std::int32_t column = 0; column < CacheColumn::Count; ++column) {
            cells.push_back(list.Cell(row, column));
        }
        for (std::int32_t column = 0; column < CacheColumn::Count; ++column) {
            cells.push_back(list.CellTag(row, column));
        }
    }
    return rows;
}

// Codes are unique in the list under the text equality, so each finds its
// own row.
void CheckIndex(const Listbox& list, const char* when) {
    for (std::int32_t row = 0; row < list.ListCount(); ++row) {
        const std::int32_t found = list.FindRow(list.Cell(row, CacheColumn::Cache));
        if (found != row) {
            Fail(std::string(when) + ": the code of row " + std::to_string(row) + " finds row " +
                     std::to_string(found),
                 list.Cell(row, CacheColumn::Cache));
        }
    }
}

using CodeSet = std::unordered_set<std::string, TextHasher, TextEqualTo>;

// Merges each waypoint into the list as the main window does, and notes the
// codes it was handed.
class MergingReceiver : public CacheReceiver {
public:
    void CacheImported(const CacheRecord& record) override {
        if (record.Count() != CacheKey::All.size()) {
            Fail("a record does not hold exactly the 23 keys");
        }
        const std::string& code = record.Value(CacheKey::Cache);
        codes.insert(code);
        if (mode != Mode::Subtract) {
            if (!CacheInTable(*list, code) && !CacheAdd(*list, record)) {
                Fail("CacheAdd appended no row", code);
            }
        } else {
            CacheDel(*list, code);
        }
    }

    Listbox* list = nullptr;
    Mode mode = Mode::Add;
    CodeSet codes;
};

// Appends every waypoint, duplicates included, to read an export back.
class AppendingReceiver : public CacheReceiver {
public:
    void CacheImported(const CacheRecord& record) override {
        if (!CacheAdd(*list, record)) {
            Fail("CacheAdd appended no row on reading the export back");
        }
    }

    Listbox* list = nullptr;
};

QApplication* application = nullptr;
Listbox* cacheList = nullptr;
Listbox* readBack = nullptr;
CacheReceiver* receiver = nullptr;
MergingReceiver merging;
AppendingReceiver appending;

CacheRecord Record(std::initializer_list<std::pair<std::string_view, std::string_view>> values) {
    CacheRecord record;
    for (std::string_view key : CacheKey::All) {
        record.Value(key, "");
    }
    for (const auto& [key, value] : values) {
        record.Value(key, value);
    }
    return record;
}

// The list every input starts from: a code the seeds carry, an "Unknown
// Cache" and texts that need escaping.
void Preload(Listbox& list) {
    list.DeleteAllRows();
    CacheAdd(list, Record({{CacheKey::Cache, "GC7FA4"},
                           {CacheKey::CacheID, "32676"},
                           {CacheKey::CacheType, "Traditional Cache"},
                           {CacheKey::CacheContainer, "Micro"},
                           {CacheKey::CacheDifficulty, "1.5"},
                           {CacheKey::CacheTerrain, "2"},
                           {CacheKey::CacheOwner, "Ann"},
                           {CacheKey::CachePlacedBy, "Ann & Bob"},
                           {CacheKey::CacheName, "  Points  "},
                           {CacheKey::PositionLat, "46.5"},
                           {CacheKey::PositionLon, "-73.25"},
                           {CacheKey::CacheAvailable, "True"},
                           {CacheKey::Link, "http://example.org/?a=1&b=2"}}));
    CacheAdd(list, Record({{CacheKey::Cache, "GCGCA8"},
                           {CacheKey::CacheType, "Unknown Cache"},
                           {CacheKey::CacheOwner, "ann"},
                           {CacheKey::CacheHint, "a, b\nc"},
                           {CacheKey::CacheTextShort, " <b>short</b>, "},
                           {CacheKey::CacheTextLong, "long"},
                           {CacheKey::CacheName, "Quote \" <1>"},
                           {CacheKey::CacheAvailable, "False"}}));
    CacheAdd(list, Record({{CacheKey::Cache, "AB1234"},
                           {CacheKey::CacheType, "Virtual Cache"},
                           {CacheKey::CacheCountry, "Korea, Republic of"},
                           {CacheKey::CacheOwner, "Bob"},
                           {CacheKey::LinkName, "Bridge"}}));
}

// A file that holds the document, in memory.
FolderItem DocumentFile(std::string_view document) {
    static const int descriptor = memfd_create("document.gpx", 0);
    if (descriptor < 0 || ftruncate(descriptor, 0) != 0 ||
        pwrite(descriptor, document.data(), document.size(), 0) !=
            static_cast<ssize_t>(document.size())) {
        Fail("cannot write the document to a file");
    }
    return FolderItem("/proc/self/fd/" + std::to_string(descriptor));
}

// Imports the document into the list as one group of changes, committed
// only when the parse succeeds; false when it failed.
bool Import(Listbox& list, std::string_view document, const Controls& controls) {
    merging.list = &list;
    merging.mode = controls.mode;
    merging.codes.clear();
    receiver = &merging;
    ListboxChanges changes(list);
    if (controls.mode == Mode::Replace) {
        list.DeleteAllRows();
    }
    GPXReader reader;
    try {
        if (controls.fromFile) {
            reader.Parse(DocumentFile(document));
        } else {
            reader.Parse(document, "input");
        }
    } catch (const FileException&) {
        return false;
    }
    if (!controls.abandon) {
        changes.Commit();
    }
    return true;
}

void CheckMerge(const Listbox& list, const Rows& before, const Controls& controls) {
    const Rows after = Snapshot(list);
    const CodeSet& codes = merging.codes;
    for (const std::string& code : codes) {
        if (CacheInTable(list, code) != (controls.mode != Mode::Subtract)) {
            Fail("an imported code is wrongly in or out of the list", code);
        }
    }
    CodeSet kept;
    for (const Row& row : after) {
        kept.insert(row[CacheColumn::Cache]);
    }
    switch (controls.mode) {
    case Mode::Replace:
        if (after.size() != codes.size() || kept.size() != codes.size()) {
            Fail("Replace does not hold each imported code once");
        }
        break;
    case Mode::Add: {
        std::size_t added = 0;
        for (const std::string& code : codes) {
            const bool known = std::any_of(before.begin(), before.end(), [&](const Row& row) {
                return TextEqual(row[CacheColumn::Cache], code);
            });
            added += known ? 0 : 1;
        }
        if (after.size() != before.size() + added ||
            !std::equal(before.begin(), before.end(), after.begin())) {
            Fail("Add changed a row it had or added the wrong number");
        }
        break;
    }
    case Mode::Subtract: {
        Rows expected;
        for (const Row& row : before) {
            if (!codes.contains(row[CacheColumn::Cache])) {
                expected.push_back(row);
            }
        }
        if (after != expected) {
            Fail("Subtract removed other rows than the imported codes");
        }
        break;
    }
    }
}

class Options : public ExportOptions {
public:
    Options(const Controls& controls, std::string ownerName)
        : controls_(controls)
        , ownerName_(std::move(ownerName)) {}
    bool FilterOwner() const override { return controls_.filterOwner; }
    std::string OwnerName() const override { return ownerName_; }
    bool NoUnknowns() const override { return controls_.noUnknowns; }
    bool Modify() const override { return controls_.modify; }
    std::int32_t ModifyLayout() const override { return controls_.layout; }

private:
    const Controls& controls_;
    std::string ownerName_;
};

class Lines : public LineSink {
public:
    void WriteLine(std::string_view line) override { lines.emplace_back(line); }
    std::string Joined(std::string_view delimiter) const {
        std::string text;
        for (const std::string& line : lines) {
            text.append(line).append(delimiter);
        }
        return text;
    }
    std::vector<std::string> lines;
};

bool IsUnknown(const Row& row) {
    return TextEqual(row[CacheColumn::Type], "Unknown Cache");
}

void CheckCsv(const Rows& rows, const ExportOptions& options) {
    Lines csv;
    WriteCsv(csv, ListRowsAsCacheRows(*cacheList), options);
    const auto expected =
        static_cast<std::size_t>(std::count_if(rows.begin(), rows.end(), [&](const Row& row) {
            return !options.NoUnknowns() || !IsUnknown(row);
        }));
    if (csv.lines.size() != expected + 1) {
        Fail("the CSV holds " + std::to_string(csv.lines.size()) + " lines for " +
             std::to_string(expected) + " caches");
    }
    for (const std::string& line : csv.lines) {
        if (std::count(line.begin(), line.end(), ',') != 16 ||
            line.find('\n') != std::string::npos) {
            Fail("a CSV line does not hold 17 fields on one line", line);
        }
    }
}

// The cell or tag that reading the export back should give for a cell or
// tag of an exported row (index < 19 a cell, else the tag of index - 19).
bool Carried(std::size_t index, const Controls& controls, std::string& expected) {
    const auto column = static_cast<std::int32_t>(index % CacheColumn::Count);
    const bool tag = index >= static_cast<std::size_t>(CacheColumn::Count);
    if (column == CacheColumn::Hint || column == CacheColumn::Text) {
        expected.clear(); // not written
        return true;
    }
    if (!tag && (column == CacheColumn::Cache || column == CacheColumn::Name) && controls.modify) {
        return false; // rewritten for GPS receivers
    }
    if (!tag && column == CacheColumn::Name) {
        expected = Trim(expected);
    }
    return true;
}

void CheckGpx(const Rows& rows, const ExportOptions& options, const Controls& controls) {
    Lines gpx;
    const std::uint32_t written = WriteGpx(gpx, ListRowsAsCacheRows(*cacheList), options);
    const std::string document = gpx.Joined("\r\n");

    std::vector<const Row*> exported;
    std::size_t lines = 7;
    for (const Row& row : rows) {
        const bool ownerPasses =
            !options.FilterOwner() || TextEqual(row[CacheColumn::Owner], options.OwnerName());
        if (ownerPasses && (!options.NoUnknowns() || !IsUnknown(row))) {
            exported.push_back(&row);
            // A block without a date has no time line.
            lines += row[CacheColumn::Placed].empty() ? 20 : 21;
        }
    }
    if (written != exported.size() || gpx.lines.size() != lines) {
        Fail("the GPX export wrote " + std::to_string(written) + " caches in " +
                 std::to_string(gpx.lines.size()) + " lines for " +
                 std::to_string(exported.size()) + " rows that pass the filters",
             document);
    }

    appending.list = readBack;
    receiver = &appending;
    ListboxChanges changes(*readBack); // reverted at the end: the list stays empty
    GPXReader reader;
    try {
        reader.Parse(document, "export");
    } catch (const FileException& failure) {
        Fail(std::string("the GPX export is not well-formed: ") + failure.what(), document);
    }
    const Rows again = Snapshot(*readBack);
    if (again.size() != exported.size()) {
        Fail("the GPX export reads back as " + std::to_string(again.size()) + " caches", document);
    }
    for (std::size_t row = 0; row < again.size(); ++row) {
        for (std::size_t index = 0; index < again[row].size(); ++index) {
            std::string expected = (*exported[row])[index];
            if (Carried(index, controls, expected) && again[row][index] != expected) {
                Fail("row " + std::to_string(row) + ", " + (index < 19 ? "cell " : "tag ") +
                         std::to_string(index % 19) + " reads back as \"" + again[row][index] +
                         "\" instead of \"" + expected + "\"",
                     document);
            }
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    // The list needs a Qt view, and that needs an application; nothing is
    // ever shown.
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    static int argc = 1;
    static char name[] = "ImportExportFuzzer";
    static char* argv[] = {name, nullptr};
    application = new QApplication(argc, argv);
    cacheList = new Listbox(nullptr);
    cacheList->ColumnCount(CacheColumn::Count);
    readBack = new Listbox(nullptr);
    readBack->ColumnCount(CacheColumn::Count);
    CacheReceiver::InstallAccessor([]() -> CacheReceiver& { return *receiver; });
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    const Controls controls(data[0]);
    const std::string_view document(reinterpret_cast<const char*>(data + 1), size - 1);

    Preload(*cacheList);
    const Rows before = Snapshot(*cacheList);
    const bool imported = Import(*cacheList, document, controls);
    CheckIndex(*cacheList, "after the import");
    if (!imported || controls.abandon) {
        if (Snapshot(*cacheList) != before) {
            Fail(imported ? "an abandoned import changed the list"
                          : "a failed import changed the list");
        }
        return 0;
    }
    CheckMerge(*cacheList, before, controls);

    const Rows rows = Snapshot(*cacheList);
    std::string ownerName = "Ann";
    if (controls.ownerFromList && !rows.empty()) {
        ownerName = rows[0][CacheColumn::Owner];
    }
    const Options options(controls, ownerName);
    CheckCsv(rows, options);
    CheckGpx(rows, options, controls);
    return 0;
}
