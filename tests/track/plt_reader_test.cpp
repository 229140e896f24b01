#include "platform/date_time_text.h"
#include "platform/error.h"
#include "support/test_support.h"
#include "track/plt_reader.h"

#include <gtest/gtest.h>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace qm {
namespace {

using Texts = std::vector<std::string>;
const std::string kHeader = "OziExplorer Track Point File Version 2.1\nWGS 84\nAltitude is in Feet\nReserved 3\n"
                            "0,2,255,Test track,0,0,2,8421376\n";

class PltReaderTest : public ::testing::Test {
protected:
    void SetUp() override { UseFixedDateTimeFormats(); }
    Track Load(const std::string& bytes)
    {
        sink.messages.clear();
        return LoadTrack(dir.Write("t.plt", bytes), sink);
    }

    test::TempDir dir;
    test::RecordingSink sink;
};

TEST_F(PltReaderTest, FilesThatCannotBeUsedAreReported)
{
    const std::string cases[][2] = {
        {"OZIEXPLORER TRACK POINT FILE\nWGS 84\n\n\n\n0\n55,37,0,0,39000.5,,\n", "Неверный формат трека!"},
        {std::string("\x7f" "ELF\0\x01\xff\n\n", 9), "Неверный формат трека!"},
        {"", "Неверный формат трека!"},
        {kHeader + "0\n", "В треке нет данных о времени."},
        {kHeader + "0", "В треке нет данных о времени."},
        {kHeader + "2\n\n55,37,0,0,39000.5,,\n55,37,0,0,39000.6,,\n", "В треке нет данных о времени."},
        {kHeader + "2\n55,37,0,0,0,,\n55,37,0,0,39000.6,,\n", "В треке нет данных о времени."}};
    for (const auto& c : cases) {
        EXPECT_EQ(Load(c[0]).PointCount, 0) << c[0];
        EXPECT_EQ(sink.messages, Texts{c[1]}) << c[0];
    }

    int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);  // exists, but cannot be opened for reading
    sockaddr_un address{AF_UNIX, {}};
    const std::string socketPath = dir.File("s.plt");
    socketPath.copy(address.sun_path, sizeof address.sun_path - 1);
    ASSERT_EQ(::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    const std::string paths[][2] = {{dir.File("none.plt"), "Файл трека не найден!"},
                                    {dir.path(), "Файл трека не найден!"},
                                    {socketPath, "Не удалось открыть файл трека."}};
    for (const auto& p : paths) {
        sink.messages.clear();
        EXPECT_EQ(LoadTrack(p[0], sink).PointCount, 0);
        EXPECT_EQ(sink.messages, Texts{p[1]});
    }
    ::close(fd);
}

TEST_F(PltReaderTest, ValuesThatDoNotConvertEndTheLoad)
{
    const std::string cases[][2] = {
        {kHeader + "abc\n55,37,0,0,39000.5,,\n", "'abc' is not a valid integer value"},
        {"OziExplorer Track Point File\n", "'' is not a valid integer value"},
        {kHeader + "1\n55,37,0,0,39000.5\n", "'' is not a valid floating point value"},
        {kHeader + "1\n55x,37,0,0,39000.5,\n", "'55x' is not a valid floating point value"},
        {kHeader + "1\n55,37, 1.0,0,39000.5,\n", "' 1.0' is not a valid integer value"},
        {kHeader + "1\n55,37,0, 3e9,39000.5,\n", "' 3e9' is not a valid integer value"},
        {kHeader + "1\n55,37,0,nan,39000.5,\n", "'nan' is not a valid floating point value"},
        {kHeader + "2\n55,37,0,0,39000.5,\n55,37,0,0,39000.6e,\n", "'39000.6e' is not a valid floating point value"}};
    for (const auto& c : cases) {
        try {
            Load(c[0]);
            ADD_FAILURE() << c[0];
        } catch (const Error& error) {
            EXPECT_EQ(error.what(), c[1]);
        }
    }
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
        EXPECT_TRUE(sink.messages.empty());
        ASSERT_EQ(track.PointCount, 3);
        ASSERT_EQ(track.Points.size(), 3u);
        EXPECT_EQ(track.Header, (TrackHeader{"xx OziExplorer Track Point File Version 2.1 \xe9", "WGS 84",
                                             "Altitude is in Feet", "",
                                             "0,2,255,V\xe9zelay \xf4\xe5\xe2  ,1,0,2,8421376,0"}));
        const TrackPoint& p = track.Points[0];
        EXPECT_EQ(std::make_tuple(p.Latitude, p.Longitude, p.BreakCode, p.Altitude, p.DateTime),
                  std::make_tuple(55.5, 37.25, 7, 3682, 39000.5));
        EXPECT_EQ(track.Points[1].BreakCode, 1);
        EXPECT_EQ(track.Points[1].Altitude, 3680);
        EXPECT_EQ(track.Points[2].Altitude, -777);
    }
}

TEST_F(PltReaderTest, TimeThatDoesNotIncreaseCutsTheTrack)
{
    Track track = Load(kHeader + "4\n55,37,0,0,39000.5,\n55,37,0,0,39000.5,\n55,37,0,0,39001,\n");
    EXPECT_EQ(track.PointCount, 1);
    EXPECT_EQ(track.Points.size(), 1u);
    EXPECT_EQ(sink.messages, Texts{"Ошибка в треке! Отметка времени точек: #1 - 10.10.2006 12:00:00; #2 - "
                                   "10.10.2006 12:00:00. Трек будет обработан до точки #1."});

    track = Load(kHeader + "0\n55,37,0,0,39000.25,\n55,37,0,0,39000.5,\n\n55,37,0,0,39001,\n55,37,0,0,39000.75,\n"
                           "55,37,0,0,39002,\n");
    EXPECT_EQ(track.PointCount, 3);
    EXPECT_EQ(track.Points.back().DateTime, 39001);
    EXPECT_EQ(sink.messages, Texts{"Ошибка в треке! Отметка времени точек: #3 - 11.10.2006; #4 - 10.10.2006 "
                                   "18:00:00. Трек будет обработан до точки #3."});
}

TEST_F(PltReaderTest, RealFiles)
{
    const std::string data = QM_TEST_DATA;
    Track track = LoadTrack(data + "/gpsbabel-reference-track-20070813_short.plt", sink);
    ASSERT_EQ(track.PointCount, 44);
    EXPECT_EQ(track.Header[4], "0,2,255,V\xe9zelay / Cuncy-l\xe8s-Varzy          ,1,0,2,8421376,0");
    const TrackPoint& p = track.Points[0];
    EXPECT_EQ(std::make_tuple(p.Latitude, p.Longitude, p.BreakCode, p.Altitude, p.DateTime),
              std::make_tuple(47.466222, 3.747318, 0, 1259, 39307.3279977));
    EXPECT_EQ(track.Points[43].DateTime, 39307.3312731);
    EXPECT_TRUE(sink.messages.empty());

    EXPECT_EQ(LoadTrack(data + "/mapsoft2-vmap_data-example-brd_n49.plt", sink).PointCount, 1);
    EXPECT_EQ(sink.messages, Texts{"Ошибка в треке! Отметка времени точек: #1 - 01.01.1970; #2 - 01.01.1970. "
                                   "Трек будет обработан до точки #1."});
}

}  // namespace
}  // namespace qm
