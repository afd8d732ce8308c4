#include "Text.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>
#include <string_view>
#include <vector>

namespace {

// Pairs of texts, given one after the other.
void ExpectPairsEqual(const std::vector<std::string>& texts, bool equal) {
    for (std::size_t i = 0; i + 1 < texts.size(); i += 2) {
        const std::string& a = texts[i];
        const std::string& b = texts[i + 1];
        EXPECT_EQ(TextEqual(a, b), equal) << '"' << a << "\" vs \"" << b << '"';
        EXPECT_EQ(TextEqual(b, a), equal) << '"' << b << "\" vs \"" << a << '"';
        if (equal) {
            EXPECT_EQ(TextHash(a), TextHash(b)) << '"' << a << "\" vs \"" << b << '"';
        }
    }
}

} // namespace

TEST(Text, EqualIgnoresAsciiCaseOnly) {
    ExpectPairsEqual(
        {"", "", "wpt", "WPT", "groundspeak:cache", "GroundSpeak:Cache", "a b-c_1", "A B-C_1"},
        true);
    // Bytes 0x20 apart that are not the two cases of a letter stay different.
    ExpectPairsEqual({"", "a", "wpt", "wpx", "name", "name ", "name", " name", "@", "`", "[", "{",
                      "^", "~", "a", std::string("a\0", 2)},
                     false);
}

TEST(Text, EqualFoldsNonAsciiLetters) {
    // Kelvin sign and long s fold to ASCII letters, so byte lengths differ.
    ExpectPairsEqual({"é",       "É",    "Café",   "CAFÉ",   "abcé",       "ABCÉ",
                      "éabc",    "ÉABC", "\u212A", "k",      "\u212A",     "K",
                      "\u212Am", "KM",   "\u017F", "S",      "Σ",          "σ",
                      "ς",       "Σ",    "ß",      "\u1E9E", "\U00010400", "\U00010428"},
                     true);
    // Simple folding maps one character to one: ß does not become "ss".
    ExpectPairsEqual({"ß", "ss", "ß", "SS", "é", "e", "é", "é ", "\u212A", "kk", "日本", "日"},
                     false);
}

TEST(Text, EqualTreatsInvalidBytesAsCharactersOfTheirOwn) {
    ExpectPairsEqual({"\xFF", "\xFF", "a\xC3", "A\xC3", "\xE6\x97X", "\xE6\x97x"}, true);
    // An invalid byte is neither the code point of the same number nor folded.
    ExpectPairsEqual({"\xFF", "\xFE", "\xE9", "é", "\xC9", "\xE9", "\xC3", "é", "\xC1\x81", "a",
                      "\xED\xA0\x80", "\xED\xA0\x81"},
                     false);
    // A sequence cut off by the end of the view is not completed from beyond it.
    EXPECT_TRUE(TextEqual(std::string_view("é").substr(0, 1), "\xC3"));
}

TEST(Text, HashesSpreadDifferentTexts) {
    EXPECT_NE(TextHash("ab"), TextHash("ba"));
    EXPECT_NE(TextHash("é"), TextHash("e"));
    EXPECT_NE(TextHash(""), TextHash(std::string(1, '\0')));
}

TEST(Text, StrWritesWholeNumbersWithoutPoint) {
    EXPECT_EQ(Str(std::numeric_limits<std::uint64_t>::max()), "18446744073709551615");
    EXPECT_EQ(Str(0.0), "0");
    EXPECT_EQ(Str(-0.0), "0");
    EXPECT_EQ(Str(-3.0), "-3");
    EXPECT_EQ(Str(1e20), "100000000000000000000");
    EXPECT_EQ(Str(-0.5), "-0.5");
    EXPECT_EQ(Str(0.1 + 0.2), "0.3");
    EXPECT_EQ(Str(1.0 / 3), "0.333333333333333");
    EXPECT_FALSE(Str(std::numeric_limits<double>::infinity()).empty());
    EXPECT_FALSE(Str(std::numeric_limits<double>::quiet_NaN()).empty());
    for (const double value : {-3.0, 0.1, 51.123456789, 1e-7, 123456789012.25}) {
        EXPECT_EQ(Val(Str(value)), value);
    }
}

TEST(Text, ValReadsLeadingNumber) {
    for (const char* text : {"", "abc", ".", "-", "+", " 5", "-.", ".e1", "0x1A", "inf", "nan",
                             "1e-400", "0.001e-400", "0e99999", "1e-99999999999999999999"}) {
        EXPECT_EQ(Val(text), 0) << '"' << text << '"';
    }
    EXPECT_EQ(Val(".5"), 0.5);
    EXPECT_EQ(Val("5."), 5);
    EXPECT_EQ(Val("2,5"), 2);
    EXPECT_EQ(Val("1.5abc"), 1.5);
    EXPECT_EQ(Val("12.5.3"), 12.5);
    EXPECT_EQ(Val("-.25"), -0.25);
    EXPECT_EQ(Val("+7"), 7);
    EXPECT_EQ(Val("00012"), 12);
    EXPECT_EQ(Val("1E-2"), 0.01);
    EXPECT_EQ(Val("5.e2"), 500);
    // An exponent is taken only with its digits.
    EXPECT_EQ(Val("2e"), 2);
    EXPECT_EQ(Val("2e+x"), 2);
    // Out of range: infinity above, zero below, never what the digits alone suggest.
    const double inf = std::numeric_limits<double>::infinity();
    EXPECT_EQ(Val("-1e400"), -inf);
    EXPECT_EQ(Val("1e99999999999999999999"), inf);
    EXPECT_EQ(Val(std::string(400, '9')), inf);
    EXPECT_DOUBLE_EQ(Val("0.001e310"), 1e307);
    EXPECT_DOUBLE_EQ(Val("1000e-310"), 1e-307);
    EXPECT_GT(Val("1e-320"), 0); // subnormal, still representable
}

