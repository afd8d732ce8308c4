#include "GPXReader.h"

#include "CacheReceiver.h"
#include "Exceptions.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

namespace {

using Values = std::map<std::string, std::string>;

// Takes the place of the main window: copies every record handed over.
class RecordingReceiver : public CacheReceiver {
public:
    void CacheImported(const CacheRecord& record) override {
        Values values;
        for (std::string_view key : CacheKey::All) {
            values[std::string(key)] = record.Value(key);
        }
        EXPECT_EQ(record.Count(), CacheKey::All.size());
        received.push_back(values);
        records.push_back(&record);
    }

    std::vector<Values> received;
    std::vector<const CacheRecord*> records;
};

RecordingReceiver* receiver = nullptr;

// Exposes the reader's state to the tests.
class InspectableReader : public GPXReader {
public:
    bool InsideLogsFlag() const { return InsideLogs; }
    bool InsideCacheFlag() const { return InsideCache; }
    const CacheRecord& Record() const { return myCache; }
};

class GPXReaderTest : public testing::Test {
protected:
    void SetUp() override {
        receiver = &recorder;
        CacheReceiver::InstallAccessor([]() -> CacheReceiver& { return *receiver; });
    }
    void TearDown() override { CacheReceiver::InstallAccessor(nullptr); }

    std::vector<Values>& Read(const std::string& body) {
        reader.Parse("<gpx>" + body + "</gpx>");
        return recorder.received;
    }

    RecordingReceiver recorder;
    InspectableReader reader;
};

const std::string fullWaypoint = R"(
  <wpt lat="46.5" lon="-73.25">
    <time>2002-08-15T00:00:00</time>
    <name>GC7FA4</name>
    <desc>Points by Someone</desc>
    <url>http://example.org/?a=1&amp;b=2</url>
    <urlname>Points</urlname>
    <sym>Geocache</sym>
    <type>Geocache|Traditional Cache</type>
    <groundspeak:cache id="32676" available="True" archived="False" xmlns:groundspeak="http://www.groundspeak.com/cache/1/0">
      <groundspeak:name>Points du Québec</groundspeak:name>
      <groundspeak:placed_by>Tom &amp; Jerry</groundspeak:placed_by>
      <groundspeak:owner id="6293">Tom</groundspeak:owner>
      <groundspeak:type>Traditional Cache</groundspeak:type>
      <groundspeak:container>Micro</groundspeak:container>
      <groundspeak:difficulty>1.5</groundspeak:difficulty>
      <groundspeak:terrain>2</groundspeak:terrain>
      <groundspeak:country>Canada</groundspeak:country>
      <groundspeak:state>Quebec</groundspeak:state>
      <groundspeak:short_description html="True">Short</groundspeak:short_description>
      <groundspeak:long_description html="True">&lt;P&gt;Long</groundspeak:long_description>
      <groundspeak:encoded_hints>Under the rock</groundspeak:encoded_hints>
      <groundspeak:logs>
        <groundspeak:log id="1">
          <groundspeak:date>2005-01-01</groundspeak:date>
          <groundspeak:type>Found it</groundspeak:type>
          <groundspeak:finder id="2">Finder</groundspeak:finder>
          <groundspeak:text encoded="False">Nice &amp; easy</groundspeak:text>
        </groundspeak:log>
      </groundspeak:logs>
    </groundspeak:cache>
  </wpt>)";

} // namespace

TEST_F(GPXReaderTest, FillsEveryKeyFromItsElementOrAttribute) {
    const auto& records =
        Read(R"(<name>File name</name><desc>File desc</desc><time>2005</time>)" + fullWaypoint);
    ASSERT_EQ(records.size(), 1u);
    const Values expected = {
        {"Cache", "GC7FA4"},
        {"CacheID", "32676"},
        {"CacheType", "Traditional Cache"},
        {"CacheContainer", "Micro"},
        {"CacheCountry", "Canada"},
        {"CacheDifficulty", "1.5"},
        {"CacheTerrain", "2"},
        {"CacheOwner", "Tom"},
        {"CachePlacedBy", "Tom & Jerry"},
        {"CacheHint", "Under the rock"},
        {"CacheTextShort", "Short"},
        {"CacheTextLong", "<P>Long"},
        {"Placed", "2002-08-15T00:00:00"},
        {"PositionLat", "46.5"},
        {"PositionLon", "-73.25"},
        {"CacheAvailable", "True"},
        {"CacheArchived", "False"},
        {"Link", "http://example.org/?a=1&b=2"},
        {"LinkName", "Points"},
        {"CacheName", "Points du Québec"},
        {"Description", "Points by Someone"},
        {"Symbol", "Geocache"},
        {"Type", "Geocache|Traditional Cache"},
    };
    EXPECT_EQ(records[0], expected);
}

TEST_F(GPXReaderTest, HandsOverEachWaypointInFileOrderWithoutCarryingValuesOver) {
    const auto& records = Read(fullWaypoint + R"(<wpt><name>GC2</name></wpt><wpt lat="1"/>)");
    ASSERT_EQ(records.size(), 3u);
    EXPECT_EQ(records[1].at("Cache"), "GC2");
    EXPECT_EQ(records[1].at("PositionLat"), "");
    EXPECT_EQ(records[1].at("CacheName"), "");
    EXPECT_EQ(records[1].at("CacheID"), "");
    EXPECT_EQ(records[2].at("Cache"), "");
    EXPECT_EQ(records[2].at("PositionLat"), "1");
    EXPECT_EQ(recorder.records[0], recorder.records[2]) << "one record serves every waypoint";
    EXPECT_EQ(reader.Record().Value("PositionLat"), "1") << "the record keeps the last values";
}

