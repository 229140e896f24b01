#include "bench.h"

#include "formats/track_reader.h"
#include "visual/measure_colouring.h"
#include "visual/visualisation.h"

#include <cmath>
#include <iomanip>
#include <iostream>

namespace {

constexpr int kRuns = 5;

// A heart rate at every point, rising and falling over about an hour, with
// every hundredth point without one and every thousandth implausible.
void AddHeartRate(qm::Track& track)
{
    qm::MeasureColumn& column = qm::ColumnOf(track.Measures, qm::Measure::HeartRate);
    column.resize(track.Points.size());
    for (size_t i = 0; i < column.size(); ++i)
        if (i % 100 != 0) column[i] = i % 1000 == 1 ? 400.0f : static_cast<float>(130 + 40 * std::sin(i / 600.0));
}

}  // namespace

// The computation alone, the track in memory: colouring by speed (the
// visualisation's runs and stops) beside colouring by heart rate, height and
// grade.
int qm::bench::RunBenchmark(const std::string& trackPath)
{
    Track track = std::move(*LoadTrack(trackPath).Track);
    AddHeartRate(track);
    Settings settings;
    const BandBoxes boxes = ScaleBandBoxes(settings.CurrentScale());
    size_t runs = 0;
    std::vector<std::function<void()>> works = {[&] { runs += Visualise(track.Points, boxes, settings).Runs.size(); }};
    const ColourMeasure measures[] = {ColourMeasure::HeartRate, ColourMeasure::Height, ColourMeasure::Grade};
    for (ColourMeasure measure : measures)
        works.push_back([&, measure] {
            runs += ColourTrack(track, measure, MeasureColourScale(measure, settings), settings).Runs.size();
        });
    const std::vector<Times> best = BestTimesInTurn(kRuns, works);

    const std::string points = std::to_string(track.Points.size()) + " points";
    std::cout << TimesText("colour by speed (" + points + ", runs and stops)", best[0]) << '\n';
    for (size_t k = 0; k < std::size(measures); ++k)
        std::cout << TimesText("colour by " + std::string(ColourMeasureName(measures[k])), best[k + 1])
                  << std::setprecision(3) << ": " << best[k + 1].Wall / best[0].Wall << " x speed (wall), "
                  << best[k + 1].Cpu / best[0].Cpu << " x (processor)" << std::setprecision(6) << '\n';
    return runs > 0 ? 0 : 1;
}
