#include "formats/track_reader.h"

#include "formats/ozi/plt_reader.h"
#include "platform/date_time_text.h"
#include "platform/number_text.h"
#include "support/address_sanitizer.h"
#ifndef _WIN32
#include "support/address_space.h"
#endif
#include "support/test_support.h"

#include <cmath>
#include <gtest/gtest.h>

namespace qm {
namespace {

using test::Texts;
const std::string kHeader = "OziExplorer Track Point File Version 2.1\nWGS 84\nAltitude is in Feet\nReserved 3\n"
                            "0,2,255,Test track,0,0,2,8421376\n";

class PltReaderTest : public ::testing::Test {
protected:
    void SetUp() override { UseFixedDateTimeFormats(); }
    // The track of the bytes; the reader's messages in `messages`.
    Track Load(const std::string& bytes) { return Read(dir.Write("t.plt", bytes)).value_or(Track()); }
    std::optional<PltDetails> plt;
    std::optional<Track> Read(const std::string& path)
    {
        TrackReading reading = LoadTrack(path);
        plt = reading.Plt;
        messages.clear();
        for (const Message& message : reading.Messages)
            messages.push_back((message.IsError ? "error: " : "") + message.Text);
        return reading.Track;
    }
    // The one message of a file that gives no track, errors after "error: ".
    std::string Refusal(const std::string& path)
    {
        EXPECT_FALSE(Read(path).has_value());
        return messages.size() == 1 ? messages[0] : std::to_string(messages.size()) + " messages";
    }

