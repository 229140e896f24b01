#include "ui/map/map_legend.h"

#include "map/band_totals.h"
#include "platform/date_time_text.h"
#include "platform/number_text.h"
#include "ui/qt_color.h"
#include "ui/qt_text.h"

#include <QGridLayout>
#include <QLabel>
#include <QPixmap>

namespace qm {
namespace {

QString Share(double part, double whole) { return whole > 0 ? QString(" (%1 %)").arg(qRound(100 * part / whole)) : ""; }

QString Kilometres(double km) { return QString::number(km, 'f', 2) + " км"; }

QLabel* Cell(QGridLayout* grid, int row, int column, const QString& name, Qt::Alignment alignment)
{
    auto* label = new QLabel;
    label->setObjectName(name);
    label->setAlignment(alignment | Qt::AlignVCenter);
    grid->addWidget(label, row, column);
    return label;
}

}  // namespace

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
    grid->addWidget(new QLabel("<b>Всего</b>"), kBandCount + 1, 0, 1, 2);
    totalDistance_ = Cell(grid, kBandCount + 1, 2, "totalDistance", Qt::AlignRight);
    totalTime_ = Cell(grid, kBandCount + 1, 3, "totalTime", Qt::AlignRight);
    grid->setRowStretch(kBandCount + 2, 1);
    SetTrip(nullptr);
}

void MapLegend::SetTrip(const MapTrip* trip)
{
    const BandTotals totals = trip ? SumBands(trip->Visualisation.Runs) : BandTotals{};
    BandTotal whole;
    for (const BandTotal& total : totals) {
        whole.Distance += total.Distance;
        whole.Duration += total.Duration;
    }
    for (int i = 0; i < kBandCount; ++i) {
        const Row& row = rows_[i];
        if (!trip) {
            for (QLabel* label : {row.Swatch, row.Range, row.Distance, row.Time}) label->clear();
            continue;
        }
        const SpeedBand& band = trip->Visualisation.Bands[i];
        QPixmap swatch(24, 12);
        swatch.fill(ColorOf(band.Color));
        row.Swatch->setPixmap(swatch);
        row.Range->setText(ToQt(BandRangeText(band, "км/ч", "–")));
        row.Distance->setText(Kilometres(totals[i].Distance) + Share(totals[i].Distance, whole.Distance));
        row.Time->setText(ToQt(DurationText(totals[i].Duration)) + Share(totals[i].Duration, whole.Duration));
    }
    totalDistance_->setText(trip ? Kilometres(whole.Distance) : "");
    totalTime_->setText(trip ? ToQt(DurationText(whole.Duration)) : "");
}

}  // namespace qm
