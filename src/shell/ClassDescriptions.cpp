#include "ClassDescriptions.h"

#include "ClassRecord.h"

#include <string>

namespace {

const ClassAttribute Public{"__Scope", "Public"};
const ClassAttribute Private{"__Scope", "Private"};
const ClassAttribute Protected{"__Scope", "Protected"};
// Marks a method that belongs to the window's own construction.
const ClassAttribute Hidden{"Hidden", std::nullopt};

ClassRecord AppRecord() {
    return {.name = "App",
            .base = "Application",
            .attributes = {Public},
            .methods = {{"Constructor", "(  )", {Public}}}};
}

ClassRecord WndMainRecord() {
    return {
        .name = "WndMain.WndMain",
        .base = "Window",
        .attributes = {Public},
        .properties =
            {
                {"GPXFile", "FolderItem", {Private}},
                {"myReader", "GPXReader", {Private}},
                {"myStream", "TextOutputStream", {Private}},
                {"ImportDuplicates", "UInt32", {Private}},
                {"ImportCount", "UInt32", {Private}},
                {"ImportDeleted", "UInt32", {Private}},
            },
        // The declared order: the method table's entries up to Event_Close,
        // then the import and export helpers, of which only CacheImported is
        // public.
        .methods =
            {
                {"Layout", "(  )", {Public}},
                {"CreateControls", "(  )", {Public}},
                {"_CreateControls0", "(  )", {Public, Hidden}},
                {"BtnImport", "(  ) as PushButton", {Public}},
                {"BtnExportGPX", "(  ) as PushButton", {Public}},
                {"ChkModify", "(  ) as CheckBox", {Public}},
                {"BtnExportCSV", "(  ) as PushButton", {Public}},
                {"StaticText1", "(  ) as Label", {Public}},
                {"PumModify", "(  ) as PopupMenu", {Public}},
                {"TabPanel1", "(  ) as TabPanel", {Public}},
                {"LbxCaches", "(  ) as Listbox", {Public}},
                {"EdfFilterOwner", "(  ) as TextField", {Public}},
                {"ChkFilterOwner", "(  ) as CheckBox", {Public}},
                {"ChkNoUnknowns", "(  ) as CheckBox", {Public}},
                {"RbtImport", "( Int32 ) as RadioButton", {Public}},
                {"BtnImport_Action", "( PushButton )", {Public}},
                {"BtnExportGPX_Action", "( PushButton )", {Public}},
                {"BtnExportCSV_Action", "( PushButton )", {Public}},
                {"EditMenu", "(  ) as MenuItem", {Public}},
                {"EditSelectAll", "(  ) as MenuItem", {Public}},
                {"UntitledMenu0", "(  ) as MenuItem", {Public}},
                {"EditClear", "(  ) as MenuItem", {Public}},
                {"EditPaste", "(  ) as MenuItem", {Public}},
                {"EditCopy", "(  ) as MenuItem", {Public}},
                {"EditCut", "(  ) as MenuItem", {Public}},
                {"UntitledMenu1", "(  ) as MenuItem", {Public}},
                {"EditUndo", "(  ) as MenuItem", {Public}},
                {"FileMenu", "(  ) as MenuItem", {Public}},
                {"FileQuit", "(  ) as QuitMenuItem", {Public}},
                {"Event_Close", "(  )", {Public}},
                {"ReplaceSpecial", "( String ) as String", {Private}},
                {"CacheInTable", "( String ) as Boolean", {Private}},
                {"CacheImported", "( Dictionary )", {Public}},
                {"CacheAdd", "( Dictionary )", {Private}},
                {"CacheDel", "( String )", {Private}},
                {"CacheImportDone", "(  )", {Private}},
            },
        .events =
            {
                {"Layout", "Layout"},
                {"CreateControls", "CreateControls"},
                {"Close", "Event_Close"},
            },
    };
}

// The import-mode radio buttons; private to the window.
ClassRecord RbtImportRecord() {
    return {.name = "WndMain.RbtImport",
            .base = "RadioButton",
            .attributes = {Private},
            .methods = {
                {"Constructor", "(  )", {Public}},
                {"Constructor", "( Int32 )", {Public}},
            }};
}

ClassRecord MenuBar1Record() {
    return {.name = "MenuBar1.MenuBar1",
            .base = "MenuBar",
            .attributes = {Public},
            .methods = {
                {"Constructor", "(  )", {Public}},
                {"Untitled0", "(  )", {Public}},
                {"Untitled1", "(  )", {Public}},
            }};
}

ClassRecord GPXReaderRecord() {
    return {
        .name = "GPXReader",
        .base = "XmlReader",
        .attributes = {Public},
        .properties =
            {
                {"InsideWpt", "Boolean", {Protected}},
                {"myCache", "Dictionary", {Protected}},
                {"myData", "String", {Protected}},
                {"InsideCache", "Boolean", {Protected}},
                {"InsideLogs", "Boolean", {Protected}},
            },
        .methods =
            {
                {"Constructor", "(  )", {Public}},
                {"Event_StartElement", "( String, XmlAttributeList )", {Public}},
                {"Event_EndElement", "( String )", {Public}},
                {"Event_Characters", "( String )", {Public}},
                {"ClearDict", "(  )", {Public}},
            },
        .events =
            {
                {"StartElement", "Event_StartElement"},
                {"EndElement", "Event_EndElement"},
                {"Characters", "Event_Characters"},
            },
    };
}

} // namespace

void DeclareProgramClasses(ClassRegistry& registry) {
    registry.Declare("App", AppRecord);
    registry.Declare("WndMain.WndMain", WndMainRecord);
    registry.Declare("WndMain.RbtImport", RbtImportRecord);
    registry.Declare("MenuBar1.MenuBar1", MenuBar1Record);
    registry.Declare("GPXReader", GPXReaderRecord);
}

void RegisterProgramClasses(ClassRegistry& registry) {
    RegisterPlatformClasses(registry);
    DeclareProgramClasses(registry);
    registry.Register(
        {"App", "WndMain.WndMain", "WndMain.RbtImport", "MenuBar1.MenuBar1", "GPXReader"});
}
