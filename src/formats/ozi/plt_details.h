#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace qm {

// The height an OziExplorer track file gives a point whose height is not known.
inline constexpr int32_t kUnknownFeet = -777;

// What an OziExplorer track file holds beyond the measurements: kept by the
// .plt reader for the .plt files written from that track.
struct PltDetails {
    // The first five lines, byte for byte, without their line ends.
    std::array<std::string, 5> Header;
    // The break codes other than 0 and 1, as (the point's time, code), in
    // time order: a point's time is its key in every order of the points.
    std::vector<std::pair<double, int32_t>> BreakCodes;
};

// The header lines of the track files we write from a track of another
// format: WGS 84, heights in feet.
PltDetails UsualPltDetails();

// A height in whole feet as the track files hold it, in metres: the double
// nearest to feet × 0.3048; kUnknownFeet is no height.
std::optional<double> HeightOfFeet(int32_t feet);

// A height in metres in whole feet, halves to the even neighbour, within the
// range of int32_t; no height is kUnknownFeet.
int32_t FeetOfHeight(const std::optional<double>& metres);

}  // namespace qm
