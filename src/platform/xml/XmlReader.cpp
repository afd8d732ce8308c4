#include "XmlReader.h"

#include "Exceptions.h"
#include "FolderItem.h"

#include <expat.h>

#include <algorithm>
#include <cerrno>
#include <cstddef>
#include <exception>
#include <fcntl.h>
#include <new>
#include <string>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>
#include <utility>

namespace {

// Bytes read from a file and handed to expat at a time: large enough that the
// cost per call vanishes, small enough that a file of hundreds of megabytes is
// never held whole.
constexpr int fileChunkSize = 256 * 1024;

// XML_Parse takes an int length, so a larger document in memory goes to expat
// in pieces of this size.
constexpr std::size_t maxMemoryPiece = std::size_t{1} << 30;

std::string SystemReason(int error) {
    return std::generic_category().message(error);
}

// A file descriptor that is closed when it goes out of scope. The file is only
// read, so a failing close loses nothing.
class FileDescriptor {
public:
    explicit FileDescriptor(int descriptor)
        : descriptor_(descriptor) {}
    ~FileDescriptor() {
        if (descriptor_ >= 0) {
            ::close(descriptor_);
        }
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;

    int Get() const { return descriptor_; }

private:
    int descriptor_;
};

// Reads up to size bytes; returns the count (0 at the end of the file) or -1
// with errno set.
ssize_t ReadSome(int descriptor, char* buffer, std::size_t size) {
    for (;;) {
        const ssize_t count = ::read(descriptor, buffer, size);
        if (count >= 0 || errno != EINTR) {
            return count;
        }
    }
}

// The code points of windows-1252 bytes 0x80 to 0x9F, where it departs from
// ISO-8859-1; -1 marks the five bytes it leaves undefined, which expat then
// rejects as invalid characters.
constexpr int windows1252From0x80[32] = {
    0x20AC, -1,     0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, -1,     0x017D, -1,     -1,     0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, -1,     0x017E, 0x0178,
};

// Encoding names are ASCII and compare without regard to case.
bool EncodingNameIs(const XML_Char* name, std::string_view expected) {
    std::size_t index = 0;
    for (; name[index] != '\0'; ++index) {
        if (index == expected.size()) {
            return false;
        }
        char c = name[index];
        if (c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c - 'A' + 'a');
        }
        if (c != expected[index]) {
            return false;
        }
    }
    return index == expected.size();
}

// Expat decodes UTF-8, UTF-16, ISO-8859-1 and US-ASCII itself and asks here
// for any other declared encoding. Files written on Windows often declare
// windows-1252; it is a single-byte encoding, so a byte-to-code-point table is
// all expat needs to deliver its texts as UTF-8. Refusing any other name makes
// expat report "unknown encoding".
int XMLCALL HandleUnknownEncoding(void*, const XML_Char* name, XML_Encoding* info) {
    if (!EncodingNameIs(name, "windows-1252") && !EncodingNameIs(name, "cp1252")) {
        return XML_STATUS_ERROR;
    }
    for (int byte = 0; byte < 256; ++byte) {
        info->map[byte] = byte;
    }
    for (int byte = 0x80; byte < 0xA0; ++byte) {
        info->map[byte] = windows1252From0x80[byte - 0x80];
    }
    info->data = nullptr;
    info->convert = nullptr;
    info->release = nullptr;
    return XML_STATUS_OK;
}

void CheckAttributeIndex(std::int32_t index, std::int32_t count) {
    if (index < 0 || index >= count) {
        throw OutOfBoundsException("Attribute index " + std::to_string(index) +
                                   " is out of range; the start tag has " + std::to_string(count) +
                                   " attributes.");
    }
}

} // namespace

XmlAttributeList::XmlAttributeList(const char** attributes)
    : attributes_(attributes)
    , count_(0) {
    // Expat passes name and value alternately and ends the array with null.
    if (attributes_ != nullptr) {
        while (attributes_[2 * count_] != nullptr) {
            ++count_;
        }
    }
}

std::string_view XmlAttributeList::Key(std::int32_t index) const {
    CheckAttributeIndex(index, count_);
    return attributes_[2 * index];
}

std::string_view XmlAttributeList::Value(std::int32_t index) const {
    CheckAttributeIndex(index, count_);
    return attributes_[2 * index + 1];
}

// Owns the expat parser of one document and forwards its callbacks to the
// reader's events. Expat is C and cannot be unwound through, so an exception
// from a handler is caught in the callback, the parser is stopped, and the
// exception is thrown again once expat has returned. Expat may still make a
// callback or two after being stopped (the end of an empty-element tag, for
// one); those raise nothing.
class XmlReader::Session {
public:
    Session(XmlReader& reader, std::string sourceName)
        : reader_(reader)
        , sourceName_(std::move(sourceName))
        , parser_(XML_ParserCreate(nullptr)) {
        if (parser_ == nullptr) {
            throw std::bad_alloc();
        }
        XML_SetUserData(parser_, this);
        XML_SetElementHandler(parser_, OnStartElement, OnEndElement);
        XML_SetCharacterDataHandler(parser_, OnCharacters);
        XML_SetUnknownEncodingHandler(parser_, HandleUnknownEncoding, nullptr);
        // Nothing outside the document is ever read: no external entity
        // handler is installed, so external entities are skipped, and
        // parameter entities (the external DTD subset included) are not
        // parsed. Expat's limit on entity amplification stays at its default.
        XML_SetParamEntityParsing(parser_, XML_PARAM_ENTITY_PARSING_NEVER);
        // Deferring the reparse of an unfinished token keeps a long text or
        // attribute value split over many chunks linear to parse.
        XML_SetReparseDeferralEnabled(parser_, XML_TRUE);
    }
    ~Session() { XML_ParserFree(parser_); }
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    // Parses the next length bytes at data; final marks the last of them.
    void Feed(const char* data, int length, bool final) {
        Check(XML_Parse(parser_, data, length, final ? XML_TRUE : XML_FALSE));
    }

