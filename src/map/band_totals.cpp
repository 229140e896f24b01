#include "map/band_totals.h"

namespace qm {

BandTotals SumBands(const std::vector<SpeedRun>& runs)
{
    BandTotals totals{};
    for (const SpeedRun& run : runs) {
        totals[run.Band].Distance += run.Distance;
        totals[run.Band].Duration += run.Duration;
    }
    return totals;
}

}  // namespace qm
