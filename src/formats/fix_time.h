#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace qm {

// A date as satellite loggers write it, "ddmmyy", as a day count since
// 1899-12-30; years 80 to 99 are 1980 to 1999 (no logger is older), the
// others 2000 to 2079. Nothing when the text is no such date.
std::optional<int64_t> DdMmYyDay(std::string_view text);

// A date as NMEA's ZDA sentence writes it, in three fields "dd", "mm" and
// "yyyy", as a day count since 1899-12-30. Nothing when they are no such date.
std::optional<int64_t> ZdaDay(std::string_view day, std::string_view month, std::string_view year);

// A UTC time of day "hhmmss", optionally followed by "." and the digits of
// a fraction of the second (none too), as seconds since midnight. Nothing
// when the text is no such time.
std::optional<double> HhMmSsSeconds(std::string_view text);

// The day count of a second of a day.
inline double FixDays(int64_t day, double seconds) { return static_cast<double>(day) + seconds / 86400; }

}  // namespace qm
