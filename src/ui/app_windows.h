#pragma once

#include "settings/settings.h"
#include "ui/Quillmarsh.h"
#include "ui/ScaleSelectU.h"
#include "ui/TrStatFmSettU.h"
#include "ui/TrStatFormU.h"

#include <memory>

namespace qm {

class Dialogs;

// The program's four windows. They are created once, in this order, and live
// until the program ends; the secondary ones start hidden.
struct AppWindows {
    std::unique_ptr<TForm1> Form1;
    std::unique_ptr<TTrStFmSett> TrStFmSett;
    std::unique_ptr<TScaleSelect> ScaleSelect;
    std::unique_ptr<TTrStatForm> TrStatForm;
};

// Creates the windows. The main window's creation loads the settings file of
// the current directory before the others exist.
AppWindows CreateAppWindows(Settings& settings, Dialogs& dialogs);

}  // namespace qm
