#include "ui/ScaleSelectU.h"

#include "platform/error.h"
#include "platform/number_text.h"
#include "ui/Quillmarsh.h"
#include "ui/color_box.h"
#include "ui/dialog_keys.h"
#include "ui/dialogs.h"
#include "ui/focus_events.h"
#include "ui/qt_text.h"
#include "ui/window_flags.h"
#include "ui/window_lock.h"
#include "visual/speed_bands.h"

#include <QCloseEvent>
#include <QGroupBox>
#include <QHBoxLayout>
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

TScaleSelect::TScaleSelect(TForm1& form1, Settings& settings, Dialogs& dialogs)
    : QWidget(nullptr, kDialogFrame | Qt::WindowStaysOnTopHint), form1_(form1), settings_(settings),
      dialogs_(dialogs)
{
    setObjectName("ScaleSelect");
    setWindowTitle("ScaleSelect");
    CreateControls();
    UseDialogKeys(this, BOK, BCancel);
}

void TScaleSelect::CreateControls()
{
    auto* layout = new QVBoxLayout(this);
    for (int row = 0; row < kRows; ++row) {
        Scale[row] = new QGroupBox(this);
        Scale[row]->setObjectName(QString("Scale%1").arg(row));
        RB[row] = new QRadioButton(Scale[row]);
        RB[row]->setObjectName(QString("RB%1").arg(row));
        // The three buttons sit in different boxes; the click handlers make them exclusive.
        RB[row]->setAutoExclusive(false);
        SetName[row] = new QLineEdit(Scale[row]);
        SetName[row]->setObjectName(QString("SetName%1").arg(row));
        SetName[row]->setText(QString("SetName%1").arg(row));
        SetName[row]->setFixedWidth(SetName[row]->fontMetrics().horizontalAdvance("SetName00") + 24);
        SpdCatBox[row] = new QGroupBox(Scale[row]);
        SpdCatBox[row]->setObjectName(QString("SpdCatBox%1").arg(row));
        SpdCatBox[row]->setToolTip("Шкала скорости");
        auto* cells = new QHBoxLayout(SpdCatBox[row]);
        cells->setSpacing(2);
        for (int band = 0; band < kBandCount; ++band) {
            ColorBox* cell = new ColorBox(band, SpdCatBox[row]);
            cell->setObjectName(CellName(row, band));
            cell->setText(QString("SC%1").arg(band + 1));
            cell->setToolTip("Цвет - DblClick");
            cell->setFixedWidth(cell->fontMetrics().horizontalAdvance("00000") + 14);
            cells->addWidget(cell);
            Cells[row][band] = cell;
            connect(cell, &ColorBox::DoubleClicked, this, &TScaleSelect::SpdCatDblClick);
            OnExit(cell, [this, cell] { SpdCatExit(cell); });
        }
        auto* rowLayout = new QHBoxLayout(Scale[row]);
        rowLayout->addWidget(RB[row]);
        rowLayout->addWidget(SetName[row]);
        rowLayout->addWidget(SpdCatBox[row]);
        layout->addWidget(Scale[row]);
    }
    connect(RB[0], &QRadioButton::clicked, this, &TScaleSelect::RB0Click);
    connect(RB[1], &QRadioButton::clicked, this, &TScaleSelect::RB1Click);
    connect(RB[2], &QRadioButton::clicked, this, &TScaleSelect::RB2Click);

    ColorHint = new QLabel("Для изменения цвета - DblClick на ячейке шкалы", this);
    ColorHint->setObjectName("ColorHint");
    BOK = new QPushButton("Ok", this);
    BOK->setObjectName("BOK");
    BCancel = new QPushButton("Cancel", this);
    BCancel->setObjectName("BCancel");
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(ColorHint);
    bottom->addStretch();
    bottom->addWidget(BOK);
    bottom->addWidget(BCancel);
    layout->addLayout(bottom);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(BOK, &QPushButton::clicked, this, &TScaleSelect::SSOkExecute);
    connect(BCancel, &QPushButton::clicked, this, &TScaleSelect::SSCancelExecute);
}