TEST(Text, LenAndRightCountCodePoints) {
    EXPECT_EQ(Len(""), 0u);
    EXPECT_EQ(Len("日本\U0001F600"), 3u);
    // Each byte of a broken, overlong, surrogate or too large sequence counts.
    EXPECT_EQ(Len("\xFF\xFE"), 2u);
    EXPECT_EQ(Len("\xE6\x97"), 2u);
    EXPECT_EQ(Len("\xC0\x80"), 2u);
    EXPECT_EQ(Len("\xE0\x9F\xBF"), 3u);
    EXPECT_EQ(Len("\xF0\x8F\xBF\xBF"), 4u);
    EXPECT_EQ(Len("\xED\xA0\x80"), 3u);
    EXPECT_EQ(Len("\xF4\x90\x80\x80"), 4u);
    EXPECT_EQ(Len(std::string_view("日本").substr(0, 2)), 2u);

    EXPECT_EQ(Right("Café", 1), "é");
    EXPECT_EQ(Right("日本語", 2), "本語");
    EXPECT_EQ(Right("a\xFFz", 2), "\xFFz");
    EXPECT_EQ(Right("Café", 0), "");
    EXPECT_EQ(Right("Café", -1), "");
    EXPECT_EQ(Right("Café", 4), "Café");
    EXPECT_EQ(Right("Café", std::numeric_limits<std::int64_t>::max()), "Café");
}

TEST(Text, ChrEncodesEveryCodePointAsOneCharacter) {
    EXPECT_EQ(Chr(0xE9), "é");
    EXPECT_EQ(Chr(0x20AC), "€");
    EXPECT_EQ(Chr(0x1F600), "\U0001F600");
    EXPECT_EQ(Chr(0), std::string(1, '\0'));
    EXPECT_EQ(Chr(0xD800), "\uFFFD");
    EXPECT_EQ(Chr(0x110000), "\uFFFD");
    EXPECT_EQ(ChrB(0xFF), "\xFF");
    // Decoding must accept exactly what encoding produces, at every boundary.
    std::uint32_t firstFailure = 0x110000;
    for (std::uint32_t c = 0; c < 0x110000 && firstFailure == 0x110000; ++c) {
        const std::string text = Chr(c) + Chr(c);
        if ((c < 0xD800 || c > 0xDFFF) && (Len(text) != 2 || Right(text, 1) != Chr(c))) {
            firstFailure = c;
        }
    }
    EXPECT_EQ(firstFailure, 0x110000u);
}

TEST(Text, TrimRemovesAsciiWhiteSpaceAtEnds) {
    EXPECT_EQ(Trim("\t\r\n\v\fx \t y\f\v\n\r\t "), "x \t y");
    EXPECT_EQ(Trim(" \t "), "");
    EXPECT_EQ(Trim("\u00A0x\u3000"), "\u00A0x\u3000");
    EXPECT_EQ(Trim(" \u00A0 x "), "\u00A0 x");
}

TEST(Text, ReplaceAllMatchesWithTextEquality) {
    EXPECT_EQ(ReplaceAll("&amp;", "&", "&amp;"), "&amp;amp;");
    EXPECT_EQ(ReplaceAll("<é>", "<", "&lt;"), "&lt;é>");
    EXPECT_EQ(ReplaceAll("aXa", "x", "-"), "a-a");
    EXPECT_EQ(ReplaceAll("aaa", "aa", "b"), "ba");
    EXPECT_EQ(ReplaceAll("aa", "a", "aa"), "aaaa");
    EXPECT_EQ(ReplaceAll("abca", "AB", ""), "ca");
    EXPECT_EQ(ReplaceAll("ab", "abc", "x"), "ab");
    EXPECT_EQ(ReplaceAll("abc", "", "x"), "abc");
    EXPECT_EQ(ReplaceAll("Café CAFÉ", "é", "e"), "Cafe CAFe");
    EXPECT_EQ(ReplaceAll("KILO kilo \u212Ailo", "kilo", "1"), "1 1 1");
    EXPECT_EQ(ReplaceAll("STRASSE ß", "ss", "x"), "STRAxE ß");
    EXPECT_EQ(ReplaceAll("\xFFQ\xFF", "q", "z"), "\xFFz\xFF");
    // A byte inside a character is not a character of its own.
    EXPECT_EQ(ReplaceAll("é", "\xA9", "x"), "é");
    EXPECT_EQ(ReplaceAll("é", "\xC3", "x"), "é");
}

TEST(Text, ReplaceAllBComparesBytes) {
    EXPECT_EQ(ReplaceAllB("a\nb\n", "\n", " - "), "a - b - ");
    EXPECT_EQ(ReplaceAllB("a\r\nb", "\r\n", " - "), "a - b");
    EXPECT_EQ(ReplaceAllB("aXa", "x", "-"), "aXa");
    EXPECT_EQ(ReplaceAllB("aaa", "aa", "b"), "ba");
    EXPECT_EQ(ReplaceAllB("é", "\xA9", "x"), "\xC3x");
    EXPECT_EQ(ReplaceAllB("abc", "", "x"), "abc");
}
