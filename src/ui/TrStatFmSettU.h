#pragma once

#include "settings/settings.h"

#include <QWidget>

#include <array>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLineEdit;
class QPushButton;

namespace qm {

class Dialogs;
class SpinEdit;

// The dialog "Настройки расчета и вывода": shows the current settings each
// time it opens, stores the edited values on OK, nothing on Cancel.
class TTrStFmSett : public QWidget {
    Q_OBJECT
public:
    TTrStFmSett(Settings& settings, Dialogs& dialogs);

    // The window that opened the dialog; enabled again when it closes.
    QWidget* SettingsCaller = nullptr;

    // "Сохранять настройки при выходе": not stored, on at every start.
    bool SaveSettingsAtClose() const;

    void FormActivate();
    void SFOKClick();
    void SFCancelClick();
    void FormClose();
    void CBSpltDistClick();
    void CBSpltTimeClick();
    void ENumDigitsExit();
    void CheckNotEmpty(QLineEdit* field);

protected:
    bool event(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void CreateControls();
    // Stores the fields in order; stops at the first that does not convert.
    void StoreFields();

    Settings& settings_;
    Dialogs& dialogs_;
    // Set when the dialog is shown: its next activation is its opening.
    bool opening_ = false;

    QGroupBox* GBVisParam;
    QLineEdit* EIntrvl;
    QLineEdit* ETrWidth;
    QLineEdit* EDiss;
    QComboBox* CBOutFormat;
    QGroupBox* GBCalcParam;
    QLineEdit* EMinSpd;
    QCheckBox* CBSpltDist;
    QLineEdit* EDistBrk;
    QCheckBox* CBSpltTime;
    QLineEdit* ETimeBrk;
    QLineEdit* ECritSlope;
    QLineEdit* EMaxHgtSpan;
    SpinEdit* GMTmodSpin;
    QLineEdit* EGMTmod;
    QGroupBox* GBStatFmSett;
    SpinEdit* NumDigitsSpin;
    QLineEdit* ENumDigits;
    QGroupBox* GBDelims;
    QLineEdit* EDecDelim;
    QLineEdit* EFieldDelim;
    QLineEdit* EHorDelim;
    QGroupBox* GBLevels;
    std::array<QCheckBox*, 3> CBLevel;
    QGroupBox* GBFields;
    std::array<QCheckBox*, 12> Field;
    QCheckBox* CBSaveSettings;
    QPushButton* SFOK;
    QPushButton* SFCancel;
};

}  // namespace qm
