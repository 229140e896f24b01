// A track read from GPX is the same track as read from an OziExplorer file:
// every real .plt of tests/data/tracks, written as GPX with the same points, times
// and heights, gives the same band point lines, stops and statistics.
#include "commands/statistics.h"
#include "commands/visualise.h"
#include "formats/track_reader.h"
#include "platform/atomic_file_writer.h"
#include "platform/path_text.h"
#include "stats/report.h"
#include "support/test_support.h"
#include "support/track_as_gpx.h"
#include "visual/visual_test_support.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace qm {
namespace {

namespace fs = std::filesystem;

// The real OziExplorer tracks.
std::vector<std::string> RealTracks()
{
    std::vector<std::string> tracks;
    for (const auto& entry : fs::directory_iterator(std::string(QM_TEST_DATA) + "/tracks"))
        if (entry.path().extension() == ".plt") tracks.push_back(entry.path().string());
    return tracks;
}

// The lines of a file from its sixth on: the point count and the points.
std::string LinesFromSixth(const std::string& path)
{
    std::string text = test::ReadAll(path);
    size_t at = 0;
    for (int line = 0; line < 5 && at != std::string::npos; ++line) at = text.find('\n', at) + 1;
    return text.substr(at);
}

struct Outcome {
    std::set<std::string> files;
    std::vector<std::string> report;
};

Outcome VisualiseAndReport(const std::string& track, const std::string& outputDir, const Settings& settings)
{
    test::RecordingSink sink;
    VisualiseResult result = VisualiseTrack(track, outputDir, ScaleBandBoxes(settings.CurrentScale()), settings, sink);
    EXPECT_TRUE(result.Processed) << track;
    Outcome outcome{test::FileNames(outputDir), {}};
    if (std::optional<StatTable> table = TrackStatistics(track, settings, sink)) {
        outcome.report = BuildReport(*table, settings, track, outputDir, ReportFormat::Txt).Lines;
        outcome.report.erase(outcome.report.begin());  // "File: " and the track's path
    }
    return outcome;
}

TEST(GpxMatchesPltTest, EveryRealTrackGivesTheSameResultsAsGpx)
{
    const std::vector<std::string> tracks = RealTracks();
    ASSERT_GE(tracks.size(), 13u);
    Settings settings;
    for (const std::string& plt : tracks) {
        SCOPED_TRACE(plt);
        test::TempDir dir;
        const std::string gpx = dir.File(OutputName(plt, ".gpx"));
        WriteFileAtomically(gpx, test::TrackAsGpx(*LoadTrack(plt).Track));
        fs::create_directory(dir.File("plt"));
        fs::create_directory(dir.File("gpx"));

        const Outcome fromPlt = VisualiseAndReport(plt, dir.File("plt"), settings);
        const Outcome fromGpx = VisualiseAndReport(gpx, dir.File("gpx"), settings);
        ASSERT_EQ(fromGpx.files, fromPlt.files);
        for (const std::string& name : fromPlt.files) {
            if (name.ends_with(".wpt"))
                EXPECT_EQ(test::ReadAll(dir.File("gpx/" + name)), test::ReadAll(dir.File("plt/" + name))) << name;
            else
                EXPECT_EQ(LinesFromSixth(dir.File("gpx/" + name)), LinesFromSixth(dir.File("plt/" + name))) << name;
        }
        EXPECT_EQ(fromGpx.report, fromPlt.report);
        EXPECT_FALSE(fromPlt.report.empty());
    }
}

}  // namespace
}  // namespace qm
