// The TCX reader on the real files of tests/data/tracks, checked against
// GPSBabel, and on the cases a real file seldom shows.
#include "formats/gpx/gpx_time.h"
#include "formats/tcx/tcx_reader.h"
#include "formats/track_reader.h"
#include "support/real_track.h"
#include "support/test_support.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace qm {
namespace {

// A course; two activities of one lap with heart rate, cadence and power.
const test::RealTrack kFiles[] = {
    {"GPSBabel-gpsbabel-reference-track-gtrnctr-readcp.tcx", 18, 1, "2012-01-04T00:00:00Z", "2012-01-04T00:05:09Z"},
    {"GPSBabel-gpsbabel-reference-track-kona2013.tcx", 5, 1, "2013-10-12T18:17:26Z", "2013-10-12T18:17:30Z"},
    {"GPSBabel-gpsbabel-reference-track-tcxdata.tcx", 4, 1, "2026-02-23T23:40:52Z", "2026-02-23T23:40:55Z"},
};

TEST(TcxReaderTest, EveryRealFileIsRead)
{
    for (const test::RealTrack& real : kFiles) test::ExpectReadAsDescribed(real);
}

// GPSBabel, the reference reader, finds the same points in every file.
TEST(TcxReaderTest, GpsBabelReadsTheSamePoints)
{
    ASSERT_TRUE(test::ToolInstalled("gpsbabel"));
    for (const test::RealTrack& real : kFiles) test::ExpectGpsBabelReadsTheSame(real, "gtrnctr");
}

// The measures of every point, as the file's text holds them.
TEST(TcxReaderTest, MeasuresFollowTheirPoints)
{
    TrackReading reading = LoadTrack(test::RealTrackPath("GPSBabel-gpsbabel-reference-track-kona2013.tcx"));
    ASSERT_TRUE(reading.Track.has_value());
    const MeasureColumns& measures = reading.Track->Measures;
    using Column = MeasureColumn;
    EXPECT_EQ(ColumnOf(measures, Measure::HeartRate), (Column{141, 141, 141, 140, 140}));
    EXPECT_EQ(ColumnOf(measures, Measure::Cadence), (Column{31, 47, 58, 41, 57}));
    EXPECT_EQ(ColumnOf(measures, Measure::Power), (Column{101, 101, 113, 0, 137}));
    EXPECT_TRUE(ColumnOf(measures, Measure::Temperature).empty());
}

std::string Tcx(const std::string& body, const std::string& root =
                                             "<TrainingCenterDatabase "
                                             "xmlns=\"http://www.garmin.com/xmlschemas/TrainingCenterDatabase/v2\">")
{
    return "<?xml version=\"1.0\"?>\n" + root + body + "</TrainingCenterDatabase>";
}

std::string Point(int second, const std::string& inside = "<Position><LatitudeDegrees>50</LatitudeDegrees>"
                                                          "<LongitudeDegrees>8</LongitudeDegrees></Position>")
{
    return "<Trackpoint><Time>2020-01-01T10:00:0" + std::to_string(second) + "Z</Time>" + inside + "</Trackpoint>";
}

std::string Activity(const std::string& tracks)
{
    return "<Activities><Activity Sport=\"Biking\"><Lap>" + tracks + "</Lap></Activity></Activities>";
}

const std::string kWrongValue =
    "Пропущено значений высоты, пульса, каденса, мощности или температуры, которые не являются допустимым числом: 1; "
    "точки сохранены.";

struct Case {
    std::string name;
    std::string content;
    size_t points;  // kept; 0 for a refusal
    int pieces;
    std::string message;  // the first
};

TEST(TcxReaderTest, TrickyDocuments)
{
    const std::string position = "<Position><LatitudeDegrees>50</LatitudeDegrees><LongitudeDegrees>8</LongitudeDegrees></Position>";
    const Case cases[] = {
        {"a course and an activity, each track a piece, the later first",
         Tcx(Activity("<Track>" + Point(5) + Point(6) + "</Track>") + "<Courses><Course><Name>c</Name><Lap/><Track>" +
             Point(1) + Point(2) + "</Track><Track>" + Point(3) + "</Track></Course></Courses>"),
         5, 3, ""},
        {"a multisport session",
         Tcx("<Activities><MultiSportSession><FirstSport><Activity><Lap><Track>" + Point(1) +
             "</Track></Lap></Activity></FirstSport><NextSport><Activity><Lap><Track>" + Point(2) +
             "</Track></Lap></Activity></NextSport></MultiSportSession></Activities>"),
         2, 2, ""},
        {"points without a position, one with half of one",
         Tcx(Activity("<Track>" + Point(1) + Point(2, "<HeartRateBpm><Value>90</Value></HeartRateBpm>") +
                      Point(3, "<Position><LatitudeDegrees>50</LatitudeDegrees></Position>") + Point(4) + "</Track>")),
         2, 1, "Пропущено точек без координат: 2 из 4."},
        {"no point with a position", Tcx(Activity("<Track>" + Point(1, "") + "</Track>")), 0, 0,
         "В файле трека x.tcx нет трека: ни у одной из 1 точек <Trackpoint> нет координат."},
        {"no time", Tcx(Activity("<Track><Trackpoint>" + position + "</Trackpoint></Track>")), 0, 0,
         "В треке нет данных о времени: ни у одной из 1 точек файла x.tcx нет отметки <Time>."},
        {"no track", Tcx("<Activities><Activity><Lap/></Activity></Activities>"), 0, 0,
         "В файле трека x.tcx нет трека: ни одной точки <Trackpoint>."},
        {"no namespace", Tcx(Activity("<Track>" + Point(1) + "</Track>"), "<TrainingCenterDatabase>"), 1, 1, ""},
        {"TCX version 1",
         Tcx(Activity("<Track>" + Point(1) + "</Track>"),
             "<TrainingCenterDatabase xmlns=\"http://www.garmin.com/xmlschemas/TrainingCenterDatabase/v1\">"),
         0, 0, "не является файлом TCX (корневой элемент <TrainingCenterDatabase>)."},
        {"a latitude that is no number",
         Tcx(Activity("<Track>" + Point(1, "<Position><LatitudeDegrees>5O</LatitudeDegrees></Position>") + "</Track>")),
         0, 0, "неверное значение <LatitudeDegrees> \"5O\"."},
        {"a time that is no time", Tcx(Activity("<Track><Trackpoint><Time>yesterday</Time></Trackpoint></Track>")), 0,
         0, "неверное время <Time> \"yesterday\"."},
        {"a heart rate beyond a float",
         Tcx(Activity("<Track>" + Point(1, position + "<HeartRateBpm><Value>1e39</Value></HeartRateBpm>") + "</Track>")),
         1, 1, kWrongValue},
        {"a height just over the bound of a text",
         Tcx(Activity("<Track>" + Point(1, "<AltitudeMeters>" + std::string(1025, '1') + "</AltitudeMeters>") +
                      "</Track>")),
         0, 0, "неверное значение <AltitudeMeters>: слишком длинный текст."},
        {"a running cadence that is no number",
         Tcx(Activity("<Track>" + Point(1, position + "<Extensions><TPX xmlns=\"http://www.garmin.com/xmlschemas/"
                                                      "ActivityExtension/v2\"><RunCadence>fast</RunCadence></TPX>"
                                                      "</Extensions>") +
                      "</Track>")),
         1, 1, kWrongValue},
        {"a latitude out of range starts a piece",
         Tcx(Activity("<Track>" + Point(1) +
                      Point(2, "<Position><LatitudeDegrees>91</LatitudeDegrees><LongitudeDegrees>8</LongitudeDegrees>"
                               "</Position>") +
                      Point(3) + "</Track>")),
         2, 2, "Пропущено точек с координатами или временем вне допустимых пределов: 1 из 3."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        MemoryBytes bytes(c.content);
        TrackReading reading = ReadTcxTrack(bytes, "x.tcx");
        ASSERT_EQ(reading.Track ? reading.Track->Points.size() : 0, c.points);
        if (reading.Track) {
            EXPECT_EQ(test::PieceCount(reading.Track->Points), c.pieces);
        }
        EXPECT_EQ(reading.Messages.empty() ? "" : reading.Messages[0].Text, c.message);
    }
}

// Watts count only in the activity extension's namespace; its speed is left.
TEST(TcxReaderTest, PowerComesFromTheActivityExtension)
{
    const std::string position = "<Position><LatitudeDegrees>50</LatitudeDegrees><LongitudeDegrees>8</LongitudeDegrees></Position>";
    const std::string content = Tcx(Activity(
        "<Track>" +
        Point(1, position + "<Cadence>80</Cadence><Extensions><TPX xmlns=\"http://www.garmin.com/xmlschemas/"
                            "ActivityExtension/v2\"><Speed>3</Speed><Watts>200</Watts></TPX></Extensions>") +
        Point(2, position + "<Extensions><TPX xmlns=\"urn:other\"><Watts>300</Watts></TPX></Extensions>") + "</Track>"));
    MemoryBytes bytes(content);
    TrackReading reading = ReadTcxTrack(bytes, "x.tcx");
    ASSERT_TRUE(reading.Track.has_value());
    EXPECT_EQ(ColumnOf(reading.Track->Measures, Measure::Power), (MeasureColumn{200, std::nullopt}));
    EXPECT_EQ(ColumnOf(reading.Track->Measures, Measure::Cadence), (MeasureColumn{80, std::nullopt}));
    EXPECT_TRUE(ColumnOf(reading.Track->Measures, Measure::HeartRate).empty());
}

// Running cadence, as Garmin's watches write it in the activity extension,
// is the cadence of a point without <Cadence>: steps of one foot a minute,
// as written, the unit Garmin's own GPX gives it in. GPXSee reads it so;
// GPSBabel 1.8 leaves it unread and agrees where the point has <Cadence>.
TEST(TcxReaderTest, RunCadenceIsTheCadenceOfAPointWithoutCadence)
{
    const std::string position = "<Position><LatitudeDegrees>50</LatitudeDegrees><LongitudeDegrees>8</LongitudeDegrees></Position>";
    const auto run = [](const std::string& value) {
        return "<Extensions><ns3:TPX><ns3:Speed>3</ns3:Speed><ns3:RunCadence>" + value +
               "</ns3:RunCadence></ns3:TPX></Extensions>";
    };
    const struct {
        std::string name, inside;
        MeasureColumn cadence;
    } kCases[] = {
        {"alone", run("85"), {85}},
        {"after <Cadence>", "<Cadence>70</Cadence>" + run("86"), {70}},
        {"before <Cadence>", run("86") + "<Cadence>71</Cadence>", {71}},
        {"with an empty <Cadence>", "<Cadence></Cadence>" + run("87"), {87}},
        {"a fraction", run("87.5"), {87.5f}},
        {"in TPX of a default namespace",
         "<Extensions><TPX xmlns=\"http://www.garmin.com/xmlschemas/ActivityExtension/v2\"><RunCadence>89"
         "</RunCadence></TPX></Extensions>",
         {89}},
        {"in another namespace", "<Extensions><TPX xmlns=\"urn:other\"><RunCadence>88</RunCadence></TPX></Extensions>",
         {}},
        {"empty", run(""), {}},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.name);
        const std::string content =
            Tcx(Activity("<Track>" + Point(1, position + c.inside) + "</Track>"),
                "<TrainingCenterDatabase xmlns=\"http://www.garmin.com/xmlschemas/TrainingCenterDatabase/v2\" "
                "xmlns:ns3=\"http://www.garmin.com/xmlschemas/ActivityExtension/v2\">");
        MemoryBytes bytes(content);
        TrackReading reading = ReadTcxTrack(bytes, "x.tcx");
        ASSERT_TRUE(reading.Track.has_value()) << reading.Messages[0].Text;
        EXPECT_EQ(ColumnOf(reading.Track->Measures, Measure::Cadence), c.cadence);
    }
}

// The root element decides the reader, whatever comes before it and in
// whichever encoding.
TEST(TcxReaderTest, TheRootElementChoosesTheReader)
{
    const std::string document = Tcx(Activity("<Track>" + Point(1) + "</Track>"));
    const std::string longProlog = "<?xml version=\"1.0\"?>\n<!-- " + std::string(300000, 'c') +
                                   " -->\n<!DOCTYPE TrainingCenterDatabase>\n" + document.substr(22);
    std::string utf16 = "\xFF\xFE";
    for (char c : document.substr(22)) utf16 += {c, '\0'};
    for (const std::string& content : {longProlog, utf16}) {
        TrackReading reading = ReadTrack(content, "x.tcx");
        ASSERT_TRUE(reading.Track.has_value()) << reading.Messages[0].Text;
        EXPECT_EQ(reading.Track->Points.size(), 1u);
    }
}

}  // namespace
}  // namespace qm
