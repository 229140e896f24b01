// quillmarsh-screenshots DIR [TRACK...]: renders the windows of the desktop
// program, filled from the sample track, to PNG files in DIR (in Russian, and
// in English as NAME-en.png), and the map window of each further track
// (map-NAME.png; its profile shows the heart rate where the track has one),
// on any platform Qt has (use
// QT_QPA_PLATFORM=offscreen without a display). Settings are the defaults;
// nothing is read from or written to the current directory.
#include "platform/date_time_text.h"
#include "platform/file_system.h"
#include "platform/locale_formats.h"
#include "settings/output_folder.h"
#include "settings/settings.h"
#include "ui/app_windows.h"
#include "ui/dialogs.h"
#include "ui/interface_language.h"
#include "ui/map/map_window.h"
#include "ui/map/profile_chart.h"
#include "ui/map/trip_view.h"
#include "ui/offscreen_notes.h"
#include "ui/qt_text.h"
#include "ui/widgets/radio_group.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QPixmap>
#include <QPushButton>
#include <QTemporaryDir>

#include <cstdio>

namespace {

// Nothing may wait for a user here: messages go to standard error and every
// question is answered with a cancel.
class PrintingDialogs : public qm::Dialogs {
public:
    void MessageBox(const std::string& text) override { std::fprintf(stderr, "%s\n", text.c_str()); }
    void ErrorBox(const std::string& text) override { std::fprintf(stderr, "%s\n", text.c_str()); }
    std::vector<std::string> OpenTrackFiles(const std::string&) override { return {}; }
    std::optional<int32_t> ChooseColor(int32_t) override { return std::nullopt; }
    std::optional<std::string> ChooseDirectory(const std::string&) override { return std::nullopt; }
    std::optional<std::string> SavePictureFile(const std::string&) override { return std::nullopt; }
    void CopyToClipboard(const std::string&) override {}
};

bool Save(QWidget& window, const QDir& directory, const QString& name)
{
    QApplication::processEvents();
    const QString path = directory.filePath(name);
    if (!window.grab().save(path)) {
        std::fprintf(stderr, "Cannot write %s\n", qPrintable(path));
        return false;
    }
    std::printf("%s\n", qPrintable(path));
    return true;
}

// What a click on the window's button of that name does.
void Press(QWidget& window, const char* button) { window.findChild<QPushButton*>(button)->click(); }

}  // namespace

int main(int argc, char** argv)
{
    qm::DropOffscreenPlatformNotes();
    QApplication app(argc, argv);
    QApplication::setApplicationName("Quillmarsh");
    qm::UseCNumberFormat();
    if (argc < 2) {
        std::fprintf(stderr, "Usage: quillmarsh-screenshots DIR [TRACK...]\n");
        return 2;
    }
    QDir output(QDir(QString::fromLocal8Bit(argv[1])).absolutePath());
    if (!output.mkpath(".")) {
        std::fprintf(stderr, "Cannot create %s\n", argv[1]);
        return 1;
    }
    qm::UseFixedDateTimeFormats();
    QStringList tracks;
    for (int i = 2; i < argc; ++i) tracks << QDir(QString::fromLocal8Bit(argv[i])).absolutePath();

    // Start in an empty directory of our own, so that no settings file is read.
    QTemporaryDir scratch;
    if (!scratch.isValid() || !qm::SetCurrentDir(qPrintable(scratch.path()))) {
        std::fprintf(stderr, "Cannot create a temporary directory\n");
        return 1;
    }

    qm::Settings settings;
    PrintingDialogs dialogs;
    qm::AppWindows windows = qm::CreateAppWindows(settings, dialogs);
    qm::MainWindow& mainWindow = *windows.main;
    mainWindow.OpenTracks({QM_SAMPLE_TRACK});
    mainWindow.findChild<qm::RadioGroup*>("RGoutputDir")->SetItemIndex(qm::kTrackFolder);
    mainWindow.show();
    // Each window in Russian, then in English with "-en" after its name.
    const auto saveWindows = [&](const QString& suffix) {
        bool saved = Save(mainWindow, output, "main-window" + suffix + ".png");

        Press(mainWindow, "SwSpdCat");
        saved = Save(*windows.scaleEditor, output, "scale-select" + suffix + ".png") && saved;
        windows.scaleEditor->Cancel();

        Press(mainWindow, "BtnGetStat");
        windows.statisticsWindow->Activated();
        saved = Save(*windows.statisticsWindow, output, "statistics" + suffix + ".png") && saved;

        windows.statisticsWindow->OpenSettingsDialog();
        windows.settingsDialog->Activated();
        saved = Save(*windows.settingsDialog, output, "settings-dialog" + suffix + ".png") && saved;
        windows.settingsDialog->Cancel();
        windows.statisticsWindow->close();

        Press(mainWindow, "BtnMap");
        saved = Save(*windows.mapWindow, output, "map-window" + suffix + ".png") && saved;
        windows.mapWindow->close();
        return saved;
    };
    // No map tiles: the picture must not depend on a server.
    settings.TILEURL.clear();
    settings.MAPWIDTH = 1100, settings.MAPHEIGHT = 760;
    bool saved = saveWindows("");
    settings.LANGUAGE = qm::Language::English;
    qm::InstallInterfaceLanguage(settings.LANGUAGE);
    saved = saveWindows("-en") && saved;
    settings.LANGUAGE = qm::Language::Russian;
    qm::InstallInterfaceLanguage(settings.LANGUAGE);
    for (const QString& track : tracks) {
        mainWindow.OpenTracks({qm::ToStdPath(track)});
        Press(mainWindow, "BtnMap");
        windows.mapWindow->View()->Profile()->ShowMeasure(qm::Measure::HeartRate);
        saved = Save(*windows.mapWindow, output, "map-" + QFileInfo(track).completeBaseName() + ".png") && saved;
        windows.mapWindow->close();
    }
    return saved ? 0 : 1;
}
