#include "map/legend_layout.h"

#include <gtest/gtest.h>

namespace qm {
namespace {

// 7 pixels a character, 9 in bold.
double FakeWidth(const std::string& text, bool bold) { return double(text.size()) * (bold ? 9 : 7); }

LegendCell Text(std::string text, int column, int span = 1, bool bold = false)
{
    LegendCell cell;
    cell.Name = text;
    cell.Text = std::move(text);
    cell.Column = column;
    cell.Span = span;
    cell.Bold = bold;
    return cell;
}

LegendCell Picture(int column, double width, double height)
{
    LegendCell cell;
    cell.Picture = 0;
    cell.Column = column;
    cell.Width = width;
    cell.Height = height;
    return cell;
}

const LegendSpacing kSpacing{16, 8, 6, 2};

TEST(LegendLayout, ColumnsHoldTheirWidestCellAndSpansWidenTheLast)
{
    const struct {
        const char* what;
        std::vector<LegendRow> rows;
        std::vector<double> lefts;  // of the cells of the last row
        double width;
    } cases[] = {
        {"one column per cell", {{{Text("abc", 0), Text("abcdef", 1)}}, {{Text("a", 0), Text("ab", 1)}}}, {8, 35}, 85},
        {"a narrow span widens nothing",
         {{{Text("abcde", 0), Text("abcde", 1)}}, {{Text("abc", 0, 2)}}},
         {8},
         8 + 35 + 6 + 35 + 8},
        {"a wide bold span widens its last column",
         {{{Picture(0, 40, 18), Text("ab", 1), Text("x", 2)}}, {{Text("abcdefghij", 0, 2, true)}}},
         {8},
         8 + 40 + 6 + (90 - 46) + 6 + 7 + 8},
        {"nothing", {}, {}, 16},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const LegendLayout layout = LayOutLegend(c.rows, FakeWidth, kSpacing);
        EXPECT_DOUBLE_EQ(layout.Width, c.width);
        if (layout.Rows.empty()) continue;
        std::vector<double> lefts;
        for (const LegendCell& cell : layout.Rows.back().Cells) lefts.push_back(cell.Box.Left);
        EXPECT_EQ(lefts, c.lefts);
    }
}

// A legend's worth of rows: every text whole in its box, no two boxes
// overlapping, all inside the layout's size, rows as high as their pictures.
TEST(LegendLayout, NoTextIsCut)
{
    std::vector<LegendRow> rows{{{Text("Speed", 0, 2, true), Text("Distance", 2, 1, true), Text("Time", 3, 1, true)}}};
    for (const char* time : {"0:05:00 (14 %)", "1 d 01:10:00 (99 %)", ""})
        rows.push_back({{Picture(0, 40, 18), Text("10-15 km/h", 1), Text("318.4 km (< 1 %)", 2), Text(time, 3)}});
    rows.push_back({{Text("Greatest speed of all", 0, 2), Text("91.3 km/h", 2)}});
    rows.push_back({{Picture(0, 40, 22), Text("Stop (7)", 1, 3)}});
    rows.push_back({{Text("Times of the marks: UTC+4 and a long note", 0, 4)}});
    const LegendLayout layout = LayOutLegend(rows, FakeWidth, kSpacing);
    const PixelBox inside{0, 0, layout.Width, layout.Height};
    std::vector<PixelBox> boxes;
    for (const LegendRow& row : layout.Rows) {
        for (const LegendCell& cell : row.Cells) {
            SCOPED_TRACE(cell.Name);
            EXPECT_GE(cell.Box.Width, FakeWidth(cell.Text, cell.Bold));
            EXPECT_GE(cell.Box.Width, cell.Width);
            EXPECT_GE(cell.Box.Height, cell.Picture >= 0 ? cell.Height : kSpacing.LineHeight);
            EXPECT_TRUE(inside.Grown(-kSpacing.Margin, -kSpacing.Margin).Contains(cell.Box));
            for (const PixelBox& other : boxes) EXPECT_FALSE(other.Overlaps(cell.Box));
            boxes.push_back(cell.Box);
        }
    }
    EXPECT_DOUBLE_EQ(layout.Rows[1].Cells[0].Box.Height, 18);
    EXPECT_DOUBLE_EQ(layout.Rows.back().Cells[0].Box.Top, layout.Height - kSpacing.Margin - kSpacing.LineHeight);
}

}  // namespace
}  // namespace qm
