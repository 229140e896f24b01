#include "platform/date_time_text.h"

#include "platform/locale_formats.h"
#include "platform/number_text.h"

#include <algorithm>
#include <cstring>
#include <cmath>
#include <cstdint>
#include <ctime>

namespace qm {
namespace {

constexpr int64_t kMsPerDay = 86400000;
// Day counts of 0001-01-01 and of the day after 9999-12-31.
constexpr double kFirstDay = -693593;
constexpr double kEndDay = 2958466;

struct Formats {
    bool fixed = true;
    std::string date;  // strftime patterns when not fixed
    std::string time;
};

Formats& CurrentFormats()
{
    static Formats formats;
    return formats;
}

struct Moment {
    int year, month, day, weekday;  // weekday 0 = Sunday
    int64_t msOfDay;
};

char* WriteTwoDigits(char* out, int value)
{
    out[0] = static_cast<char>('0' + value / 10);
    out[1] = static_cast<char>('0' + value % 10);
    return out + 2;
}

std::string TwoDigits(int value)
{
    char text[2];
    WriteTwoDigits(text, value);
    return std::string(text, 2);
}

// The day count of a millisecond count, rounded down.
int64_t DayOf(int64_t ms) { return ms >= 0 ? ms / kMsPerDay : -((-ms + kMsPerDay - 1) / kMsPerDay); }

// Civil date of a day count, proleptic Gregorian calendar.
Moment Split(int64_t ms)
{
    int64_t day = DayOf(ms);
    Moment m{};
    m.msOfDay = ms - day * kMsPerDay;
    m.weekday = static_cast<int>(((day - 1) % 7 + 7) % 7);  // 1899-12-30 was a Saturday

    int64_t z = day - kDaysBefore1970 + 719468;  // days since 0000-03-01
    int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    int64_t doe = z - era * 146097;
    int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    int64_t mp = (5 * doy + 2) / 153;
    m.day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    m.month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    m.year = static_cast<int>(yoe + era * 400 + (m.month <= 2 ? 1 : 0));
    return m;
}

// Nearest millisecond, halves away from zero, as llround does but inline;
// the callers keep days within 1E11.
int64_t ToMs(double days)
{
    double ms = days * static_cast<double>(kMsPerDay);
    int64_t whole = static_cast<int64_t>(ms);  // toward zero
    double fraction = ms - static_cast<double>(whole);
    return whole + (fraction >= 0.5 ? 1 : 0) - (fraction <= -0.5 ? 1 : 0);
}

bool RoughlyInRange(double days) { return days > kFirstDay - 1 && days < kEndDay + 1; }

bool MsInRange(int64_t ms)
{
    return ms >= static_cast<int64_t>(kFirstDay) * kMsPerDay && ms < static_cast<int64_t>(kEndDay) * kMsPerDay;
}

// Judged after the rounding, which can carry the last instant of 9999 into 10000.
bool InRange(double days) { return RoughlyInRange(days) && MsInRange(ToMs(days)); }

std::string Strftime(const std::string& pattern, const Moment& m)
{
    std::tm tm{};
    tm.tm_year = m.year - 1900;
    tm.tm_mon = m.month - 1;
    tm.tm_mday = m.day;
    tm.tm_wday = m.weekday;
    int64_t seconds = m.msOfDay / 1000;
    tm.tm_hour = static_cast<int>(seconds / 3600);
    tm.tm_min = static_cast<int>(seconds / 60 % 60);
    tm.tm_sec = static_cast<int>(seconds % 60);
    char buffer[DateAndTimeWriter::kMaxPartText + 1];
    size_t n = std::strftime(buffer, sizeof buffer, pattern.c_str(), &tm);
    return std::string(buffer, n);
}

// The fixed formats need at most this many characters.
constexpr size_t kFixedTextSize = 16;

// dd.MM.yyyy
char* WriteFixedDate(char* out, const Moment& m)
{
    out = WriteTwoDigits(out, m.day);
    *out++ = '.';
    out = WriteTwoDigits(out, m.month);
    *out++ = '.';
    out = WriteTwoDigits(out, m.year / 100);
    return WriteTwoDigits(out, m.year % 100);
}

// H:mm:ss
char* WriteFixedTime(char* out, const Moment& m)
{
    int seconds = static_cast<int>(m.msOfDay / 1000);
    int hours = seconds / 3600;
    if (hours >= 10) *out++ = static_cast<char>('0' + hours / 10);
    *out++ = static_cast<char>('0' + hours % 10);
    *out++ = ':';
    out = WriteTwoDigits(out, seconds / 60 % 60);
    *out++ = ':';
    return WriteTwoDigits(out, seconds % 60);
}

std::string FormatDate(const Moment& m)
{
    const Formats& f = CurrentFormats();
    if (!f.fixed) return Strftime(f.date, m);
    char text[kFixedTextSize];
    return std::string(text, WriteFixedDate(text, m));
}

std::string FormatTime(const Moment& m)
{
    const Formats& f = CurrentFormats();
    if (!f.fixed) return Strftime(f.time, m);
    char text[kFixedTextSize];
    return std::string(text, WriteFixedTime(text, m));
}

}  // namespace

void UseLocaleDateTimeFormats()
{
    const std::optional<LocaleFormats> locale = UserDateTimeFormats();
    Formats& f = CurrentFormats();
    f = Formats{};
    if (!locale) return;
    f.fixed = false;
    f.date = locale->Date;
    f.time = locale->Time;
}

void UseFixedDateTimeFormats() { CurrentFormats() = Formats{}; }

std::string DateText(double days)
{
    if (!InRange(days)) return "";
    return FormatDate(Split(ToMs(days)));
}

char* DateAndTimeWriter::Write(char* out, double days, char separator)
{
    const int64_t ms = RoughlyInRange(days) ? ToMs(days) : INT64_MIN;
    if (!MsInRange(ms)) {
        *out++ = separator;
        return out;
    }
    if (!CurrentFormats().fixed) {
        const Moment m = Split(ms);
        const std::string date = FormatDate(m);
        const std::string time = FormatTime(m);
        out = std::copy(date.begin(), date.end(), out);
        *out++ = separator;
        return std::copy(time.begin(), time.end(), out);
    }
    const int64_t day = DayOf(ms);
    if (day != day_) {
        day_ = day;
        WriteFixedDate(date_, Split(ms));
    }
    Moment time{};
    time.msOfDay = ms - day * kMsPerDay;
    std::memcpy(out, date_, sizeof date_);
    out += sizeof date_;
    *out++ = separator;
    return WriteFixedTime(out, time);
}

std::string DateTimeText(double days)
{
    if (!InRange(days)) return "";
    Moment m = Split(ToMs(days));
    if (m.msOfDay == 0) return FormatDate(m);
    return FormatDate(m) + " " + FormatTime(m);
}

std::string DurationText(double days)
{
    if (!std::isfinite(days) || std::fabs(days) > 1e11) return "";
    int64_t ms = ToMs(days);
    std::string sign = ms < 0 ? "-" : "";
    int64_t seconds = (ms < 0 ? -ms : ms) / 1000;
    return sign + IntToText(seconds / 3600) + ":" + TwoDigits(static_cast<int>(seconds / 60 % 60)) + ":" +
           TwoDigits(static_cast<int>(seconds % 60));
}

}  // namespace qm
