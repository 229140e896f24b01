#include "map/round_steps.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>

namespace qm {

double RoundStep(double spacing, Rounding rounding)
{
    if (!(spacing > 0) || !std::isfinite(spacing)) return 1;
    const double power = std::pow(10, std::floor(std::log10(spacing)));
    if (rounding == Rounding::Down) {
        for (double step : {5, 2, 1})
            if (step * power <= spacing) return step * power;
        return power;
    }
    for (double step : {1, 2, 5, 10})
        if (step * power >= spacing * (1 - 1e-9)) return step * power;
    return 10 * power;
}

std::vector<double> RoundTicks(double low, double high, double step)
{
    std::vector<double> ticks;
    if (!(step > 0) || !(high >= low) || (high - low) / step > 1000) return ticks;
    for (double n = std::ceil(low / step - 1e-9); n * step <= high + step * 1e-9; ++n) ticks.push_back(n * step);
    return ticks;
}

double RoundTimeStep(double spacing)
{
    constexpr std::array<double, 20> kSeconds = {1,    2,    5,    10,   15,    30,    60,    120,   300,   600,
                                                 900,  1800, 3600, 7200, 10800, 21600, 43200, 86400, 172800, 432000};
    const double seconds = spacing * 86400;
    for (double step : kSeconds)
        if (step >= seconds) return step / 86400;
    return RoundStep(spacing);
}

std::string StepText(double value, double step, char separator)
{
    // Past 20 decimals no axis has a use for; a double's largest value is 309 digits long.
    const int decimals = std::clamp(int(std::ceil(-std::log10(step) - 1e-9)), 0, 20);
    char text[400];
    // + 0.0 writes -0 (a first tick at ceil(-0.5)) as "0".
    const auto written = std::to_chars(text, text + sizeof text, value + 0.0, std::chars_format::fixed, decimals);
    std::string shown(text, written.ptr);
    std::replace(shown.begin(), shown.end(), '.', separator);
    return shown;
}

}  // namespace qm
