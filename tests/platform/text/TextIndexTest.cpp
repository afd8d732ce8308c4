#include "TextIndex.h"

#include "Text.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

TEST(TextIndex, FindsTheFirstEqualEntry) {
    const TextIndex index = {"wpt", "groundspeak:cache", "Österreich", "WPT"};
    EXPECT_EQ(index.Find("wpt"), 0);
    EXPECT_EQ(index.Find("WpT"), 0);
    EXPECT_EQ(index.Find("GroundSpeak:Cache"), 1);
    EXPECT_EQ(index.Find("ÖSTERREICH"), 2);
    EXPECT_EQ(index.Find("groundspeak:cache "), -1);
    EXPECT_EQ(index.Find(""), -1);
    EXPECT_EQ(index.Find("gpx:wpt"), -1);
    // Kelvin sign and long s fold to ASCII letters.
    EXPECT_EQ(index.Find("groundspea\u212A:cache"), 1);
    EXPECT_EQ(index.Find("ground\u017Fpeak:cache"), 1);
}

// The index must answer exactly as a loop over TextEqual would.
TEST(TextIndex, AgreesWithComparingEachEntryInTurn) {
    const std::vector<std::string> entries = {"desc", "name", "", "sym", "K", "Straße", "ſ"};
    const TextIndex index = {"desc", "name", "", "sym", "K", "Straße", "ſ"};
    const std::vector<std::string> pieces = {"d",      "E", "s", "c", "N", "a", "m",      "e", "k",
                                             "\u212A", "ß", "ẞ", "S", "t", "r", "\u017F", "y"};
    std::mt19937 random(7);
    for (int round = 0; round < 20000; ++round) {
        std::string text;
        const std::size_t length = random() % 7;
        for (std::size_t i = 0; i < length; ++i) {
            text += pieces[random() % pieces.size()];
        }
        std::int32_t expected = -1;
        for (std::size_t i = 0; i < entries.size(); ++i) {
            if (TextEqual(text, entries[i])) {
                expected = static_cast<std::int32_t>(i);
                break;
            }
        }
        ASSERT_EQ(index.Find(text), expected) << text;
    }
}
