#include "XmlReader.h"

#include "Exceptions.h"
#include "FolderItem.h"
#include "TestFolder.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <string>
#include <unistd.h>
#include <utility>
#include <vector>

namespace fs = std::filesystem;

namespace {

// Records a reader's events as lines such as "<a k=v>", "</a>" and "text";
// consecutive character data pieces are joined into one line.
struct Trace {
    std::vector<std::string> lines;
    bool inText = false;

    explicit Trace(XmlReader& reader) {
        reader.StartElement.Attach([this](std::string_view name, const XmlAttributeList& list) {
            std::string line = "<" + std::string(name);
            for (std::int32_t i = 0; i < list.Count(); ++i) {
                line.append(" ").append(list.Key(i)).append("=").append(list.Value(i));
            }
            Add(line + ">");
        });
        reader.EndElement.Attach(
            [this](std::string_view name) { Add("</" + std::string(name) + ">"); });
        reader.Characters.Attach([this](std::string_view text) {
            if (!inText) {
                lines.emplace_back();
            }
            lines.back().append(text);
            inText = true;
        });
    }
    void Add(std::string line) {
        lines.push_back(std::move(line));
        inText = false;
    }
};

// Thrown by a test handler; deliberately not a std::exception.
struct HandlerStop {
    int code;
};

// The message (file and reason) of the E that parse throws.
template <typename E, typename F> std::string MessageOf(F parse) {
    try {
        parse();
    } catch (const E& e) {
        return e.what();
    }
    return "no exception";
}

std::vector<std::string> Lines(std::initializer_list<const char*> lines) {
    return {lines.begin(), lines.end()};
}

std::string Repeat(std::string_view piece, std::size_t count) {
    std::string result;
    for (std::size_t i = 0; i < count; ++i) {
        result.append(piece);
    }
    return result;
}

class XmlReaderTest : public testing::Test {
protected:
    FolderItem Write(const std::string& name, std::string_view bytes) {
        return FolderItem(directory_.Write(name, bytes));
    }

    // Parses the document from memory, or from a file of the same name.
    void Parse(XmlReader& reader, const std::string& document, bool fromFile) {
        fromFile ? reader.Parse(Write("doc.xml", document))
                 : reader.Parse(document, Name(fromFile));
    }
    std::string Name(bool fromFile) const {
        return fromFile ? (directory_ / "doc.xml").string() : "doc.xml";
    }

    const TestFolder directory_;
};

} // namespace

TEST_F(XmlReaderTest, RaisesEventsInDocumentOrderWithNamesAsWritten) {
    XmlReader reader;
    Trace trace(reader);
    int checkedIndexes = 0;
    reader.StartElement.Attach([&](std::string_view name, const XmlAttributeList& list) {
        if (name == "wpt") {
            EXPECT_THROW(list.Key(2), OutOfBoundsException);
            EXPECT_THROW(list.Value(-1), OutOfBoundsException);
            ++checkedIndexes;
        }
    });
    reader.Parse("<?xml version=\"1.0\"?>\n"
                 "<gpx xmlns:groundspeak=\"urn:x\"><wpt lat='52.1' lon=\"&amp;&#x41;\">"
                 "<groundspeak:cache id=\"7\"><groundspeak:name>N</groundspeak:name>"
                 "<!-- note --><?pi data?><empty/></groundspeak:cache></wpt></gpx>");
    EXPECT_EQ(trace.lines,
              Lines({"<gpx xmlns:groundspeak=urn:x>", "<wpt lat=52.1 lon=&A>",
                     "<groundspeak:cache id=7>", "<groundspeak:name>", "N", "</groundspeak:name>",
                     "<empty>", "</empty>", "</groundspeak:cache>", "</wpt>", "</gpx>"}));
    EXPECT_EQ(checkedIndexes, 1);
}

