#include "ui/main_window.h"

#include "commands/statistics.h"
#include "commands/visualise.h"
#include "platform/error.h"
#include "platform/file_system.h"
#include "platform/number_text.h"
#include "platform/path_text.h"
#include "settings/output_folder.h"
#include "settings/settings_file.h"
#include "settings/start_files.h"
#include "settings/track_files.h"
#include "settings/track_list_text.h"
#include "ui/scale_editor.h"
#include "ui/settings_dialog.h"
#include "ui/statistics_window.h"
#include "ui/widgets/color_box.h"
#include "ui/dialogs.h"
#include "ui/drop_events.h"
#include "ui/focus_events.h"
#include "ui/interface_language.h"
#include "ui/map/map_window.h"
#include "ui/qt_text.h"
#include "ui/widgets/radio_group.h"
#include "ui/window_lock.h"
#include "version.h"
#include "visual/speed_bands.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>
#include <QStyle>
#include <QStyleOption>
#include <QVBoxLayout>

#include <algorithm>

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

// The arrow of a drop-down list, as the style draws it.
QIcon DropDownIcon(QWidget* widget)
{
    const int size = widget->style()->pixelMetric(QStyle::PM_SmallIconSize, nullptr, widget);
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    QStyleOption option;
    option.initFrom(widget);
    option.rect = pixmap.rect();
    widget->style()->drawPrimitive(QStyle::PE_IndicatorArrowDown, &option, &painter, widget);
    return QIcon(pixmap);
}

// Why the start-up load could not read the settings file in full, and what follows.
std::string SettingsNotReadText(const std::string& path, const Error& error)
{
    const QString line = error.Line() > 0 ? qm::MainWindow::tr(" (строка %1)").arg(error.Line()) : QString();
    const QString text = qm::MainWindow::tr("Файл настроек \"%1\" не прочитан%2: %3.\nНастройки, которые не удалось "
                                            "прочитать, взяты по умолчанию. При выходе этот файл не будет перезаписан.");
    return ToStd(text.arg(ToQt(path), line, ToQt(error.what())));
}

template <typename Control>
Control* Named(Control* control, const char* name)
{
    control->setObjectName(name);
    return control;
}

}  // namespace

