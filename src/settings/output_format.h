#pragma once

#include <optional>
#include <string_view>

namespace qm {

// The file format the visualisation writes: OziExplorer track and waypoint
// files, or one GPX or KML file.
enum class OutputFormat { Plt, Gpx, Kml };

// "PLT", "GPX" or "KML", as the settings file holds it.
std::string_view OutputFormatText(OutputFormat format);
// The format of such a text in any letter case; nothing for any other text.
std::optional<OutputFormat> ParseOutputFormat(std::string_view text);

}  // namespace qm
