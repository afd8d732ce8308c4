#include "ImportCheck.h"

#include "CacheColumns.h"
#include "ListRows.h"

namespace {

// Replace and Add: the rows kept, then the row of the first waypoint of each
// code not listed yet, in the order of the file.
Rows Merged(const Rows& kept, const Rows& read) {
    CodeSet listed;
    for (const Row& row : kept) {
        listed.insert(row[CacheColumn::Cache]);
    }
    Rows rows = kept;
    for (const Row& row : read) {
        if (listed.insert(row[CacheColumn::Cache]).second) {
            rows.push_back(row);
        }
    }
    return rows;
}

// Subtract: the rows whose code the file does not name, in their order.
Rows Subtracted(const Rows& before, const Rows& read) {
    CodeSet named;
    for (const Row& row : read) {
        named.insert(row[CacheColumn::Cache]);
    }
    Rows rows;
    for (const Row& row : before) {
        if (!named.contains(row[CacheColumn::Cache])) {
            rows.push_back(row);
        }
    }
    return rows;
}

// Codes are unique in the list under the text equality, so each finds its
// own row.
void CheckIndex(const ListRows& list) {
    for (std::int32_t row = 0; row < list.ListCount(); ++row) {
        const std::int32_t found = list.FindRow(list.Cell(row, CacheColumn::Cache));
        if (found != row) {
            Fail("after the import the code of row " + std::to_string(row) + " finds row " +
                     std::to_string(found),
                 list.Cell(row, CacheColumn::Cache));
        }
    }
}

// Aborts unless the list holds the rows; names the first row that differs.
void CheckHolds(const ListRows& list, const Rows& expected, const std::string& what) {
    if (Holds(list, expected)) {
        return;
    }
    const Rows held = Snapshot(list);
    std::size_t row = 0;
    while (row < held.size() && row < expected.size() && held[row] == expected[row]) {
        ++row;
    }
    Fail(what + ": the list holds " + std::to_string(held.size()) + " rows for " +
             std::to_string(expected.size()) + ", and row " + std::to_string(row) +
             " is the first that differs",
         row < held.size() ? held[row][CacheColumn::Cache] : "");
}

} // namespace

Rows CheckImport(const ListRows& list, const Rows& before, const ReadRows& document,
                 ImportMode mode, const std::string& file, const std::vector<std::string>& shown) {
    CheckIndex(list);
    if (document.failure) {
        CheckShown(shown, {"Error while reading file\n" + file + ": " + *document.failure},
                   "a failed import");
        CheckHolds(list, before, "a failed import changed the list");
        return before;
    }

    Rows expected;
    std::string summary;
    if (mode == ImportMode::Subtract) {
        expected = Subtracted(before, document.rows);
        summary = "Removed " + std::to_string(before.size() - expected.size()) + " entries.";
    } else {
        expected = Merged(mode == ImportMode::Replace ? Rows() : before, document.rows);
        const std::size_t added =
            expected.size() - (mode == ImportMode::Replace ? 0 : before.size());
        summary = "Imported " + std::to_string(added) + " entries and skipped " +
                  std::to_string(document.rows.size() - added) + " caches.";
    }
    CheckShown(shown, {summary}, "the import");
    CheckHolds(list, expected,
               std::string(mode == ImportMode::Replace ? "Replace"
                           : mode == ImportMode::Add   ? "Add"
                                                       : "Subtract") +
                   " did not give what it promises");
    return expected;
}
