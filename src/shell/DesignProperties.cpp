#include "DesignProperties.h"

#include "CacheColumns.h"
#include "Control.h"
#include "Exceptions.h"
#include "PropertyList.h"

#include <string_view>

namespace {

constexpr std::string_view publisherNotice = "(C) 2026 Velquarn";

// Where a control sits and which edges of the window hold it.
struct Placement {
    std::string_view name;
    std::int32_t index;
    std::int32_t left;
    std::int32_t top;
    std::int32_t width;
    std::int32_t height;
    bool lockLeft;
    bool lockTop;
    bool lockRight;
    bool lockBottom;
    // The page of TabPanel1 counted from 1; 0 directly on the window.
    std::int32_t page;
    std::int32_t tabIndex;
};

constexpr std::int32_t single = Control::NoIndex;

// The twelve entries that every control's list begins with.
PropertyListWriter Begin(const Placement& place) {
    PropertyListWriter list;
    list.Text("Name", place.name)
        .Integer("Index", place.index)
        .Integer("Left", place.left)
        .Integer("Top", place.top)
        .Integer("Width", place.width)
        .Integer("Height", place.height)
        .Boolean("LockLeft", place.lockLeft)
        .Boolean("LockTop", place.lockTop)
        .Boolean("LockRight", place.lockRight)
        .Boolean("LockBottom", place.lockBottom)
        .Integer("TabPanelIndex", place.page)
        .Integer("TabIndex", place.tabIndex);
    return list;
}

// The last entry: a control on a page names the panel; the others none.
std::string End(PropertyListWriter& list, const Placement& place) {
    list.Text("InitialParent", place.page == 0 ? "" : "TabPanel1");
    return list.Bytes();
}

// Enabled, Visible, HelpTag and AutoDeactivate, in that order.
void Shown(PropertyListWriter& list) {
    list.Boolean("Enabled", true)
        .Boolean("Visible", true)
        .Text("HelpTag", "")
        .Boolean("AutoDeactivate", true);
}

void Font(PropertyListWriter& list) {
    list.Text("TextFont", "System")
        .Boolean("Bold", false)
        .Boolean("Italic", false)
        .Boolean("Underline", false);
}

void NoBinding(PropertyListWriter& list) {
    list.Text("DataSource", "").Text("DataField", "");
}

std::string PushButtonList(const Placement& place, std::string_view caption) {
    PropertyListWriter list = Begin(place);
    list.Boolean("TabStop", true)
        .Text("Caption", caption)
        .Boolean("Default", false)
        .Boolean("Cancel", false);
    Shown(list);
    list.Integer("ButtonStyle", 0);
    Font(list);
    return End(list, place);
}

std::string CheckBoxList(const Placement& place, std::string_view caption, bool checked) {
    PropertyListWriter list = Begin(place);
    list.Boolean("TabStop", true).Text("Caption", caption);
    Shown(list);
    Font(list);
    list.Integer("State", checked ? 1 : 0).Boolean("Value", checked);
    NoBinding(list);
    return End(list, place);
}

std::string RadioButtonList(const Placement& place, std::string_view caption, bool selected) {
    PropertyListWriter list = Begin(place);
    list.Boolean("TabStop", true).Text("Caption", caption);
    Shown(list);
    Font(list);
    list.Boolean("Value", selected);
    return End(list, place);
}

std::string Joined(const auto& texts, char separator) {
    std::string joined;
    for (std::string_view text : texts) {
        if (!joined.empty()) {
            joined += separator;
        }
        joined += text;
    }
    return joined;
}

} // namespace

std::string WndMainProperties() {
    return PropertyListWriter()
        .Integer("Placement", 0)
        .Integer("Width", 800)
        .Integer("Height", 540)
        .Integer("MinWidth", 640)
        .Integer("MinHeight", 400)
        .Integer("MaxWidth", 32000)
        .Integer("MaxHeight", 32000)
        .Integer("Frame", 0)
        .Boolean("Composite", false)
        .Boolean("HasBackColor", false)
        .Colour("BackColor", Color::FromRGB(0xFFFFFF))
        .Text("Title", "Orlimex 0.3a1")
        .Boolean("Visible", true)
        .Boolean("FullScreen", false)
        .Boolean("MenuBarVisible", true)
        .Boolean("CloseButton", true)
        .Boolean("Resizeable", true)
        .Boolean("LiveResize", true)
        .Boolean("MaximizeButton", false)
        .Boolean("MinimizeButton", true)
        .Integer("MacProcID", 0)
        .Bytes();
}

std::string BtnImportProperties() {
    return PushButtonList({"BtnImport", single, 9, 12, 99, 20, true, true, false, false, 0, 0},
                          "Import GPX");
}

std::string BtnExportGPXProperties() {
    return PushButtonList({"BtnExportGPX", single, 9, 38, 104, 20, true, true, false, false, 0, 2},
                          "Export GPX");
}

std::string ChkModifyProperties() {
    return CheckBoxList({"ChkModify", single, 9, 69, 178, 20, true, true, false, false, 0, 4},
                        "Modify export for GPSr:", false);
}

std::string BtnExportCSVProperties() {
    return PushButtonList(
        {"BtnExportCSV", single, 125, 38, 108, 20, true, true, false, false, 0, 5}, "Export CSV");
}

