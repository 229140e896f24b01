#include "ui/map/map_marks.h"

#include "platform/date_time_text.h"
#include "ui/qt_text.h"

#include <QCoreApplication>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace qm {
namespace {

QColor Fill(MarkKind kind)
{
    switch (kind) {
    case MarkKind::Start: return QColor(255, 255, 255);
    case MarkKind::Finish: return QColor(0, 0, 0);
    case MarkKind::Stop: return QColor(255, 255, 0);  // as the waypoints: yellow on black
    default: return QColor(0, 90, 255);
    }
}

}  // namespace

double MarkRadius(const QFontMetrics& metrics, int count)
{
    if (count <= 1) return kMarkRadius;
    return std::max(kMarkRadius + 2, metrics.horizontalAdvance(QString::number(count)) / 2.0 + 4);
}

void DrawMark(QPainter& painter, QPointF centre, MarkKind kind, int count)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    // The start is drawn as a ring, so that a finish on the same place (a
    // loop) still shows it around its own disc.
    const double radius = kind == MarkKind::Start ? kMarkRadius + 3 : MarkRadius(painter.fontMetrics(), count);
    if (kind == MarkKind::Start) {
        painter.setBrush(Qt::NoBrush);
        painter.setPen(QPen(Qt::black, 5));
        painter.drawEllipse(centre, radius, radius);
        painter.setPen(QPen(Fill(kind), 2.5));
        painter.drawEllipse(centre, radius, radius);
    } else {
        painter.setPen(QPen(Qt::black, 1.5));
        painter.setBrush(Fill(kind));
        const double r = kind == MarkKind::Cursor ? radius - 1 : radius;
        painter.drawEllipse(centre, r, r);
    }
    if (count > 1) {
        painter.setPen(Qt::black);
        painter.drawText(QRectF(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius), Qt::AlignCenter,
                         QString::number(count));
    }
    painter.restore();
}

QString MarkName(MarkKind kind)
{
    switch (kind) {
    case MarkKind::Start: return QCoreApplication::translate("qm::MapMarks", "Начало");
    case MarkKind::Finish: return QCoreApplication::translate("qm::MapMarks", "Конец");
    case MarkKind::Stop: return QCoreApplication::translate("qm::MapMarks", "Остановка");
    default: return QCoreApplication::translate("qm::MapMarks", "Точка под указателем");
    }
}

}  // namespace qm

namespace qm {

QString ZoneText(int gmtHours)
{
    if (gmtHours == 0) return "UTC";
    return QString("UTC%1%2").arg(gmtHours > 0 ? "+" : "−").arg(std::abs(gmtHours));
}

QString ShownDuration(double days)
{
    if (!(days >= 1) || !std::isfinite(days)) return ToQt(DurationText(days));
    const int64_t seconds = std::llround(days * 86400);
    return QCoreApplication::translate("qm::MapMarks", "%1 д %2:%3:%4")
        .arg(seconds / 86400)
        .arg(seconds / 3600 % 24, 2, 10, QChar('0'))
        .arg(seconds / 60 % 60, 2, 10, QChar('0'))
        .arg(seconds % 60, 2, 10, QChar('0'));
}

}  // namespace qm