    // Expat's own buffer for the next length bytes, to be filled and then
    // passed to FeedBuffer; this spares copying each chunk.
    char* Buffer(int length) {
        void* buffer = XML_GetBuffer(parser_, length);
        if (buffer == nullptr) {
            ThrowParseError();
        }
        return static_cast<char*>(buffer);
    }

    void FeedBuffer(int length, bool final) {
        Check(XML_ParseBuffer(parser_, length, final ? XML_TRUE : XML_FALSE));
    }

private:
    void Check(XML_Status status) {
        if (handlerException_) {
            std::rethrow_exception(handlerException_);
        }
        if (status == XML_STATUS_ERROR) {
            ThrowParseError();
        }
    }

    [[noreturn]] void ThrowParseError() {
        const XML_Error code = XML_GetErrorCode(parser_);
        const XML_LChar* text = XML_ErrorString(code);
        std::string reason = text != nullptr ? text : "error " + std::to_string(code);
        // Expat counts columns from 0; people count them from 1.
        reason += " at line " + std::to_string(XML_GetCurrentLineNumber(parser_)) + ", column " +
                  std::to_string(XML_GetCurrentColumnNumber(parser_) + 1);
        throw XmlException(sourceName_, reason);
    }

    void Stop() {
        handlerException_ = std::current_exception();
        XML_StopParser(parser_, XML_FALSE);
    }

    static void XMLCALL OnStartElement(void* data, const XML_Char* name,
                                       const XML_Char** attributes) {
        Session& session = *static_cast<Session*>(data);
        if (session.handlerException_ || !session.reader_.StartElement.IsAttached()) {
            return;
        }
        try {
            const XmlAttributeList attributeList(attributes);
            session.reader_.StartElement.Raise(name, attributeList);
        } catch (...) {
            session.Stop();
        }
    }

    static void XMLCALL OnEndElement(void* data, const XML_Char* name) {
        Session& session = *static_cast<Session*>(data);
        if (session.handlerException_ || !session.reader_.EndElement.IsAttached()) {
            return;
        }
        try {
            session.reader_.EndElement.Raise(name);
        } catch (...) {
            session.Stop();
        }
    }

    static void XMLCALL OnCharacters(void* data, const XML_Char* text, int length) {
        Session& session = *static_cast<Session*>(data);
        if (session.handlerException_ || !session.reader_.Characters.IsAttached()) {
            return;
        }
        try {
            session.reader_.Characters.Raise(
                std::string_view(text, static_cast<std::size_t>(length)));
        } catch (...) {
            session.Stop();
        }
    }

    XmlReader& reader_;
    std::string sourceName_;
    XML_Parser parser_;
    std::exception_ptr handlerException_;
};

XmlReader::XmlReader() = default;
XmlReader::~XmlReader() = default;

void XmlReader::Parse(const FolderItem& file) {
    const std::string path = file.NativePath();
    const FileDescriptor descriptor(::open(file.Path().c_str(), O_RDONLY | O_CLOEXEC));
    if (descriptor.Get() < 0) {
        const int error = errno;
        throw IOException(path, SystemReason(error));
    }
    struct stat status {};
    if (::fstat(descriptor.Get(), &status) != 0) {
        const int error = errno;
        throw IOException(path, SystemReason(error));
    }
    // Linux opens a directory for reading without complaint; say plainly what
    // is wrong rather than leave it to the first read.
    if (S_ISDIR(status.st_mode)) {
        throw IOException(path, SystemReason(EISDIR));
    }
    ::posix_fadvise(descriptor.Get(), 0, 0, POSIX_FADV_SEQUENTIAL);

    Session session(*this, path);
    for (;;) {
        char* buffer = session.Buffer(fileChunkSize);
        const ssize_t count = ReadSome(descriptor.Get(), buffer, fileChunkSize);
        if (count < 0) {
            const int error = errno;
            throw IOException(path, SystemReason(error));
        }
        session.FeedBuffer(static_cast<int>(count), count == 0);
        if (count == 0) {
            return;
        }
    }
}

void XmlReader::Parse(std::string_view document, std::string_view sourceName) {
    Session session(*this, std::string(sourceName));
    // An empty document still takes one (final) call, for expat to report it.
    do {
        const std::size_t length = std::min(document.size(), maxMemoryPiece);
        session.Feed(document.data(), static_cast<int>(length), length == document.size());
        document.remove_prefix(length);
    } while (!document.empty());
}
