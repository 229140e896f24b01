#pragma once

#include "settings/settings.h"
#include "ui/captions.h"

#include <QGroupBox>

#include <array>
#include <vector>

class QComboBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;

namespace qm {

class Dialogs;

// "Шкалы цвета по измерениям" of the settings dialog: one measure's scale at
// a time, its bounds as a line of numbers and a swatch for each band's
// colour, with MAXHR and FTP, of which the heart rate's and the power's
// bounds are percentages. What it shows is a draft until Convert.
class ColourScalesGroup : public QGroupBox {
    Q_OBJECT
public:
    ColourScalesGroup(Dialogs& dialogs, QWidget* parent);

    // The scales, MAXHR and FTP of the settings; the measure shown stays.
    void Fill(const Settings& settings);
    // The edited values into settings. A field that does not convert is
    // brought into view and focused, and throws Error naming it.
    void Convert(Settings& settings);

    void MeasureChosen(int index);
    void BoundsEdited();
    void ChooseColor(size_t swatch);
    void RestoreDefault();

protected:
    void changeEvent(QEvent* event) override;

private:
    void CreateControls();
    void Retranslate();
    ColourMeasure Measure() const;
    ColourScale& Scale();
    // The swatches of the shown scale's colours, with each band's range as its tooltip.
    void ShowSwatches();

    Dialogs& dialogs_;
    Captions captions_{"qm::ColourScalesGroup"};
    ColourScales scales_;
    // Each measure's bounds as typed; the shown measure's are in boundsEdit.
    std::array<QString, kColourMeasureCount - 1> boundsTexts_;
    int shown_ = 0;

    QComboBox* measureBox;
    QLineEdit* boundsEdit;
    QLabel* boundsUnit;
    QLineEdit* maxHeartRateEdit;
    QLineEdit* ftpEdit;
    QWidget* swatchPanel;
    QGridLayout* swatchGrid;
    std::vector<QToolButton*> swatches;
    QPushButton* defaultButton;
};

}  // namespace qm
