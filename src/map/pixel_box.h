#pragma once

namespace qm {

// A box in a view's or picture's pixels, from its top left corner.
struct PixelBox {
    double Left = 0, Top = 0, Width = 0, Height = 0;

    double Right() const { return Left + Width; }
    double Bottom() const { return Top + Height; }
    bool Empty() const { return !(Width > 0 && Height > 0); }
    bool Contains(const PixelBox& other) const
    {
        return other.Left >= Left && other.Top >= Top && other.Right() <= Right() && other.Bottom() <= Bottom();
    }
    // Boxes that only touch do not overlap; an empty box overlaps nothing.
    bool Overlaps(const PixelBox& other) const
    {
        return !Empty() && !other.Empty() && other.Left < Right() && Left < other.Right() && other.Top < Bottom() &&
               Top < other.Bottom();
    }
    PixelBox Grown(double x, double y) const { return {Left - x, Top - y, Width + 2 * x, Height + 2 * y}; }
    friend bool operator==(const PixelBox&, const PixelBox&) = default;
};

}  // namespace qm
