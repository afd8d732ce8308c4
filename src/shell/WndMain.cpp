#include "WndMain.h"

#include "Application.h"
#include "CacheColumns.h"
#include "CacheList.h"
#include "CheckBox.h"
#include "CsvExport.h"
#include "Dialogs.h"
#include "Exceptions.h"
#include "ExportControls.h"
#include "GpxExport.h"
#include "ImportSummary.h"
#include "Listbox.h"
#include "PopupMenu.h"
#include "PushButton.h"
#include "RadioButton.h"
#include "RuntimeCheckCast.h"
#include "TabPanel.h"
#include "Text.h"
#include "TextField.h"
#include "WeakDelegate.h"

#include <optional>

std::shared_ptr<WndMain> WndMain::WndMain_() {
    std::shared_ptr<Window> window = _GetImplicitWindow("WndMain.WndMain");
    if (window == nullptr) {
        auto created = std::make_shared<WndMain>();
        created->Constructor();
        window = created;
    }
    return RuntimeCheckCast<WndMain>(window);
}

void WndMain::Layout() {
    Title("Orlimex 0.3a1");
    Width(800);
    Height(540);
    MinWidth(640);
    MinHeight(400);
    MaxWidth(32000);
    MaxHeight(32000);
}

void WndMain::CreateControls() {
    _CreateControls0();
    Close.Attach(
        WeakDelegate(RuntimeCheckCast<WndMain>(shared_from_this()), &WndMain::Event_Close));
}

namespace {

struct Bounds {
    std::int32_t left, top, width, height;
    bool lockLeft, lockTop, lockRight, lockBottom;
};

template <typename ControlType> ControlType& Place(ControlType& control, const Bounds& bounds) {
    control.LockLeft(bounds.lockLeft);
    control.LockTop(bounds.lockTop);
    control.LockRight(bounds.lockRight);
    control.LockBottom(bounds.lockBottom);
    control.Left(bounds.left);
    control.Top(bounds.top);
    control.Width(bounds.width);
    control.Height(bounds.height);
    return control;
}

std::string Joined(const auto& texts, std::string_view separator) {
    std::string joined;
    for (std::string_view text : texts) {
        joined += (joined.empty() ? "" : std::string(separator)) + std::string(text);
    }
    return joined;
}

} // namespace

void WndMain::_CreateControls0() {
    const std::shared_ptr<WndMain> self = RuntimeCheckCast<WndMain>(shared_from_this());
    const auto button = [&](const char* name, const char* caption, const Bounds& bounds,
                            void (WndMain::*action)(PushButton&)) {
        PushButton& created = Place(NewControl<PushButton>(), bounds);
        _AddControl(name, created);
        created.Caption(caption);
        created.Action.Attach(WeakDelegate(self, action));
    };
    const auto checkBox = [&](const char* name, const char* caption, const Bounds& bounds,
                              bool checked) -> CheckBox& {
        CheckBox& created = Place(NewControl<CheckBox>(), bounds);
        _AddControl(name, created);
        created.Caption(caption);
        created.Value(checked);
        return created;
    };

    button("BtnImport", "Import GPX", {9, 12, 99, 20, true, true, false, false},
           &WndMain::BtnImport_Action);
    button("BtnExportGPX", "Export GPX", {9, 38, 104, 20, true, true, false, false},
           &WndMain::BtnExportGPX_Action);
    checkBox("ChkModify", "Modify export for GPSr:", {9, 69, 178, 20, true, true, false, false},
             false);
    button("BtnExportCSV", "Export CSV", {125, 38, 108, 20, true, true, false, false},
           &WndMain::BtnExportCSV_Action);

    PopupMenu& layouts =
        Place(NewControl<PopupMenu>(), {199, 68, 541, 20, true, true, true, false});
    _AddControl("PumModify", layouts);
    layouts.InitialValue("Change GC to active and type + add D/T/Size to name\r"
                         "Change GCCode to active, type, D/T/S and add GCCode to name\r");
    layouts.ListIndex(0);

    TabPanel& panel = Place(NewControl<TabPanel>(), {9, 94, 780, 412, true, true, true, true});
    _AddControl("TabPanel1", panel);
    panel.TabDefinition("Caches\rExportfilter");
    panel.Value(0);

    Listbox& list = Place(NewControl<Listbox>(), {20, 127, 760, 370, true, true, true, true});
    _AddControl("LbxCaches", list);
    list.ColumnCount(CacheColumn::Count);
    list.HasHeading(true);
    list.InitialValue(Joined(CacheColumn::Headings, "\t"));
    list.TabPanelIndex(1);
    list.InitialParent("TabPanel1");

    TextField& owner =
        Place(NewControl<TextField>(), {287, 146, 200, 22, false, false, false, false});
    _AddControl("EdfFilterOwner", owner);
    owner.TabPanelIndex(2);
    owner.InitialParent("TabPanel1");
    checkBox("ChkFilterOwner",
             "Only export caches placed by owner:", {20, 147, 265, 20, false, false, false, false},
             false)
        .TabPanelIndex(2);
    ChkFilterOwner()->InitialParent("TabPanel1");
    checkBox("ChkNoUnknowns", "Don't include virtuals",
             {20, 179, 160, 20, true, true, false, false}, true)
        .TabPanelIndex(2);
    ChkNoUnknowns()->InitialParent("TabPanel1");

    const struct {
        const char* caption;
        std::int32_t left;
        std::int32_t width;
        bool value;
    } modes[] = {
        {"Replace", 125, 78, false}, {"Add", 208, 56, true}, {"Subtract", 276, 100, false}};
    for (std::int32_t index = 0; index < 3; ++index) {
        RadioButton& mode =
            Place(NewControl<RadioButton>(),
                  {modes[index].left, 12, modes[index].width, 20, true, true, false, false});
        mode.Index(index);
        _AddControl("RbtImport", mode);
        mode.Caption(modes[index].caption);
        mode.Value(modes[index].value);
    }
}

