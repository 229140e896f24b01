#include "ui/map/map_window.h"

#include "map/map_trip.h"
#include "map/window_place.h"
#include "platform/error.h"
#include "platform/path_text.h"
#include "ui/dialogs.h"
#include "ui/map/map_legend.h"
#include "ui/map/map_view.h"
#include "ui/map/profile_chart.h"
#include "ui/map/tile_source.h"
#include "ui/map/trip_files_list.h"
#include "ui/map/trip_view.h"
#include "ui/qt_text.h"
#include "ui/widgets/elided_label.h"

#include <QCloseEvent>
#include <QEvent>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QVBoxLayout>

#include <algorithm>

namespace qm {
namespace {

ScreenBox BoxOf(const QRect& rect) { return {rect.left(), rect.top(), rect.width(), rect.height()}; }

}  // namespace

MapWindow::MapWindow(Settings& settings, Dialogs& dialogs) : settings_(settings), dialogs_(dialogs)
{
    setObjectName("MapWindow");
    // The main window's closing alone ends the program.
    setAttribute(Qt::WA_QuitOnClose, false);
    view_ = new TripView;
    // However narrow the window, the map keeps the legend's width.
    connect(view_->Legend(), &MapLegend::LaidOut, this,
            [this] { view_->Map()->setMinimumWidth(view_->Legend()->sizeHint().width()); });
    connect(view_->Profile(), &ProfileChart::Chosen, this, [this] {
        settings_.PROFILEAXIS =
            view_->Profile()->Scale() == ProfileScale::Time ? ProfileAxisChoice::Time : ProfileAxisChoice::Distance;
        settings_.PROFILEMEASURE = view_->Profile()->ShownMeasure();
        settings_.SettingsChanged = true;
    });
    connect(view_->Legend(), &MapLegend::ColourChosen, this, &MapWindow::ColourBy);
    files_ = new TripFilesList;
    view_->AddUnderLegend(files_);
    connect(files_, &TripFilesList::PointedChanged, view_->Map(), &MapView::HighlightFile);
    connect(files_, &TripFilesList::PointedChanged, view_->Profile(), &ProfileChart::HighlightFile);
    connect(files_, &TripFilesList::FitAsked, view_->Map(), &MapView::FitFile);
    connect(files_, &TripFilesList::HiddenChanged, this, &MapWindow::ShowFilesChosen);

    warningIcon_ = new QLabel;
    const int iconSize = style()->pixelMetric(QStyle::PM_SmallIconSize);
    warningIcon_->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxWarning).pixmap(iconSize, iconSize));
    warnings_ = new ElidedLabel;
    warnings_->setObjectName("readingWarnings");
    auto* warningRow = new QHBoxLayout;
    warningRow->addWidget(warningIcon_);
    warningRow->addWidget(warnings_, 1);
    ShowWarnings(nullptr);

    keys_ = new ElidedLabel;
    keys_->setObjectName("mapKeys");
    // A hint, quieter than what the window shows.
    QPalette grey = keys_->palette();
    grey.setColor(QPalette::WindowText, grey.color(QPalette::Disabled, QPalette::WindowText));
    keys_->setPalette(grey);
    save_ = new QPushButton;
    save_->setObjectName("savePicture");
    connect(save_, &QPushButton::clicked, this, &MapWindow::SavePicture);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(keys_, 1);
    buttons->addWidget(save_);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(view_, 1);
    layout->addLayout(warningRow);
    layout->addLayout(buttons);
    Retranslate();
}

void MapWindow::Retranslate()
{
    // A trip of several files goes by its name, which its results bear too.
    setWindowTitle(!track_ ? tr("Карта") : tr("Карта — %1").arg(ToQt(PathNamePart(track_->Name))));
    keys_->SetText(tr("Колесо мыши, + и − — масштаб; перетаскивание и стрелки — сдвиг; Home — весь трек"));
    save_->setText(tr("Сохранить изображение…"));
}

void MapWindow::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange) Retranslate();
    QWidget::changeEvent(event);
}

void MapWindow::ShowWarnings(const MapTrip* shown)
{
    std::vector<Message> warnings = whole_ && shown ? TripWarnings(whole_->Files) : std::vector<Message>{};
    if (shown && shown->Colouring.Warning) warnings.push_back({false, *shown->Colouring.Warning});
    QStringList lines;
    for (const Message& message : warnings) lines << ToQt(message.File.empty() ? message.Text : PlacedText(message));
    warnings_->SetText(lines.join("  "));
    // One line each in the tooltip.
    warnings_->setToolTip(lines.join('\n'));
    warningIcon_->setVisible(!warnings.empty());
    warnings_->setVisible(!warnings.empty());
}

