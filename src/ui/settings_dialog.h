#pragma once

#include "settings/settings.h"
#include "ui/captions.h"

#include <QWidget>

#include <array>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLineEdit;
class QPushButton;

namespace qm {

class ColourScalesGroup;
class Dialogs;
class SpinEdit;

// The dialog "Настройки расчета и вывода": shows the current settings each
// time it opens, stores the edited values on OK once all of them convert,
// nothing on Cancel.
class SettingsDialog : public QWidget {
    Q_OBJECT
public:
    SettingsDialog(Settings& settings, Dialogs& dialogs);

    // The window that opened the dialog; enabled again when it closes.
    QWidget* openedFrom = nullptr;

    // "Сохранять настройки при выходе": not stored, on at every start.
    bool SaveSettingsAtClose() const;

    void Activated();
    void Accept();
    void Cancel();
    void DistanceSplitToggled();
    void TimeSplitToggled();
    void CheckDigits();
    void CheckNotEmpty(QLineEdit* field);

signals:
    // OK stored the edited values.
    void Accepted();

protected:
    bool event(QEvent* event) override;
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void CreateControls();
    // The title and captions in the interface language.
    void Retranslate();
    // The fields over s, in order; throws Error at the first that does not convert.
    void ConvertFields(Settings& s) const;

    Settings& settings_;
    Dialogs& dialogs_;
    Captions captions_{"qm::SettingsDialog"};
    // Set when the dialog is shown: its next activation is its opening.
    bool opening_ = false;

    QGroupBox* visualGroup;
    QLineEdit* intervalEdit;
    QLineEdit* widthEdit;
    QLineEdit* dispersionEdit;
    QComboBox* outputFormatBox;
    QGroupBox* statisticsGroup;
    QLineEdit* minSpeedEdit;
    QCheckBox* distanceSplitBox;
    QLineEdit* maxBreakEdit;
    QCheckBox* timeSplitBox;
    QLineEdit* maxStopEdit;
    QLineEdit* maxSlopeEdit;
    QLineEdit* heightSpanEdit;
    SpinEdit* gmtSpin;
    QLineEdit* gmtEdit;
    QGroupBox* reportGroup;
    SpinEdit* digitsSpin;
    QLineEdit* digitsEdit;
    QGroupBox* delimiterGroup;
    QLineEdit* decimalDelimiterEdit;
    QLineEdit* fieldDelimiterEdit;
    QLineEdit* ruleDelimiterEdit;
    QGroupBox* levelGroup;
    std::array<QCheckBox*, 3> levelBoxes;
    QGroupBox* fieldGroup;
    std::array<QCheckBox*, 12> fieldBoxes;
    // "Язык интерфейса": takes effect in every window on OK.
    QComboBox* languageBox;
    ColourScalesGroup* colourScalesGroup;
    QCheckBox* saveAtExitBox;
    QPushButton* okButton;
    QPushButton* cancelButton;
};

}  // namespace qm
