#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace qm {

// Days from 1899-12-30, where day counts start, to 1970-01-01, where Unix time starts.
constexpr int64_t kDaysBefore1970 = 25569;

// Texts of a day count: days since 1899-12-30 00:00, the fraction being the
// time of day. The value is first rounded to the nearest millisecond, then
// split into date and time of day; seconds are whole seconds of that.
//
// The formats are fixed ("dd.MM.yyyy" and "H:mm:ss": 14.07.2007, 6:35:10)
// until UseLocaleDateTimeFormats takes the user's LC_TIME formats. A value
// outside the years 1 to 9999 gives empty texts.

// Takes the date and time formats of the environment's LC_TIME locale; in the
// C or POSIX locale the fixed formats stay.
void UseLocaleDateTimeFormats();
// Back to the fixed formats.
void UseFixedDateTimeFormats();

std::string DateText(double days);
// Date, a blank and the time; the time is left out at exactly midnight.
std::string DateTimeText(double days);

// Writes the date, a separator and the time of a value, split into date and
// time only once. Values come in time order, many a day: the date text of the
// last day is kept.
class DateAndTimeWriter {
public:
    // The longest date or time text.
    static constexpr size_t kMaxPartText = 255;

    // Writes at out, at most 2 * kMaxPartText + 1 bytes; gives the end.
    char* Write(char* out, double days, char separator);

private:
    int64_t day_ = INT64_MIN;
    char date_[10];  // dd.MM.yyyy
};

// A length of time, not a clock time: total hours, unpadded, then ":mm:ss"
// (26 hours 5 minutes read 26:05:00).
std::string DurationText(double days);

}  // namespace qm
