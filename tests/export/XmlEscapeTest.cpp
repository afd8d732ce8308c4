#include "XmlEscape.h"

#include <gtest/gtest.h>

TEST(XmlEscapeTest, EscapesAmpersandFirstThenTheBracketsAndQuotesOnlyInAttributes) {
    struct Case {
        std::string_view text, characterData, attribute;
    };
    const Case cases[] = {
        {"", "", ""},
        {"Points du Québec 'n' \"more\"", "Points du Québec 'n' \"more\"",
         "Points du Québec 'n' &quot;more&quot;"},
        {"Tom & Jerry", "Tom &amp; Jerry", "Tom &amp; Jerry"},
        {"a<b>c", "a&lt;b&gt;c", "a&lt;b&gt;c"},
        {"&amp;", "&amp;amp;", "&amp;amp;"},
        {"&lt;&gt;", "&amp;lt;&amp;gt;", "&amp;lt;&amp;gt;"},
        {"<&>\"", "&lt;&amp;&gt;\"", "&lt;&amp;&gt;&quot;"},
        {"&quot;", "&amp;quot;", "&amp;quot;"},
        // What a reader would turn into a line feed or a space.
        {"a\r\nb\tc\r", "a&#13;\nb\tc&#13;", "a&#13;&#10;b&#9;c&#13;"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ReplaceSpecial(c.text), c.characterData) << c.text;
        EXPECT_EQ(ReplaceSpecialAttribute(c.text), c.attribute) << c.text;
    }
}