TEST_F(XmlReaderTest, CharacterDataHasReferencesReplacedAndLineEndsNormalised) {
    XmlReader reader;
    Trace trace(reader);
    reader.Parse("<!DOCTYPE r [<!ENTITY e 'internal'>]>"
                 "<r>a &lt;&amp;&gt;&quot;&apos; &#233;&#x20AC;\r\nb\rc &e; "
                 "<![CDATA[<x>&amp;]]><!-- c --></r>");
    EXPECT_EQ(trace.lines, Lines({"<r>", "a <&>\"' é€\nb\nc internal <x>&amp;", "</r>"}));
}

TEST_F(XmlReaderTest, LargeFileArrivesIntactAcrossChunkBoundaries) {
    // The 9-byte pattern of 2-, 4- and 3-byte characters puts the boundaries of
    // any power-of-two chunk size inside every kind of multi-byte character.
    const std::string text = Repeat("é𝄞€", 400000);
    XmlReader reader;
    std::string received;
    int records = 0;
    reader.Characters.Attach([&](std::string_view piece) { received.append(piece); });
    reader.StartElement.Attach([&](std::string_view name, const XmlAttributeList& list) {
        records += name == "w" && list.Value(0) == "é𝄞€";
    });
    Parse(reader, "<r><t>" + text + "</t>" + Repeat("<w n=\"é𝄞€\">x€</w>", 100000) + "</r>", true);
    EXPECT_EQ(records, 100000);
    EXPECT_TRUE(received == text + Repeat("x€", 100000)) << "received text differs";
}

TEST_F(XmlReaderTest, MalformedDocumentThrowsWithPositionAndRaisesNothingAfter) {
    // Expat places a mismatched tag at its name and a bare "&" after it.
    struct Case {
        std::string document, reason, lastEvent;
    };
    const Case cases[] = {
        {"<r>\n  <a></r><c/>", "mismatched tag at line 2, column 8", "<a>"},
        {"<r><a/>x & y<c/></r>", "not well-formed (invalid token) at line 1, column 11", "x "},
        {"<r>&nbsp;<c/></r>", "undefined entity at line 1, column 4", "<r>"},
        {"<r><a>text", "no element found at line 1, column 11", "text"},
        {"", "no element found at line 1, column 1", "none"},
        {"<r>" + Repeat("<a>line</a>\n", 50000) + "<b></r><c/>",
         "mismatched tag at line 50001, column 6", "<b>"},
    };
    for (bool fromFile : {false, true}) {
        for (const Case& c : cases) {
            XmlReader reader;
            Trace trace(reader);
            EXPECT_EQ(MessageOf<XmlException>([&] { Parse(reader, c.document, fromFile); }),
                      Name(fromFile) + ": " + c.reason);
            EXPECT_EQ(trace.lines.empty() ? "none" : trace.lines.back(), c.lastEvent);
        }
    }
}

TEST_F(XmlReaderTest, UnreadableFileThrowsIOExceptionWithReason) {
    XmlReader reader;
    const FolderItem missing(directory_ / "missing.xml");
    EXPECT_EQ(MessageOf<IOException>([&] { reader.Parse(missing); }),
              missing.NativePath() + ": No such file or directory");
    EXPECT_EQ(MessageOf<IOException>([&] { reader.Parse(FolderItem(directory_.Path())); }),
              directory_.Path().string() + ": Is a directory");
    if (::geteuid() == 0) {
        GTEST_SKIP() << "root reads files regardless of permissions";
    }
    const FolderItem locked = Write("locked.xml", "<r/>");
    fs::permissions(locked.Path(), fs::perms::none);
    EXPECT_EQ(MessageOf<IOException>([&] { reader.Parse(locked); }),
              locked.NativePath() + ": Permission denied");
}

