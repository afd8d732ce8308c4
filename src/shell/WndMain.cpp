#include "WndMain.h"

#include "Application.h"
#include "CacheList.h"
#include "CheckBox.h"
#include "CsvExport.h"
#include "DesignProperties.h"
#include "Dialogs.h"
#include "Exceptions.h"
#include "ExportControls.h"
#include "GpxExport.h"
#include "ImportSummary.h"
#include "Label.h"
#include "Listbox.h"
#include "MenuBar1.h"
#include "PopupMenu.h"
#include "PropertyList.h"
#include "PushButton.h"
#include "RadioButton.h"
#include "RuntimeCheckCast.h"
#include "TabPanel.h"
#include "Text.h"
#include "TextField.h"
#include "WeakDelegate.h"
#include "WndMainRbtImport.h"

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

WndMain::~WndMain() {
    GPXFile.reset();
    myReader.reset();
    myStream.reset();
}

void WndMain::Layout() {
    // The window shows the bar the application has: one bar, built once.
    MenuBar(MenuBar1::MenuBar1_().get());
    _SetProperties(*this, WndMainProperties());
}

void WndMain::CreateControls() {
    _CreateControls0();
    Close.Attach(
        WeakDelegate(RuntimeCheckCast<WndMain>(shared_from_this()), &WndMain::Event_Close));
}

namespace {

// A control as each creation step reaches it: afresh, by its name (and index
// for a member of a control array), cast to its class.
template <typename ControlClass>
ControlClass& Registered(const Window& window, std::string_view name,
                         std::int32_t index = Control::NoIndex) {
    return NonNil(RuntimeCheckCast<ControlClass>(index == Control::NoIndex
                                                     ? window._ControlByName(name)
                                                     : window._ControlByNameIndex(name, index)));
}

// Creates a single control, registers it, sets its text unit and applies its
// design property list.
template <typename ControlClass>
void CreateControl(Window& window, std::string_view name, const std::string& list) {
    window._AddControl(name, window.NewControl<ControlClass>());
    Registered<ControlClass>(window, name).TextUnit(0);
    _SetProperties(Registered<ControlClass>(window, name), list);
}

} // namespace

void WndMain::_CreateControls0() {
    const std::shared_ptr<WndMain> self = RuntimeCheckCast<WndMain>(shared_from_this());
    // The buttons hold the window weakly: a press after it is gone raises
    // NilObjectException and runs no method.
    const auto connect = [&](std::string_view name, void (WndMain::*action)(PushButton&)) {
        Registered<PushButton>(*this, name).Action.Attach(WeakDelegate(self, action));
    };

    CreateControl<PushButton>(*this, "BtnImport", BtnImportProperties());
    connect("BtnImport", &WndMain::BtnImport_Action);
    CreateControl<PushButton>(*this, "BtnExportGPX", BtnExportGPXProperties());
    connect("BtnExportGPX", &WndMain::BtnExportGPX_Action);
    CreateControl<CheckBox>(*this, "ChkModify", ChkModifyProperties());
    CreateControl<PushButton>(*this, "BtnExportCSV", BtnExportCSVProperties());
    connect("BtnExportCSV", &WndMain::BtnExportCSV_Action);

    // The label's text size comes before its unit and its list.
    _AddControl("StaticText1", NewControl<Label>());
    Registered<Label>(*this, "StaticText1").TextSize(9);
    Registered<Label>(*this, "StaticText1").TextUnit(0);
    _SetProperties(Registered<Label>(*this, "StaticText1"), StaticText1Properties());

    CreateControl<PopupMenu>(*this, "PumModify", PumModifyProperties());
    // The panel comes before the four controls on its pages.
    CreateControl<TabPanel>(*this, "TabPanel1", TabPanel1Properties());
    CreateControl<Listbox>(*this, "LbxCaches", LbxCachesProperties());
    CreateControl<TextField>(*this, "EdfFilterOwner", EdfFilterOwnerProperties());
    CreateControl<CheckBox>(*this, "ChkFilterOwner", ChkFilterOwnerProperties());
    CreateControl<CheckBox>(*this, "ChkNoUnknowns", ChkNoUnknownsProperties());

    for (std::int32_t index = 0; index < 3; ++index) {
        _AddControl("RbtImport", NewControl<WndMainRbtImport>(index));
        Registered<RadioButton>(*this, "RbtImport", index).TextUnit(0);
        _SetProperties(Registered<RadioButton>(*this, "RbtImport", index),
                       RbtImportProperties(index));
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

Label* WndMain::StaticText1() const {
    return RuntimeCheckCast<Label>(_ControlByName("StaticText1"));
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
