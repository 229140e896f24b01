// Every real FIT file of tests/data/tracks read as the descriptions of
// tests/data/SOURCES.md say they are, and as GPSBabel, the reference reader,
// reads it.
#include "formats/gpx/gpx_time.h"
#include "formats/track_reader.h"
#include "support/gpsbabel_reading.h"
#include "support/test_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

namespace qm {
namespace {

struct RealFit {
    std::string file;
    // GPSBabel refuses a file whose CRC fails unless told to recover.
    std::string gpsbabelFormat;
    size_t points;  // kept
    int pieces;     // a timer start starts one
    std::string first, last;
    std::vector<Measure> measures;  // the columns the track has
    std::vector<std::string> messages;
};

const std::string kTracks = std::string(QM_TEST_DATA) + "/tracks/";

const RealFit kFiles[] = {
    {"GPSBabel-gpsbabel-reference-track-fitwrite-track.fit", "garmin_fit", 64, 1, "2002-05-25T17:06:21Z",
     "2002-05-25T18:58:18Z", {}, {}},
    {"GPSBabel-gpsbabel-reference-track-garmin-edge-800.fit", "garmin_fit", 1286, 8, "2012-04-12T12:53:58Z",
     "2012-04-12T13:54:19Z", {Measure::Temperature}, {}},
    {"GPSBabel-gpsbabel-reference-track-garmin-forerunner-10.fit", "garmin_fit", 514, 7, "2013-06-13T03:56:35Z",
     "2013-06-13T04:24:51Z", {}, {}},
    {"GPSBabel-gpsbabel-reference-track-wahoo-element-bolt.fit", "garmin_fit", 1101, 4, "2018-03-20T07:08:44Z",
     "2018-03-20T07:27:30Z", {Measure::HeartRate, Measure::Temperature}, {}},
    // Its CRC fails and a definition 22225 bytes in names no byte order:
    // what comes before is read.
    {"GPSBabel-gpsbabel-reference-track-lezyne_super_gps-garmin_fit-sample-bad-endian.fit",
     "garmin_fit,recoverymode", 802, 4, "2019-08-18T03:50:17Z", "2019-08-18T05:21:32Z", {Measure::Temperature},
     {"Файл трека " + kTracks +
          "GPSBabel-gpsbabel-reference-track-lezyne_super_gps-garmin_fit-sample-bad-endian.fit повреждён (контрольная "
          "сумма не совпадает; неизвестный порядок байтов в определении сообщения на байте 22225) и, возможно, "
          "прочитан не полностью.",
      "Пропущено точек со временем не позже предыдущей точки: 2 из 804."}},
};

TEST(RealFitTest, EveryRealFileIsReadAsDescribed)
{
    for (const RealFit& real : kFiles) {
        SCOPED_TRACE(real.file);
        TrackReading reading = LoadTrack(kTracks + real.file);
        std::vector<std::string> messages;
        for (const Message& m : reading.Messages) messages.push_back(m.Text);
        EXPECT_EQ(messages, real.messages);
        ASSERT_TRUE(reading.Track.has_value());
        const TrackPoints& points = reading.Track->Points;
        ASSERT_EQ(points.size(), real.points);
        EXPECT_EQ(std::count_if(points.begin(), points.end(), [](const TrackPoint& p) { return p.StartsPiece; }),
                  real.pieces);
        EXPECT_EQ(GpxTimeText(points.front().DateTime), real.first);
        EXPECT_EQ(GpxTimeText(points.back().DateTime), real.last);
        std::vector<Measure> measures;
        for (Measure m : {Measure::HeartRate, Measure::Cadence, Measure::Power, Measure::Temperature})
            if (!ColumnOf(reading.Track->Measures, m).empty()) measures.push_back(m);
        EXPECT_EQ(measures, real.measures);
    }
}

// GPSBabel finds the same points, positions, times and heights. Its pieces
// differ on purpose: it starts one at every "start" event, an off-course
// alarm's too, where only the timer's start means the recording resumed.
TEST(RealFitTest, GpsBabelReadsTheSamePoints)
{
    for (const RealFit& real : kFiles) {
        SCOPED_TRACE(real.file);
        std::optional<Track> theirs = test::GpsBabelTrack(real.gpsbabelFormat, kTracks + real.file);
        ASSERT_TRUE(theirs.has_value());
        EXPECT_EQ(test::ReadingDifference(*LoadTrack(kTracks + real.file).Track, *theirs), "");
    }
}

// A file cut short, as a device that loses its power leaves it: read up to
// the last whole message, as GPSBabel's recovery reads it; cut right after a
// record or within the next one.
TEST(RealFitTest, ACutFileIsReadAsFarAsGpsBabelRecoversIt)
{
    const struct {
        std::string file;
        size_t bytes, points;
        std::string last;
    } kCuts[] = {
        {"GPSBabel-gpsbabel-reference-track-garmin-edge-800.fit", 14707, 643, "2012-04-12T13:23:27Z"},
        {"GPSBabel-gpsbabel-reference-track-garmin-edge-800.fit", 14712, 643, "2012-04-12T13:23:27Z"},
        {"GPSBabel-gpsbabel-reference-track-garmin-forerunner-10.fit", 5523, 256, "2013-06-13T04:12:09Z"},
    };
    for (const auto& cut : kCuts) {
        SCOPED_TRACE(cut.file + " " + std::to_string(cut.bytes));
        test::TempDir dir;
        const std::string path = dir.Write("cut.fit", test::ReadAll(kTracks + cut.file).substr(0, cut.bytes));
        TrackReading reading = LoadTrack(path);
        ASSERT_TRUE(reading.Track.has_value());
        ASSERT_EQ(reading.Track->Points.size(), cut.points);
        EXPECT_EQ(GpxTimeText(reading.Track->Points.back().DateTime), cut.last);
        std::optional<Track> theirs = test::GpsBabelTrack("garmin_fit,recoverymode", path);
        ASSERT_TRUE(theirs.has_value());
        EXPECT_EQ(test::ReadingDifference(*reading.Track, *theirs), "");
    }
}

// The measures too: GPSBabel writes them in Garmin's TrackPointExtension,
// which our GPX reader reads.
TEST(RealFitTest, GpsBabelReadsTheSameMeasures)
{
    for (const RealFit& real : kFiles) {
        SCOPED_TRACE(real.file);
        test::TempDir dir;
        const std::string gpx = dir.File("gpsbabel.gpx");
        ASSERT_EQ(std::system(("gpsbabel -t -i " + real.gpsbabelFormat + " -f '" + kTracks + real.file +
                               "' -o gpx,gpxver=1.1,garminextensions -F '" + gpx + "' 2>/dev/null")
                                  .c_str()),
                  0);
        const Track theirs = *LoadTrack(gpx).Track;
        const Track ours = *LoadTrack(kTracks + real.file).Track;
        ASSERT_EQ(ours.Points.size(), theirs.Points.size());
        for (size_t k = 0; k < kMeasureCount; ++k) {
            const MeasureColumn& a = ours.Measures[k];
            const MeasureColumn& b = theirs.Measures[k];
            for (size_t i = 0; i < ours.Points.size(); ++i)
                ASSERT_EQ(a.empty() ? std::nullopt : a[i], b.empty() ? std::nullopt : b[i])
                    << "measure " << k << ", point " << i;
        }
    }
}

}  // namespace
}  // namespace qm
