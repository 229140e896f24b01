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
    windows.Form1 = std::make_unique<TForm1>(settings, dialogs);
    windows.TrStFmSett = std::make_unique<TTrStFmSett>(settings, dialogs);
    windows.ScaleSelect = std::make_unique<TScaleSelect>(*windows.Form1, settings, dialogs);
    windows.TrStatForm = std::make_unique<TTrStatForm>(*windows.Form1, settings, dialogs);
    windows.Form1->SetSecondaryWindows(windows.TrStFmSett.get(), windows.ScaleSelect.get(),
                                       windows.TrStatForm.get());
    windows.TrStatForm->SetSettingsDialog(windows.TrStFmSett.get());

    windows.Form1->winId();
    StayAbove(*windows.TrStFmSett, *windows.Form1);
    StayAbove(*windows.ScaleSelect, *windows.Form1);
    StayAbove(*windows.TrStatForm, *windows.Form1);
    return windows;
}

}  // namespace qm
