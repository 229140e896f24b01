#include "platform/locale_formats.h"

#include "platform/windows_text.h"

#include <clocale>
#include <cstdlib>
#include <windows.h>

namespace qm {
namespace {

bool NamesCLocale(const char* name)
{
    const std::string_view locale = name;
    return locale == "C" || locale == "POSIX" || locale.starts_with("C.");
}

std::string UserPicture(LCTYPE type)
{
    wchar_t picture[256];
    const int n = ::GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, type, picture, 256);
    return n > 1 ? WideToUtf8(std::wstring_view(picture, static_cast<size_t>(n - 1))) : std::string();
}

}  // namespace

std::optional<LocaleFormats> UserDateTimeFormats()
{
    // The first of the variables that is set speaks for the time's format, as on POSIX.
    for (const char* variable : {"LC_ALL", "LC_TIME"}) {
        const char* value = std::getenv(variable);
        if (value == nullptr || *value == '\0') continue;
        if (NamesCLocale(value)) return std::nullopt;
        break;
    }
    // Month and day names, where a picture has them, in the user's language.
    std::setlocale(LC_TIME, "");
    const std::string date = UserPicture(LOCALE_SSHORTDATE);
    const std::string time = UserPicture(LOCALE_STIMEFORMAT);
    if (date.empty() || time.empty()) return std::nullopt;
    return LocaleFormats{PictureToStrftime(date), PictureToStrftime(time)};
}

}  // namespace qm
