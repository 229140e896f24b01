#include "commands/statistics.h"

#include "support/test_support.h"

#include <gtest/gtest.h>

namespace qm {
namespace {

const std::string kHeader = "OziExplorer Track Point File Version 2.1\r\nWGS 84\r\nAltitude is in Feet\r\n"
                            "Reserved 3\r\n0,2,255,,0,0,2,8421376\r\n0\r\n";

struct StatCommand : ::testing::Test {
    bool Run(const std::string& path)
    {
        std::optional<StatTable> computed = TrackStatistics(path, settings, sink);
        if (computed) table = std::move(*computed);
        return computed.has_value();
    }

    test::TempDir dir;
    Settings settings;
    StatTable table;
    test::RecordingSink sink;
};

TEST_F(StatCommand, ATrackThatCannotBeUsedGivesNoTable)
{
    const std::tuple<std::string, test::Texts, test::Texts> cases[] = {  // messages, errors
        {dir.File("none.plt"), {"Файл трека не найден!"}, {}},
        {dir.Write("untimed.gpx", "<gpx><trk><trkseg><trkpt lat=\"55\" lon=\"37\"/></trkseg></trk></gpx>"),
         {"В треке нет данных о времени: ни у одной из 1 точек файла " + dir.File("untimed.gpx") +
          " нет отметки <time>."},
         {}},
        {dir.Write("bad.plt", kHeader + "55.1,37.2,0,100,40000.5,,\r\n55.2,37.2,0,1x0,40000.6,,\r\n"),
         {}, {"'1x0' is not a valid floating point value"}}};
    for (const auto& [path, messages, errors] : cases) {
        sink = {};
        EXPECT_FALSE(Run(path));
        EXPECT_EQ(std::tie(sink.messages, sink.errors), std::tie(messages, errors)) << path;
    }
}

TEST_F(StatCommand, ATrackCutAtATimeOutOfOrderGivesTheTableOfTheRest)
{
    // The third point goes back in time: the reader cuts the track to two points.
    std::string path = dir.Write("cut.plt", kHeader + "55.1,37.2,0,100,40000.5,,\r\n55.2,37.2,0,200,40000.6,,\r\n"
                                                      "55.3,37.2,0,300,40000.55,,\r\n");
    EXPECT_TRUE(Run(path));
    EXPECT_EQ(sink.messages.size(), 1u);  // the reader's own
    ASSERT_EQ(table.size(), 3u);
    EXPECT_EQ(table[0].LastPoint, 1);
}

}  // namespace
}  // namespace qm
