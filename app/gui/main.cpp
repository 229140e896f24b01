// quillmarsh: the desktop program. It takes no arguments; its settings file is
// Quillmarsh.ini in the directory it is started from.
#include "platform/date_time_text.h"
#include "platform/temporary_files.h"
#include "settings/settings.h"
#include "ui/app_windows.h"
#include "ui/qt_dialogs.h"
#include "ui/qt_translations.h"

#include <QApplication>

#include <csignal>

int main(int argc, char** argv)
{
    // A session logout or a kill leaves no unfinished result file behind.
    qm::RemoveTemporaryFilesOn({SIGTERM, SIGHUP});
    QApplication app(argc, argv);
    QApplication::setApplicationName("Quillmarsh");
    qm::UseRussianQtTexts();
    // Dates and times follow the user's regional settings.
    qm::UseLocaleDateTimeFormats();

    qm::Settings settings;
    qm::QtDialogs dialogs;
    qm::AppWindows windows = qm::CreateAppWindows(settings, dialogs);
    windows.main->show();
    return QApplication::exec();
}
