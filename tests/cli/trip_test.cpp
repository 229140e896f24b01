// Several files given as one trip.
#include "cli/cli_fixture.h"
#include "visual/visual_test_support.h"

namespace qm {
namespace {

using test::CliTest;

// A real logger's track of six pieces as one file and as three files split
// where a piece starts (lines of the header, then the points).
struct SplitTrack : CliTest {
    static constexpr size_t kHeaderLines = 6;
    std::vector<std::string> lines = Lines(test::ReadAll(
        QM_TEST_DATA "/tracks/gpsbabel-derived-reference-track-mtk_logger_m241_multiple_tracks.plt"));

    static std::vector<std::string> Lines(const std::string& text)
    {
        std::vector<std::string> lines;
        for (size_t at = 0; at < text.size();) {
            const size_t end = text.find('\n', at);
            lines.push_back(text.substr(at, end == std::string::npos ? end : end + 1 - at));
            at = end == std::string::npos ? text.size() : end + 1;
        }
        return lines;
    }
    // The header and the points [first, end) as a file.
    std::string Part(const std::string& name, size_t first, size_t end)
    {
        std::string text;
        for (size_t i = 0; i < kHeaderLines; ++i) text += lines[i];
        for (size_t i = kHeaderLines + first; i < std::min(lines.size(), kHeaderLines + end); ++i) text += lines[i];
        return work.Write(name, text);
    }
    void WriteParts()
    {
        Part("whole.plt", 0, lines.size());
        Part("p1.plt", 0, 7355);
        Part("p2.plt", 7355, 10716);
        Part("p3.plt", 10716, lines.size());
    }
};

// The report's lines but the one that names the track.
std::string WithoutName(const std::string& report)
{
    std::string kept;
    for (const std::string& line : SplitTrack::Lines(report))
        if (line.find("whole") == std::string::npos && line.find("week") == std::string::npos) kept += line;
    return kept;
}

TEST_F(SplitTrack, TheFilesOfATripGiveWhatTheWholeTrackGives)
{
    WriteParts();
    for (const std::string format : {"txt", "csv"}) {
        SCOPED_TRACE(format);
        const test::CliRun whole = Run({"stats", "whole.plt", "--format", format});
        // In any order, the pieces go by their times.
        const test::CliRun trip = Run({"stats", "--trip", "week", "p1.plt", "p3.plt", "p2.plt", "--format", format});
        ASSERT_EQ(trip.status, 0) << trip.err;
        EXPECT_EQ(trip.err, "");
        EXPECT_NE(whole.out.find("whole"), std::string::npos);
        EXPECT_NE(trip.out.find("week"), std::string::npos);
        EXPECT_EQ(WithoutName(trip.out), WithoutName(whole.out));
    }
    ASSERT_EQ(Run({"visualise", "whole.plt", "--out", "w"}).status, 0);
    const test::CliRun trip = Run({"visualise", "p2.plt", "--trip", "week", "p1.plt", "p3.plt", "--out", "t"});
    ASSERT_EQ(trip.status, 0) << trip.err;
    EXPECT_EQ(trip.out, "week.trip: трек обработан\n");
    const std::set<std::string> written = test::FileNames(work.File("w"));
    std::set<std::string> tripWritten;
    for (const std::string& name : written) {
        const std::string tripName = "week" + name.substr(5);
        tripWritten.insert(tripName);
        EXPECT_EQ(test::ReadAll(work.File("t/" + tripName)), test::ReadAll(work.File("w/" + name))) << name;
    }
    EXPECT_EQ(test::FileNames(work.File("t")), tripWritten);
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
