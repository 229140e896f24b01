#include "stats/report_number.h"

#include "platform/number_text.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace qm {
namespace {

constexpr size_t kSignificantDigits = 7;
constexpr int32_t kMaxDecimals = 18;

// A positive decimal: digits[0] stands at 10^exponent, the others follow.
struct Decimal {
    std::string digits;
    int exponent = 0;
};

Decimal ShortestDecimal(double magnitude)
{
    char buffer[64];
    auto result = std::to_chars(buffer, buffer + sizeof buffer, magnitude, std::chars_format::scientific);
    std::string_view text(buffer, static_cast<size_t>(result.ptr - buffer));
    size_t e = text.find('e');
    Decimal d;
    for (char c : text.substr(0, e))
        if (c != '.') d.digits += c;
    std::string_view exponent = text.substr(e + 1);
    if (exponent.front() == '+') exponent.remove_prefix(1);
    std::from_chars(exponent.data(), exponent.data() + exponent.size(), d.exponent);
    return d;
}

// Adds one in the last place; a carry out of the first digit prepends a 1.
// True when that happened.
bool Increment(std::string& digits)
{
    for (size_t i = digits.size(); i-- > 0;) {
        if (digits[i] != '9') {
            ++digits[i];
            return false;
        }
        digits[i] = '0';
    }
    digits.insert(digits.begin(), '1');
    return true;
}

// Keeps the first `count` digits, rounding half away from zero. True when
// the rounding carried into a new first digit (99,96 to 100,0).
bool RoundDigits(std::string& digits, size_t count)
{
    if (digits.size() <= count) return false;
    bool up = digits[count] >= '5';
    digits.resize(count);
    return up && Increment(digits);
}

std::string ExponentText(Decimal d, std::string_view delimiter)
{
    while (d.digits.size() > 1 && d.digits.back() == '0') d.digits.pop_back();
    std::string text = d.digits.substr(0, 1);
    if (d.digits.size() > 1) text.append(delimiter).append(d.digits, 1);
    return text + "E" + IntToText(d.exponent);
}

}  // namespace

std::string ReportNumber(double value, int32_t decimals, std::string_view delimiter)
{
    if (std::isnan(value)) return "NAN";
    if (std::isinf(value)) return value < 0 ? "-INF" : "INF";
    size_t places = static_cast<size_t>(std::clamp(decimals, int32_t{0}, kMaxDecimals));

    Decimal d = value == 0 ? Decimal{"0", 0} : ShortestDecimal(std::fabs(value));
    if (RoundDigits(d.digits, kSignificantDigits)) {
        d.digits.pop_back();
        ++d.exponent;
    }
    std::string sign = value < 0 ? "-" : "";
    if (d.exponent >= static_cast<int>(kSignificantDigits)) return sign + ExponentText(d, delimiter);

    // All digits down to the last kept decimal and the one below it.
    std::string digits;
    size_t integerDigits = d.exponent >= 0 ? static_cast<size_t>(d.exponent) + 1 : 1;
    if (d.exponent < 0) digits.assign(static_cast<size_t>(-d.exponent), '0');
    digits += d.digits;
    size_t wanted = integerDigits + places;
    if (digits.size() < wanted) digits.append(wanted - digits.size(), '0');
    if (RoundDigits(digits, wanted)) ++integerDigits;

    if (digits.find_first_not_of('0') == std::string::npos) sign.clear();
    std::string text = sign + digits.substr(0, integerDigits);
    if (places > 0) text.append(delimiter).append(digits, integerDigits);
    return text;
}

}  // namespace qm
