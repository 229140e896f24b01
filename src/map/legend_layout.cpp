#include "map/legend_layout.h"

#include <algorithm>
#include <numeric>

namespace qm {

LegendLayout LayOutLegend(std::vector<LegendRow> rows, const TextWidth& textWidth, const LegendSpacing& spacing)
{
    int columns = 0;
    for (LegendRow& row : rows) {
        for (LegendCell& cell : row.Cells) {
            if (!cell.Text.empty()) {
                cell.Width = textWidth(cell.Text, cell.Bold);
                cell.Height = std::max(cell.Height, spacing.LineHeight);
            }
            columns = std::max(columns, cell.Column + cell.Span);
        }
    }
    std::vector<double> widths(columns, 0);
    for (const LegendRow& row : rows)
        for (const LegendCell& cell : row.Cells)
            if (cell.Span == 1) widths[cell.Column] = std::max(widths[cell.Column], cell.Width);
    auto spanned = [&](const LegendCell& cell) {
        return std::accumulate(widths.begin() + cell.Column, widths.begin() + cell.Column + cell.Span, 0.0) +
               (cell.Span - 1) * spacing.ColumnGap;
    };
    for (const LegendRow& row : rows)
        for (const LegendCell& cell : row.Cells)
            if (cell.Span > 1) widths[cell.Column + cell.Span - 1] += std::max(0.0, cell.Width - spanned(cell));

    std::vector<double> lefts(columns, spacing.Margin);
    for (int c = 1; c < columns; ++c) lefts[c] = lefts[c - 1] + widths[c - 1] + spacing.ColumnGap;
    double top = spacing.Margin;
    for (LegendRow& row : rows) {
        double height = spacing.LineHeight;
        for (const LegendCell& cell : row.Cells) height = std::max(height, cell.Height);
        for (LegendCell& cell : row.Cells) cell.Box = {lefts[cell.Column], top, spanned(cell), height};
        top += height + spacing.RowGap;
    }
    LegendLayout layout;
    layout.Width = columns == 0 ? 2 * spacing.Margin : lefts.back() + widths.back() + spacing.Margin;
    layout.Height = rows.empty() ? 2 * spacing.Margin : top - spacing.RowGap + spacing.Margin;
    layout.Rows = std::move(rows);
    return layout;
}

}  // namespace qm
