// A libFuzzer target for the way from a GPX file through the main window to
// the exported files. It drives the program's own window as a user does: the
// document is written to a file, the (scripted) open dialog answers with it
// and Import is pressed; then the export options are set in their controls
// and both export buttons are pressed, the save dialog answering with files
// in a folder of the process's own. The window is made once; every input
// starts from the same list of three caches.
//
// The first byte of an input sets the controls, the rest is the document:
//   bits 0-1  the import mode: 0 Replace, 1 and 3 Add, 2 Subtract
//   bit 2     Import is pressed a second time with the same file
//   bit 3     "Only export caches placed by owner:" is checked
//   bit 4     "Don't include virtuals" is checked
//   bit 5     "Modify export for GPSr:" is checked
//   bit 6     the second layout of the modified export is chosen
//   bit 7     the owner's name is the Owner cell of the first row, not "Ann"
//
// The document is also read from memory without the window, which tells
// what the import should do. Any broken property is reported and the run is
// aborted, which libFuzzer records as a crash:
//
// - a failed import leaves every row, cell and tag as it was and shows
//   exactly one message: "Error while reading file", the file and the
//   reader's reason;
// - a successful one gives what the mode promises (Replace holds the first
//   waypoint of each code, Add appends the first waypoint of each code not
//   listed yet and changes no row, Subtract removes exactly the rows of the
//   codes named) and shows one summary whose counts agree with the change;
//   pressing Import again with the same file leaves the list as it is;
// - the index of the codes agrees with the rows after every import;
// - the GPX written is well-formed, reads back to the same cells and tags in
//   every column the GPX carries, and its message counts the caches in it;
// - every CSV line holds exactly 17 fields, one line for each cache.

#include "CacheColumns.h"
#include "CacheList.h"
#include "CacheReceiver.h"
#include "CheckBox.h"
#include "Dialogs.h"
#include "ExportCheck.h"
#include "ExportControls.h"
#include "FuzzSupport.h"
#include "ImportCheck.h"
#include "Listbox.h"
#include "PopupMenu.h"
#include "PressWithFile.h"
#include "RadioButton.h"
#include "TextField.h"
#include "Window.h"
#include "WndMain.h"

#include <QApplication>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace {

namespace fs = std::filesystem;

// What the first byte of an input chooses.
struct Controls {
    explicit Controls(std::uint8_t byte)
        : mode(byte % 4 == 0   ? ImportMode::Replace
               : byte % 4 == 2 ? ImportMode::Subtract
                               : ImportMode::Add)
        , twice((byte & 0x04) != 0)
        , filterOwner((byte & 0x08) != 0)
        , noUnknowns((byte & 0x10) != 0)
        , modify((byte & 0x20) != 0)
        , layout((byte & 0x40) != 0 ? 1 : 0)
        , ownerFromList((byte & 0x80) != 0) {}

    ImportMode mode;
    bool twice;
    bool filterOwner;
    bool noUnknowns;
    bool modify;
    std::int32_t layout;
    bool ownerFromList;
};

// The folder of this process's files; removed when the process ends
// normally, kept after a crash. It lies in memory where the system offers a
// folder there: writing, replacing and removing files on a disk would take
// a third of the time of a run.
class PrivateFolder {
public:
    PrivateFolder() {
        const fs::path parent =
            fs::is_directory("/dev/shm") ? fs::path("/dev/shm") : fs::temp_directory_path();
        std::string name = (parent / "orlimex-fuzz-XXXXXX").string();
        if (mkdtemp(name.data()) == nullptr) {
            Fail("cannot make a folder in " + parent.string());
        }
        path_ = name;
    }
    ~PrivateFolder() {
        std::error_code ignored;
        fs::remove_all(path_, ignored);
    }
    PrivateFolder(const PrivateFolder&) = delete;
    PrivateFolder& operator=(const PrivateFolder&) = delete;

    fs::path File(std::string_view name) const { return path_ / name; }

private:
    fs::path path_;
};

std::shared_ptr<WndMain> window;
std::unique_ptr<PrivateFolder> folder;
// What the window's list holds at the start of every input.
Rows startingRows;

CacheRecord Record(std::initializer_list<std::pair<std::string_view, std::string_view>> values) {
    CacheRecord record;
    for (std::string_view key : CacheKey::All) {
        record.Value(key, "");
    }
    for (const auto& [key, value] : values) {
        record.Value(key, value);
    }
    return record;
}

