// Several files given as one trip.
#include "cli/cli_fixture.h"
#include "support/split_track.h"
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
