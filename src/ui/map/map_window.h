#pragma once

#include "platform/message_sink.h"
#include "settings/settings.h"
#include "visual/speed_bands.h"

#include <QWidget>

#include <string>
#include <vector>

class QLabel;

namespace qm {

class TripView;

// "Карта": the track of the main window on a map with its legend and
// profile. A companion of the main window, not a dialog: it locks nothing,
// its closing ends nothing, and its place and size are kept in the settings.
class MapWindow : public QWidget {
    Q_OBJECT
public:
    explicit MapWindow(Settings& settings);

    // Reads the track afresh and shows it with the bands the boxes show and
    // the current settings; without a usable track the window shows why.
    // Gives the messages of the reading.
    std::vector<Message> ShowTrack(const std::string& trackPath, const BandBoxes& boxes);
    // Shows the window where it was last left.
    void Open();

    TripView* View() const { return view_; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    Settings& settings_;
    TripView* view_;
    QLabel* messages_;
};

}  // namespace qm
