#include "settings/track_files.h"

#include <gtest/gtest.h>

namespace qm {
namespace {

TEST(TrackFiles, ATripIsNamedByItsUserElseAfterItsFirstFile)
{
    const struct {
        std::vector<std::string> paths;
        std::string tripName;
        std::string name;
    } cases[] = {
        {{"/t/day1.plt"}, "Alps", "/t/day1.plt"},
        {{"/t/day1.plt", "/u/day2.fit"}, "", "/t/day1_trip.plt"},
        {{"/t/day1.plt", "/u/day2.fit"}, "  ", "/t/day1_trip.plt"},
        {{"/t/day1.plt", "/u/day2.fit"}, " Alps 2026.06 ", "/t/Alps 2026.06.trip"},
        {{"day1", "day2"}, "Альпы", "Альпы.trip"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const TrackFiles track = TrackFilesOf(c.paths, c.tripName);
        EXPECT_EQ(track.Paths, c.paths);
        EXPECT_EQ(track.Name, c.name);
    }
}

TEST(TrackFiles, ATripNameMustNameFilesOnEverySystem)
{
    for (const std::string fits : {"", " ", "Alps 2026", "Альпы", "a.b", "..."}) EXPECT_FALSE(TripNameFault(fits)) << fits;
    for (const std::string& unfit : std::vector<std::string>{"a/b", "a\\b", "C:", "why?", "a*", "\"a\"", "<a>", "a|b", ".", " .. ", "a\tb",
                                    std::string("a\0b", 3)}) {
        const std::optional<std::string> fault = TripNameFault(unfit);
        ASSERT_TRUE(fault) << unfit;
        // The name quoted on one line.
        EXPECT_EQ(fault->find('\t'), std::string::npos);
    }
}

}  // namespace
}  // namespace qm
