#include "ui/map/trip_files_list.h"

#include "platform/date_time_text.h"
#include "stats/report_number.h"
#include "ui/interface_language.h"
#include "ui/qt_text.h"

#include <QEvent>
#include <QHeaderView>
#include <QMouseEvent>
#include <QScrollBar>
#include <QSignalBlocker>

#include <algorithm>

namespace qm {
namespace {

enum Column { kBox, kName, kDate, kDistance, kColumns };

// Rows shown without scrolling: more would take the legend's column from a
// map window of its least height.
constexpr int kMostRowsShown = 6;
constexpr int kLeastRowsShown = 2;

bool IsHidden(const std::vector<bool>& hidden, size_t file) { return file < hidden.size() && hidden[file]; }

}  // namespace

TripFilesList::TripFilesList(QWidget* parent) : QTableWidget(parent)
{
    setObjectName("tripFiles");
    setColumnCount(kColumns);
    setMouseTracking(true);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setWordWrap(false);
    setTextElideMode(Qt::ElideMiddle);
    setShowGrid(false);
    verticalHeader()->hide();
    FitRows();
    QHeaderView* header = horizontalHeader();
    header->setHighlightSections(false);
    header->setSectionResizeMode(QHeaderView::ResizeToContents);
    header->setSectionResizeMode(kName, QHeaderView::Stretch);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Maximum);
    connect(this, &QTableWidget::itemChanged, this, &TripFilesList::BoxChanged);
    connect(this, &QTableWidget::itemSelectionChanged, this, [this] { PointAt(hovered_); });
    connect(this, &QTableWidget::cellDoubleClicked, this, [this](int row) {
        if (!IsHidden(hidden_, size_t(row))) emit FitAsked(row);
    });
    hide();
}

void TripFilesList::SetTrip(const MapTrip* whole, const Settings& settings, const std::vector<bool>& hidden)
{
    whole_ = whole && whole->Files.size() > 1 ? whole : nullptr;
    settings_ = settings;
    rows_ = whole_ ? TripFileRows(*whole_, settings) : std::vector<TripFileRow>{};
    hidden_ = hidden;
    hidden_.resize(rows_.size(), false);
    hovered_ = -1;
    {
        const QSignalBlocker block(this);
        clearSelection();
        setRowCount(int(rows_.size()));
    }
    Fill();
    setVisible(whole_ != nullptr);
    updateGeometry();
    PointAt(-1);
}

void TripFilesList::Fill()
{
    const QSignalBlocker block(this);
    setHorizontalHeaderLabels({QString(), tr("Файл"), tr("Дата"), tr("Расстояние")});
    horizontalHeaderItem(kBox)->setToolTip(tr("Файлы, показанные на карте, в легенде и профиле"));
    if (!whole_) return;
    const std::vector<bool> changeable = ChangeableFiles(*whole_, hidden_);
    const std::string separator(1, InterfaceDecimalSeparator());
    for (int row = 0; row < int(rows_.size()); ++row) {
        const TripFileRow& file = rows_[row];
        const bool hidden = hidden_[row];
        auto* box = new QTableWidgetItem;
        box->setFlags(changeable[row] ? Qt::ItemIsEnabled | Qt::ItemIsUserCheckable | Qt::ItemIsSelectable
                                      : Qt::ItemIsSelectable);
        box->setCheckState(hidden ? Qt::Unchecked : Qt::Checked);
        box->setToolTip(changeable[row] ? tr("Показать или скрыть файл")
                                        : tr("Последний показанный файл нельзя скрыть"));
        setItem(row, kBox, box);
        const QString none = QStringLiteral("—");
        const QString texts[] = {
            ToQt(file.Name),
            file.FirstTime ? ToQt(DateText(*file.FirstTime + settings_.GMTMOD / 24.0)) : none,
            file.FirstTime ? ToQt(ReportNumber(file.Distance, settings_.NUMDIGITS, separator)) + " " + tr("км") : none};
        for (int column = kName; column < kColumns; ++column) {
            auto* item = new QTableWidgetItem(texts[column - kName]);
            item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
            if (column == kDistance) item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            // A hidden file reads greyed, as a band without a run does in the legend.
            if (hidden) item->setForeground(palette().color(QPalette::Disabled, QPalette::Text));
            item->setToolTip(ToQt(file.Path));
            setItem(row, column, item);
        }
    }
}

void TripFilesList::BoxChanged(QTableWidgetItem* item)
{
    if (!whole_ || item->column() != kBox) return;
    const size_t file = size_t(item->row());
    std::vector<bool> hidden = hidden_;
    hidden[file] = item->checkState() != Qt::Checked;
    if (hidden == hidden_) return;
    // The last file shown stays shown, however the box was changed.
    if (!ChangeableFiles(*whole_, hidden_)[file]) {
        const QSignalBlocker block(this);
        item->setCheckState(Qt::Checked);
        return;
    }
    hidden_ = std::move(hidden);
    Fill();
    PointAt(hovered_);
    emit HiddenChanged();
}

int TripFilesList::Pointed() const { return pointed_; }

void TripFilesList::PointAt(int hoveredRow)
{
    hovered_ = hoveredRow;
    const QList<QTableWidgetItem*> selected = selectedItems();
    int file = hovered_ >= 0 ? hovered_ : selected.isEmpty() ? -1 : selected.front()->row();
    // A hidden file has nothing on the map to bring out.
    if (file >= 0 && IsHidden(hidden_, size_t(file))) file = -1;
    if (file == pointed_) return;
    pointed_ = file;
    emit PointedChanged(file);
}

void TripFilesList::mouseMoveEvent(QMouseEvent* event)
{
    QTableWidget::mouseMoveEvent(event);
    PointAt(rowAt(int(event->position().y())));
}

bool TripFilesList::viewportEvent(QEvent* event)
{
    if (event->type() == QEvent::Leave) PointAt(-1);
    return QTableWidget::viewportEvent(event);
}

void TripFilesList::changeEvent(QEvent* event)
{
    // The decimal separator and the unit follow the language.
    if (event->type() == QEvent::LanguageChange) Fill();
    if (event->type() == QEvent::FontChange) FitRows();
    QTableWidget::changeEvent(event);
}

void TripFilesList::FitRows()
{
    // Rows of a line of text: the column under the legend is short.
    const int row = fontMetrics().height() + 4;
    verticalHeader()->setMinimumSectionSize(row);
    verticalHeader()->setDefaultSectionSize(row);
    updateGeometry();
}

int TripFilesList::RowsHeight(int rows) const
{
    const int row = verticalHeader()->defaultSectionSize();
    return horizontalHeader()->sizeHint().height() + rows * row + 2 * frameWidth();
}

QSize TripFilesList::sizeHint() const
{
    // As wide as the legend above it makes the column; as high as its rows.
    const int rows = std::clamp(rowCount(), kLeastRowsShown, kMostRowsShown);
    return {minimumSizeHint().width(), RowsHeight(rows)};
}

QSize TripFilesList::minimumSizeHint() const
{
    return {verticalScrollBar()->sizeHint().width() + 2 * frameWidth(), RowsHeight(kLeastRowsShown)};
}

}  // namespace qm
