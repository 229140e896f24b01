#include "support/gpsbabel_reading.h"

#include "formats/track_reader.h"
#include "support/test_support.h"

#include <cmath>
#include <cstdlib>

namespace qm::test {

std::optional<Track> GpsBabelTrack(const std::string& format, const std::string& path, const std::string& filter)
{
    TempDir scratch;
    const std::string gpx = scratch.File("gpsbabel.gpx");
    const std::string command = "gpsbabel -t -i " + format + " -f '" + path + "'" +
                                (filter.empty() ? "" : " -x " + filter) + " -o gpx -F '" + gpx + "' 2>'" +
                                scratch.File("errors") + "'";
    if (std::system(command.c_str()) != 0) return std::nullopt;
    return LoadTrack(gpx).Track;
}

std::string ReadingDifference(const Track& ours, const Track& theirs, ReadingTolerance tolerance)
{
    if (ours.Points.size() != theirs.Points.size())
        return "points: ours " + std::to_string(ours.Points.size()) + ", GPSBabel " +
               std::to_string(theirs.Points.size());
    for (size_t i = 0; i < ours.Points.size(); ++i) {
        const TrackPoint& a = ours.Points[i];
        const TrackPoint& b = theirs.Points[i];
        const std::string at = "point #" + std::to_string(i + 1) + ": ";
        if (std::fabs(a.Latitude - b.Latitude) > tolerance.Degrees ||
            std::fabs(a.Longitude - b.Longitude) > tolerance.Degrees)
            return at + "position differs";
        if (std::fabs(a.DateTime - b.DateTime) * 86400 > tolerance.Seconds) return at + "time differs";
        if (a.Height.has_value() != b.Height.has_value() ||
            (a.Height && std::fabs(*a.Height - *b.Height) > tolerance.Metres))
            return at + "height differs";
    }
    return "";
}

}  // namespace qm::test
