#include "ui/map/map_window.h"

#include "platform/error.h"
#include "platform/path_text.h"
#include "ui/dialogs.h"
#include "map/map_trip.h"
#include "ui/qt_text.h"
#include "ui/map/tile_source.h"
#include "ui/map/trip_view.h"

#include <QCloseEvent>
#include <QEvent>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

namespace qm {

MapWindow::MapWindow(Settings& settings, Dialogs& dialogs) : settings_(settings), dialogs_(dialogs)
{
    setObjectName("MapWindow");
    // The main window's closing alone ends the program.
    setAttribute(Qt::WA_QuitOnClose, false);
    view_ = new TripView;
    save_ = new QPushButton;
    save_->setObjectName("savePicture");
    connect(save_, &QPushButton::clicked, this, &MapWindow::SavePicture);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(save_);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(view_, 1);
    layout->addLayout(buttons);
    Retranslate();
}

void MapWindow::Retranslate()
{
    setWindowTitle(trackPath_.empty() ? tr("Карта") : tr("Карта — %1").arg(ToQt(PathNamePart(trackPath_))));
    save_->setText(tr("Сохранить изображение…"));
}

void MapWindow::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange) Retranslate();
    QWidget::changeEvent(event);
}

bool MapWindow::ShowTrack(const std::string& trackPath, const BandBoxes& boxes, MessageSink& sink)
{
    std::shared_ptr<const MapTrip> trip = LoadMapTrip(trackPath, boxes, settings_, sink);
    if (!trip) {
        // No older track may stay in sight as if it were this one.
        if (isVisible()) close();
        view_->Show(nullptr, settings_, TileSource::DefaultCacheDirectory());
        return false;
    }
    trackPath_ = trackPath;
    Retranslate();
    view_->Show(std::move(trip), settings_, TileSource::DefaultCacheDirectory());
    return true;
}

void MapWindow::SavePicture()
{
    const std::optional<std::string> path =
        dialogs_.SavePictureFile(PathDirPart(trackPath_) + OutputName(trackPath_, "_map.png"));
    if (!path) return;
    // The track is an input: it is never written over.
    const QFileInfo picture(ToQt(*path)), track(ToQt(trackPath_));
    if (picture.exists() && picture.canonicalFilePath() == track.canonicalFilePath()) {
        dialogs_.ShowMessage(ToStd(tr("Изображение не может заменить файл трека.")));
        return;
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
        if (settings_.MAPWIDTH > 0 && settings_.MAPHEIGHT > 0) {
            setGeometry(settings_.MAPLEFT, settings_.MAPTOP, settings_.MAPWIDTH, settings_.MAPHEIGHT);
        } else {
            const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
            const QSize size = QSize(1100, 760).boundedTo(screen.size() * 0.9);
            setGeometry(QRect(screen.center() - QPoint(size.width() / 2, size.height() / 2), size));
        }
    }
    show();
    raise();
    activateWindow();
}

void MapWindow::closeEvent(QCloseEvent* event)
{
    const QRect frame = geometry();
    settings_.MAPLEFT = frame.left();
    settings_.MAPTOP = frame.top();
    settings_.MAPWIDTH = frame.width();
    settings_.MAPHEIGHT = frame.height();
    settings_.SettingsChanged = true;
    QWidget::closeEvent(event);
}

}  // namespace qm