bool MapWindow::ShowTrack(const TrackFiles& track, const BandBoxes& boxes, MessageSink& sink)
{
    std::shared_ptr<const MapTrip> trip = LoadMapTrip(track, boxes, settings_, sink);
    if (!trip) {
        // No older track may stay in sight as if it were this one.
        if (isVisible()) close();
        view_->Show(nullptr, settings_, TileSource::DefaultCacheDirectory());
        files_->SetTrip(nullptr, settings_, {});
        whole_ = nullptr;
        ShowWarnings(nullptr);
        return false;
    }
    std::vector<bool> hidden;
    if (whole_ && track_ && track_->Paths == track.Paths) hidden = files_->Hidden();
    track_ = track;
    tripSettings_ = settings_;
    boxes_ = boxes;
    Retranslate();
    std::shared_ptr<const MapTrip> shown = trip;
    if (std::find(hidden.begin(), hidden.end(), true) != hidden.end()) {
        shown = MapTripWithoutFiles(*trip, hidden, boxes_, tripSettings_);
        // The files read anew may have nothing left to show without those.
        if (!shown) {
            shown = trip;
            hidden.clear();
        }
    }
    view_->Show(shown, settings_, TileSource::DefaultCacheDirectory());
    files_->SetTrip(trip.get(), tripSettings_, hidden);
    whole_ = std::move(trip);
    ShowWarnings(shown.get());
    return true;
}

void MapWindow::ShowFilesChosen()
{
    if (!whole_) return;
    const std::vector<bool>& hidden = files_->Hidden();
    std::shared_ptr<const MapTrip> shown = whole_;
    if (std::find(hidden.begin(), hidden.end(), true) != hidden.end())
        shown = MapTripWithoutFiles(*whole_, hidden, boxes_, tripSettings_);
    // The list never hides every file that has points.
    if (!shown) return;
    ShowWarnings(shown.get());
    view_->Replace(std::move(shown));
}

void MapWindow::ColourBy(ColourMeasure measure)
{
    settings_.COLOURBY = measure;
    settings_.SettingsChanged = true;
    if (!whole_ || whole_->Colouring.Measure == measure) return;
    tripSettings_.COLOURBY = measure;
    whole_ = MapTripColouredBy(*whole_, measure, tripSettings_);
    ShowFilesChosen();
}

void MapWindow::SavePicture()
{
    const std::string name = track_ ? track_->Name : std::string();
    const std::optional<std::string> path = dialogs_.SavePictureFile(PathDirPart(name) + OutputName(name, "_map.png"));
    if (!path) return;
    // The track's files are inputs: they are never written over.
    const QFileInfo picture(ToQt(*path));
    for (const std::string& file : track_ ? track_->Paths : std::vector<std::string>{name}) {
        if (picture.exists() && picture.canonicalFilePath() == QFileInfo(ToQt(file)).canonicalFilePath()) {
            dialogs_.ShowMessage(ToStd(tr("Изображение не может заменить файл трека.")));
            return;
        }
    }
    try {
        view_->SavePicture(*path);
    } catch (const Error& error) {
        dialogs_.ShowFileError(error);
    }
}

void MapWindow::Open()
{
    if (!isVisible()) {
        std::vector<ScreenBox> screens;
        for (const QScreen* screen : QGuiApplication::screens()) screens.push_back(BoxOf(screen->availableGeometry()));
        const QSize least = minimumSizeHint();
        const ScreenBox place =
            PlaceWindow({settings_.MAPLEFT, settings_.MAPTOP, settings_.MAPWIDTH, settings_.MAPHEIGHT}, screens,
                        BoxOf(QGuiApplication::primaryScreen()->availableGeometry()),
                        {least.width(), least.height(), 1100, 760});
        setGeometry(place.Left, place.Top, place.Width, place.Height);
    }
    show();
    raise();
    activateWindow();
}

void MapWindow::closeEvent(QCloseEvent* event)
{
    // Only a place the window was seen at is kept: the main window closes
    // this one at its own close even when it was never shown.
    if (isVisible()) {
        const QRect frame = geometry();
        settings_.MAPLEFT = frame.left();
        settings_.MAPTOP = frame.top();
        settings_.MAPWIDTH = frame.width();
        settings_.MAPHEIGHT = frame.height();
        settings_.SettingsChanged = true;
    }
    QWidget::closeEvent(event);
}

}  // namespace qm
