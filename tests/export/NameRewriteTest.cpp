#include "NameRewrite.h"

#include "ExportTestSupport.h"

#include <gtest/gtest.h>

namespace {

TestRow NamedRow(std::string code, std::string type, std::string container, std::string diff,
                 std::string terr, std::string active, std::string name) {
    using namespace CacheColumn;
    TestRow row;
    row.cells[Cache] = std::move(code);
    row.cells[Type] = std::move(type);
    row.cells[Container] = std::move(container);
    row.cells[Diff] = std::move(diff);
    row.cells[Terr] = std::move(terr);
    row.cells[Active] = std::move(active);
    row.cells[Name] = std::move(name);
    return row;
}

struct Names {
    std::string waypoint, cache;
    bool operator==(const Names&) const = default;
};

void PrintTo(const Names& names, std::ostream* out) {
    *out << '"' << names.waypoint << "\" / \"" << names.cache << '"';
}

// The two names of the one row, with the options read counted.
Names Compose(const TestRow& row, bool modify, std::int32_t layout = 0) {
    const MemoryRows rows({row});
    TestOptions options;
    options.modify = modify;
    options.layout = layout;
    Names names{ExportWptName(rows, options, 0), ""};
    EXPECT_EQ(options.reads, (TestOptions::Reads{0, 0, 0, 1, modify ? 1 : 0}));
    names.cache = ExportCacheName(rows, options, 0);
    EXPECT_EQ(options.reads, (TestOptions::Reads{0, 0, 0, 2, modify ? 2 : 0}));
    return names;
}

} // namespace

TEST(NameRewriteTest, WorkedExamplesInAllThreeCases) {
    struct Example {
        TestRow row;
        Names unchecked, codeInWaypoint, ratingsInWaypoint;
    };
    const Example examples[] = {
        {NamedRow("GC12AB", "Multi-cache", "Small", "2.5", "1", "True", "  Foo & Bar "),
         {"GC12AB", "Foo &amp; Bar"},
         {"M12AB", "2/1/S Foo &amp; Bar"},
         {"M-2/1-S", "GC12AB Foo &amp; Bar"}},
        {NamedRow("GC12AB", "Multi-cache", "Small", "2.5", "1", "False", "  Foo & Bar "),
         {"GC12AB", "Foo &amp; Bar"},
         {"XM12AB", "2/1/S Foo &amp; Bar"},
         {"XM-2/1-S", "GC12AB Foo &amp; Bar"}},
        {NamedRow("GC7", "Traditional Cache", "Micro", "1", "4.5", "True", "Lake"),
         {"GC7", "Lake"},
         {"7", "1/4/M Lake"},
         {"-1/4-M", "GC7 Lake"}},
        {NamedRow("GC", "Unknown Cache", "Other", "", "", "", ""),
         {"GC", ""},
         {"?", "0/0/? "},
         {"?-0/0-?", "GC "}},
    };
    for (const Example& e : examples) {
        EXPECT_EQ(Compose(e.row, false), e.unchecked);
        EXPECT_EQ(Compose(e.row, true, 0), e.codeInWaypoint);
        EXPECT_EQ(Compose(e.row, true, 1), e.ratingsInWaypoint);
        EXPECT_EQ(Compose(e.row, true, -7), e.ratingsInWaypoint) << "any layout but 0";
    }
}

TEST(NameRewriteTest, TypeAndContainerTablesFirstMatchUnderTheSystemsEquality) {
    const std::pair<std::string, std::string> types[] = {
        {"Traditional Cache", ""},  {"Multi-cache", "M"},
        {"Letterbox Hybrid", "L"},  {"Event Cache", "Ev"},
        {"Earthcache", "Er"},       {"Webcam Cache", "W"},
        {"Virtual Cache", "V"},     {"Locationless (Reverse) Cache", "V"},
        {"Mega-Event Cache", "Ev"}, {"Cache In Trash Out Event", "Ct"},
        {"Wherigo Cache", "Wh"},    {"GPS Adventures Exhibit", "Ae"},
        {"MULTI-CACHE", "M"},       {"Unknown Cache", "?"},
        {"Virtual Cache ", "?"},    {"", "?"},
    };
    for (const auto& [type, letters] : types) {
        // A code of two characters leaves the type letters alone.
        EXPECT_EQ(Compose(NamedRow("GC", type, "", "", "", "True", ""), true).waypoint, letters)
            << type;
    }
    const std::pair<std::string, std::string> containers[] = {
        {"Micro", "M"}, {"Small", "S"},   {"Regular", "R"}, {"large", "L"},
        {"Other", "?"}, {"Virtual", "?"}, {"", "?"},
    };
    for (const auto& [container, letter] : containers) {
        const Names names = Compose(NamedRow("GC", "", container, "", "", "", "N"), true);
        EXPECT_EQ(names.cache, "0/0/" + letter + " N") << container;
        EXPECT_EQ(Compose(NamedRow("GC", "", container, "", "", "", ""), true, 1).waypoint,
                  "?-0/0-" + letter)
            << container;
    }
}

TEST(NameRewriteTest, RatingsRoundDownAndOnlyFalseMarksAnUnavailableCache) {
    const std::pair<std::string, std::string> ratings[] = {
        {"1", "1"}, {"1.5", "1"}, {"2.5", "2"}, {"4.5", "4"}, {"5", "5"}, {"", "0"}, {"4.99", "4"}};
    for (const auto& [rating, whole] : ratings) {
        EXPECT_EQ(Compose(NamedRow("GC", "", "Small", rating, "3.5", "", ""), true).cache,
                  whole + "/3/S ");
        EXPECT_EQ(Compose(NamedRow("GC", "", "Small", "3.5", rating, "", ""), true).cache,
                  "3/" + whole + "/S ");
    }
    for (const char* active : {"True", "", "no", "False ", "Falsch"}) {
        EXPECT_EQ(
            Compose(NamedRow("GC1", "Traditional Cache", "", "", "", active, ""), true).waypoint,
            "1")
            << active;
    }
    EXPECT_EQ(Compose(NamedRow("GC1", "Traditional Cache", "", "", "", "false", ""), true).waypoint,
              "X1");
}

TEST(NameRewriteTest, DropsTwoCharactersOfAnyCodeAndEscapesEveryCellText) {
    const TestRow active = NamedRow("AB1234", "Traditional Cache", "", "", "", "True", "\tx\n");
    EXPECT_EQ(Compose(active, true).waypoint, "1234");
    EXPECT_EQ(Compose(active, false).cache, "x");
    EXPECT_EQ(Compose(NamedRow("G", "Traditional Cache", "", "", "", "", ""), true).waypoint, "");
    // Characters, not bytes: "é" takes two bytes.
    EXPECT_EQ(Compose(NamedRow("éX9", "Traditional Cache", "", "", "", "", ""), true).waypoint,
              "9");
    const TestRow special = NamedRow("G&<1>", "Traditional Cache", "", "", "", "", " a<b ");
    EXPECT_EQ(Compose(special, false), (Names{"G&amp;&lt;1&gt;", "a&lt;b"}));
    EXPECT_EQ(Compose(special, true, 0), (Names{"&lt;1&gt;", "0/0/? a&lt;b"}));
    EXPECT_EQ(Compose(special, true, 1), (Names{"-0/0-?", "G&amp;&lt;1&gt; a&lt;b"}));
}
