#pragma once

#include "formats/ozi/plt_details.h"
#include "platform/date_time_text.h"
#include "track/track.h"
#include "visual/visualisation.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace qm {

// The end of a band file's name: "_", the band's upper bound and ".plt".
std::string BandFileSuffix(const SpeedBand& band);

// Header line 5 of a band file: line width, the band's colour and its speed
// range ("5-10 km/h") put into fields 2, 3 and 4 of the track's own line 5.
std::string BandDisplayLine(std::string_view line5, const SpeedBand& band, int32_t trackWidth);

// The point lines of a track file we write, points in time order.
class PointLineWriter {
public:
    // The longest point line.
    static constexpr size_t kMaxLine = 64 + 2 * DateAndTimeWriter::kMaxPartText + 1 + 2;

    // Writes one point line with its line end at out; gives its end.
    char* Write(char* out, const TrackPoint& point, int32_t breakCode);

private:
    DateAndTimeWriter dates_;
};

// Writes one track file per band with a StepCount above 0, in band order,
// band k's into bandFiles[k] (named with BandFileSuffix): the header of
// details, the band's display line, the StepCount, then the points of each
// of the band's runs, the first with break code 1, the others with their own
// (details keeps those other than 0 and 1).
// Each file's path is added to `written` once it is complete; an Error ends
// the writing with the files before it in place.
void WriteBandTracks(const std::vector<std::string>& bandFiles, const Track& track, const PltDetails& details,
                     const Visualisation& visualisation, int32_t trackWidth, std::vector<std::string>& written);

}  // namespace qm
