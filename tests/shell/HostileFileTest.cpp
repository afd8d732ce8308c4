// Files that are broken, hostile or merely unusual, imported in every mode:
// a file that cannot be read to its end is reported and leaves the list as
// it was; one that can is imported, in bounded time and memory.

#include "CacheColumns.h"
#include "Listbox.h"
#include "MainWindowFixture.h"
#include "TestFolder.h"

#include <chrono>
#include <filesystem>
#include <sys/resource.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;
using Messages = std::vector<std::string>;

std::string Repeat(std::string_view piece, std::size_t times) {
    std::string text;
    text.reserve(piece.size() * times);
    for (std::size_t i = 0; i < times; ++i) {
        text += piece;
    }
    return text;
}

std::string Waypoint(std::string_view code) {
    return "<wpt lat='1' lon='2'><name>" + std::string(code) + "</name></wpt>";
}

long PeakKilobytes() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

class HostileFileTest : public MainWindowFixture {
protected:
    void SetUp() override {
        MainWindowFixture::SetUp();
        Import(Data("pocket-query.gpx"));
    }

    // Imports the file in all three modes; each must fail with a reason that
    // holds the text, and leave the list as it was.
    void ExpectRefused(const fs::path& file, std::string_view reason) {
        const auto before = ListSnapshot();
        for (int mode : {0, 1, 2}) {
            const Messages shown = Import(file, mode);
            ASSERT_EQ(shown.size(), 1u) << file;
            EXPECT_EQ(shown[0].rfind("Error while reading file\n" + file.string() + ": ", 0), 0u)
                << shown[0];
            EXPECT_NE(shown[0].find(reason), std::string::npos) << shown[0];
            EXPECT_EQ(ListSnapshot(), before) << file << " in mode " << mode;
        }
    }

    // Adds the file's caches to an empty list and returns the summary.
    std::string ImportIntoEmptyList(const fs::path& file) {
        window->LbxCaches()->DeleteAllRows();
        const Messages shown = Import(file, 1);
        return shown.empty() ? "" : shown.front();
    }

    const std::string& Cell(std::int32_t row, std::int32_t column) {
        return window->LbxCaches()->Cell(row, column);
    }

    const TestFolder folder;
};

} // namespace

TEST_F(HostileFileTest, TruncatedEmptyAndForeignFilesAreRefused) {
    const struct {
        const char* name;
        std::string content;
        const char* reason;
    } cases[] = {
        {"in-waypoint.gpx", "<gpx>" + Waypoint("GCNEW") + "<wpt lat='1'><name>GC1</na",
         "unclosed token"},
        {"in-tag.gpx", "<gpx>" + Waypoint("GCNEW") + "<wpt lat='1", "unclosed token"},
        {"in-character.gpx", "<gpx>" + Waypoint("GCNEW") + "<wpt><name>G\xC3", "line 1"},
        {"zero-bytes.gpx", "", "no element found"},
        {"blank.gpx", " \r\n\t\n", "no element found"},
        {"binary.gpx", std::string("\x89PNG\r\n\x1A\n\0\0\0\rIHDR\0\0\x01\0", 20),
         "not well-formed"},
    };
    for (const auto& c : cases) {
        ExpectRefused(folder.Write(c.name, c.content), c.reason);
    }
    ExpectRefused(folder.Path(), "Is a directory");
    ExpectRefused(folder / "missing.gpx", "No such file or directory");
    if (::geteuid() != 0) {
        const fs::path locked = folder.Write("locked.gpx", "<gpx/>");
        fs::permissions(locked, fs::perms::none);
        ExpectRefused(locked, "Permission denied");
    }
}

