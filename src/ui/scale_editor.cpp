#include "ui/scale_editor.h"

#include "platform/error.h"
#include "platform/number_text.h"
#include "ui/main_window.h"
#include "ui/widgets/color_box.h"
#include "ui/dialog_keys.h"
#include "ui/dialogs.h"
#include "ui/focus_events.h"
#include "ui/qt_text.h"
#include "ui/window_flags.h"
#include "ui/window_lock.h"
#include "visual/speed_bands.h"

#include <QEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHideEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace qm {
namespace {

// Row 0 repeats the main window's box names; rows 1 and 2 keep the names
// their cells have always had.
QString CellName(int row, int band)
{
    switch (row) {
    case 0: return QString("SpdCat%1").arg(band + 1);
    case 1: return QString("Edit%1").arg(band + 1);
    default: return QString("Edit%1").arg(band + 12);
    }
}

}  // namespace

ScaleEditor::ScaleEditor(MainWindow& mainWindow, Settings& settings, Dialogs& dialogs)
    : QWidget(nullptr, kDialogFrame | Qt::WindowStaysOnTopHint), main_(mainWindow), settings_(settings),
      dialogs_(dialogs)
{
    setObjectName("ScaleSelect");
    setWindowTitle("ScaleSelect");
    CreateControls();
    UseDialogKeys(this, okButton, cancelButton);
}

void ScaleEditor::CreateControls()
{
    auto* layout = new QVBoxLayout(this);
    for (int row = 0; row < kRows; ++row) {
        rowBoxes[row] = new QGroupBox(this);
        rowBoxes[row]->setObjectName(QString("Scale%1").arg(row));
        rowButtons[row] = new QRadioButton(rowBoxes[row]);
        rowButtons[row]->setObjectName(QString("RB%1").arg(row));
        // The three buttons sit in different boxes; the click handlers make them exclusive.
        rowButtons[row]->setAutoExclusive(false);
        nameEdits[row] = new QLineEdit(rowBoxes[row]);
        nameEdits[row]->setObjectName(QString("SetName%1").arg(row));
        nameEdits[row]->setText(QString("SetName%1").arg(row));
        nameEdits[row]->setFixedWidth(nameEdits[row]->fontMetrics().horizontalAdvance("SetName00") + 24);
        bandGroups[row] = new QGroupBox(rowBoxes[row]);
        bandGroups[row]->setObjectName(QString("SpdCatBox%1").arg(row));
        auto* bandRow = new QHBoxLayout(bandGroups[row]);
        bandRow->setSpacing(2);
        for (int band = 0; band < kBandCount; ++band) {
            ColorBox* cell = new ColorBox(band, bandGroups[row]);
            cell->setObjectName(CellName(row, band));
            cell->setText(QString("SC%1").arg(band + 1));
            cell->setFixedWidth(cell->fontMetrics().horizontalAdvance("00000") + 14);
            bandRow->addWidget(cell);
            cells[row][band] = cell;
            connect(cell, &ColorBox::DoubleClicked, this, &ScaleEditor::CellDoubleClicked);
            OnExit(cell, [this, cell] { CellLeft(cell); });
        }
        auto* rowLayout = new QHBoxLayout(rowBoxes[row]);
        rowLayout->addWidget(rowButtons[row]);
        rowLayout->addWidget(nameEdits[row]);
        rowLayout->addWidget(bandGroups[row]);
        layout->addWidget(rowBoxes[row]);
        connect(rowButtons[row], &QRadioButton::clicked, this, [this, row] { SelectRow(row); });
    }

    colorHint = new QLabel(this);
    colorHint->setObjectName("ColorHint");
    okButton = new QPushButton(this);
    okButton->setObjectName("BOK");
    cancelButton = new QPushButton("Cancel", this);
    cancelButton->setObjectName("BCancel");
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(colorHint);
    bottom->addStretch();
    bottom->addWidget(okButton);
    bottom->addWidget(cancelButton);
    layout->addLayout(bottom);
    Retranslate();
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(okButton, &QPushButton::clicked, this, &ScaleEditor::Accept);
    connect(cancelButton, &QPushButton::clicked, this, &ScaleEditor::Cancel);
}

void ScaleEditor::ShowScales()
{
    // Turning the current row's button on runs its click handler.
    SelectRow(settings_.CURRENTSCALE);
    for (int row = 0; row < kRows; ++row) {
        const SpdCatSet& scale = settings_.Scales[row];
        nameEdits[row]->setText(ToQt(scale.Name));
        const BandBoxes boxes = ScaleBandBoxes(scale);
        for (int band = 0; band < kBandCount; ++band) {
            ColorBox* cell = cells[row][band];
            cell->SetColor(boxes[band].Color);
            cell->setText(ToQt(FloatToText(boxes[band].Upper)));
            cell->setModified(false);
        }
    }
}

