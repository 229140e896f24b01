#include "map/mark_groups.h"

#include <gtest/gtest.h>

namespace qm {
namespace {

TEST(GroupMarks, NearPlacesShareAGroupFarOnesDoNot)
{
    const std::vector<LinePoint> places = {{0, 0, 0}, {5, 5, 0}, {30, 0, 0}, {-9, 9, 0}, {30, 9.9, 0}, {100, 100, 0}};
    const std::vector<MarkGroup> groups = GroupMarks(places, 10);
    ASSERT_EQ(groups.size(), 3u);
    EXPECT_EQ(groups[0].Members, (std::vector<int32_t>{0, 1, 3}));
    EXPECT_EQ(groups[1].Members, (std::vector<int32_t>{2, 4}));
    EXPECT_EQ(groups[2].Members, (std::vector<int32_t>{5}));
    EXPECT_EQ(groups[1].X, 30);
    // Zoomed in far enough, each place is a mark of its own.
    EXPECT_EQ(GroupMarks(places, 1).size(), places.size());
}

}  // namespace
}  // namespace qm
