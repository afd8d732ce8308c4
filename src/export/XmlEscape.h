#pragma once

// Escaping of the texts that the GPX export writes into XML.

#include <string>
#include <string_view>

// The text as XML character data: every "&" written as "&amp;", then every
// ">" as "&gt;", then every "<" as "&lt;". An entity that already stands in
// the text is escaped once more ("&amp;" becomes "&amp;amp;"), so that a
// reader gives back exactly the text that was written. Quotes stay as they are.
// A carriage return is written as "&#13;": an XML reader turns a bare one
// (and a CR LF pair) into a line feed, the reference it keeps.
std::string ReplaceSpecial(std::string_view text);

// The text as an attribute value between double quotes: ReplaceSpecial, then
// every double quote written as "&quot;", and every line feed and tab as
// "&#10;" and "&#9;", which a reader would otherwise turn into spaces.
std::string ReplaceSpecialAttribute(std::string_view text);

// The same escapes, appended to a line being built: one pass over the text,
// which gives what the replacements one after another give, since none of
// them makes a character that a later one replaces.
void AppendReplaceSpecial(std::string& line, std::string_view text);
void AppendReplaceSpecialAttribute(std::string& line, std::string_view text);
