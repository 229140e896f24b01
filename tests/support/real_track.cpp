#include "support/real_track.h"

#include "formats/gpx/gpx_time.h"
#include "formats/track_reader.h"
#include "support/gpsbabel_reading.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace qm::test {

std::string RealTrackPath(const std::string& file) { return std::string(QM_TEST_DATA) + "/tracks/" + file; }

int PieceCount(const TrackPoints& points)
{
    return static_cast<int>(std::count_if(points.begin(), points.end(), [](const TrackPoint& p) { return p.StartsPiece; }));
}

void ExpectReadAsDescribed(const RealTrack& real)
{
    SCOPED_TRACE(real.file);
    TrackReading reading = LoadTrack(RealTrackPath(real.file));
    ASSERT_TRUE(reading.Track.has_value()) << reading.Messages[0].Text;
    const TrackPoints& points = reading.Track->Points;
    ASSERT_EQ(points.size(), real.points);
    EXPECT_EQ(PieceCount(points), real.pieces);
    EXPECT_EQ(GpxTimeText(points.front().DateTime), real.first);
    EXPECT_EQ(GpxTimeText(points.back().DateTime), real.last);
    EXPECT_EQ(reading.Messages.empty() ? "" : reading.Messages[0].Text, real.message);
    EXPECT_LE(reading.Messages.size(), 1u);
}

void ExpectGpsBabelReadsTheSame(const RealTrack& real, const std::string& format)
{
    SCOPED_TRACE(real.file);
    std::optional<Track> theirs = GpsBabelTrack(format, RealTrackPath(real.file));
    ASSERT_TRUE(theirs.has_value());
    EXPECT_EQ(ReadingDifference(*LoadTrack(RealTrackPath(real.file)).Track, *theirs), "");
}

}  // namespace qm::test
