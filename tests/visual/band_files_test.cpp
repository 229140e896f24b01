#include "visual/band_files.h"

#include "platform/error.h"
#include "support/test_support.h"
#include "visual/visual_test_support.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace qm {
namespace {

using test::ReadAll;
using test::TempDir;

TEST(ReplaceField, ReplacesTheNthFieldWithItsBlanksAndAddsMissingFields)
{
    const char* line = "0,2,65280, my name ,0,0,2,8421376";
    EXPECT_EQ(ReplaceField(line, 4, "x"), "0,2,65280,x,0,0,2,8421376");
    EXPECT_EQ(ReplaceField(line, 1, "9"), "9,2,65280, my name ,0,0,2,8421376");
    EXPECT_EQ(ReplaceField(line, 8, "1"), "0,2,65280, my name ,0,0,2,1");
    EXPECT_EQ(ReplaceField("a,,c", 2, "b"), "a,b,c");
    EXPECT_EQ(ReplaceField("0,2", 4, "x"), "0,2,,x");
    EXPECT_EQ(ReplaceField("0,2", 3, "x"), "0,2,x");
    EXPECT_EQ(ReplaceField("", 2, "x"), ",x");
}

TEST(BandDisplayLine, PutsWidthColourAndSpeedRange)
{
    WorkBand band{0, 2, 255, 7};
    EXPECT_EQ(BandDisplayLine("0,2,65280,name,0,0,2,8421376", band, 5), "0,5,255,0-2 km/h,0,0,2,8421376");
    EXPECT_EQ(BandDisplayLine("0,2,255,Vezelay   ,1,0,2,8421376,0", WorkBand{40, 1000, 61456, 1}, 3),
              "0,3,61456,40-1000 km/h,1,0,2,8421376,0");
    EXPECT_EQ(BandDisplayLine("0", band, 5), "0,5,255,0-2 km/h");
}

TEST(AppendPointLine, FixedWidthNumbersAndDateTimeTexts)
{
    std::string out = "x";
    AppendPointLine(out, TrackPoint{55.755831, 37.617673, 0, 512, 39000.5}, 1);
    AppendPointLine(out, TrackPoint{-33.9, -114.06445, 2, -777, 36558.70025462963}, 2);
    EXPECT_EQ(out, "x55.755831,37.617673,1,512,39000.5000000,10.10.2006,12:00:00\r\n"
                   "-33.90000,-114.0644,2,-777,36558.7002546,02.02.2000,16:48:22\r\n");
}

// Three runs: 0-3 and 7-10 in band 1 (5 km/h), 3-7 in band 3 (12 km/h),
// with a break point at 5 inside the second.
struct BandFilesTest : ::testing::Test {
    TempDir dir;
    Track track;
    std::vector<SpeedRun> runs = {{0, 3, 0, 0, 0, 1}, {3, 7, 0, 0, 0, 3}, {7, 10, 0, 0, 0, 1}};
    WorkBands bands = MakeWorkBands(ScaleBandBoxes(SpdCatSet{"1", DefaultBands()}));

    BandFilesTest()
    {
        track.Header = {"OziExplorer Track Point File Version 2.1", "WGS 84", "Altitude is in Feet", "Reserved 3",
                        "0,2,255,walk,0,0,2,8421376"};
        track.Points = test::Walk({{5}, {5}, {5}, {12}, {12, 1}, {12}, {12}, {5}, {5}, {5}});
        track.PointCount = static_cast<int32_t>(track.Points.size());
        bands[1].StepCount = 6;
        bands[3].StepCount = 3;  // written as given: not the number of point lines
    }

    std::string PointLines(std::initializer_list<std::pair<int, int>> pointsAndCodes) const
    {
        std::string text;
        for (auto [p, code] : pointsAndCodes) AppendPointLine(text, track.Points[p], code);
        return text;
    }
};

TEST_F(BandFilesTest, OneFilePerBandWithStepsEachRunStartingWithBreakCodeOne)
{
    WriteBandFiles(dir.path(), "/gps/walk.plt", track, runs, bands, 4);
    EXPECT_EQ(test::FileNames(dir.path()), (std::set<std::string>{"walk_15.plt", "walk_5.plt"}));

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
    WriteBandFiles(dir.path() + "/", "WALK.PLT", track, runs, bands, 4);
    EXPECT_NE(ReadAll(dir.File("WALK_5.plt")), "old");
    EXPECT_EQ(ReadAll(dir.File("WALK_15.plt")), "other");
    EXPECT_EQ(test::FileNames(dir.path()).size(), 2u);
}

TEST_F(BandFilesTest, AFailureLeavesExactlyTheFilesOfTheBandsBeforeIt)
{
    runs.push_back({9, 10, 0, 0, 0, 5});
    bands[5].StepCount = 1;
    std::filesystem::create_directory(dir.File("walk_15.plt"));  // band 3's file cannot replace it
    try {
        WriteBandFiles(dir.path(), "walk.plt", track, runs, bands, 4);
        ADD_FAILURE() << "no error";
    } catch (const Error& error) {
        EXPECT_EQ(std::string(error.what()), "Cannot write file \"" + dir.File("walk_15.plt") + "\". Is a directory");
    }
    // No walk_25.plt, no temporary file.
    EXPECT_EQ(test::FileNames(dir.path()), (std::set<std::string>{"walk_15.plt", "walk_5.plt"}));
}

}  // namespace
}  // namespace qm
