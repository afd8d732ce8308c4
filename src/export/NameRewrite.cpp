#include "NameRewrite.h"

#include "CacheColumns.h"
#include "Text.h"
#include "TextIndex.h"
#include "XmlEscape.h"

#include <array>
#include <string_view>

namespace {

// Layout 0 keeps most of the code in the waypoint name; every other layout
// puts difficulty, terrain and size there instead.
constexpr std::int32_t kCodeInWaypointName = 0;

// The letters of a cache type; types not in the table give "?".
std::string_view CacheTypeLetters(std::string_view type) {
    static const TextIndex types{"Traditional Cache", "Multi-cache",
                                 "Letterbox Hybrid",  "Event Cache",
                                 "Earthcache",        "Webcam Cache",
                                 "Virtual Cache",     "Locationless (Reverse) Cache",
                                 "Mega-Event Cache",  "Cache In Trash Out Event",
                                 "Wherigo Cache",     "GPS Adventures Exhibit"};
    static constexpr std::array<std::string_view, 12> letters = {"",  "M", "L",  "Ev", "Er", "W",
                                                                 "V", "V", "Ev", "Ct", "Wh", "Ae"};
    const std::int32_t found = types.Find(type);
    return found < 0 ? std::string_view("?") : letters[static_cast<std::size_t>(found)];
}

// The size letter of a container, "?" for containers not in the table.
char ContainerLetter(std::string_view container) {
    static const TextIndex containers{"Micro", "Small", "Regular", "Large"};
    static constexpr std::array<char, 4> letters = {'M', 'S', 'R', 'L'};
    const std::int32_t found = containers.Find(container);
    return found < 0 ? '?' : letters[static_cast<std::size_t>(found)];
}

// A difficulty or terrain rating rounded down to a whole number: "2" for 2.5,
// "0" for the empty text.
std::string WholeRating(std::string_view rating) {
    return Str(Floor(Val(rating)));
}

// Difficulty "/" terrain, then the separator and the size letter: "2/1/S" or
// "2/1-S".
std::string RatingsAndSize(const CacheRows& rows, std::int32_t row, char sizeSeparator) {
    std::string text = WholeRating(rows.Cell(row, CacheColumn::Diff));
    text += '/';
    text += WholeRating(rows.Cell(row, CacheColumn::Terr));
    text += sizeSeparator;
    text += ContainerLetter(rows.Cell(row, CacheColumn::Container));
    return text;
}

} // namespace

std::string ExportWptName(const CacheRows& rows, const ExportOptions& options, std::int32_t row) {
    const std::string& code = rows.Cell(row, CacheColumn::Cache);
    if (!options.Modify()) {
        return ReplaceSpecial(code);
    }
    // "X" marks a cache that is not available.
    std::string name = TextEqual(rows.Cell(row, CacheColumn::Active), "False") ? "X" : "";
    name += CacheTypeLetters(rows.Cell(row, CacheColumn::Type));
    if (options.ModifyLayout() == kCodeInWaypointName) {
        // The code without its first two characters; nothing of a shorter one.
        const auto remainder = static_cast<std::int64_t>(Len(code)) - 2;
        name += ReplaceSpecial(Right(code, remainder));
    } else {
        name += '-';
        name += RatingsAndSize(rows, row, '-');
    }
    return name;
}

std::string ExportCacheName(const CacheRows& rows, const ExportOptions& options, std::int32_t row) {
    std::string name = ReplaceSpecial(Trim(rows.Cell(row, CacheColumn::Name)));
    if (!options.Modify()) {
        return name;
    }
    // The part in front is followed by a space also when the name is empty.
    std::string front = options.ModifyLayout() == kCodeInWaypointName
                            ? RatingsAndSize(rows, row, '/')
                            : ReplaceSpecial(rows.Cell(row, CacheColumn::Cache));
    front += ' ';
    front += name;
    return front;
}
