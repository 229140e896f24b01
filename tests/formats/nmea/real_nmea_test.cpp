// The real NMEA files of tests/data/tracks read as tests/data/SOURCES.md
// describes them, and as GPSBabel, the reference reader, reads them.
#include "formats/gpx/gpx_time.h"
#include "formats/track_reader.h"
#include "support/gpsbabel_reading.h"
#include "support/test_support.h"

#include <gtest/gtest.h>

namespace qm {
namespace {

const std::string kTracks = std::string(QM_TEST_DATA) + "/tracks/";
const std::string kDateTimes = kTracks + "GPSBabel-gpsbabel-reference-track-nmeadatetime.nmea";

TrackPoints WithoutHeights(TrackPoints points)
{
    for (TrackPoint& point : points) point.Height.reset();
    return points;
}

// RMC then GGA of each second; the three fixes whose time does not parse
// ("222515.x", "222523.0x", ".1") are left out.
TEST(RealNmeaTest, TimesAsWrittenAndHeightsOfTheirOwnSecond)
{
    TrackReading reading = LoadTrack(kDateTimes);
    ASSERT_TRUE(reading.Track);
    ASSERT_EQ(reading.Messages.size(), 1u);
    EXPECT_EQ(reading.Messages[0].Text, "Пропущено точек без отметки времени: 3 из 19.");
    const TrackPoints& points = reading.Track->Points;
    ASSERT_EQ(points.size(), 16u);
    EXPECT_EQ(GpxTimeText(points[0].DateTime), "2019-10-23T22:25:07Z");
    EXPECT_EQ(GpxTimeText(points[3].DateTime), "2019-10-23T22:25:10.1Z");
    EXPECT_EQ(GpxTimeText(points[6].DateTime), "2019-10-23T22:25:13.0001Z");
    EXPECT_EQ(GpxTimeText(points[15].DateTime), "2019-10-23T22:25:24Z");
    // Each GGA's height, on the fix of its own second.
    std::vector<double> heights;
    for (const TrackPoint& point : points) heights.push_back(point.Height.value_or(-1));
    EXPECT_EQ(heights, (std::vector<double>{30.0, 30.0, 30.0, 30.0, 30.1, 30.2, 30.2, 30.2, 30.2, 30.2, 30.2, 30.2,
                                            30.2, 30.2, 30.2, 30.2}));
}

// Where GPSBabel is not the truth: it reads a time it cannot parse as
// midnight (those fixes then fall out as not later than the one before;
// we leave them out for want of a time), and when RMC comes before GGA it
// gives each GGA's position and height to the fix of the next second. So
// its reading of the RMC sentences alone is compared (this file's RMC and
// GGA of each second hold the same position); the heights are checked above.
TEST(RealNmeaTest, GpsBabelReadsTheSamePositionsAndTimes)
{
    ASSERT_TRUE(test::ToolInstalled("gpsbabel"));
    std::optional<Track> theirs = test::GpsBabelTrack("nmea,gpgga=0", kDateTimes);
    ASSERT_TRUE(theirs.has_value());
    Track ours = *LoadTrack(kDateTimes).Track;
    ours.Points = WithoutHeights(ours.Points);
    EXPECT_EQ(test::ReadingDifference(ours, *theirs), "");
}

// GGA hourly over two midnights and one ZDA after the thirteenth: the fixes
// before it count back from it, those after go on from it, as in GPSBabel.
TEST(RealNmeaTest, AZdaDatesALogOfGgaOnly)
{
    const std::string file = kTracks + "GPSBabel-gpsbabel-reference-track-addmultipledaysmid.nmea";
    TrackReading reading = LoadTrack(file);
    ASSERT_TRUE(reading.Track);
    EXPECT_TRUE(reading.Messages.empty());
    const TrackPoints& points = reading.Track->Points;
    ASSERT_EQ(points.size(), 28u);
    EXPECT_EQ(GpxTimeText(points.front().DateTime), "2019-03-08T22:00:00Z");
    EXPECT_EQ(GpxTimeText(points[12].DateTime), "2019-03-09T10:00:00Z");
    EXPECT_EQ(GpxTimeText(points.back().DateTime), "2019-03-10T01:00:00Z");
}

TEST(RealNmeaTest, GpsBabelReadsTheZdaDatedLogAlike)
{
    const std::string file = kTracks + "GPSBabel-gpsbabel-reference-track-addmultipledaysmid.nmea";
    ASSERT_TRUE(test::ToolInstalled("gpsbabel"));
    std::optional<Track> theirs = test::GpsBabelTrack("nmea", file);
    ASSERT_TRUE(theirs.has_value());
    EXPECT_EQ(test::ReadingDifference(*LoadTrack(file).Track, *theirs), "");
}

// Logs of GGA only without ZDA have no date: refused, as GPSBabel drops all
// their points.
TEST(RealNmeaTest, ALogWithoutRmcIsRefused)
{
    for (const std::string file : {"GPSBabel-gpsbabel-reference-track-adddate.nmea",
                                   "GPSBabel-gpsbabel-reference-track-addmultipledaysfwd.nmea"}) {
        SCOPED_TRACE(file);
        TrackReading reading = LoadTrack(kTracks + file);
        EXPECT_FALSE(reading.Track);
        ASSERT_EQ(reading.Messages.size(), 1u);
        EXPECT_EQ(reading.Messages[0].Text,
                  "В файле NMEA " + kTracks + file + " нет даты: ни одного предложения RMC с координатами или ZDA.");
        EXPECT_FALSE(test::GpsBabelTrack("nmea", kTracks + file));
    }
}

}  // namespace
}  // namespace qm
