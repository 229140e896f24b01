#include "ui/map/map_legend.h"

#include "platform/date_time_text.h"
#include "platform/number_text.h"
#include "ui/qt_color.h"
#include "stats/report_number.h"
#include "ui/map/map_marks.h"
#include "ui/qt_text.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QPainter>
#include <QPixmap>

#include <cmath>

namespace qm {
namespace {

QString Share(double part, double whole)
{
    if (!(whole > 0) || !(part > 0)) return {};
    const double percent = 100 * part / whole;
    return percent < 1 ? " (< 1 %)" : QString(" (%1 %)").arg(std::lround(percent));
}

QLabel* Cell(QGridLayout* grid, int row, int column, const QString& name, Qt::Alignment alignment)
{
    auto* label = new QLabel;
    label->setObjectName(name);
    label->setAlignment(alignment | Qt::AlignVCenter);
    grid->addWidget(label, row, column);
    return label;
}

// Large enough, and framed, for neighbouring band colours to be told apart.
QPixmap Swatch(int32_t color)
{
    QPixmap swatch(40, 18);
    swatch.fill(ColorOf(color));
    QPainter painter(&swatch);
    painter.setPen(QColor(60, 60, 60));
    painter.drawRect(swatch.rect().adjusted(0, 0, -1, -1));
    return swatch;
}

QPixmap MarkPicture(MarkKind kind)
{
    QPixmap picture(40, 22);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    DrawMark(painter, QPointF(20, 11), kind);
    return picture;
}

QString RangeText(const SpeedBand& band, bool last)
{
    if (last) return ToQt("> " + FloatToText(band.Lower) + " км/ч");
    return ToQt(BandRangeText(band, "км/ч", "–"));
}

}  // namespace

QString LegendDuration(double days)
{
    if (!(days >= 1) || !std::isfinite(days)) return ToQt(DurationText(days));
    const int64_t seconds = std::llround(days * 86400);
    return QString("%1 д %2:%3:%4")
        .arg(seconds / 86400)
        .arg(seconds / 3600 % 24, 2, 10, QChar('0'))
        .arg(seconds / 60 % 60, 2, 10, QChar('0'))
        .arg(seconds % 60, 2, 10, QChar('0'));
}

MapLegend::MapLegend(QWidget* parent) : QWidget(parent)
{
    setObjectName("mapLegend");
    auto* grid = new QGridLayout(this);
    grid->setVerticalSpacing(2);
    grid->addWidget(new QLabel("<b>Скорость</b>"), 0, 0, 1, 2);
    grid->addWidget(new QLabel("<b>Расстояние</b>"), 0, 2, Qt::AlignRight);
    grid->addWidget(new QLabel("<b>Время</b>"), 0, 3, Qt::AlignRight);
    for (int i = 0; i < kBandCount; ++i) {
        const QString n = QString::number(i);
        rows_[i] = {Cell(grid, i + 1, 0, "swatch" + n, Qt::AlignLeft), Cell(grid, i + 1, 1, "range" + n, Qt::AlignLeft),
                    Cell(grid, i + 1, 2, "distance" + n, Qt::AlignRight), Cell(grid, i + 1, 3, "time" + n, Qt::AlignRight)};
    }
    int row = kBandCount + 1;
    grid->addWidget(new QLabel("Перерывы"), row, 0, 1, 2);
    pauseTime_ = Cell(grid, row++, 3, "pauseTime", Qt::AlignRight);
    grid->addWidget(new QLabel("<b>Всего</b>"), row, 0, 1, 2);
    totalDistance_ = Cell(grid, row, 2, "totalDistance", Qt::AlignRight);
    totalTime_ = Cell(grid, row++, 3, "totalTime", Qt::AlignRight);
    grid->addWidget(new QLabel("Наибольшая скорость"), row, 0, 1, 2);
    maxSpeed_ = Cell(grid, row++, 2, "maxSpeed", Qt::AlignRight);
    emptyBands_ = new QCheckBox("Полосы без участков");
    emptyBands_->setObjectName("emptyBands");
    emptyBands_->setChecked(true);
    grid->addWidget(emptyBands_, row++, 0, 1, 4);
    connect(emptyBands_, &QCheckBox::toggled, this, &MapLegend::ShowEmptyBands);

    for (MarkKind kind : {MarkKind::Start, MarkKind::Finish, MarkKind::Stop}) {
        auto* mark = new QLabel;
        mark->setPixmap(MarkPicture(kind));
        grid->addWidget(mark, row, 0);
        auto* name = new QLabel(MarkName(kind));
        grid->addWidget(name, row++, 1, 1, 3);
        if (kind == MarkKind::Stop) stopCount_ = name;
    }
    grid->setRowStretch(row, 1);
    SetTrip(nullptr, Settings{});
}

void MapLegend::SetTrip(const MapTrip* trip, const Settings& settings)
{
    auto number = [&](double value) { return ToQt(ReportNumber(value, settings.NUMDIGITS, settings.DECDELIM)); };
    const TripTotals totals = trip ? trip->Totals : TripTotals{};
    for (int i = 0; i < kBandCount; ++i) {
        Row& row = rows_[i];
        row.Empty = true;
        for (QLabel* label : {row.Swatch, row.Range, row.Distance, row.Time}) label->clear();
        if (!trip) continue;
        const SpeedBand& band = trip->Visualisation.Bands[i];
        const BandTotal& total = totals.Bands[i];
        row.Empty = band.StepCount == 0;
        row.Swatch->setPixmap(Swatch(band.Color));
        row.Range->setText(RangeText(band, i + 1 == kBandCount));
        if (row.Empty) continue;
        row.Distance->setText(number(total.Distance) + " км" + Share(total.Distance, totals.Distance));
        row.Time->setText(LegendDuration(total.Duration) + Share(total.Duration, totals.Duration));
    }
    pauseTime_->setText(trip ? LegendDuration(totals.Pauses) : "");
    totalDistance_->setText(trip ? number(totals.Distance) + " км" : "");
    totalTime_->setText(trip ? LegendDuration(totals.Duration) : "");
    maxSpeed_->setText(trip ? number(totals.MaxSpeed) + " км/ч" : "");
    const int stops = trip ? int(trip->Visualisation.Stops.size()) : 0;
    stopCount_->setText(MarkName(MarkKind::Stop) + (stops > 0 ? QString(" (%1)").arg(stops) : QString()));
    ShowEmptyBands();
}

void MapLegend::ShowEmptyBands()
{
    for (const Row& row : rows_) {
        for (QLabel* label : {row.Swatch, row.Range, row.Distance, row.Time}) {
            label->setVisible(!row.Empty || emptyBands_->isChecked());
            label->setEnabled(!row.Empty);
        }
    }
}

}  // namespace qm
