#include "formats/ozi/plt_writer.h"

#include "formats/visualisation_files.h"

#include "support/test_support.h"
#include "visual/visual_test_support.h"

#include <gtest/gtest.h>

namespace qm {
namespace {

using test::ReadAll;
using test::TempDir;

TEST(PointLineWriter, FixedWidthNumbersAndDateTimeTexts)
{
    PointLineWriter lines;
    char text[2 * PointLineWriter::kMaxLine];
    char* end = lines.Write(text, TrackPoint{55.755831, 37.617673, 39000.5, 512 * 0.3048}, 1);
    end = lines.Write(end, TrackPoint{-33.9, -114.06445, 36558.70025462963, {}, false}, 2);
    EXPECT_EQ(std::string(text, end), "55.755831,37.617673,1,512,39000.5000000,10.10.2006,12:00:00\r\n"
                   "-33.90000,-114.0644,2,-777,36558.7002546,02.02.2000,16:48:22\r\n");
}

// Heights in metres as whole feet, halves to the even neighbour.
TEST(PointLineWriter, HeightsInWholeFeet)
{
    const std::pair<double, std::string> cases[] = {
        {70.79, "232"}, {10, "33"}, {100, "328"}, {1.0668, "4"}, {0.1524, "0"}, {-0.1524, "0"}, {0.4572, "2"},
        {-236.8296, "-777"}, {1e9, "2147483647"}};
    for (const auto& [metres, feet] : cases) {
        PointLineWriter lines;
        char text[PointLineWriter::kMaxLine];
        const std::string line(text, lines.Write(text, TrackPoint{1, 2, 39000.5, metres}, 0));
        EXPECT_EQ(line.substr(0, line.find(",39000")), "1.0000000,2.0000000,0," + feet) << metres;
    }
}

// Three runs: 0-3 and 7-10 in band 1 (5 km/h), 3-7 in band 3 (12 km/h),
// with a break point at 5 inside the second.
struct BandFilesTest : ::testing::Test {
    TempDir dir;
    Track track;
    PltDetails details;
    Visualisation visualisation{MakeSpeedBands(ScaleBandBoxes(SpdCatSet{"1", DefaultBands()})),
                                {{0, 3, 0, 0, 0, 1}, {3, 7, 0, 0, 0, 3}, {7, 10, 0, 0, 0, 1}},
                                {}};
    SpeedBands& bands = visualisation.Bands;
    std::vector<std::string> written;

    BandFilesTest()
    {
        details.Header = {"OziExplorer Track Point File Version 2.1", "WGS 84", "Altitude is in Feet", "Reserved 3",
                          "0,2,255,walk,0,0,2,8421376"};
        track.Points = test::Walk({{5}, {5}, {5}, {12}, {12, 1}, {12}, {12}, {5}, {5}, {5}});
        bands[1].StepCount = 6;
        bands[3].StepCount = 3;  // written as given: not the number of point lines
    }

    std::vector<std::string> BandFiles(const std::string& outputDir, const std::string& trackPath) const
    {
        return PlanVisualisationFiles(OutputFormat::Plt, outputDir, trackPath, bands).BandFiles;
    }

    std::string PointLines(std::initializer_list<std::pair<int, int>> pointsAndCodes) const
    {
        std::string text;
        PointLineWriter lines;
        char line[PointLineWriter::kMaxLine];
        for (auto [p, code] : pointsAndCodes) text.append(line, lines.Write(line, track.Points[p], code));
        return text;
    }
};

TEST_F(BandFilesTest, OneFilePerBandWithStepsEachRunStartingWithBreakCodeOne)
{
    WriteBandTracks(BandFiles(dir.path(), "/gps/walk.plt"), track, details, visualisation, 4, written);
    EXPECT_EQ(written, (std::vector<std::string>{dir.File("walk_5.plt"), dir.File("walk_15.plt")}));
    EXPECT_EQ(test::FileNames(dir.path()).size(), 2u);

    const std::string header = "OziExplorer Track Point File Version 2.1\r\nWGS 84\r\nAltitude is in Feet\r\n"
                               "Reserved 3\r\n";
    EXPECT_EQ(ReadAll(dir.File("walk_5.plt")),
              header + "0,4,20735,2-5 km/h,0,0,2,8421376\r\n6\r\n" +
                  PointLines({{0, 1}, {1, 0}, {2, 0}, {3, 0}, {7, 1}, {8, 0}, {9, 0}, {10, 0}}));
    EXPECT_EQ(ReadAll(dir.File("walk_15.plt")),
              header + "0,4,65535,10-15 km/h,0,0,2,8421376\r\n3\r\n" +
                  PointLines({{3, 1}, {4, 0}, {5, 1}, {6, 0}, {7, 0}}));
}

TEST_F(BandFilesTest, NamesFollowTheTrackAndAnExistingFileIsReplaced)
{
    bands[3].StepCount = 0;
    dir.Write("WALK_5.plt", "old");
    dir.Write("WALK_15.plt", "other");
    WriteBandTracks(BandFiles(dir.path() + "/", "WALK.PLT"), track, details, visualisation, 4, written);
    EXPECT_NE(ReadAll(dir.File("WALK_5.plt")), "old");
    EXPECT_EQ(ReadAll(dir.File("WALK_15.plt")), "other");
    EXPECT_EQ(test::FileNames(dir.path()).size(), 2u);
}

// The break codes other than 0 and 1 go back as read; a CR left alone in a
// header line becomes a blank, so that no reader sees an extra line.
TEST_F(BandFilesTest, KeepsOtherBreakCodesAndBlanksALoneCr)
{
    details.BreakCodes = {{track.Points[5].DateTime, 2}};
    details.Header[1] = "WGS\r84";
    details.Header[4] = "0,2,255,walk,0,0,2\r,8421376";
    WriteBandTracks(BandFiles(dir.path(), "walk.plt"), track, details, visualisation, 4, written);
    EXPECT_EQ(ReadAll(dir.File("walk_15.plt")),
              "OziExplorer Track Point File Version 2.1\r\nWGS 84\r\nAltitude is in Feet\r\nReserved 3\r\n"
              "0,4,65535,10-15 km/h,0,0,2 ,8421376\r\n3\r\n" +
                  PointLines({{3, 1}, {4, 0}, {5, 2}, {6, 0}, {7, 0}}));
}

}  // namespace
}  // namespace qm
