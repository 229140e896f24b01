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

// The day count of a date of the calendar; nothing when there is no such day.
std::optional<int64_t> DayOf(int y, int m, int d)
{
    using namespace std::chrono;
    const year_month_day date{year{y}, month{static_cast<unsigned>(m)}, day{static_cast<unsigned>(d)}};
    if (!date.ok()) return std::nullopt;
    return sys_days{date}.time_since_epoch().count() + kDaysBefore1970;
}

}  // namespace

std::optional<int64_t> DdMmYyDay(std::string_view text)
{
    if (text.size() != 6) return std::nullopt;
    const std::optional<int> d = TwoDigits(text, 0), m = TwoDigits(text, 2), y = TwoDigits(text, 4);
    if (!d || !m || !y) return std::nullopt;
    return DayOf(*y < 80 ? 2000 + *y : 1900 + *y, *m, *d);
}

std::optional<int64_t> ZdaDay(std::string_view day, std::string_view month, std::string_view year)
{
    if (day.size() != 2 || month.size() != 2 || year.size() != 4) return std::nullopt;
    const std::optional<int> d = TwoDigits(day, 0), m = TwoDigits(month, 0);
    const std::optional<int> century = TwoDigits(year, 0), y = TwoDigits(year, 2);
    if (!d || !m || !century || !y) return std::nullopt;
    return DayOf(*century * 100 + *y, *m, *d);
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
