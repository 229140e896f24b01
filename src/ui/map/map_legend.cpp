#include "ui/map/map_legend.h"

#include "platform/date_time_text.h"
#include "platform/number_text.h"
#include "stats/report_number.h"
#include "ui/map/map_marks.h"
#include "ui/measure_texts.h"
#include "ui/interface_language.h"
#include "ui/qt_color.h"
#include "ui/qt_text.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QHelpEvent>
#include <QLabel>
#include <QPainter>
#include <QToolTip>
#include <QStyle>
#include <QStyleOption>

#include <cmath>

namespace qm {
namespace {

// The pictures after the bands' swatches: the marks, in this order.
constexpr MarkKind kMarks[] = {MarkKind::Start, MarkKind::Finish, MarkKind::Stop};

QString Share(double part, double whole)
{
    if (!(whole > 0) || !(part > 0)) return {};
    const double percent = 100 * part / whole;
    return percent < 1 ? " (< 1 %)" : QString(" (%1 %)").arg(std::lround(percent));
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

QString RangeText(const ColourBandTotal& band, ColourMeasure measure)
{
    if (band.NoData) return MapLegend::tr("нет данных");
    return ToQt(LegendRangeText(band.Lower, band.Upper, ToStd(ColourMeasureUnitCaption(measure)),
                                InterfaceDecimalSeparator()));
}

LegendCell Text(std::string name, const QString& text, int column, int span = 1)
{
    LegendCell cell;
    cell.Name = std::move(name);
    cell.Text = ToStd(text);
    cell.Column = column;
    cell.Span = span;
    return cell;
}

LegendCell Number(std::string name, const QString& text, int column)
{
    LegendCell cell = Text(std::move(name), text, column);
    cell.AlignRight = true;
    return cell;
}

LegendCell Heading(const QString& text, int column, int span = 1)
{
    LegendCell cell = Text({}, text, column, span);
    cell.Bold = true;
    return cell;
}

LegendCell Picture(std::string name, int picture, QSize size)
{
    LegendCell cell;
    cell.Name = std::move(name);
    cell.Picture = picture;
    cell.Width = size.width();
    cell.Height = size.height();
    return cell;
}

QRectF RectOf(const PixelBox& box) { return QRectF(box.Left, box.Top, box.Width, box.Height); }

}  // namespace

MapLegend::MapLegend(QWidget* parent) : QWidget(parent)
{
    setObjectName("mapLegend");
    emptyBands_ = new QCheckBox(this);
    emptyBands_->setObjectName("emptyBands");
    emptyBands_->setChecked(true);
    connect(emptyBands_, &QCheckBox::toggled, this, &MapLegend::Relayout);
    colourByLabel_ = new QLabel(this);
    colourByLabel_->setObjectName("colourByLabel");
    colourBy_ = new QComboBox(this);
    colourBy_->setObjectName("colourBy");
    colourByLabel_->setBuddy(colourBy_);
    connect(colourBy_, &QComboBox::activated, this,
            [this] { emit ColourChosen(static_cast<ColourMeasure>(colourBy_->currentData().toInt())); });
    SetTrip(nullptr, Settings{});
}

void MapLegend::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange) SetTrip(trip_, settings_);
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange) Relayout();
    QWidget::changeEvent(event);
}

void MapLegend::SetTrip(const MapTrip* trip, const Settings& settings)
{
    trip_ = trip;
    settings_ = settings;
    emptyBands_->setText(tr("Полосы без участков"));
    colourByLabel_->setText(tr("Цвет по:"));
    const std::vector<ColourMeasure> offered = trip ? ColourMeasuresOf(trip->Track) : std::vector<ColourMeasure>{};
    colourBy_->clear();
    for (ColourMeasure measure : offered) {
        colourBy_->addItem(ColourMeasureCaption(measure), static_cast<int>(measure));
        if (measure == trip->Colouring.Measure) colourBy_->setCurrentIndex(colourBy_->count() - 1);
    }
    // Speed alone is no choice.
    colourByLabel_->setVisible(offered.size() > 1);
    colourBy_->setVisible(offered.size() > 1);
    pictures_.clear();
    if (trip)
        for (const ColourBandTotal& band : trip->Colouring.Bands) pictures_.push_back(Swatch(band.Color));
    for (MarkKind kind : kMarks) pictures_.push_back(MarkPicture(kind));
    Relayout();
}

