// The KML reader on the real files of tests/data/tracks, checked against
// GPSBabel, and on the cases a real file seldom shows.
#include "formats/gpx/gpx_time.h"
#include "formats/kml/kml_reader.h"
#include "formats/track_reader.h"
#include "support/real_track.h"
#include "support/test_support.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace qm {
namespace {

// KML 2.3's <Track> without the gx prefix; a multi-track whose first and
// last coordinates are empty; a track of 23 points, 4 of them timed, beside
// lines and placemarks of the same points.
const test::RealTrack kFiles[] = {
    {"GPSBabel-gpsbabel-reference-track-Placemark-Track-1.kml", 7, 1, "2010-05-28T02:02:09Z", "2010-05-28T02:02:56Z",
     ""},
    {"GPSBabel-gpsbabel-reference-track-opentracks.kml", 2, 1, "2021-03-02T09:30:41.89Z", "2021-03-02T12:34:53.912Z",
     "Пропущено точек без координат: 2 из 4."},
    {"GPSBabel-gpsbabel-reference-track-segmented_tracks-track.kml", 4, 1, "2007-07-27T05:24:05Z",
     "2007-07-27T05:35:00Z", "Пропущено точек без отметки времени: 19 из 23."},
};

TEST(KmlReaderTest, EveryRealFileIsRead)
{
    for (const test::RealTrack& real : kFiles) test::ExpectReadAsDescribed(real);
}

// GPSBabel, the reference reader, finds the same points in every file: it
// reads a track's points without a time or a position too, but leaves them
// out of its GPX as we do.
TEST(KmlReaderTest, GpsBabelReadsTheSamePoints)
{
    ASSERT_TRUE(test::ToolInstalled("gpsbabel"));
    for (const test::RealTrack& real : kFiles) test::ExpectGpsBabelReadsTheSame(real, "kml");
}

std::string Kml(const std::string& body, const std::string& root = "<kml xmlns=\"http://www.opengis.net/kml/2.2\" "
                                                                   "xmlns:gx=\"http://www.google.com/kml/ext/2.2\">")
{
    return "<?xml version=\"1.0\"?>\n" + root + "<Document>" + body + "</Document></kml>";
}

std::string When(int second) { return "<when>2020-01-01T10:00:0" + std::to_string(second) + "Z</when>"; }

// A track of the points at these seconds, at longitude 8 + second / 1000.
std::string GxTrack(std::initializer_list<int> seconds)
{
    std::string track = "<gx:Track>";
    for (int second : seconds) track += When(second);
    for (int second : seconds) track += "<gx:coord>8.00" + std::to_string(second) + " 50 100</gx:coord>";
    return track + "</gx:Track>";
}

std::string Placemark(const std::string& when, const std::string& coordinates)
{
    return "<Placemark><name>p</name>" + (when.empty() ? "" : "<TimeStamp>" + when + "</TimeStamp>") +
           "<Point><coordinates>" + coordinates + "</coordinates></Point></Placemark>";
}

struct Case {
    std::string name;
    std::string content;
    std::vector<double> longitudes;  // of the points kept, in order; none for a refusal
    int pieces;
    std::string message;  // the first
};

TEST(KmlReaderTest, TrickyDocuments)
{
    const std::string line = "<Placemark><LineString><coordinates>8,50 8.1,50\n8.2,50</coordinates></LineString></Placemark>";
    const Case cases[] = {
        {"a multi-track, each track a piece, the later first",
         Kml("<Placemark><gx:MultiTrack>" + GxTrack({5, 6}) + GxTrack({1, 2}) + "</gx:MultiTrack></Placemark>"),
         {8.001, 8.002, 8.005, 8.006}, 2, ""},
        {"placemarks out of time order, in time order; one at a time already kept left out",
         Kml(Placemark(When(3), "8.003,50") + Placemark(When(1), "8.001,50,10") +
             "<Folder>" + Placemark(When(2), " 8.002,50 ") + Placemark(When(1), "8.009,50") + "</Folder>"),
         {8.001, 8.002, 8.003}, 1, "Пропущено точек со временем не позже предыдущей точки: 1 из 4."},
        {"placemarks beside a track are no track points",
         Kml(Placemark(When(1), "9,50") + "<Placemark>" + GxTrack({2, 3}) + "</Placemark>"), {8.002, 8.003}, 1, ""},
        {"a placemark of only a date has no time",
         Kml(Placemark("<when>2020-01-01</when>", "9,50") + Placemark(When(1), "8.001,50")), {8.001}, 1,
         "Пропущено точек без отметки времени: 1 из 2."},
        {"more times than positions",
         Kml("<Placemark><gx:Track>" + When(1) + When(2) + When(3) + "<gx:coord>8 50</gx:coord></gx:Track></Placemark>"),
         {8}, 1, "Пропущено точек без координат: 2 из 3."},
        {"lines hold no times", Kml(line + line), {}, 0,
         "В треке нет данных о времени: ни у одной из 6 точек файла x.kml нет отметки <when>."},
        {"untimed placemarks and a line", Kml(Placemark("", "8,50") + line), {}, 0,
         "В треке нет данных о времени: ни у одной из 4 точек файла x.kml нет отметки <when>."},
        {"no placemark", Kml("<name>empty</name>"), {}, 0, "В файле трека x.kml нет трека: ни одной точки <gx:coord>."},
        {"Google's KML 2.1 and KML 2.3's track without gx",
         Kml("<Placemark><Track>" + When(1) + "<coord>8 50</coord></Track></Placemark>",
             "<kml xmlns=\"http://earth.google.com/kml/2.1\">"),
         {8}, 1, ""},
        {"another namespace", Kml(GxTrack({1}), "<kml xmlns=\"urn:other\">"), {}, 0,
         "не является файлом KML (корневой элемент <kml>)."},
        {"a time that is no time", Kml("<gx:Track><when>2020-01-01T25:00:00Z</when></gx:Track>"), {}, 0,
         "неверное время <when> \"2020-01-01T25:00:00Z\"."},
        {"a coordinate of one number", Kml("<gx:Track>" + When(1) + "<gx:coord>8</gx:coord></gx:Track>"), {}, 0,
         "неверные координаты <gx:coord> \"8\"."},
        {"a point's coordinates of four numbers", Kml(Placemark(When(1), "8,50,1,2")), {}, 0,
         "неверные координаты <coordinates> \"8,50,1,2\"."},
        {"a height no device measured", Kml(Placemark(When(1), "8,50,2e9")), {8}, 1,
         "Пропущено значений высоты, пульса, каденса, мощности или температуры, которые не являются допустимым "
         "числом: 1; точки сохранены."},
        {"a coordinate just over the bound of a text",
         Kml("<gx:Track>" + When(1) + "<gx:coord>8 50 " + std::string(1021, '1') + "</gx:coord></gx:Track>"), {}, 0,
         "неверное значение <gx:coord>: слишком длинный текст."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        MemoryBytes bytes(c.content);
        TrackReading reading = ReadKmlTrack(bytes, "x.kml");
        std::vector<double> longitudes;
        if (reading.Track) {
            for (const TrackPoint& point : reading.Track->Points) longitudes.push_back(point.Longitude);
            EXPECT_EQ(test::PieceCount(reading.Track->Points), c.pieces);
        }
        EXPECT_EQ(longitudes, c.longitudes);
        EXPECT_EQ(reading.Messages.empty() ? "" : reading.Messages[0].Text, c.message);
    }
}

// A track's arrays of measures follow its points, those left out too.
TEST(KmlReaderTest, MeasuresFollowTheirPoints)
{
    const std::string content = Kml(
        "<Placemark><gx:Track>" + When(1) + "<when/>" + When(2) + When(3) +
        "<gx:coord>8 50</gx:coord><gx:coord>8 50</gx:coord><gx:coord/><gx:coord>8 50</gx:coord>"
        "<ExtendedData><SchemaData schemaUrl=\"#s\">"
        "<gx:SimpleArrayData name=\"heart_rate\"><gx:value>90</gx:value><gx:value>91</gx:value><gx:value>92</gx:value>"
        "<gx:value>93</gx:value></gx:SimpleArrayData>"
        "<gx:SimpleArrayData name=\"power\"><gx:value>200</gx:value><gx:value/><gx:value/><gx:value/>"
        "</gx:SimpleArrayData>"
        "<gx:SimpleArrayData name=\"speed\"><gx:value>7</gx:value></gx:SimpleArrayData>"
        "</SchemaData></ExtendedData></gx:Track></Placemark>");
    MemoryBytes bytes(content);
    TrackReading reading = ReadKmlTrack(bytes, "x.kml");
    ASSERT_TRUE(reading.Track.has_value());
    ASSERT_EQ(reading.Track->Points.size(), 2u);
    EXPECT_EQ(ColumnOf(reading.Track->Measures, Measure::HeartRate), (MeasureColumn{90, 93}));
    EXPECT_EQ(ColumnOf(reading.Track->Measures, Measure::Power), (MeasureColumn{200, std::nullopt}));
    EXPECT_TRUE(ColumnOf(reading.Track->Measures, Measure::Cadence).empty());
}

// The track reader gives a document to the KML reader by its root element.
TEST(KmlReaderTest, TheRootElementChoosesTheReader)
{
    TrackReading reading = ReadTrack(Kml("<Placemark>" + GxTrack({1, 2}) + "</Placemark>"), "x.kml");
    ASSERT_TRUE(reading.Track.has_value()) << reading.Messages[0].Text;
    EXPECT_EQ(reading.Track->Points.size(), 2u);
    EXPECT_EQ(reading.Track->Points[0].Height, 100);
}

}  // namespace
}  // namespace qm
