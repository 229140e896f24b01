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
class MainWindow;

// The speed-scale editor "ScaleSelect": all three scales, one row each, with
// the radio button of the current scale, the name and the ten bands (upper
// bound and colour). OK stores them into Settings, Cancel drops them.
class ScaleEditor : public QWidget {
    Q_OBJECT
public:
    ScaleEditor(MainWindow& mainWindow, Settings& settings, Dialogs& dialogs);

    // The row whose radio button is on while the editor is open.
    int currentRow = 0;

    void ShowScales();
    // False when a cell did not convert; then nothing is stored.
    bool StoreScales();
    // The row whose button the user clicked; makes the three exclusive.
    void SelectRow(int row);
    void SetControlsEnabled(bool enabled);
    void CellDoubleClicked(ColorBox* cell);
    void CellLeft(ColorBox* cell);
    void ChooseColor(ColorBox* cell);
    bool CheckCell(ColorBox* cell);
    void Accept();
    void Cancel();

protected:
    void hideEvent(QHideEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    static constexpr int kRows = kScaleCount;
    void CreateControls();
    // The hint and the tooltips in the interface language.
    void Retranslate();
    ColorBox* FocusedCell() const;
    // Row and band of a cell.
    std::pair<int, int> CellPlace(const ColorBox* cell) const;

    MainWindow& main_;
    Settings& settings_;
    Dialogs& dialogs_;
    // The colour the colour dialog returned last; it opens on it again.
    int32_t lastColor_ = 0;

    QLabel* colorHint;
    std::array<QGroupBox*, kRows> rowBoxes;
    std::array<QRadioButton*, kRows> rowButtons;
    std::array<QLineEdit*, kRows> nameEdits;
    std::array<QGroupBox*, kRows> bandGroups;
    std::array<std::array<ColorBox*, kBandCount>, kRows> cells;
    QPushButton* okButton;
    QPushButton* cancelButton;
};

}  // namespace qm
