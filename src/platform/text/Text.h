#pragma once

// The text functions of the system. Texts are std::string holding UTF-8 bytes as
// read; nothing here converts them to another encoding. Functions that count
// characters count code points, and a byte that does not start or continue a
// well-formed UTF-8 sequence counts as one character of its own.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

// The one text equality of the system: letters compare without regard to
// their case (Unicode simple case folding), everything else exactly. Element
// and attribute names, cache codes, filters and lookup tables all use it.
bool TextEqual(std::string_view a, std::string_view b);

// A hash that agrees with TextEqual: texts that are equal hash alike.
std::size_t TextHash(std::string_view text);

struct TextEqualTo {
    using is_transparent = void;
    bool operator()(std::string_view a, std::string_view b) const { return TextEqual(a, b); }
};

struct TextHasher {
    using is_transparent = void;
    std::size_t operator()(std::string_view text) const { return TextHash(text); }
};

// Plain decimal digits of an unsigned number ("0" for zero).
std::string Str(std::uint64_t value);

// A whole number as plain decimal digits with no decimal point ("-3", "0");
// other numbers with up to 15 significant digits.
std::string Str(double value);

// The longest leading decimal number of the text (sign, digits, fraction,
// exponent), read without regard to the locale; 0 where the text does not
// begin with one.
double Val(std::string_view text);

// The largest whole number not greater than the value.
double Floor(double value);

// Number of characters (code points).
std::size_t Len(std::string_view text);

// The last count characters of the text; the empty text for a count of 0 or
// less, the whole text for a count at or beyond its length.
std::string Right(std::string_view text, std::int64_t count);

// The text without ASCII white space (space, tab, CR, LF, VT, FF) at both ends.
std::string Trim(std::string_view text);

// Every occurrence of find in source, scanning from left to right, replaced by
// replacement; the replacement is not searched again. ReplaceAll matches with
// the system's text equality, ReplaceAllB compares bytes.
std::string ReplaceAll(std::string_view source, std::string_view find,
                       std::string_view replacement);
std::string ReplaceAllB(std::string_view source, std::string_view find,
                        std::string_view replacement);

// The UTF-8 text of one code point, and the one-byte text of one byte.
std::string Chr(std::uint32_t codePoint);
std::string ChrB(std::uint8_t byte);
