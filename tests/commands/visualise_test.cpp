#include "commands/visualise.h"

#include "commands/statistics.h"
#include "formats/visualisation_files.h"
#include "stats/report.h"

#include "support/test_support.h"
#include "visual/visual_test_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

namespace qm {
namespace {

using test::FileNames;
using test::ReadAll;
using test::Texts;

// Two points a minute apart, 100 m apart: one run at 6 km/h (band 2, upper 10).
const std::string kTrack =
    "OziExplorer Track Point File Version 2.1\r\nWGS 84\r\nAltitude is in Feet\r\nReserved 3\r\n"
    "0,2,255,walk,0,0,2,8421376\r\n2\r\n"
    "50.000000,30.000000,1,100,40000.0000000,,\r\n"
    "50.000900,30.000000,0,100,40000.0006944,,\r\n";

struct VisualiseTest : ::testing::Test {
    // Runs the command; gives the messages it showed, then the errors it
    // showed and the error that ended it after "error: ", or the success.
    Texts Run(const TrackFiles& track, const std::string& outputDir, bool processed)
    {
        test::RecordingSink sink;
        VisualiseResult result =
            VisualiseTrack(track, outputDir, ScaleBandBoxes(settings.CurrentScale()), settings, sink);
        EXPECT_EQ(result.Processed, processed);
        for (const std::string& error : sink.errors) sink.messages.push_back("error: " + error);
        if (result.Error) sink.messages.push_back("error: " + std::string(result.Error->what()));
        if (result.Processed) sink.messages.push_back(MessageText(MessageId::TrackProcessed));
        written = result.FilesWritten;
        return sink.messages;
    }

