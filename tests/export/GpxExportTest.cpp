#include "GpxExport.h"

#include "CacheList.h"
#include "CacheReceiver.h"
#include "ExportTestSupport.h"
#include "FolderItem.h"
#include "GPXReader.h"
#include "ListRowsAsCacheRows.h"
#include "RowStore.h"
#include "TestFolder.h"
#include "Text.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

namespace {

using namespace CacheColumn;

struct GoldenCase {
    const char* file;
    bool filterOwner, noUnknowns, modify;
    std::int32_t layout;
    std::uint32_t count;
};

const GoldenCase goldenCases[] = {
    {"plain.gpx", false, false, false, 0, 5},
    {"owner-ann.gpx", true, false, false, 0, 2},
    {"no-unknowns.gpx", false, true, false, 0, 4},
    {"rewrite-layout0.gpx", false, false, true, 0, 5},
    {"rewrite-layout1.gpx", false, false, true, 1, 5},
};

TestOptions OptionsOf(const GoldenCase& c) {
    TestOptions options;
    options.filterOwner = c.filterOwner;
    options.ownerName = "Ann";
    options.noUnknowns = c.noUnknowns;
    options.modify = c.modify;
    options.layout = c.layout;
    return options;
}

RowStore* importTarget = nullptr;

struct ListImport : CacheReceiver {
    void CacheImported(const CacheRecord& record) override { CacheAdd(*importTarget, record); }
};

class GpxRoundTrip : public testing::Test {
protected:
    GpxRoundTrip() {
        CacheReceiver::InstallAccessor([]() -> CacheReceiver& {
            static ListImport receiver;
            return receiver;
        });
    }
    ~GpxRoundTrip() override { CacheReceiver::InstallAccessor(nullptr); }

    template <typename Source> void Import(RowStore& list, const Source& source) {
        importTarget = &list;
        GPXReader().Parse(source);
    }

    RowStore imported{CacheColumn::Count};
    RowStore reimported{CacheColumn::Count};
};

// What xmllint finds wrong with the text, written as the export writes its
// file; empty when the file is valid.
std::string SchemaErrors(const std::string& text, const std::string& name) {
    const TestFolder folder;
    const std::filesystem::path file = folder.Write(name, text);
    const std::filesystem::path report = folder / "xmllint.txt";
    const std::string command = "xmllint --noout --schema '" ORLIMEX_SCHEMAS "/gpx10_gs.xsd' '" +
                                file.string() + "' >'" + report.string() + "' 2>&1";
    return std::system(command.c_str()) == 0 ? "" : "xmllint: " + FileContents(report);
}

bool XmllintInstalled() {
    return std::system("xmllint --version >/dev/null 2>&1") == 0;
}

} // namespace

TEST(GpxExportTest, WritesTheGoldenFileForEachOptionSetAndCountsTheBlocks) {
    const MemoryRows rows = SmallList();
    for (const GoldenCase& c : goldenCases) {
        TestOptions options = OptionsOf(c);
        LineCollector sink;
        EXPECT_EQ(WriteGpx(sink, rows, options), c.count) << c.file;
        EXPECT_EQ(sink.Text(), Golden(c.file)) << c.file;
        EXPECT_EQ(sink.lines.size(), 7 + 21 * c.count);
    }
    // An empty list, and a row of empty cells, which still gives its block,
    // without the time line that an empty Placed cell cannot fill.
    for (const std::uint32_t count : {0u, 1u}) {
        LineCollector sink;
        TestOptions options;
        EXPECT_EQ(WriteGpx(sink, MemoryRows(std::vector<TestRow>(count)), options), count);
        ASSERT_EQ(sink.lines.size(), 7 + 20 * count);
        EXPECT_EQ(sink.lines.at(6), count ? R"(  <wpt lat="" lon="">)" : "</gpx>");
        if (count != 0) {
            EXPECT_EQ(sink.lines.at(7), "    <name></name>");
        }
    }
}

TEST(GpxExportTest, ReadsEachOptionAsOftenAsEachRowNeedsIt) {
    // Owner filter first, then the type, for every row; the names read the
    // rewrite options after block lines 2 and 9 of a written row.
    std::vector<std::string> log;
    TestOptions options;
    options.filterOwner = options.noUnknowns = options.modify = true;
    options.ownerName = "Ann";
    options.log = &log;
    LineCollector sink;
    sink.log = &log;
    const MemoryRows rows = SmallList();
    EXPECT_EQ(WriteGpx(sink, MemoryRows({rows.rows[1]}), options), 1u);
    std::vector<std::string> expected(6, "line");
    for (const char* name :
         {"FilterOwner", "OwnerName", "NoUnknowns", "line", "line", "Modify", "Layout"}) {
        expected.push_back(name);
    }
    expected.insert(expected.end(), 7, "line");
    expected.push_back("Modify");
    expected.push_back("Layout");
    expected.insert(expected.end(), 13, "line");
    EXPECT_EQ(log, expected);

    // The whole list: 5 rows, of which B alone is written.
    options.log = nullptr;
    options.reads = {};
    EXPECT_EQ(WriteGpx(sink, rows, options), 1u);
    EXPECT_EQ(options.reads, (TestOptions::Reads{5, 5, 5, 2, 2}));
    options.filterOwner = options.modify = false;
    options.reads = {};
    EXPECT_EQ(WriteGpx(sink, rows, options), 4u);
    EXPECT_EQ(options.reads, (TestOptions::Reads{5, 0, 5, 8, 0}));
}

