#pragma once

#include "settings/settings.h"
#include "stats/report.h"
#include "stats/stat_row.h"

#include <QWidget>

class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace qm {

class Dialogs;
class RadioGroup;
class TForm1;
class TTrStFmSett;

// The window "Статистика по треку": the report of the last statistics table
// as TXT or CSV, with copy, save and the settings dialog. Each activation
// renders the report afresh with the current settings.
class TTrStatForm : public QWidget {
    Q_OBJECT
public:
    // mainWindow is enabled again when this window closes and gives the
    // track path and the output directory for the report.
    TTrStatForm(TForm1& mainWindow, Settings& settings, Dialogs& dialogs);
    void SetSettingsDialog(TTrStFmSett* settingsDialog) { settingsDialog_ = settingsDialog; }

    // The table the statistics command computed; kept until its next run.
    void SetTable(StatTable table) { table_ = std::move(table); }

    void FormActivate();
    void FormClose();
    void ControlsEnabled(bool enabled);
    void RGShowFormatClick();
    void Button1Click();
    void Button2Click();
    void Button3Click();

protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void CreateControls();
    void RefreshReport();

    TForm1& mainWindow_;
    Settings& settings_;
    Dialogs& dialogs_;
    TTrStFmSett* settingsDialog_ = nullptr;
    StatTable table_;
    Report report_;

    QPlainTextEdit* MemoStat;
    RadioGroup* RGShowFormat;
    QPushButton* Button1;
    QPushButton* Button2;
    QPushButton* Button3;
    QLabel* LFileName;
};

}  // namespace qm
