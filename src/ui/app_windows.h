#pragma once

#include "settings/settings.h"
#include "ui/main_window.h"
#include "ui/scale_editor.h"
#include "ui/settings_dialog.h"
#include "ui/statistics_window.h"
#include "ui/map/map_window.h"

#include <memory>

namespace qm {

class Dialogs;

// The program's windows. They are created once, in this order, and live
// until the program ends; the secondary ones start hidden.
struct AppWindows {
    std::unique_ptr<MainWindow> main;
    std::unique_ptr<SettingsDialog> settingsDialog;
    std::unique_ptr<ScaleEditor> scaleEditor;
    std::unique_ptr<StatisticsWindow> statisticsWindow;
    // A companion of the main window rather than a dialog.
    std::unique_ptr<MapWindow> mapWindow;
};

// Creates the windows. The main window's creation loads the settings file of
// the current directory before the others exist. The windows are built with
// their Russian texts, which fix the sizes of their frames, then shown in the
// language the settings chose.
AppWindows CreateAppWindows(Settings& settings, Dialogs& dialogs);

}  // namespace qm
