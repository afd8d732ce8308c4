#include "CacheList.h"

#include "CacheColumns.h"
#include "RowStore.h"

#include <gtest/gtest.h>

namespace {

CacheRecord RecordWithDistinctValues(std::string_view code) {
    CacheRecord record;
    for (std::string_view key : CacheKey::All) {
        record.Value(key, "v:" + std::string(key));
    }
    record.Value(CacheKey::Cache, code);
    return record;
}

struct CacheListTest : testing::Test {
    RowStore list{CacheColumn::Count};
};

} // namespace

TEST_F(CacheListTest, AddWritesEveryCellAndTheFourTagsFromTheirKeys) {
    ASSERT_TRUE(CacheAdd(list, RecordWithDistinctValues("GC1")));
    ASSERT_EQ(list.ListCount(), 1);
    const char* cellKeys[CacheColumn::Count] = {"Cache",
                                                "CacheType",
                                                "CacheContainer",
                                                "CacheCountry",
                                                "CacheDifficulty",
                                                "CacheTerrain",
                                                "CacheOwner",
                                                "CacheHint",
                                                "CacheTextShort",
                                                "Placed",
                                                "PositionLat",
                                                "PositionLon",
                                                "CacheAvailable",
                                                "CacheArchived",
                                                "Link",
                                                "CacheName",
                                                "Description",
                                                "Symbol",
                                                "Type"};
    EXPECT_EQ(list.Cell(0, 0), "GC1");
    for (std::int32_t column = 1; column < CacheColumn::Count; ++column) {
        EXPECT_EQ(list.Cell(0, column), std::string("v:") + cellKeys[column]) << column;
    }
    EXPECT_EQ(list.CellTag(0, CacheColumn::Cache), "v:CacheID");
    EXPECT_EQ(list.CellTag(0, CacheColumn::Owner), "v:CachePlacedBy");
    EXPECT_EQ(list.CellTag(0, CacheColumn::Text), "v:CacheTextLong");
    EXPECT_EQ(list.CellTag(0, CacheColumn::Url), "v:LinkName");
}

TEST_F(CacheListTest, FindsCodesInTheFirstColumnOnly) {
    EXPECT_FALSE(CacheInTable(list, ""));
    EXPECT_FALSE(CacheDel(list, "GC1"));
    CacheAdd(list, RecordWithDistinctValues(""));
    CacheAdd(list, RecordWithDistinctValues("GC1"));
    EXPECT_TRUE(CacheInTable(list, ""));
    EXPECT_TRUE(CacheInTable(list, "gc1"));
    EXPECT_FALSE(CacheInTable(list, "GC1 "));
    EXPECT_FALSE(CacheInTable(list, "v:CacheName"));
}

TEST_F(CacheListTest, DelRemovesOnlyTheRowOfTheCode) {
    for (const char* code : {"GC1", "GC2", "GC3"}) {
        CacheAdd(list, RecordWithDistinctValues(code));
    }
    EXPECT_TRUE(CacheDel(list, "GC2"));
    ASSERT_EQ(list.ListCount(), 2);
    EXPECT_EQ(list.Cell(0, 0), "GC1");
    EXPECT_EQ(list.Cell(1, 0), "GC3");
    EXPECT_EQ(list.CellTag(1, CacheColumn::Owner), "v:CachePlacedBy");
    EXPECT_FALSE(CacheDel(list, "GC2"));
}
