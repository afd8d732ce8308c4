#include "TextIndex.h"

#include "Text.h"

#include <algorithm>
#include <cstring>

namespace {

bool IsAscii(std::string_view text) {
    return std::all_of(text.begin(), text.end(),
                       [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

char AsciiLower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c + ('a' - 'A')) : c;
}

} // namespace

TextIndex::TextIndex(std::initializer_list<std::string_view> entries) {
    for (std::string_view entry : entries) {
        Entry added{std::string(entry), std::string(entry), IsAscii(entry)};
        std::transform(added.lowered.begin(), added.lowered.end(), added.lowered.begin(),
                       AsciiLower);
        if (added.ascii) {
            longestAscii_ = std::max(longestAscii_, entry.size());
        } else {
            allAscii_ = false;
        }
        entries_.push_back(std::move(added));
    }
}

std::int32_t TextIndex::Find(std::string_view text) const {
    // Only ASCII letters fold to ASCII letters from an ASCII text, so an ASCII
    // text equals an ASCII entry exactly when their lowered forms are equal.
    char lowered[64];
    const bool fast = text.size() <= sizeof lowered && IsAscii(text);
    if (fast) {
        if (allAscii_ && text.size() > longestAscii_) {
            return -1;
        }
        std::transform(text.begin(), text.end(), lowered, AsciiLower);
    }
    for (std::size_t i = 0; i < entries_.size(); ++i) {
        const Entry& entry = entries_[i];
        const bool equal = fast && entry.ascii
                               ? entry.lowered.size() == text.size() &&
                                     std::memcmp(entry.lowered.data(), lowered, text.size()) == 0
                               : TextEqual(text, entry.text);
        if (equal) {
            return static_cast<std::int32_t>(i);
        }
    }
    return -1;
}
