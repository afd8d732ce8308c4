#include "PropertyList.h"

#include "Exceptions.h"
#include "Listbox.h"
#include "PushButton.h"
#include "TextField.h"
#include "Window.h"

#include <QLineEdit>
#include <QTreeView>
#include <QWidget>

#include <gtest/gtest.h>

#include <climits>
#include <cstdlib>
#include <map>

namespace {

using namespace std::string_literals;

PropertyTypeOf TypesOf(std::map<std::string, PropertyType, std::less<>> types) {
    return [types = std::move(types)](std::string_view name) -> std::optional<PropertyType> {
        const auto found = types.find(name);
        return found == types.end() ? std::nullopt : std::optional(found->second);
    };
}

class PlainWindow : public Window {
public:
    std::string ClassName() const override { return "PlainWindow"; }
};

} // namespace

TEST(PropertyListTest, ValuesAreUntaggedInTheWidthOfTheirTypeAndDecodeByTheNamesTypes) {
    const std::string list = PropertyListWriter()
                                 .Text("Name", "BtnImport")
                                 .Integer("Index", INT32_MIN)
                                 .Integer("Width", 800)
                                 .Boolean("Visible", true)
                                 .Colour("TextColor", Color::FromRGB(0x7F0902))
                                 .Text("HelpTag", "")
                                 .Integer("HeadingIndex", -1)
                                 .Bytes();
    EXPECT_EQ(list, "Name \0\0\0\x09"
                    "BtnImport"
                    "Index \x80\0\0\0"
                    "Width \0\0\x03\x20"
                    "Visible \x01"
                    "TextColor \x7F\x09\x02"
                    "HelpTag \0\0\0\0"
                    "HeadingIndex \xFF\xFF\xFF\xFF"s);

    const std::vector<PropertyEntry> entries =
        DecodePropertyList(list,
                           TypesOf({{"Name", PropertyType::Text},
                                    {"Index", PropertyType::Integer},
                                    {"Width", PropertyType::Integer},
                                    {"Visible", PropertyType::Boolean},
                                    {"TextColor", PropertyType::Colour},
                                    {"HelpTag", PropertyType::Text},
                                    {"HeadingIndex", PropertyType::Integer}}),
                           "a test");
    const std::vector<PropertyEntry> expected = {{"Name", "BtnImport"s},
                                                 {"Index", INT32_MIN},
                                                 {"Width", 800},
                                                 {"Visible", true},
                                                 {"TextColor", Color::FromRGB(0x7F0902)},
                                                 {"HelpTag", ""s},
                                                 {"HeadingIndex", -1}};
    EXPECT_EQ(entries, expected);
}

TEST(PropertyListTest, AListWithAnUnknownNameOrCutShortIsRefusedAndChangesNothing) {
    PushButton button(nullptr);
    button.Caption("Before");
    const std::string valid = PropertyListWriter().Text("Caption", "After").Bytes();

    const std::string unknown =
        PropertyListWriter().Text("Caption", "After").Boolean("Sparkle", true).Bytes();
    try {
        _SetProperties(button, unknown);
        FAIL() << "an unknown property was accepted";
    } catch (const RuntimeException& refused) {
        EXPECT_NE(std::string(refused.what()).find("\"Sparkle\""), std::string::npos)
            << refused.what();
    }
    EXPECT_THROW(_SetProperties(button, valid.substr(0, valid.size() - 1)), RuntimeException);
    EXPECT_THROW(_SetProperties(button, valid + "Caption"), RuntimeException);
    EXPECT_EQ(button.Caption(), "Before");

    _SetProperties(button, valid);
    EXPECT_EQ(button.Caption(), "After");
}

