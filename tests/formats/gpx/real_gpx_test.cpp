// Every real GPX file of tests/data/tracks read as the descriptions of
// tests/data/SOURCES.md say they are: points kept, pieces, first and last
// time in UTC, and what the user is told.
#include "formats/gpx/gpx_time.h"
#include "formats/track_reader.h"
#include "support/real_track.h"
#include "support/test_support.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace qm {
namespace {

const test::RealTrack kFiles[] = {
    {"Freika-dawarich-fixtures-files-gpx-arc_example.gpx", 6, 1, "2024-12-18T01:44:09Z", "2024-12-18T01:44:45Z",
     ""},
    {"GPSBabel-gpsbabel-reference-track-dg100.gpx", 12027, 1, "2020-02-14T18:04:30Z", "2020-05-08T15:34:22Z", ""},
    {"GPSBabel-gpsbabel-reference-track-fitwrite-track.gpx", 52, 1, "2002-05-25T17:06:21.25Z",
     "2002-05-25T18:52:56.98Z", "Пропущено точек без отметки времени: 12 из 64."},
    {"GPSBabel-gpsbabel-reference-track-nmea.gpx", 154, 1, "2004-08-07T03:29:08.379Z", "2004-08-07T03:31:41.37Z", ""},
    {"GPSBabel-gpsbabel-reference-track-tcxtest.gpx", 1202, 2, "2008-08-21T13:08:52Z", "2008-08-21T14:58:06Z", ""},
    {"OpenTracksApp-OpenTracks-src-androidTest-res-raw-legacy_gpx_trackpointextensions_incorrect.gpx", 5, 3,
     "2020-02-02T02:02:03Z", "2020-02-02T02:03:50Z", ""},
    {"georust-gpx-tests-fixtures-garmin-activity.gpx", 988, 1, "2017-07-29T14:46:35Z", "2017-07-29T16:18:13Z", ""},
    {"tkrajina-gpxgo-test_files-visnjan.gpx", 413, 1, "2014-08-22T16:48:52Z", "2014-08-22T17:19:42Z", ""},
    {"tkrajina-gpxpy-test_files-around-visnjan-with-car.gpx", 104, 1, "2020-12-18T06:15:50Z", "2020-12-18T06:24:24Z",
     ""},
    {"tkrajina-gpxpy-test_files-cerknicko-without-times.gpx", 5, 1, "2010-08-05T16:22:52Z", "2010-08-05T16:23:49Z",
     "Пропущено точек без отметки времени: 291 из 296."},
    {"tkrajina-gpxpy-test_files-track-with-less-sec-time.gpx", 2, 1, "2015-12-11T14:43:13Z",
     "2015-12-11T14:43:13.994Z", ""},
    {"wladich-nakarte-test-track_load_data-files-osm_prototype_with_title.gpx", 7, 2, "2012-05-09T13:09:20Z",
     "2012-05-09T13:10:00Z", ""},
};

TEST(RealGpxTest, EveryRealFileIsReadAsDescribed)
{
    for (const test::RealTrack& real : kFiles) test::ExpectReadAsDescribed(real);
}

// GPSBabel, the reference reader, finds the same points in every file.
TEST(RealGpxTest, GpsBabelReadsTheSamePoints)
{
    ASSERT_TRUE(test::ToolInstalled("gpsbabel"));
    for (const test::RealTrack& real : kFiles) test::ExpectGpsBabelReadsTheSame(real, "gpx");
}

TEST(RealGpxTest, ATrackWithoutTimesIsRefused)
{
    const std::string path = std::string(QM_TEST_DATA) + "/tracks/GPSBabel-gpsbabel-reference-basecamp.gpx";
    TrackReading reading = LoadTrack(path);
    EXPECT_FALSE(reading.Track.has_value());
    ASSERT_EQ(reading.Messages.size(), 1u);
    EXPECT_EQ(reading.Messages[0].Text,
              "В треке нет данных о времени: ни у одной из 2 точек файла " + path + " нет отметки <time>.");
}

}  // namespace
}  // namespace qm
