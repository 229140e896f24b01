#include "stats/report.h"

#include "platform/date_time_text.h"
#include "platform/path_text.h"

#include <gtest/gtest.h>

namespace qm {
namespace {

double Hms(int h, int m, int s) { return (h * 3600 + m * 60 + s) / 86400.0; }

StatRow Row(int32_t level, int32_t number, double date, double dist, double timeSum, double timeMov, double spdSum,
            double spdMov, double climb, std::optional<double> minHgt, std::optional<double> maxHgt)
{
    return StatRow{level, number, date, dist, timeSum, timeMov, spdSum, spdMov, climb, minHgt, maxHgt, 0, 0};
}

// The two-day track of the report's documented example.
StatTable ExampleTable()
{
    return {
        Row(0, 0, 39277, 123.4, Hms(6, 35, 10), Hms(5, 2, 44), 18.7, 24.5, 812, 145, 932.7),
        Row(1, 1, 39277, 80.2, Hms(4, 10, 0), Hms(3, 20, 0), 19.2, 24.1, 600, 145, 932.7),
        Row(2, 1, 39277, 40.1, Hms(2, 0, 0), Hms(1, 40, 0), 20.1, 24.1, 300, 145, 900),
        Row(2, 2, 39277, 40.1, Hms(2, 10, 0), Hms(1, 40, 0), 18.5, 24.1, 300, 210, 932.7),
        Row(1, 2, 39278, 43.2, Hms(2, 25, 10), Hms(1, 42, 44), 17.9, 25.2, 212, 160, 650.3),
        Row(2, 1, 39278, 43.2, Hms(2, 25, 10), Hms(1, 42, 44), 17.9, 25.2, 212, 160, 650.3),
    };
}

Settings AllLevels()
{
    Settings settings;
    settings.SHOWLEVEL = {true, true, true};
    return settings;
}

std::vector<std::string> Lines(const Settings& settings, ReportFormat format,
                               const StatTable& table = ExampleTable())
{
    UseFixedDateTimeFormats();
    return BuildReport(table, settings, "C:\\Tracks\\track.plt", "out", format).Lines;
}

TEST(BuildReport, RendersTheExampleAsTxtAndCsv)
{
    std::vector<std::string> txt = {
        "File: C:\\Tracks\\track.plt",
        "     Part ;       Date ;    Dist ; Time sum ; Time mov ; Spd sum ; Spd mov ;   Climb ; Min Hgt ; Max Hgt ",
        "---------------------------------------------------------------------------------------------------------",
        "Track     ;            ;   123,4 ;  6:35:10 ;  5:02:44 ;    18,7 ;    24,5 ;   812,0 ;   145,0 ;   932,7 ",
        " Day 1    ; 14.07.2007 ;    80,2 ;  4:10:00 ;  3:20:00 ;    19,2 ;    24,1 ;   600,0 ;   145,0 ;   932,7 ",
        "  Part 1  ;            ;    40,1 ;  2:00:00 ;  1:40:00 ;    20,1 ;    24,1 ;   300,0 ;   145,0 ;   900,0 ",
        "  Part 2  ;            ;    40,1 ;  2:10:00 ;  1:40:00 ;    18,5 ;    24,1 ;   300,0 ;   210,0 ;   932,7 ",
        " Day 2    ; 15.07.2007 ;    43,2 ;  2:25:10 ;  1:42:44 ;    17,9 ;    25,2 ;   212,0 ;   160,0 ;   650,3 ",
        "  Part 1  ;            ;    43,2 ;  2:25:10 ;  1:42:44 ;    17,9 ;    25,2 ;   212,0 ;   160,0 ;   650,3 ",
    };
    std::vector<std::string> csv = {
        "File: C:\\Tracks\\track.plt",
        "Part;Date;Dist;Time sum;Time mov;Spd sum;Spd mov;Climb;Min Hgt;Max Hgt",
        "Track;;123,4;6:35:10;5:02:44;18,7;24,5;812,0;145,0;932,7",
        "Day 1;14.07.2007;80,2;4:10:00;3:20:00;19,2;24,1;600,0;145,0;932,7",
        "Part 1;;40,1;2:00:00;1:40:00;20,1;24,1;300,0;145,0;900,0",
        "Part 2;;40,1;2:10:00;1:40:00;18,5;24,1;300,0;210,0;932,7",
        "Day 2;15.07.2007;43,2;2:25:10;1:42:44;17,9;25,2;212,0;160,0;650,3",
        "Part 1;;43,2;2:25:10;1:42:44;17,9;25,2;212,0;160,0;650,3",
    };
    EXPECT_EQ(Lines(AllLevels(), ReportFormat::Txt), txt);
    EXPECT_EQ(Lines(AllLevels(), ReportFormat::Csv), csv);

    // The default levels leave the parts out.
    std::vector<std::string> days = Lines(Settings{}, ReportFormat::Csv);
    EXPECT_EQ(days, (std::vector<std::string>{csv[0], csv[1], csv[2], csv[3], csv[6]}));
}

// A row without a known height leaves its height cells empty: blanks of the
// column's width, or an empty field.
TEST(BuildReport, UnknownHeightsAreEmptyCells)
{
    const StatTable table = {Row(0, 0, 39277, 1, Hms(1, 0, 0), Hms(1, 0, 0), 1, 1, 0, std::nullopt, std::nullopt)};
    EXPECT_EQ(Lines(Settings{}, ReportFormat::Txt, table)[3],
              "Track     ;            ;     1,0 ;  1:00:00 ;  1:00:00 ;     1,0 ;     1,0 ;     0,0 ;         ;         ");
    EXPECT_EQ(Lines(Settings{}, ReportFormat::Csv, table)[2], "Track;;1,0;1:00:00;1:00:00;1,0;1,0;0,0;;");
}

TEST(BuildReport, FollowsTheDelimiterFieldAndLevelOptions)
{
    Settings settings;
    settings.DECDELIM = settings.FIELDDELIM = ",";
    EXPECT_EQ(Lines(settings, ReportFormat::Csv)[2], "Track,,123,4,6:35:10,5:02:44,18,7,24,5,812,0,145,0,932,7");

    settings = Settings();
    settings.SHOWLEVEL = {false, false, false};
    EXPECT_EQ(Lines(settings, ReportFormat::Txt).size(), 3u);  // file, heading and rule lines only
    EXPECT_EQ(Lines(settings, ReportFormat::Csv).size(), 2u);

    settings = AllLevels();
    settings.SHOWFIELD.fill(false);
    settings.SHOWFIELD[11] = true;
    settings.HORDELIM = "=";
    StatTable table = ExampleTable();
    table[0].LastPoint = 1234;
    std::vector<std::string> lines = Lines(settings, ReportFormat::Txt, table);
    EXPECT_EQ(std::vector<std::string>(lines.begin() + 1, lines.begin() + 4),
              (std::vector<std::string>{"   End ", "=======", "  1235 "}));

    settings.SHOWFIELD.fill(true);
    settings.SHOWFIELD[0] = false;
    EXPECT_EQ(Lines(settings, ReportFormat::Txt)[4].substr(0, 13), " 14.07.2007 ;");

    settings.SHOWFIELD.fill(false);
    lines = Lines(settings, ReportFormat::Txt);
    EXPECT_EQ(lines, (std::vector<std::string>{lines[0], "", "", "", "", "", "", "", ""}));
}

TEST(BuildReport, CutsLongTextsOnlyInTxt)
{
    Settings settings = AllLevels();
    settings.SHOWFIELD = {true, false, false, true};
    StatTable table = {Row(2, 1234, 0, 0, Hms(26, 5, 0), 0, 0, 0, 0, 0, 0)};
    EXPECT_EQ(Lines(settings, ReportFormat::Txt, table)[3], "  Part 123; 26:05:00 ");
    EXPECT_EQ(Lines(settings, ReportFormat::Csv, table)[2], "Part 1234;26:05:00");
    EXPECT_EQ(PadCell("123456789", 9, 'R', ReportFormat::Txt), "23456789 ");
    EXPECT_EQ(PadCell(" \t Day 2\r ", 10, 'r', ReportFormat::Csv), "Day 2");
}

TEST(ReportFileName, ReplacesThePltOfTheTrackName)
{
    EXPECT_EQ(ReportFileName("D:/Out", "C:/Tracks/day1.plt", ReportFormat::Txt),
              std::string("D:/Out") + kPathSeparator + "day1_stat.txt");
    EXPECT_EQ(ReportFileName("D:/Out/", "C:/Tracks/day1.plt", ReportFormat::Csv), "D:/Out/day1_stat.csv");
    EXPECT_EQ(ReportFileName("out", "/t/TRACK.PLT", ReportFormat::Txt), std::string("out") + kPathSeparator + "TRACK_stat.txt");
}

}  // namespace
}  // namespace qm
