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
            messages.push_back((message.IsError ? "error: " : "") + message.Text);
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
    EXPECT_EQ(track->Header[4], "0,2,255,Walk  1,0,0,2,8421376");
    const TrackPoint expected[] = {
        {55.5, 37.25, 1, 328, kDay + 0.25},             // 100 m is 328.08 ft
        {-55.5, -37.25, 0, 0, kDay + 7.0 / 24},         // -0.5 ft rounds to even
        {1, 2, 1, kNoAltitude, kDay + (8 * 3600 + 0.5) / 86400},
        {3, 4, 1, 4, kDay + 0.5},                       // 3.5 ft; no zone is UTC
    };
    ASSERT_EQ(track->Points.size(), std::size(expected));
    for (size_t i = 0; i < std::size(expected); ++i) {
        const TrackPoint& point = track->Points[i];
        EXPECT_EQ(point.Latitude, expected[i].Latitude) << i;
        EXPECT_EQ(point.Longitude, expected[i].Longitude) << i;
        EXPECT_EQ(point.BreakCode, expected[i].BreakCode) << i;
        EXPECT_EQ(point.Altitude, expected[i].Altitude) << i;
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
    EXPECT_EQ(track->Points[0].BreakCode, 1);  // the first point kept starts the piece
    EXPECT_EQ(track->Points[0].Latitude, 3);
}

TEST_F(GpxReaderTest, TheTrackIsCutBeforeATimeThatDoesNotIncrease)
{
    std::optional<Track> track =
        Read(Gpx("<trk><trkseg><trkpt lat=\"1\" lon=\"1\"><time>2020-02-14T01:00:00Z</time></trkpt>"
                 "<trkpt lat=\"2\" lon=\"2\"><time>2020-02-14T03:00:00+02:00</time></trkpt></trkseg></trk>"));
    ASSERT_TRUE(track.has_value());
    EXPECT_EQ(track->Points.size(), 1u);
    EXPECT_EQ(messages, Texts{"Ошибка в треке! Отметка времени точек: #1 - 14.02.2020 1:00:00; #2 - 14.02.2020 "
                              "1:00:00. Трек будет обработан до точки #1."});
}

TEST_F(GpxReaderTest, FilesThatGiveNoTrackAreRefusedNamingFileAndLine)
{
    const auto file = [&] { return dir.File("t.gpx"); };
    const std::string point = "<trk><trkseg><trkpt lat=\"1\" lon=\"1\"><time>2020-02-14T01:00:00Z</time>";
    struct Case {
        std::string bytes;
        std::string message;  // after "Файл трека PATH, строка "
    };
    const Case cases[] = {
        {kGpxStart + point + "</trkseg>", "3: не является правильным XML (mismatched tag)."},
        {"<?xml version=\"1.0\"?>\n<kml xmlns=\"http://www.opengis.net/kml/2.2\"/>",
         "2: не является файлом GPX (корневой элемент <kml>)."},
        {Gpx("<trk><trkseg><trkpt lat=\"x\" lon=\"1\"/></trkseg></trk>"), "3: неверное значение lat \"x\"."},
        {Gpx("<trk><trkseg>\n<trkpt lat=\"1\"/></trkseg></trk>"), "4: у точки <trkpt> нет атрибута lon."},
        {Gpx("<trk><trkseg><trkpt lat=\"1\" lon=\"1\"><ele>1e300</ele></trkpt></trkseg></trk>"),
         "3: неверная высота <ele> \"1e300\"."},
        {Gpx(point + "</trkpt><trkpt lat=\"1\" lon=\"1\"><time>2020-02-30T01:00:00Z</time></trkpt></trkseg></trk>"),
         "3: неверное время <time> \"2020-02-30T01:00:00Z\"."},
    };
    for (const Case& c : cases) {
        std::string refusal = Refusal(c.bytes);
        const bool isValue = c.message.find("невер") != std::string::npos || c.message.find("нет атрибута") != std::string::npos;
        EXPECT_EQ(refusal, (isValue ? "error: " : "") + std::string("Файл трека ") + file() + ", строка " + c.message);
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
    std::optional<Track> track = Read("\xEF\xBB\xBF" + gpx, "t.plt");
    ASSERT_TRUE(track.has_value());
    EXPECT_EQ(track->Header[0], "OziExplorer Track Point File Version 2.1");
}

// The track's name says which encoding was read: "Тест é" in each.
TEST_F(GpxReaderTest, ReadsTheEncodingsTracksComeIn)
{
    const std::string body = "<trk><name>NAME</name><trkseg><trkpt lat=\"1\" lon=\"1\"><time>2020-02-14T01:00:00Z"
                             "</time></trkpt></trkseg></trk></gpx>";
    auto declared = [&](const std::string& encoding, const std::string& name) {
        std::string text = "<?xml version=\"1.0\" encoding=\"" + encoding + "\"?>\n<gpx version=\"1.0\" "
                           "xmlns=\"http://www.topografix.com/GPX/1/0\">" + body;
        return text.replace(text.find("NAME"), 4, name);
    };
    auto utf16 = [](const std::string& ascii, bool bigEndian) {
        std::string text = bigEndian ? "\xFE\xFF" : "\xFF\xFE";
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
    };
    for (const auto& [bytes, encoding] : files) {
        std::optional<Track> track = Read(bytes);
        ASSERT_TRUE(track.has_value()) << encoding << ": " << (messages.empty() ? "" : messages[0]);
        EXPECT_EQ(track->Header[4], "0,2,255,Тест é,0,0,2,8421376") << encoding;
    }
}

}  // namespace
}  // namespace qm
