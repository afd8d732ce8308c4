#include "WndMain.h"

#include "Application.h"
#include "CacheColumns.h"
#include "CacheList.h"
#include "Dialogs.h"
#include "Exceptions.h"
#include "ImportSummary.h"
#include "Listbox.h"
#include "PushButton.h"
#include "RadioButton.h"
#include "RuntimeCheckCast.h"
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
template <typename ControlType>
ControlType& Place(ControlType& control, int left, int top, int width, int height, bool lockRight,
                   bool lockBottom) {
    control.LockLeft(true);
    control.LockTop(true);
    control.LockRight(lockRight);
    control.LockBottom(lockBottom);
    control.Left(left);
    control.Top(top);
    control.Width(width);
    control.Height(height);
    return control;
}
} // namespace

void WndMain::_CreateControls0() {
    const std::shared_ptr<WndMain> self = RuntimeCheckCast<WndMain>(shared_from_this());

    PushButton& import = Place(NewControl<PushButton>(), 9, 12, 99, 20, false, false);
    _AddControl("BtnImport", import);
    import.Caption("Import GPX");
    import.Action.Attach(WeakDelegate(self, &WndMain::BtnImport_Action));

    Listbox& list = Place(NewControl<Listbox>(), 20, 127, 760, 370, true, true);
    _AddControl("LbxCaches", list);
    list.ColumnCount(CacheColumn::Count);
    list.HasHeading(true);
    std::string headings;
    for (std::string_view heading : CacheColumn::Headings) {
        headings += (headings.empty() ? "" : "\t") + std::string(heading);
    }
    list.InitialValue(headings);

    const struct {
        const char* caption;
        int left;
        int width;
        bool value;
    } modes[] = {
        {"Replace", 125, 78, false}, {"Add", 208, 56, true}, {"Subtract", 276, 100, false}};
    for (std::int32_t index = 0; index < 3; ++index) {
        RadioButton& mode = Place(NewControl<RadioButton>(), modes[index].left, 12,
                                  modes[index].width, 20, false, false);
        mode.Index(index);
        _AddControl("RbtImport", mode);
        mode.Caption(modes[index].caption);
        mode.Value(modes[index].value);
    }
}

PushButton* WndMain::BtnImport() const {
    return RuntimeCheckCast<PushButton>(_ControlByName("BtnImport"));
}

Listbox* WndMain::LbxCaches() const {
    return RuntimeCheckCast<Listbox>(_ControlByName("LbxCaches"));
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
        ListboxChanges changes(*LbxCaches());
        if (RbtImport(0)->Value()) {
            LbxCaches()->DeleteAllRows();
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
    if (!RbtImport(2)->Value()) {
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
    return ::CacheInTable(*LbxCaches(), code);
}

void WndMain::CacheAdd(const CacheRecord& record) {
    if (::CacheAdd(*LbxCaches(), record)) {
        ++ImportCount;
    }
}

void WndMain::CacheDel(std::string_view code) {
    if (::CacheDel(*LbxCaches(), code)) {
        ++ImportDeleted;
    }
}

void WndMain::CacheImportDone() {
    if (!RbtImport(2)->Value()) {
        MsgBox(ImportedSummary(ImportCount, ImportDuplicates));
    } else {
        MsgBox(RemovedSummary(ImportDeleted));
    }
}
