// The map of a trip of several files: its figures, its files' rows, and the
// trip without some of its files.
#include "map/map_trip.h"

#include "commands/statistics.h"
#include "map/trip_file_rows.h"
#include "platform/path_text.h"
#include "support/split_track.h"
#include "visual/visual_test_support.h"

#include <gtest/gtest.h>

#include <memory>

namespace qm {
namespace {

using test::RecordingSink;

class SplitTrip : public testing::Test {
protected:
    void SetUp() override
    {
        const test::SplitTrack files = test::WriteSplitTrack(dir);
        whole = files.Whole, p1 = files.P1, p2 = files.P2, p3 = files.P3;
    }
    std::shared_ptr<const MapTrip> Load(const TrackFiles& track)
    {
        RecordingSink sink;
        std::shared_ptr<const MapTrip> trip = LoadMapTrip(track, boxes, settings, sink);
        EXPECT_EQ(sink.messages, std::vector<std::string>{});
        return trip;
    }
    static TrackFiles Trip(std::vector<std::string> paths) { return {paths, "trip"}; }

    test::TempDir dir;
    std::string whole, p1, p2, p3;
    Settings settings;
    BandBoxes boxes = ScaleBandBoxes(settings.CurrentScale());
};

// What the map shows of a trip: its legend's figures, its runs and stops.
void ExpectSameFigures(const MapTrip& trip, const MapTrip& expected)
{
    ASSERT_EQ(trip.Track.Points.size(), expected.Track.Points.size());
    EXPECT_EQ(trip.Breaks, expected.Breaks);
    EXPECT_DOUBLE_EQ(trip.Totals.Distance, expected.Totals.Distance);
    EXPECT_DOUBLE_EQ(trip.Totals.Duration, expected.Totals.Duration);
    EXPECT_DOUBLE_EQ(trip.Totals.Pauses, expected.Totals.Pauses);
    EXPECT_DOUBLE_EQ(trip.Totals.MaxSpeed, expected.Totals.MaxSpeed);
    ASSERT_EQ(trip.Colouring.Bands.size(), expected.Colouring.Bands.size());
    for (size_t band = 0; band < trip.Colouring.Bands.size(); ++band) {
        const ColourBandTotal& got = trip.Colouring.Bands[band];
        const ColourBandTotal& want = expected.Colouring.Bands[band];
        EXPECT_DOUBLE_EQ(got.Total.Distance, want.Total.Distance) << band;
        EXPECT_DOUBLE_EQ(got.Total.Duration, want.Total.Duration) << band;
        EXPECT_EQ(got.StepCount, want.StepCount) << band;
    }
    ASSERT_EQ(trip.Parts.size(), expected.Parts.size());
    for (size_t k = 0; k < trip.Parts.size(); ++k) {
        EXPECT_EQ(trip.Parts[k].First, expected.Parts[k].First);
        EXPECT_EQ(trip.Parts[k].Last, expected.Parts[k].Last);
    }
    ASSERT_EQ(trip.Visualisation.Runs.size(), expected.Visualisation.Runs.size());
    ASSERT_EQ(trip.Visualisation.Stops.size(), expected.Visualisation.Stops.size());
    for (size_t k = 0; k < trip.Visualisation.Stops.size(); ++k) {
        EXPECT_EQ(trip.Visualisation.Stops[k].First, expected.Visualisation.Stops[k].First);
        EXPECT_EQ(trip.Visualisation.Stops[k].Last, expected.Visualisation.Stops[k].Last);
    }
}

TEST_F(SplitTrip, TheTripOfTheFilesShowsWhatTheWholeTrackShows)
{
    const auto one = Load(whole);
    // In any order: the pieces go by their times.
    const auto trip = Load(Trip({p3, p1, p2}));
    ASSERT_TRUE(one && trip);
    EXPECT_GT(one->Visualisation.Stops.size(), 0u);
    ExpectSameFigures(*trip, *one);
    EXPECT_TRUE(one->PointFiles.empty());
    ASSERT_EQ(trip->PointFiles.size(), trip->Track.Points.size());
    // p1's points first, then p2's, then p3's, each file starting a piece.
    for (size_t i = 1; i < trip->PointFiles.size(); ++i) {
        if (trip->PointFiles[i] == trip->PointFiles[i - 1]) continue;
        EXPECT_TRUE(trip->Track.Points[i].StartsPiece) << i;
        EXPECT_EQ(trip->Files[trip->PointFiles[i]].Path, i == 7355 ? p2 : p3) << i;
    }
    EXPECT_EQ(HiddenFileCount(*trip), 0u);
}

// Each file's row: its name, its first point's time and the distance its own
// statistics give, as if it were read alone.
TEST_F(SplitTrip, EachFilesRowHasItsOwnFirstTimeAndDistance)
{
    const auto trip = Load(Trip({p2, p3, p1}));
    ASSERT_TRUE(trip);
    const std::vector<TripFileRow> rows = TripFileRows(*trip, settings);
    ASSERT_EQ(rows.size(), 3u);
    double sum = 0;
    for (size_t f = 0; f < rows.size(); ++f) {
        const std::string& path = trip->Files[f].Path;
        SCOPED_TRACE(path);
        EXPECT_EQ(rows[f].Path, path);
        EXPECT_EQ(rows[f].Name, PathNamePart(path));
        RecordingSink sink;
        const std::optional<StatTable> alone = TrackStatistics(path, settings, sink);
        ASSERT_TRUE(alone);
        EXPECT_DOUBLE_EQ(rows[f].Distance, alone->front().Dist);
        EXPECT_GT(rows[f].Distance, 0);
        const auto first = Load(path);
        ASSERT_TRUE(rows[f].FirstTime);
        EXPECT_EQ(*rows[f].FirstTime, first->Track.Points.front().DateTime);
        sum += rows[f].Distance;
    }
    // The files meet where the track's parts do: their distances add up to
    // the whole but for the scale fitted to each file.
    EXPECT_NEAR(sum, trip->Totals.Distance, trip->Totals.Distance * 1e-4);
}

// Hidden files: the map, the legend and the profile show what the trip of
// the other files shows.
TEST_F(SplitTrip, WithoutFilesAsIfTheyWereNotInTheTrip)
{
    const auto trip = Load(Trip({p1, p2, p3}));
    ASSERT_TRUE(trip);
    const struct {
        std::vector<bool> hidden;
        std::vector<std::string> shown;  // empty: none
    } cases[] = {
        {{false, true, false}, {p1, p3}},
        {{true, false, false}, {p2, p3}},
        {{false, false, true}, {p1, p2}},
        {{true, false, true}, {p2}},
        {{false, false, false}, {p1, p2, p3}},
        {{true, true, true}, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::PrintToString(c.hidden));
        const auto shown = MapTripWithoutFiles(*trip, c.hidden, boxes, settings);
        if (c.shown.empty()) {
            EXPECT_EQ(shown, nullptr);
            continue;
        }
        ASSERT_TRUE(shown);
        const auto expected = Load(c.shown.size() == 1 ? TrackFiles(c.shown.front()) : Trip(c.shown));
        ExpectSameFigures(*shown, *expected);
        EXPECT_EQ(shown->HiddenFiles, c.hidden);
        EXPECT_EQ(HiddenFileCount(*shown), size_t(std::count(c.hidden.begin(), c.hidden.end(), true)));
        // The files and their indices stay the whole trip's.
        ASSERT_EQ(shown->Files.size(), 3u);
        ASSERT_EQ(shown->PointFiles.size(), shown->Track.Points.size());
        for (size_t i = 0; i < shown->PointFiles.size(); i += 997) {
            EXPECT_FALSE(c.hidden[shown->PointFiles[i]]) << i;
            EXPECT_EQ(shown->Files[shown->PointFiles[i]].Path,
                      expected->Files[expected->PointFiles.empty() ? 0 : expected->PointFiles[i]].Path);
        }
    }
}

// Each point after one left out starts a piece, also where a file's points
// lay inside another's piece; the measures go with their points.
TEST(MapTripWithoutFiles, WhatWasLeftOutIsNeverCrossed)
{
    Settings settings;
    const BandBoxes boxes = ScaleBandBoxes(settings.CurrentScale());
    Track track;
    track.Points = test::Walk(std::vector<test::WalkStep>(11, {6}));
    for (int i = 0; i < 12; ++i)
        ColumnOf(track.Measures, Measure::HeartRate)
            .push_back(i % 2 ? std::optional<float>(100.0f + float(i)) : std::nullopt);
    Visualisation visualisation = Visualise(track.Points, boxes, settings);
    std::shared_ptr<MapTrip> whole = MakeMapTrip(std::move(track), std::move(visualisation), settings);
    const MeasureColumn& heart = ColumnOf(whole->Track.Measures, Measure::HeartRate);
    whole->Files.resize(3);
    whole->Files[0].PointsKept = 6;
    whole->Files[1].PointsKept = 4;
    whole->Files[2].PointsKept = 2;
    whole->PointFiles = {0, 0, 0, 1, 1, 0, 0, 1, 1, 0, 2, 2};
    const struct {
        std::vector<bool> hidden;
        std::vector<int32_t> points;  // of the whole track, in order
        std::vector<int32_t> pieces;  // the points of the shown track after the first that start a piece
    } cases[] = {
        {{false, true, false}, {0, 1, 2, 5, 6, 9, 10, 11}, {3, 5}},
        {{true, false, false}, {3, 4, 7, 8, 10, 11}, {2, 4}},
        {{false, false, true}, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9}, {}},
        {{true, false, true}, {3, 4, 7, 8}, {2}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::PrintToString(c.hidden));
        const auto shown = MapTripWithoutFiles(*whole, c.hidden, boxes, settings);
        ASSERT_TRUE(shown);
        ASSERT_EQ(shown->Track.Points.size(), c.points.size());
        const MeasureColumn& shownHeart = ColumnOf(shown->Track.Measures, Measure::HeartRate);
        ASSERT_EQ(shownHeart.size(), c.points.size());
        for (size_t i = 0; i < c.points.size(); ++i) {
            EXPECT_EQ(shown->Track.Points[i].DateTime, whole->Track.Points[c.points[i]].DateTime);
            EXPECT_EQ(shown->PointFiles[i], whole->PointFiles[c.points[i]]);
            EXPECT_EQ(shownHeart[i], heart[c.points[i]]);
        }
        EXPECT_EQ(shown->Breaks, c.pieces);
    }
}

TEST(MapTripWithoutFiles, TheLastShownFileWithPointsCannotBeHidden)
{
    MapTrip trip;
    trip.Files.resize(4);
    for (size_t f = 0; f < 4; ++f) trip.Files[f].PointsKept = f == 2 ? 0 : 10;  // the third lost every point
    const struct {
        std::vector<bool> hidden;
        std::vector<bool> changeable;
    } cases[] = {
        {{false, false, false, false}, {true, true, true, true}},
        {{true, false, false, true}, {true, false, true, true}},
        {{true, true, false, false}, {true, true, true, false}},
        {{false, true, true, true}, {false, true, true, true}},
        {{}, {true, true, true, true}},
    };
    for (const auto& c : cases) EXPECT_EQ(ChangeableFiles(trip, c.hidden), c.changeable);
}

}  // namespace
}  // namespace qm
