#pragma once

#include "formats/track_reader.h"
#include "platform/byte_source.h"

#include <string>

namespace qm {

// The root element of a KML document.
inline constexpr std::string_view kKmlRoot = "kml";

// Reads the track of a KML 2.2 document (also Google's earlier namespaces and
// KML 2.3's <Track> without the gx prefix). Each <gx:Track>, alone or within
// a <gx:MultiTrack>, is a piece whose points pair its <when> and <gx:coord>
// elements in order; the pieces in the order of their first point's time.
// The track's arrays of heart rate, cadence, power and temperature
// (<gx:SimpleArrayData>, by Google Earth's and OpenTracks' names) go into the
// measure columns.
// Without any track, the <Placemark>s of a <TimeStamp> and a <Point> are the
// points of one piece, taken in time order. <LineString>s hold no times: a
// document of nothing else is refused as one without a time. Left out, each
// kind counted in one message: points without a position (an empty
// <gx:coord>) or a time (an empty <when>, or only a date), out of range, or
// not later than the last point kept, as for GPX. A document that is not
// well-formed, not KML or holds no track is refused with a message placed
// at its line of the file at path.
TrackReading ReadKmlTrack(ByteSource& bytes, const std::string& path);

}  // namespace qm
