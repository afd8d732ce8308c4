#include "FuzzSupport.h"

#include "CacheColumns.h"
#include "CacheList.h"
#include "CacheReceiver.h"
#include "Exceptions.h"
#include "GPXReader.h"
#include "RowStore.h"

#include <cstdio>
#include <cstdlib>

namespace {

// Appends every waypoint, duplicates included, to a list outside the window.
class AppendingReceiver : public CacheReceiver {
public:
    void CacheImported(const CacheRecord& record) override {
        if (record.Count() != CacheKey::All.size()) {
            Fail("a record does not hold exactly the 23 keys");
        }
        if (!CacheAdd(*list, record)) {
            Fail("CacheAdd appended no row", record.Value(CacheKey::Cache));
        }
    }

    RowStore* list = nullptr;
};

AppendingReceiver appending;

} // namespace

void Fail(const std::string& what, std::string_view detail) {
    std::fprintf(stderr, "\n*** Property broken: %s\n", what.c_str());
    if (!detail.empty()) {
        std::fprintf(stderr, "%.*s\n", static_cast<int>(detail.size()), detail.data());
    }
    std::abort();
}

void CheckShown(const std::vector<std::string>& shown, const std::vector<std::string>& expected,
                const char* press) {
    if (shown == expected) {
        return;
    }
    const auto listed = [](const std::vector<std::string>& messages) {
        std::string text;
        for (const std::string& message : messages) {
            text.append("\n  \"").append(message).append("\"");
        }
        return text;
    };
    Fail(std::string(press) + " showed other messages than expected",
         "shown:" + listed(shown) + "\nexpected:" + listed(expected));
}

Rows Snapshot(const ListRows& list) {
    Rows rows;
    for (std::int32_t row = 0; row < list.ListCount(); ++row) {
        Row& cells = rows.emplace_back();
        for (std::int32_t column = 0; column < CacheColumn::Count; ++column) {
            cells.push_back(list.Cell(row, column));
        }
        for (std::int32_t column = 0; column < CacheColumn::Count; ++column) {
            cells.push_back(list.CellTag(row, column));
        }
    }
    return rows;
}

bool Holds(const ListRows& list, const Rows& rows) {
    if (list.ListCount() != static_cast<std::int32_t>(rows.size())) {
        return false;
    }
    for (std::int32_t row = 0; row < list.ListCount(); ++row) {
        const Row& held = rows[static_cast<std::size_t>(row)];
        for (std::int32_t column = 0; column < CacheColumn::Count; ++column) {
            if (list.Cell(row, column) != held[static_cast<std::size_t>(column)] ||
                list.CellTag(row, column) !=
                    held[static_cast<std::size_t>(CacheColumn::Count + column)]) {
                return false;
            }
        }
    }
    return true;
}

ReadRows Read(std::string_view document, std::string_view source) {
    static RowStore scratch(CacheColumn::Count);
    scratch.DeleteAllRows();
    appending.list = &scratch;
    CacheReceiver::InstallAccessor([]() -> CacheReceiver& { return appending; });
    ReadRows read;
    try {
        GPXReader reader;
        reader.Parse(document, source);
    } catch (const FileException& failure) {
        read.failure = failure.Reason();
    }
    read.rows = Snapshot(scratch);
    return read;
}
