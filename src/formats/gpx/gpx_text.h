#pragma once

#include "track/track.h"

#include <string>
#include <string_view>

namespace qm {

// Garmin's namespaces of what a device measures at a point: heart rate,
// cadence and air temperature; power.
inline constexpr std::string_view kGpxTrackPointExtension = "http://www.garmin.com/xmlschemas/TrackPointExtension/v1";
inline constexpr std::string_view kGpxPowerExtension = "http://www.garmin.com/xmlschemas/PowerExtension/v1";

// The start of a GPX 1.1 document we write, with the Topografix gpx_style
// namespace that carries line colours (and, for a track with measures,
// Garmin's namespaces as gpxtpx and pwr), and its end.
std::string GpxDocumentStart(bool measures);
inline constexpr std::string_view kGpxDocumentEnd = "</gpx>\r\n";

// A point as a GPX element (<trkpt>, <wpt>) with lat and lon, its height as
// <ele> in metres unless it has none, its <time>, then `children` (further
// elements, escaped already); one line.
std::string GpxPoint(std::string_view element, const TrackPoint& point, std::string_view children = {});

}  // namespace qm