std::string StaticText1Properties() {
    const Placement place{"StaticText1", single, 9, 512, 595, 19, true, false, false, true, 0, 6};
    PropertyListWriter list = Begin(place);
    list.Text("Text", std::string(publisherNotice) +
                          " - This is alpha software!  -  Only for testing purpose - May crash or "
                          "produce unexpected results.")
        .Integer("TextAlign", 0)
        .Colour("TextColor", Color::FromRGB(0x7F0902))
        .Boolean("Multiline", false)
        .Boolean("Enabled", true)
        .Boolean("Visible", true)
        .Boolean("Selectable", false)
        .Boolean("Transparent", false)
        .Text("HelpTag", "")
        .Boolean("AutoDeactivate", true);
    Font(list);
    NoBinding(list);
    return End(list, place);
}

std::string PumModifyProperties() {
    const Placement place{"PumModify", single, 199, 68, 541, 20, true, true, true, false, 0, 7};
    PropertyListWriter list = Begin(place);
    list.Boolean("TabStop", true)
        .Boolean("Enabled", true)
        .Text("InitialValue", "Change GC to active and type + add D/T/Size to name\r"
                              "Change GCCode to active, type, D/T/S and add GCCode to name\r")
        .Integer("ListIndex", 0)
        .Boolean("Visible", true)
        .Text("HelpTag", "")
        .Boolean("AutoDeactivate", true);
    Font(list);
    NoBinding(list);
    return End(list, place);
}

std::string TabPanel1Properties() {
    const Placement place{"TabPanel1", single, 9, 94, 780, 412, true, true, true, true, 0, 8};
    PropertyListWriter list = Begin(place);
    list.Boolean("TabStop", true)
        .Text("TabDefinition", "Caches\rExportfilter")
        .Boolean("SmallTabs", false)
        .Integer("Value", 0)
        .Boolean("Visible", true)
        .Text("HelpTag", "")
        .Boolean("AutoDeactivate", true)
        .Boolean("Enabled", true);
    Font(list);
    return End(list, place);
}

std::string LbxCachesProperties() {
    const Placement place{"LbxCaches", single, 20, 127, 760, 370, true, true, true, true, 1, 0};
    PropertyListWriter list = Begin(place);
    list.Boolean("TabStop", true)
        .Boolean("Visible", true)
        .Text("HelpTag", "")
        .Boolean("AutoDeactivate", true)
        .Boolean("Enabled", true)
        .Boolean("Border", true)
        .Integer("ColumnCount", CacheColumn::Count)
        .Text("ColumnWidths", "")
        .Boolean("HasHeading", true)
        .Boolean("UseFocusRing", true)
        .Text("InitialValue", Joined(CacheColumn::Headings, '\t'))
        .Integer("HeadingIndex", -1)
        .Boolean("ScrollbarHorizontal", false)
        .Boolean("ScrollBarVertical", true)
        .Integer("GridLinesHorizontal", 0)
        .Integer("GridLinesVertical", 0)
        .Integer("DefaultRowHeight", -1)
        .Integer("_ScrollWidth", -1)
        .Integer("_ScrollOffset", 0);
    Font(list);
    list.Boolean("Hierarchical", false)
        .Boolean("EnableDrag", false)
        .Boolean("EnableDragReorder", false)
        .Boolean("RequiresSelection", false)
        .Integer("SelectionType", 0)
        .Boolean("ColumnsResizable", true)
        .Boolean("AutoHideScrollbars", true);
    NoBinding(list);
    return End(list, place);
}

std::string EdfFilterOwnerProperties() {
    const Placement place{
        "EdfFilterOwner", single, 287, 146, 200, 22, false, false, false, false, 2, 0};
    PropertyListWriter list = Begin(place);
    list.Boolean("TabStop", true)
        .Boolean("Border", true)
        .Boolean("Password", false)
        .Boolean("UseFocusRing", true)
        .Colour("TextColor", Color::FromRGB(0x000000))
        .Colour("BackColor", Color::FromRGB(0xFFFFFF))
        .Boolean("Enabled", true)
        .Text("Format", "")
        .Boolean("Visible", true)
        .Text("HelpTag", "")
        .Boolean("AutoDeactivate", true);
    Font(list);
    list.Text("CueText", "")
        .Text("Text", "")
        .Text("Mask", "")
        .Boolean("ReadOnly", false)
        .Integer("LimitText", 0)
        .Boolean("AcceptTabs", false)
        .Integer("Alignment", 0)
        .Boolean("AutomaticallyCheckSpelling", false);
    NoBinding(list);
    return End(list, place);
}

std::string ChkFilterOwnerProperties() {
    return CheckBoxList(
        {"ChkFilterOwner", single, 20, 147, 265, 20, false, false, false, false, 2, 1},
        "Only export caches placed by owner:", false);
}

std::string ChkNoUnknownsProperties() {
    return CheckBoxList({"ChkNoUnknowns", single, 20, 179, 160, 20, true, true, false, false, 2, 2},
                        "Don't include virtuals", true);
}

std::string RbtImportProperties(std::int32_t index) {
    struct Member {
        std::int32_t left;
        std::int32_t width;
        std::string_view caption;
    };
    static constexpr Member members[] = {
        {125, 78, "Replace"}, {208, 56, "Add"}, {276, 100, "Subtract"}};
    if (index < 0 || index > 2) {
        throw OutOfBoundsException("RbtImport has no member " + std::to_string(index) + ".");
    }
    const Member& member = members[index];
    return RadioButtonList({"RbtImport", index, member.left, 12, member.width, 20, true, true,
                            false, false, 0, 9 + index},
                           member.caption, index == 1);
}
