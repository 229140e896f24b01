#include "formats/gpx/gpx_reader.h"

#include "formats/track_reader.h"
#include "platform/date_time_text.h"
#include "support/test_support.h"

#include <gtest/gtest.h>

namespace qm {
namespace {

using test::Texts;

const std::string kGpxStart = "<?xml version=\"1.0\"?>\n<gpx version=\"1.1\" creator=\"t\" "
                              "xmlns=\"http://www.topografix.com/GPX/1/1\">\n";

std::string Gpx(const std::string& body) { return kGpxStart + body + "</gpx>\n"; }

// 2020-02-14 is day 43875.
constexpr double kDay = 43875;

class GpxReaderTest : public ::testing::Test {
protected:
    void SetUp() override { UseFixedDateTimeFormats(); }
    std::optional<Track> Read(const std::string& bytes, const std::string& name = "t.gpx")
    {
        path = dir.Write(name, bytes);
        TrackReading reading = LoadTrack(path);
        messages.clear();
        for (const Message& message : reading.Messages)
            messages.push_back((message.IsError ? "error: " : "") +
                               (message.File.empty() ? "" : message.File + ":" + std::to_string(message.Line) + ": ") +
                               message.Text);
        return reading.Track;
    }
    std::string Refusal(const std::string& bytes)
    {
        EXPECT_FALSE(Read(bytes).has_value()) << bytes;
        return messages.size() == 1 ? messages[0] : std::to_string(messages.size()) + " messages";
    }

