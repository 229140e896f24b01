#include "stats/measure_table.h"

#include "platform/date_time_text.h"
#include "platform/message_text.h"
#include "platform/number_text.h"
#include "stats/report.h"
#include "stats/report_number.h"

namespace qm {
namespace {

constexpr int kLabelWidth = 9;
constexpr int kDateWidth = 12;
constexpr int kCellWidth = 10;  // a mean or a maximum; a measure's title spans both

std::string Cell(std::string_view text, int width, char alignment = 'r')
{
    return PadCell(text, width, alignment, ReportFormat::Txt);
}

std::string WithoutTrailingBlanks(std::string line)
{
    line.erase(line.find_last_not_of(' ') + 1);
    return line;
}

std::string RowLabel(const MeasureSummaryRow& row, const MeasureTableWords& words)
{
    return row.Level == kTrackLevel ? words.Track : words.Day + " " + IntToText(row.Number);
}

}  // namespace

MeasureTableWords CatalogueMeasureWords()
{
    using enum MessageId;
    return {{MessageText(HeartRateTitle), MessageText(CadenceTitle), MessageText(PowerTitle),
             MessageText(TemperatureTitle)},
            MessageText(MeasuresDate),
            MessageText(MeasuresMean),
            MessageText(MeasuresMax),
            MessageText(MeasuresTrack),
            MessageText(MeasuresDay),
            MessageText(MeasuresNoData)};
}

std::vector<std::string> MeasureTableLines(const MeasureSummary& summary, const MeasureTableWords& words,
                                           char decimalSeparator)
{
    const std::string_view separator(&decimalSeparator, 1);
    std::string titles = Cell("", kLabelWidth, 'l') + Cell("", kDateWidth);
    std::string names = Cell("", kLabelWidth, 'l') + Cell(words.Date, kDateWidth);
    for (const Measure measure : summary.Measures) {
        titles += Cell(words.Titles[static_cast<size_t>(measure)], 2 * kCellWidth);
        names += Cell(words.Mean, kCellWidth) + Cell(words.Max, kCellWidth);
    }
    std::vector<std::string> lines = {WithoutTrailingBlanks(titles), WithoutTrailingBlanks(names)};

    for (const MeasureSummaryRow& row : summary.Rows) {
        std::string line =
            Cell(RowLabel(row, words), kLabelWidth, 'l') + Cell(row.Level == kDayLevel ? DateText(row.Date) : "", kDateWidth);
        for (const Measure measure : summary.Measures) {
            const std::optional<MeasureFigures>& figures = row.Figures[static_cast<size_t>(measure)];
            if (!figures) {
                line += Cell(words.NoData, 2 * kCellWidth);
                continue;
            }
            const int maxDecimals = measure == Measure::Temperature ? 1 : 0;
            line += Cell(ReportNumber(figures->Mean, 1, separator), kCellWidth) +
                    Cell(ReportNumber(figures->Max, maxDecimals, separator), kCellWidth);
        }
        lines.push_back(WithoutTrailingBlanks(line));
    }
    return lines;
}

}  // namespace qm
