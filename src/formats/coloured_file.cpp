#include "formats/coloured_file.h"

namespace qm {
namespace {

// Band k's runs; one band a time, as the files write them.
template <typename Run>
std::vector<std::pair<int32_t, int32_t>> RunsOf(const std::vector<Run>& runs, int32_t band)
{
    std::vector<std::pair<int32_t, int32_t>> of;
    for (const Run& run : runs)
        if (run.Band == band) of.emplace_back(run.First, run.Last);
    return of;
}

std::string BandsTitle(ColourMeasure measure) { return std::string(ColourMeasureTitle(measure)) + " bands"; }

}  // namespace

ColouredFile SpeedBandsFile(const Visualisation& visualisation)
{
    ColouredFile file{BandsTitle(ColourMeasure::Speed), {}};
    for (int k = 0; k < kBandCount; ++k) {
        const SpeedBand& band = visualisation.Bands[k];
        if (band.StepCount > 0)
            file.Bands.push_back({k + 1, BandRangeText(band), band.Color, RunsOf(visualisation.Runs, k)});
    }
    return file;
}

ColouredFile MeasureBandsFile(const MeasureColouring& colouring)
{
    ColouredFile file{BandsTitle(colouring.Measure), {}};
    const auto count = static_cast<int32_t>(colouring.Bands.size());
    for (int32_t k = 0; k < count; ++k) {
        const MeasureBand& band = colouring.Bands[static_cast<size_t>(k)];
        if (band.StepCount > 0) file.Bands.push_back({k + 1, band.Name, band.Color, RunsOf(colouring.Runs, k)});
    }
    if (colouring.NoDataSteps > 0)
        file.Bands.push_back({count + 1, std::string(kNoDataName), kNoDataColor, RunsOf(colouring.Runs, kNoDataBand)});
    return file;
}

}  // namespace qm