TEST_F(XmlReaderTest, NeverDeliversExternalEntities) {
    const std::string marker = "MARKER-FROM-OUTSIDE";
    const std::string url = "file://" + (directory_ / "outside").string();
    Write("outside.txt", marker);
    Write("outside.dtd", "<!ENTITY m '" + marker + "'>");
    const std::string documents[] = {
        "<!DOCTYPE r [<!ENTITY x SYSTEM '" + url + ".txt'>]><r>&x;</r>",
        "<!DOCTYPE r [<!ENTITY x SYSTEM 'outside.txt'>]><r>&x;</r>",
        "<!DOCTYPE r SYSTEM '" + url + ".dtd'><r>&m;</r>",
        "<!DOCTYPE r [<!ENTITY % p SYSTEM '" + url + ".dtd'> %p;]><r>&m;</r>",
        "<!DOCTYPE r [<!ENTITY x SYSTEM '" + url + ".txt'>]><r a='&x;'/>",
    };
    for (const std::string& document : documents) {
        XmlReader reader;
        Trace trace(reader);
        try {
            Parse(reader, document, true);
        } catch (const XmlException&) {
            // Refusing the document is as good as skipping the entity.
        }
        for (const std::string& line : trace.lines) {
            EXPECT_EQ(line.find(marker), std::string::npos) << document;
        }
    }
}

TEST_F(XmlReaderTest, EntityAmplificationIsRefusedQuickly) {
    std::string dtd = "<!ENTITY l0 'lollollollollollollollollollol'>";
    for (int level = 1; level <= 10; ++level) {
        dtd += "<!ENTITY l" + std::to_string(level) + " '" +
               Repeat("&l" + std::to_string(level - 1) + ";", 10) + "'>";
    }
    XmlReader reader;
    std::size_t received = 0;
    reader.Characters.Attach([&](std::string_view text) { received += text.size(); });
    const auto start = std::chrono::steady_clock::now();
    EXPECT_NE(MessageOf<XmlException>([&] {
                  reader.Parse("<!DOCTYPE r [" + dtd + "]><r>&l10;</r>");
              }).find("amplification"),
              std::string::npos);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
    EXPECT_LT(received, 100u * 1000 * 1000);
}

TEST_F(XmlReaderTest, HandlerExceptionStopsParseAndReachesCaller) {
    // The throw comes at the start of an empty-element tag, after which expat
    // still reports the element's end; it must not be raised, nor anything else.
    const std::string document = "<r>" + Repeat("<a>x</a>", 40000) + "<b/><c/>text</r>";
    for (bool fromFile : {false, true}) {
        XmlReader reader;
        Trace trace(reader);
        reader.StartElement.Attach([](std::string_view name, const XmlAttributeList&) {
            if (name == "b") {
                throw HandlerStop{42};
            }
        });
        try {
            Parse(reader, document, fromFile);
            ADD_FAILURE() << "no exception";
        } catch (const HandlerStop& stop) {
            EXPECT_EQ(stop.code, 42);
        }
        EXPECT_EQ(trace.lines.back(), "<b>") << "from file: " << fromFile;
    }
}

TEST_F(XmlReaderTest, DecodesWindows1252AndUtf16ToUtf8) {
    auto parse = [](std::string_view document) {
        XmlReader reader;
        Trace trace(reader);
        reader.Parse(document);
        return trace.lines;
    };
    EXPECT_EQ(parse("<?xml version='1.0' encoding='windows-1252'?><r a='\x80'>\xE9\x80\x9F</r>"),
              Lines({"<r a=€>", "é€Ÿ", "</r>"}));
    EXPECT_EQ(parse("<?xml version='1.0' encoding='CP1252'?><r>\x8A\x99</r>"),
              Lines({"<r>", "Š™", "</r>"}));
    EXPECT_THROW(parse("<?xml version='1.0' encoding='windows-1252'?><r>\x81</r>"), XmlException);
    EXPECT_THROW(parse("<?xml version='1.0' encoding='x-unknown'?><r/>"), XmlException);

    const std::u16string utf16 = u"<?xml version='1.0' encoding='UTF-16'?><r a='é'>€𝄞</r>";
    for (bool bigEndian : {false, true}) {
        std::string bytes = bigEndian ? "\xFE\xFF" : "\xFF\xFE";
        for (char16_t unit : utf16) {
            const char high = char(unit >> 8), low = char(unit & 0xFF);
            bytes += bigEndian ? std::string{high, low} : std::string{low, high};
        }
        EXPECT_EQ(parse(bytes), Lines({"<r a=é>", "€𝄞", "</r>"}));
    }
}
