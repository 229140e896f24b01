#pragma once

#include <vector>

namespace qm {

// A window's or a screen's rectangle in the desktop's pixels.
struct ScreenBox {
    int Left = 0, Top = 0, Width = 0, Height = 0;
    int Right() const { return Left + Width; }
    int Bottom() const { return Top + Height; }
    bool operator==(const ScreenBox&) const = default;
};

struct WindowSizes {
    int LeastWidth = 0, LeastHeight = 0;  // below which the window is no use
    int GoodWidth = 0, GoodHeight = 0;    // for a first opening
};

// Where a window opens that was last seen at `last` (a width of 0 when it
// never was): there when it is at least the least size and mostly (three
// quarters) on one of the screens, moved onto that screen whole and cut to
// it where it is larger; otherwise centred on `home` at the good size, or at
// most of a smaller screen. `screens` are the screens' areas for windows.
ScreenBox PlaceWindow(const ScreenBox& last, const std::vector<ScreenBox>& screens, const ScreenBox& home,
                      const WindowSizes& sizes);

}  // namespace qm
