#pragma once

#include "settings/settings.h"

#include <QWidget>

#include <array>
#include <cstdint>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace qm {

class ColorBox;
class Dialogs;
class TForm1;

// The speed-scale editor "ScaleSelect": all three scales, one row each, with
// the radio button of the current scale, the name and the ten bands (upper
// bound and colour). OK stores them into Settings, Cancel drops them.
class TScaleSelect : public QWidget {
    Q_OBJECT
public:
    TScaleSelect(TForm1& form1, Settings& settings, Dialogs& dialogs);

    // The row whose radio button is on while the editor is open.
    int Tag = 0;

    void ScalesToEditor();
    // False when a cell did not convert (the scales are copied up to it).
    bool EditorToScales();
    void RB0Click() { RBClick(0); }
    void RB1Click() { RBClick(1); }
    void RB2Click() { RBClick(2); }
    void ControlsEnabled(bool enabled);
    void SpdCatDblClick(ColorBox* cell);
    void SpdCatExit(ColorBox* cell);
    void SelectColorExecute(ColorBox* cell);
    void ChkSpdExecute(ColorBox* cell);
    bool ChkSpdF(ColorBox* cell);
    void SSOkExecute();
    void SSCancelExecute();
    void FormClose();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    static constexpr int kRows = kScaleCount;
    void CreateControls();
    void RBClick(int row);
    ColorBox* FocusedCell() const;
    // Row and band of a cell.
    std::pair<int, int> CellPlace(const ColorBox* cell) const;

    TForm1& form1_;
    Settings& settings_;
    Dialogs& dialogs_;
    // The colour the colour dialog returned last; it opens on it again.
    int32_t lastColor_ = 0;

    QLabel* ColorHint;
    std::array<QGroupBox*, kRows> Scale;
    std::array<QRadioButton*, kRows> RB;
    std::array<QLineEdit*, kRows> SetName;
    std::array<QGroupBox*, kRows> SpdCatBox;
    std::array<std::array<ColorBox*, kBandCount>, kRows> Cells;
    QPushButton* BOK;
    QPushButton* BCancel;
};

}  // namespace qm
