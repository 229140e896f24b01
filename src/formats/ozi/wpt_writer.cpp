#include "formats/ozi/wpt_writer.h"

#include "formats/ozi/ozi_text.h"
#include "platform/atomic_file_writer.h"
#include "platform/file_system.h"
#include "platform/number_text.h"
#include "platform/path_text.h"

#include <array>
#include <string_view>

namespace qm {
namespace {

// How a stop shows in OziExplorer: fields 6 to 10 of its waypoint line.
constexpr std::array<std::string_view, 5> kStopLook = {
    "28",     // symbol
    "1",      // status: shown
    "4",      // map display format: name with symbol
    "0",      // foreground colour: black
    "65535",  // background colour: yellow
};

// Fields 12 to 24, after the description.
constexpr std::array<std::string_view, 13> kStopOptions = {
    "0",     // pointer direction
    "0",     // Garmin display format
    "0",     // proximity distance
    "-777",  // altitude: none
    "6",     // font size
    "0",     // font style
    "25",    // symbol size
    "0",     // proximity symbol position
    "10.0",  // proximity time
    "2",     // proximity or route
    "0",     // file attachment name
    "0",     // proximity file attachment name
    "0",     // proximity symbol name
};

template <size_t N>
void AppendFields(std::string& line, const std::array<std::string_view, N>& fields)
{
    for (std::string_view field : fields) {
        line += ',';
        line += field;
    }
}

}  // namespace

std::string StopLine(int n, const TrackStop& stop, const TrackPoints& points)
{
    const TrackPoint& first = points[stop.First];
    std::string line = IntToText(n) + "," + StopName(n) + "," + FixedWidthNumber(9, first.Latitude) + "," +
                       FixedWidthNumber(9, first.Longitude) + "," + FixedWidthNumber(13, first.DateTime);
    AppendFields(line, kStopLook);
    line += "," + StopDescription(stop);
    AppendFields(line, kStopOptions);
    return line;
}

std::string WriteStopWaypoints(const std::string& path, const Track& track, const PltDetails& details,
                               const std::vector<TrackStop>& stops)
{
    std::vector<std::string> lines = {"OziExplorer Waypoint File Version 1.1", HeaderLineText(details.Header[1]),
                                      "Reserved 2",
                                      "garmin"};
    for (size_t i = 0; i < stops.size(); ++i)
        lines.push_back(StopLine(static_cast<int>(i) + 1, stops[i], track.Points));
    AtomicFileWriter file(path);
    file.Write(JoinLines(lines));
    file.Commit();
    return file.Path();
}

}  // namespace qm
