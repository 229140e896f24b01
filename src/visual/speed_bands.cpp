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

std::string BandRangeText(const SpeedBand& band)
{
    return FloatToText(band.Lower) + "-" + FloatToText(band.Upper) + " km/h";
}

int FindBand(const SpeedBands& bands, double speed)
{
    // Binary search over bands 0 to 8; the upper bounds ascend.
    int lo = 0;
    int n = kBandCount - 1;
    while (n > 0) {
        int half = n / 2;
        int mid = lo + half;
        if (bands[mid].Upper < speed) {
            lo = mid + 1;
            n -= half + 1;
        } else {
            n = half;
        }
    }
    if (speed < bands[0].Lower || speed > bands[kBandCount - 1].Upper) return 0;
    return lo;
}

}  // namespace qm
