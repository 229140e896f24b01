#include "formats/ozi/plt_details.h"

#include "platform/number_text.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace qm {

PltDetails UsualPltDetails()
{
    return {{"OziExplorer Track Point File Version 2.1", "WGS 84", "Altitude is in Feet", "Reserved 3",
             "0,2,255,,0,0,2,8421376"},
            {}};
}

std::optional<double> HeightOfFeet(int32_t feet)
{
    if (feet == kUnknownFeet) return std::nullopt;
    // feet × 3048 is exact; the one division rounds it to the nearest double.
    return static_cast<double>(feet) * 3048 / 10000;
}

int32_t FeetOfHeight(const std::optional<double>& metres)
{
    if (!metres) return kUnknownFeet;
    double feet = *metres / 0.3048;
    // A height of a whole foot and a half (1.0668 m) comes out of the division
    // a unit of the last place off the half, and is taken as the half it is.
    const double half = std::floor(feet) + 0.5;
    if (std::fabs(feet - half) <= 4 * std::numeric_limits<double>::epsilon() * std::fabs(feet)) feet = half;
    return static_cast<int32_t>(std::clamp(RoundHalfEven(feet), double{INT32_MIN}, double{INT32_MAX}));
}

}  // namespace qm
