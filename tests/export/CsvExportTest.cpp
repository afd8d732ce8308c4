#include "CsvExport.h"

#include "ExportTestSupport.h"

#include <gtest/gtest.h>

namespace {

using namespace CacheColumn;

const std::string header =
    "Cache,Type,Container,Country,Difficulty,Terrain,Owner,Hint,Text,Placed,Lat,Lon,Active,"
    "Archived,Url,Name,Titel";

// The data lines of the rows, without the header.
std::vector<std::string> DataLines(const MemoryRows& rows, bool noUnknowns = false) {
    TestOptions options;
    options.noUnknowns = noUnknowns;
    LineCollector sink;
    WriteCsv(sink, rows, options);
    EXPECT_EQ(sink.lines.at(0), header);
    EXPECT_EQ(options.reads, (TestOptions::Reads{0, 0, rows.ListCount(), 0, 0}));
    return {sink.lines.begin() + 1, sink.lines.end()};
}

} // namespace

TEST(CsvExportTest, WritesTheGoldenFileWithAndWithoutUnknownCaches) {
    for (const bool noUnknowns : {false, true}) {
        TestOptions options;
        options.noUnknowns = noUnknowns;
        LineCollector sink;
        WriteCsv(sink, SmallList(), options);
        EXPECT_EQ(sink.Text(), Golden(noUnknowns ? "no-unknowns.csv" : "all.csv"));
        EXPECT_EQ(options.reads.noUnknowns, 5);
    }
}

TEST(CsvExportTest, KeepsSeventeenFieldsOnOneLineWhateverTheCellsHold) {
    TestRow row;
    for (std::int32_t column = 0; column < Count; ++column) {
        row.cells[column] = "c" + std::to_string(column);
        row.tags[column] = "tag";
    }
    row.cells[Type] = "\"Multi\", cache";
    row.cells[Country] = "Korea, Republic of";
    row.cells[Hint] = " \r\n In the wall,\r\nleft \n";
    row.cells[Text] = "\tA\nB\rC\r\rD ";
    row.cells[Name] = " Name, with\nblanks ";
    row.cells[Titel] = "Line one\r\nline two\r";
    EXPECT_EQ(DataLines(MemoryRows({row, TestRow{}})),
              (std::vector<std::string>{
                  "c0,\"Multi\"; cache,c2,Korea; Republic of,c4,c5,c6,In the wall; - left,"
                  "A - B - C -  - D,c9,c10,c11,c12,c13,c14, Name; with - blanks ,"
                  "Line one - line two - ",
                  std::string(16, ',')}));
}

// The file as a CSV reader sees it: a record ends at CR LF, at a lone CR and
// at a lone LF, and nothing is quoted. Every cache must come back as one
// record of 17 fields, whichever line breaks its cells hold.
TEST(CsvExportTest, EveryCacheReadsBackAsOneRecordOfSeventeenFields) {
    std::vector<TestRow> rows;
    for (const char* lineBreak : {"\r\n", "\r", "\n", "\n\r", "\r\r\n\n"}) {
        TestRow row;
        for (std::int32_t column = 0; column < Count; ++column) {
            row.cells[column] = std::string("a") + lineBreak + "b," + lineBreak;
        }
        rows.push_back(row);
    }
    TestOptions options;
    LineCollector sink;
    WriteCsv(sink, MemoryRows(rows), options);
    const std::string file = sink.Text("\r\n");

    std::vector<std::vector<std::string>> records;
    std::size_t start = 0;
    while (start < file.size()) {
        std::size_t end = file.find_first_of("\r\n", start);
        std::string_view line(file.data() + start, end - start);
        std::vector<std::string>& fields = records.emplace_back();
        for (std::size_t comma; (comma = line.find(',')) != std::string_view::npos;) {
            fields.emplace_back(line.substr(0, comma));
            line.remove_prefix(comma + 1);
        }
        fields.emplace_back(line);
        start = end + (file.compare(end, 2, "\r\n") == 0 ? 2 : 1);
    }
    ASSERT_EQ(records.size(), 1 + rows.size());
    for (const auto& fields : records) {
        EXPECT_EQ(fields.size(), 17u);
    }
    EXPECT_EQ(records[1][Owner], "a - b; - ");
    EXPECT_EQ(records[1][Hint], "a - b;");
    EXPECT_EQ(records[2][Cache], "a - b; - ");
    EXPECT_EQ(records[3][Titel], "a - b; - ");
    EXPECT_EQ(records[4][Name], "a -  - b; -  - ");
    EXPECT_EQ(records[5][Text], "a -  -  - b;");
}

TEST(CsvExportTest, LeavesOutOnlyRowsOfTypeUnknownCacheAndOnlyWhenAsked) {
    TestRow unknown, almost, empty;
    unknown.cells[Type] = "unknown CACHE";
    almost.cells[Type] = "Unknown Cache ";
    const MemoryRows rows({unknown, almost, empty});
    EXPECT_EQ(DataLines(rows, true).size(), 2u);
    EXPECT_EQ(DataLines(rows, false).size(), 3u);
    EXPECT_EQ(DataLines(MemoryRows({unknown, unknown}), true).size(), 0u);
    EXPECT_EQ(DataLines(MemoryRows(), true).size(), 0u);
}

TEST(CsvExportTest, WalksEveryRowOfAListBeyondSixteenBits) {
    struct CountingSink : LineSink {
        void WriteLine(std::string_view line) override {
            ++lines;
            last = line;
        }
        std::uint32_t lines = 0;
        std::string last;
    } sink;
    TestOptions options;
    options.noUnknowns = true;
    WriteCsv(sink, ManyRows(), options);
    EXPECT_EQ(sink.lines, 1u + 69'930u);
    EXPECT_TRUE(sink.last.starts_with("GC69999,Multi-cache,")) << sink.last;
}
