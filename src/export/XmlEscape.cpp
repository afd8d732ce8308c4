#include "XmlEscape.h"

namespace {

template <bool Quotes> void AppendEscaped(std::string& line, std::string_view text) {
    std::size_t start = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        std::string_view entity;
        switch (text[i]) {
        case '&':
            entity = "&amp;";
            break;
        case '>':
            entity = "&gt;";
            break;
        case '<':
            entity = "&lt;";
            break;
        case '"':
            if (!Quotes) {
                continue;
            }
            entity = "&quot;";
            break;
        case '\r':
            // A reader turns a carriage return into a line feed, in text and
            // in attributes alike; the reference keeps it.
            entity = "&#13;";
            break;
        case '\n':
            // A reader turns a line feed or a tab in an attribute value into
            // a space.
            if (!Quotes) {
                continue;
            }
            entity = "&#10;";
            break;
        case '\t':
            if (!Quotes) {
                continue;
            }
            entity = "&#9;";
            break;
        default:
            continue;
        }
        line.append(text.substr(start, i - start));
        line.append(entity);
        start = i + 1;
    }
    line.append(text.substr(start));
}

} // namespace

void AppendReplaceSpecial(std::string& line, std::string_view text) {
    AppendEscaped<false>(line, text);
}

void AppendReplaceSpecialAttribute(std::string& line, std::string_view text) {
    AppendEscaped<true>(line, text);
}

std::string ReplaceSpecial(std::string_view text) {
    std::string escaped;
    AppendReplaceSpecial(escaped, text);
    return escaped;
}

std::string ReplaceSpecialAttribute(std::string_view text) {
    std::string escaped;
    AppendReplaceSpecialAttribute(escaped, text);
    return escaped;
}
