#include "ui/app_windows.h"

#include <QWindow>

namespace qm {
namespace {

// Keeps a secondary window above the main window on the desktop, without
// making it a child widget (a child would be disabled with its opener).
void StayAbove(QWidget& secondary, QWidget& main)
{
    secondary.winId();
    secondary.windowHandle()->setTransientParent(main.windowHandle());
}

}  // namespace

AppWindows CreateAppWindows(Settings& settings, Dialogs& dialogs)
{
    AppWindows windows;
    windows.main = std::make_unique<MainWindow>(settings, dialogs);
    windows.settingsDialog = std::make_unique<SettingsDialog>(settings, dialogs);
    windows.scaleEditor = std::make_unique<ScaleEditor>(*windows.main, settings, dialogs);
    windows.statisticsWindow = std::make_unique<StatisticsWindow>(*windows.main, settings, dialogs);
    windows.mapWindow = std::make_unique<MapWindow>(settings, dialogs);
    windows.main->SetSecondaryWindows(windows.settingsDialog.get(), windows.scaleEditor.get(),
                                       windows.statisticsWindow.get(), windows.mapWindow.get());
    windows.statisticsWindow->SetSettingsDialog(windows.settingsDialog.get());

    windows.main->winId();
    StayAbove(*windows.settingsDialog, *windows.main);
    StayAbove(*windows.scaleEditor, *windows.main);
    StayAbove(*windows.statisticsWindow, *windows.main);
    return windows;
}

}  // namespace qm
