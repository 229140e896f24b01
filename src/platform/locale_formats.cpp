#include "platform/locale_formats.h"

#include <algorithm>
#include <array>
#include <clocale>

namespace qm {

void UseCNumberFormat() { std::setlocale(LC_NUMERIC, "C"); }

std::string PictureToStrftime(std::string_view picture)
{
    struct Field {
        char letter;
        size_t count;  // this many letters or more
        std::string_view pattern;
    };
    // Longest first; "#" drops the leading zero; "g" (the era) is left out.
    static constexpr std::array<Field, 22> kFields = {{
        {'d', 4, "%A"}, {'d', 3, "%a"}, {'d', 2, "%d"}, {'d', 1, "%#d"}, {'M', 4, "%B"}, {'M', 3, "%b"},
        {'M', 2, "%m"}, {'M', 1, "%#m"}, {'y', 3, "%Y"}, {'y', 2, "%y"}, {'y', 1, "%#y"}, {'H', 2, "%H"},
        {'H', 1, "%#H"}, {'h', 2, "%I"}, {'h', 1, "%#I"}, {'m', 2, "%M"}, {'m', 1, "%#M"}, {'s', 2, "%S"},
        {'s', 1, "%#S"}, {'t', 1, "%p"}, {'g', 1, ""}, {'%', 1, "%%"},
    }};
    std::string pattern;
    for (size_t at = 0; at < picture.size();) {
        const char c = picture[at];
        if (c == '\'') {
            const size_t end = std::min(picture.find('\'', at + 1), picture.size());
            for (char quoted : picture.substr(at + 1, end - at - 1)) pattern += quoted == '%' ? "%%" : std::string(1, quoted);
            at = end + 1;
            continue;
        }
        size_t run = 1;
        while (at + run < picture.size() && picture[at + run] == c) ++run;
        const auto field = std::find_if(kFields.begin(), kFields.end(),
                                        [&](const Field& f) { return f.letter == c && run >= f.count; });
        if (field == kFields.end()) {
            pattern.append(run, c);
        } else {
            // "%%" stands for one "%": a run of them is each its own field.
            if (c == '%') run = 1;
            pattern += field->pattern;
        }
        at += run;
    }
    return pattern;
}

}  // namespace qm
