#pragma once

// Finds a text in a fixed table under the system's text equality, giving the
// same answer as comparing it with each entry in turn, without doing so: an
// ASCII text is folded once and compared by length and bytes. The reader
// looks up every element name of a file this way.

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

class TextIndex {
public:
    TextIndex(std::initializer_list<std::string_view> entries);

    // The position of the first entry that equals the text, or -1.
    std::int32_t Find(std::string_view text) const;

private:
    struct Entry {
        std::string text;
        // The entry with ASCII letters in lower case, when it is all ASCII.
        std::string lowered;
        bool ascii;
    };
    std::vector<Entry> entries_;
    std::size_t longestAscii_ = 0;
    bool allAscii_ = true;
};
