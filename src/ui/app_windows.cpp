#include "ui/app_windows.h"

namespace qm {

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
    return windows;
}

}  // namespace qm