MainWindow::MainWindow(Settings& settings, Dialogs& dialogs)
    : QWidget(nullptr, Qt::Window | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
                           Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      settings_(settings), dialogs_(dialogs), trackMessages_(dialogs), openTrackDir_(FallbackDirectory())
{
    setObjectName("Form1");
    setWindowTitle("Quillmarsh " QUILLMARSH_VERSION);
    CreateControls();
    LoadSettingsAtStart();
}

void MainWindow::CreateControls()
{
    trackLabel = Named(new QLabel(this), "Label_track");
    tripNameLabel = Named(new QLabel(this), "tripNameLabel");
    tripNameEdit = Named(new QLineEdit(this), "tripName");
    tripNameEdit->setFixedWidth(200);
    tripNameLabel->setBuddy(tripNameEdit);
    // A trip's name is asked for only while the track field names several
    // files; its place is kept so that the window never moves its fields.
    for (QWidget* control : std::initializer_list<QWidget*>{tripNameLabel, tripNameEdit}) {
        QSizePolicy policy = control->sizePolicy();
        policy.setRetainSizeWhenHidden(true);
        control->setSizePolicy(policy);
        control->hide();
    }
    trackEdit = Named(new QLineEdit(this), "trackPlt");
    trackEdit->setMinimumWidth(360);
    recentTracksAction = trackEdit->addAction(DropDownIcon(trackEdit), QLineEdit::TrailingPosition);
    recentTracksAction->setObjectName("recentTracks");
    openTrackButton = PictureButton("BitBtn1", QStyle::SP_DialogOpenButton, this);
    resultLabel = Named(new QLabel(this), "Label_Result");
    outputDirEdit = Named(new QLineEdit(this), "EoutputDir");
    openDirButton = PictureButton("BtnOpnDir", QStyle::SP_DirOpenIcon, this);
    folderTypeGroup = Named(new RadioGroup({}, QStringList(3), 1, this), "RGoutputDir");
    subFolderBox = Named(new QCheckBox(this), "CBSubFolder");
    visualiseButton = Named(new QPushButton(this), "BtnPrFiles");
    statisticsButton = Named(new QPushButton(this), "BtnGetStat");
    mapButton = Named(new QPushButton(this), "BtnMap");
    settingsButton = Named(new QPushButton(this), "BtnSettings");
    scaleLabel = Named(new QLabel(this), "Label_spdScale");
    scaleBox = Named(new QGroupBox(this), "SpdCatBox");
    editScaleButton = Named(new QPushButton(this), "SwSpdCat");
    Retranslate();

    auto* bands = new QVBoxLayout(scaleBox);
    bands->setSpacing(1);
    bands->setContentsMargins(6, 4, 6, 6);
    for (int i = 0; i < kBandCount; ++i) {
        bandBoxes[i] = Named(new ColorBox(i, scaleBox), ("SpdCat" + std::to_string(i + 1)).c_str());
        bandBoxes[i]->setReadOnly(true);
        // Shown, not edited: Tab passes them by.
        bandBoxes[i]->setFocusPolicy(Qt::NoFocus);
        bandBoxes[i]->setText(QString("SC%1").arg(i + 1));
        bandBoxes[i]->setFixedSize(bandBoxes[i]->fontMetrics().horizontalAdvance("00000") + 16,
                                bandBoxes[i]->fontMetrics().height() + 5);
        bands->addWidget(bandBoxes[i], 0, Qt::AlignHCenter);
    }
    // A long scale name is elided in the caption rather than widening the window.
    scaleBox->setFixedWidth(std::max({scaleBox->sizeHint().width(), scaleLabel->sizeHint().width(),
                                       editScaleButton->sizeHint().width()}));

    auto* trackLabelRow = new QHBoxLayout;
    trackLabelRow->addWidget(trackLabel);
    trackLabelRow->addStretch();
    trackLabelRow->addWidget(tripNameLabel);
    trackLabelRow->addWidget(tripNameEdit);
    auto* trackRow = new QHBoxLayout;
    trackRow->addWidget(trackEdit);
    trackRow->addWidget(openTrackButton);
    auto* outputRow = new QHBoxLayout;
    outputRow->addWidget(outputDirEdit);
    outputRow->addWidget(openDirButton);
    auto* folderRow = new QHBoxLayout;
    folderRow->addWidget(folderTypeGroup);
    folderRow->addWidget(subFolderBox, 0, Qt::AlignTop);
    folderRow->addStretch();
    auto* buttonRow = new QHBoxLayout;
    buttonRow->addWidget(visualiseButton);
    buttonRow->addWidget(statisticsButton);
    buttonRow->addWidget(mapButton);
    buttonRow->addStretch();
    buttonRow->addWidget(settingsButton);

    auto* files = new QVBoxLayout;
    files->addLayout(trackLabelRow);
    files->addLayout(trackRow);
    files->addWidget(resultLabel);
    files->addLayout(outputRow);
    files->addLayout(folderRow);
    files->addStretch();
    files->addLayout(buttonRow);

    auto* scale = new QVBoxLayout;
    scale->addWidget(scaleLabel);
    scale->addWidget(scaleBox);
    scale->addWidget(editScaleButton);

    auto* layout = new QHBoxLayout(this);
    layout->addLayout(files, 1);
    layout->addSpacing(8);
    layout->addLayout(scale);
    // A fixed frame whose size no text changes: the designed size unless the
    // fonts need more, measured with the scale's name in its title, which
    // takes a line of its own.
    scaleBox->setTitle(" ");
    setFixedSize(layout->sizeHint().expandedTo(QSize(560, 287)));

    // Named after the track is chosen.
    setTabOrder(openTrackButton, tripNameEdit);
    connect(openTrackButton, &QPushButton::clicked, this, &MainWindow::ChooseTrack);
    connect(recentTracksAction, &QAction::triggered, this, &MainWindow::ShowRecentTracks);
    // As a combo box opens its list.
    auto* openRecent = new QShortcut(QKeySequence(Qt::ALT | Qt::Key_Down), trackEdit);
    openRecent->setContext(Qt::WidgetShortcut);
    connect(openRecent, &QShortcut::activated, this, &MainWindow::ShowRecentTracks);
    const auto takesDrops = [this] { return TakesDrops(); };
    const auto dropped = [this](const DropContents& contents) { DropTrack(contents); };
    OnDrop(this, takesDrops, dropped);
    OnDrop(trackEdit, takesDrops, dropped);
    // Text dropped there is the field's own: a folder can be typed.
    OnDrop(outputDirEdit, takesDrops, dropped, true);
    connect(openDirButton, &QPushButton::clicked, this, &MainWindow::ChooseOutputDir);
    connect(visualiseButton, &QPushButton::clicked, this, &MainWindow::Visualise);
    connect(statisticsButton, &QPushButton::clicked, this, &MainWindow::ShowStatistics);
    connect(mapButton, &QPushButton::clicked, this, &MainWindow::OpenMap);
    connect(settingsButton, &QPushButton::clicked, this, &MainWindow::OpenSettingsDialog);
    connect(editScaleButton, &QPushButton::clicked, this, &MainWindow::OpenScaleEditor);
    connect(folderTypeGroup, &RadioGroup::Changed, this, &MainWindow::FolderTypeChanged);
    connect(subFolderBox, &QCheckBox::toggled, this, &MainWindow::SubFolderToggled);
    connect(outputDirEdit, &QLineEdit::textChanged, this, [this] { settings_.SettingsChanged = true; });
    OnExit(trackEdit, [this] { TrackLeft(); });
    OnExit(tripNameEdit, [this] { TripNameLeft(); });
    connect(trackEdit, &QLineEdit::textChanged, this, &MainWindow::ShowTripNameField);
    OnExit(outputDirEdit, [this] { CheckOutputDir(outputDirEdit); });
}

void MainWindow::Retranslate()
{
    trackLabel->setText(tr("Трек"));
    tripNameLabel->setText(tr("Имя &поездки"));
    tripNameEdit->setToolTip(tr("Имя, по которому названы файлы поездки; пустое поле: имя первого файла с _trip"));
    recentTracksAction->setToolTip(tr("Недавние треки (Alt+↓)"));
    resultLabel->setText(tr("Результат"));
    folderTypeGroup->setTitle(tr("Директория для сохранения"));
    folderTypeGroup->Item(kStartFolder)->setText(tr("приложение"));
    folderTypeGroup->Item(kTrackFolder)->setText(tr("исходный трек"));
    folderTypeGroup->Item(kTypedFolder)->setText(tr("другая"));
    subFolderBox->setText(tr("Создавать подкаталог"));
    visualiseButton->setText(tr("&Визуализация"));
    statisticsButton->setText(tr("&Статистика"));
    mapButton->setText(tr("&Карта"));
    settingsButton->setText(tr("&Настройки"));
    scaleLabel->setText(tr("Шкала скорости"));
    editScaleButton->setText(tr("&Изменить"));
}

void MainWindow::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange) Retranslate();
    // Enabled again when a secondary window that locked it has closed.
    if (event->type() == QEvent::EnabledChange && isEnabled()) SetControlsEnabled(true);
    QWidget::changeEvent(event);
}

