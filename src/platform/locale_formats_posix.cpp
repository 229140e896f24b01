#include "platform/locale_formats.h"

#include <clocale>
#include <langinfo.h>

namespace qm {

std::optional<LocaleFormats> UserDateTimeFormats()
{
    const char* name = std::setlocale(LC_TIME, "");
    const std::string locale = name ? name : "C";
    if (locale == "C" || locale == "POSIX" || locale.starts_with("C.")) return std::nullopt;
    return LocaleFormats{nl_langinfo(D_FMT), nl_langinfo(T_FMT)};
}

}  // namespace qm
