#include "DesignProperties.h"

#include "CheckBox.h"
#include "Label.h"
#include "Listbox.h"
#include "PopupMenu.h"
#include "PushButton.h"
#include "RadioButton.h"
#include "TabPanel.h"
#include "TextField.h"
#include "Window.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

using namespace std::string_literals;

template <typename ControlClass> PropertyTypeOf TypesOf() {
    return [](std::string_view name) {
        return ControlClass::DesignProperties().TypeOf(name);
    };
}

struct DesignedList {
    std::string control;
    std::string list;
    std::size_t bytes;
    // The class's properties, and how many entries every list of it has.
    PropertyTypeOf typeOf;
    std::size_t entries;
};

} // namespace

TEST(DesignPropertiesTest, EveryControlListHasItsBytesAndDecodesByItsClassesProperties) {
    const DesignedList lists[] = {
        {"BtnImport", BtnImportProperties(), 311, TypesOf<PushButton>(), 26},
        {"BtnExportGPX", BtnExportGPXProperties(), 314, TypesOf<PushButton>(), 26},
        {"ChkModify", ChkModifyProperties(), 337, TypesOf<CheckBox>(), 27},
        {"BtnExportCSV", BtnExportCSVProperties(), 314, TypesOf<PushButton>(), 26},
        // 448 bytes and the notice.
        {"StaticText1", StaticText1Properties(), 448 + "(C) 2026 Velquarn"s.size(),
         TypesOf<Label>(), 29},
        {"PumModify", PumModifyProperties(), 428, TypesOf<PopupMenu>(), 26},
        {"TabPanel1", TabPanel1Properties(), 314, TypesOf<TabPanel>(), 25},
        {"LbxCaches", LbxCachesProperties(), 769, TypesOf<Listbox>(), 45},
        {"EdfFilterOwner", EdfFilterOwnerProperties(), 476, TypesOf<TextField>(), 38},
        {"ChkFilterOwner", ChkFilterOwnerProperties(), 363, TypesOf<CheckBox>(), 27},
        {"ChkNoUnknowns", ChkNoUnknownsProperties(), 349, TypesOf<CheckBox>(), 27},
        {"RbtImport", RbtImportProperties(0), 282, TypesOf<RadioButton>(), 24},
        {"RbtImport", RbtImportProperties(1), 278, TypesOf<RadioButton>(), 24},
        {"RbtImport", RbtImportProperties(2), 283, TypesOf<RadioButton>(), 24},
    };
    for (const DesignedList& designed : lists) {
        SCOPED_TRACE(designed.control);
        EXPECT_EQ(designed.list.size(), designed.bytes);
        const std::vector<PropertyEntry> entries =
            DecodePropertyList(designed.list, designed.typeOf, designed.control);
        ASSERT_EQ(entries.size(), designed.entries);
        EXPECT_EQ(entries.front(), (PropertyEntry{"Name", designed.control}));
        EXPECT_EQ(entries.back().name, "InitialParent");
    }
}

TEST(DesignPropertiesTest, TheWindowsListDecodesToExactlyItsTwentyOneEntries) {
    const std::vector<PropertyEntry> expected = {
        {"Placement", 0},
        {"Width", 800}, // 00 00 03 20: its last byte is a space
        {"Height", 540},
        {"MinWidth", 640},
        {"MinHeight", 400},
        {"MaxWidth", 32000},
        {"MaxHeight", 32000},
        {"Frame", 0},
        {"Composite", false},
        {"HasBackColor", false},
        {"BackColor", Color::FromRGB(0xFFFFFF)},
        {"Title", "Orlimex 0.3a1"s},
        {"Visible", true},
        {"FullScreen", false},
        {"MenuBarVisible", true},
        {"CloseButton", true},
        {"Resizeable", true},
        {"LiveResize", true},
        {"MaximizeButton", false},
        {"MinimizeButton", true},
        {"MacProcID", 0},
    };
    EXPECT_EQ(DecodePropertyList(
                  WndMainProperties(),
                  [](std::string_view name) { return Window::DesignProperties().TypeOf(name); },
                  "WndMain"),
              expected);
}
