#include "Exceptions.h"
#include "FileContents.h"
#include "FolderItem.h"
#include "TestFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

class TextOutputStreamTest : public testing::Test {
protected:
    // A test may take the write right away from the folder; it gets it back
    // so that the folder can be removed.
    void TearDown() override {
        fs::permissions(folder.Path(), fs::perms::owner_all, fs::perm_options::add);
    }
    const TestFolder folder;
};

} // namespace

TEST_F(TextOutputStreamTest, WritesEachLineWithTheDelimiterAndPutsTheFileInPlaceAtClose) {
    const fs::path target = folder.Write("export.gpx", "old contents");
    auto stream = FolderItem(target).CreateTextFile();
    ASSERT_NE(stream, nullptr);
    stream->Delimiter("\r\n");
    stream->WriteLine("<gpx>");
    stream->WriteLine("");
    stream->WriteLine("Québec");
    EXPECT_EQ(FileContents(target), "old contents") << "the old file stands until Close";
    stream->Close();
    EXPECT_EQ(FileContents(target), "<gpx>\r\n\r\nQuébec\r\n");
    EXPECT_EQ(FileNames(folder.Path()), std::vector<std::string>{"export.gpx"});
    EXPECT_THROW(stream->WriteLine("late"), IOException);
}

TEST_F(TextOutputStreamTest, AStreamThatIsNotClosedLeavesNoTraceAndTheOldFileIntact) {
    const fs::path target = folder.Write("export.csv", "kept");
    {
        auto stream = FolderItem(target).CreateTextFile();
        ASSERT_NE(stream, nullptr);
        stream->Delimiter("\n");
        for (int i = 0; i < 100000; ++i) {
            stream->WriteLine("a line long enough to pass the buffer several times");
        }
    }
    EXPECT_EQ(FileContents(target), "kept");
    EXPECT_EQ(FileNames(folder.Path()), std::vector<std::string>{"export.csv"});
}

TEST_F(TextOutputStreamTest, KeepsThePermissionsOfTheFileItReplaces) {
    const fs::path target = folder.Write("shared.csv", "x");
    fs::permissions(target, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    auto stream = FolderItem(target).CreateTextFile();
    ASSERT_NE(stream, nullptr);
    stream->Close();
    EXPECT_EQ(fs::status(target).permissions(),
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
}

TEST_F(TextOutputStreamTest, NoStreamWhereNoFileCanBeCreated) {
    EXPECT_EQ(FolderItem(folder.Path()).CreateTextFile(), nullptr) << "a folder";
    EXPECT_EQ(FolderItem(folder / "gone" / "export.gpx").CreateTextFile(), nullptr)
        << "a folder that does not exist";
    if (::geteuid() != 0) {
        fs::permissions(folder.Path(), fs::perms::owner_read | fs::perms::owner_exec);
        EXPECT_EQ(FolderItem(folder / "export.gpx").CreateTextFile(), nullptr) << "read-only";
    }
}

TEST_F(TextOutputStreamTest, AFullDeviceRaisesTheSystemsReason) {
    if (!fs::exists("/dev/full")) {
        GTEST_SKIP() << "no /dev/full";
    }
    auto stream = FolderItem("/dev/full").CreateTextFile();
    ASSERT_NE(stream, nullptr);
    stream->Delimiter("\r\n");
    try {
        for (int i = 0; i < 100000; ++i) {
            stream->WriteLine("line");
        }
        stream->Close();
        FAIL() << "writing to a full device succeeded";
    } catch (const IOException& failure) {
        EXPECT_EQ(failure.File(), "/dev/full");
        EXPECT_EQ(failure.Reason(), "No space left on device");
    }
}