bool ScaleEditor::StoreScales()
{
    Scales scales = settings_.Scales;
    try {
        for (int row = 0; row < kRows; ++row) {
            SpdCatSet& scale = scales[row];
            scale.Name = TextOf(nameEdits[row]);
            for (int band = 0; band < kBandCount; ++band) {
                scale.Categories[band].Color = cells[row][band]->Color();
                scale.Categories[band].Upper = TextToInt(TextOf(cells[row][band]));
            }
        }
    } catch (const Error& error) {
        dialogs_.ShowError(error.what());
        return false;
    }
    settings_.Scales = scales;
    settings_.CURRENTSCALE = currentRow;
    return true;
}

void ScaleEditor::SelectRow(int row)
{
    for (int k = 0; k < kRows; ++k) rowButtons[k]->setChecked(k == row);
    currentRow = row;
}

void ScaleEditor::SetControlsEnabled(bool enabled)
{
    okButton->setEnabled(enabled);
    cancelButton->setEnabled(enabled);
    for (int row = 0; row < kRows; ++row) {
        rowButtons[row]->setEnabled(enabled);
        nameEdits[row]->setEnabled(enabled);
    }
}

void ScaleEditor::CellDoubleClicked(ColorBox* cell)
{
    SetControlsEnabled(false);
    ChooseColor(cell);
    SetControlsEnabled(true);
}

void ScaleEditor::ChooseColor(ColorBox* cell)
{
    std::optional<int32_t> color = dialogs_.ChooseColor(lastColor_);
    if (!color) return;
    lastColor_ = *color;
    cell->SetColor(*color);
}

void ScaleEditor::CellLeft(ColorBox* cell)
{
    if (cell->isModified()) CheckCell(cell);
}

bool ScaleEditor::CheckCell(ColorBox* cell)
{
    const auto [row, band] = CellPlace(cell);
    int32_t lower = 0;
    int32_t upper = 1001;
    try {
        if (band > 0) lower = TextToInt(TextOf(cells[row][band - 1]));
        if (band < kBandCount - 1) upper = TextToInt(TextOf(cells[row][band + 1]));
    } catch (const Error& error) {
        dialogs_.ShowError(error.what());
        return false;
    }
    std::optional<int32_t> value = TryTextToInt(TextOf(cell));
    if (value && *value > lower && *value < upper) return true;
    dialogs_.ShowMessage(ToStd(tr("Значение должно быть больше %1 и меньше %2.").arg(lower).arg(upper)));
    ReturnFocus(cell);
    return false;
}

ColorBox* ScaleEditor::FocusedCell() const
{
    for (const auto& row : cells)
        for (ColorBox* cell : row)
            if (cell == focusWidget()) return cell;
    return nullptr;
}

std::pair<int, int> ScaleEditor::CellPlace(const ColorBox* cell) const
{
    for (int row = 0; row < kRows; ++row)
        if (cells[row][cell->Band()] == cell) return {row, cell->Band()};
    return {0, cell->Band()};
}

void ScaleEditor::Accept()
{
    // Enter in a cell does not leave it, so its exit check has not run.
    ColorBox* cell = FocusedCell();
    if (cell && cell->isModified() && !CheckCell(cell)) return;
    if (!StoreScales()) return;
    main_.ShowScale(settings_.CurrentScale());
    settings_.SettingsChanged = true;
    close();
}

void ScaleEditor::Cancel() { close(); }

void ScaleEditor::Retranslate()
{
    for (int row = 0; row < kRows; ++row) {
        bandGroups[row]->setToolTip(tr("Шкала скорости"));
        for (ColorBox* cell : cells[row]) cell->setToolTip(tr("Цвет - DblClick"));
    }
    colorHint->setText(tr("Для изменения цвета - DblClick на ячейке шкалы"));
    // The program's own caption, in English in the Russian windows too.
    okButton->setText(tr("Ok"));
}

void ScaleEditor::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange) Retranslate();
    QWidget::changeEvent(event);
}

void ScaleEditor::hideEvent(QHideEvent* event)
{
    // Closed in any way; a window the window system minimises stays open.
    if (!event->spontaneous()) ReturnTo(&main_);
    QWidget::hideEvent(event);
}

}  // namespace qm
