#include "ui/map/profile_layers.h"

#include "map/round_steps.h"
#include "ui/interface_language.h"
#include "ui/qt_color.h"
#include "ui/qt_text.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

namespace qm {
namespace {

const QColor kGapColor(225, 225, 225);
const QColor kCursorColor(0, 90, 255);
// Unlike the gaps' grey, the bands' colours and the cursor's blue.
const QColor kFileColor(150, 0, 120);
const QColor kNoteColor(170, 60, 0);

QRectF RectOf(const PixelBox& box) { return QRectF(box.Left, box.Top, box.Width, box.Height); }

}  // namespace

void DrawProfileFrame(QPainter& painter, const PixelBox& box, const ProfileValueAxes& axes,
                      const ProfileTitles& titles, double width)
{
    const QRectF area = RectOf(box);
    const QFontMetrics metrics = painter.fontMetrics();
    const char separator = InterfaceDecimalSeparator();
    for (double v : RoundTicks(axes.Bars.Low, axes.Bars.High, axes.Bars.Step)) {
        const double y = axes.Bars.Y(v, box);
        painter.setPen(QColor(235, 235, 235));
        painter.drawLine(QPointF(area.left(), y), QPointF(area.right(), y));
        painter.setPen(Qt::black);
        painter.drawText(QRectF(0, y - metrics.height() / 2.0, area.left() - 4, metrics.height()),
                         Qt::AlignRight | Qt::AlignVCenter, ToQt(StepText(v, axes.Bars.Step, separator)));
    }
    // The height's labels right of the plot, a shown measure's right of them.
    const double side = area.left();
    auto rightLabels = [&](const ValueAxis& axis, double left) {
        for (double v : RoundTicks(axis.Low, axis.High, axis.Step))
            painter.drawText(QRectF(left, axis.Y(v, box) - metrics.height() / 2.0, side - 4, metrics.height()),
                             Qt::AlignLeft | Qt::AlignVCenter, ToQt(StepText(v, axis.Step, separator)));
    };
    painter.setPen(kProfileHeightColor);
    rightLabels(axes.Height, area.right() + 4);
    const QRectF line(area.left(), area.top() - metrics.height() - 4, width - area.left() - 4, metrics.height());
    painter.setPen(Qt::black);
    painter.drawText(line, Qt::AlignLeft, titles.Bars);
    double heightTitleEnd = area.right();
    if (titles.MeasureColor) {
        painter.setPen(*titles.MeasureColor);
        rightLabels(axes.Measure, area.right() + side + 4);
        painter.drawText(line, Qt::AlignRight, titles.Measure);
        heightTitleEnd = std::min(heightTitleEnd, line.right() - metrics.horizontalAdvance(titles.Measure) - 16);
    }
    painter.setPen(kProfileHeightColor);
    painter.drawText(QRectF(line.left(), line.top(), heightTitleEnd - line.left(), line.height()), Qt::AlignRight,
                     titles.Height);
}

void DrawBars(QPainter& painter, const ProfilePlot& plot, const std::vector<SpeedColumn>& bars,
              const std::vector<ColourBandTotal>& bands, const ValueAxis& values)
{
    const PixelBox& area = plot.Area();
    const double column = area.Width / bars.size();
    // Bars stand on 0 where the axis holds it (a downhill grade hangs from it).
    const double base = values.Y(std::clamp(0.0, values.Low, values.High), area);
    for (std::size_t c = 0; c < bars.size(); ++c) {
        if (bars[c].Band < 0) continue;
        const double y = values.Y(bars[c].Speed, area);
        painter.fillRect(QRectF(area.Left + c * column, std::min(y, base), column, std::fabs(base - y)),
                         ColorOf(bands[bars[c].Band].Color));
    }
}

void DrawGaps(QPainter& painter, const ProfilePlot& plot)
{
    const PixelBox& area = plot.Area();
    for (const ProfilePlot::Gap& gap : plot.Gaps()) {
        painter.fillRect(QRectF(gap.Left, area.Top, std::max(1.0, gap.Right - gap.Left), area.Height), kGapColor);
        if (!gap.Marked()) continue;
        painter.setPen(QPen(Qt::gray, 1, Qt::DashLine));
        painter.drawLine(QPointF(gap.Left, area.Top), QPointF(gap.Left, area.Bottom()));
        painter.drawLine(QPointF(gap.Right, area.Top), QPointF(gap.Right, area.Bottom()));
    }
}

void DrawColumnLines(QPainter& painter, const ProfilePlot& plot, const ProfileAxis& axis,
                     const std::vector<ValueRange>& columns, const ValueAxis& values, const QPen& pen)
{
    const PixelBox& area = plot.Area();
    const double column = area.Width / columns.size();
    painter.setPen(pen);
    for (const ProfileAxis::Part& part : axis.Parts) {
        QPolygonF line;
        const auto [first, last] = plot.PartColumns(part, int(columns.size()));
        for (int c = first; c <= last; ++c) {
            if (std::isnan(columns[c].Low)) continue;
            const double x = area.Left + (c + 0.5) * column;
            line << QPointF(x, values.Y(columns[c].Low, area));
            if (columns[c].High != columns[c].Low) line << QPointF(x, values.Y(columns[c].High, area));
        }
        if (line.size() == 1) line << line.front() + QPointF(0.5, 0);
        painter.drawPolyline(line);
    }
}

void DrawStopMarks(QPainter& painter, const ProfilePlot& plot, const std::vector<TrackStop>& stops)
{
    const PixelBox& area = plot.Area();
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(QColor(255, 255, 0));
    for (const TrackStop& stop : stops) {
        const double x = std::clamp(plot.PointX(stop.First), area.Left + 5, area.Right() - 5);
        const QPointF mark[] = {{x - 4.5, area.Bottom() - 1}, {x + 4.5, area.Bottom() - 1}, {x, area.Bottom() - 9}};
        painter.drawPolygon(mark, 3);
    }
}

void DrawBottomAxis(QPainter& painter, const ProfilePlot& plot, const ProfilePlot::BottomAxis& bottom,
                    const QString& caption, double height)
{
    const PixelBox& area = plot.Area();
    const QFontMetrics metrics = painter.fontMetrics();
    painter.setPen(Qt::black);
    for (double x : bottom.Ticks) painter.drawLine(QPointF(x, area.Bottom()), QPointF(x, area.Bottom() + 4));
    for (const ProfilePlot::Label& label : bottom.Labels)
        painter.drawText(QPointF(label.Left, area.Bottom() + 4 + metrics.ascent()), ToQt(label.Text));
    for (const ProfilePlot::Gap& gap : plot.Gaps()) {
        if (!gap.Marked()) continue;
        const double middle = (gap.Left + gap.Right) / 2;
        painter.fillRect(QRectF(middle - 4, area.Bottom() - 3, 8, 7), Qt::white);
        painter.drawLine(QPointF(middle - 5, area.Bottom() + 3), QPointF(middle - 1, area.Bottom() - 3));
        painter.drawLine(QPointF(middle + 1, area.Bottom() + 3), QPointF(middle + 5, area.Bottom() - 3));
    }
    painter.drawText(QRectF(area.Left, height - metrics.height() - 4, area.Width, metrics.height()), Qt::AlignRight,
                     caption);
}

void DrawProfileCursor(QPainter& painter, const PixelBox& area, double x)
{
    painter.setPen(QPen(kCursorColor, 1.5));
    painter.drawLine(QPointF(x, area.Top), QPointF(x, area.Bottom()));
}

void DrawFileMarks(QPainter& painter, const PixelBox& area, const std::vector<ProfilePlot::FileMark>& marks)
{
    for (const ProfilePlot::FileMark& mark : marks) {
        if (!mark.Break) continue;
        painter.setPen(QPen(kFileColor, 1.5, Qt::DashLine));
        painter.drawLine(QPointF(mark.X, area.Top), QPointF(mark.X, area.Bottom()));
    }
    for (const ProfilePlot::FileMark& mark : marks) {
        if (mark.Name.empty()) continue;
        const QRectF box = RectOf(mark.NameBox);
        painter.fillRect(box, QColor(255, 255, 255, 210));
        painter.setPen(kFileColor);
        painter.drawText(box, Qt::AlignCenter, ToQt(mark.Name));
    }
}

void DrawOtherFilesFaint(QPainter& painter, const PixelBox& area, const std::vector<ProfilePlot::FileMark>& marks,
                         uint32_t file)
{
    for (const ProfilePlot::FileMark& mark : marks)
        if (mark.File != file)
            painter.fillRect(QRectF(mark.X, area.Top, mark.End - mark.X, area.Height), QColor(255, 255, 255, 190));
}

void DrawCaptionNote(QPainter& painter, const ProfilePlot::Label& note, double height)
{
    if (note.Text.empty()) return;
    const QFontMetrics metrics = painter.fontMetrics();
    painter.setPen(kNoteColor);
    painter.drawText(QPointF(note.Left, height - 4 - metrics.height() + metrics.ascent()), ToQt(note.Text));
}

}  // namespace qm
