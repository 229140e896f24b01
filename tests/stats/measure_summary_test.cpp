#include "stats/measure_summary.h"

#include "stats/compute_statistics.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace qm {
namespace {

constexpr double kMinute = 1.0 / 1440;
constexpr double kStart = 40000.25;  // 2009-07-06 06:00 UTC

struct Point {
    double minutes;  // after kStart
    std::optional<float> heartRate, power;
};

// Points 100 m apart along a meridian, at a walker's pace between gaps.
Track MakeTrack(const std::vector<Point>& points)
{
    Track track;
    for (size_t i = 0; i < points.size(); ++i) {
        track.Points.push_back({0.1 * static_cast<double>(i) / 111, 30, kStart + points[i].minutes * kMinute, {}});
        for (const auto& [measure, value] :
             {std::pair{Measure::HeartRate, points[i].heartRate}, std::pair{Measure::Power, points[i].power}}) {
            MeasureColumn& column = ColumnOf(track.Measures, measure);
            if (!value && column.empty()) continue;
            column.resize(i);
            column.push_back(value);
        }
    }
    return track;
}

MeasureSummary Summarise(const Track& track, int32_t gmtmod)
{
    Settings settings;
    settings.GMTMOD = gmtmod;
    return SummariseMeasures(track, ComputeStatistics(track.Points, FitLatitudeScale(track.Points), settings));
}

using Figures = std::optional<MeasureFigures>;

struct ExpectedRow {
    int32_t level, number;
    double date;
    Figures heartRate, power;
};

void ExpectRows(const MeasureSummary& summary, const std::vector<ExpectedRow>& rows)
{
    ASSERT_EQ(summary.Rows.size(), rows.size());
    for (size_t r = 0; r < rows.size(); ++r) {
        SCOPED_TRACE("row " + std::to_string(r));
        const MeasureSummaryRow& row = summary.Rows[r];
        EXPECT_EQ(row.Level, rows[r].level);
        EXPECT_EQ(row.Number, rows[r].number);
        if (row.Level == kDayLevel) {
            EXPECT_EQ(row.Date, rows[r].date);
        }
        for (const auto& [measure, expected] :
             {std::pair{Measure::HeartRate, rows[r].heartRate}, std::pair{Measure::Power, rows[r].power}}) {
            const Figures& figures = row.Figures[static_cast<size_t>(measure)];
            ASSERT_EQ(figures.has_value(), expected.has_value());
            if (!figures) continue;
            EXPECT_NEAR(figures->Mean, expected->Mean, 1e-6);
            EXPECT_EQ(figures->Max, expected->Max);
        }
    }
}

// Day 1: two parts (a 90-minute gap after point 2), power on some points;
// an overnight gap; day 2: heart rate only, one value of 300 beats/min.
const Track kTwoDays = MakeTrack({
    {0, 100, 200},
    {10, 120, 300},
    {30, 110, {}},
    {120, 130, 400},
    {150, 140, 400},
    {1440, 150, {}},
    {1460, 300, {}},
    {1470, 160, {}},
    {1490, 170, {}},
});

TEST(MeasureSummary, MeansWeighStepsOfPartsByTimeOverTheTablesDays)
{
    // Steps with both heart rates: day 1 10 min of 110, 20 of 115, 30 of
    // 135 (not the gap between the parts); day 2 only 20 min of 165, the
    // steps to and from 300 left out. Power: 10 min of 250, 30 of 400.
    const MeasureSummary summary = Summarise(kTwoDays, 0);
    EXPECT_EQ(summary.Measures, (std::vector<Measure>{Measure::HeartRate, Measure::Power}));
    EXPECT_EQ(summary.Implausible, 1u);
    ExpectRows(summary, {
                            {kTrackLevel, 0, 0, MeasureFigures{10750.0 / 80, 170}, MeasureFigures{14500.0 / 40, 400}},
                            {kDayLevel, 1, 40000, MeasureFigures{7450.0 / 60, 140}, MeasureFigures{14500.0 / 40, 400}},
                            {kDayLevel, 2, 40001, MeasureFigures{165, 170}, std::nullopt},
                        });

    // Seven hours behind UTC the first part lies on the evening before, the
    // second and the third (around 23:25 local time) on the next day.
    ExpectRows(Summarise(kTwoDays, -7),
               {
                   {kTrackLevel, 0, 0, MeasureFigures{10750.0 / 80, 170}, MeasureFigures{14500.0 / 40, 400}},
                   {kDayLevel, 1, 39999, MeasureFigures{3400.0 / 30, 120}, MeasureFigures{250, 300}},
                   {kDayLevel, 2, 40000, MeasureFigures{7350.0 / 50, 170}, MeasureFigures{400, 400}},
               });
}

TEST(MeasureSummary, ValuesWithoutAStepBetweenThemTakeThePlainMean)
{
    // Heart rate on every other point only; a point alone has no day.
    ExpectRows(Summarise(MakeTrack({{0, 100, {}}, {1, {}, {}}, {2, 130, {}}, {3, {}, {}}}), 0),
               {{kTrackLevel, 0, 0, MeasureFigures{115, 130}, std::nullopt},
                {kDayLevel, 1, 40000, MeasureFigures{115, 130}, std::nullopt}});
    ExpectRows(Summarise(MakeTrack({{0, 90, 20}}), 0), {{kTrackLevel, 0, 0, MeasureFigures{90, 90}, MeasureFigures{20, 20}}});
    // Only implausible values: the column is there, its figures are not.
    const MeasureSummary implausible = Summarise(MakeTrack({{0, 10, {}}, {1, 400, {}}}), 0);
    EXPECT_EQ(implausible.Implausible, 2u);
    ExpectRows(implausible, {{kTrackLevel, 0, 0, std::nullopt, std::nullopt}, {kDayLevel, 1, 40000, std::nullopt, std::nullopt}});
}

TEST(MeasureSummary, ATrackWithoutMeasuresHasNoRows)
{
    const MeasureSummary summary = Summarise(MakeTrack({{0, {}, {}}, {1, {}, {}}}), 0);
    EXPECT_TRUE(summary.Measures.empty() && summary.Rows.empty() && summary.Implausible == 0);
}

}  // namespace
}  // namespace qm
