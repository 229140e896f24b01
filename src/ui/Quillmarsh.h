#pragma once

#include "settings/settings_file.h"
#include "settings/settings.h"
#include "visual/speed_bands.h"

#include <QPointer>
#include <QWidget>

#include <array>
#include <optional>
#include <string>

class QGroupBox;
class QLabel;
class QLineEdit;
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

// The main window: the track file, the output directory, the current speed
// scale and the buttons of the two commands, the scale editor and the
// settings dialog. It holds the FILES values in its controls and applies the
// output directory rules as they change.
class MainWindow : public QWidget {
    Q_OBJECT
public:
    // Builds the window and runs the start-up load (LoadSettingsAtStart) before
    // any other window exists.
    MainWindow(Settings& settings, Dialogs& dialogs);

    // The windows created after this one.
    void SetSecondaryWindows(SettingsDialog* settingsDialog, ScaleEditor* scaleEditor,
                             StatisticsWindow* statisticsWindow, MapWindow* mapWindow);

    // Start-up, activation and close.
    void LoadSettingsAtStart();
    void Activated();
    // The close handler; false keeps the window open.
    bool CanClose();
    bool SaveSettingsFile();

    // The ten main controls, openDirButton following the folder type when enabled.
    void SetControlsEnabled(bool enabled);

    // The commands and the secondary windows.
    void Visualise();
    void ShowStatistics();
    // "Карта": opens the map window on the track, the scale and the settings.
    void OpenMap();
    // The map window, when open, follows a new track, scale or settings.
    void RefreshMap();
    void OpenSettingsDialog();
    void OpenScaleEditor();
    void ShowScale(const SpdCatSet& scale);

    // The track file: chosen in the open dialog, or opened (a file given to
    // the program when it starts) with the same output directory rules.
    void ChooseTrack();
    void OpenTrack(const std::string& path);
    void TrackLeft();

    // The output directory rules.
    void FolderTypeChanged();
    void AppendSubFolder(bool cutIfUnchecked);
    std::string CutSubFolder(const std::string& directory, const std::string& trackPath) const;
    void SubFolderToggled();
    void ChooseOutputDir();
    void CheckOutputDir(QWidget* sender);
    void OutputDirEdited();
    // Where a directory that does not exist is replaced, and where the track
    // dialog first opens: the user's home directory.
    static std::string FallbackDirectory();

    // The FILES values in the controls.
    std::string TrackFile() const;
    int32_t FolderType() const;
    bool SubFolder() const;
    std::string FolderName() const;
    FilesSettings Files() const;
    // The FILES values of the start-up load, with the directory rules: the
    // INI form's in the order of the file, then an old-format file's lines.
    void ApplyLoadedFiles(const LoadedSettings& loaded);
    void LoadTrackFile(const std::string& path);
    void LoadFolderType(int32_t type);
    void LoadSubFolder(bool on);
    void LoadFolderName(const std::string& directory);
    void ImportTrackFile(const std::string& path);
    void ImportFolderType(int32_t type);
    void ImportFolderName(const std::string& directory);

protected:
    bool event(QEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void CreateControls();
    // The captions in the interface language.
    void Retranslate();
    // The bands as the ten boxes show them; an error box when one does not convert.
    std::optional<BandBoxes> ShownBands();
    void SelectFolderType(int32_t type);
    // Puts a track path into trackEdit as the track the output directory follows.
    void ShowTrack(const std::string& path);
    // outputDirEdit and openDirButton as folder types 0 and 1 (fixed) or 2 (typed) want them.
    void SetOutputDirEditable(bool editable);

    Settings& settings_;
    Dialogs& dialogs_;
    SettingsDialog* settingsDialog_ = nullptr;
    ScaleEditor* scaleEditor_ = nullptr;
    StatisticsWindow* statisticsWindow_ = nullptr;
    MapWindow* mapWindow_ = nullptr;

    // The track whose sub-folder the output directory holds: the track loaded
    // or chosen, or the text trackEdit had when it was last left. Kept apart
    // from the focus, which also arrives when the window is activated again.
    std::string previousTrackPath_;
    // The open dialog's initial directory, kept between runs.
    std::string openTrackDir_;
    // The control that had the focus when a command disabled the controls.
    QPointer<QWidget> commandFocus_;
    // Where the directory chooser opens: where the last one ended, at first StartDir.
    std::string chooserDir_;

    QLabel* trackLabel;
    QLineEdit* trackEdit;
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
