#include "Text.h"

#include <QChar>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <system_error>
#include <vector>

namespace {

// A byte that does not belong to a well-formed UTF-8 sequence stands for
// itself. It is given a value above the last code point, so that it equals only
// the same byte and is never case folded.
constexpr char32_t kInvalidByteBase = 0x110000;

constexpr char32_t kReplacementCharacter = 0xFFFD;

const unsigned char* Bytes(std::string_view text) {
    return reinterpret_cast<const unsigned char*>(text.data());
}

constexpr unsigned AsciiLower(unsigned c) {
    return c - 'A' < 26u ? c + ('a' - 'A') : c;
}

constexpr bool IsDigit(char c) {
    return static_cast<unsigned>(static_cast<unsigned char>(c)) - '0' < 10u;
}

// Decodes the character starting at p, of which avail > 0 bytes are left, and
// stores the number of bytes it takes in length. Only the shortest forms of
// code points up to U+10FFFF without surrogates are well-formed; any other
// lead byte, and a lead byte without the continuation bytes it needs, is a
// character of one byte.
inline char32_t Decode(const unsigned char* p, std::size_t avail, std::size_t& length) {
    const unsigned lead = p[0];
    length = 1;
    if (lead < 0x80) {
        return lead;
    }
    std::size_t needed;
    unsigned low = 0x80;
    unsigned high = 0xBF;
    char32_t value;
    if (lead < 0xC2) {
        return kInvalidByteBase + lead;
    } else if (lead < 0xE0) {
        needed = 1;
        value = lead & 0x1F;
    } else if (lead < 0xF0) {
        needed = 2;
        value = lead & 0x0F;
        if (lead == 0xE0) {
            low = 0xA0; // overlong below U+0800
        } else if (lead == 0xED) {
            high = 0x9F; // surrogates
        }
    } else if (lead < 0xF5) {
        needed = 3;
        value = lead & 0x07;
        if (lead == 0xF0) {
            low = 0x90; // overlong below U+10000
        } else if (lead == 0xF4) {
            high = 0x8F; // beyond U+10FFFF
        }
    } else {
        return kInvalidByteBase + lead;
    }
    if (avail <= needed) {
        return kInvalidByteBase + lead;
    }
    // Only the second byte has a narrowed range.
    if (p[1] < low || p[1] > high) {
        return kInvalidByteBase + lead;
    }
    value = (value << 6) | (p[1] & 0x3F);
    for (std::size_t k = 2; k <= needed; ++k) {
        if ((p[k] & 0xC0) != 0x80) {
            return kInvalidByteBase + lead;
        }
        value = (value << 6) | (p[k] & 0x3F);
    }
    length = needed + 1;
    return value;
}

inline std::size_t CharLength(const unsigned char* p, std::size_t avail) {
    if (p[0] < 0x80) {
        return 1;
    }
    std::size_t length;
    Decode(p, avail, length);
    return length;
}

// Simple case folding; invalid bytes stay as they are.
inline char32_t Fold(char32_t c) {
    if (c < 0x80) {
        return AsciiLower(c);
    }
    if (c >= kInvalidByteBase) {
        return c;
    }
    return QChar::toCaseFolded(c);
}

// Reads one character and folds it, advancing pos past it.
inline char32_t NextFolded(const unsigned char* p, std::size_t size, std::size_t& pos) {
    if (p[pos] < 0x80) {
        return AsciiLower(p[pos++]);
    }
    std::size_t length;
    const char32_t c = Decode(p + pos, size - pos, length);
    pos += length;
    return Fold(c);
}

bool FoldedEqual(const unsigned char* a, std::size_t sizeA, const unsigned char* b,
                 std::size_t sizeB) {
    std::size_t i = 0;
    std::size_t j = 0;
    while (i < sizeA && j < sizeB) {
        if (NextFolded(a, sizeA, i) != NextFolded(b, sizeB, j)) {
            return false;
        }
    }
    // Every character folds to exactly one, so a leftover means a difference.
    return i == sizeA && j == sizeB;
}

// FNV-1a over folded code points.
constexpr std::uint64_t kHashOffset = 14695981039346656037ull;
constexpr std::uint64_t kHashPrime = 1099511628211ull;

inline std::uint64_t HashStep(std::uint64_t hash, char32_t foldedCodePoint) {
    return (hash ^ foldedCodePoint) * kHashPrime;
}

// Whether a number too large or too small for a double is too large: its first
// significant digit sits at or above the units place. digits is the text of the
// number without its sign.
bool Overflows(std::string_view digits) {
    std::size_t i = 0;
    std::int64_t magnitude = 0; // decimal exponent of the first significant digit
    std::int64_t integerDigits = 0;
    while (i < digits.size() && IsDigit(digits[i])) {
        if (integerDigits > 0 || digits[i] != '0') {
            ++integerDigits;
        }
        ++i;
    }
    if (integerDigits > 0) {
        magnitude = integerDigits - 1;
    } else {
        magnitude = -1;
        if (i < digits.size() && digits[i] == '.') {
            ++i;
            while (i < digits.size() && digits[i] == '0') {
                --magnitude;
                ++i;
            }
        }
    }
    while (i < digits.size() && digits[i] != 'e' && digits[i] != 'E') {
        ++i;
    }
    if (i < digits.size()) {
        ++i;
        bool negative = false;
        if (i < digits.size() && (digits[i] == '+' || digits[i] == '-')) {
            negative = digits[i] == '-';
            ++i;
        }
        // The exponent is capped; beyond the cap the answer is the same.
        std::int64_t exponent = 0;
        for (; i < digits.size() && IsDigit(digits[i]); ++i) {
            exponent = std::min<std::int64_t>(exponent * 10 + (digits[i] - '0'), 1'000'000'000);
        }
        magnitude += negative ? -exponent : exponent;
    }
    return magnitude >= 0;
}

bool IsAsciiWithoutLetters(std::string_view text) {
    for (const char ch : text) {
        const auto c = static_cast<unsigned char>(ch);
        if (c >= 0x80 || AsciiLower(c) - 'a' < 26u) {
            return false;
        }
    }
    return true;
}

// Whether the folded pattern matches the source at pos; end gets the position
// after the match.
bool MatchAt(const unsigned char* source, std::size_t size, std::size_t pos,
             const std::vector<char32_t>& pattern, std::size_t& end) {
    for (const char32_t expected : pattern) {
        if (pos >= size || NextFolded(source, size, pos) != expected) {
            return false;
        }
    }
    end = pos;
    return true;
}

} // namespace

bool TextEqual(std::string_view a, std::string_view b) {
    const unsigned char* pa = Bytes(a);
    const unsigned char* pb = Bytes(b);
    const std::size_t common = std::min(a.size(), b.size());
    std::size_t i = 0;
    for (; i < common; ++i) {
        const unsigned ca = pa[i];
        const unsigned cb = pb[i];
        if (ca == cb) {
            if (ca < 0x80) {
                continue;
            }
            break;
        }
        if ((ca | cb) >= 0x80) {
            break;
        }
        // Two different ASCII bytes are equal only as the two cases of a letter.
        if ((ca ^ cb) != 0x20 || (ca | 0x20) - 'a' >= 26u) {
            return false;
        }
    }
    if (i == common) {
        // All ASCII so far: a longer text has characters the other lacks.
        return a.size() == b.size();
    }
    return FoldedEqual(pa + i, a.size() - i, pb + i, b.size() - i);
}

std::size_t TextHash(std::string_view text) {
    const unsigned char* p = Bytes(text);
    const std::size_t size = text.size();
    std::uint64_t hash = kHashOffset;
    std::size_t i = 0;
    for (; i < size && p[i] < 0x80; ++i) {
        hash = HashStep(hash, AsciiLower(p[i]));
    }
    while (i < size) {
        hash = HashStep(hash, NextFolded(p, size, i));
    }
    // FNV leaves the high bits of the input out of the low bits of the hash.
    return static_cast<std::size_t>(hash ^ (hash >> 32));
}

std::string Str(std::uint64_t value) {
    char buffer[24];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}

std::string Str(double value) {
    if (std::isnan(value)) {
        return "nan";
    }
    if (std::isinf(value)) {
        return value < 0 ? "-inf" : "inf";
    }
    if (value == 0) {
        return "0"; // also for negative zero
    }
    // The largest double has 309 integer digits.
    char buffer[400];
    std::to_chars_result result;
    if (value == std::trunc(value)) {
        result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed);
    } else {
        result =
            std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 15);
    }
    return std::string(buffer, result.ptr);
}

