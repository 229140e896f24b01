#pragma once

#include "map/pixel_box.h"
#include "map/text_width.h"

#include <string>
#include <vector>

namespace qm {

// One cell of the legend's table: a text, or a picture or control of a
// given size, over one or more columns.
struct LegendCell {
    std::string Name;  // what its owner finds it by
    std::string Text;  // empty for a picture or control
    bool Bold = false;
    bool AlignRight = false;
    bool Dim = false;  // greyed: a band without a run
    std::string Tip;   // what its tooltip says, if anything
    int Picture = -1;  // which of its owner's pictures it shows, -1 for none
    double Width = 0, Height = 0;  // of a picture or control; a text is measured
    int Column = 0;
    int Span = 1;
    PixelBox Box;  // set by LayOutLegend
};

struct LegendRow {
    std::vector<LegendCell> Cells;
};

struct LegendSpacing {
    double LineHeight = 16;
    double Margin = 8;
    double ColumnGap = 6;
    double RowGap = 2;
};

// The rows with each cell's box, and the size that holds them.
struct LegendLayout {
    std::vector<LegendRow> Rows;
    double Width = 0, Height = 0;
};

// Lays the rows out as a table whose columns are as wide as their widest
// cell (a cell over several columns widens the last of them where it needs
// to), and each row as high as its highest cell or a line. A cell's box
// spans its columns; nothing is ever cut.
LegendLayout LayOutLegend(std::vector<LegendRow> rows, const TextWidth& textWidth, const LegendSpacing& spacing);

}  // namespace qm
