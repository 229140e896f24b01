#include "formats/igc/igc_reader.h"

#include "formats/gpx/gpx_time.h"

#include <gtest/gtest.h>

namespace qm {
namespace {

std::string Igc(const std::string& records) { return "AXXXABC FLIGHT:1\r\nHFFXA035\r\nHFDTE160701\r\n" + records; }

struct Expected {
    std::string time;
    double latitude, longitude;
    std::optional<double> height;
};

// Each fix as written, with the date of HFDTE and the day after it once the
// time of day went back.
TEST(IgcReader, FixesGiveTimePositionAndHeight)
{
    const std::string content = Igc(
        "I023638FXA3941ENL\r\n"
        "B2359585107126N00149300WA0028800429012345\r\n"   // GNSS altitude; the extension not read
        "B2359593347123S07012345EA0028800000\r\n"          // south, east; GNSS 0: the pressure altitude
        "B0000020000000N00000000EA0000000000\r\n"          // past midnight; no altitude at all
        "B0000035107126N17959999WV0028800429\r\n"          // not valid: the pressure altitude
        "B0000048959999S00000001EA-001200000\r\n"          // below sea level
        "E000004PEV\r\n"
        "B0000045107126N00149300WA0028800429\r\n");        // the same second again: left out later
    TrackReading reading = ReadIgcTrack(content, "f.igc");
    ASSERT_TRUE(reading.Track) << reading.Messages[0].Text;
    const Expected kExpected[] = {
        {"2001-07-16T23:59:58Z", 51.118766666666666, -1.8216666666666667, 429},
        {"2001-07-16T23:59:59Z", -33.785383333333333, 70.20575, 288},
        {"2001-07-17T00:00:02Z", 0, 0, std::nullopt},
        {"2001-07-17T00:00:03Z", 51.118766666666666, -179.99998333333333, 288},
        {"2001-07-17T00:00:04Z", -89.999983333333333, 0.0000166666666667, -12},
    };
    const TrackPoints& points = reading.Track->Points;
    ASSERT_EQ(points.size(), std::size(kExpected));
    for (size_t i = 0; i < points.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(GpxTimeText(points[i].DateTime), kExpected[i].time);
        EXPECT_NEAR(points[i].Latitude, kExpected[i].latitude, 1e-12);
        EXPECT_NEAR(points[i].Longitude, kExpected[i].longitude, 1e-12);
        EXPECT_EQ(points[i].Height, kExpected[i].height);
        EXPECT_EQ(points[i].StartsPiece, i == 0);
    }
    ASSERT_EQ(reading.Messages.size(), 1u);
    EXPECT_EQ(reading.Messages[0].Text, "Пропущено точек со временем не позже предыдущей точки: 1 из 6.");
}

TEST(IgcReader, DateRecordsAndBrokenFixes)
{
    const struct {
        std::string content;
        size_t points;
        std::string first;  // time of the first point
        std::vector<std::string> messages;
        int line = 0;  // of the error that refuses the file
    } kCases[] = {
        {"AXXX\nHFDTEDATE:311299,01\nB1200005107126N00149300WA0028800429\n", 1, "1999-12-31T12:00:00Z", {}},
        // A fix before the date has no time; those cut short lie out of range.
        {"ALXN\nHFFXA015\nB1200005107126N00149300WA0028800429\nHFDTE010203\n"
         "B1200015107126N00149300WA0028800429\nB1200025107126N00149300WA00288\nB12\n",
         1, "2003-02-01T12:00:01Z",
         {"Пропущено точек без отметки времени: 1 из 4.",
          "Пропущено точек с координатами или временем вне допустимых пределов: 2 из 4."}},
        // Minutes of 60, a hemisphere that is none, a validity that is none.
        {"AXXX\nHFDTE010203\nB1200005160000N00149300WA0028800429\nB1200015107126X00149300WA0028800429\n"
         "B1200025107126N00149300WX0028800429\nB1200035107126N00149300WA0028800429\n",
         1, "2003-02-01T12:00:03Z",
         {"Пропущено точек с координатами или временем вне допустимых пределов: 3 из 4."}},
        {"AXXX\nHFPLTPILOT:X\nB1200005107126N00149300WA0028800429\n", 0, "",
         {"В файле IGC f.igc нет даты полёта: нет записи HFDTE."}},
        {"AXXX\nHFDTE320101\nB1200005107126N00149300WA0028800429\n", 0, "",
         {"неверная дата HFDTE \"HFDTE320101\"."}, 2},
        {"AXXX\nHFDTE010101\n", 0, "", {"В файле трека f.igc нет трека: ни одной точки (записи B)."}},
        // Lines ended by a CR alone count as lines.
        {"AXXX\rHFDTE320101\rB1200005107126N00149300WA0028800429\r", 0, "",
         {"неверная дата HFDTE \"HFDTE320101\"."}, 2},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.content);
        TrackReading reading = ReadIgcTrack(c.content, "f.igc");
        ASSERT_EQ(reading.Track ? reading.Track->Points.size() : 0, c.points);
        if (reading.Track) {
            EXPECT_EQ(GpxTimeText(reading.Track->Points[0].DateTime), c.first);
        }
        std::vector<std::string> texts;
        for (const Message& message : reading.Messages) texts.push_back(message.Text);
        EXPECT_EQ(texts, c.messages);
        if (!reading.Track && !reading.Messages.empty()) {
            EXPECT_EQ(reading.Messages[0].Line, c.line);
            EXPECT_EQ(reading.Messages[0].IsError, c.line != 0);
        }
    }
}

// Only an A record with a maker code followed by an H record is IGC; an
// OziExplorer track, an NMEA log or other text is not.
TEST(IgcReader, TheContentTellsAnIgcLog)
{
    const struct {
        const char* content;
        bool igc;
    } kCases[] = {
        {"AXXXABCFLIGHT:1\r\nHFFXA035\r\n", true},
        {"ALXNQKFFLIGHT:3\nHFDTE160722\n", true},
        {"AXXX\nH", true},
        {"\r\nAXXX\r\n\r\nHFDTE160722\r\n", true},
        {"\xEF\xBB\xBF\rAXXX\rHFDTE160722\r", true},
        {"OziExplorer Track Point File Version 2.1\r\nWGS 84\r\n", false},
        {"$GPGGA,235600.000,5013.476,N,01710.477,E,1,09,0.8,468.770,M,0.0,M,,*64\n", false},
        {"AXXX\r\nB1200005107126N00149300WA0028800429\r\n", false},
        {"Axx\nH\n", false},
        {"AXX\nH\n", false},
        {"AXXX\n\n", false},
        {"", false},
    };
    for (const auto& c : kCases) EXPECT_EQ(StartsAsIgc(c.content), c.igc) << c.content;
}

}  // namespace
}  // namespace qm
