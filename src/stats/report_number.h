#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace qm {

// The text of a number in the statistics report. The value is rounded half
// away from zero, first to 7 significant digits, then to `decimals` decimals
// (0 to 18; beyond that range the nearest end counts), and written in plain
// digits with `delimiter` as decimal separator and no thousands separator:
// 123.45 with 1 decimal reads 123,5. Rounding starts from the shortest decimal
// text that reads back as the same double, so 0.15 reads 0,2.
//
// Once the rounded value reaches ten million in magnitude it is written in
// exponent form instead: the 7 significant digits without trailing zeros,
// "E" and the decimal exponent, as in 1,234568E7 or -2E10.
//
// A value that rounds to zero carries no minus sign. Infinities and NaN read
// INF, -INF and NAN.
std::string ReportNumber(double value, int32_t decimals, std::string_view delimiter);

}  // namespace qm
