// The real IGC files of tests/data/tracks read as tests/data/SOURCES.md
// describes them, and as GPSBabel, the reference reader, reads them.
#include "formats/gpx/gpx_time.h"
#include "formats/track_reader.h"
#include "support/gpsbabel_reading.h"
#include "support/test_support.h"

#include <gtest/gtest.h>

namespace qm {
namespace {

const struct {
    std::string file;
    size_t points;
    std::string first, last;
} kFiles[] = {
    // The fix at 16:02:48 follows one at 16:03:10: it is on the next day.
    {"GPSBabel-gpsbabel-reference-igc2.igc", 9, "2001-07-16T16:02:40Z", "2001-07-17T16:02:52Z"},
    {"GPSBabel-gpsbabel-reference-track-27GLQKF3.igc", 1070, "2022-07-16T19:41:31Z", "2022-07-16T21:11:20Z"},
};

TEST(RealIgcTest, EveryRealFileIsReadAsDescribed)
{
    for (const auto& real : kFiles) {
        SCOPED_TRACE(real.file);
        TrackReading reading = LoadTrack(std::string(QM_TEST_DATA) + "/tracks/" + real.file);
        ASSERT_TRUE(reading.Track) << reading.Messages[0].Text;
        EXPECT_TRUE(reading.Messages.empty());
        const TrackPoints& points = reading.Track->Points;
        ASSERT_EQ(points.size(), real.points);
        EXPECT_EQ(GpxTimeText(points.front().DateTime), real.first);
        EXPECT_EQ(GpxTimeText(points.back().DateTime), real.last);
    }
}

// GPSBabel writes every fix twice, in a track of pressure altitudes and one
// of GNSS altitudes; the heights we keep are the GNSS altitudes (valid fixes
// with one that is not 0: every fix of these files), so the GNSS track is
// the one compared.
TEST(RealIgcTest, GpsBabelReadsTheSamePoints)
{
    ASSERT_TRUE(test::ToolInstalled("gpsbabel"));
    for (const auto& real : kFiles) {
        SCOPED_TRACE(real.file);
        const std::string path = std::string(QM_TEST_DATA) + "/tracks/" + real.file;
        std::optional<Track> theirs = test::GpsBabelTrack("igc", path, "track,name=GNSSALTTRK");
        ASSERT_TRUE(theirs.has_value());
        EXPECT_EQ(test::ReadingDifference(*LoadTrack(path).Track, *theirs), "");
    }
}

}  // namespace
}  // namespace qm
