#pragma once

#include <optional>
#include <string_view>

namespace qm {

// The language of what a user reads: the windows, the messages, the map's
// legend and profile. Files other programs read never change with it.
enum class Language { Russian, English };

// "ru" or "en", as the settings file and --lang hold it.
std::string_view LanguageText(Language language);
// The language of such a text; nothing for any other text.
std::optional<Language> ParseLanguage(std::string_view text);

// The decimal separator of the numbers a person reads in the language: a
// comma in Russian, a point in English.
char DecimalSeparator(Language language);

}  // namespace qm
