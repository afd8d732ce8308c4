#pragma once

// The program's main window: it owns the controls, among them the cache list,
// and the working state of the import and the exports. There is at most one,
// reached through WndMain_().

#include "CacheReceiver.h"
#include "FolderItem.h"
#include "GPXReader.h"
#include "Window.h"

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

class Listbox;
class PushButton;
class RadioButton;

class WndMain : public Window, public CacheReceiver {
public:
    // The open main window, created and shown when none is open.
    static std::shared_ptr<WndMain> WndMain_();

    std::string ClassName() const override { return "WndMain.WndMain"; }

    void _CreateControls0();

    PushButton* BtnImport() const;
    Listbox* LbxCaches() const;
    RadioButton* RbtImport(std::int32_t index) const;

    void BtnImport_Action(PushButton& button);
    void Event_Close();
    void CacheImported(const CacheRecord& record) override;

protected:
    void Layout() override;
    void CreateControls() override;

private:
    bool CacheInTable(std::string_view code) const;
    void CacheAdd(const CacheRecord& record);
    void CacheDel(std::string_view code);
    void CacheImportDone();

    std::unique_ptr<FolderItem> GPXFile;
    std::unique_ptr<GPXReader> myReader;
    std::uint32_t ImportDuplicates = 0;
    std::uint32_t ImportCount = 0;
    std::uint32_t ImportDeleted = 0;
};
