#include "ui/map/map_legend.h"

#include "platform/date_time_text.h"
#include "platform/number_text.h"
#include "ui/qt_color.h"
#include "stats/report_number.h"
#include "ui/map/map_marks.h"
#include "ui/qt_text.h"

#include <QCheckBox>
#include <QEvent>
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
    const QString unit = MapLegend::tr("км/ч");
    if (last) return "> " + ToQt(FloatToText(band.Lower)) + " " + unit;
    return ToQt(BandRangeText(band, ToStd(unit), "–"));
}

}  // namespace

QString LegendDuration(double days)
{
    if (!(days >= 1) || !std::isfinite(days)) return ToQt(DurationText(days));
    const int64_t seconds = std::llround(days * 86400);
    return MapLegend::tr("%1 д %2:%3:%4")
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
    grid->addWidget(speedHeader_ = new QLabel, 0, 0, 1, 2);
    grid->addWidget(distanceHeader_ = new QLabel, 0, 2, Qt::AlignRight);
    grid->addWidget(timeHeader_ = new QLabel, 0, 3, Qt::AlignRight);
    for (int i = 0; i < kBandCount; ++i) {
        const QString n = QString::number(i);
        rows_[i] = {Cell(grid, i + 1, 0, "swatch" + n, Qt::AlignLeft), Cell(grid, i + 1, 1, "range" + n, Qt::AlignLeft),
                    Cell(grid, i + 1, 2, "distance" + n, Qt::AlignRight), Cell(grid, i + 1, 3, "time" + n, Qt::AlignRight)};
    }
    int row = kBandCount + 1;
    grid->addWidget(pauses_ = new QLabel, row, 0, 1, 2);
    pauseTime_ = Cell(grid, row++, 3, "pauseTime", Qt::AlignRight);
    grid->addWidget(total_ = new QLabel, row, 0, 1, 2);
    totalDistance_ = Cell(grid, row, 2, "totalDistance", Qt::AlignRight);
    totalTime_ = Cell(grid, row++, 3, "totalTime", Qt::AlignRight);
    grid->addWidget(maxSpeedName_ = new QLabel, row, 0, 1, 2);
    maxSpeed_ = Cell(grid, row++, 2, "maxSpeed", Qt::AlignRight);
    emptyBands_ = new QCheckBox;
    emptyBands_->setObjectName("emptyBands");
    emptyBands_->setChecked(true);
    grid->addWidget(emptyBands_, row++, 0, 1, 4);
    connect(emptyBands_, &QCheckBox::toggled, this, &MapLegend::ShowEmptyBands);

    for (MarkKind kind : {MarkKind::Start, MarkKind::Finish, MarkKind::Stop}) {
        auto* mark = new QLabel;
        mark->setPixmap(MarkPicture(kind));
        grid->addWidget(mark, row, 0);
        auto* name = new QLabel;
        grid->addWidget(name, row++, 1, 1, 3);
        markNames_.push_back(name);
    }
    grid->setRowStretch(row, 1);
    SetTrip(nullptr, Settings{});
}

void MapLegend::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange) SetTrip(trip_, settings_);
    QWidget::changeEvent(event);
}

void MapLegend::SetTrip(const MapTrip* trip, const Settings& settings)
{
    trip_ = trip;
    settings_ = settings;
    speedHeader_->setText("<b>" + tr("Скорость") + "</b>");
    distanceHeader_->setText("<b>" + tr("Расстояние") + "</b>");
    timeHeader_->setText("<b>" + tr("Время") + "</b>");
    pauses_->setText(tr("Перерывы"));
    total_->setText("<b>" + tr("Всего") + "</b>");
    maxSpeedName_->setText(tr("Наибольшая скорость"));
    emptyBands_->setText(tr("Полосы без участков"));
    markNames_[0]->setText(MarkName(MarkKind::Start));
    markNames_[1]->setText(MarkName(MarkKind::Finish));
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
        row.Distance->setText(number(total.Distance) + " " + tr("км") + Share(total.Distance, totals.Distance));
        row.Time->setText(LegendDuration(total.Duration) + Share(total.Duration, totals.Duration));
    }
    pauseTime_->setText(trip ? LegendDuration(totals.Pauses) : "");
    totalDistance_->setText(trip ? number(totals.Distance) + " " + tr("км") : "");
    totalTime_->setText(trip ? LegendDuration(totals.Duration) : "");
    maxSpeed_->setText(trip ? number(totals.MaxSpeed) + " " + tr("км/ч") : "");
    const int stops = trip ? int(trip->Visualisation.Stops.size()) : 0;
    markNames_[2]->setText(MarkName(MarkKind::Stop) + (stops > 0 ? QString(" (%1)").arg(stops) : QString()));
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
