#include "CheckBox.h"
#include "FileContents.h"
#include "MainWindowFixture.h"
#include "PopupMenu.h"
#include "PushButton.h"
#include "TestFolder.h"
#include "TextField.h"

#include <filesystem>

namespace {

namespace fs = std::filesystem;
using Messages = std::vector<std::string>;

class ExportTest : public MainWindowFixture {
protected:
    void SetUp() override {
        MainWindowFixture::SetUp();
        Import(Data("pocket-query.gpx"));
    }

    const TestFolder folder;
};

} // namespace

TEST_F(ExportTest, GpxExportWritesTheFileAndCountsTheCachesWritten) {
    const fs::path file = folder / "caches.gpx";
    EXPECT_EQ(Press(window->BtnExportGPX(), file), Messages{"Exported 3 caches into the gpx file."})
        << "\"Don't include virtuals\" is on at start";
    EXPECT_EQ(dialogs.ProposedNames().back(), "export.gpx");
    const std::string written = FileContents(file);
    EXPECT_EQ(written.rfind("<?xml version=\"1.0\" encoding=\"utf-8\"?>\r\n", 0), 0u);
    EXPECT_EQ(written.substr(written.size() - 8), "</gpx>\r\n");
    EXPECT_EQ(written.find("GC7F8A9"), std::string::npos);

    window->ChkNoUnknowns()->Value(false);
    window->ChkFilterOwner()->Value(true);
    window->EdfFilterOwner()->Text("OWNER 2");
    EXPECT_EQ(Press(window->BtnExportGPX(), file),
              Messages{"Exported 1 caches into the gpx file."});
    EXPECT_NE(FileContents(file).find("<name>GC7F8A9</name>"), std::string::npos);

    window->ChkModify()->Value(true);
    window->PumModify()->ListIndex(1);
    Press(window->BtnExportGPX(), file);
    EXPECT_NE(FileContents(file).find("<groundspeak:name>GC7F8A9 Puzzle</groundspeak:name>"),
              std::string::npos);
}

TEST_F(ExportTest, CsvExportWritesTheFileAndShowsNothing) {
    const fs::path file = folder / "caches.csv";
    EXPECT_TRUE(Press(window->BtnExportCSV(), file).empty());
    EXPECT_EQ(dialogs.ProposedNames().back(), "export.csv");
    const std::string written = FileContents(file);
    EXPECT_EQ(written.rfind("Cache,Type,Container,Country,Difficulty,Terrain,Owner,Hint,Text,"
                            "Placed,Lat,Lon,Active,Archived,Url,Name,Titel\r\nGC1A2B3,",
                            0),
              0u);
    EXPECT_EQ(written.find("GC7F8A9"), std::string::npos);
}

TEST_F(ExportTest, NoFileFromTheDialogOrTheFolderIsReportedAndNothingWritten) {
    for (PushButton* button : {window->BtnExportGPX(), window->BtnExportCSV()}) {
        dialogs.QueueCancel();
        const std::size_t shownBefore = dialogs.Messages().size();
        button->Push();
        EXPECT_EQ(Messages(dialogs.Messages().begin() + static_cast<std::ptrdiff_t>(shownBefore),
                           dialogs.Messages().end()),
                  Messages{"Error while selecting file"});
        EXPECT_EQ(Press(button, folder / "missing" / "export.gpx"),
                  Messages{"Error while creating file"});
    }
    EXPECT_TRUE(fs::is_empty(folder.Path()));
}

TEST_F(ExportTest, AFailedWriteIsReportedAndNeverCountedAsDone) {
    if (!fs::exists("/dev/full")) {
        GTEST_SKIP() << "no /dev/full";
    }
    window->ChkNoUnknowns()->Value(false);
    for (PushButton* button : {window->BtnExportGPX(), window->BtnExportCSV()}) {
        EXPECT_EQ(Press(button, "/dev/full"),
                  Messages{"Error while writing file\n/dev/full: No space left on device"});
    }
}
