#pragma once

#include "platform/language.h"

namespace qm {

// Shows the windows in `language`: the program's own texts (Russian in the
// source, English from the translation built into the program) and Qt's own
// dialogs and buttons (the file, directory and colour dialogs, Yes, No,
// Cancel, OK) from Qt's installed translations, which replace the language
// installed before. Every open window receives QEvent::LanguageChange and
// shows its texts anew; the core's messages follow (SetMessageLanguage).
// Where Qt's Russian translation is not installed its
// dialogs stay in English.
void InstallInterfaceLanguage(Language language);

// The decimal separator of every number the windows write (not of the
// numbers typed into them, nor of the statistics report, which has its own):
// a comma in Russian, a point in English.
char InterfaceDecimalSeparator();

}  // namespace qm