TEST(GpxExportTest, WalksEveryRowOfAListBeyondSixteenBits) {
    const ManyRows rows;
    // Only the names are kept: every written row once, in order.
    struct NameSink : LineSink {
        void WriteLine(std::string_view line) override {
            ++lines;
            if (line.starts_with("    <name>")) {
                names.emplace_back(line.substr(10, line.size() - 17));
            }
        }
        std::uint32_t lines = 0;
        std::vector<std::string> names;
    } sink;
    TestOptions options;
    options.noUnknowns = true;
    EXPECT_EQ(WriteGpx(sink, rows, options), 69'930u);
    EXPECT_EQ(sink.lines, 7u + 21u * 69'930u);
    ASSERT_EQ(sink.names.size(), 69'930u);
    for (std::uint32_t i = 0, n = 0; i < 70'000; ++i) {
        if (i % 1000 != 3) {
            ASSERT_EQ(sink.names[n++], "GC" + Str(std::uint64_t{i}));
        }
    }
}

TEST(GpxExportTest, EveryExportIsValidAgainstTheSchemas) {
    if (!XmllintInstalled()) {
        GTEST_SKIP() << "xmllint is not installed";
    }
    const MemoryRows rows = SmallList();
    for (const GoldenCase& c : goldenCases) {
        TestOptions options = OptionsOf(c);
        LineCollector sink;
        WriteGpx(sink, rows, options);
        EXPECT_EQ(SchemaErrors(sink.Text("\r\n"), c.file), "") << c.file;
    }
    // Waypoints without a date, as a parking spot or a stage comes, with the
    // plain names and rewritten.
    MemoryRows undated = SmallList();
    undated.rows[1].cells[Placed] = "";
    TestRow parking;
    parking.cells[Cache] = "PK12AB";
    parking.cells[Lat] = "46.51";
    parking.cells[Lon] = "-73.2";
    undated.rows.push_back(parking);
    for (const bool modify : {false, true}) {
        TestOptions options;
        options.modify = modify;
        LineCollector sink;
        EXPECT_EQ(WriteGpx(sink, undated, options), 6u);
        EXPECT_EQ(sink.lines.size(), 7u + 21u * 6u - 2u);
        EXPECT_EQ(SchemaErrors(sink.Text("\r\n"), "undated.gpx"), "") << "modify " << modify;
    }
    // The same list escaped as the unmended export did it is rejected.
    EXPECT_NE(SchemaErrors(ReplaceAll(Golden("plain.gpx"), "&amp;", "&"), "unescaped.gpx"), "");
}

TEST_F(GpxRoundTrip, ReimportsEveryExportedCellAndTag) {
    Import(imported, FolderItem(ORLIMEX_TEST_DATA "/pocket-query.gpx"));
    ASSERT_EQ(imported.ListCount(), 4);
    LineCollector sink;
    TestOptions options;
    EXPECT_EQ(WriteGpx(sink, ListRowsAsCacheRows(imported), options), 4u);
    const std::string exported = sink.Text("\r\n");
    Import(reimported, exported);
    ASSERT_EQ(reimported.ListCount(), 4);
    for (std::int32_t row = 0; row < 4; ++row) {
        for (std::int32_t column = 0; column < Count; ++column) {
            const std::string& before = imported.Cell(row, column);
            const std::string& after = reimported.Cell(row, column);
            if (column == Hint || column == Text) {
                EXPECT_EQ(after, "");
            } else {
                EXPECT_EQ(after, column == Name ? Trim(before) : before) << row << "/" << column;
            }
        }
        for (std::int32_t column : {Cache, Owner, Url}) {
            EXPECT_EQ(reimported.CellTag(row, column), imported.CellTag(row, column));
        }
        EXPECT_EQ(reimported.CellTag(row, Text), "");
    }
    EXPECT_NE(imported.Cell(1, Name), reimported.Cell(1, Name)) << "the fixture trims a name";
    if (XmllintInstalled()) {
        EXPECT_EQ(SchemaErrors(exported, "round-trip.gpx"), "");
    }
}

// Found by the fuzzer: a carriage return, which a file can only carry as a
// character reference, came back as a line feed, and a line feed or tab in an
// attribute came back as a space.
TEST_F(GpxRoundTrip, KeepsCarriageReturnsAndTheWhiteSpaceOfAttributes) {
    Import(imported,
           std::string_view(R"(<gpx><wpt lat="&#9;1&#13;" lon="2&#10;"><name>GC&#13;1</name>
        <desc>a&#13;&#10;b&#13;</desc><groundspeak:cache id="&#13;&#10;&#9;">
        <groundspeak:name> x&#13;y </groundspeak:name><groundspeak:owner>o&#13;</groundspeak:owner>
        </groundspeak:cache></wpt></gpx>)"));
    LineCollector sink;
    TestOptions options;
    WriteGpx(sink, ListRowsAsCacheRows(imported), options);
    Import(reimported, sink.Text("\r\n"));
    ASSERT_EQ(reimported.ListCount(), 1);
    for (std::int32_t column : {Cache, Lat, Lon, Titel, Owner}) {
        EXPECT_EQ(reimported.Cell(0, column), imported.Cell(0, column)) << column;
    }
    EXPECT_EQ(reimported.Cell(0, Name), "x\ry");
    EXPECT_EQ(reimported.CellTag(0, Cache), "\r\n\t");
}
