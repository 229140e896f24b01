// Several files read as one track.
#include "formats/trip_reader.h"
#include "support/test_support.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>

namespace qm {
namespace {

// A GPX track of one segment per list of "HH:MM" times on 2020-05-01, each
// point at a longitude of its minute; a point "-" is out of range; a
// heart rate on every point when heart is set.
std::string Gpx(const std::vector<std::vector<std::string>>& segments, bool heart = false)
{
    std::string text = "<gpx version=\"1.1\" creator=\"t\" xmlns=\"http://www.topografix.com/GPX/1/1\" "
                       "xmlns:gpxtpx=\"http://www.garmin.com/xmlschemas/TrackPointExtension/v1\"><trk>";
    for (const auto& segment : segments) {
        text += "<trkseg>";
        for (const std::string& time : segment) {
            if (time == "-") {
                text += "<trkpt lat=\"100\" lon=\"0\"><time>2020-05-01T00:00:00Z</time></trkpt>";
                continue;
            }
            const int minute = std::stoi(time.substr(0, 2)) * 60 + std::stoi(time.substr(3));
            text += "<trkpt lat=\"50\" lon=\"" + std::to_string(minute / 10000.0) + "\"><time>2020-05-01T" + time +
                    ":00Z</time>";
            if (heart) text += "<extensions><gpxtpx:TrackPointExtension><gpxtpx:hr>120</gpxtpx:hr>"
                               "</gpxtpx:TrackPointExtension></extensions>";
            text += "</trkpt>";
        }
        text += "</trkseg>";
    }
    return text + "</trk></gpx>";
}

// Each point's minute of the day, file and whether it starts a piece: "10:05 b*".
std::vector<std::string> Points(const TripReading& trip)
{
    std::vector<std::string> points;
    for (size_t i = 0; i < trip.Track->Points.size(); ++i) {
        const TrackPoint& point = trip.Track->Points[i];
        const int minute = static_cast<int>(std::lround((point.DateTime - std::floor(point.DateTime)) * 1440));
        char text[32];
        std::snprintf(text, sizeof text, "%02d:%02d %c%s", minute / 60, minute % 60,
                      static_cast<char>('a' + (trip.PointFiles.empty() ? 0 : trip.PointFiles[i])),
                      point.StartsPiece ? "*" : "");
        points.push_back(text);
    }
    return points;
}

std::vector<std::string> Texts(const std::vector<Message>& messages)
{
    std::vector<std::string> texts;
    for (const Message& message : messages)
        texts.push_back(message.File.empty() ? message.Text : PlacedText(message));
    return texts;
}

// The texts with "%b" standing for the path of file b.
std::vector<std::string> Named(std::vector<std::string> texts, const std::string& b)
{
    for (std::string& text : texts)
        for (size_t at = text.find("%b"); at != std::string::npos; at = text.find("%b", at + b.size()))
            text.replace(at, 2, b);
    return texts;
}

// Files a.gpx, b.gpx, ... of the contents, in this order.
std::vector<std::string> WriteFiles(const test::TempDir& dir, const std::vector<std::string>& contents)
{
    std::vector<std::string> paths;
    for (const std::string& content : contents)
        paths.push_back(dir.Write(std::string(1, static_cast<char>('a' + paths.size())) + ".gpx", content));
    return paths;
}

struct Case {
    std::string name;
    std::vector<std::string> files;
    std::vector<std::string> points;
    std::vector<std::vector<std::string>> warnings;  // of each file
};

TEST(TripReader, PiecesOfAllFilesInTimeOrderATimeAlreadyHadLeftOut)
{
    const std::string day1 = Gpx({{"10:00", "10:05"}, {"12:00", "12:05"}});
    const std::string day2 = Gpx({{"11:00", "11:05"}});
    const Case cases[] = {
        {"one file is read as it is", {Gpx({{"10:00", "-"}})}, {"10:00 a*"},
         {{"Пропущено точек с координатами или временем вне допустимых пределов: 1 из 2."}}},
        {"files given in another order",
         {day2, day1},
         {"10:00 b*", "10:05 b", "11:00 a*", "11:05 a", "12:00 b*", "12:05 b"},
         {{}, {}}},
        {"the same file twice counts once",
         {day2, day2},
         {"11:00 a*", "11:05 a"},
         {{}, {"Пропущено точек файла %b со временем не позже точек, уже взятых из других файлов поездки: 2 из 2."}}},
        {"two devices on one day: the later file's overlap left out, its piece goes on after it",
         {Gpx({{"10:00", "10:10", "10:20"}}), Gpx({{"10:05", "10:15", "10:25", "10:30"}})},
         {"10:00 a*", "10:10 a", "10:20 a", "10:25 b*", "10:30 b"},
         {{}, {"Пропущено точек файла %b со временем не позже точек, уже взятых из других файлов поездки: 2 из 4."}}},
        {"a file's own warnings name it",
         {day1, Gpx({{"-", "13:00"}})},
         {"10:00 a*", "10:05 a", "12:00 a*", "12:05 a", "13:00 b*"},
         {{}, {"%b: Пропущено точек с координатами или временем вне допустимых пределов: 1 из 2."}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        test::TempDir dir;
        const std::vector<std::string> paths = WriteFiles(dir, c.files);
        const TripReading trip = LoadTrip(paths);
        ASSERT_TRUE(trip.Track.has_value()) << Texts(trip.Refusal)[0];
        EXPECT_EQ(Points(trip), c.points);
        ASSERT_EQ(trip.Files.size(), c.files.size());
        for (size_t f = 0; f < c.files.size(); ++f)
            EXPECT_EQ(Texts(trip.Files[f].Warnings), Named(c.warnings[f], paths.back()));
    }
}

// A file that cannot be used refuses the trip, named whatever its reader said.
TEST(TripReader, AFileNotReadRefusesTheTripNamingIt)
{
    const std::string refused = "Поездка не составлена: файл трека %b не прочитан.";
    const struct {
        std::string name;
        std::string second;  // nothing: no such file
        std::vector<std::string> refusal;
    } cases[] = {
        {"missing", "", {"%b: Файл трека не найден!", refused}},
        {"no point in range", Gpx({{"-"}}), {"%b: В треке нет точек с допустимыми координатами и временем: пропущено 1 из 1.", refused}},
        {"not well-formed at a line", "<gpx>\n<trk>\n</gpx>",
         {"Файл трека %b, строка 3: не является правильным XML (mismatched tag).", refused}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        test::TempDir dir;
        std::vector<std::string> paths = WriteFiles(dir, {Gpx({{"10:00"}})});
        paths.push_back(c.second.empty() ? dir.File("b.gpx") : dir.Write("b.gpx", c.second));
        const TripReading trip = LoadTrip(paths);
        EXPECT_FALSE(trip.Track.has_value());
        EXPECT_EQ(Texts(trip.Refusal), Named(c.refusal, paths[1]));
    }
}

// A measure one file has and another lacks is nothing on the other's points.
TEST(TripReader, MeasuresFollowTheirPoints)
{
    test::TempDir dir;
    const TripReading trip = LoadTrip(WriteFiles(dir, {Gpx({{"11:00"}}), Gpx({{"10:00"}, {"12:00"}}, true)}));
    ASSERT_TRUE(trip.Track.has_value());
    const MeasureColumn& heart = ColumnOf(trip.Track->Measures, Measure::HeartRate);
    EXPECT_EQ(heart, (MeasureColumn{120.0f, std::nullopt, 120.0f}));
    EXPECT_EQ(Points(trip), (std::vector<std::string>{"10:00 b*", "11:00 a*", "12:00 b*"}));
}

}  // namespace
}  // namespace qm
