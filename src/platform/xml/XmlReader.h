#pragma once

// An event-driven XML reader on expat. It resolves no namespaces: element and
// attribute names arrive as written in the file, prefix included. Parse runs
// synchronously and raises StartElement, EndElement and Characters in document
// order before it returns. Character data may arrive in several pieces whose
// concatenation is the text. The reader never loads a DTD or an external
// entity, and keeps expat's protection against entity amplification.
//
// A file that cannot be opened or read raises IOException; a document that is
// not well-formed raises XmlException with expat's reason, line and column.

#include "Event.h"

#include <cstdint>
#include <string_view>

class FolderItem;

// The attributes of one start tag, read by an index counted from 0.
class XmlAttributeList {
public:
    explicit XmlAttributeList(const char** attributes);

    std::int32_t Count() const { return count_; }
    std::string_view Key(std::int32_t index) const;
    std::string_view Value(std::int32_t index) const;

private:
    const char** attributes_;
    std::int32_t count_;
};

class XmlReader {
public:
    XmlReader();
    virtual ~XmlReader();
    XmlReader(const XmlReader&) = delete;
    XmlReader& operator=(const XmlReader&) = delete;

    // Parses the whole file, feeding it to expat in chunks.
    void Parse(const FolderItem& file);

    // Parses a whole document held in memory; sourceName names it in errors.
    void Parse(std::string_view document, std::string_view sourceName = "text");

    Event<std::string_view, const XmlAttributeList&> StartElement;
    Event<std::string_view> EndElement;
    Event<std::string_view> Characters;

private:
    // One run of expat over one document; defined in XmlReader.cpp.
    class Session;
};
