#pragma once

#include "map/map_trip.h"
#include "map/picture_format.h"
#include "settings/settings.h"

#include <QByteArray>
#include <QPixmap>
#include <QWidget>

#include <memory>
#include <string>

class QVBoxLayout;

namespace qm {

class MapLegend;
class MapView;
class ProfileChart;
class TileSource;

// The map with the legend beside it and the profile under it: the one
// drawing of a trip that the map window shows and quillmarsh-render saves.
class TripView : public QWidget {
    Q_OBJECT
public:
    explicit TripView(QWidget* parent = nullptr);

    // Shows a trip (null: none) with the settings' TRACKWIDTH and GMTMOD, and
    // the background TILEURL asks for; tiles are kept in cacheDirectory.
    void Show(std::shared_ptr<const MapTrip> trip, const Settings& settings, const QString& cacheDirectory);
    // Another trip of the same track under the same settings (the trip
    // without some of its files): the map stays where the user took it, the
    // profile keeps its axis and measure.
    void Replace(std::shared_ptr<const MapTrip> trip);
    // A widget under the legend, as wide as the legend's column.
    void AddUnderLegend(QWidget* widget);

    // The map, the legend and the profile as they are drawn, written through
    // the atomic writer in the format the file's name asks for
    // (PictureFormatOf). Throws Error for a name of another format, a format
    // this Qt cannot write, and as AtomicFileWriter.
    void SavePicture(const std::string& path);

    MapView* Map() const { return map_; }
    MapLegend* Legend() const { return legend_; }
    ProfileChart* Profile() const { return profile_; }
    // Null when TILEURL is empty.
    TileSource* Tiles() const { return tiles_; }

protected:
    void changeEvent(QEvent* event) override;

private:
    std::shared_ptr<const MapTrip> trip_;
    Settings settings_;
    MapView* map_;
    MapLegend* legend_;
    ProfileChart* profile_;
    TileSource* tiles_ = nullptr;
    QString tileUrl_;
    QVBoxLayout* side_;
};

// A picture as the bytes of a file of that format; empty when this Qt cannot
// write the format (JPEG without its image plugin).
QByteArray EncodePicture(const QPixmap& picture, PictureFormat format);

}  // namespace qm
