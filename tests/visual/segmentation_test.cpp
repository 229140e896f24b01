#include "visual/segmentation.h"

#include "visual/stop_detector.h"
#include "visual/visual_test_support.h"

#include <gtest/gtest.h>

namespace qm {
namespace {

using test::Walk;

struct Pass {
    std::vector<SpeedRun> runs;
    WorkBands bands;
};

// The pass with the default bands and an interval of 2.5 minutes, so that a
// run of one-minute steps closes after three steps.
Pass Segment(const TTrackRecArray& points)
{
    Settings settings;
    settings.TIMEINTRVL = 2.5;
    Pass pass;
    pass.bands = MakeWorkBands(ScaleBandBoxes(settings.CurrentScale()));
    StopDetector stops(points, settings);
    pass.runs = SegmentTrack(points, FitLatitudeScale(points), 2.5 / 1440, pass.bands, stops);
    return pass;
}

// First, Last and Band of each run.
std::vector<std::array<int, 3>> Shape(const Pass& pass)
{
    std::vector<std::array<int, 3>> shape;
    for (const SpeedRun& run : pass.runs) shape.push_back({run.First, run.Last, run.Band});
    return shape;
}

std::vector<int> StepCounts(const Pass& pass)
{
    std::vector<int> counts;
    for (const WorkBand& band : pass.bands) counts.push_back(band.StepCount);
    return counts;
}

using Shapes = std::vector<std::array<int, 3>>;

TEST(SegmentTrack, RunsCloseAtTheIntervalAndTheShortLastRunHasItsOwnSpeed)
{
    Pass pass = Segment(Walk({{3}, {3}, {3}, {12}, {12}, {12}, {7}, {7}}));
    EXPECT_EQ(Shape(pass), (Shapes{{0, 3, 1}, {3, 6, 3}, {6, 8, 2}}));
    EXPECT_NEAR(pass.runs[0].Speed, 3, 1e-6);
    EXPECT_NEAR(pass.runs[2].Speed, 7, 1e-6);
    EXPECT_NEAR(pass.runs[2].Duration, 2.0 / 1440, 1e-9);
    EXPECT_EQ(StepCounts(pass), (std::vector<int>{0, 3, 2, 3, 0, 0, 0, 0, 0, 0}));
}

TEST(SegmentTrack, NeighboursOfOneBandMergeAndTheirSpeedIsRecomputed)
{
    Pass pass = Segment(Walk({{3}, {3}, {3}, {4.5}, {4.5}, {4.5}, {12}, {12}, {12}}));
    EXPECT_EQ(Shape(pass), (Shapes{{0, 6, 1}, {6, 9, 3}}));
    EXPECT_NEAR(pass.runs[0].Speed, 3.75, 1e-6);
    EXPECT_NEAR(pass.runs[0].Distance, 7.5 * 3 / 60, 1e-6);
    EXPECT_EQ(pass.bands[1].StepCount, 6);
}

TEST(SegmentTrack, TheJumpOverABreakBelongsToNoRunAndTheLastRunMergesAcrossIt)
{
    // The jump to point 4 covers a whole degree: counted, it would make the run too fast for band 1.
    Pass pass = Segment(Walk({{3}, {3}, {3}, {6660, 1}, {3}, {3}, {3}}));
    EXPECT_EQ(Shape(pass), (Shapes{{0, 7, 1}}));
    EXPECT_NEAR(pass.runs[0].Distance, 6 * 3.0 / 60, 1e-6);
    EXPECT_NEAR(pass.runs[0].Duration, 6.0 / 1440, 1e-9);
    EXPECT_EQ(pass.bands[1].StepCount, 6);
}

TEST(SegmentTrack, ARunFollowedByABreakPointDoesNotMerge)
{
    Pass pass = Segment(Walk({{3}, {3}, {3}, {3, 1}, {3}, {3}, {3}, {3, 1}, {3}, {3}}));
    // Run 4-7 has the band of 0-3 but a break point after it; the last run merges into it.
    EXPECT_EQ(Shape(pass), (Shapes{{0, 3, 1}, {4, 10, 1}}));
    EXPECT_EQ(pass.bands[1].StepCount, 8);
}

TEST(SegmentTrack, ALonePointBetweenBreaksIsInNoRunUnlessItsNeighboursMerge)
{
    Pass differ = Segment(Walk({{3}, {3}, {3}, {3, 1}, {3, 1}, {12}, {12}, {12}}));
    EXPECT_EQ(Shape(differ), (Shapes{{0, 3, 1}, {5, 8, 3}}));

    Pass same = Segment(Walk({{3}, {3}, {3}, {3, 1}, {3, 1}, {3}, {3}, {3}}));
    EXPECT_EQ(Shape(same), (Shapes{{0, 8, 1}}));
    EXPECT_EQ(same.bands[1].StepCount, 6);
}

TEST(SegmentTrack, AnyBreakCodeButZeroIsABreak)
{
    Pass pass = Segment(Walk({{3}, {3}, {3}, {6660, 2}, {12}, {12}, {12}, {3, 7}, {3}}));
    EXPECT_EQ(Shape(pass), (Shapes{{0, 3, 1}, {4, 7, 3}, {8, 9, 1}}));
}

TEST(SegmentTrack, FasterThanTheTopBandGoesToBandZero)
{
    Pass pass = Segment(Walk({{2000}, {2000}, {2000}, {28}, {28}, {28}}));
    EXPECT_EQ(Shape(pass), (Shapes{{0, 3, 0}, {3, 6, 6}}));
}

TEST(SegmentTrack, AOnePointTrackHasNoRun)
{
    Pass pass = Segment(Walk({}));
    EXPECT_TRUE(pass.runs.empty());
    EXPECT_EQ(StepCounts(pass), std::vector<int>(kBandCount, 0));
}

}  // namespace
}  // namespace qm
