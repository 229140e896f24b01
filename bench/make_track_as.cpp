#include "track_as.h"

#include "formats/track_reader.h"
#include "platform/atomic_file_writer.h"
#include "support/track_as_gpx.h"

#include <filesystem>
#include <iostream>
#include <map>

// make_track_as TRACK OUT: writes the track read from TRACK to OUT in the
// format its extension names: gpx, tcx, kml, kmz, fit, igc or nmea.
int main(int argc, char** argv)
{
    using namespace qm;
    const std::map<std::string, std::string (*)(const Track&)> kFormats = {
        {".gpx", test::TrackAsGpx}, {".tcx", bench::TrackAsTcx}, {".kml", bench::TrackAsKml},
        {".kmz", bench::TrackAsKml}, {".fit", bench::TrackAsFit}, {".igc", bench::TrackAsIgc},
        {".nmea", bench::TrackAsNmea},
    };
    const auto format = argc == 3 ? kFormats.find(std::filesystem::path(argv[2]).extension()) : kFormats.end();
    if (format == kFormats.end()) {
        std::cerr << "usage: make_track_as TRACK OUT.{gpx,tcx,kml,kmz,fit,igc,nmea}\n";
        return 2;
    }
    const std::string text = format->second(*LoadTrack(argv[1]).Track);
    if (format->first == ".kmz")
        bench::WriteKmz(argv[2], text);
    else
        WriteFileAtomically(argv[2], text);
    return 0;
}
