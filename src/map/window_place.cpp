#include "map/window_place.h"

#include <algorithm>
#include <cstdint>

namespace qm {
namespace {

int64_t Area(const ScreenBox& box) { return int64_t{box.Width} * box.Height; }

int64_t SharedArea(const ScreenBox& a, const ScreenBox& b)
{
    const int64_t width = std::min(a.Right(), b.Right()) - std::max(a.Left, b.Left);
    const int64_t height = std::min(a.Bottom(), b.Bottom()) - std::max(a.Top, b.Top);
    return width > 0 && height > 0 ? width * height : 0;
}

// The side of a window on a screen's side: at most the screen's, the least
// where the screen has room for it, else the wanted one.
int Side(int wanted, int least, int screen) { return std::min(std::max(wanted, least), screen); }

ScreenBox Centred(const ScreenBox& home, const WindowSizes& sizes)
{
    // Most of a screen smaller than the good size: nine tenths of it.
    const int width = Side(std::min(sizes.GoodWidth, home.Width * 9 / 10), sizes.LeastWidth, home.Width);
    const int height = Side(std::min(sizes.GoodHeight, home.Height * 9 / 10), sizes.LeastHeight, home.Height);
    return {home.Left + (home.Width - width) / 2, home.Top + (home.Height - height) / 2, width, height};
}

}  // namespace

ScreenBox PlaceWindow(const ScreenBox& last, const std::vector<ScreenBox>& screens, const ScreenBox& home,
                      const WindowSizes& sizes)
{
    if (last.Width < std::max(1, sizes.LeastWidth) || last.Height < std::max(1, sizes.LeastHeight))
        return Centred(home, sizes);
    const auto most = std::max_element(screens.begin(), screens.end(), [&](const ScreenBox& a, const ScreenBox& b) {
        return SharedArea(last, a) < SharedArea(last, b);
    });
    if (most == screens.end() || SharedArea(last, *most) * 4 < Area(last) * 3) return Centred(home, sizes);
    const ScreenBox& screen = *most;
    ScreenBox placed = last;
    placed.Width = std::min(last.Width, screen.Width);
    placed.Height = std::min(last.Height, screen.Height);
    placed.Left = std::clamp(last.Left, screen.Left, screen.Right() - placed.Width);
    placed.Top = std::clamp(last.Top, screen.Top, screen.Bottom() - placed.Height);
    return placed;
}

}  // namespace qm