TEST_F(HostileFileTest, DocumentsThatAreNotWellFormedAreRefused) {
    const struct {
        const char* name;
        std::string content;
        const char* reason;
    } cases[] = {
        {"mismatched.gpx", "<gpx><wpt><name>GC1</wpt></name></gpx>", "mismatched tag"},
        {"bare-ampersand.gpx", "<gpx><wpt><name>Tom & Jerry</name></wpt></gpx>", "not well-formed"},
        {"undefined-entity.gpx", "<gpx><wpt><name>a&nbsp;b</name></wpt></gpx>", "undefined entity"},
        {"control-reference.gpx", "<gpx><wpt><name>&#x13;</name></wpt></gpx>",
         "reference to invalid character number"},
        {"noncharacter-reference.gpx", "<gpx><wpt><name>&#xFFFF;</name></wpt></gpx>",
         "reference to invalid character number"},
        {"invalid-utf8.gpx", "<gpx><wpt><name>GC\xFF\xFE</name></wpt></gpx>", "not well-formed"},
        {"nul-byte.gpx", std::string("<gpx><wpt><name>GC\0</name></wpt></gpx>", 36),
         "not well-formed"},
        {"junk-after-root.gpx", "<gpx>" + Waypoint("GCNEW") + "</gpx><more/>",
         "junk after document element"},
        {"billion-laughs.gpx",
         "<!DOCTYPE gpx [<!ENTITY a \"aaaaaaaaaa\">"
         "<!ENTITY b \"&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;\"><!ENTITY c "
         "\"&b;&b;&b;&b;&b;&b;&b;&b;&b;&b;\">"
         "<!ENTITY d \"&c;&c;&c;&c;&c;&c;&c;&c;&c;&c;\"><!ENTITY e "
         "\"&d;&d;&d;&d;&d;&d;&d;&d;&d;&d;\">"
         "<!ENTITY f \"&e;&e;&e;&e;&e;&e;&e;&e;&e;&e;\"><!ENTITY g "
         "\"&f;&f;&f;&f;&f;&f;&f;&f;&f;&f;\">"
         "<!ENTITY h \"&g;&g;&g;&g;&g;&g;&g;&g;&g;&g;\"><!ENTITY i "
         "\"&h;&h;&h;&h;&h;&h;&h;&h;&h;&h;\">]>"
         "<gpx><wpt><name>&i;</name></wpt></gpx>",
         "amplification"},
    };
    for (const auto& c : cases) {
        ExpectRefused(folder.Write(c.name, c.content), c.reason);
    }
}

TEST_F(HostileFileTest, EntitiesNeverReadAnotherFile) {
    const fs::path secret = folder.Write("secret.txt", "SECRET-CONTENT");
    const fs::path file = folder.Write(
        "external.gpx", "<!DOCTYPE gpx [<!ENTITY code 'GC42'><!ENTITY ext SYSTEM 'file://" +
                            secret.string() +
                            "'>]><gpx><wpt><name>&code;</name><desc>x&ext;y</desc>"
                            "</wpt></gpx>");
    EXPECT_EQ(ImportIntoEmptyList(file), "Imported 1 entries and skipped 0 caches.");
    EXPECT_EQ(Cell(0, CacheColumn::Cache), "GC42") << "internal entities are expanded";
    EXPECT_EQ(Cell(0, CacheColumn::Titel), "xy") << "the external one is skipped, not read";
}

// Large and deep files import in linear time and bounded memory.
TEST_F(HostileFileTest, HugeAndDeepFilesImportInBoundedTimeAndMemory) {
    const std::string longText(50 * 1024 * 1024, 'x');
    const std::string longAttribute(8 * 1024 * 1024, '7');
    std::string manyAttributes = "<wpt";
    for (int i = 0; i < 10000; ++i) {
        manyAttributes += " a" + std::to_string(i) + "='v'";
    }
    manyAttributes += " lat='late'><name>GCATTR</name></wpt>";
    const std::string log = "<groundspeak:log><groundspeak:type>Found it</groundspeak:type>"
                            "<groundspeak:text>TFTC</groundspeak:text></groundspeak:log>";
    const struct {
        const char* name;
        std::string content;
        std::int32_t column;
        std::size_t length;
    } cases[] = {
        {"long-text.gpx", "<gpx><wpt><name>GCTEXT</name><desc>" + longText + "</desc></wpt></gpx>",
         CacheColumn::Titel, longText.size()},
        {"long-attribute.gpx",
         "<gpx><wpt lat='" + longAttribute + "'><name>GCLAT</name></wpt></gpx>", CacheColumn::Lat,
         longAttribute.size()},
        {"many-attributes.gpx", "<gpx>" + manyAttributes + "</gpx>", CacheColumn::Lat, 4},
        {"many-logs.gpx",
         "<gpx><wpt><name>GCLOGS</name><groundspeak:cache><groundspeak:type>Multi-cache"
         "</groundspeak:type><groundspeak:logs>" +
             Repeat(log, 1000) + "</groundspeak:logs></groundspeak:cache></wpt></gpx>",
         CacheColumn::Type, 11},
        {"deep.gpx",
         "<gpx>" + Repeat("<a>", 100000) + Repeat("</a>", 100000) + Waypoint("GCDEEP") + "</gpx>",
         CacheColumn::Cache, 6},
    };
    for (const auto& c : cases) {
        const fs::path file = folder.Write(c.name, c.content);
        const long peakBefore = PeakKilobytes();
        const auto start = std::chrono::steady_clock::now();
        EXPECT_EQ(ImportIntoEmptyList(file), "Imported 1 entries and skipped 0 caches.") << c.name;
        EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5)) << c.name;
        EXPECT_LT(PeakKilobytes() - peakBefore, 512 * 1024) << c.name;
        EXPECT_EQ(Cell(0, c.column).size(), c.length) << c.name;
    }
}