// Fills the list every input starts from: a code the seeds carry, an
// "Unknown Cache" and texts that need escaping. It is filled in one group of
// changes, which the list's view learns of in one step.
void Preload(Listbox& list) {
    static const std::vector<CacheRecord> caches = {
        Record({{CacheKey::Cache, "GC7FA4"},
                {CacheKey::CacheID, "32676"},
                {CacheKey::CacheType, "Traditional Cache"},
                {CacheKey::CacheContainer, "Micro"},
                {CacheKey::CacheDifficulty, "1.5"},
                {CacheKey::CacheTerrain, "2"},
                {CacheKey::CacheOwner, "Ann"},
                {CacheKey::CachePlacedBy, "Ann & Bob"},
                {CacheKey::CacheName, "  Points  "},
                {CacheKey::PositionLat, "46.5"},
                {CacheKey::PositionLon, "-73.25"},
                {CacheKey::CacheAvailable, "True"},
                {CacheKey::Link, "http://example.org/?a=1&b=2"}}),
        Record({{CacheKey::Cache, "GCGCA8"},
                {CacheKey::CacheType, "Unknown Cache"},
                {CacheKey::CacheOwner, "ann"},
                {CacheKey::CacheHint, "a, b\nc"},
                {CacheKey::CacheTextShort, " <b>short</b>, "},
                {CacheKey::CacheTextLong, "long"},
                {CacheKey::CacheName, "Quote \" <1>"},
                {CacheKey::CacheAvailable, "False"}}),
        Record({{CacheKey::Cache, "AB1234"},
                {CacheKey::CacheType, "Virtual Cache"},
                {CacheKey::CacheCountry, "Korea, Republic of"},
                {CacheKey::CacheOwner, "Bob"},
                {CacheKey::LinkName, "Bridge"}}),
    };
    ListboxChanges changes(list);
    list.DeleteAllRows();
    for (const CacheRecord& cache : caches) {
        CacheAdd(list, cache);
    }
    changes.Commit();
}

void WriteFile(const fs::path& file, std::string_view content) {
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(content.data(), static_cast<std::streamsize>(content.size()));
    if (!out.flush()) {
        Fail("cannot write " + file.string());
    }
}

// Presses Import with the file and checks what it did; returns the rows it
// left.
Rows Import(DialogScript& dialogs, const fs::path& file, const ReadRows& document, ImportMode mode,
            const Rows& before) {
    // The reader hands each waypoint to the window through its single-instance
    // accessor, as at start-up; reading without the window replaced it.
    CacheReceiver::InstallAccessor([]() -> CacheReceiver& { return *WndMain::WndMain_(); });
    const std::vector<std::string> shown = PressWithFile(dialogs, *window->BtnImport(), file);
    return CheckImport(*window->LbxCaches(), before, document, mode, file.string(), shown);
}

void Export(DialogScript& dialogs, const Controls& controls, const Rows& rows) {
    window->ChkFilterOwner()->Value(controls.filterOwner);
    window->EdfFilterOwner()->Text(
        controls.ownerFromList && !rows.empty() ? rows.front()[CacheColumn::Owner] : "Ann");
    window->ChkNoUnknowns()->Value(controls.noUnknowns);
    window->ChkModify()->Value(controls.modify);
    window->PumModify()->ListIndex(controls.layout);
    // What the exports read: the owner's name as the field holds it.
    const WindowExportOptions options(*window);

    // A file left from the last input must not pass for a new one.
    const fs::path gpx = folder->File("export.gpx");
    const fs::path csv = folder->File("export.csv");
    fs::remove(gpx);
    fs::remove(csv);
    CheckGpxExport(rows, options, gpx.string(),
                   PressWithFile(dialogs, *window->BtnExportGPX(), gpx));
    CheckCsvExport(rows, options, csv.string(),
                   PressWithFile(dialogs, *window->BtnExportCSV(), csv));
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    // The window needs an application; it is shown offscreen.
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    static int argc = 1;
    static char name[] = "ImportExportFuzzer";
    static char* argv[] = {name, nullptr};
    new QApplication(argc, argv);
    window = WndMain::WndMain_();
    Preload(*window->LbxCaches());
    startingRows = Snapshot(*window->LbxCaches());
    // The window goes at the end before the statics of Qt it uses, as the
    // program lets it go before it returns.
    std::atexit([] {
        window.reset();
        ReleaseWindows();
    });
    folder = std::make_unique<PrivateFolder>();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    const Controls controls(data[0]);
    const std::string_view document(reinterpret_cast<const char*>(data + 1), size - 1);
    const fs::path file = folder->File("import.gpx");
    WriteFile(file, document);
    const ReadRows read = Read(document, "input");

    DialogScript dialogs;
    window->RbtImport(static_cast<std::int32_t>(controls.mode))->Value(true);
    Rows rows = Import(dialogs, file, read, controls.mode, startingRows);
    if (controls.twice) {
        rows = Import(dialogs, file, read, controls.mode, rows);
    }
    if (!read.failure) {
        Export(dialogs, controls, rows);
    }
    // Most inputs leave the list as it was; a refill costs more than the
    // look.
    if (!Holds(*window->LbxCaches(), startingRows)) {
        Preload(*window->LbxCaches());
    }
    return 0;
}
