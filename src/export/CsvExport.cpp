#include "CsvExport.h"

#include "CacheColumns.h"
#include "Text.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace {

constexpr std::string_view kHeader = "Cache,Type,Container,Country,Difficulty,Terrain,Owner,Hint,"
                                     "Text,Placed,Lat,Lon,Active,Archived,Url,Name,Titel";

constexpr std::int32_t kFieldCount = 17;

// Appends a field with its commas written as ";" and each line break (CR LF,
// a lone CR or a lone LF) as " - ", so that it neither adds a field nor
// splits the cache's line: a CSV reader takes a lone CR for a line end too.
void AppendField(std::string& line, std::string_view field) {
    std::size_t start = 0;
    for (std::size_t at = 0; at < field.size(); ++at) {
        const char c = field[at];
        if (c != ',' && c != '\r' && c != '\n') {
            continue;
        }
        line.append(field.substr(start, at - start));
        if (c == ',') {
            line += ';';
        } else {
            line += " - ";
            if (c == '\r' && at + 1 < field.size() && field[at + 1] == '\n') {
                ++at;
            }
        }
        start = at + 1;
    }
    line.append(field.substr(start));
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