TEST_F(HostileFileTest, DeclaredEncodingsArriveAsUtf8) {
    const std::string utf16 = std::string("\xFF\xFE", 2) + [] {
        std::string wide;
        for (char c : std::string("<gpx><wpt><name>GC\xE9</name></wpt></gpx>")) {
            wide += c;
            wide += '\0';
        }
        return wide;
    }();
    const struct {
        const char* name;
        std::string content;
        const char* code;
    } cases[] = {
        {"utf-16.gpx", utf16, "GC\xC3\xA9"},
        {"latin-1.gpx",
         "<?xml version='1.0' encoding='ISO-8859-1'?><gpx>" + Waypoint("GC\xE9") + "</gpx>",
         "GC\xC3\xA9"},
        {"ascii.gpx", "<?xml version='1.0' encoding='US-ASCII'?><gpx>" + Waypoint("GC1") + "</gpx>",
         "GC1"},
        {"windows-1252.gpx",
         "<?xml version='1.0' encoding='windows-1252'?><gpx>" + Waypoint("GC\x80\xE9") + "</gpx>",
         "GC\xE2\x82\xAC\xC3\xA9"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ImportIntoEmptyList(folder.Write(c.name, c.content)),
                  "Imported 1 entries and skipped 0 caches.")
            << c.name;
        EXPECT_EQ(Cell(0, CacheColumn::Cache), c.code) << c.name;
    }
}

TEST_F(HostileFileTest, RealWorldQuirksImport) {
    const fs::path file = folder.Write(
        "quirks.gpx",
        "<?xml version='1.0' encoding='utf-8'?>\r\n<gpx "
        "xmlns='http://www.topografix.com/GPX/1/0'>\r\n"
        "<wpt lat='48.1' lon='11.5'>\r\n<name>OC1234</name>\r\n"
        "<groundspeak:cache id='7' available='True' archived='False' "
        "xmlns:groundspeak='http://www.groundspeak.com/cache/1/0/1'>\r\n"
        "<groundspeak:container>small</groundspeak:container>\r\n"
        "<groundspeak:encoded_hints>line one\r\nline two</groundspeak:encoded_hints>\r\n"
        "</groundspeak:cache>\r\n</wpt>\r\n<wpt lat='1' "
        "lon='2'><name>GCPLAIN</name></wpt>\r\n</gpx>\r\n");
    EXPECT_EQ(ImportIntoEmptyList(file), "Imported 2 entries and skipped 0 caches.");
    EXPECT_EQ(Cell(0, CacheColumn::Cache), "OC1234");
    EXPECT_EQ(Cell(0, CacheColumn::Container), "small");
    EXPECT_EQ(Cell(0, CacheColumn::Hint), "line one\nline two") << "CR LF arrives as LF";
    EXPECT_EQ(window->LbxCaches()->CellTag(0, CacheColumn::Cache), "7");
    EXPECT_EQ(Cell(1, CacheColumn::Cache), "GCPLAIN");
    EXPECT_EQ(Cell(1, CacheColumn::Type), "");
}
