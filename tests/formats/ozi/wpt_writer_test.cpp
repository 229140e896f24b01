#include "formats/ozi/wpt_writer.h"

#include <gtest/gtest.h>

namespace qm {
namespace {

TEST(StopLine, TwentyFourFieldsDescribingPointsAndDuration)
{
    TrackPoints points(200);
    points[120] = TrackPoint{55.755831, 37.617673, 39000.5, {}, false};
    EXPECT_EQ(StopLine(2, TrackStop{120, 161, 12.5 / 1440}, points),
              "2,stop 2,55.755831,37.617673,39000.5000000,28,1,4,0,65535,points 120 - 161 stop time 0:12:30,"
              "0,0,0,-777,6,0,25,0,10.0,2,0,0,0");
    // A stop of more than a day shows its total hours.
    EXPECT_EQ(StopLine(1, TrackStop{120, 100000, 25.0 / 24}, points),
              "1,stop 1,55.755831,37.617673,39000.5000000,28,1,4,0,65535,points 120 - 100000 stop time 25:00:00,"
              "0,0,0,-777,6,0,25,0,10.0,2,0,0,0");
}

}  // namespace
}  // namespace qm
