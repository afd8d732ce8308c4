#include "RowStore.h"

#include "Exceptions.h"
#include "Text.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace {

// Counts what a view would be told.
struct RecordingObserver : RowStoreObserver {
    const RowStore* rows = nullptr;
    int inserts = 0, removes = 0, resets = 0, cellChanges = 0;
    std::int32_t insertedFirst = -1, insertedLast = -1;
    // Rows the view believes in, checked against the store after each step.
    std::int32_t viewCount = 0;

    void RowsAboutToBeInserted(std::int32_t first, std::int32_t last) override {
        EXPECT_EQ(rows->PublishedCount(), viewCount);
        insertedFirst = first;
        insertedLast = last;
    }
    void RowsInserted() override {
        ++inserts;
        viewCount += insertedLast - insertedFirst + 1;
        EXPECT_EQ(rows->PublishedCount(), viewCount);
    }
    void RowsAboutToBeRemoved(std::int32_t first, std::int32_t last) override {
        viewCount -= last - first + 1;
    }
    void RowsRemoved() override {
        ++removes;
        EXPECT_EQ(rows->PublishedCount(), viewCount);
    }
    void AboutToReset() override {}
    void Reset() override {
        ++resets;
        viewCount = rows->PublishedCount();
    }
    void CellChanged(std::int32_t, std::int32_t) override { ++cellChanges; }
};

// A plain model of the rows, for comparing against.
struct ModelRow {
    std::vector<std::string> cells;
    std::vector<std::string> tags;
};

std::int32_t ScanForRow(const std::vector<ModelRow>& model, std::string_view code) {
    for (std::size_t i = 0; i < model.size(); ++i) {
        if (TextEqual(model[i].cells[0], code)) {
            return static_cast<std::int32_t>(i);
        }
    }
    return -1;
}

void ExpectSame(const RowStore& rows, const std::vector<ModelRow>& model,
                const std::vector<std::string>& codes) {
    ASSERT_EQ(rows.ListCount(), static_cast<std::int32_t>(model.size()));
    for (std::size_t i = 0; i < model.size(); ++i) {
        const auto row = static_cast<std::int32_t>(i);
        for (std::int32_t column = 0; column < rows.ColumnCount(); ++column) {
            ASSERT_EQ(rows.Cell(row, column), model[i].cells[static_cast<std::size_t>(column)]);
            ASSERT_EQ(rows.CellTag(row, column), model[i].tags[static_cast<std::size_t>(column)]);
        }
    }
    for (const std::string& code : codes) {
        ASSERT_EQ(rows.FindRow(code), ScanForRow(model, code)) << code;
    }
}

} // namespace

TEST(RowStore, RowsMoveUpWhenOneIsRemovedAndTagsStayWithTheirRow) {
    RowStore rows(3);
    for (const char* code : {"GC1", "GC2", "GC3"}) {
        rows.AddRow(code);
        rows.CellTag(rows.LastIndex(), 0, std::string("id-") + code);
    }
    rows.Cell(2, 2, "third");
    rows.RemoveRow(1);
    ASSERT_EQ(rows.ListCount(), 2);
    EXPECT_EQ(rows.Cell(0, 0), "GC1");
    EXPECT_EQ(rows.Cell(1, 0), "GC3");
    EXPECT_EQ(rows.Cell(1, 2), "third");
    EXPECT_EQ(rows.CellTag(1, 0), "id-GC3");
    EXPECT_EQ(rows.CellTag(1, 1), "");
    EXPECT_EQ(rows.FindRow("gc3"), 1);
    EXPECT_EQ(rows.FindRow("GC2"), -1);
}

TEST(RowStore, FindsTheFirstOfEqualCodesAndComparesWholeTexts) {
    RowStore rows(2);
    rows.AddRow("GC1");
    rows.AddRow("gc1");
    rows.AddRow("");
    rows.Cell(0, 1, "GC9");
    EXPECT_EQ(rows.FindRow("Gc1"), 0);
    EXPECT_EQ(rows.FindRow("GC1 "), -1);
    EXPECT_EQ(rows.FindRow(""), 2);
    EXPECT_EQ(rows.FindRow("GC9"), -1) << "only the first column is an index";
    rows.Cell(0, 0, "GC7");
    EXPECT_EQ(rows.FindRow("GC1"), 1);
    EXPECT_EQ(rows.FindRow("gc7"), 0);
    rows.DeleteAllRows();
    EXPECT_EQ(rows.FindRow("GC7"), -1);
    EXPECT_EQ(rows.ListCount(), 0);
    EXPECT_EQ(rows.LastIndex(), -1);
}

TEST(RowStore, LastIndexNamesTheRowLastAppended) {
    RowStore rows(1);
    EXPECT_EQ(rows.LastIndex(), -1);
    rows.AddRow("a");
    rows.AddRow("b");
    EXPECT_EQ(rows.LastIndex(), 1);
    rows.RemoveRow(0);
    EXPECT_EQ(rows.LastIndex(), 0);
    rows.BeginBatch();
    rows.AddRow("c");
    rows.RemoveRow(0);
    EXPECT_EQ(rows.LastIndex(), 0);
    rows.RevertBatch();
    EXPECT_EQ(rows.LastIndex(), 0);
    EXPECT_EQ(rows.Cell(0, 0), "b");
}