    test::TempDir dir;
    Settings settings;
    std::vector<std::string> written;
};

TEST_F(VisualiseTest, ANonPositiveIntervalIsRefusedBeforeAnythingElse)
{
    for (double interval : {0.0, -2.0}) {
        settings.TIMEINTRVL = interval;
        EXPECT_EQ(Run(dir.Write("walk.plt", kTrack), dir.File("out"), false),
                  Texts{"Интервал расчета должен быть больше 0."});
        EXPECT_FALSE(std::filesystem::exists(dir.File("out")));
    }
}

// An output that is a file of the track, by name (a trip named like the
// outputs of its own files) or by a link, is refused before anything is read.
TEST_F(VisualiseTest, NoOutputReplacesAFileOfTheTrack)
{
    const std::string walk = dir.Write("walk.plt", kTrack);
    const std::string second = dir.Write("b_2.plt", kTrack);
    std::filesystem::create_hard_link(walk, dir.File("walk_2.plt"));
    const struct {
        TrackFiles track;
        std::string replaced;
        std::string output;
    } cases[] = {
        {TrackFiles({walk, second}, dir.File("b")), second, second},
        {walk, walk, dir.File("walk_2.plt")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.track.Name);
        EXPECT_EQ(Run(c.track, dir.path(), false),
                  Texts{"Результат " + c.output + " заменил бы файл трека " + c.replaced + ": ничего не записано."});
        EXPECT_EQ(ReadAll(c.replaced), kTrack);
        EXPECT_EQ(FileNames(dir.path()), (std::set<std::string>{"b_2.plt", "walk.plt", "walk_2.plt"}));
    }
}

TEST_F(VisualiseTest, EveryWayOutIsReported)
{
    const std::string walk = dir.Write("walk.plt", kTrack);
    const std::string bad = dir.Write("bad.plt", "OziExplorer Track Point File\r\n\r\n\r\n\r\n\r\nx\r\n");
    std::filesystem::create_directory(dir.File("walk_stop.wpt"));  // the stop file cannot replace a directory
    const std::tuple<std::string, std::string, std::string> cases[] = {
        {walk, dir.File("a/b"), "Не удается создать директорию " + dir.File("a/b") + "! Нет такого файла или каталога"},  // one level only
        {dir.File("missing.plt"), dir.File("out"), "Файл трека не найден!"},
        {bad, dir.File("out"), "error: 'x' is not a valid integer value"},
        {walk, dir.path(), "error: Не удается создать файл \"" + dir.File("walk_stop.wpt") + "\". Это каталог"}};
    for (const auto& [track, out, shown] : cases) {
        EXPECT_EQ(Run(track, out, false), Texts{shown});
    }
    EXPECT_FALSE(std::filesystem::exists(dir.File("a")));
    EXPECT_TRUE(FileNames(dir.File("out")).empty());  // created before the track was read
    EXPECT_EQ(FileNames(dir.path()), (std::set<std::string>{"bad.plt", "out", "walk.plt", "walk_10.plt",
                                                            "walk_stop.wpt"}));  // the band file before the failure
    EXPECT_EQ(written, std::vector<std::string>{dir.File("walk_10.plt")});
}

TEST_F(VisualiseTest, AOnePointTrackGivesOnlyTheStopFileHeader)
{
    EXPECT_EQ(Run(dir.Write("one.plt", kTrack.substr(0, kTrack.rfind("50.000900"))), dir.path(), true),
              Texts{"трек обработан"});
    EXPECT_EQ(FileNames(dir.path()), (std::set<std::string>{"one.plt", "one_stop.wpt"}));
    EXPECT_EQ(ReadAll(dir.File("one_stop.wpt")),
              "OziExplorer Waypoint File Version 1.1\r\nWGS 84\r\nReserved 2\r\ngarmin\r\n");
}

TEST_F(VisualiseTest, ATrackCutAtATimeOutOfOrderIsStillProcessed)
{
    const std::string track = dir.Write("walk.plt", kTrack + "50.001800,30.000000,0,100,40000.0006944,,\r\n");
    Texts shown = Run(track, dir.path(), true);
    ASSERT_EQ(shown.size(), 2u);
    EXPECT_TRUE(shown[0].starts_with("Ошибка в треке!"));
    EXPECT_EQ(shown[1], "трек обработан");
    std::string band = ReadAll(dir.File("walk_10.plt"));
    EXPECT_EQ(std::count(band.begin(), band.end(), '\n'), 8) << band;  // six header lines, two points
}

// GPX and KML are one file each, written and failing as the OziExplorer files do.
TEST_F(VisualiseTest, TheFormatSettingChoosesTheOneFileWritten)
{
    const std::string walk = dir.Write("walk.plt", kTrack);
    for (const auto& [format, name] : {std::pair{OutputFormat::Gpx, "walk_speed.gpx"},
                                       std::pair{OutputFormat::Kml, "walk_speed.kml"}}) {
        settings.OUTFORMAT = format;
        EXPECT_EQ(Run(walk, dir.File("out"), true), Texts{"трек обработан"});
        EXPECT_EQ(written, std::vector<std::string>{dir.File("out/") + name});
        std::filesystem::create_directory(dir.File(name));
        EXPECT_EQ(Run(walk, dir.path(), false),
                  Texts{"error: Не удается создать файл \"" + dir.File(name) + "\". Это каталог"});
        EXPECT_TRUE(written.empty());
    }
    EXPECT_EQ(FileNames(dir.File("out")), (std::set<std::string>{"walk_speed.gpx", "walk_speed.kml"}));
    EXPECT_EQ(FileNames(dir.path()), (std::set<std::string>{"out", "walk.plt", "walk_speed.gpx", "walk_speed.kml"}));
}

TEST_F(VisualiseTest, OutputNamesReplaceTheRealExtensionAsPlanned)
{
    // The track's content decides its format, its last extension what its outputs are named after.
    const std::tuple<const char*, OutputFormat, std::vector<std::string>> cases[] = {
        {"x.plt.gpx", OutputFormat::Plt, {"x.plt_10.plt", "x.plt_stop.wpt"}},
        {"x.plt.gpx", OutputFormat::Gpx, {"x.plt_speed.gpx"}},
        {"x.gpx.txt", OutputFormat::Kml, {"x.gpx_speed.kml"}},
        {"x.gpx.plt", OutputFormat::Plt, {"x.gpx_10.plt", "x.gpx_stop.wpt"}},
        {"x.plt.plt", OutputFormat::Gpx, {"x_speed.gpx.plt"}}};
    for (const auto& [name, format, expected] : cases) {
        SCOPED_TRACE(name);
        test::TempDir out;
        settings.OUTFORMAT = format;
        const std::string track = dir.Write(name, kTrack);
        EXPECT_EQ(Run(track, out.path(), true), Texts{"трек обработан"});
        std::vector<std::string> names;
        for (const std::string& path : written) names.push_back(path.substr(out.path().size() + 1));
        EXPECT_EQ(names, expected);
        EXPECT_EQ(FileNames(out.path()), std::set<std::string>(expected.begin(), expected.end()));
        // What was written is what the batch check plans for.
        const std::vector<std::string> planned =
            PlanVisualisationFiles(format, out.path(), track, MakeSpeedBands(ScaleBandBoxes(settings.CurrentScale())))
                .All();
        for (const std::string& path : written) EXPECT_NE(std::find(planned.begin(), planned.end(), path), planned.end());
    }
}

// Our own GPX file holds one track per band, each run a segment: read again,
// it is the track it came from, with the same statistics.
TEST_F(VisualiseTest, TheGpxFileReadsBackAsTheSameTrack)
{
    settings.OUTFORMAT = OutputFormat::Gpx;
    for (const std::string name : {"mapsoft2-programs-ms2xyz-test_data-test.plt",
                                   "wladich-nakarte-test-track_load_data-files-osm_prototype_with_title.gpx"}) {
        const std::string track = std::string(QM_TEST_DATA) + "/tracks/" + name;
        Run(track, dir.path(), true);
        ASSERT_EQ(written.size(), 1u);
        test::RecordingSink sink;
        auto report = [&](const std::string& path) {
            std::optional<StatTable> table = TrackStatistics(path, settings, sink);
            EXPECT_TRUE(table.has_value()) << path;
            std::vector<std::string> lines = BuildReport(table.value_or(StatTable{}), settings, "", "", ReportFormat::Txt).Lines;
            return lines;
        };
        EXPECT_EQ(report(written[0]), report(track)) << name;
    }
}

// A width beyond what a line can be is written at its bound.
TEST_F(VisualiseTest, TrackWidthIsWrittenWithinOneToFiftyPixels)
{
    const std::string walk = dir.Write("walk.plt", kTrack);
    const struct {
        int32_t width;
        std::string written;
    } widths[] = {{1000000000, "50"}, {50, "50"}, {7, "7"}, {0, "1"}, {-3, "1"}};
    for (const auto& w : widths) {
        settings.TRACKWIDTH = w.width;
        for (const auto& [format, tag] : {std::pair{OutputFormat::Gpx, "<gpx_style:width>"},
                                          std::pair{OutputFormat::Kml, "<width>"}}) {
            settings.OUTFORMAT = format;
            Run(walk, dir.path(), true);
            ASSERT_EQ(written.size(), 1u);
            EXPECT_NE(ReadAll(written[0]).find(std::string(tag) + w.written + "<"), std::string::npos)
                << w.width << " " << tag;
        }
    }
}

}  // namespace
}  // namespace qm
