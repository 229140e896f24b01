// quillmarsh [FILE]: the desktop program, started with FILE (a file manager's
// "Open with") in the track field; its settings file is Quillmarsh.ini in the
// directory it is started from.
#include "platform/date_time_text.h"
#include "platform/locale_formats.h"
#include "platform/temporary_files.h"
#include "settings/settings.h"
#include "ui/app_windows.h"
#include "ui/qt_dialogs.h"
#include "ui/qt_text.h"
#include "ui/interface_language.h"

#include <QApplication>
#include <QFileInfo>
#include <QStringList>

#include <string>
#include <vector>

int main(int argc, char** argv)
{
    // A session logout or a kill leaves no unfinished result file behind.
    qm::RemoveTemporaryFilesOn(qm::StopRequests::Session);
    QApplication app(argc, argv);
    QApplication::setApplicationName("Quillmarsh");
    qm::UseCNumberFormat();
    // Russian until the settings file is read: its message boxes too.
    qm::InstallInterfaceLanguage(qm::Language::Russian);
    // Dates and times follow the user's regional settings.
    qm::UseLocaleDateTimeFormats();

    qm::Settings settings;
    qm::QtDialogs dialogs;
    // Qt has taken its own options out of the arguments by now.
    const QStringList arguments = QApplication::arguments();
    qm::AppWindows windows = qm::CreateAppWindows(settings, dialogs);
    // Several files are the files of one trip.
    std::vector<std::string> tracks;
    for (qsizetype i = 1; i < arguments.size(); ++i)
        tracks.push_back(qm::ToStdPath(QFileInfo(arguments[i]).absoluteFilePath()));
    if (!tracks.empty()) windows.main->OpenTracks(tracks);
    windows.main->show();
    return QApplication::exec();
}