PushButton* WndMain::BtnImport() const {
    return RuntimeCheckCast<PushButton>(_ControlByName("BtnImport"));
}

PushButton* WndMain::BtnExportGPX() const {
    return RuntimeCheckCast<PushButton>(_ControlByName("BtnExportGPX"));
}

CheckBox* WndMain::ChkModify() const {
    return RuntimeCheckCast<CheckBox>(_ControlByName("ChkModify"));
}

PushButton* WndMain::BtnExportCSV() const {
    return RuntimeCheckCast<PushButton>(_ControlByName("BtnExportCSV"));
}

PopupMenu* WndMain::PumModify() const {
    return RuntimeCheckCast<PopupMenu>(_ControlByName("PumModify"));
}

TabPanel* WndMain::TabPanel1() const {
    return RuntimeCheckCast<TabPanel>(_ControlByName("TabPanel1"));
}

Listbox* WndMain::LbxCaches() const {
    return RuntimeCheckCast<Listbox>(_ControlByName("LbxCaches"));
}

TextField* WndMain::EdfFilterOwner() const {
    return RuntimeCheckCast<TextField>(_ControlByName("EdfFilterOwner"));
}

CheckBox* WndMain::ChkFilterOwner() const {
    return RuntimeCheckCast<CheckBox>(_ControlByName("ChkFilterOwner"));
}

CheckBox* WndMain::ChkNoUnknowns() const {
    return RuntimeCheckCast<CheckBox>(_ControlByName("ChkNoUnknowns"));
}

RadioButton* WndMain::RbtImport(std::int32_t index) const {
    return RuntimeCheckCast<RadioButton>(_ControlByNameIndex("RbtImport", index));
}

void WndMain::Event_Close() {
    Quit(0);
}

void WndMain::BtnImport_Action(PushButton& /*button*/) {
    GPXFile = GetOpenFolderItem("");
    if (GPXFile == nullptr) {
        return;
    }
    ImportDuplicates = 0;
    ImportCount = 0;
    ImportDeleted = 0;
    myReader = std::make_unique<GPXReader>();

    // The list changes as one group: a file that cannot be read to its end
    // leaves the list exactly as it was, whatever the mode.
    std::optional<std::string> failure;
    {
        ListboxChanges changes(NonNil(LbxCaches()));
        if (NonNil(RbtImport(0)).Value()) {
            NonNil(LbxCaches()).DeleteAllRows();
        }
        try {
            myReader->Parse(*GPXFile);
            changes.Commit();
        } catch (const FileException& readFailure) {
            failure = readFailure.what();
        }
    }
    if (failure) {
        MsgBox("Error while reading file\n" + *failure);
        return;
    }
    CacheImportDone();
}

void WndMain::CacheImported(const CacheRecord& record) {
    if (!NonNil(RbtImport(2)).Value()) {
        const std::string& code = record.Value(CacheKey::Cache);
        if (CacheInTable(code)) {
            ++ImportDuplicates;
        } else {
            CacheAdd(record);
        }
    } else {
        CacheDel(record.Value(CacheKey::Cache));
    }
}

bool WndMain::CacheInTable(std::string_view code) const {
    return ::CacheInTable(NonNil(LbxCaches()), code);
}

void WndMain::CacheAdd(const CacheRecord& record) {
    if (::CacheAdd(NonNil(LbxCaches()), record)) {
        ++ImportCount;
    }
}

void WndMain::CacheDel(std::string_view code) {
    if (::CacheDel(NonNil(LbxCaches()), code)) {
        ++ImportDeleted;
    }
}

void WndMain::CacheImportDone() {
    if (!NonNil(RbtImport(2)).Value()) {
        MsgBox(ImportedSummary(ImportCount, ImportDuplicates));
    } else {
        MsgBox(RemovedSummary(ImportDeleted));
    }
}

bool WndMain::CreateExportFile(std::string_view defaultName) {
    GPXFile = GetSaveFolderItem("", defaultName);
    if (GPXFile == nullptr) {
        MsgBox("Error while selecting file");
        return false;
    }
    myStream = GPXFile->CreateTextFile();
    if (myStream == nullptr) {
        MsgBox("Error while creating file");
        return false;
    }
    myStream->Delimiter(ChrB(13) + ChrB(10));
    return true;
}

bool WndMain::WriteExportFile(const std::function<void(LineSink&)>& writeLines) {
    try {
        writeLines(*myStream);
        myStream->Close();
    } catch (const IOException& failure) {
        MsgBox("Error while writing file\n" + std::string(failure.what()));
        return false;
    } catch (...) {
        // An abandoned export leaves no file behind.
        myStream.reset();
        throw;
    }
    return true;
}

void WndMain::BtnExportGPX_Action(PushButton& /*button*/) {
    if (!CreateExportFile("export.gpx")) {
        return;
    }
    std::uint32_t exported = 0;
    const WindowCacheRows rows(*this);
    const WindowExportOptions options(*this);
    if (WriteExportFile([&](LineSink& lines) { exported = WriteGpx(lines, rows, options); })) {
        MsgBox("Exported " + Str(std::uint64_t{exported}) + " caches into the gpx file.");
    }
}

void WndMain::BtnExportCSV_Action(PushButton& /*button*/) {
    if (!CreateExportFile("export.csv")) {
        return;
    }
    const WindowCacheRows rows(*this);
    const WindowExportOptions options(*this);
    WriteExportFile([&](LineSink& lines) { WriteCsv(lines, rows, options); });
}
