#pragma once

namespace qm {

// Qt's own dialogs and buttons (the file and directory dialogs, the colour
// dialog, Yes, No, Cancel, OK) in Russian, as the rest of the program. False
// when Qt's Russian translation is not installed: they stay in English.
bool UseRussianQtTexts();

}  // namespace qm
