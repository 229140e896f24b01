#include "formats/nmea/nmea_reader.h"

#include "formats/gpx/gpx_time.h"

#include <gtest/gtest.h>

#include <cstdio>

namespace qm {
namespace {

// A sentence with its checksum and line end.
std::string Sentence(const std::string& body)
{
    unsigned char sum = 0;
    for (char c : body) sum ^= static_cast<unsigned char>(c);
    char checksum[4];
    std::snprintf(checksum, sizeof checksum, "*%02X", sum);
    return "$" + body + checksum + "\r\n";
}

struct Expected {
    std::string time;
    double latitude, longitude;
    std::optional<double> height;
};

struct Case {
    std::string name;
    std::string content;
    std::vector<Expected> points;
    std::vector<std::string> messages;
};

TEST(NmeaReader, SentencesMakeFixes)
{
    const std::string rmc0001 = Sentence("GPRMC,000001,A,4249.96546,S,14726.73184,E,0.006,,231019,,,A");
    const Case kCases[] = {
        {"GGA and RMC of one time are one fix; the date counts back to the fix before the first RMC and on to "
         "those after it, the next day after midnight",
         Sentence("GPGGA,235958,4249.96542,S,14726.73195,E,1,09,0.96,30.0,M,-8.8,M,,") +
             Sentence("GPGGA,000001,4249.96545,S,14726.73187,E,1,09,0.96,31.0,M,-8.8,M,,") + rmc0001 +
             Sentence("GPGSV,3,1,11,03,03,111,00,04,15,270,00,06,01,010,00,13,06,292,00") +
             Sentence("GPGLL,4249.96547,S,14726.73179,E,000002,A,A") +
             Sentence("GNGGA,235959,0000.00000,N,00000.00000,W,2,09,0.96,5.5,M,-8.8,M,,") +
             Sentence("BDGGA,000000.5,1234.5,N,01234.5,W,1,09,0.96,-5.5,M,-8.8,M,,"),
         {{"2019-10-22T23:59:58Z", -42.832757, 147.4455325, 30.0},
          {"2019-10-23T00:00:01Z", -42.8327575, 147.4455311666667, 31.0},
          {"2019-10-23T00:00:02Z", -42.8327578333333, 147.4455298333333, std::nullopt},
          {"2019-10-23T23:59:59Z", 0, 0, 5.5},
          {"2019-10-24T00:00:00.5Z", 12.575, -12.575, -5.5}},
         {}},
        {"a sentence whose checksum fails, that lacks one after others had it or that holds the start of another "
         "(a cut line) is skipped and counted",
         rmc0001 + "$GPRMC,000002,A,4249.96546,S,14726.73184,E,0.006,,231019,,,A*00\r\n" +
             "$GPRMC,000003,A,4249.96546,S,14726.73184,E,0.006,,231019,,,A\r\n" +
             "$GPRMC,000004,A,4249.96546,S,14726.73184,E,0.006,,231019,,,A*7\r\n" +
             "$GPRMC,000005,A,4249.96546,S,14726.73184,E,0.006,,2310"
             "$GPRMC,000006,A,4249.96546,S,14726.73184,E,0.006,,231019,,,A*42\r\n" +
             "$GPGGA,080000.000,5013.476,N,01710.477,E,1,09,0.8,468.770,M,0.0,M,,*6e\r\n",
         {{"2019-10-23T00:00:01Z", -42.8327576666667, 147.4455306666667, std::nullopt},
          {"2019-10-23T08:00:00Z", 50.2246, 17.17461666666667, 468.77}},
         {"Пропущено предложений с неверной контрольной суммой: 4 из 6."}},
        {"a sentence without a fix is no point; one of another talker or sentence is not read, nor checked",
         Sentence("GPRMC,000000,V,4249.96546,S,14726.73184,E,0.006,,231019,,,N") +
             Sentence("GPGGA,000002,4249.96545,S,14726.73187,E,0,00,,,M,,M,,") +
             Sentence("GPGGA,000003,4249.96545,S,14726.73187,E,6,09,0.96,31.0,M,-8.8,M,,") +
             Sentence("GPGLL,4249.96547,S,14726.73179,E,000004,V,N") +
             Sentence("IIGGA,000005,4249.96545,S,14726.73187,E,1,09,0.96,31.0,M,-8.8,M,,") +
             Sentence("GPRMB,A,0.66,L,003,004,4917.24,N,12309.57,W,001.3,052.5,000.5,V") +
             "$PGRME,15.0,M,45.0,M,25.0,M\r\n$GPGSA,A,3,04,05,,09,12,,,24,,,,,2.5,1.3,2.1*00\r\n" + rmc0001,
         {{"2019-10-23T00:00:01Z", -42.8327576666667, 147.4455306666667, std::nullopt}},
         {}},
        {"a fix whose time does not parse is left out; one whose position does not is out of range",
         Sentence("GPRMC,222515.x,A,4249.96551,S,14726.73171,E,0.042,,231019,,,A") +
             Sentence("GPGGA,222515.x,4249.96551,S,14726.73171,E,1,09,0.96,30.2,M,-8.8,M,,") +
             Sentence("GPRMC,.1,A,4249.96551,S,14726.73171,E,0.042,,231019,,,A") +
             Sentence("GPRMC,222516,A,4249.96551,S,14726.73171,E,0.042,,231019,,,A") +
             Sentence("GPRMC,222517,A,4260.00000,S,14726.73171,E,0.042,,231019,,,A") +
             Sentence("GPRMC,222518,A,,,,,0.042,,231019,,,A") +
             Sentence("GPGGA,222519,4249.96551,S,14726.73171,E,1,09,0.96,high,M,-8.8,M,,"),
         {{"2019-10-23T22:25:16Z", -42.8327585, 147.4455285, std::nullopt}},
         {"Пропущено точек без отметки времени: 2 из 6.",
          "Пропущено точек с координатами или временем вне допустимых пределов: 3 из 6."}},
        {"a ZDA between fixes dates a log without RMC: those before it count back from its moment, those after "
         "go on from it",
         Sentence("GPGGA,235958,4249.96542,S,14726.73195,E,1,09,0.96,30.0,M,-8.8,M,,") +
             Sentence("GPZDA,000000.50,24,10,2019,00,00") +
             Sentence("GPGGA,000001,4249.96545,S,14726.73187,E,1,09,0.96,31.0,M,-8.8,M,,"),
         {{"2019-10-23T23:59:58Z", -42.832757, 147.4455325, 30.0},
          {"2019-10-24T00:00:01Z", -42.8327575, 147.4455311666667, 31.0}},
         {}},
        {"a ZDA of a fix's own time dates that fix",
         Sentence("GPGGA,120000,4249.96542,S,14726.73195,E,1,09,0.96,30.0,M,-8.8,M,,") +
             Sentence("GNZDA,120000,31,12,2019,,") +
             Sentence("GPGGA,120001,4249.96545,S,14726.73187,E,1,09,0.96,31.0,M,-8.8,M,,"),
         {{"2019-12-31T12:00:00Z", -42.832757, 147.4455325, 30.0},
          {"2019-12-31T12:00:01Z", -42.8327575, 147.4455311666667, 31.0}},
         {}},
        {"a ZDA without a date or a time dates nothing",
         Sentence("GPGGA,120000,4249.96542,S,14726.73195,E,1,09,0.96,30.0,M,-8.8,M,,") + Sentence("GPZDA,,,,,,") +
             Sentence("GPZDA,120000,31,12,19,,") + Sentence("GPZDA,1200xx,31,12,2019,,"),
         {},
         {"В файле NMEA f.nmea нет даты: ни одного предложения RMC с координатами или ZDA."}},
        {"a log without RMC has no date",
         Sentence("GPGGA,235958,4249.96542,S,14726.73195,E,1,09,0.96,30.0,M,-8.8,M,,"),
         {},
         {"В файле NMEA f.nmea нет даты: ни одного предложения RMC с координатами или ZDA."}},
        {"a log without a fix has no point",
         Sentence("GPRMC,000000,V,,,,,,,231019,,,N") + Sentence("GPGSA,A,1,,,,,,,,,,,,,,,"),
         {},
         {"В файле трека f.nmea нет трека: ни одной точки (предложения RMC, GGA или GLL)."}},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.name);
        TrackReading reading = ReadNmeaTrack(c.content, "f.nmea");
        std::vector<std::string> texts;
        for (const Message& message : reading.Messages) texts.push_back(message.Text);
        EXPECT_EQ(texts, c.messages);
        ASSERT_EQ(reading.Track ? reading.Track->Points.size() : 0, c.points.size());
        for (size_t i = 0; i < c.points.size(); ++i) {
            SCOPED_TRACE(i);
            const TrackPoint& point = reading.Track->Points[i];
            EXPECT_EQ(GpxTimeText(point.DateTime), c.points[i].time);
            EXPECT_NEAR(point.Latitude, c.points[i].latitude, 1e-9);
            EXPECT_NEAR(point.Longitude, c.points[i].longitude, 1e-9);
            EXPECT_EQ(point.Height.has_value(), c.points[i].height.has_value());
            if (point.Height && c.points[i].height) {
                EXPECT_NEAR(*point.Height, *c.points[i].height, 1e-9);
            }
        }
    }
}

// An NMEA log starts with a sentence, or with the rest of one cut by the
// start of a capture; an OziExplorer track or an IGC log does not.
TEST(NmeaReader, TheContentTellsAnNmeaLog)
{
    const struct {
        const char* content;
        bool nmea;
    } kCases[] = {
        {"$GPGGA,235600.000,5013.476,N,01710.477,E,1,09,0.8,468.770,M,0.0,M,,*64\n", true},
        {"\r\n \r\n  $GPRMC,\r\n", true},
        {"5.2,M,,*4A\r\n$GNRMC,000001,A\r\n", true},
        {"\xEF\xBB\xBF" "5.2,M,,*4A\r$GNRMC,000001,A\r", true},
        {"$PGRMZ,93,f,3*21\n", true},
        {"OziExplorer Track Point File Version 2.1\r\nWGS 84\r\n", false},
        {"AXXXABCFLIGHT:1\r\nHFFXA035\r\n", false},
        {"$GPRMC\n", false},
        {"$gprmc,\n", false},
        {"x\ny\n$GPRMC,\n", false},
        {"", false},
    };
    for (const auto& c : kCases) EXPECT_EQ(StartsAsNmea(c.content), c.nmea) << c.content;
}

}  // namespace
}  // namespace qm