void TScaleSelect::ScalesToEditor()
{
    // Turning the current row's button on runs its click handler.
    RBClick(settings_.CURRENTSCALE);
    for (int row = 0; row < kRows; ++row) {
        const SpdCatSet& scale = settings_.Scales[row];
        SetName[row]->setText(ToQt(scale.Name));
        const BandBoxes boxes = ScaleBandBoxes(scale);
        for (int band = 0; band < kBandCount; ++band) {
            ColorBox* cell = Cells[row][band];
            cell->SetColor(boxes[band].Color);
            cell->setText(ToQt(FloatToText(boxes[band].Upper)));
            cell->setModified(false);
        }
    }
}

bool TScaleSelect::EditorToScales()
{
    settings_.CURRENTSCALE = Tag;
    try {
        for (int row = 0; row < kRows; ++row) {
            SpdCatSet& scale = settings_.Scales[row];
            scale.Name = TextOf(SetName[row]);
            for (int band = 0; band < kBandCount; ++band) {
                scale.Categories[band].Color = Cells[row][band]->Color();
                scale.Categories[band].Upper = TextToInt(TextOf(Cells[row][band]));
            }
        }
    } catch (const Error& error) {
        dialogs_.ShowError(error.what());
        return false;
    }
    return true;
}

void TScaleSelect::RBClick(int row)
{
    for (int k = 0; k < kRows; ++k) RB[k]->setChecked(k == row);
    Tag = row;
}

void TScaleSelect::ControlsEnabled(bool enabled)
{
    BOK->setEnabled(enabled);
    BCancel->setEnabled(enabled);
    for (int row = 0; row < kRows; ++row) {
        RB[row]->setEnabled(enabled);
        SetName[row]->setEnabled(enabled);
    }
}

void TScaleSelect::SpdCatDblClick(ColorBox* cell)
{
    ControlsEnabled(false);
    SelectColorExecute(cell);
    ControlsEnabled(true);
}

void TScaleSelect::SelectColorExecute(ColorBox* cell)
{
    std::optional<int32_t> color = dialogs_.ChooseColor(lastColor_);
    if (!color) return;
    lastColor_ = *color;
    cell->SetColor(*color);
}

void TScaleSelect::SpdCatExit(ColorBox* cell)
{
    if (cell->isModified()) ChkSpdExecute(cell);
}

void TScaleSelect::ChkSpdExecute(ColorBox* cell) { ChkSpdF(cell); }

bool TScaleSelect::ChkSpdF(ColorBox* cell)
{
    const auto [row, band] = CellPlace(cell);
    int32_t lower = 0;
    int32_t upper = 1001;
    try {
        if (band > 0) lower = TextToInt(TextOf(Cells[row][band - 1]));
        if (band < kBandCount - 1) upper = TextToInt(TextOf(Cells[row][band + 1]));
    } catch (const Error& error) {
        dialogs_.ShowError(error.what());
        return false;
    }
    std::optional<int32_t> value = TryTextToInt(TextOf(cell));
    if (value && *value > lower && *value < upper) return true;
    dialogs_.ShowMessage("Значение должно быть больше " + IntToText(lower) + " и меньше " + IntToText(upper) + ".");
    ReturnFocus(cell);
    return false;
}

ColorBox* TScaleSelect::FocusedCell() const
{
    for (const auto& row : Cells)
        for (ColorBox* cell : row)
            if (cell == focusWidget()) return cell;
    return nullptr;
}

std::pair<int, int> TScaleSelect::CellPlace(const ColorBox* cell) const
{
    for (int row = 0; row < kRows; ++row)
        if (Cells[row][cell->Tag()] == cell) return {row, cell->Tag()};
    return {0, cell->Tag()};
}

void TScaleSelect::SSOkExecute()
{
    // Enter in a cell does not leave it, so its exit check has not run.
    ColorBox* cell = FocusedCell();
    if (cell && cell->isModified() && !ChkSpdF(cell)) return;
    if (!EditorToScales()) return;
    form1_.ShowScale(settings_.CurrentScale());
    settings_.SettingsChanged = true;
    close();
}

void TScaleSelect::SSCancelExecute() { close(); }

void TScaleSelect::closeEvent(QCloseEvent* event)
{
    FormClose();
    QWidget::closeEvent(event);
}

void TScaleSelect::FormClose()
{
    form1_.ControlsEnabled(true);
    ReturnTo(&form1_);
}

}  // namespace qm
