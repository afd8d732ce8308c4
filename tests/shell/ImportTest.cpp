#include "CacheColumns.h"
#include "Listbox.h"
#include "MainWindowFixture.h"
#include "PushButton.h"
#include "RadioButton.h"
#include "TestFolder.h"

namespace {

using Messages = std::vector<std::string>;
using CodeList = std::vector<std::string>;

const CodeList pocketQuery = {"GC1A2B3", "GC4D5E6", "GC7F8A9", "GCB0C1D"};

using ImportTest = MainWindowFixture;

} // namespace

TEST_F(ImportTest, AFreshWindowAddsIntoAnEmptyListUnderItsHeadings) {
    EXPECT_FALSE(window->RbtImport(0)->Value());
    EXPECT_TRUE(window->RbtImport(1)->Value());
    EXPECT_FALSE(window->RbtImport(2)->Value());
    const Listbox& list = *window->LbxCaches();
    EXPECT_EQ(list.ListCount(), 0);
    ASSERT_EQ(list.ColumnCount(), 19);
    for (std::int32_t column = 0; column < 19; ++column) {
        EXPECT_EQ(list.Heading(column), CacheColumn::Headings[static_cast<std::size_t>(column)]);
    }
}

TEST_F(ImportTest, AddImportsEachNewCodeOnceAndKeepsTheFirstRowOfACode) {
    EXPECT_EQ(Import(Data("pocket-query.gpx")),
              Messages{"Imported 4 entries and skipped 0 caches."});
    EXPECT_EQ(ListedCodes(), pocketQuery);
    const Listbox& list = *window->LbxCaches();
    EXPECT_EQ(list.Cell(0, CacheColumn::Owner), "Tom & Jerry");
    EXPECT_EQ(list.Cell(0, CacheColumn::Name), "Points géodésiques du Québec");
    EXPECT_EQ(list.Cell(1, CacheColumn::Name), "  Tower walk <stage 1> ");
    EXPECT_EQ(list.CellTag(1, CacheColumn::Cache), "1234");

    EXPECT_EQ(Import(Data("more-caches.gpx")),
              Messages{"Imported 2 entries and skipped 2 caches."});
    EXPECT_EQ(ListedCodes(),
              (CodeList{"GC1A2B3", "GC4D5E6", "GC7F8A9", "GCB0C1D", "GCE2F3A", "GC9B8C7"}));
    EXPECT_EQ(list.Cell(1, CacheColumn::Type), "Multi-cache") << "the listed row stays unchanged";
    EXPECT_EQ(list.CellTag(1, CacheColumn::Cache), "1234");

    EXPECT_EQ(Import(Data("pocket-query.gpx")),
              Messages{"Imported 0 entries and skipped 4 caches."});
    EXPECT_EQ(list.ListCount(), 6);
}

TEST_F(ImportTest, ReplaceEmptiesTheListFirstAndCountsRepeatsWithinTheFile) {
    Import(Data("pocket-query.gpx"));
    EXPECT_EQ(Import(Data("more-caches.gpx"), 0),
              Messages{"Imported 3 entries and skipped 1 caches."});
    EXPECT_EQ(ListedCodes(), (CodeList{"GC4D5E6", "GCE2F3A", "GC9B8C7"}));
    EXPECT_EQ(window->LbxCaches()->Cell(0, CacheColumn::Type), "Letterbox Hybrid");
}

TEST_F(ImportTest, SubtractRemovesEachListedCodeOnce) {
    Import(Data("pocket-query.gpx"));
    Import(Data("more-caches.gpx"));
    EXPECT_EQ(Import(Data("pocket-query.gpx"), 2), Messages{"Removed 4 entries."});
    EXPECT_EQ(ListedCodes(), (CodeList{"GCE2F3A", "GC9B8C7"}));
    EXPECT_EQ(Import(Data("pocket-query.gpx"), 2), Messages{"Removed 0 entries."});
    EXPECT_EQ(Import(Data("more-caches.gpx"), 2), Messages{"Removed 2 entries."})
        << "a code named twice goes once";
    EXPECT_TRUE(ListedCodes().empty());
}

TEST_F(ImportTest, AFileWithoutWaypointsReportsZeroInEveryMode) {
    const TestFolder folder;
    const std::filesystem::path empty = folder.Write("empty.gpx", "<gpx><name>GC1</name></gpx>");
    Import(Data("pocket-query.gpx"));
    EXPECT_EQ(Import(empty, 1), Messages{"Imported 0 entries and skipped 0 caches."});
    EXPECT_EQ(ListedCodes(), pocketQuery);
    EXPECT_EQ(Import(empty, 2), Messages{"Removed 0 entries."});
    EXPECT_EQ(Import(empty, 0), Messages{"Imported 0 entries and skipped 0 caches."});
    EXPECT_TRUE(ListedCodes().empty());
}

TEST_F(ImportTest, ACancelledDialogChangesNothingAndShowsNothing) {
    Import(Data("pocket-query.gpx"));
    const auto before = ListSnapshot();
    dialogs.QueueCancel();
    window->BtnImport()->Push();
    EXPECT_EQ(dialogs.Messages().size(), 1u);
    EXPECT_EQ(ListSnapshot(), before);
}

// A file that cannot be read to its end leaves the list exactly as it was, in
// every mode, and says which file failed and why.
TEST_F(ImportTest, AFailedImportLeavesTheListAsItWas) {
    const TestFolder folder;
    const std::filesystem::path truncated = folder.Write(
        "truncated.gpx",
        "<gpx><wpt><name>GCNEW1</name></wpt><wpt><name>GC1A2B3</name></wpt><wpt><name>GC");
    const std::filesystem::path notXml = folder.Write("not-xml.gpx", "this is no GPX file");

    Import(Data("pocket-query.gpx"));
    const auto before = ListSnapshot();
    const struct {
        std::filesystem::path file;
        const char* reason;
    } failures[] = {{truncated, "no element found at line 1, column 80"},
                    {notXml, "syntax error"},
                    {folder / "missing.gpx", "No such file or directory"},
                    {folder.Path(), "Is a directory"}};
    for (const auto& failure : failures) {
        for (int mode : {0, 1, 2}) {
            const Messages shown = Import(failure.file, mode);
            ASSERT_EQ(shown.size(), 1u) << failure.file << " mode " << mode;
            EXPECT_EQ(
                shown[0].rfind("Error while reading file\n" + failure.file.string() + ": ", 0), 0u)
                << shown[0];
            EXPECT_NE(shown[0].find(failure.reason), std::string::npos) << shown[0];
            EXPECT_EQ(ListSnapshot(), before) << failure.file << " mode " << mode;
        }
    }
    EXPECT_EQ(Import(Data("more-caches.gpx")), Messages{"Imported 2 entries and skipped 2 caches."})
        << "the program goes on importing";
}

// An exception other than a read failure escapes the handler: the user is told
// what failed, the list stays as it was and the program goes on.
TEST_F(ImportTest, AnUnhandledExceptionIsReportedAndTheListKept) {
    Import(Data("pocket-query.gpx"));
    const auto before = ListSnapshot();
    CacheReceiver::InstallAccessor(nullptr);
    const Messages shown = Import(Data("more-caches.gpx"), 0);
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].rfind("An exception of class NilObjectException was not handled in "
                             "BtnImport.Action.\n",
                             0),
              0u)
        << shown[0];
    EXPECT_EQ(ListSnapshot(), before);
}
