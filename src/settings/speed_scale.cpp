#include "settings/speed_scale.h"

#include "platform/number_text.h"
#include "platform/text_fields.h"

#include <algorithm>
#include <cstdint>

namespace qm {
namespace {

// Bounds are stored as integers; an out-of-range bound is held at the 32-bit
// limits so that the text written can always be read back.
std::string BoundText(double bound)
{
    double rounded = std::clamp(RoundHalfEven(bound), static_cast<double>(INT32_MIN), static_cast<double>(INT32_MAX));
    return IntToText(static_cast<int64_t>(rounded));
}

}  // namespace

ScaleBands DefaultBands()
{
    return ScaleBands{{{0, 2, 255},
                       {2, 5, 20735},
                       {5, 10, 45055},
                       {10, 15, 65535},
                       {15, 20, 53456},
                       {20, 25, 45184},
                       {25, 30, 49248},
                       {30, 35, 53312},
                       {35, 40, 57376},
                       {40, 1000, 61456}}};
}

Scales DefaultScales()
{
    Scales scales;
    for (int k = 0; k < kScaleCount; ++k) scales[k] = SpdCatSet{IntToText(k + 1), DefaultBands()};
    return scales;
}

std::string FormatScaleData(const ScaleBands& bands)
{
    std::string text;
    for (const SpeedCategory& band : bands)
        text += BoundText(band.Lower) + ";" + BoundText(band.Upper) + ";" + IntToText(band.Color) + ";";
    return text;
}

void ParseScaleData(std::string_view text, ScaleBands& bands)
{
    for (SpeedCategory& band : bands) {
        band.Lower = TextToInt(TakeField(text, ';'));
        band.Upper = TextToInt(TakeField(text, ';'));
        band.Color = TextToInt(TakeField(text, ';'));
    }
}

SpeedCategory ParseCategoryLine(std::string_view line)
{
    SpeedCategory band;
    band.Lower = TextToFloat(TakeField(line, ','));
    band.Upper = TextToFloat(TakeField(line, ','));
    band.Color = TextToInt(line);
    return band;
}

}  // namespace qm