std::vector<LegendRow> MapLegend::Rows() const
{
    // The choice of the measure heads the bands where there is one.
    const ColourMeasure measure = trip_ ? trip_->Colouring.Measure : ColourMeasure::Speed;
    std::vector<LegendRow> rows{{{Heading(tr("Расстояние"), 2), Heading(tr("Время"), 3)}}};
    for (LegendCell& cell : rows[0].Cells) cell.AlignRight = true;
    std::vector<LegendCell>& heading = rows[0].Cells;
    if (colourBy_->isVisibleTo(this)) {
        heading.insert(heading.begin(), {Picture("colourByLabel", -1, colourByLabel_->sizeHint()),
                                         Picture("colourBy", -1, colourBy_->sizeHint())});
        heading[1].Column = 1;
    } else {
        heading.insert(heading.begin(), Heading(ColourMeasureCaption(measure), 0, 2));
    }
    const std::string separator(1, InterfaceDecimalSeparator());
    auto number = [&](double value) { return ToQt(ReportNumber(value, settings_.NUMDIGITS, separator)); };
    const TripTotals totals = trip_ ? trip_->Totals : TripTotals{};
    if (trip_) {
        const std::vector<ColourBandTotal>& bands = trip_->Colouring.Bands;
        for (int i = 0; i < int(bands.size()); ++i) {
            const ColourBandTotal& band = bands[i];
            const bool empty = band.StepCount == 0;
            if (empty && !emptyBands_->isChecked()) continue;
            const BandTotal& total = band.Total;
            const QString n = QString::number(i);
            const QString distance = number(total.Distance) + " " + tr("км") + Share(total.Distance, totals.Distance);
            const QString time = ShownDuration(total.Duration) + Share(total.Duration, totals.Duration);
            LegendRow row{{Picture(ToStd("swatch" + n), i, pictures_[i].size()),
                           Text(ToStd("range" + n), RangeText(band, measure), 1),
                           Number(ToStd("distance" + n), empty ? QString() : distance, 2),
                           Number(ToStd("time" + n), empty ? QString() : time, 3)}};
            for (LegendCell& cell : row.Cells) cell.Dim = empty;
            rows.push_back(std::move(row));
        }
    }
    // The figures below are those of the files shown.
    if (trip_ && HiddenFileCount(*trip_) > 0)
        rows.push_back({{Text("hiddenFiles",
                              tr("Скрыто файлов: %1 из %2").arg(HiddenFileCount(*trip_)).arg(trip_->Files.size()), 0,
                              4)}});
    auto shown = [&](const QString& text) { return trip_ ? text : QString(); };
    rows.push_back({{Text({}, tr("Перерывы"), 0, 2), Number("pauseTime", shown(ShownDuration(totals.Pauses)), 3)}});
    rows.push_back({{Heading(tr("Всего"), 0, 2),
                     Number("totalDistance", shown(number(totals.Distance) + " " + tr("км")), 2),
                     Number("totalTime", shown(ShownDuration(totals.Duration)), 3)}});
    rows.push_back({{Text({}, tr("Наибольшая скорость"), 0, 2),
                     Number("maxSpeed", shown(number(totals.MaxSpeed) + " " + tr("км/ч")), 2)}});
    const QString fastest = tr("Наибольшая из скоростей, по которым участки трека разнесены по полосам: средних "
                               "за интервал расчета %1 мин. Скорость между двумя точками может быть выше, в том "
                               "числе из-за одной неточной точки.")
                                .arg(ToQt(FloatToText(settings_.TIMEINTRVL, InterfaceDecimalSeparator())));
    for (LegendCell& cell : rows.back().Cells) cell.Tip = ToStd(fastest);
    rows.push_back({{Picture("emptyBands", -1, emptyBands_->sizeHint())}});
    rows.back().Cells[0].Span = 4;
    const int stops = trip_ ? int(trip_->Visualisation.Stops.size()) : 0;
    const int firstMark = int(pictures_.size()) - int(std::size(kMarks));
    for (int k = 0; k < int(std::size(kMarks)); ++k) {
        QString name = MarkName(kMarks[k]);
        if (kMarks[k] == MarkKind::Stop && stops > 0) name += QString(" (%1)").arg(stops);
        rows.push_back({{Picture({}, firstMark + k, pictures_[firstMark + k].size()), Text({}, name, 1, 3)}});
    }
    rows.push_back({{Text("zone", tr("Часовой пояс: %1").arg(ZoneText(settings_.GMTMOD)), 0, 4)}});
    return rows;
}