TEST(RowStore, IndexesOutsideTheRowsOrColumnsThrow) {
    RowStore rows(2);
    rows.AddRow("a");
    EXPECT_THROW(rows.Cell(1, 0), OutOfBoundsException);
    EXPECT_THROW(rows.Cell(-1, 0), OutOfBoundsException);
    EXPECT_THROW(rows.Cell(0, 2), OutOfBoundsException);
    EXPECT_THROW(rows.CellTag(0, -1, "x"), OutOfBoundsException);
    EXPECT_THROW(rows.RemoveRow(1), OutOfBoundsException);
}

TEST(RowStore, ABatchIsPublishedInOneStep) {
    RowStore rows(2);
    RecordingObserver view;
    view.rows = &rows;
    rows.SetObserver(&view);
    rows.AddRow("before");
    ASSERT_EQ(view.inserts, 1);

    rows.BeginBatch();
    for (int i = 0; i < 1000; ++i) {
        rows.AddRow("GC" + std::to_string(i));
        rows.Cell(rows.LastIndex(), 1, "x");
    }
    EXPECT_EQ(rows.PublishedCount(), 1) << "the view keeps the rows of before the batch";
    EXPECT_EQ(rows.PublishedCell(0, 0), "before");
    rows.CommitBatch();
    EXPECT_EQ(view.inserts, 2);
    EXPECT_EQ(view.cellChanges, 0);
    EXPECT_EQ(view.viewCount, 1001);

    rows.BeginBatch();
    for (int i = 0; i < 500; ++i) {
        rows.RemoveRow(1);
    }
    EXPECT_EQ(rows.PublishedCount(), 1001);
    EXPECT_EQ(rows.PublishedCell(1, 0), "GC0");
    rows.CommitBatch();
    EXPECT_EQ(view.removes, 0);
    EXPECT_EQ(view.resets, 1);
    EXPECT_EQ(view.viewCount, 501);
    EXPECT_EQ(rows.Cell(1, 0), "GC500");
}

TEST(RowStore, ARevertedBatchLeavesEveryRowCellAndTagAsBefore) {
    RowStore rows(3);
    std::vector<ModelRow> model;
    for (int i = 0; i < 20; ++i) {
        const std::string code = "GC" + std::to_string(i);
        rows.AddRow(code);
        rows.Cell(i, 2, "cell" + std::to_string(i));
        rows.CellTag(i, 1, "tag" + std::to_string(i));
        model.push_back(
            {{code, "", "cell" + std::to_string(i)}, {"", "tag" + std::to_string(i), ""}});
    }
    RecordingObserver view;
    view.rows = &rows;
    view.viewCount = 20;
    rows.SetObserver(&view);

    rows.BeginBatch();
    rows.RemoveRow(3);
    rows.Cell(0, 0, "renamed");
    rows.CellTag(5, 1, "changed");
    rows.CellTag(6, 0, "new tag");
    rows.DeleteAllRows();
    rows.AddRow("GC3");
    rows.AddRow("fresh");
    rows.RemoveRow(0);
    EXPECT_EQ(rows.FindRow("fresh"), 0);
    rows.RevertBatch();

    ExpectSame(rows, model, {"GC0", "GC3", "renamed", "fresh", "gc19"});
    EXPECT_EQ(view.viewCount, 20);
}

// Random operations in and out of batches, compared after every step with a
// plain vector of rows and with a scan for the index.
TEST(RowStore, AgreesWithAPlainListUnderRandomOperations) {
    std::mt19937 random(20261209);
    RowStore rows(3);
    RecordingObserver view;
    view.rows = &rows;
    rows.SetObserver(&view);
    std::vector<ModelRow> model;
    std::vector<ModelRow> saved;
    bool inBatch = false;
    std::vector<std::string> codes;
    for (int i = 0; i < 40; ++i) {
        codes.push_back((i % 3 == 0 ? "gc" : "GC") + std::to_string(i % 25));
    }
    auto pick = [&](std::size_t count) {
        return std::uniform_int_distribution<std::size_t>(0, count - 1)(random);
    };

    for (int step = 0; step < 6000; ++step) {
        const std::size_t action = pick(100);
        if (action < 35) {
            const std::string& code = codes[pick(codes.size())];
            rows.AddRow(code);
            model.push_back({{code, "", ""}, {"", "", ""}});
        } else if (action < 60 && !model.empty()) {
            const std::size_t row = pick(model.size());
            rows.RemoveRow(static_cast<std::int32_t>(row));
            model.erase(model.begin() + static_cast<std::ptrdiff_t>(row));
        } else if (action < 75 && !model.empty()) {
            const std::size_t row = pick(model.size());
            const auto column = static_cast<std::int32_t>(pick(3));
            const std::string text = codes[pick(codes.size())];
            if (pick(2) == 0) {
                rows.Cell(static_cast<std::int32_t>(row), column, text);
                model[row].cells[static_cast<std::size_t>(column)] = text;
            } else {
                rows.CellTag(static_cast<std::int32_t>(row), column, text);
                model[row].tags[static_cast<std::size_t>(column)] = text;
            }
        } else if (action < 77) {
            rows.DeleteAllRows();
            model.clear();
        } else if (action < 85 && !inBatch) {
            rows.BeginBatch();
            saved = model;
            inBatch = true;
        } else if (action < 92 && inBatch) {
            rows.CommitBatch();
            inBatch = false;
        } else if (action < 100 && inBatch) {
            rows.RevertBatch();
            model = saved;
            inBatch = false;
        }
        ExpectSame(rows, model, codes);
        if (!inBatch) {
            ASSERT_EQ(view.viewCount, rows.ListCount()) << "step " << step;
        }
        if (testing::Test::HasFatalFailure()) {
            FAIL() << "after step " << step;
        }
    }
}
