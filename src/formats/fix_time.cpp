#include "formats/fix_time.h"

#include "platform/date_time_text.h"

#include <chrono>
#include <charconv>

namespace qm {
namespace {

// The value of exactly two digits at text[at].
std::optional<int> TwoDigits(std::string_view text, size_t at)
{
    const char a = text[at], b = text[at + 1];
    if (a < '0' || a > '9' || b < '0' || b > '9') return std::nullopt;
    return (a - '0') * 10 + (b - '0');
}

}  // namespace

std::optional<int64_t> DdMmYyDay(std::string_view text)
{
    if (text.size() != 6) return std::nullopt;
    const std::optional<int> d = TwoDigits(text, 0), m = TwoDigits(text, 2), y = TwoDigits(text, 4);
    if (!d || !m || !y) return std::nullopt;
    using namespace std::chrono;
    const year_month_day date{year{*y < 80 ? 2000 + *y : 1900 + *y}, month{static_cast<unsigned>(*m)},
                              day{static_cast<unsigned>(*d)}};
    if (!date.ok()) return std::nullopt;
    return sys_days{date}.time_since_epoch().count() + kDaysBefore1970;
}

std::optional<double> HhMmSsSeconds(std::string_view text)
{
    if (text.size() < 6 || (text.size() > 6 && text[6] != '.')) return std::nullopt;
    const std::optional<int> h = TwoDigits(text, 0), m = TwoDigits(text, 2), s = TwoDigits(text, 4);
    if (!h || !m || !s || *h > 23 || *m > 59 || *s > 59) return std::nullopt;
    double fraction = 0;
    if (text.size() > 7) {
        for (char c : text.substr(7))
            if (c < '0' || c > '9') return std::nullopt;
        std::from_chars(text.data() + 6, text.data() + text.size(), fraction);
    }
    return *h * 3600 + *m * 60 + *s + fraction;
}

}  // namespace qm
