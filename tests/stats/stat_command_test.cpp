#include "stats/stat_command.h"

#include "platform/date_time_text.h"
#include "stats/report.h"
#include "stats/report_save.h"
#include "support/test_support.h"

#include <gtest/gtest.h>

namespace qm {
namespace {

class FakeWindow : public StatisticsControls {
public:
    std::vector<std::string> calls;
    void ControlsEnabled(bool enabled) override { calls.push_back(enabled ? "enable" : "disable"); }
    void ShowStatisticsWindow() override { calls.push_back("window"); }
};

const std::string kHeader = "OziExplorer Track Point File Version 2.1\r\nWGS 84\r\nAltitude is in Feet\r\n"
                            "Reserved 3\r\n0,2,255,,0,0,2,8421376\r\n0\r\n";

struct StatCommand : ::testing::Test {
    bool Run(const std::string& path) { return GetStatExecute(path, settings, table, window, sink); }

    test::TempDir dir;
    Settings settings;
    TStatRecArray table = TStatRecArray(2);
    FakeWindow window;
    test::RecordingSink sink;
};

TEST_F(StatCommand, TrackWithoutPointsKeepsTheTableAndGivesTheControlsBack)
{
    EXPECT_FALSE(Run(dir.File("none.plt")));
    EXPECT_EQ(sink.messages, (std::vector<std::string>{"Файл трека не найден!", "Нет данных для расчета."}));
    EXPECT_EQ(window.calls, (std::vector<std::string>{"disable", "enable"}));
    EXPECT_EQ(table.size(), 2u);
}

TEST_F(StatCommand, ErrorWhileLoadingIsShownAndKeepsTheTable)
{
    EXPECT_FALSE(Run(dir.Write("bad.plt", kHeader + "55.1,37.2,0,100,40000.5,,\r\n55.2,37.2,0,1x0,40000.6,,\r\n")));
    EXPECT_TRUE(sink.messages.empty());
    EXPECT_EQ(sink.errors, (std::vector<std::string>{"'1x0' is not a valid floating point value"}));
    EXPECT_EQ(window.calls, (std::vector<std::string>{"disable", "enable"}));
    EXPECT_EQ(table.size(), 2u);
}

TEST_F(StatCommand, ComputedTableReplacesTheEarlierOneAndOpensTheWindow)
{
    table.resize(10);
    // The third point goes back in time: the reader cuts the track to two points.
    std::string path = dir.Write("cut.plt", kHeader + "55.1,37.2,0,100,40000.5,,\r\n55.2,37.2,0,200,40000.6,,\r\n"
                                                      "55.3,37.2,0,300,40000.55,,\r\n");
    EXPECT_TRUE(Run(path));
    EXPECT_EQ(sink.messages.size(), 1u);  // the reader's own
    EXPECT_EQ(window.calls, (std::vector<std::string>{"disable", "window"}));
    ASSERT_EQ(table.size(), 3u);
    EXPECT_EQ(table[0].LastPoint, 1);
}

// Real tracks, reports compared byte for byte with checked files.
TEST_F(StatCommand, ReportsOfRealTracksMatchTheCheckedFiles)
{
    const std::string data = QM_TEST_DATA;
    UseFixedDateTimeFormats();
    for (const char* name : {"mapsoft2-programs-ms2xyz-test_data-test", "mapsoft2-programs-ms2xyz-test_data-20040222_full",
                             "gpsbabel-derived-reference-track-dg100",
                             "gpsbabel-derived-reference-track-mtk_logger_m241_multiple_tracks"}) {
        std::string track = "stats/" + std::string(name) + ".plt";
        ASSERT_TRUE(Run(data + "/" + track)) << name;
        for (bool allLevels : {false, true}) {
            Settings report;
            if (allLevels) {
                report.SHOWFIELD.fill(true);
                report.SHOWLEVEL.fill(true);
            }
            for (ReportFormat format : {ReportFormat::Txt, ReportFormat::Csv}) {
                if (allLevels && format == ReportFormat::Csv) continue;
                std::string expected = data + "/stats/expected" + (allLevels ? "/all-levels" : "");
                Report built = BuildReport(table, report, track, dir.path(), format);
                SaveReport(built);
                std::string saved = ReportFileName(dir.path(), track, format);
                EXPECT_EQ(built.FileName, saved);
                EXPECT_EQ(test::ReadAll(saved), test::ReadAll(ReportFileName(expected, track, format))) << saved;
            }
        }
    }
}

}  // namespace
}  // namespace qm
