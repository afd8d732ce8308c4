// When the stream puts its bytes on the disk. This program replaces the C
// library's fsync with one that notes what it syncs and can fail on demand,
// since no file system here fails a sync by itself.

#include "Exceptions.h"
#include "FileContents.h"
#include "FolderItem.h"
#include "TestFolder.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <dlfcn.h>
#include <filesystem>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

struct Sync {
    fs::path synced;
    // What the target held at the moment of the sync.
    std::string target;
};

struct SyncWatch {
    fs::path target;
    std::vector<Sync> syncs;
    // The sync with this number (counted from 0) fails with EIO.
    std::size_t failing = SIZE_MAX;
};

SyncWatch* watch = nullptr;

} // namespace

extern "C" int fsync(int descriptor) {
    static const auto realSync = reinterpret_cast<int (*)(int)>(::dlsym(RTLD_NEXT, "fsync"));
    if (watch != nullptr) {
        const std::size_t number = watch->syncs.size();
        std::error_code ignored;
        watch->syncs.push_back(
            {fs::read_symlink("/proc/self/fd/" + std::to_string(descriptor), ignored),
             FileContents(watch->target)});
        if (number == watch->failing) {
            errno = EIO;
            return -1;
        }
    }
    return realSync(descriptor);
}

namespace {

class TextOutputStreamSyncTest : public testing::Test {
protected:
    void SetUp() override {
        target = folder.Write("export.gpx", "last week");
        syncs.target = target;
        watch = &syncs;
    }
    void TearDown() override { watch = nullptr; }

    // Writes one line to the target and closes the stream.
    void Export() {
        auto stream = FolderItem(target).CreateTextFile();
        ASSERT_NE(stream, nullptr);
        stream->Delimiter("\r\n");
        stream->WriteLine("today");
        stream->Close();
    }

    TestFolder folder;
    fs::path target;
    SyncWatch syncs;
};

} // namespace

TEST_F(TextOutputStreamSyncTest, SyncsTheFileBeforeItReplacesTheOldOneAndTheFolderAfter) {
    Export();
    ASSERT_EQ(syncs.syncs.size(), 2u);
    EXPECT_EQ(syncs.syncs[0].synced.parent_path(), folder.Path());
    EXPECT_TRUE(syncs.syncs[0].synced.filename().string().starts_with(".export.gpx."))
        << syncs.syncs[0].synced;
    EXPECT_EQ(syncs.syncs[0].target, "last week");
    EXPECT_EQ(syncs.syncs[1].synced, folder.Path());
    EXPECT_EQ(syncs.syncs[1].target, "today\r\n");
}

TEST_F(TextOutputStreamSyncTest, AFailingSyncOfTheFileFailsTheWriteAndKeepsTheOldFile) {
    syncs.failing = 0;
    try {
        Export();
        FAIL() << "a failed sync was taken for a written file";
    } catch (const IOException& failure) {
        EXPECT_EQ(failure.File(), target.string());
        EXPECT_EQ(failure.Reason(), "Input/output error");
    }
    EXPECT_EQ(FileContents(target), "last week");
    EXPECT_EQ(FileNames(folder.Path()), std::vector<std::string>{"export.gpx"});

    // A new file is not created at all.
    fs::remove(target);
    syncs.syncs.clear();
    EXPECT_THROW(Export(), IOException);
    EXPECT_TRUE(fs::is_empty(folder.Path()));
}

TEST_F(TextOutputStreamSyncTest, AFailingSyncOfTheFolderIsReported) {
    // The file is in place by then, but whether its name survives a crash is
    // not known, and the user must not be told that all went well.
    syncs.failing = 1;
    EXPECT_THROW(Export(), IOException);
    EXPECT_EQ(FileContents(target), "today\r\n");
    EXPECT_EQ(FileNames(folder.Path()), std::vector<std::string>{"export.gpx"});
}

TEST_F(TextOutputStreamSyncTest, ALinkIsFollowedToTheFileAndFolderItNames) {
    const fs::path elsewhere = folder / "elsewhere";
    fs::create_directory(elsewhere);
    fs::rename(target, elsewhere / "export.gpx");
    fs::create_symlink(elsewhere / "export.gpx", target);
    syncs.target = elsewhere / "export.gpx";
    Export();
    EXPECT_TRUE(fs::is_symlink(target));
    EXPECT_EQ(FileContents(elsewhere / "export.gpx"), "today\r\n");
    ASSERT_EQ(syncs.syncs.size(), 2u);
    EXPECT_EQ(syncs.syncs[0].synced.parent_path(), elsewhere);
    EXPECT_EQ(syncs.syncs[1].synced, elsewhere);
}

TEST_F(TextOutputStreamSyncTest, ADeviceIsWrittenWithoutASync) {
    auto stream = FolderItem("/dev/null").CreateTextFile();
    ASSERT_NE(stream, nullptr);
    stream->WriteLine("gone");
    stream->Close();
    EXPECT_TRUE(syncs.syncs.empty());
}