void MapLegend::Relayout()
{
    QFont bold = font();
    bold.setBold(true);
    const QFontMetricsF plain(font()), strong(bold);
    const TextWidth width = [&](const std::string& text, bool isBold) {
        return std::ceil((isBold ? strong : plain).horizontalAdvance(ToQt(text)));
    };
    const LegendSpacing spacing{std::ceil(plain.height()), 9, 6, 2};
    layout_ = LayOutLegend(Rows(), width, spacing);
    for (const LegendRow& row : layout_.Rows)
        for (const LegendCell& cell : row.Cells)
            for (QWidget* widget : std::initializer_list<QWidget*>{emptyBands_, colourByLabel_, colourBy_})
                if (cell.Name == ToStd(widget->objectName()))
                    widget->setGeometry(RectOf(cell.Box).toAlignedRect());
    updateGeometry();
    update();
    emit LaidOut();
}

QString MapLegend::CellText(const std::string& name) const
{
    for (const LegendRow& row : layout_.Rows)
        for (const LegendCell& cell : row.Cells)
            if (cell.Name == name) return ToQt(cell.Text);
    return {};
}

bool MapLegend::event(QEvent* event)
{
    if (event->type() != QEvent::ToolTip) return QWidget::event(event);
    auto* help = static_cast<QHelpEvent*>(event);
    for (const LegendRow& row : layout_.Rows) {
        for (const LegendCell& cell : row.Cells) {
            if (cell.Tip.empty() || !RectOf(cell.Box).contains(help->pos())) continue;
            QToolTip::showText(help->globalPos(), ToQt(cell.Tip), this);
            return true;
        }
    }
    QToolTip::hideText();
    event->ignore();
    return true;
}

QSize MapLegend::sizeHint() const
{
    return QSize(int(std::ceil(layout_.Width)), int(std::ceil(layout_.Height)));
}

QSize MapLegend::minimumSizeHint() const { return sizeHint(); }

void MapLegend::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    QFont bold = font();
    bold.setBold(true);
    QStyleOption option;
    option.initFrom(this);
    for (const LegendRow& row : layout_.Rows) {
        for (const LegendCell& cell : row.Cells) {
            const QRectF box = RectOf(cell.Box);
            if (cell.Picture >= 0) {
                QPixmap picture = pictures_[cell.Picture];
                if (cell.Dim) picture = style()->generatedIconPixmap(QIcon::Disabled, picture, &option);
                painter.drawPixmap(QPointF(box.left(), box.center().y() - picture.height() / 2.0), picture);
                continue;
            }
            if (cell.Text.empty()) continue;
            painter.setFont(cell.Bold ? bold : font());
            painter.setPen(palette().color(cell.Dim ? QPalette::Disabled : QPalette::Active, QPalette::WindowText));
            painter.drawText(box, (cell.AlignRight ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter,
                             ToQt(cell.Text));
        }
    }
}

}  // namespace qm