void MainWindow::SetSecondaryWindows(SettingsDialog* settingsDialog, ScaleEditor* scaleEditor,
                                     StatisticsWindow* statisticsWindow, MapWindow* mapWindow)
{
    settingsDialog_ = settingsDialog;
    scaleEditor_ = scaleEditor;
    statisticsWindow_ = statisticsWindow;
    mapWindow_ = mapWindow;
    connect(settingsDialog_, &SettingsDialog::Accepted, this, &MainWindow::RefreshMap);
    OnDrop(mapWindow_, [this] { return TakesDrops(); }, [this](const DropContents& contents) { DropTrack(contents); });
}

void MainWindow::LoadSettingsAtStart()
{
    settings_.StartDir = GetCurrentDir();
    chooserDir_ = settings_.StartDir;
    const std::string path = SettingsFilePath(settings_.StartDir);
    const LoadedSettings loaded = LoadSettings(path, settings_);
    // Every window, and the boxes of the load, in the language it names.
    InstallInterfaceLanguage(settings_.LANGUAGE);
    ShowStartFiles(FilesAtStart(loaded, settings_.StartDir, FallbackDirectory()));
    if (loaded.Error) dialogs_.ShowError(SettingsNotReadText(path, *loaded.Error));
    // The program runs on what it could read and the defaults for the rest.
    ShowScale(settings_.CurrentScale());
    FolderTypeChanged();
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    // The map window keeps its place in the settings that the close saves.
    if (isEnabled() && mapWindow_) mapWindow_->close();
    if (isEnabled() && CanClose())
        event->accept();
    else
        event->ignore();
}

