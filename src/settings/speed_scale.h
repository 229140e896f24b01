#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace qm {

// One band of a speed scale, km/h; colour laid out 0x00BBGGRR.
struct SpeedCategory {
    double Lower = 0;
    double Upper = 0;
    int32_t Color = 0;
};

constexpr int kBandCount = 10;
using ScaleBands = std::array<SpeedCategory, kBandCount>;

// A named scale of ten bands, slowest first.
struct SpdCatSet {
    std::string Name;
    ScaleBands Categories;
};

constexpr int kScaleCount = 3;
using Scales = std::array<SpdCatSet, kScaleCount>;

ScaleBands DefaultBands();
// Three scales, each the default bands, named 1, 2 and 3.
Scales DefaultScales();

// The SCALEDATA text: for each band lower bound, upper bound and colour as
// integers, each followed by ";". Bounds are rounded halves to even.
std::string FormatScaleData(const ScaleBands& bands);
// Reads a SCALEDATA text into bands. A field that is not an integer, or a
// missing ";", throws Error; bands read before it keep their new values.
void ParseScaleData(std::string_view text, ScaleBands& bands);
// Reads an old-format band line "lower,upper,colour" (bounds may be reals).
SpeedCategory ParseCategoryLine(std::string_view line);

}  // namespace qm
