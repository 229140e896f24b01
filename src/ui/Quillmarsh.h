#pragma once

#include "settings/settings_file.h"
#include "settings/settings.h"

#include <QWidget>

#include <array>
#include <string>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QCheckBox;

namespace qm {

class ColorBox;
class Dialogs;
class RadioGroup;
class TScaleSelect;
class TTrStatForm;
class TTrStFmSett;

// The main window: the track file, the output directory, the current speed
// scale and the buttons of the two commands, the scale editor and the
// settings dialog. It holds the FILES values in its controls and applies the
// output directory rules as they change.
class TForm1 : public QWidget {
    Q_OBJECT
public:
    // Builds the window and runs the start-up load (FormInitExecute) before
    // any other window exists.
    TForm1(Settings& settings, Dialogs& dialogs);

    // The windows created after this one.
    void SetSecondaryWindows(TTrStFmSett* settingsDialog, TScaleSelect* scaleSelect, TTrStatForm* statForm);

    // Start-up, activation and close.
    void FormInitExecute();
    void FormActivate();
    // The close handler; false keeps the window open.
    bool FormClose();
    bool SaveSettingsExecute();

    // The ten main controls, BtnOpnDir following the folder type when enabled.
    void ControlsEnabled(bool enabled);

    // The commands and the secondary windows.
    void ProcFilesExecute();
    void GetStatExecute();
    void FmSettExecute();
    void SelectScaleExecute();
    void ShowScale(const SpdCatSet& scale);

    // The track file.
    void OpnTrackActExecute();
    void trackPltEnter();
    void trackPltExit();

    // The output directory rules.
    void RGoutputDirChange();
    void AppendSubFolder(bool cutIfUnchecked);
    std::string CutSubFolder(const std::string& directory, const std::string& trackPath) const;
    void CBSubFolderClick();
    void OpnResultDirExecute();
    void ChkDirExecute(QWidget* sender);
    void EoutputDirChange();
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
    void closeEvent(QCloseEvent* event) override;

private:
    void CreateControls();
    void SelectFolderType(int32_t type);
    // EoutputDir and BtnOpnDir as folder types 0 and 1 (fixed) or 2 (typed) want them.
    void SetOutputDirEditable(bool editable);

    Settings& settings_;
    Dialogs& dialogs_;
    TTrStFmSett* settingsDialog_ = nullptr;
    TScaleSelect* scaleSelect_ = nullptr;
    TTrStatForm* statForm_ = nullptr;

    std::string PreviousTrackPath;
    // The open dialog's initial directory, kept between runs.
    std::string openTrackDir_;

    QLabel* Label_track;
    QLineEdit* trackPlt;
    QPushButton* BitBtn1;
    QLabel* Label_Result;
    QLineEdit* EoutputDir;
    QPushButton* BtnOpnDir;
    RadioGroup* RGoutputDir;
    QCheckBox* CBSubFolder;
    QPushButton* BtnPrFiles;
    QPushButton* BtnGetStat;
    QPushButton* BtnSettings;
    QLabel* Label_spdScale;
    QGroupBox* SpdCatBox;
    std::array<ColorBox*, kBandCount> SpdCat;
    QPushButton* SwSpdCat;
};

}  // namespace qm