bool MainWindow::CanClose()
{
    if (settingsDialog_ && settingsDialog_->SaveSettingsAtClose()) return SaveSettings(settings_, Files(), dialogs_);
    return true;
}

void MainWindow::SetControlsEnabled(bool enabled)
{
    // A disabled control would hand the focus on to the next one, where the
    // user's next click would count as leaving it (the output directory's
    // check): the focus leaves the window instead and comes back afterwards
    // to the control that started the command.
    if (!enabled && focusWidget() && !commandFocus_) {
        commandFocus_ = focusWidget();
        MoveFocusQuietly([this] { commandFocus_->clearFocus(); });
    }
    // The map button too, or the focus would stay on it while a command runs.
    for (QWidget* control :
         std::initializer_list<QWidget*>{visualiseButton, statisticsButton, mapButton, trackEdit, tripNameEdit, openTrackButton,
                                         scaleBox, editScaleButton, folderTypeGroup, subFolderBox, settingsButton})
        control->setEnabled(enabled);
    const int type = folderTypeGroup->ItemIndex();
    openDirButton->setEnabled(enabled && type != kStartFolder && type != kTrackFolder);
    // A window still locked by a secondary one gets it back when it is enabled again.
    if (enabled && commandFocus_ && isEnabled()) {
        QWidget* control = commandFocus_;
        commandFocus_ = nullptr;
        if (control->isEnabled()) MoveFocusQuietly([control] { control->setFocus(Qt::OtherFocusReason); });
    }
    // A command runs without returning to the event loop: show the state now.
    if (!enabled && isVisible()) repaint();
}

std::optional<BandBoxes> MainWindow::ShownBands()
{
    BandBoxes boxes;
    try {
        for (int i = 0; i < kBandCount; ++i)
            boxes[i] = BandBox{TextToFloat(TextOf(bandBoxes[i])), bandBoxes[i]->Color()};
    } catch (const Error& error) {
        dialogs_.ShowError(error.what());
        return std::nullopt;
    }
    return boxes;
}

void MainWindow::Visualise()
{
    const std::optional<BandBoxes> boxes = ShownBands();
    if (!boxes || !TripNameFits()) return;
    SetControlsEnabled(false);
    const TrackFiles track = Track();
    const VisualiseResult result = VisualiseTrack(track, TextOf(outputDirEdit), *boxes, settings_, trackMessages_);
    SetControlsEnabled(true);
    if (result.Computed) TrackOpened(track.Paths);
    if (result.Error) dialogs_.ShowFileError(*result.Error);
    if (result.Processed) dialogs_.ShowMessage(MessageText(MessageId::TrackProcessed));
}

void MainWindow::ShowStatistics()
{
    if (!TripNameFits()) return;
    SetControlsEnabled(false);
    const TrackFiles track = Track();
    std::optional<MeasuredStatistics> statistics = TrackStatisticsAndMeasures(track, settings_, trackMessages_);
    if (!statistics) {
        SetControlsEnabled(true);
        return;
    }
    TrackOpened(track.Paths);
    // Once the statistics window is open its closing gives the controls back.
    statisticsWindow_->SetStatistics(std::move(*statistics));
    OpenOver(this, statisticsWindow_);
}

void MainWindow::OpenMap()
{
    const std::optional<BandBoxes> boxes = ShownBands();
    if (!boxes || !TripNameFits()) return;
    const TrackFiles track = Track();
    if (!mapWindow_->ShowTrack(track, *boxes, trackMessages_)) return;
    TrackOpened(track.Paths);
    mapWindow_->Open();
}

void MainWindow::RefreshMap()
{
    if (!mapWindow_ || !mapWindow_->isVisible()) return;
    const std::optional<BandBoxes> boxes = ShownBands();
    if (!boxes || !TripNameFits()) return;
    const TrackFiles track = Track();
    if (mapWindow_->ShowTrack(track, *boxes, trackMessages_)) TrackOpened(track.Paths);
}

