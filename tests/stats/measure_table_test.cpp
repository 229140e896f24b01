#include "stats/measure_table.h"

#include "platform/message_text.h"

#include <gtest/gtest.h>

namespace qm {
namespace {

TEST(MeasureTable, AlignsCharactersNotBytesAndSaysWhereThereIsNoData)
{
    MeasureSummary summary;
    summary.Measures = {Measure::HeartRate, Measure::Temperature};
    using Figures = std::optional<MeasureFigures>;
    auto row = [](int32_t level, int32_t number, double date, Figures heartRate, Figures temperature) {
        return MeasureSummaryRow{level, number, date, {heartRate, std::nullopt, std::nullopt, temperature}};
    };
    summary.Rows = {
        row(kTrackLevel, 0, 40000, MeasureFigures{139.649, 151}, MeasureFigures{-0.04, 15.25}),
        row(kDayLevel, 1, 40000, MeasureFigures{139.649, 151}, std::nullopt),
        row(kDayLevel, 12, 40001, std::nullopt, MeasureFigures{-12.35, -3}),
    };
    SetMessageLanguage(Language::Russian);
    const std::vector<std::string> lines = MeasureTableLines(summary, CatalogueMeasureWords(), ',');
    EXPECT_EQ(lines, (std::vector<std::string>{
                         "                           Пульс, уд/мин     Температура, °C",
                         "                Дата   среднее  максимум   среднее  максимум",
                         "Трек                     139,6       151       0,0      15,3",
                         "День 1    06.07.2009     139,6       151          нет данных",
                         "День 12   07.07.2009          нет данных     -12,4      -3,0",
                     }));
}

}  // namespace
}  // namespace qm
