#pragma once

#include "settings/colour_measure.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace qm {

// A scale to colour runs by a measure other than speed. Its n bands are
// split by n - 1 rising Bounds: band k holds the values above Bounds[k - 1]
// up to Bounds[k], band 0 every value up to Bounds[0], the last band every
// value above the last bound. Without Bounds the bands are even round steps
// over the values of each track (see ColourTrack). Colors (0x00BBGGRR) run
// from the lowest band to the highest and spread over the bands whatever
// their number (BandColor).
//
// In the settings the heart rate's Bounds are percentages of MAXHR and the
// power's of FTP; MeasureColourScale turns them into beats/min and watts.
struct ColourScale {
    std::vector<double> Bounds;
    std::vector<int32_t> Colors;
};

// One scale for each ColourMeasure but speed, in their order.
using ColourScales = std::array<ColourScale, kColourMeasureCount - 1>;

// What a scale may hold: bounds within ±kMostBoundSize, at most
// kMostColourBands bands and as many colours.
inline constexpr int kMostColourBands = 32;
inline constexpr double kMostBoundSize = 1e6;

// Low to high: blue, sky blue, green, yellow-green, amber, orange, red.
std::vector<int32_t> ColourPalette();

// The defaults, each with the palette's colours: height from each track;
// grade -10, -5, -2, 2, 5 and 10 %; heart rate 60, 70, 80 and 90 % of MAXHR
// (five zones, the last 90 % and over); cadence 20 to 120 by 20; power 55,
// 75, 90, 105, 120 and 150 % of FTP; temperature -10 to 30 °C by 10.
ColourScales DefaultColourScales();

// The scale of a measure other than speed.
ColourScale& ScaleOf(ColourScales& scales, ColourMeasure measure);
const ColourScale& ScaleOf(const ColourScales& scales, ColourMeasure measure);

// The colour of band k of n: Colors[n = 1 ? 0 : round((m - 1) k / (n - 1))]
// of m colours, halves to the even neighbour; with m = n, Colors[k]. No
// colours are the palette's.
int32_t BandColor(const std::vector<int32_t>& colors, int band, int bandCount);

// The settings file's BOUNDS and COLORS: each value followed by ";" (the
// last ";" may be missing when read). A value that does not convert throws
// Error with the conversion's message; bounds that do not rise, that lie
// beyond ±kMostBoundSize or that make more than kMostColourBands bands, and
// colours outside 0 to 0xFFFFFF or more than kMostColourBands of them, or
// none, throw Error saying what they must be.
std::string FormatBounds(const std::vector<double>& bounds);
std::vector<double> ParseBounds(std::string_view text);
std::string FormatColors(const std::vector<int32_t>& colors);
std::vector<int32_t> ParseColors(std::string_view text);

}  // namespace qm
