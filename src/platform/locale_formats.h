#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace qm {

// The user's formats of a date and of a time of day, as strftime patterns.
struct LocaleFormats {
    std::string Date;
    std::string Time;
};

// The formats of the user's locale: LC_TIME's on POSIX, the regional
// settings' short date and long time on Windows. Nothing in the C or POSIX
// locale (on Windows too, when LC_ALL or LC_TIME names it, as scripts do for
// dates that never change with the machine).
std::optional<LocaleFormats> UserDateTimeFormats();

// Numbers the C library reads and writes take "." whatever the user's locale;
// Qt's application object takes the user's locale for every category, so a
// program with windows calls this after creating it.
void UseCNumberFormat();

// A Windows date or time picture ("dd.MM.yyyy", "H:mm:ss", "h:mm:ss tt") as
// the Windows C runtime's strftime pattern ("%d.%m.%Y", "%#H:%M:%S",
// "%#I:%M:%S %p"); text in single quotes is kept as it is.
std::string PictureToStrftime(std::string_view picture);

}  // namespace qm
