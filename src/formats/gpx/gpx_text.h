#pragma once

#include "track/track.h"

#include <string>
#include <string_view>

namespace qm {

// The start of a GPX 1.1 document we write, with the Topografix gpx_style
// namespace that carries line colours, and its end.
extern const std::string_view kGpxDocumentStart;
inline constexpr std::string_view kGpxDocumentEnd = "</gpx>\r\n";

// A point as a GPX element (<trkpt>, <wpt>) with lat and lon, its height as
// <ele> in metres unless it has none, its <time>, then `children` (further
// elements, escaped already); one line.
std::string GpxPoint(std::string_view element, const TrackPoint& point, std::string_view children = {});

}  // namespace qm
