#pragma once

#include <QColor>
#include <QPointF>
#include <QString>

class QFontMetrics;
class QPainter;

namespace qm {

// The marks on the track, drawn alike on the map and in the legend.
enum class MarkKind { Start, Finish, Stop, Cursor };

inline constexpr double kMarkRadius = 6;

// A mark centred on a point; a count above 1 is written into it (stops
// merged into one mark where theirs would overlap), and the mark grows to
// hold it.
void DrawMark(QPainter& painter, QPointF centre, MarkKind kind, int count = 1);
// The radius of a mark with that count, written in that font.
double MarkRadius(const QFontMetrics& metrics, int count);

// What the legend and the tooltips call a mark.
QString MarkName(MarkKind kind);

// The zone the map's times are given in: the track's UTC times moved by
// GMTMOD hours ("UTC+4").
QString ZoneText(int gmtHours);

// A length of time as the map window writes it, in the legend and in the
// tooltips alike: DurationText below a day, days and hours beyond ("2 д 03:15:00").
QString ShownDuration(double days);

}  // namespace qm
