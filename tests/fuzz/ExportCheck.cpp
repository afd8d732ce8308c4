#include "ExportCheck.h"

#include "CacheColumns.h"
#include "ExportOptions.h"
#include "FileContents.h"

#include <algorithm>

namespace {

bool IsUnknown(const Row& row) {
    return TextEqual(row[CacheColumn::Type], "Unknown Cache");
}

// Compares what reading the export back gave for a cell or tag (index < 19 a
// cell, else the tag of column index - 19) with what the exported row holds.
bool ReadsBackAlike(std::size_t index, const std::string& held, const std::string& readBack,
                    const ExportOptions& options) {
    const auto column = static_cast<std::int32_t>(index % CacheColumn::Count);
    const bool tag = index >= static_cast<std::size_t>(CacheColumn::Count);
    if (column == CacheColumn::Hint || column == CacheColumn::Text) {
        return readBack.empty(); // not written
    }
    if (!tag && (column == CacheColumn::Cache || column == CacheColumn::Name) && options.Modify()) {
        return true; // rewritten for GPS receivers
    }
    if (!tag && column == CacheColumn::Name) {
        return readBack == Trim(held);
    }
    return readBack == held;
}

} // namespace

void CheckGpxExport(const Rows& rows, const ExportOptions& options, const std::string& file,
                    const std::vector<std::string>& shown) {
    std::vector<const Row*> exported;
    for (const Row& row : rows) {
        const bool ownerPasses =
            !options.FilterOwner() || TextEqual(row[CacheColumn::Owner], options.OwnerName());
        if (ownerPasses && (!options.NoUnknowns() || !IsUnknown(row))) {
            exported.push_back(&row);
        }
    }
    CheckShown(shown,
               {"Exported " + std::to_string(exported.size()) + " caches into the gpx file."},
               "the GPX export");

    const std::string document = FileContents(file);
    const ReadRows again = Read(document, file);
    if (again.failure) {
        Fail("the GPX export is not well-formed: " + *again.failure, document);
    }
    if (again.rows.size() != exported.size()) {
        Fail("the GPX export reads back as " + std::to_string(again.rows.size()) + " caches for " +
                 std::to_string(exported.size()) + " rows that pass the filters",
             document);
    }
    for (std::size_t row = 0; row < exported.size(); ++row) {
        const Row& held = *exported[row];
        for (std::size_t index = 0; index < held.size(); ++index) {
            if (!ReadsBackAlike(index, held[index], again.rows[row][index], options)) {
                Fail("row " + std::to_string(row) + ", " + (index < 19 ? "cell " : "tag ") +
                         std::to_string(index % 19) + " reads back as \"" + again.rows[row][index] +
                         "\" instead of \"" + held[index] + "\"",
                     document);
            }
        }
    }
}

void CheckCsvExport(const Rows& rows, const ExportOptions& options, const std::string& file,
                    const std::vector<std::string>& shown) {
    CheckShown(shown, {}, "the CSV export");
    const std::string document = FileContents(file);
    std::vector<std::string_view> lines;
    std::string_view rest = document;
    for (std::size_t end = rest.find("\r\n"); end != std::string_view::npos;
         end = rest.find("\r\n")) {
        lines.push_back(rest.substr(0, end));
        rest.remove_prefix(end + 2);
    }
    if (!rest.empty()) {
        Fail("the CSV does not end in CR LF", document);
    }
    const auto expected =
        static_cast<std::size_t>(std::count_if(rows.begin(), rows.end(), [&](const Row& row) {
            return !options.NoUnknowns() || !IsUnknown(row);
        }));
    if (lines.size() != expected + 1) {
        Fail("the CSV holds " + std::to_string(lines.size()) + " lines for " +
                 std::to_string(expected) + " caches",
             document);
    }
    // Every line break of a cell is written as " - ": no line holds a
    // carriage return or a line feed.
    for (const std::string_view line : lines) {
        if (std::count(line.begin(), line.end(), ',') != 16 ||
            line.find_first_of("\r\n") != std::string_view::npos) {
            Fail("a CSV line does not hold 17 fields on one line", line);
        }
    }
}
