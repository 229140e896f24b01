#pragma once

#include "commands/statistics.h"
#include "settings/settings.h"
#include "stats/measure_table.h"
#include "stats/report.h"

#include <QWidget>

class QGroupBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace qm {

class Dialogs;
class ElidedLabel;
class RadioGroup;
class MainWindow;
class SettingsDialog;

// The window "Статистика по треку": the report of the last statistics table
// as TXT or CSV, with copy, save and the settings dialog, and under it, when
// the track has a measure, the table of its measures ("Измерения"). Each
// activation renders the report afresh with the current settings.
class StatisticsWindow : public QWidget {
    Q_OBJECT
public:
    // mainWindow is enabled again when this window closes and gives the
    // track path and the output directory for the report.
    StatisticsWindow(MainWindow& mainWindow, Settings& settings, Dialogs& dialogs);
    void SetSettingsDialog(SettingsDialog* settingsDialog) { settingsDialog_ = settingsDialog; }

    // What the statistics command computed; kept until its next run.
    void SetStatistics(MeasuredStatistics statistics);

    void Activated();
    void SetControlsEnabled(bool enabled);
    void FormatChanged();
    void CopyReport();
    void SaveReportFile();
    void OpenSettingsDialog();

protected:
    bool event(QEvent* event) override;
    void changeEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void CreateControls();
    // The captions in the interface language.
    void Retranslate();
    void RefreshReport();
    // The measures table in the interface language, or nothing without a measure.
    void RefreshMeasures();
    MeasureTableWords MeasureWords() const;
    // Wide enough for every column of the report with the default settings.
    int WidthForDefaultReport() const;

    MainWindow& mainWindow_;
    Settings& settings_;
    Dialogs& dialogs_;
    SettingsDialog* settingsDialog_ = nullptr;
    MeasuredStatistics statistics_;
    Report report_;

    QPlainTextEdit* reportView;
    RadioGroup* formatGroup;
    QPushButton* copyButton;
    QPushButton* saveButton;
    QPushButton* settingsButton;
    ElidedLabel* fileNameLabel;
    QGroupBox* measuresBox;
    QPlainTextEdit* measuresView;
    QLabel* measuresNote;
};

}  // namespace qm