    test::TempDir dir;
    std::string path;
    Texts messages;
};

TEST_F(GpxReaderTest, EveryTrackAndSegmentStartsAPieceInDocumentOrder)
{
    std::optional<Track> track = Read(Gpx(
        "<wpt lat=\"1\" lon=\"1\"><time>2020-02-14T00:00:00Z</time></wpt>\n"
        "<trk><name>Walk, 1</name><trkseg>\n"
        "<trkpt lat=\"55.5\" lon=\"37.25\"><ele>100</ele><time>2020-02-14T06:00:00Z</time></trkpt>\n"
        "<trkpt lon=\"-37.25\" lat=\" -55.5 \"><ele>-0.1524</ele><time>2020-02-14T10:00:00+03:00</time>"
        "<extensions><time>x</time><ele>x</ele></extensions></trkpt>\n"
        "<o:trkpt xmlns:o=\"urn:other\" lat=\"9\" lon=\"9\"><o:time>2020-02-14T09:00:00Z</o:time></o:trkpt>\n"
        "</trkseg><trkseg><trkpt lat=\"1\" lon=\"2\"><time>2020-02-14T07:30:00.5-00:30</time></trkpt></trkseg></trk>\n"
        "<rte><rtept lat=\"1\" lon=\"1\"><time>2020-02-15T00:00:00Z</time></rtept></rte>\n"
        "<trk><trkseg><trkpt lat=\"3\" lon=\"4\"><ele>1.0668</ele><time>2020-02-14T12:00:00</time></trkpt>"
        "</trkseg></trk>\n"));
    ASSERT_TRUE(track.has_value());
    EXPECT_EQ(messages, Texts{});
    const TrackPoint expected[] = {
        {55.5, 37.25, kDay + 0.25, 100, true},
        {-55.5, -37.25, kDay + 7.0 / 24, -0.1524, false},
        {1, 2, kDay + (8 * 3600 + 0.5) / 86400, std::nullopt, true},
        {3, 4, kDay + 0.5, 1.0668, true},  // no zone is UTC
    };
    ASSERT_EQ(track->Points.size(), std::size(expected));
    for (size_t i = 0; i < std::size(expected); ++i) {
        const TrackPoint& point = track->Points[i];
        EXPECT_EQ(point.Latitude, expected[i].Latitude) << i;
        EXPECT_EQ(point.Longitude, expected[i].Longitude) << i;
        EXPECT_EQ(point.StartsPiece, expected[i].StartsPiece) << i;
        EXPECT_EQ(point.Height, expected[i].Height) << i;  // exactly as written
        EXPECT_DOUBLE_EQ(point.DateTime, expected[i].DateTime) << i;
    }
}

TEST_F(GpxReaderTest, PointsWithoutTimeAreLeftOutWithOneMessage)
{
    std::optional<Track> track =
        Read(Gpx("<trk><trkseg><trkpt lat=\"1\" lon=\"1\"/><trkpt lat=\"2\" lon=\"2\"><time> </time></trkpt>"
                 "<trkpt lat=\"3\" lon=\"3\"><time>2020-02-14T00:00:01Z</time></trkpt>"
                 "<trkpt lat=\"4\" lon=\"4\"><time>2020-02-14T00:00:02Z</time></trkpt>"
                 "<trkpt lat=\"5\" lon=\"5\"></trkpt></trkseg></trk>"));
    ASSERT_TRUE(track.has_value());
    EXPECT_EQ(messages, Texts{"Пропущено точек без отметки времени: 3 из 5."});
    ASSERT_EQ(track->Points.size(), 2u);
    EXPECT_TRUE(track->Points[0].StartsPiece);  // the first point kept starts the piece
    EXPECT_EQ(track->Points[0].Latitude, 3);
}

std::string Point(const std::string& lat, const std::string& lon, const std::string& time)
{
    return "<trkpt lat=\"" + lat + "\" lon=\"" + lon + "\"><time>" + time + "</time></trkpt>";
}

std::string Segment(const std::string& points) { return "<trk><trkseg>" + points + "</trkseg></trk>"; }

// Positions no map holds and times no format writes are left out; the next
// point kept starts a piece.
TEST_F(GpxReaderTest, PointsOutOfRangeAreLeftOutWithOneMessage)
{
    std::optional<Track> track = Read(Gpx(Segment(
        Point("1", "1", "2020-02-14T01:00:00Z") + Point("100", "1", "2020-02-14T01:00:01Z") +
        Point("200", "1", "2020-02-14T01:00:02Z") + Point("1", "200", "2020-02-14T01:00:03Z") +
        Point("1e308", "1", "2020-02-14T01:00:04Z") + Point("1e-310", "1", "2020-02-14T01:00:05Z") +
        Point("1", "1", "9999-12-31T23:59:30-12:00") + Point("1", "1", "2020-02-14T01:00:06Z") +
        Point("-90", "-180", "2020-02-14T01:00:07Z") + Point("90", "180", "9999-12-31T23:59:59Z"))));
    ASSERT_TRUE(track.has_value());
    EXPECT_EQ(messages, Texts{"Пропущено точек с координатами или временем вне допустимых пределов: 6 из 10."});
    ASSERT_EQ(track->Points.size(), 4u);
    EXPECT_FALSE(track->Points[2].StartsPiece);
    EXPECT_TRUE(track->Points[1].StartsPiece);
    EXPECT_EQ(track->Points[3].Latitude, 90);
    EXPECT_TRUE(Refusal(Gpx(Segment(Point("1", "1", "0001-01-01T00:00:00+14:00")))).starts_with("В треке нет точек"));
}

// Tracks stored out of time order are read in it; then a time that is not
// later than the last one kept leaves its point out, and the track goes on.
TEST_F(GpxReaderTest, PiecesInTimeOrderAndRepeatedTimesLeftOut)
{
    std::optional<Track> track = Read(Gpx(
        Segment(Point("3", "3", "2020-02-14T03:00:00Z") + Point("4", "4", "2020-02-14T04:00:00Z")) +
        Segment(Point("1", "1", "2020-02-14T01:00:00Z") + Point("2", "2", "2020-02-14T02:00:00Z") +
                Point("5", "5", "2020-02-14T02:00:00Z") + Point("6", "6", "2020-02-14T01:30:00Z") +
                Point("7", "7", "2020-02-14T02:30:00Z")) +
        Segment(Point("8", "8", "2020-02-14T03:00:00Z") + Point("9", "9", "2020-02-14T05:00:00Z"))));
    ASSERT_TRUE(track.has_value());
    EXPECT_EQ(messages, Texts{"Пропущено точек со временем не позже предыдущей точки: 3 из 9."});
    std::string order, starts;
    for (const TrackPoint& point : track->Points) {
        order += std::to_string(int(point.Latitude));
        starts += point.StartsPiece ? "|" : ".";
    }
    EXPECT_EQ(order, "127349");
    EXPECT_EQ(starts, "|..|.|");  // 8 is left out: 9 starts its piece
}

// A leap second is the last instant of its minute: before the next second.
TEST_F(GpxReaderTest, ALeapSecondComesBeforeTheNextSecond)
{
    std::optional<Track> track = Read(Gpx(Segment(Point("1", "1", "2016-12-31T23:59:59Z") +
                                                  Point("2", "2", "2016-12-31T23:59:60Z") +
                                                  Point("3", "3", "2017-01-01T00:00:00Z"))));
    ASSERT_TRUE(track.has_value());
    EXPECT_EQ(messages, Texts{});
    EXPECT_EQ(track->Points.size(), 3u);
}

TEST_F(GpxReaderTest, FilesThatGiveNoTrackAreRefusedNamingFileAndLine)
{
    const auto file = [&] { return dir.File("t.gpx"); };
    const std::string point = "<trk><trkseg><trkpt lat=\"1\" lon=\"1\"><time>2020-02-14T01:00:00Z</time>";
    struct Case {
        std::string bytes;
        std::string message;  // after "PATH:"
    };
    const Case cases[] = {
        {kGpxStart + point + "</trkseg>", "3: не является правильным XML (mismatched tag)."},
        {"<?xml version=\"1.0\"?>\n<loc version=\"1.0\" src=\"EasyGPS\"/>",
         "2: не является файлом GPX (корневой элемент <loc>)."},
        {Gpx("<trk><trkseg><trkpt lat=\"x\" lon=\"1\"/></trkseg></trk>"), "3: неверное значение lat \"x\"."},
        // A long value is quoted by its first 80 characters, escaped.
        {Gpx("<trk><trkseg><trkpt lat=\"&#10;" + std::string(100, 'x') + "\" lon=\"1\"/></trkseg></trk>"),
         "3: неверное значение lat \"\\n" + std::string(79, 'x') + "…\"."},
        {Gpx("<trk><trkseg>\n<trkpt lat=\"1\"/></trkseg></trk>"), "4: у точки <trkpt> нет атрибута lon."},
        {Gpx("<trk><trkseg><trkpt lat=\"1\" lon=\"1\"><ele>12 m</ele></trkpt></trkseg></trk>"),
         "3: неверная высота <ele> \"12 m\"."},
        // Expat gives a long text in pieces: one just over the bound is refused whole.
        {Gpx("<trk><trkseg><trkpt lat=\"1\" lon=\"1\"><ele>" + std::string(1024, '1') + "5</ele></trkpt></trkseg></trk>"),
         "3: неверное значение <ele>: слишком длинный текст."},
        {Gpx(point + "</trkpt><trkpt lat=\"1\" lon=\"1\"><time>2020-02-30T01:00:00Z</time></trkpt></trkseg></trk>"),
         "3: неверное время <time> \"2020-02-30T01:00:00Z\"."},
    };
    for (const Case& c : cases) {
        std::string refusal = Refusal(c.bytes);
        const bool isValue = c.message.find("невер") != std::string::npos || c.message.find("нет атрибута") != std::string::npos;
        EXPECT_EQ(refusal, (isValue ? "error: " : "") + file() + ":" + c.message);
    }
    EXPECT_EQ(Refusal(Gpx("<wpt lat=\"1\" lon=\"1\"/>\n<trk><trkseg/></trk>\n")),
              "В файле трека " + file() + " нет трека: ни одной точки <trkpt>.");
    EXPECT_EQ(Refusal(Gpx("<trk><trkseg><trkpt lat=\"1\" lon=\"1\"/><trkpt lat=\"1\" lon=\"1\"/></trkseg></trk>")),
              "В треке нет данных о времени: ни у одной из 2 точек файла " + file() + " нет отметки <time>.");
}

// The type comes from the content: an OziExplorer track named .GPX is one,
// GPX named .plt is GPX.
TEST_F(GpxReaderTest, TheContentDecidesTheFormat)
{
    const std::string plt = "OziExplorer Track Point File Version 2.1\r\nWGS 84\r\n\r\n\r\n0,2,255,,0,0,2,0\r\n0\r\n"
                            "55,37,1,0,39000.5,,\r\n";
    ASSERT_TRUE(Read(plt, "t.GPX").has_value());
    const std::string gpx = Gpx("<trk><trkseg><trkpt lat=\"1\" lon=\"1\"><time>2020-02-14T01:00:00Z</time></trkpt>"
                                "</trkseg></trk>");
    EXPECT_TRUE(Read("\xEF\xBB\xBF" + gpx, "t.plt").has_value());
    EXPECT_TRUE(Read(std::string(1000, ' ') + "\r\n" + gpx.substr(gpx.find("<gpx")), "t.plt").has_value());
}

// Each encoding tracks come in, a name "Тест é" in each; UTF-16 with or
// without a byte-order mark, after any blanks.
TEST_F(GpxReaderTest, ReadsTheEncodingsTracksComeIn)
{
    const std::string body = "<trk><name>NAME</name><trkseg><trkpt lat=\"1\" lon=\"1\"><time>2020-02-14T01:00:00Z"
                             "</time></trkpt></trkseg></trk></gpx>";
    auto declared = [&](const std::string& encoding, const std::string& name) {
        std::string text = "<?xml version=\"1.0\" encoding=\"" + encoding + "\"?>\n<gpx version=\"1.0\" "
                           "xmlns=\"http://www.topografix.com/GPX/1/0\">" + body;
        return text.replace(text.find("NAME"), 4, name);
    };
    auto utf16 = [](const std::string& ascii, bool bigEndian, bool mark = true) {
        std::string text = !mark ? "" : bigEndian ? "\xFE\xFF" : "\xFF\xFE";
        for (char c : ascii) text += bigEndian ? std::string{'\0', c} : std::string{c, '\0'};
        return text;
    };
    std::string utf16Name = declared("UTF-16", "&#x0422;&#x0435;&#x0441;&#x0442; &#xE9;");
    const std::pair<std::string, std::string> files[] = {
        {declared("UTF-8", "Тест é"), "UTF-8"},
        {declared("windows-1251", "\xD2\xE5\xF1\xF2 &#xE9;"), "Windows-1251"},
        {declared("ISO-8859-1", "&#x0422;&#x0435;&#x0441;&#x0442; \xE9"), "ISO-8859-1"},
        {utf16(utf16Name, false), "UTF-16LE"},
        {utf16(utf16Name, true), "UTF-16BE"},
        {utf16(std::string(300, ' ') + utf16Name.substr(utf16Name.find("<gpx")), true, false), "UTF-16BE, no mark"},
        {utf16(std::string(300, ' ') + utf16Name.substr(utf16Name.find("<gpx")), false, false), "UTF-16LE, no mark"},
    };
    for (const auto& [bytes, encoding] : files) {
        std::optional<Track> track = Read(bytes);
        ASSERT_TRUE(track.has_value()) << encoding << ": " << (messages.empty() ? "" : messages[0]);
        EXPECT_EQ(track->Points.size(), 1u) << encoding;
    }
}

}  // namespace
}  // namespace qm
