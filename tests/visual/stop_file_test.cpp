#include "visual/stop_file.h"

#include <gtest/gtest.h>

namespace qm {
namespace {

TEST(StopLine, TwentyFourFieldsDescribingPointsAndDuration)
{
    TTrackRecArray points(200);
    points[120] = TrackPoint{55.755831, 37.617673, 0, 0, 39000.5};
    std::string line = StopLine(2, TrackStop{120, 161, 12.5 / 1440}, points);
    EXPECT_EQ(line, "2,stop 2,55.755831,37.617673,39000.5000000,28,1,4,0,65535,points 120 - 161 stop time 0:12:30,"
                    "0,0,0,-777,6,0,25,0,10.0,2,0,0,0");
    EXPECT_EQ(std::count(line.begin(), line.end(), ','), 23);
}

TEST(StopLine, ALongStopShowsItsTotalHours)
{
    TTrackRecArray points(1);
    std::string line = StopLine(1, TrackStop{0, 100000, 25.0 / 24}, points);
    EXPECT_NE(line.find(",points 0 - 100000 stop time 25:00:00,"), std::string::npos) << line;
}

}  // namespace
}  // namespace qm
