#include "visual/speed_bands.h"

#include "platform/number_text.h"

namespace qm {

BandBoxes ScaleBandBoxes(const SpdCatSet& scale)
{
    BandBoxes boxes;
    for (int i = 0; i < kBandCount; ++i)
        boxes[i] = BandBox{RoundHalfEven(scale.Categories[i].Upper), scale.Categories[i].Color};
    return boxes;
}

SpeedBands MakeSpeedBands(const BandBoxes& boxes)
{
    SpeedBands bands;
    for (int i = 0; i < kBandCount; ++i) {
        bands[i].Lower = i == 0 ? 0 : boxes[i - 1].Upper;
        bands[i].Upper = boxes[i].Upper;
        bands[i].Color = boxes[i].Color;
    }
    return bands;
}

std::string BandRangeText(const SpeedBand& band, std::string_view unit, std::string_view dash)
{
    return FloatToText(band.Lower) + std::string(dash) + FloatToText(band.Upper) + " " + std::string(unit);
}

int FindBand(const SpeedBands& bands, double speed)
{
    if (speed < bands[0].Lower || speed > bands[kBandCount - 1].Upper) return 0;
    // In order, so that bounds that do not rise (a hand-edited scale) still
    // give the first band that fits; ten bands need no search.
    for (int k = 0; k < kBandCount - 1; ++k)
        if (!(bands[k].Upper < speed)) return k;
    return kBandCount - 1;
}

}  // namespace qm
