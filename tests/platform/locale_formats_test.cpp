#include "platform/locale_formats.h"

#include <gtest/gtest.h>

namespace qm {
namespace {

// The regional settings' pictures of real locales and the pattern each gives.
TEST(LocaleFormats, WindowsPicturesBecomeStrftimePatterns)
{
    const char* cases[][2] = {
        {"dd.MM.yyyy", "%d.%m.%Y"},          // ru-RU short date
        {"H:mm:ss", "%#H:%M:%S"},            // ru-RU time: the hour unpadded
        {"M/d/yyyy", "%#m/%#d/%Y"},          // en-US short date
        {"h:mm:ss tt", "%#I:%M:%S %p"},      // en-US time
        {"yyyy-MM-dd", "%Y-%m-%d"},          // ISO
        {"HH.mm.ss", "%H.%M.%S"},            // fi-FI
        {"d MMM yy", "%#d %b %y"},           // month names and a short year
        {"dddd, d MMMM yyyy", "%A, %#d %B %Y"},
        {"yyyy'г.' d", "%Yг. %#d"},          // quoted text kept as it is
        {"'100%' H", "100%% %#H"},           // a percent sign is no field
        {"gg yyyy", " %Y"},                  // the era is left out
        {"d'", "%#d"},                       // an unclosed quote ends the picture
        {"", ""},
    };
    for (const auto& c : cases) EXPECT_EQ(PictureToStrftime(c[0]), c[1]) << c[0];
}

}  // namespace
}  // namespace qm
