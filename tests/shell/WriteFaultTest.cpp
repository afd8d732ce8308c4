// Exports onto a file system that is full or read-only. Each runs on a small
// file system mounted for the test in a mount namespace of this process, so
// nothing outside sees it; without the right to mount, the tests skip.

#include "CheckBox.h"
#include "FileContents.h"
#include "MainWindowFixture.h"
#include "PushButton.h"
#include "TestFolder.h"

#include <filesystem>
#include <fstream>
#include <sched.h>
#include <sys/mount.h>

namespace {

namespace fs = std::filesystem;
using Messages = std::vector<std::string>;

class WriteFaultTest : public MainWindowFixture {
protected:
    void SetUp() override {
        MainWindowFixture::SetUp();
        if (::unshare(CLONE_NEWNS) != 0 ||
            ::mount("none", "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0 ||
            ::mount("tmpfs", folder.Path().c_str(), "tmpfs", 0, "size=256k") != 0) {
            GTEST_SKIP() << "no right to mount a file system here";
        }
        mounted = true;
        folder.Write("export.gpx", "the export of last week");
        folder.Write("export.csv", "the export of last week");
        window->ChkNoUnknowns()->Value(false);
        Import(Data("pocket-query.gpx"), 1);
    }
    void TearDown() override {
        if (mounted) {
            ::umount(folder.Path().c_str());
        }
        MainWindowFixture::TearDown();
    }

    const TestFolder folder;
    bool mounted = false;
};

} // namespace

TEST_F(WriteFaultTest, AFullFileSystemFailsTheExportAndKeepsTheOldFile) {
    std::ofstream filler(folder / "filler", std::ios::binary);
    const std::string block(4096, 'f');
    while (filler.write(block.data(), static_cast<std::streamsize>(block.size()))) {
    }
    filler.close();
    const auto before = FileNames(folder.Path());
    for (PushButton* button : {window->BtnExportGPX(), window->BtnExportCSV()}) {
        const fs::path target =
            folder / (button == window->BtnExportGPX() ? "export.gpx" : "export.csv");
        EXPECT_EQ(Press(button, target), Messages{"Error while writing file\n" + target.string() +
                                                  ": No space left on device"});
        EXPECT_EQ(FileContents(target), "the export of last week");
    }
    EXPECT_EQ(FileNames(folder.Path()), before) << "no partial file is left";
}

TEST_F(WriteFaultTest, AReadOnlyFileSystemCannotTakeTheExport) {
    ASSERT_EQ(::mount("tmpfs", folder.Path().c_str(), "tmpfs", MS_REMOUNT | MS_RDONLY, "size=256k"),
              0);
    const auto before = FileNames(folder.Path());
    for (PushButton* button : {window->BtnExportGPX(), window->BtnExportCSV()}) {
        const fs::path target =
            folder / (button == window->BtnExportGPX() ? "export.gpx" : "export.csv");
        EXPECT_EQ(Press(button, target), Messages{"Error while creating file"});
        EXPECT_EQ(FileContents(target), "the export of last week");
    }
    EXPECT_EQ(FileNames(folder.Path()), before);
}
