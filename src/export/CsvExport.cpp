#include "CsvExport.h"

#include "CacheColumns.h"
#include "Text.h"

#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

namespace {

constexpr std::string_view kHeader = "Cache,Type,Container,Country,Difficulty,Terrain,Owner,Hint,"
                                     "Text,Placed,Lat,Lon,Active,Archived,Url,Name,Titel";

constexpr std::int32_t kFieldCount = 17;

// Appends a field with its commas written as ";" and its line feeds as " - ",
// so that it neither splits the line nor adds a field.
void AppendField(std::string& line, std::string_view field) {
    // memchr finds the next comma and the next line feed faster than a loop
    // over the bytes; most fields hold neither.
    const char* const end = field.data() + field.size();
    const char* start = field.data();
    const auto next = [end](const char* from, char c) {
        const void* found = std::memchr(from, c, static_cast<std::size_t>(end - from));
        return found != nullptr ? static_cast<const char*>(found) : end;
    };
    const char* comma = next(start, ',');
    const char* lineFeed = next(start, '\n');
    while (comma != end || lineFeed != end) {
        const bool isComma = comma < lineFeed;
        const char* found = isComma ? comma : lineFeed;
        line.append(start, found);
        line.append(isComma ? ";" : " - ");
        start = found + 1;
        (isComma ? comma : lineFeed) = next(start, isComma ? ',' : '\n');
    }
    line.append(start, end);
}

} // namespace

void WriteCsv(LineSink& sink, const CacheRows& rows, const ExportOptions& options) {
    sink.WriteLine(kHeader);
    std::string line;
    for (std::int32_t row = 0; row < rows.ListCount(); ++row) {
        if (options.NoUnknowns() && TextEqual(rows.Cell(row, CacheColumn::Type), "Unknown Cache")) {
            continue;
        }
        line.clear();
        for (std::int32_t column = 0; column < kFieldCount; ++column) {
            if (column > 0) {
                line += ',';
            }
            const std::string& cell = rows.Cell(row, column);
            // The hint and the short description often end in white space or
            // a line break, which would end the field in " - ".
            if (column == CacheColumn::Hint || column == CacheColumn::Text) {
                AppendField(line, Trim(cell));
            } else {
                AppendField(line, cell);
            }
        }
        sink.WriteLine(line);
    }
}
