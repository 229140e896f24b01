#include "platform/path_text.h"

#include "support/test_support.h"

#include <gtest/gtest.h>

namespace qm {
namespace {

TEST(PathText, DirAndNameParts)
{
    const char* cases[][3] = {
        {"/gps/2010/a.plt", "/gps/2010/", "a.plt"}, {"a.plt", "", "a.plt"}, {"/gps/", "/gps/", ""},
#ifdef _WIN32
        // Either separator, a drive letter or a UNC name.
        {"C:\\gps\\a.plt", "C:\\gps\\", "a.plt"}, {"C:a.plt", "C:", "a.plt"}, {"D:\\gps/x\\a.plt", "D:\\gps/x\\", "a.plt"},
        {"\\\\server\\share\\a.plt", "\\\\server\\share\\", "a.plt"}, {"C:\\", "C:\\", ""},
#else
        {"C:\\gps\\a.plt", "", "C:\\gps\\a.plt"},
#endif
    };
    for (const auto& c : cases) {
        EXPECT_EQ(PathDirPart(c[0]), c[1]) << c[0];
        EXPECT_EQ(PathNamePart(c[0]), c[2]) << c[0];
    }
    const std::string longName(1200, 'n');
    EXPECT_EQ(PathNamePart("/gps/" + longName), longName.substr(0, 1000));
}

// A .plt track's sub-folder replaces its first lower-case ".plt"; any other
// track's its last extension, in any case.
TEST(PathText, SubFolderReplacesTheTracksExtension)
{
    const char* cases[][2] = {{"/gps/2010-05-01.plt", "2010-05-01/"}, {"/gps/WALK.PLT", "WALK.PLT"},
                              {"/gps/a.plt.plt", "a/.plt"},           {"/x.plt/run", "run"},
                              {"/gps/walk.gpx", "walk/"},             {"/gps/a.gpx.plt", "a.gpx/"},
                              {"/gps/ride.fit", "ride/"},             {"/gps/RIDE.FIT", "RIDE/"},
                              {"/gps/x.plt.gpx", "x.plt/"},           {"/gps/x.gpx.gpx", "x.gpx/"},
                              {"/gps/day.2024.kmz", "day.2024/"},     {"/gps/flight.igc", "flight/"},
                              {"/gps/.nmea", ".nmea"},                {"/gps/x.Plt.plt", "x.Plt/"},
                              {"", ""}};
    for (const auto& c : cases) EXPECT_EQ(SubFolderName(c[0]), test::Native(c[1])) << c[0];
}

TEST(PathText, OutputNamesNeverEqualTheTrack)
{
    const char* cases[][3] = {
        {"/d/TRACK.PLT", "_5.plt", "TRACK_5.plt"},       {"/d/TRACK.PLT", "_stop.wpt", "TRACK_stop.wpt"},
        {"/d/TRACK.PLT", "_stat.txt", "TRACK_stat.txt"}, {"/d/run.plt.plt", "_5.plt", "run_5.plt.plt"},
        {"/d/x.Plt.plt", "_stat.csv", "x.Plt_stat.csv"}, {"/d/run", "_1000.plt", "run_1000.plt"},
        {"/d.plt/walk", "_stop.wpt", "walk_stop.wpt"},   {"/d/walk.GPX", "_5.plt", "walk_5.plt"},
        {"/d/a.gpx.PLT", "_speed.kml", "a.gpx_speed.kml"}, {"/d/x.plt.gpx", "_speed.gpx", "x.plt_speed.gpx"},
        {"/d/x.plt.gpx", "_2.plt", "x.plt_2.plt"},        {"/d/x.PLT.gpx", "_stat.txt", "x.PLT_stat.txt"},
        {"/d/walk.xml", "_stop.wpt", "walk_stop.wpt"},   {"/d/.gpx", "_5.plt", ".gpx_5.plt"},
        {"/d/.plt", "_5.plt", "_5.plt"}};
    for (const auto& c : cases) {
        EXPECT_EQ(OutputName(c[0], c[1]), c[2]) << c[0];
        // A trip's name gives its first file's outputs with "_trip" before the suffix.
        std::string trip = c[2];
        trip.insert(trip.find(c[1]), "_trip");
        EXPECT_EQ(OutputName(WithNameSuffix(c[0], "_trip"), c[1]), trip) << c[0];
    }
    EXPECT_EQ(WithNameSuffix("/d.plt/a.PLT", "_trip"), "/d.plt/a_trip.PLT");

    EXPECT_EQ(OutputPath("/out", "/d/a.plt", "_5.plt"), std::string("/out") + kPathSeparator + "a_5.plt");
    EXPECT_EQ(OutputPath("/out/", "/d/a.plt", "_5.plt"), "/out/a_5.plt");
    EXPECT_EQ(OutputPath("", "/d/a.plt", "_5.plt"), "a_5.plt");  // the current directory, never the root
}

}  // namespace
}  // namespace qm
