#pragma once

#include "settings/track_files.h"
#include "map/map_trip.h"
#include "platform/message_sink.h"
#include "settings/settings.h"
#include "visual/speed_bands.h"

#include <QWidget>

#include <memory>
#include <optional>
#include <string>
#include <vector>

class QLabel;
class QPushButton;

namespace qm {

class Dialogs;
class ElidedLabel;
class TripFilesList;
class TripView;

// "Карта": the track of the main window on a map with its legend and
// profile, a line with what the reader told of the track and the keys of
// the map; for a trip of several files, the list of its files under the
// legend, which brings one out on the map and leaves files out of the map,
// the legend and the profile. The legend's choice colours the track by
// another measure. A companion of the main window, not a dialog: it locks nothing,
// its closing ends nothing, and the place it was seen at and the profile's
// choices are kept in the settings.
class MapWindow : public QWidget {
    Q_OBJECT
public:
    MapWindow(Settings& settings, Dialogs& dialogs);

    // Reads the track afresh and shows it with the bands the boxes show and
    // the current settings, telling sink what the visualisation would tell.
    // Without a track to show the window closes and shows none; false then.
    // The files left out of a trip stay left out while the same files are
    // shown again (another scale, other settings).
    bool ShowTrack(const TrackFiles& track, const BandBoxes& boxes, MessageSink& sink);
    // Shows the window where it was last seen when that place can be used
    // (PlaceWindow), else centred at a good size.
    void Open();
    // "Сохранить изображение…": the picture of the map, legend and profile
    // into a PNG or JPEG file the user names.
    void SavePicture();

    TripView* View() const { return view_; }
    TripFilesList* Files() const { return files_; }
    // The line with the reader's warnings, hidden without any.
    ElidedLabel* Warnings() const { return warnings_; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    // The title (with the track's name) and the texts in the interface language.
    void Retranslate();
    // What reading the trip told and what colouring the trip shown tells,
    // or nothing without a trip.
    void ShowWarnings(const MapTrip* shown);
    // The trip without the files the list hides.
    void ShowFilesChosen();
    // The trip coloured by the measure, which is kept in the settings.
    void ColourBy(ColourMeasure measure);

    Settings& settings_;
    Dialogs& dialogs_;
    std::optional<TrackFiles> track_;
    // The whole trip as read, and the bands it was computed with.
    std::shared_ptr<const MapTrip> whole_;
    Settings tripSettings_;
    BandBoxes boxes_{};
    TripView* view_;
    TripFilesList* files_;
    QLabel* warningIcon_;
    ElidedLabel* warnings_;
    ElidedLabel* keys_;
    QPushButton* save_;
};

}  // namespace qm
