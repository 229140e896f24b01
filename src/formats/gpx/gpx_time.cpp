#include "formats/gpx/gpx_time.h"

#include "formats/xml/xml_text.h"
#include "platform/date_time_text.h"
#include "track/track.h"

#include <charconv>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdint>

namespace qm {
namespace {

using namespace std::chrono;

// 1899-12-30 is day 0 of the track model, 1970-01-01 that of sys_days.
constexpr int64_t kNanosecondsPerDay = int64_t{86400} * 1000000000;

// Reads exactly `width` digits at text's start and drops them.
bool TakeDigits(std::string_view& text, size_t width, int& value)
{
    if (text.size() < width) return false;
    value = 0;
    for (size_t i = 0; i < width; ++i) {
        if (text[i] < '0' || text[i] > '9') return false;
        value = value * 10 + (text[i] - '0');
    }
    text.remove_prefix(width);
    return true;
}

bool TakeChar(std::string_view& text, char c)
{
    if (text.empty() || text[0] != c) return false;
    text.remove_prefix(1);
    return true;
}

// "Z", "+hh:mm", "-hh:mm" or nothing, as seconds east of UTC.
std::optional<int> ZoneOffset(std::string_view zone)
{
    if (zone.empty() || zone == "Z") return 0;
    int sign = zone[0] == '+' ? 1 : zone[0] == '-' ? -1 : 0;
    if (sign == 0) return std::nullopt;
    zone.remove_prefix(1);
    int hours = 0, minutes = 0;
    if (!TakeDigits(zone, 2, hours) || !TakeChar(zone, ':') || !TakeDigits(zone, 2, minutes) || !zone.empty() ||
        hours > 14 || minutes > 59)
        return std::nullopt;
    return sign * (hours * 3600 + minutes * 60);
}

// Days from a day count and the seconds of the day (which may reach into
// the days around it), as read from a text and as checked when written.
double DaysOf(int64_t dayCount, double seconds) { return static_cast<double>(dayCount) + seconds / 86400; }

// A time of day to a number of decimals of the second.
struct Moment {
    int64_t dayCount = 0;
    int64_t second = 0;    // of the day
    int64_t fraction = 0;  // of the second, in units of 10^-decimals
    int decimals = 0;

    double Days() const
    {
        return DaysOf(dayCount, static_cast<double>(second) +
                                    static_cast<double>(fraction) / static_cast<double>(PowerOfTen(decimals)));
    }
    static int64_t PowerOfTen(int n) { return n == 0 ? 1 : 10 * PowerOfTen(n - 1); }
};

Moment Rounded(int64_t dayCount, int64_t ns, int decimals)
{
    const int64_t unit = Moment::PowerOfTen(9 - decimals);
    ns = (ns + unit / 2) / unit * unit;
    if (ns >= kNanosecondsPerDay) {
        ++dayCount;
        ns -= kNanosecondsPerDay;
    }
    return {dayCount, ns / 1000000000, ns % 1000000000 / unit, decimals};
}

}  // namespace

std::optional<double> ParseGpxTime(std::string_view text)
{
    text = XmlTrimmed(text);

    int y = 0, mo = 0, d = 0, h = 0, mi = 0, s = 0;
    if (!TakeDigits(text, 4, y) || !TakeChar(text, '-') || !TakeDigits(text, 2, mo) || !TakeChar(text, '-') ||
        !TakeDigits(text, 2, d) || !TakeChar(text, 'T') || !TakeDigits(text, 2, h) || !TakeChar(text, ':') ||
        !TakeDigits(text, 2, mi) || !TakeChar(text, ':') || !TakeDigits(text, 2, s))
        return std::nullopt;
    double fraction = 0;
    if (!text.empty() && text[0] == '.') {
        size_t digits = 1;
        while (digits < text.size() && text[digits] >= '0' && text[digits] <= '9') ++digits;
        if (digits == 1) return std::nullopt;
        std::from_chars(text.data(), text.data() + digits, fraction);
        text.remove_prefix(digits);
    }
    std::optional<int> offset = ZoneOffset(text);
    const year_month_day date{year{y}, month{static_cast<unsigned>(mo)}, day{static_cast<unsigned>(d)}};
    if (!offset || !date.ok() || h > 23 || mi > 59 || s > 60) return std::nullopt;

    const int64_t dayCount = sys_days{date}.time_since_epoch().count() + kDaysBefore1970;
    // A leap second is the last instant of its minute, before the next second.
    if (s == 60) return std::nextafter(DaysOf(dayCount, h * 3600 + mi * 60 + 60 - *offset), -HUGE_VAL);
    return DaysOf(dayCount, static_cast<double>(h * 3600 + mi * 60 + s - *offset) + fraction);
}

std::optional<std::string> GpxTimeText(double days)
{
    if (!IsTrackTime(days)) return std::nullopt;
    const int64_t dayCount = static_cast<int64_t>(std::floor(days));
    const int64_t ns = std::llround((days - static_cast<double>(dayCount)) * static_cast<double>(kNanosecondsPerDay));
    // The fewest decimals of the second that read back as the same value.
    Moment moment{};
    for (int decimals = 0; decimals <= 9; ++decimals) {
        moment = Rounded(dayCount, ns, decimals);
        if (moment.Days() == days) break;
    }
    const year_month_day date{sys_days{sys_days::duration{moment.dayCount - kDaysBefore1970}}};
    char text[40];
    int length = std::snprintf(text, sizeof text, "%04d-%02u-%02uT%02d:%02d:%02d", static_cast<int>(date.year()),
                               static_cast<unsigned>(date.month()), static_cast<unsigned>(date.day()),
                               static_cast<int>(moment.second / 3600), static_cast<int>(moment.second / 60 % 60),
                               static_cast<int>(moment.second % 60));
    if (moment.decimals > 0)
        length += std::snprintf(text + length, sizeof text - static_cast<size_t>(length), ".%0*lld", moment.decimals,
                                static_cast<long long>(moment.fraction));
    text[length++] = 'Z';
    return std::string(text, static_cast<size_t>(length));
}

}  // namespace qm
