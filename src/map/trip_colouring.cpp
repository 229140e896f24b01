#include "map/trip_colouring.h"

#include "map/profile.h"
#include "platform/number_text.h"
#include "visual/measure_colouring.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace qm {

std::vector<ColourMeasure> ColourMeasuresOf(const Track& track)
{
    std::vector<ColourMeasure> measures{ColourMeasure::Speed};
    const TrackPoints& points = track.Points;
    if (std::any_of(points.begin(), points.end(), [](const TrackPoint& p) { return p.Height.has_value(); }))
        measures.insert(measures.end(), {ColourMeasure::Height, ColourMeasure::Grade});
    for (Measure measure : MeasuresOf(track))
        for (size_t m = 0; m < kColourMeasureCount; ++m)
            if (DeviceMeasure(ColourMeasure(m)) == measure) measures.push_back(ColourMeasure(m));
    return measures;
}

TripColouring ColourTrip(const Track& track, const Visualisation& visualisation, const ScaleCoefficients& scale,
                         const std::vector<TrackPart>& parts, ColourMeasure measure, const Settings& settings)
{
    constexpr double kInfinity = std::numeric_limits<double>::infinity();
    TripColouring colouring;
    colouring.Measure = measure;
    if (measure == ColourMeasure::Speed) {
        for (int b = 0; b < kBandCount; ++b) {
            const SpeedBand& band = visualisation.Bands[b];
            colouring.Bands.push_back(
                {band.Lower, b + 1 == kBandCount ? kInfinity : band.Upper, band.Color, false, band.StepCount, {}});
        }
        colouring.Runs = visualisation.Runs;
    } else {
        const MeasureColouring coloured = ColourTrack(track, measure, MeasureColourScale(measure, settings), settings);
        for (const MeasureBand& band : coloured.Bands)
            colouring.Bands.push_back({band.Lower, band.Upper, band.Color, false, band.StepCount, {}});
        const auto noData = static_cast<int32_t>(colouring.Bands.size());
        colouring.Bands.push_back({-kInfinity, kInfinity, kNoDataColor, true, coloured.NoDataSteps, {}});
        colouring.Runs.reserve(coloured.Runs.size());
        for (const MeasureRun& run : coloured.Runs)
            colouring.Runs.push_back({run.First, run.Last, run.Distance, run.Duration, run.Value,
                                      run.Band == kNoDataBand ? noData : run.Band});
        colouring.Warning = ImplausibleValuesMessage(coloured);
    }
    const std::vector<BandTotal> totals = SumBands(track.Points, scale, colouring.Runs, parts, colouring.Bands.size());
    for (size_t b = 0; b < totals.size(); ++b) colouring.Bands[b].Total = totals[b];
    return colouring;
}

std::string LegendRangeText(double lower, double upper, const std::string& unit, char separator)
{
    auto text = [separator](double value) { return FloatToText(value, separator); };
    if (std::isinf(upper)) return "> " + text(lower) + " " + unit;
    if (std::isinf(lower)) return "≤ " + text(upper) + " " + unit;
    const char* dash = lower < 0 || upper < 0 ? " – " : "–";
    return text(lower) + dash + text(upper) + " " + unit;
}

}  // namespace qm
