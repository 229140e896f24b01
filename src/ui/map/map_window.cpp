#include "ui/map/map_window.h"

#include "platform/path_text.h"
#include "ui/map/map_trip.h"
#include "ui/qt_text.h"
#include "ui/map/tile_source.h"
#include "ui/map/trip_view.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QStringList>
#include <QVBoxLayout>

namespace qm {

MapWindow::MapWindow(Settings& settings) : settings_(settings)
{
    setObjectName("MapWindow");
    setWindowTitle("Карта");
    // The main window's closing alone ends the program.
    setAttribute(Qt::WA_QuitOnClose, false);
    view_ = new TripView;
    messages_ = new QLabel;
    messages_->setObjectName("mapMessages");
    messages_->setWordWrap(true);
    QPalette red = messages_->palette();
    red.setColor(QPalette::WindowText, QColor(160, 0, 0));
    messages_->setPalette(red);
    messages_->hide();
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(messages_);
    layout->addWidget(view_, 1);
}

std::vector<Message> MapWindow::ShowTrack(const std::string& trackPath, const BandBoxes& boxes)
{
    MapTripReading reading = LoadMapTrip(trackPath, boxes, settings_);
    setWindowTitle("Карта — " + ToQt(PathNamePart(trackPath)));
    QStringList lines;
    for (const Message& message : reading.Messages) lines << ToQt(message.Text);
    messages_->setText(lines.join('\n'));
    messages_->setVisible(!lines.isEmpty());
    view_->Show(std::move(reading.Trip), settings_, TileSource::DefaultCacheDirectory());
    return reading.Messages;
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
