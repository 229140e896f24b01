#include "formats/ozi/ozi_visualisation.h"

#include "formats/ozi/plt_writer.h"
#include "formats/ozi/wpt_writer.h"

namespace qm {

void WriteOziVisualisation(const std::vector<std::string>& bandFiles, const std::string& stopFile, const Track& track,
                           const PltDetails& details, const Visualisation& visualisation, int32_t trackWidth,
                           std::vector<std::string>& written)
{
    WriteBandTracks(bandFiles, track, details, visualisation, trackWidth, written);
    written.push_back(WriteStopWaypoints(stopFile, track, details, visualisation.Stops));
}

}  // namespace qm