    test::TempDir dir;
    Texts messages;
};

// One case of each message and of each conversion; the broken-track corpus
// of the robustness tests has every other way in.
TEST_F(PltReaderTest, FilesThatCannotBeUsedAreReported)
{
    const std::string cases[][2] = {
        {"OZIEXPLORER TRACK POINT FILE\nWGS 84\n\n\n\n0\n55,37,0,0,39000.5,,\n",
         "Неверный формат трека! Текст файла " + dir.File("t.plt") +
             " не является треком ни одного из читаемых форматов: OziExplorer .plt, GPX, TCX, KML, KMZ, FIT, IGC, NMEA."},
        {kHeader + "2\n55,37,0,0,0,,\n55,37,0,0,39000.6,,\n", "В треке нет данных о времени."},
        {kHeader + "abc\n55,37,0,0,39000.5,,\n", "error: 'abc' is not a valid integer value"},
        {kHeader + "1\n55,37,0,0,39000.5\n", "error: '' is not a valid floating point value"},
        {kHeader + "1\n55,37, 1.0,0,39000.5,\n", "error: ' 1.0' is not a valid integer value"}};
    for (const auto& c : cases) EXPECT_EQ(Refusal(dir.Write("t.plt", c[0])), c[1]) << c[0];
    EXPECT_EQ(Refusal(dir.File("none.plt")), "Файл трека не найден!");
    EXPECT_EQ(Refusal(test::kDevice), "Не удалось открыть файл трека.");  // exists, but is no file to read
}

TEST_F(PltReaderTest, ReadsPointsAndKeepsTheHeaderBytes)
{
    const std::string text = "xx OziExplorer Track Point File Version 2.1 \xe9\nWGS 84\nAltitude is in Feet\n\n"
                             "0,2,255,V\xe9zelay \xf4\xe5\xe2  ,1,0,2,8421376,0\n0\n"
                             "  55.5, 37.25,7, 3681.5,39000.5, 10-Oct-06, 12:00:00\n\n"
                             "-55.5,-37.25,1,3680.5,39000.75,,\n0,0,0,-777,39001,\n\n\n";
    for (std::string lineEnd : {"\n", "\r\n"}) {
        std::string bytes = text;
        for (size_t at = 0; (at = bytes.find('\n', at)) != std::string::npos; at += lineEnd.size())
            bytes.replace(at, 1, lineEnd);
        Track track = Load(bytes);
        EXPECT_TRUE(messages.empty());
        ASSERT_EQ(track.Points.size(), 3u);
        ASSERT_TRUE(plt.has_value());
        EXPECT_EQ(plt->Header, (std::array<std::string, 5>{"xx OziExplorer Track Point File Version 2.1 \xe9",
                                                           "WGS 84", "Altitude is in Feet", "",
                                                           "0,2,255,V\xe9zelay \xf4\xe5\xe2  ,1,0,2,8421376,0"}));
        EXPECT_EQ(plt->BreakCodes, (std::vector<std::pair<double, int32_t>>{{39000.5, 7}}));
        const TrackPoint& p = track.Points[0];
        EXPECT_EQ(std::make_tuple(p.Latitude, p.Longitude, p.StartsPiece, p.DateTime),
                  std::make_tuple(55.5, 37.25, true, 39000.5));
        // Whole feet, halves to even, in metres; -777 is no height.
        EXPECT_EQ(p.Height, 3682 * 0.3048);
        EXPECT_TRUE(track.Points[1].StartsPiece);
        EXPECT_EQ(track.Points[1].Height, 1121.664);
        EXPECT_EQ(track.Points[2].Height, std::nullopt);
    }
}

TEST_F(PltReaderTest, TimeThatDoesNotIncreaseCutsTheTrack)
{
    // Points are counted without the blank line; the later time is 11.10.2006 0:00:00.
    Track track = Load(kHeader + "0\n55,37,0,0,39000.25,\n55,37,0,0,39000.5,\n\n55,37,0,0,39001,\n55,37,0,0,39000.75,\n"
                           "55,37,0,0,39002,\n");
    EXPECT_EQ(track.Points.size(), 3u);
    EXPECT_EQ(track.Points.back().DateTime, 39001);
    EXPECT_EQ(messages, Texts{"Ошибка в треке! Отметка времени точек: #3 - 11.10.2006; #4 - 10.10.2006 "
                                   "18:00:00. Трек будет обработан до точки #3."});
}

// A point no track can hold is left out as in every format, and counted; the
// next point kept starts a piece and keeps its own break code.
TEST_F(PltReaderTest, PointsOutOfRangeAreLeftOutAndCounted)
{
    struct Case {
        std::string point;
        Texts messages;
    };
    const std::string leftOut = "Пропущено точек с координатами или временем вне допустимых пределов: 1 из 3.";
    const Case cases[] = {
        {"1e300,37,0,0,39000.6,", {leftOut}},
        {"55,-180.5,0,0,39000.6,", {leftOut}},
        {"55,37,0,0,3000000,", {leftOut}},  // after the year 9999
        {"55,37,0,0,39000.6,", {}},
    };
    for (const Case& c : cases) {
        Track track = Load(kHeader + "0\n55,37,0,0,39000.5,\n" + c.point + "\n55,37,3,0,39000.7,\n");
        EXPECT_EQ(messages, c.messages) << c.point;
        ASSERT_EQ(track.Points.size(), 3 - c.messages.size()) << c.point;
        EXPECT_TRUE(track.Points.back().StartsPiece);
        EXPECT_EQ(plt->BreakCodes, (std::vector<std::pair<double, int32_t>>{{39000.7, 3}}));
    }
}

// Each number of a point line converts as TextToFloat converts its field,
// or fails with its message, whatever form it has.
TEST(PltReaderFields, ConvertAsTheirText)
{
    const std::string forms[] = {"55.5",  " 55.5 ", "+55", "-0",    "5.",         ".5",    "007.25",
                                 "1e1",   "1.5E-3", "-.5", "123456789012345",     "1234567890123456",
                                 "12345678901234.5",  "0.000000000000001", "",    " ",     "1 2",
                                 "5,5",   "-",      "1e",  "nan",  "0x10",  "1e400", "\t1"};
    for (const std::string& form : forms)
        for (int field : {0, 1, 3, 4}) {
            std::string fields[] = {"55", "37", "0", "100", "39000.5"};
            fields[field] = form;
            const std::string line = fields[0] + "," + fields[1] + "," + fields[2] + "," + fields[3] + "," + fields[4] + ",";
            OfferedPoint point;
            const std::string error = test::Thrown([&] { ParseTrackPoint(line, point); });
            // The field as the reader finds it: up to its comma.
            const std::string text = form.substr(0, form.find(','));
            const std::string expectedError = test::Thrown([&] { TextToFloat(text); });
            const std::string nothing = test::Thrown([] {});
            // Feet must also fit 32 bits.
            if (expectedError != nothing || field != 3) {
                EXPECT_EQ(error, expectedError) << line;
            }
            if (error != nothing) continue;
            const double values[] = {point.Latitude.value_or(NAN), point.Longitude.value_or(NAN), 0,
                                     point.Height.value_or(-1) / 0.3048, point.Time.value_or(0)};
            const double expected = field == 3 ? RoundHalfEven(TextToFloat(text)) : TextToFloat(text);
            EXPECT_NEAR(values[field], expected, field == 3 ? 1e-9 * std::fabs(expected) : 0) << line;
        }
}

using PointValues = std::tuple<double, double, double, std::optional<double>, bool>;
std::vector<PointValues> Values(const TrackPoints& points)
{
    std::vector<PointValues> values;
    for (const TrackPoint& p : points) values.emplace_back(p.Latitude, p.Longitude, p.DateTime, p.Height, p.StartsPiece);
    return values;
}

#ifndef _WIN32
// The points of the file at path and of its text in memory, read with no
// more than 512 MiB of address space beyond what the process takes; 0 when
// either read runs out of memory.
int PointsReadIn512MiBMore(const std::string& path, const std::string& text)
{
    test::LimitAddressSpace(rlim_t{512} << 20);
    try {
        const size_t fromFile = LoadTrack(path).Track->Points.size();
        return fromFile == ReadTrack(text, path).Track->Points.size() ? static_cast<int>(fromFile) : 0;
    } catch (const std::bad_alloc&) {
        return 0;
    }
}
#endif

// A track longer than the reader's buffer, read from its file as it streams
// in, is the track of its text in memory: points and lines astride the ends
// of the reads, a blank line, a point whose time does not increase, and a
// value that does not convert on a line far into the file.
TEST_F(PltReaderTest, AFileReadAsItStreamsInIsTheTextInMemory)
{
    std::string points;
    for (int i = 0; points.size() < (5u << 20) / 2; ++i)
        points += std::to_string(55 + i % 1000 * 1e-4) + ", 37.5," + std::to_string(i % 5 == 0 ? i % 3 : 0) + "," +
                  std::to_string(i % 700 - 100) + ".5," + std::to_string(39000 + i * 1e-4) + ",,\r\n" +
                  (i % 1000 == 0 ? "\r\n" : "");
    const std::string track = kHeader + "0\r\n" + points;
    for (const std::string& text :
         {track, track + points, track + "55,37,0,0,39000,\r\n", track + "55,37,0,0,4e4x,\r\n"}) {
        const TrackReading read = LoadTrack(dir.Write("t.plt", text));
        const TrackReading expected = ReadTrack(text, "t.plt");
        ASSERT_EQ(read.Track.has_value(), expected.Track.has_value());
        if (read.Track) {
            EXPECT_EQ(Values(read.Track->Points), Values(expected.Track->Points));
        }
        ASSERT_EQ(read.Plt.has_value(), expected.Plt.has_value());
        if (read.Plt) {
            EXPECT_EQ(std::tie(read.Plt->Header, read.Plt->BreakCodes),
                      std::tie(expected.Plt->Header, expected.Plt->BreakCodes));
        }
        ASSERT_EQ(read.Messages.size(), expected.Messages.size());
        for (size_t i = 0; i < read.Messages.size(); ++i)
            EXPECT_EQ(std::tie(read.Messages[i].IsError, read.Messages[i].Text, read.Messages[i].Line),
                      std::tie(expected.Messages[i].IsError, expected.Messages[i].Text, expected.Messages[i].Line));
    }
}

#ifndef _WIN32
// Blank lines hold no point: a file of them reserves no memory for points.
TEST(PltReaderDeathTest, BlankLinesTakeNoMemory)
{
#if QM_ADDRESS_SANITIZER
    GTEST_SKIP() << "AddressSanitizer maps terabytes of shadow memory: no limit on the address space fits it";
#endif
    test::TempDir dir;
    const std::string text = kHeader + "1\n55,37,0,0,39000.5,\n" + std::string(30u << 20, '\n');
    const std::string path = dir.Write("t.plt", text);
    // A point takes 48 bytes: the 30 million lines would take 1.4 GB.
    EXPECT_EXIT(std::exit(PointsReadIn512MiBMore(path, text)), ::testing::ExitedWithCode(1), "");
}
#endif

TEST_F(PltReaderTest, RealFiles)
{
    EXPECT_EQ(Read(QM_TEST_DATA "/tracks/gpsbabel-reference-track-20070813_short.plt")->Points.size(), 44u);
    EXPECT_EQ(Read(QM_TEST_DATA "/tracks/mapsoft2-vmap_data-example-brd_n49.plt")->Points.size(), 1u);
    EXPECT_EQ(messages, Texts{"Ошибка в треке! Отметка времени точек: #1 - 01.01.1970; #2 - 01.01.1970. "
                                   "Трек будет обработан до точки #1."});
}

}  // namespace
}  // namespace qm
