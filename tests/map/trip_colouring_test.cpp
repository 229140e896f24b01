// What the map colours a trip by: the measures offered, the bands' totals
// against the statistics, and the legend's range texts.
#include "map/trip_colouring.h"

#include "map/map_trip.h"
#include "visual/visual_test_support.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <limits>

namespace qm {
namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();

BandTotal Sum(const std::vector<ColourBandTotal>& bands)
{
    BandTotal sum;
    for (const ColourBandTotal& band : bands) sum.Distance += band.Total.Distance, sum.Duration += band.Total.Duration;
    return sum;
}

// Whatever the track is coloured by, its runs hold the same steps as the
// speed bands' runs: every measure's bands, "no data" among them, add up to
// what the speed bands cover (which with the pauses is the statistics' Track
// row), and no band holds less than nothing. Every real track of the tests.
TEST(TripColouring, EveryMeasuresBandsCoverWhatTheSpeedBandsCover)
{
    Settings settings;
    const BandBoxes boxes = ScaleBandBoxes(settings.CurrentScale());
    int measuresChecked = 0;
    for (const auto& entry : std::filesystem::directory_iterator(std::string(QM_TEST_DATA) + "/tracks")) {
        if (entry.path().extension() == ".wpt") continue;
        const std::string path = test::Utf8(entry.path());
        SCOPED_TRACE(path);
        test::RecordingSink sink;
        const std::shared_ptr<const MapTrip> trip = LoadMapTrip({{path}, path}, boxes, settings, sink);
        if (!trip) continue;
        const BandTotal speed = Sum(trip->Colouring.Bands);
        for (ColourMeasure measure : ColourMeasuresOf(trip->Track)) {
            SCOPED_TRACE(ColourMeasureName(measure));
            const TripColouring colouring =
                ColourTrip(trip->Track, trip->Visualisation, trip->Scale, trip->Parts, measure, settings);
            EXPECT_EQ(colouring.Measure, measure);
            for (const ColourBandTotal& band : colouring.Bands) {
                EXPECT_GE(band.Total.Distance, -1e-9);
                EXPECT_GE(band.Total.Duration, -1e-12);
            }
            const BandTotal sum = Sum(colouring.Bands);
            EXPECT_NEAR(sum.Distance, speed.Distance, 1e-9 * (1 + speed.Distance));
            EXPECT_NEAR(sum.Duration, speed.Duration, 1e-12 * (1 + speed.Duration));
            ++measuresChecked;
        }
    }
    EXPECT_GT(measuresChecked, 60);
}

// Only what a track has is offered: speed always, height and grade with a
// height, a device's measure with a value of it.
TEST(TripColouring, OffersWhatTheTrackHas)
{
    using M = ColourMeasure;
    Track bare;
    bare.Points.resize(3);
    Track heights = bare;
    heights.Points[1].Height = 120;
    Track measured = heights;
    ColumnOf(measured.Measures, Measure::HeartRate) = {std::nullopt, 140.0f, std::nullopt};
    ColumnOf(measured.Measures, Measure::Temperature) = {21.0f, std::nullopt, std::nullopt};
    ColumnOf(measured.Measures, Measure::Power) = {std::nullopt, std::nullopt, std::nullopt};
    for (const auto& [track, offered] : std::vector<std::pair<Track, std::vector<M>>>{
             {bare, {M::Speed}},
             {heights, {M::Speed, M::Height, M::Grade}},
             {measured, {M::Speed, M::Height, M::Grade, M::HeartRate, M::Temperature}},
         })
        EXPECT_EQ(ColourMeasuresOf(track), offered);
}

TEST(TripColouring, LegendRangeTexts)
{
    for (const auto& [lower, upper, unit, separator, text] :
         std::vector<std::tuple<double, double, std::string, char, std::string>>{
             {0, 5, "km/h", '.', "0–5 km/h"},
             {50, kInf, "км/ч", ',', "> 50 км/ч"},
             {-kInf, 114, "bpm", '.', "≤ 114 bpm"},
             {-5, -2, "%", '.', "-5 – -2 %"},
             {-2, 2.5, "%", ',', "-2 – 2,5 %"},
             {12.5, 17.5, "°C", ',', "12,5–17,5 °C"},
         })
        EXPECT_EQ(LegendRangeText(lower, upper, unit, separator), text);
}

}  // namespace
}  // namespace qm