void MainWindow::OpenSettingsDialog()
{
    settingsDialog_->openedFrom = this;
    SetControlsEnabled(false);
    OpenOver(this, settingsDialog_);
}

void MainWindow::OpenScaleEditor()
{
    SetControlsEnabled(false);
    scaleEditor_->ShowScales();
    OpenOver(this, scaleEditor_);
}

void MainWindow::ShowScale(const SpdCatSet& scale)
{
    const QString caption = ToQt("\"" + scale.Name + "\"");
    const int room = scaleBox->width() - 2 * scaleBox->style()->pixelMetric(QStyle::PM_LayoutLeftMargin);
    // "&" would mark a shortcut letter in a caption.
    scaleBox->setTitle(scaleBox->fontMetrics().elidedText(caption, Qt::ElideRight, room).replace('&', "&&"));
    scaleBox->setToolTip(caption);
    const BandBoxes boxes = ScaleBandBoxes(scale);
    for (int i = 0; i < kBandCount; ++i) {
        bandBoxes[i]->setText(ToQt(FloatToText(boxes[i].Upper)));
        bandBoxes[i]->SetColor(boxes[i].Color);
    }
    RefreshMap();
}

void MainWindow::ChooseTrack()
{
    const std::string first = Track().Paths.front();
    if (FileExists(first)) openTrackDir_ = PathDirPart(first);
    const std::vector<std::string> chosen = dialogs_.OpenTrackFiles(openTrackDir_);
    if (chosen.empty()) return;
    OpenTracks(chosen);
    TrackOpened(chosen);
}

TrackFiles MainWindow::Track() const { return TrackFilesOfText(TextOf(trackEdit), TextOf(tripNameEdit)); }

bool MainWindow::TripNameFits()
{
    if (Track().Paths.size() == 1) return true;
    const std::optional<std::string> fault = TripNameFault(TextOf(tripNameEdit));
    if (fault) dialogs_.ShowError(*fault);
    return !fault;
}

void MainWindow::ShowTripNameField()
{
    const std::vector<std::string> paths = TrackListOfText(TextOf(trackEdit), FileExists);
    const bool trip = paths.size() > 1;
    if (trip) tripNameEdit->setPlaceholderText(ToQt(OutputName(TripName(paths.front()), "")));
    tripNameLabel->setVisible(trip);
    tripNameEdit->setVisible(trip);
}

void MainWindow::OpenTracks(const std::vector<std::string>& paths)
{
    if (subFolderBox->isChecked()) SetText(outputDirEdit, WithoutSubFolder(TextOf(outputDirEdit), Track().Name));
    // Other files are another trip, named anew.
    ShowTrack(TrackListText(paths), "");
    AppendSubFolder(false);
    settings_.SettingsChanged = true;
    RefreshMap();
}

void MainWindow::TrackLeft()
{
    const std::string track = TextOf(trackEdit);
    if (track == previousTrackPath_) return;
    if (subFolderBox->isChecked()) {
        SetText(outputDirEdit,
                WithoutSubFolder(TextOf(outputDirEdit), TrackFilesOfText(previousTrackPath_, TextOf(tripNameEdit)).Name));
        AppendSubFolder(false);
        settings_.SettingsChanged = true;
    }
    previousTrackPath_ = track;
    RefreshMap();
}

void MainWindow::TripNameLeft()
{
    const std::string name = TextOf(tripNameEdit);
    if (name == previousTripName_) return;
    if (subFolderBox->isChecked()) {
        SetText(outputDirEdit,
                WithoutSubFolder(TextOf(outputDirEdit), TrackFilesOfText(TextOf(trackEdit), previousTripName_).Name));
        AppendSubFolder(false);
    }
    previousTripName_ = name;
    settings_.SettingsChanged = true;
    RefreshMap();
}

void MainWindow::ShowTrack(const std::string& text, const std::string& tripName)
{
    SetText(trackEdit, text);
    SetText(tripNameEdit, tripName);
    previousTrackPath_ = text;
    previousTripName_ = tripName;
}

}  // namespace qm