double Val(std::string_view text) {
    const std::size_t size = text.size();
    std::size_t i = 0;
    bool negative = false;
    if (i < size && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    const std::size_t start = i;
    std::size_t digits = 0;
    for (; i < size && IsDigit(text[i]); ++i) {
        ++digits;
    }
    if (i < size && text[i] == '.') {
        std::size_t j = i + 1;
        for (; j < size && IsDigit(text[j]); ++j) {
            ++digits;
        }
        if (digits > 0) {
            i = j;
        }
    }
    if (digits == 0) {
        return 0;
    }
    if (i < size && (text[i] == 'e' || text[i] == 'E')) {
        std::size_t j = i + 1;
        if (j < size && (text[j] == '+' || text[j] == '-')) {
            ++j;
        }
        if (j < size && IsDigit(text[j])) {
            while (j < size && IsDigit(text[j])) {
                ++j;
            }
            i = j;
        }
    }
    // from_chars takes no leading '+', so the sign was read above.
    const std::string_view number = text.substr(start, i - start);
    double value = 0;
    const auto result = std::from_chars(number.data(), number.data() + number.size(), value);
    if (result.ec == std::errc::result_out_of_range) {
        value = Overflows(number) ? std::numeric_limits<double>::infinity() : 0.0;
    } else if (result.ec != std::errc()) {
        value = 0;
    }
    return negative ? -value : value;
}

double Floor(double value) {
    return std::floor(value);
}

std::size_t Len(std::string_view text) {
    const unsigned char* p = Bytes(text);
    const std::size_t size = text.size();
    std::size_t count = 0;
    for (std::size_t i = 0; i < size; ++count) {
        i += CharLength(p + i, size - i);
    }
    return count;
}

std::string Right(std::string_view text, std::int64_t count) {
    if (count <= 0) {
        return {};
    }
    const std::size_t length = Len(text);
    if (static_cast<std::uint64_t>(count) >= length) {
        return std::string(text);
    }
    const unsigned char* p = Bytes(text);
    std::size_t i = 0;
    for (std::size_t skip = length - static_cast<std::size_t>(count); skip > 0; --skip) {
        i += CharLength(p + i, text.size() - i);
    }
    return std::string(text.substr(i));
}

std::string Trim(std::string_view text) {
    constexpr std::string_view kWhiteSpace = " \t\r\n\v\f";
    const std::size_t first = text.find_first_not_of(kWhiteSpace);
    if (first == std::string_view::npos) {
        return {};
    }
    const std::size_t last = text.find_last_not_of(kWhiteSpace);
    return std::string(text.substr(first, last - first + 1));
}

std::string ReplaceAll(std::string_view source, std::string_view find,
                       std::string_view replacement) {
    // ASCII bytes other than letters equal only themselves, and never occur
    // inside a multi-byte character, so bytes can be compared directly.
    if (IsAsciiWithoutLetters(find)) {
        return ReplaceAllB(source, find, replacement);
    }
    std::vector<char32_t> pattern;
    const unsigned char* f = Bytes(find);
    for (std::size_t i = 0; i < find.size();) {
        pattern.push_back(NextFolded(f, find.size(), i));
    }
    const unsigned char* p = Bytes(source);
    const std::size_t size = source.size();
    std::string result;
    std::size_t copied = 0; // source up to here is in result
    std::size_t i = 0;
    while (i < size) {
        std::size_t end;
        if (MatchAt(p, size, i, pattern, end)) {
            result.append(source.substr(copied, i - copied));
            result.append(replacement);
            i = copied = end;
        } else {
            i += CharLength(p + i, size - i);
        }
    }
    result.append(source.substr(copied));
    return result;
}

std::string ReplaceAllB(std::string_view source, std::string_view find,
                        std::string_view replacement) {
    if (find.empty()) {
        return std::string(source);
    }
    std::size_t hit = source.find(find);
    if (hit == std::string_view::npos) {
        return std::string(source);
    }
    // Counting first lets the result be allocated once.
    std::size_t hits = 0;
    for (std::size_t pos = hit; pos != std::string_view::npos;
         pos = source.find(find, pos + find.size())) {
        ++hits;
    }
    std::string result;
    result.reserve(source.size() - hits * find.size() + hits * replacement.size());
    std::size_t copied = 0;
    while (hit != std::string_view::npos) {
        result.append(source.substr(copied, hit - copied));
        result.append(replacement);
        copied = hit + find.size();
        hit = source.find(find, copied);
    }
    result.append(source.substr(copied));
    return result;
}

std::string Chr(std::uint32_t codePoint) {
    // Surrogates and numbers beyond U+10FFFF are no characters; they become
    // the replacement character.
    if ((codePoint >= 0xD800 && codePoint <= 0xDFFF) || codePoint > 0x10FFFF) {
        codePoint = kReplacementCharacter;
    }
    std::string result;
    if (codePoint < 0x80) {
        result += static_cast<char>(codePoint);
    } else if (codePoint < 0x800) {
        result += static_cast<char>(0xC0 | (codePoint >> 6));
        result += static_cast<char>(0x80 | (codePoint & 0x3F));
    } else if (codePoint < 0x10000) {
        result += static_cast<char>(0xE0 | (codePoint >> 12));
        result += static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F));
        result += static_cast<char>(0x80 | (codePoint & 0x3F));
    } else {
        result += static_cast<char>(0xF0 | (codePoint >> 18));
        result += static_cast<char>(0x80 | ((codePoint >> 12) & 0x3F));
        result += static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F));
        result += static_cast<char>(0x80 | (codePoint & 0x3F));
    }
    return result;
}

std::string ChrB(std::uint8_t byte) {
    return std::string(1, static_cast<char>(byte));
}
