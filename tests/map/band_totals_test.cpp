#include "map/band_totals.h"

#include "formats/track_reader.h"
#include "platform/date_time_text.h"
#include "platform/file_text.h"
#include "stats/compute_statistics.h"
#include "stats/report_number.h"
#include "visual/visualisation.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

namespace qm {
namespace {

struct Trip {
    TrackPoints points;
    ScaleCoefficients scale;
    Visualisation visualisation;
    StatTable table;
    TripTotals totals;
    std::vector<BandTotal> bands;
};

Trip Figures(TrackPoints points, const Settings& settings = {})
{
    Trip trip;
    trip.points = std::move(points);
    trip.scale = FitLatitudeScale(trip.points);
    trip.visualisation = Visualise(trip.points, ScaleBandBoxes(settings.CurrentScale()), settings);
    trip.table = ComputeStatistics(trip.points, trip.scale, settings);
    trip.totals = SumTrip(trip.points, trip.scale, trip.visualisation.Runs, trip.table);
    trip.bands = SumBands(trip.points, trip.scale, trip.visualisation.Runs, TrackParts(trip.table), kBandCount);
    return trip;
}

// The cells of the Track row of a checked statistics report.
std::vector<std::string> TrackRow(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    std::string line;
    while (std::getline(file, line)) {
        if (line.rfind("Track", 0) != 0) continue;
        std::vector<std::string> cells;
        std::istringstream row(line);
        for (std::string cell; std::getline(row, cell, ';');) {
            cell.erase(0, cell.find_first_not_of(' '));
            cell.erase(cell.find_last_not_of(" \r") + 1);
            cells.push_back(cell);
        }
        return cells;
    }
    return {};
}

// The legend's whole is the report's Track row, and its bands with the jumps
// to break points inside a part add up to it, on real tracks.
TEST(SumTrip, BandsAddUpToTheStatisticsOfRealTracks)
{
    const std::string data = QM_TEST_DATA;
    for (const auto& [track, golden] :
         std::vector<std::pair<std::string, std::string>>{
             {"gpsbabel-derived-reference-track-dg100.plt", "dg100"},
             {"gpsbabel-derived-reference-track-mtk_logger_m241_multiple_tracks.plt", "mtk"},
             {"mapsoft2-programs-ms2xyz-test_data-20040222_full.plt", "full"},
         }) {
        SCOPED_TRACE(track);
        TrackReading reading = LoadTrack(data + "/tracks/" + track);
        ASSERT_TRUE(reading.Track);
        const Trip trip = Figures(reading.Track->Points);
        std::string report = track;
        report.replace(report.size() - 4, 4, "_stat.txt");
        const std::vector<std::string> row = TrackRow(data + "/golden/" + golden + "/stats-txt/" + report);
        ASSERT_GE(row.size(), 4u);
        EXPECT_EQ(ReportNumber(trip.totals.Distance, 1, ","), row[2]);
        EXPECT_EQ(DurationText(trip.totals.Duration), row[3]);

        BandTotal bands;
        for (const BandTotal& band : trip.bands) {
            bands.Distance += band.Distance;
            bands.Duration += band.Duration;
        }
        BandTotal jumps;
        for (const TrackPart& part : TrackParts(trip.table)) {
            for (int i = part.First + 1; i <= part.Last; ++i) {
                if (!trip.points[i].StartsPiece) continue;
                const Segment jump = MeasureSegment(trip.points, trip.scale, i - 1, i);
                jumps.Distance += jump.Distance, jumps.Duration += jump.Time;
            }
        }
        EXPECT_EQ(ReportNumber(bands.Distance + jumps.Distance, 1, ","), row[2]);
        EXPECT_EQ(DurationText(bands.Duration + jumps.Duration), row[3]);
        EXPECT_NEAR(bands.Duration + trip.totals.Pauses, trip.points.back().DateTime - trip.points.front().DateTime,
                    1e-9);
    }
}

// Half an hour at 12 km/h, three hours without a point, half an hour more:
// the gap is a pause, not time at 0 km/h, whether or not the point after it
// starts a new piece of the track (a new day's segment), where the two
// halves' runs merge over the jump.
TEST(SumTrip, GapBetweenPartsIsAPause)
{
    TrackPoints points{TrackPoint{50, 30, 40000, 30.48, false}};
    auto go = [&](int minutes, double kmh) {
        for (int m = 0; m < minutes; ++m) {
            TrackPoint next = points.back();
            next.Latitude += kmh / 60 / 111;
            next.DateTime += 1.0 / 1440;
            points.push_back(next);
        }
    };
    go(30, 12);
    points.push_back(points.back());
    points.back().DateTime += 3.0 / 24;
    const size_t afterGap = points.size() - 1;
    go(30, 12);
    for (const auto& [split, newPiece] : {std::pair{true, false}, {false, false}, {true, true}}) {
        SCOPED_TRACE(testing::Message() << "split " << split << ", new piece " << newPiece);
        Settings settings;
        settings.SPLTTIME = split;
        points[afterGap].StartsPiece = newPiece;
        const Trip trip = Figures(points, settings);
        const int band12 = FindBand(trip.visualisation.Bands, 12);
        EXPECT_NEAR(trip.bands[band12].Duration * 1440, 60, 1e-6);
        EXPECT_NEAR(trip.bands[band12].Distance, 12, 1e-3);
        EXPECT_NEAR(trip.totals.MaxSpeed, 12, 1e-3);
        // Without the split the three hours are time of the track, in band 0.
        EXPECT_NEAR(trip.totals.Pauses * 24, split ? 3 : 0, 1e-6);
        EXPECT_NEAR(trip.totals.Duration * 24, split ? 1 : 4, 1e-6);
    }
}

// Ten minutes at 12 km/h, a fix a second, one of them 200 m off: the step
// to it is far beyond 500 km/h, the highest speed stays near the ride's.
TEST(SumTrip, OneBadFixMakesNoHighestSpeed)
{
    TrackPoints points{TrackPoint{50, 30, 40000, 30.48, false}};
    for (int s = 0; s < 600; ++s) {
        TrackPoint next = points.back();
        next.Latitude += 12.0 / 3600 / 111;
        next.DateTime += 1.0 / 86400;
        points.push_back(next);
    }
    points[300].Latitude += 0.2 / 111;
    const Trip trip = Figures(points);
    const Segment spike = MeasureSegment(points, trip.scale, 299, 300);
    ASSERT_GT(spike.Distance / spike.Time / 24, 500);
    EXPECT_GT(trip.totals.MaxSpeed, 12);
    EXPECT_LT(trip.totals.MaxSpeed, 30);
}

}  // namespace
}  // namespace qm
