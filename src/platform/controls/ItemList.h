#pragma once

// The items of a design-time text such as a popup's entries or a list's
// headings: the pieces between separator characters. A separator at the very
// end closes the last item and starts none.

#include <string_view>
#include <vector>

inline std::vector<std::string_view> SplitItems(std::string_view text,
                                                std::string_view separators) {
    std::vector<std::string_view> items;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find_first_of(separators, start);
        items.push_back(text.substr(start, end - start));
        if (end == std::string_view::npos) {
            break;
        }
        start = end + 1;
    }
    return items;
}
