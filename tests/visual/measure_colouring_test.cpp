#include "visual/measure_colouring.h"

#include "formats/track_reader.h"
#include "platform/message_text.h"
#include "visual/visual_test_support.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <map>

namespace qm {
namespace {

using Shapes = std::vector<std::array<int, 3>>;  // First, Last and Band of each run
using Column = std::vector<std::optional<double>>;

Shapes Shape(const MeasureColouring& colouring)
{
    Shapes shape;
    for (const MeasureRun& run : colouring.Runs) shape.push_back({run.First, run.Last, run.Band});
    return shape;
}

// One-minute steps at 6 km/h (100 m each) with a height and a heart rate
// at each point (none where not given) and the pieces starting at `starts`.
Track Walk(const Column& heights, const Column& beats, std::vector<int> starts = {})
{
    const size_t count = std::max(heights.size(), beats.size());
    Track track;
    track.Points = test::Walk(std::vector<test::WalkStep>(count - 1, {6}));
    for (int start : starts) track.Points[start].StartsPiece = true;
    MeasureColumn& column = ColumnOf(track.Measures, Measure::HeartRate);
    for (size_t i = 0; i < count; ++i) {
        track.Points[i].Height = i < heights.size() ? heights[i] : std::nullopt;
        if (i < beats.size() && beats[i]) column.resize(count);
        if (i < beats.size() && beats[i]) column[i] = static_cast<float>(*beats[i]);
    }
    return track;
}

// Runs of three one-minute steps.
Settings ThreeStepRuns()
{
    Settings settings;
    settings.TIMEINTRVL = 2.5;
    return settings;
}

constexpr std::nullopt_t no = std::nullopt;

TEST(ColourTrack, RunsTheirValuesBandsAndCounts)
{
    // Grade bands: -10, -5, -2, 2, 5, 10 (band 3 is -2 to 2 %); heart rate:
    // up to 130, to 140, over 140.
    const ColourScale beats{{130, 140}, ColourPalette()};
    const ColourScale grade = MeasureColourScale(ColourMeasure::Grade, Settings());
    struct {
        const char* rule;
        ColourMeasure measure;
        Track track;
        Shapes shape;
        std::vector<double> values;
        int noDataSteps;
        int64_t values_, implausible;
    } cases[] = {
        {"grade: the height change over the distance", ColourMeasure::Grade,
         Walk({100, 101, 102, 103, 107, 111, 115}, {}), {{0, 3, 3}, {3, 6, 4}}, {1, 4}, 0, 7, 0},
        {"grade needs a height at both ends only", ColourMeasure::Grade, Walk({100, no, no, 103, 106, 109, no}, {}),
         {{0, 3, 3}, {3, 6, kNoDataBand}}, {1, 0}, 3, 4, 0},
        {"an implausible height is none", ColourMeasure::Grade, Walk({100, 100, 100, 30000, 100, 100, -1001}, {}),
         {{0, 6, kNoDataBand}}, {0}, 6, 7, 2},
        {"heart rate: each step the mean of its ends, weighed by its time", ColourMeasure::HeartRate,
         Walk({}, {120, 130, 140, 150, 150, 150, 150}), {{0, 3, 1}, {3, 6, 2}}, {135, 150}, 0, 7, 0},
        {"a step with one value takes it, one with none is left out", ColourMeasure::HeartRate,
         Walk({}, {120, no, no, 150, no, no, no}), {{0, 3, 1}, {3, 6, 2}}, {135, 150}, 0, 2, 0},
        {"an implausible heart rate is none", ColourMeasure::HeartRate, Walk({}, {300, 300, 300, 300, 135, 135, 24}),
         {{0, 3, kNoDataBand}, {3, 6, 1}}, {0, 135}, 3, 7, 5},
        {"neighbours of one band merge, with the value of both", ColourMeasure::HeartRate,
         Walk({}, {132, 132, 132, 132, 138, 138, 138, 138, 138, 138}), {{0, 9, 1}}, {(132 * 3 + 135 + 138 * 5) / 9.0},
         0, 10, 0},
        {"but not across a piece start", ColourMeasure::HeartRate, Walk({}, {135, 135, 135, 135, 135, 135, 135}, {4}),
         {{0, 3, 1}, {4, 6, 1}}, {135, 135}, 0, 7, 0},
        {"no data merges too", ColourMeasure::HeartRate, Walk({}, {no, no, no, no, no, no, no, no, no, 135}),
         {{0, 6, kNoDataBand}, {6, 9, 1}}, {0, 135}, 6, 1, 0},
        {"a track without the measure", ColourMeasure::HeartRate, Walk({100, 100, 100, 100}, {}),
         {{0, 3, kNoDataBand}}, {0}, 3, 0, 0},
        {"a one-point track has no run", ColourMeasure::HeartRate, Walk({}, {135}), {}, {}, 0, 1, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.rule);
        const MeasureColouring colouring =
            ColourTrack(c.track, c.measure, c.measure == ColourMeasure::Grade ? grade : beats, ThreeStepRuns());
        EXPECT_EQ(Shape(colouring), c.shape);
        ASSERT_EQ(colouring.Runs.size(), c.values.size());
        for (size_t k = 0; k < c.values.size(); ++k) EXPECT_NEAR(colouring.Runs[k].Value, c.values[k], 1e-6);
        EXPECT_EQ(colouring.NoDataSteps, c.noDataSteps);
        EXPECT_EQ(colouring.Values, c.values_);
        EXPECT_EQ(colouring.Implausible, c.implausible);
    }
}

// A cut of 45 points (one a second) of a real ride with heart rate, read from
// GPSBabel's GPX of it. With runs of five steps (4.5 s) the runs' means,
// each the average of five step means (one of four at the end), are, by hand:
// 0-5: 138; 5-10: (137.5 + 136.5 + 136 + 136 + 135.5) / 5 = 136.3;
// 10-15: 135; 15-20: (135 + 135 + 135 + 134.5 + 134) / 5 = 134.7;
// 20-25: (133.5 + 133 + 132.5 + 132 + 132) / 5 = 132.6;
// 25-30: (132.5 + 133 + 133 + 133.5 + 134) / 5 = 133.2;
// 30-35: (134.5 + 135.5 + 136 + 136.5 + 137.5) / 5 = 136;
// 35-40: (138.5 + 139 + 139 + 139 + 139.5) / 5 = 139;
// 40-44: (140 + 140 + 140 + 140.5) / 4 = 140.125.
TEST(ColourTrack, TheTimeInEachHeartRateZoneOfARealRide)
{
    const TrackReading reading =
        LoadTrack(QM_TEST_DATA "/tracks/gpsbabel-derived-reference-track-wahoo-element-bolt-cut.gpx");
    ASSERT_TRUE(reading.Track);
    Settings settings;
    settings.TIMEINTRVL = 0.075;
    const struct {
        ColourScale scale;
        Shapes shape;
        std::vector<double> seconds;  // in each band
    } cases[] = {
        // The default zones of a maximum of 190: 114, 133, 152, 171.
        {MeasureColourScale(ColourMeasure::HeartRate, settings), {{0, 20, 2}, {20, 25, 1}, {25, 44, 2}},
         {0, 5, 39, 0, 0}},
        {{{133, 135.5, 137.5}, ColourPalette()},
         {{0, 5, 3}, {5, 10, 2}, {10, 20, 1}, {20, 25, 0}, {25, 30, 1}, {30, 35, 2}, {35, 44, 3}},
         {5, 15, 10, 14}},
    };
    for (const auto& c : cases) {
        const MeasureColouring colouring = ColourTrack(*reading.Track, ColourMeasure::HeartRate, c.scale, settings);
        EXPECT_EQ(Shape(colouring), c.shape);
        std::vector<double> seconds(colouring.Bands.size());
        for (const MeasureRun& run : colouring.Runs) seconds[run.Band] += run.Duration * 86400;
        for (double& s : seconds) s = std::round(s * 1000) / 1000;
        EXPECT_EQ(seconds, c.seconds);
        EXPECT_EQ(colouring.Values, 45);
    }
}

TEST(ColourTrack, ScalesOfTheSettingsAndOfTheTrack)
{
    Settings settings;
    settings.MAXHR = 185, settings.FTP = 250;
    EXPECT_EQ(MeasureColourScale(ColourMeasure::HeartRate, settings).Bounds,
              (std::vector<double>{111, 129.5, 148, 166.5}));
    EXPECT_EQ(MeasureColourScale(ColourMeasure::Power, settings).Bounds,
              (std::vector<double>{137.5, 187.5, 225, 262.5, 300, 375}));
    EXPECT_EQ(MeasureColourScale(ColourMeasure::Cadence, settings).Bounds,
              (std::vector<double>{20, 40, 60, 80, 100, 120}));

    // The default heart rate zones: five colours spread over the palette.
    const MeasureColouring zones = ColourTrack(Walk({}, {135, 135}), ColourMeasure::HeartRate,
                                               MeasureColourScale(ColourMeasure::HeartRate, Settings()), Settings());
    std::vector<std::string> names;
    std::vector<int32_t> colors;
    for (const MeasureBand& band : zones.Bands) names.push_back(band.Name), colors.push_back(band.Color);
    EXPECT_EQ(names, (std::vector<std::string>{"up to 114 bpm", "114-133 bpm", "133-152 bpm", "152-171 bpm",
                                               "over 171 bpm"}));
    const std::vector<int32_t> palette = ColourPalette();
    EXPECT_EQ(colors, (std::vector<int32_t>{palette[0], palette[2], palette[3], palette[4], palette[6]}));

    // Height by default from the runs' heights: 112 to 287 m in steps of 50.
    const MeasureColouring heights = ColourTrack(Walk({112, 112, 112, 112, 287, 287, 287}, {}), ColourMeasure::Height,
                                                 MeasureColourScale(ColourMeasure::Height, settings), ThreeStepRuns());
    names.clear();
    for (const MeasureBand& band : heights.Bands) names.push_back(band.Name);
    EXPECT_EQ(names, (std::vector<std::string>{"up to 150 m", "150-200 m", "200-250 m", "over 250 m"}));
    EXPECT_EQ(Shape(heights), (Shapes{{0, 3, 0}, {3, 6, 3}}));
    EXPECT_NEAR(heights.Runs[1].Value, (199.5 + 287 * 2) / 3, 1e-9);
}

TEST(ColourTrack, RoundStepBoundsAndRangeTexts)
{
    const struct {
        double low, high;
        std::vector<double> bounds;
    } steps[] = {
        {112, 287, {150, 200, 250}},        // 20 m would make ten steps
        {-3.2, 4.1, {-2, 0, 2, 4}},         // 1 would make nine
        {100, 100, {101}},                  // one value: one bound above it
        {0.5, 6.5, {1, 2, 3, 4, 5, 6}},     // seven steps of 1
        {-60, 70, {-40, -20, 0, 20, 40, 60}},  // 10 would make thirteen
    };
    for (const auto& s : steps) EXPECT_EQ(RoundStepBounds(s.low, s.high), s.bounds) << s.low << " " << s.high;

    constexpr double inf = std::numeric_limits<double>::infinity();
    const struct {
        double lower, upper;
        const char* unit;
        std::string text;
    } ranges[] = {
        {-inf, 114, "bpm", "up to 114 bpm"}, {171, inf, "bpm", "over 171 bpm"}, {129.5, 148, "bpm", "129.5-148 bpm"},
        {-5, -2, "%", "-5 to -2 %"},         {-2, 2, "%", "-2 to 2 %"},         {0, 10, "°C", "0-10 °C"},
    };
    for (const auto& r : ranges) EXPECT_EQ(MeasureRangeText(r.lower, r.upper, r.unit), r.text);
}

// What no settings file gives but a caller might: no points, a scale without
// colours whose bounds fall, a climb over a distance next to nothing.
TEST(ColourTrack, HostileInputsStillColour)
{
    EXPECT_TRUE(ColourTrack(Track(), ColourMeasure::Height, {}, Settings()).Runs.empty());

    const MeasureColouring falling =
        ColourTrack(Walk({}, {135, 135}), ColourMeasure::HeartRate, {{140, 130}, {}}, Settings());
    EXPECT_EQ(Shape(falling), (Shapes{{0, 1, 0}}));
    EXPECT_EQ(falling.Bands[2].Color, ColourPalette().back());

    // 10 m up over 1e-160 degrees: a grade near 1e161 %; over 1e-300, a distance of 0 (its square is none).
    const ColourScale grades = MeasureColourScale(ColourMeasure::Grade, Settings());
    for (const double apart : {1e-160, 1e-300}) {
        Track steep = Walk({100, 110}, {});
        steep.Points[0].Latitude = 0, steep.Points[1].Latitude = apart;
        const MeasureColouring grade = ColourTrack(steep, ColourMeasure::Grade, grades, Settings());
        EXPECT_EQ(Shape(grade), (Shapes{{0, 1, apart == 1e-160 ? 6 : kNoDataBand}}));
    }
}

TEST(ColourTrack, ImplausibleValuesGiveOneMessage)
{
    const ColourScale scale = MeasureColourScale(ColourMeasure::HeartRate, Settings());
    MeasureColouring colouring = ColourTrack(Walk({}, {300, 135, 0, 135}), ColourMeasure::HeartRate, scale, Settings());
    EXPECT_EQ(ImplausibleValuesMessage(colouring),
              "Значения измерения heart-rate вне правдоподобных пределов (от 25 до 250 bpm) не учтены: 2 из 4.");
    colouring = ColourTrack(Walk({100, 25000}, {}), ColourMeasure::Grade, scale, Settings());
    EXPECT_EQ(MessageText(Language::English, MessageId::ImplausibleValues, {"height", "-1000", "20000", "m", "1", "2"}),
              "Values of height outside the plausible range (-1000 to 20000 m) left out: 1 of 2.");
    EXPECT_EQ(ImplausibleValuesMessage(colouring),
              "Значения измерения height вне правдоподобных пределов (от -1000 до 20000 m) не учтены: 1 из 2.");
    EXPECT_EQ(ImplausibleValuesMessage(ColourTrack(Walk({}, {135, 135}), ColourMeasure::HeartRate, scale, Settings())),
              std::nullopt);
}

}  // namespace
}  // namespace qm
