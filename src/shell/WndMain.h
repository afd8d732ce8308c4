#pragma once

// The program's main window: it owns the controls, among them the cache list,
// and the working state of the import and the exports. There is at most one,
// reached through WndMain_().

#include "CacheReceiver.h"
#include "FolderItem.h"
#include "GPXReader.h"
#include "LineSink.h"
#include "TextOutputStream.h"
#include "Window.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

class CheckBox;
class Label;
class Listbox;
class MenuItem;
class PopupMenu;
class PushButton;
class QuitMenuItem;
class RadioButton;
class TabPanel;
class TextField;
class TextOutputStream;

class WndMain : public Window, public CacheReceiver {
public:
    // The open main window, created and shown when none is open.
    static std::shared_ptr<WndMain> WndMain_();

    // Releases the file of the last dialog, then the last import's reader,
    // then the last export's stream.
    ~WndMain() override;

    std::string ClassName() const override { return "WndMain.WndMain"; }

    void _CreateControls0();

    PushButton* BtnImport() const;
    PushButton* BtnExportGPX() const;
    CheckBox* ChkModify() const;
    PushButton* BtnExportCSV() const;
    Label* StaticText1() const;
    PopupMenu* PumModify() const;
    TabPanel* TabPanel1() const;
    Listbox* LbxCaches() const;
    TextField* EdfFilterOwner() const;
    CheckBox* ChkFilterOwner() const;
    CheckBox* ChkNoUnknowns() const;
    RadioButton* RbtImport(std::int32_t index) const;

    void BtnImport_Action(PushButton& button);
    void BtnExportGPX_Action(PushButton& button);
    void BtnExportCSV_Action(PushButton& button);

    // The entries of the menu bar the window shows, found by name on every
    // call; NilObjectException when the window shows no bar.
    MenuItem* EditMenu() const;
    MenuItem* EditSelectAll() const;
    MenuItem* UntitledMenu0() const;
    MenuItem* EditClear() const;
    MenuItem* EditPaste() const;
    MenuItem* EditCopy() const;
    MenuItem* EditCut() const;
    MenuItem* UntitledMenu1() const;
    MenuItem* EditUndo() const;
    MenuItem* FileMenu() const;
    QuitMenuItem* FileQuit() const;

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

    // The save dialog and the new file of an export; false, after telling the
    // user, when either fails.
    bool CreateExportFile(std::string_view defaultName);
    // Writes the file's lines and closes it; false, after telling the user,
    // when writing fails.
    bool WriteExportFile(const std::function<void(LineSink&)>& writeLines);

    std::unique_ptr<FolderItem> GPXFile;
    std::unique_ptr<GPXReader> myReader;
    std::unique_ptr<TextOutputStream> myStream;
    std::uint32_t ImportDuplicates = 0;
    std::uint32_t ImportCount = 0;
    std::uint32_t ImportDeleted = 0;
};
