#include "visual/segmentation.h"

#include "visual/stop_detector.h"
#include "visual/visual_test_support.h"

#include <gtest/gtest.h>

namespace qm {
namespace {

using test::Walk;
using test::WalkStep;
using Shapes = std::vector<std::array<int, 3>>;

struct Pass {
    std::vector<SpeedRun> runs;
    SpeedBands bands;
    Shapes Shape() const  // First, Last and Band of each run
    {
        Shapes shape;
        for (const SpeedRun& run : runs) shape.push_back({run.First, run.Last, run.Band});
        return shape;
    }
    std::vector<int> StepCounts() const
    {
        std::vector<int> counts;
        for (const SpeedBand& band : bands) counts.push_back(band.StepCount);
        return counts;
    }
};

// The pass with the default bands and an interval of 2.5 minutes, so that a
// run of one-minute steps closes after three steps.
Pass Segment(const TrackPoints& points)
{
    Settings settings;
    settings.TIMEINTRVL = 2.5;
    Pass pass;
    pass.bands = MakeSpeedBands(ScaleBandBoxes(settings.CurrentScale()));
    StopDetector stops(points, settings);
    pass.runs = SegmentTrack(points, FitLatitudeScale(points), 2.5 / 1440, pass.bands, stops);
    return pass;
}

TEST(SegmentTrack, RunsTheirBandsAndTheStepCounts)
{
    // A jump of 6660 km/h covers a whole degree: counted, it would make its run too fast for band 1.
    struct {
        const char* rule;
        std::vector<WalkStep> steps;
        Shapes shape;
        std::vector<int> stepCounts;
    } cases[] = {
        {"runs close at the interval, the short last run alone", {{3}, {3}, {3}, {12}, {12}, {12}, {7}, {7}},
         {{0, 3, 1}, {3, 6, 3}, {6, 8, 2}}, {0, 3, 2, 3, 0, 0, 0, 0, 0, 0}},
        {"neighbours of one band merge", {{3}, {3}, {3}, {4.5}, {4.5}, {4.5}, {12}, {12}, {12}},
         {{0, 6, 1}, {6, 9, 3}}, {0, 6, 0, 3, 0, 0, 0, 0, 0, 0}},
        {"the last run merges across a break", {{3}, {3}, {3}, {6660, 1}, {3}, {3}, {3}},
         {{0, 7, 1}}, {0, 6, 0, 0, 0, 0, 0, 0, 0, 0}},
        {"a run followed by a break point does not merge", {{3}, {3}, {3}, {3, 1}, {3}, {3}, {3}, {3, 1}, {3}, {3}},
         {{0, 3, 1}, {4, 10, 1}}, {0, 8, 0, 0, 0, 0, 0, 0, 0, 0}},
        {"a lone point between breaks is in no run", {{3}, {3}, {3}, {3, 1}, {3, 1}, {12}, {12}, {12}},
         {{0, 3, 1}, {5, 8, 3}}, {0, 3, 0, 3, 0, 0, 0, 0, 0, 0}},
        {"unless its neighbours merge", {{3}, {3}, {3}, {3, 1}, {3, 1}, {3}, {3}, {3}},
         {{0, 8, 1}}, {0, 6, 0, 0, 0, 0, 0, 0, 0, 0}},
        {"any break code but 0 is a break", {{3}, {3}, {3}, {6660, 2}, {12}, {12}, {12}, {3, 7}, {3}},
         {{0, 3, 1}, {4, 7, 3}, {8, 9, 1}}, {0, 4, 0, 3, 0, 0, 0, 0, 0, 0}},
        {"faster than the top band is band 0", {{2000}, {2000}, {2000}, {28}, {28}, {28}},
         {{0, 3, 0}, {3, 6, 6}}, {3, 0, 0, 0, 0, 0, 3, 0, 0, 0}},
        {"a one-point track has no run", {}, {}, std::vector<int>(kBandCount, 0)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.rule);
        Pass pass = Segment(Walk(c.steps));
        EXPECT_EQ(pass.Shape(), c.shape);
        EXPECT_EQ(pass.StepCounts(), c.stepCounts);
    }
}

TEST(SegmentTrack, SpeedDistanceAndDurationOfARun)
{
    Pass last = Segment(Walk({{3}, {3}, {3}, {12}, {12}, {12}, {7}, {7}}));  // the short last run has its own speed
    EXPECT_NEAR(last.runs[0].Speed, 3, 1e-6);
    EXPECT_NEAR(last.runs[2].Speed, 7, 1e-6);
    EXPECT_NEAR(last.runs[2].Duration, 2.0 / 1440, 1e-9);
    Pass merged = Segment(Walk({{3}, {3}, {3}, {4.5}, {4.5}, {4.5}, {12}}));  // recomputed over the merged run
    EXPECT_NEAR(merged.runs[0].Speed, 3.75, 1e-6);
    EXPECT_NEAR(merged.runs[0].Distance, 7.5 * 3 / 60, 1e-6);
    Pass jump = Segment(Walk({{3}, {3}, {3}, {6660, 1}, {3}, {3}, {3}}));  // the jump over a break is in no run
    EXPECT_NEAR(jump.runs[0].Distance, 6 * 3.0 / 60, 1e-6);
    EXPECT_NEAR(jump.runs[0].Duration, 6.0 / 1440, 1e-9);
}

}  // namespace
}  // namespace qm
