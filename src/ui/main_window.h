#pragma once

#include "settings/track_files.h"
#include "platform/warnings_shown_once.h"
#include "settings/files_settings.h"
#include "settings/settings.h"
#include "visual/speed_bands.h"

#include <QPointer>
#include <QWidget>

#include <array>
#include <optional>
#include <string>

class QAction;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QCheckBox;

namespace qm {

class ColorBox;
class Dialogs;
class MapWindow;
class RadioGroup;
class ScaleEditor;
class StatisticsWindow;
class SettingsDialog;
struct DropContents;
struct StartFiles;

// The main window: the track file, the output directory, the current speed
// scale and the buttons of the commands, the scale editor and the
// settings dialog. It holds the FILES values in its controls and applies the
// output directory rules as they change.
class MainWindow : public QWidget {
    Q_OBJECT
public:
    // Builds the window and runs the start-up load before any other window
    // exists.
    MainWindow(Settings& settings, Dialogs& dialogs);

    // The windows created after this one.
    void SetSecondaryWindows(SettingsDialog* settingsDialog, ScaleEditor* scaleEditor,
                             StatisticsWindow* statisticsWindow, MapWindow* mapWindow);

    // The main controls, each button of the commands and of the secondary
    // windows with them; openDirButton follows the folder type when enabled.
    void SetControlsEnabled(bool enabled);
    // The scale's name and bands in the scale box; an open map follows it.
    void ShowScale(const SpdCatSet& scale);
    // A track opened as the track dialog opens one (the files given to the
    // program when it starts), with the same output directory rules: one
    // file, or several as one trip.
    void OpenTracks(const std::vector<std::string>& paths);
    // The FILES values in the controls.
    FilesSettings Files() const;
    // A drop on this window, its fields or the map window: the track files on
    // this computer are opened as the dialog opens them; anything else is
    // refused in a box that says what was dropped.
    void DropTrack(const DropContents& dropped);
    // A drop is taken while the track field can be changed: not while a
    // command runs or a secondary window holds this one.
    bool TakesDrops() const;

    // Where a directory that does not exist is replaced, and where the track
    // dialog first opens: the user's home directory.
    static std::string FallbackDirectory();

protected:
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void CreateControls();
    // The captions in the interface language.
    void Retranslate();
    void LoadSettingsAtStart();
    // The FILES values of the start-up load in the controls.
    void ShowStartFiles(const StartFiles& start);
    // The close handler; false keeps the window open.
    bool CanClose();

    // The commands and the secondary windows.
    void Visualise();
    void ShowStatistics();
    // "Карта": opens the map window on the track, the scale and the settings.
    void OpenMap();
    // The map window, when open, follows a new track, scale or settings.
    void RefreshMap();
    void OpenSettingsDialog();
    void OpenScaleEditor();
    // The bands as the ten boxes show them; an error box when one does not convert.
    std::optional<BandBoxes> ShownBands();

    // The track file and the output directory rules.
    void ChooseTrack();
    // The tracks opened last, those still there, in a menu under the track field.
    void ShowRecentTracks();
    // A track chosen, dropped or read by a command goes first among the recent ones.
    void TrackOpened(const std::vector<std::string>& paths);
    // The track the track field names, and the path its outputs and the
    // output directory rules follow: the file, or the trip's name (the trip
    // name field's, else the default one).
    TrackFiles Track() const;
    void TrackLeft();
    void TripNameLeft();
    // The trip name field shown while the track field names several files,
    // with the default name as its hint.
    void ShowTripNameField();
    // False, with an error box, when the trip's name cannot name its files.
    bool TripNameFits();
    // Puts a track's text and its trip's name into the fields as the track
    // the output directory follows.
    void ShowTrack(const std::string& text, const std::string& tripName);
    void FolderTypeChanged();
    void AppendSubFolder(bool cutIfUnchecked);
    void SubFolderToggled();
    void ChooseOutputDir();
    void CheckOutputDir(QWidget* sender);
    // outputDirEdit and openDirButton as a fixed folder or a typed one wants them.
    void SetOutputDirEditable(bool editable);

    Settings& settings_;
    Dialogs& dialogs_;
    // Where the commands show what they tell of a track: the warnings of one
    // version of a file once, however often the commands and the map read it.
    WarningsShownOnce trackMessages_;
    SettingsDialog* settingsDialog_ = nullptr;
    ScaleEditor* scaleEditor_ = nullptr;
    StatisticsWindow* statisticsWindow_ = nullptr;
    MapWindow* mapWindow_ = nullptr;

    // The track whose sub-folder the output directory holds: the track loaded
    // or chosen, or the text trackEdit had when it was last left. Kept apart
    // from the focus, which also arrives when the window is activated again.
    std::string previousTrackPath_;
    // The same for the trip name field.
    std::string previousTripName_;
    // The open dialog's initial directory, kept between runs.
    std::string openTrackDir_;
    // The control that had the focus when a command disabled the controls.
    QPointer<QWidget> commandFocus_;
    // Where the directory chooser opens: where the last one ended, at first StartDir.
    std::string chooserDir_;

    QLabel* trackLabel;
    QLabel* tripNameLabel;
    QLineEdit* tripNameEdit;
    QLineEdit* trackEdit;
    QAction* recentTracksAction;
    // Made when first shown: a window of its own.
    QMenu* recentTracksMenu = nullptr;
    QPushButton* openTrackButton;
    QLabel* resultLabel;
    QLineEdit* outputDirEdit;
    QPushButton* openDirButton;
    RadioGroup* folderTypeGroup;
    QCheckBox* subFolderBox;
    QPushButton* visualiseButton;
    QPushButton* statisticsButton;
    QPushButton* mapButton;
    QPushButton* settingsButton;
    QLabel* scaleLabel;
    QGroupBox* scaleBox;
    std::array<ColorBox*, kBandCount> bandBoxes;
    QPushButton* editScaleButton;
};

}  // namespace qm
