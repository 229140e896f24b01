// Several files given as one trip.
#include "cli/cli_fixture.h"
#include "formats/track_reader.h"
#include "support/split_track.h"
#include "support/track_as_gpx.h"
#include "visual/visual_test_support.h"

namespace qm {
namespace {

using test::CliTest;

// The report's lines but the one that names the track.
std::string WithoutName(const std::string& report)
{
    std::string kept;
    for (const std::string& line : test::TextLines(report))
        if (line.find("whole") == std::string::npos && line.find("week") == std::string::npos) kept += line;
    return kept;
}

// A real track split into files where its pieces start gives, as a trip,
// the report and the files of the whole track, its name apart.
TEST_F(CliTest, TheFilesOfATripGiveWhatTheWholeTrackGives)
{
    constexpr size_t kAll = 1 << 20;
    test::WriteSplitTrack(work);
    // A ride of two track segments, each file with the document's head and end.
    test::WriteSplitFiles(work, QM_TEST_DATA "/tracks/GPSBabel-gpsbabel-reference-track-tcxtest.gpx",
                          {{"whole.gpx", {{0, kAll}}}, {"g1.gpx", {{0, 1066}, {4824, kAll}}}, {"g2.gpx", {{0, 12}, {1066, kAll}}}});
    const struct {
        std::string whole;
        std::vector<std::string> files;  // in another order than their times
    } splits[] = {{"whole.plt", {"p1.plt", "p3.plt", "p2.plt"}}, {"whole.gpx", {"g2.gpx", "g1.gpx"}}};
    for (const auto& split : splits) {
        SCOPED_TRACE(split.whole);
        for (const std::string format : {"txt", "csv"}) {
            SCOPED_TRACE(format);
            const test::CliRun whole = Run({"stats", split.whole, "--format", format});
            std::vector<std::string> args = {"stats", "--trip", "week", "--format", format};
            args.insert(args.end(), split.files.begin(), split.files.end());
            const test::CliRun trip = Run(args);
            ASSERT_EQ(trip.status, 0) << trip.err;
            EXPECT_EQ(trip.err, "");
            EXPECT_NE(whole.out.find("whole"), std::string::npos);
            EXPECT_NE(trip.out.find("week"), std::string::npos);
            EXPECT_EQ(WithoutName(trip.out), WithoutName(whole.out));
        }
        const std::string w = "w-" + split.whole, t = "t-" + split.whole;
        ASSERT_EQ(Run({"visualise", split.whole, "--out", w}).status, 0);
        std::vector<std::string> args = {"visualise", "--trip", "week", "--out", t};
        args.insert(args.end(), split.files.begin(), split.files.end());
        const test::CliRun trip = Run(args);
        ASSERT_EQ(trip.status, 0) << trip.err;
        EXPECT_EQ(trip.out, "week.trip: трек обработан\n");
        const std::set<std::string> written = test::FileNames(work.File(w));
        EXPECT_GE(written.size(), 2u);
        std::set<std::string> tripWritten;
        for (const std::string& name : written) {
            const std::string tripName = "week" + name.substr(5);
            tripWritten.insert(tripName);
            EXPECT_EQ(test::ReadAll(work.File(t + "/" + tripName)), test::ReadAll(work.File(w + "/" + name))) << name;
        }
        EXPECT_EQ(test::FileNames(work.File(t)), tripWritten);
    }
}

// A real FIT ride of eight pieces, its pieces also written as two GPX files
// as another device would have recorded them: the GPX files as a trip, and
// the ride with a GPX file of the same time, give the ride's own report.
TEST_F(CliTest, ARideSplitOrRecordedTwiceInOtherFormatsIsTheRide)
{
    const std::string ride = work.Write(
        "whole.fit", test::ReadAll(QM_TEST_DATA "/tracks/GPSBabel-gpsbabel-reference-track-garmin-edge-800.fit"));
    const qm::Track track = *LoadTrack(ride).Track;
    std::vector<size_t> starts;
    for (size_t i = 1; i < track.Points.size(); ++i)
        if (track.Points[i].StartsPiece) starts.push_back(i);
    ASSERT_EQ(starts.size(), 7u);
    const auto points = [&](size_t first, size_t end) {
        return qm::Track{TrackPoints(track.Points.begin() + first, track.Points.begin() + end), {}};
    };
    work.Write("a.gpx", test::TrackAsGpx(points(0, starts[3])));
    work.Write("b.gpx", test::TrackAsGpx(points(starts[3], track.Points.size())));
    const std::string report = WithoutName(Run({"stats", "whole.fit"}).out);
    const size_t second = track.Points.size() - starts[3];
    const struct {
        std::vector<std::string> files;
        std::string err;
    } cases[] = {
        {{"b.gpx", "a.gpx"}, ""},
        {{"whole.fit", "b.gpx"},
         "Пропущено точек файла b.gpx со временем не позже точек, уже взятых из других файлов поездки: " +
             std::to_string(second) + " из " + std::to_string(second) + ".\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.files.front());
        std::vector<std::string> args = {"stats", "--trip", "week"};
        args.insert(args.end(), c.files.begin(), c.files.end());
        const test::CliRun trip = Run(args);
        EXPECT_EQ(trip.status, 0);
        EXPECT_EQ(trip.err, c.err);
        EXPECT_EQ(WithoutName(trip.out), report);
    }
}

TEST_F(CliTest, ATripIsCheckedAsOneTrackOfItsFiles)
{
    Track("a.plt");
    Track("b.plt");
    const struct {
        std::vector<std::string> args;
        int status;
        std::string err;
    } cases[] = {
        {{"visualise", "a.plt", "--trip"}, 2, "quillmarsh-cli: option --trip needs a value\n"},
        {{"stats", "--trip", " ", "a.plt"}, 2, "quillmarsh-cli: --trip needs a name\n"},
        {{"stats", "--trip", "d/", "a.plt"}, 2, "quillmarsh-cli: Имя поездки \"d/\" не годится"},
        // An output named like a file of the trip.
        {{"visualise", "--trip", "b", "a.plt", "b_2.plt"}, 1, ""},
        {{"stats", "--trip", "t", "a.plt", "missing.plt"},
         1,
         "missing.plt: Файл трека не найден!\nПоездка не составлена: файл трека missing.plt не прочитан.\n"},
        // The same track twice is one.
        {{"stats", "--trip", "t", "a.plt", "b.plt"},
         0,
         "Пропущено точек файла b.plt со временем не позже точек, уже взятых из других файлов поездки: 11 из 11.\n"},
    };
    Track("b_2.plt");
    for (const auto& c : cases) {
        SCOPED_TRACE(c.args[1] + " " + c.args[2]);
        const test::CliRun run = Run(c.args);
        EXPECT_EQ(run.status, c.status);
        if (c.status == 1 && c.err.empty())
            EXPECT_EQ(run.err.substr(0, run.err.find(':')), "b_2.plt");
        else
            EXPECT_EQ(run.err.substr(0, c.err.size()), c.err);
    }
}

}  // namespace
}  // namespace qm
