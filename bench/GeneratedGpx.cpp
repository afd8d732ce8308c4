#include "GeneratedGpx.h"

#include <array>
#include <fstream>
#include <random>
#include <string>

namespace {

const std::array<const char*, 6> types = {"Traditional Cache", "Multi-cache", "Unknown Cache",
                                          "Virtual Cache",     "Earthcache",  "Letterbox Hybrid"};
const std::array<const char*, 5> containers = {"Micro", "Small", "Regular", "Large", "Other"};
const std::array<const char*, 4> countries = {"Germany", "Canada", "Bosnia &amp; Herzegovina",
                                              "Österreich"};
const std::array<const char*, 4> logTypes = {"Found it", "Didn't find it", "Write note",
                                             "Owner Maintenance"};

// Sentences of the kind descriptions and logs hold, with accents and entities.
const std::array<const char*, 8> sentences = {
    "Le but de cette cache est de trouver les points géodésiques du territoire québécois. ",
    "Park near the old mill &amp; follow the path along the river for about 300 m. ",
    "&lt;p&gt;Die Dose liegt gut versteckt unter einer großen Wurzel.&lt;/p&gt; ",
    "Bitte nach dem Loggen wieder sorgfältig verstecken &#8211; danke! ",
    "&lt;img src=\"http://www.example.org/images/spoiler.jpg\" alt=\"Spoiler\" /&gt; ",
    "Watch out for muggles on weekends; the bench is a popular place. ",
    "Ne pas oublier un crayon, le logbook est petit. Très jolie vue sur le lac. ",
    "&lt;b&gt;Achtung:&lt;/b&gt; Im Winter ist der Weg nicht geräumt. "};

std::string Text(std::mt19937& random, std::size_t minimumBytes) {
    std::string text;
    while (text.size() < minimumBytes) {
        text += sentences[random() % sentences.size()];
    }
    return text;
}

} // namespace

void WriteGeneratedGpx(const std::filesystem::path& file, std::int32_t caches) {
    std::mt19937 random(static_cast<std::mt19937::result_type>(caches));
    std::ofstream out(file, std::ios::binary);
    out << R"(<?xml version="1.0" encoding="utf-8"?>
<gpx xmlns:xsd="http://www.w3.org/2001/XMLSchema" xmlns:xsi="http://www.w3.org/2001/XMLSchema-instance" version="1.0" creator="Benchmark" xsi:schemaLocation="http://www.topografix.com/GPX/1/0 http://www.topografix.com/GPX/1/0/gpx.xsd http://www.groundspeak.com/cache/1/0 http://www.groundspeak.com/cache/1/0/cache.xsd" xmlns="http://www.topografix.com/GPX/1/0">
  <name>Generated pocket query</name>
  <desc>Geocache file generated for the benchmark</desc>
  <author>Benchmark</author>
  <email>bench@example.org</email>
  <time>2026-12-09T10:00:00.0000000-07:00</time>
  <keywords>cache, geocache</keywords>
)";
    for (std::int32_t i = 0; i < caches; ++i) {
        const std::string code = "GC" + std::to_string(100000 + i);
        const char* type = types[random() % types.size()];
        const std::string owner = "Owner Ünal " + std::to_string(random() % 5000);
        const std::string name = "Cache " + std::to_string(i) + " am Mühlbach";
        const double difficulty = 1 + static_cast<double>(random() % 9) / 2;
        const double terrain = 1 + static_cast<double>(random() % 9) / 2;
        out << "  <wpt lat=\"" << 45 + static_cast<double>(random() % 100000) / 10000 << "\" lon=\""
            << 7 + static_cast<double>(random() % 100000) / 10000 << "\">\n"
            << "    <time>2009-0" << 1 + random() % 9 << "-1" << random() % 10
            << "T00:00:00</time>\n"
            << "    <name>" << code << "</name>\n"
            << "    <desc>" << name << " by " << owner << ", " << type << " (" << difficulty << "/"
            << terrain << ")</desc>\n"
            << "    <url>http://www.example.org/seek/cache_details.aspx?guid=" << random() << "-"
            << random() << "</url>\n"
            << "    <urlname>" << name << "</urlname>\n"
            << "    <sym>Geocache</sym>\n"
            << "    <type>Geocache|" << type << "</type>\n"
            << "    <groundspeak:cache id=\"" << 200000 + i << "\" available=\""
            << (random() % 10 == 0 ? "False" : "True") << "\" archived=\"False\" "
            << "xmlns:groundspeak=\"http://www.groundspeak.com/cache/1/0\">\n"
            << "      <groundspeak:name>" << name << "</groundspeak:name>\n"
            << "      <groundspeak:placed_by>" << owner
            << " &amp; Friends</groundspeak:placed_by>\n"
            << "      <groundspeak:owner id=\"" << random() % 100000 << "\">" << owner
            << "</groundspeak:owner>\n"
            << "      <groundspeak:type>" << type << "</groundspeak:type>\n"
            << "      <groundspeak:container>" << containers[random() % containers.size()]
            << "</groundspeak:container>\n"
            << "      <groundspeak:attributes>\n"
            << "        <groundspeak:attribute id=\"1\" inc=\"1\">Dogs</groundspeak:attribute>\n"
            << "        <groundspeak:attribute id=\"8\" inc=\"1\">Scenic "
               "view</groundspeak:attribute>\n"
            << "      </groundspeak:attributes>\n"
            << "      <groundspeak:difficulty>" << difficulty << "</groundspeak:difficulty>\n"
            << "      <groundspeak:terrain>" << terrain << "</groundspeak:terrain>\n"
            << "      <groundspeak:country>" << countries[random() % countries.size()]
            << "</groundspeak:country>\n"
            << "      <groundspeak:state>Québec</groundspeak:state>\n"
            << "      <groundspeak:short_description html=\"True\">" << Text(random, 200)
            << "</groundspeak:short_description>\n"
            << "      <groundspeak:long_description html=\"True\">" << Text(random, 2000)
            << "</groundspeak:long_description>\n"
            << "      <groundspeak:encoded_hints>Unter der Wurzel, " << random() % 100
            << " cm links vom Zaun</groundspeak:encoded_hints>\n"
            << "      <groundspeak:logs>\n";
        for (int log = 0; log < 5; ++log) {
            out << "        <groundspeak:log id=\"" << random() << "\">\n"
                << "          <groundspeak:date>2010-07-0" << 1 + log
                << "T19:00:00Z</groundspeak:date>\n"
                << "          <groundspeak:type>" << logTypes[random() % logTypes.size()]
                << "</groundspeak:type>\n"
                << "          <groundspeak:finder id=\"" << random() % 100000 << "\">Finder "
                << random() % 9000 << "</groundspeak:finder>\n"
                << "          <groundspeak:text encoded=\"False\">" << Text(random, 350)
                << "</groundspeak:text>\n"
                << "        </groundspeak:log>\n";
        }
        out << "      </groundspeak:logs>\n"
            << "      <groundspeak:travelbugs />\n"
            << "    </groundspeak:cache>\n"
            << "  </wpt>\n";
    }
    out << "</gpx>\n";
}
