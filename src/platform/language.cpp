#include "platform/language.h"

namespace qm {

std::string_view LanguageText(Language language) { return language == Language::English ? "en" : "ru"; }

std::optional<Language> ParseLanguage(std::string_view text)
{
    if (text == "ru") return Language::Russian;
    if (text == "en") return Language::English;
    return std::nullopt;
}

char DecimalSeparator(Language language) { return language == Language::Russian ? ',' : '.'; }

}  // namespace qm
