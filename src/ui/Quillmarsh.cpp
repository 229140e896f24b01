#include "ui/Quillmarsh.h"

#include "commands/statistics.h"
#include "commands/visualise.h"
#include "platform/error.h"
#include "platform/file_system.h"
#include "platform/number_text.h"
#include "platform/path_text.h"
#include "settings/settings_file.h"
#include "ui/ScaleSelectU.h"
#include "ui/TrStatFmSettU.h"
#include "ui/TrStatFormU.h"
#include "ui/color_box.h"
#include "ui/dialogs.h"
#include "ui/focus_events.h"
#include "ui/qt_text.h"
#include "ui/radio_group.h"
#include "ui/window_lock.h"
#include "visual/speed_bands.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

#include <clocale>

namespace qm {
namespace {

QPushButton* PictureButton(const QString& name, QStyle::StandardPixmap picture, QWidget* parent)
{
    auto* button = new QPushButton(" ", parent);
    button->setObjectName(name);
    button->setIcon(parent->style()->standardIcon(picture));
    button->setFixedWidth(button->iconSize().width() + 20);
    return button;
}

template <typename Control>
Control* Named(Control* control, const char* name)
{
    control->setObjectName(name);
    return control;
}

}  // namespace

TForm1::TForm1(Settings& settings, Dialogs& dialogs)
    : QWidget(nullptr, Qt::Window | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
                           Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      settings_(settings), dialogs_(dialogs), openTrackDir_(FallbackDirectory())
{
    setObjectName("Form1");
    setWindowTitle("Quillmarsh 1.2");
    CreateControls();
    FormInitExecute();
}

void TForm1::CreateControls()
{
    Label_track = Named(new QLabel("Трек", this), "Label_track");
    trackPlt = Named(new QLineEdit(this), "trackPlt");
    trackPlt->setMinimumWidth(360);
    BitBtn1 = PictureButton("BitBtn1", QStyle::SP_DialogOpenButton, this);
    Label_Result = Named(new QLabel("Результат", this), "Label_Result");
    EoutputDir = Named(new QLineEdit(this), "EoutputDir");
    BtnOpnDir = PictureButton("BtnOpnDir", QStyle::SP_DirOpenIcon, this);
    RGoutputDir = Named(new RadioGroup("Директория для сохранения", {"приложение", "исходный трек", "другая"}, 1, this),
                        "RGoutputDir");
    CBSubFolder = Named(new QCheckBox("Создавать подкаталог", this), "CBSubFolder");
    BtnPrFiles = Named(new QPushButton("Визуализация", this), "BtnPrFiles");
    BtnGetStat = Named(new QPushButton("Статистика", this), "BtnGetStat");
    BtnSettings = Named(new QPushButton("Настройки", this), "BtnSettings");
    Label_spdScale = Named(new QLabel("Шкала скорости", this), "Label_spdScale");
    SpdCatBox = Named(new QGroupBox(this), "SpdCatBox");
    SwSpdCat = Named(new QPushButton("Изменить", this), "SwSpdCat");

    auto* bands = new QVBoxLayout(SpdCatBox);
    bands->setSpacing(2);
    for (int i = 0; i < kBandCount; ++i) {
        SpdCat[i] = Named(new ColorBox(i, SpdCatBox), ("SpdCat" + std::to_string(i + 1)).c_str());
        SpdCat[i]->setReadOnly(true);
        SpdCat[i]->setText(QString("SC%1").arg(i + 1));
        SpdCat[i]->setFixedWidth(SpdCat[i]->fontMetrics().horizontalAdvance("00000") + 16);
        bands->addWidget(SpdCat[i]);
    }
    // A long scale name is cut in the caption rather than widening the window.
    SpdCatBox->setMinimumWidth(SpdCatBox->sizeHint().width());

    auto* trackRow = new QHBoxLayout;
    trackRow->addWidget(trackPlt);
    trackRow->addWidget(BitBtn1);
    auto* outputRow = new QHBoxLayout;
    outputRow->addWidget(EoutputDir);
    outputRow->addWidget(BtnOpnDir);
    auto* folderRow = new QHBoxLayout;
    folderRow->addWidget(RGoutputDir);
    folderRow->addWidget(CBSubFolder, 0, Qt::AlignTop);
    folderRow->addStretch();
    auto* buttonRow = new QHBoxLayout;
    buttonRow->addWidget(BtnPrFiles);
    buttonRow->addWidget(BtnGetStat);
    buttonRow->addStretch();
    buttonRow->addWidget(BtnSettings);

    auto* files = new QVBoxLayout;
    files->addWidget(Label_track);
    files->addLayout(trackRow);
    files->addWidget(Label_Result);
    files->addLayout(outputRow);
    files->addLayout(folderRow);
    files->addStretch();
    files->addLayout(buttonRow);

    auto* scale = new QVBoxLayout;
    scale->addWidget(Label_spdScale);
    scale->addWidget(SpdCatBox);
    scale->addWidget(SwSpdCat);

    auto* layout = new QHBoxLayout(this);
    layout->addLayout(files, 1);
    layout->addSpacing(8);
    layout->addLayout(scale);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(BitBtn1, &QPushButton::clicked, this, &TForm1::OpnTrackActExecute);
    connect(BtnOpnDir, &QPushButton::clicked, this, &TForm1::OpnResultDirExecute);
    connect(BtnPrFiles, &QPushButton::clicked, this, &TForm1::ProcFilesExecute);
    connect(BtnGetStat, &QPushButton::clicked, this, &TForm1::GetStatExecute);
    connect(BtnSettings, &QPushButton::clicked, this, &TForm1::FmSettExecute);
    connect(SwSpdCat, &QPushButton::clicked, this, &TForm1::SelectScaleExecute);
    connect(RGoutputDir, &RadioGroup::Changed, this, &TForm1::RGoutputDirChange);
    connect(CBSubFolder, &QCheckBox::toggled, this, &TForm1::CBSubFolderClick);
    connect(EoutputDir, &QLineEdit::textChanged, this, &TForm1::EoutputDirChange);
    OnEnter(trackPlt, [this] { trackPltEnter(); });
    OnExit(trackPlt, [this] { trackPltExit(); });
    OnExit(EoutputDir, [this] { ChkDirExecute(EoutputDir); });
}

void TForm1::SetSecondaryWindows(TTrStFmSett* settingsDialog, TScaleSelect* scaleSelect, TTrStatForm* statForm)
{
    settingsDialog_ = settingsDialog;
    scaleSelect_ = scaleSelect;
    statForm_ = statForm;
}

void TForm1::FormInitExecute()
{
    // Numbers convert with "." whatever the user's locale.
    std::setlocale(LC_NUMERIC, "C");
    settings_.StartDir = GetCurrentDir();
    const LoadedSettings loaded = LoadSettings(SettingsFilePath(settings_.StartDir), settings_);
    ApplyLoadedFiles(loaded);
    if (loaded.Error) {
        dialogs_.ShowError(*loaded.Error);
        return;
    }
    ShowScale(settings_.CurrentScale());
    RGoutputDirChange();
}

bool TForm1::event(QEvent* event)
{
    // A disabled window is locked by a secondary one and cannot become active.
    if (event->type() == QEvent::WindowActivate && isEnabled()) FormActivate();
    return QWidget::event(event);
}

void TForm1::FormActivate() { ControlsEnabled(true); }

void TForm1::closeEvent(QCloseEvent* event)
{
    if (isEnabled() && FormClose())
        event->accept();
    else
        event->ignore();
}

bool TForm1::FormClose()
{
    if (settingsDialog_ && settingsDialog_->SaveSettingsAtClose()) return SaveSettingsExecute();
    return true;
}

bool TForm1::SaveSettingsExecute() { return SaveSettings(settings_, Files(), dialogs_); }

void TForm1::ControlsEnabled(bool enabled)
{
    for (QWidget* control : std::initializer_list<QWidget*>{BtnPrFiles, BtnGetStat, trackPlt, BitBtn1, SpdCatBox,
                                                             SwSpdCat, RGoutputDir, CBSubFolder, BtnSettings})
        control->setEnabled(enabled);
    const int type = RGoutputDir->ItemIndex();
    BtnOpnDir->setEnabled(enabled && type != 0 && type != 1);
    // A command runs without returning to the event loop: show the state now.
    if (!enabled && isVisible()) repaint();
}

void TForm1::ProcFilesExecute()
{
    BandBoxes boxes;
    try {
        for (int i = 0; i < kBandCount; ++i) boxes[i] = BandBox{TextToFloat(TextOf(SpdCat[i])), SpdCat[i]->Color()};
    } catch (const Error& error) {
        dialogs_.ShowError(error.what());
        return;
    }
    ControlsEnabled(false);
    const VisualiseResult result = VisualiseTrack(TextOf(trackPlt), TextOf(EoutputDir), boxes, settings_, dialogs_);
    ControlsEnabled(true);
    if (result.Error) dialogs_.ShowError(*result.Error);
    if (result.Processed) dialogs_.ShowMessage(std::string(kTrackProcessed));
}

void TForm1::GetStatExecute()
{
    ControlsEnabled(false);
    std::optional<StatTable> table = TrackStatistics(TextOf(trackPlt), settings_, dialogs_);
    if (!table) {
        ControlsEnabled(true);
        return;
    }
    // Once the statistics window is open its closing gives the controls back.
    statForm_->SetTable(std::move(*table));
    OpenOver(this, statForm_);
}

void TForm1::FmSettExecute()
{
    settingsDialog_->SettingsCaller = this;
    ControlsEnabled(false);
    OpenOver(this, settingsDialog_);
}

void TForm1::SelectScaleExecute()
{
    ControlsEnabled(false);
    scaleSelect_->ScalesToEditor();
    OpenOver(this, scaleSelect_);
}

void TForm1::ShowScale(const SpdCatSet& scale)
{
    // "&" would mark a shortcut letter in a caption.
    SpdCatBox->setTitle(ToQt("\"" + scale.Name + "\"").replace('&', "&&"));
    const BandBoxes boxes = ScaleBandBoxes(scale);
    for (int i = 0; i < kBandCount; ++i) {
        SpdCat[i]->setText(ToQt(FloatToText(boxes[i].Upper)));
        SpdCat[i]->SetColor(boxes[i].Color);
    }
}

void TForm1::OpnTrackActExecute()
{
    if (FileExists(TextOf(trackPlt))) openTrackDir_ = PathDirPart(TextOf(trackPlt));
    std::optional<std::string> chosen = dialogs_.OpenTrackFile(openTrackDir_);
    if (!chosen) return;
    if (CBSubFolder->isChecked()) SetText(EoutputDir, CutSubFolder(TextOf(EoutputDir), TextOf(trackPlt)));
    SetText(trackPlt, *chosen);
    AppendSubFolder(false);
    settings_.SettingsChanged = true;
}

void TForm1::trackPltEnter() { PreviousTrackPath = TextOf(trackPlt); }

void TForm1::trackPltExit()
{
    if (!CBSubFolder->isChecked() || TextOf(trackPlt) == PreviousTrackPath) return;
    SetText(EoutputDir, CutSubFolder(TextOf(EoutputDir), PreviousTrackPath));
    AppendSubFolder(false);
    settings_.SettingsChanged = true;
}

}  // namespace qm
