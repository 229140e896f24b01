#pragma once

#include "commands/track_files.h"
#include "platform/message_sink.h"
#include "settings/settings.h"
#include "visual/speed_bands.h"

#include <QWidget>

#include <string>

class QLabel;
class QPushButton;

namespace qm {

class Dialogs;
class ElidedLabel;
class TripView;

// "Карта": the track of the main window on a map with its legend and
// profile, a line with what the reader told of the track and the keys of
// the map. A companion of the main window, not a dialog: it locks nothing,
// its closing ends nothing, and the place it was seen at and the profile's
// choices are kept in the settings.
class MapWindow : public QWidget {
    Q_OBJECT
public:
    MapWindow(Settings& settings, Dialogs& dialogs);

    // Reads the track afresh and shows it with the bands the boxes show and
    // the current settings, telling sink what the visualisation would tell.
    // Without a track to show the window closes and shows none; false then.
    bool ShowTrack(const TrackFiles& track, const BandBoxes& boxes, MessageSink& sink);
    // Shows the window where it was last seen when that place can be used
    // (PlaceWindow), else centred at a good size.
    void Open();
    // "Сохранить изображение…": the picture of the map, legend and profile
    // into a PNG or JPEG file the user names.
    void SavePicture();

    TripView* View() const { return view_; }
    // The line with the reader's warnings, hidden without any.
    ElidedLabel* Warnings() const { return warnings_; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    // The title (with the track's name) and the texts in the interface language.
    void Retranslate();
    // The warnings of the track shown, or none.
    void ShowWarnings(const std::vector<Message>& warnings);

    Settings& settings_;
    Dialogs& dialogs_;
    std::string trackPath_;
    TripView* view_;
    QLabel* warningIcon_;
    ElidedLabel* warnings_;
    ElidedLabel* keys_;
    QPushButton* save_;
};

}  // namespace qm
