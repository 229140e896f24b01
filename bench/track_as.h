#pragma once

#include "track/track.h"

#include <string>

namespace qm::bench {

// The track in each format we read, written the way a device or a program
// writes it, with the same positions, heights and times and a new piece
// where the track starts one. GPX comes from the tests' TrackAsGpx.

// A FIT activity: one `record` per point (timestamp, position in
// semicircles, enhanced_altitude) and a timer start event before every piece.
std::string TrackAsFit(const Track& track);

// A TCX activity the way a bike computer exports one: a lap of one track
// per piece, each point with its position, height, heart rate, cadence and
// the activity extension's speed and power.
std::string TrackAsTcx(const Track& track);

// An IGC log: one B record a point, one date record (the days that follow
// come from the times that go back).
std::string TrackAsIgc(const Track& track);

// An NMEA log: RMC and GGA of each point.
std::string TrackAsNmea(const Track& track);

// A KML document the way Google Earth saves a recorded track: a placemark
// of one gx:MultiTrack, a gx:Track of whens and coordinates per piece.
std::string TrackAsKml(const Track& track);

// Writes the KML as doc.kml, compressed, into a KMZ archive at path.
void WriteKmz(const std::string& path, const std::string& kml);

}  // namespace qm::bench
