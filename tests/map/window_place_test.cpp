#include "map/window_place.h"

#include <gtest/gtest.h>

namespace qm {
namespace {

TEST(PlaceWindow, WhereLastSeenWhenUsableElseCentredAtAGoodSize)
{
    const ScreenBox home{0, 0, 1280, 1024}, second{1280, 0, 1920, 1080};
    const WindowSizes sizes{870, 720, 1100, 760};
    const ScreenBox centred{90, 132, 1100, 760};
    const struct {
        const char* what;
        ScreenBox last;
        std::vector<ScreenBox> screens;
        ScreenBox homeScreen;
        ScreenBox placed;
    } cases[] = {
        {"never seen", {0, 0, 0, 0}, {home, second}, home, centred},
        {"smaller than it can be used at", {0, 0, 640, 480}, {home, second}, home, centred},
        {"a negative size", {100, 100, -900, 800}, {home}, home, centred},
        {"on no screen", {5000, 5000, 1000, 800}, {home, second}, home, centred},
        {"less than three quarters on one screen", {1000, 100, 1000, 800}, {home, second}, home, centred},
        {"without screens", {100, 100, 1000, 800}, {}, home, centred},
        {"as it was", {100, 50, 1000, 800}, {home, second}, home, {100, 50, 1000, 800}},
        {"on the second screen", {1400, 50, 1200, 900}, {home, second}, home, {1400, 50, 1200, 900}},
        {"a little off: moved on", {-50, 300, 1000, 800}, {home, second}, home, {0, 224, 1000, 800}},
        {"larger than its screen: cut", {0, 0, 1300, 1100}, {home}, home, {0, 0, 1280, 1024}},
        {"a small screen: most of it, the least height over the good one", {0, 0, 0, 0}, {{0, 0, 1024, 800}},
         {0, 0, 1024, 800}, {51, 40, 921, 720}},
        {"a screen smaller than the least size: the whole screen", {0, 0, 0, 0}, {{0, 0, 800, 600}},
         {0, 0, 800, 600}, {0, 0, 800, 600}},
        {"centred on a home screen that does not start at 0", {0, 0, 0, 0}, {home, second}, second,
         {1690, 160, 1100, 760}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const ScreenBox placed = PlaceWindow(c.last, c.screens, c.homeScreen, sizes);
        EXPECT_EQ(placed, c.placed) << placed.Left << "," << placed.Top << " " << placed.Width << "x" << placed.Height;
    }
}

}  // namespace
}  // namespace qm