TEST_F(GPXReaderTest, AFileWithoutWaypointsHandsOverNothing) {
    EXPECT_TRUE(Read("<name>Only a header</name><groundspeak:cache id='9'/>").empty());
}

TEST_F(GPXReaderTest, StoresTextExactlyAsReceivedSinceTheLastStartTag) {
    const auto& records = Read("<wpt><name>  GC&#x41;&amp;\n\t</name>"
                               "<desc>lost<b>bold</b> tail</desc>"
                               "<urlname></urlname><sym/>"
                               "<type><![CDATA[a<b]]></type></wpt>");
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(records[0].at("Cache"), "  GCA&\n\t");
    EXPECT_EQ(records[0].at("Description"), "bold tail");
    EXPECT_EQ(records[0].at("LinkName"), "");
    EXPECT_EQ(records[0].at("Symbol"), "");
    EXPECT_EQ(records[0].at("Type"), "a<b");
}

TEST_F(GPXReaderTest, LogEntriesNeverOverwriteTheCacheFields) {
    const auto& records = Read(R"(<wpt><groundspeak:cache>
        <groundspeak:type>Multi-cache</groundspeak:type>
        <groundspeak:logs><groundspeak:log>
          <groundspeak:type>Found it</groundspeak:type><groundspeak:name>log</groundspeak:name>
        </groundspeak:log></groundspeak:logs>
        <groundspeak:country>After logs</groundspeak:country>
        <groundspeak:name>first</groundspeak:name><groundspeak:name>last</groundspeak:name>
      </groundspeak:cache></wpt>)");
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(records[0].at("CacheType"), "Multi-cache");
    EXPECT_EQ(records[0].at("CacheCountry"), "After logs");
    EXPECT_EQ(records[0].at("CacheName"), "last");
    EXPECT_FALSE(reader.InsideLogsFlag());
    EXPECT_FALSE(reader.InsideCacheFlag());
}

TEST_F(GPXReaderTest, ALogsEndTagOutsideAWaypointLeavesTheFlagSet) {
    const auto& records = Read(R"(<groundspeak:logs></groundspeak:logs>
        <wpt><name>GC1</name><groundspeak:type>Hidden</groundspeak:type></wpt>
        <wpt><groundspeak:logs/><groundspeak:type>Seen</groundspeak:type></wpt>)");
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(records[0].at("Cache"), "GC1") << "waypoint fields are still stored";
    EXPECT_EQ(records[0].at("CacheType"), "");
    EXPECT_EQ(records[1].at("CacheType"), "Seen");
}

TEST_F(GPXReaderTest, ACacheStartTagOutsideAWaypointIsEmptiedByTheNext) {
    const auto& records =
        Read(R"(<groundspeak:cache id="7" archived="True"/><wpt><name>GC1</name></wpt>)");
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(records[0].at("CacheID"), "");
    EXPECT_EQ(records[0].at("CacheArchived"), "");
}

TEST_F(GPXReaderTest, NamesMatchWithTheirPrefixAndWithoutRegardToCase) {
    const auto& records = Read(R"(
        <WPT LAT="1" Lon="2"><Name>GC1</Name><GroundSpeak:Type>Virtual Cache</GroundSpeak:Type>
          <gs:type>ignored</gs:type><gpx:desc>ignored</gpx:desc></WPT>
        <gpx:wpt><name>GC2</name></gpx:wpt>)");
    ASSERT_EQ(records.size(), 1u) << "a prefixed wpt hands nothing over";
    EXPECT_EQ(records[0].at("Cache"), "GC1");
    EXPECT_EQ(reader.Record().Value("Cache"), "GC1") << "nor does it empty the record";
    EXPECT_EQ(records[0].at("PositionLat"), "1");
    EXPECT_EQ(records[0].at("PositionLon"), "2");
    EXPECT_EQ(records[0].at("CacheType"), "Virtual Cache");
    EXPECT_EQ(records[0].at("Description"), "");
}

TEST_F(GPXReaderTest, ExaminesEveryAttributeAndTheLaterOfTwoMatchesWins) {
    std::string many = "<wpt";
    for (int i = 0; i < 300; ++i) {
        many += " a" + std::to_string(i) + "='x'";
    }
    many += " lat='late' LAT='later'><groundspeak:cache";
    for (int i = 0; i < 300; ++i) {
        many += " b" + std::to_string(i) + "='y'";
    }
    many += " id='GC-ID'/></wpt>";
    const auto& records = Read(many);
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(records[0].at("PositionLat"), "later");
    EXPECT_EQ(records[0].at("CacheID"), "GC-ID");
}

TEST_F(GPXReaderTest, WaypointsBeforeAFailureAreHandedOverAndTheBrokenOneIsNot) {
    EXPECT_THROW(reader.Parse("<gpx><wpt><name>GC1</name></wpt><wpt><name>GC2</name></wpx></gpx>"),
                 XmlException);
    ASSERT_EQ(recorder.received.size(), 1u);
    EXPECT_EQ(recorder.received[0].at("Cache"), "GC1");
}