TEST(PropertyListTest, TabIndexOrdersTheFocusChainAmongTheControlsOfTheWindow) {
    PlainWindow window;
    std::vector<PushButton*> buttons;
    for (const std::int32_t tabIndex : {2, 0, 3, 1}) {
        PushButton& button = window.NewControl<PushButton>();
        _SetProperties(
            button,
            PropertyListWriter().Integer("TabIndex", tabIndex).Text("InitialParent", "").Bytes());
        buttons.push_back(&button);
    }
    // Tab goes round, from the last control to the first again; the frame and
    // the content area between them take no focus.
    const auto nextControl = [&buttons](const PushButton* from) {
        for (QWidget* next = from->Widget()->nextInFocusChain();; next = next->nextInFocusChain()) {
            for (const PushButton* button : buttons) {
                if (button->Widget() == next) {
                    return button;
                }
            }
        }
    };
    std::vector<std::int32_t> visited;
    for (const PushButton* at = buttons[1]; visited.size() < buttons.size(); at = nextControl(at)) {
        visited.push_back(at->TabIndex());
    }
    EXPECT_EQ(visited, (std::vector<std::int32_t>{0, 1, 2, 3}));
}

TEST(PropertyListTest, EachEntryReachesTheWidgetBehindTheTarget) {
    TextField field(nullptr);
    _SetProperties(field, PropertyListWriter()
                              .Boolean("Password", true)
                              .Boolean("ReadOnly", true)
                              .Integer("LimitText", 5)
                              .Integer("Alignment", 3)
                              .Text("CueText", "Owner")
                              .Colour("BackColor", Color::FromRGB(0x102030))
                              .Text("Text", "abcdefgh")
                              .Bytes());
    const auto& edit = static_cast<const QLineEdit&>(*field.Widget());
    EXPECT_EQ(edit.echoMode(), QLineEdit::Password);
    EXPECT_TRUE(edit.isReadOnly());
    EXPECT_EQ(edit.text(), "abcde");
    EXPECT_TRUE(edit.alignment().testFlag(Qt::AlignRight));
    EXPECT_EQ(edit.placeholderText(), "Owner");
    EXPECT_EQ(edit.palette().color(QPalette::Base), QColor(0x10, 0x20, 0x30));
    _SetProperties(field, PropertyListWriter().Integer("LimitText", 0).Bytes());
    EXPECT_EQ(edit.maxLength(), 32767) << "0 is no limit";

    PlainWindow window;
    _SetProperties(window, PropertyListWriter()
                               .Integer("Width", 500)
                               .Integer("Height", 300)
                               .Boolean("Resizeable", false)
                               .Boolean("HasBackColor", true)
                               .Colour("BackColor", Color::FromRGB(0x336699))
                               .Bytes());
    const QWidget& content = *window.ContentArea();
    EXPECT_EQ(content.minimumSize(), QSize(500, 300));
    EXPECT_EQ(content.maximumSize(), QSize(500, 300));
    EXPECT_FALSE(window.Widget()->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    EXPECT_TRUE(content.autoFillBackground());
    EXPECT_EQ(content.palette().color(QPalette::Window), QColor(0x33, 0x66, 0x99));
}

TEST(PropertyListTest, ColumnWidthsGivePixelsSharesAndTheRestEqually) {
    Listbox list(nullptr);
    _SetProperties(list, PropertyListWriter()
                             .Integer("ColumnCount", 4)
                             .Text("ColumnWidths", "50, 25%, *")
                             .Integer("Width", 400)
                             .Integer("Height", 200)
                             .Bytes());
    list.Widget()->show();
    const int room = static_cast<const QTreeView*>(list.Widget())->viewport()->width();
    const int rest = room - 50 - room / 4;
    EXPECT_EQ(list.ColumnWidth(0), 50);
    EXPECT_EQ(list.ColumnWidth(1), room / 4);
    EXPECT_EQ(list.ColumnWidth(2) + list.ColumnWidth(3), rest);
    EXPECT_LE(std::abs(list.ColumnWidth(2) - list.ColumnWidth(3)), 1);

    EXPECT_THROW(list.ColumnWidths("50,wide"), RuntimeException);
    EXPECT_EQ(list.ColumnWidths(), "50, 25%, *");
}
