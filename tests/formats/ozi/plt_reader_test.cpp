#include "formats/track_reader.h"

#include "platform/date_time_text.h"
#include "support/test_support.h"

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
        {"OZIEXPLORER TRACK POINT FILE\nWGS 84\n\n\n\n0\n55,37,0,0,39000.5,,\n", "Неверный формат трека!"},
        {kHeader + "2\n55,37,0,0,0,,\n55,37,0,0,39000.6,,\n", "В треке нет данных о времени."},
        {kHeader + "abc\n55,37,0,0,39000.5,,\n", "error: 'abc' is not a valid integer value"},
        {kHeader + "1\n55,37,0,0,39000.5\n", "error: '' is not a valid floating point value"},
        {kHeader + "1\n55,37, 1.0,0,39000.5,\n", "error: ' 1.0' is not a valid integer value"}};
    for (const auto& c : cases) EXPECT_EQ(Refusal(dir.Write("t.plt", c[0])), c[1]) << c[0];
    EXPECT_EQ(Refusal(dir.File("none.plt")), "Файл трека не найден!");
    EXPECT_EQ(Refusal("/dev/null"), "Не удалось открыть файл трека.");  // exists, but is no file to read
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
        EXPECT_EQ(plt->BreakCodes, (std::vector<std::pair<int32_t, int32_t>>{{0, 7}}));
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

TEST_F(PltReaderTest, RealFiles)
{
    EXPECT_EQ(Read(QM_TEST_DATA "/tracks/gpsbabel-reference-track-20070813_short.plt")->Points.size(), 44u);
    EXPECT_EQ(Read(QM_TEST_DATA "/tracks/mapsoft2-vmap_data-example-brd_n49.plt")->Points.size(), 1u);
    EXPECT_EQ(messages, Texts{"Ошибка в треке! Отметка времени точек: #1 - 01.01.1970; #2 - 01.01.1970. "
                                   "Трек будет обработан до точки #1."});
}

}  // namespace
}  // namespace qm
