#include "visual/stop_file.h"

#include "platform/atomic_file_writer.h"
#include "platform/date_time_text.h"
#include "platform/file_system.h"
#include "platform/number_text.h"
#include "platform/path_text.h"

namespace qm {

std::string StopLine(int n, const TrackStop& stop, const TTrackRecArray& points)
{
    const TrackPoint& first = points[stop.First];
    std::string number = IntToText(n);
    // Symbol 28, shown, name with symbol, black on yellow; the description
    // says which points the stop spans and how long it lasted.
    return number + ",stop " + number + "," + FixedWidthNumber(9, first.Latitude) + "," +
           FixedWidthNumber(9, first.Longitude) + "," + FixedWidthNumber(13, first.DateTime) +
           ",28,1,4,0,65535,points " + IntToText(stop.First) + " - " + IntToText(stop.Last) + " stop time " +
           DurationText(stop.Duration) + ",0,0,0,-777,6,0,25,0,10.0,2,0,0,0";
}

void WriteStopFile(const std::string& outputDir, const std::string& trackPath, const std::string& datumLine,
                   const TTrackRecArray& points, const std::vector<TrackStop>& stops)
{
    AtomicFileWriter file(OutputPath(outputDir, trackPath, kStopFileSuffix));
    std::string text = "OziExplorer Waypoint File Version 1.1";
    text += kLineEnd;
    text += datumLine;
    text += kLineEnd;
    text += "Reserved 2";
    text += kLineEnd;
    text += "garmin";
    text += kLineEnd;
    file.Write(text);
    for (size_t i = 0; i < stops.size(); ++i) {
        file.Write(StopLine(static_cast<int>(i) + 1, stops[i], points));
        file.Write(kLineEnd);
    }
    file.Commit();
}

}  // namespace qm
