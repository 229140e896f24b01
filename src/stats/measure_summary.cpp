#include "stats/measure_summary.h"

#include "track/measure_range.h"

#include <algorithm>

namespace qm {
namespace {

class MeasureFiguresBuilder {
public:
    MeasureFiguresBuilder(const TrackPoints& points, const MeasureColumn& column, Measure measure)
        : points_(points), column_(column), measure_(measure)
    {
    }

    // The figures of the group row at table[row] (the track or a day), whose
    // parts are the part rows that follow it up to the next row of its level.
    std::optional<MeasureFigures> Of(const StatTable& table, size_t row) const
    {
        const StatRow& group = table[row];
        double sum = 0, max = 0;
        size_t count = 0;
        for (int i = group.FirstPoint; i <= group.LastPoint; ++i) {
            const std::optional<double> value = Value(i);
            if (!value) continue;
            max = count == 0 ? *value : std::max(max, *value);
            sum += *value;
            ++count;
        }
        if (count == 0) return std::nullopt;

        double weight = 0, weighted = 0;
        for (size_t r = row + 1; r < table.size() && table[r].Level > group.Level; ++r) {
            if (table[r].Level != kPartLevel) continue;
            for (int i = table[r].FirstPoint; i < table[r].LastPoint; ++i) {
                const std::optional<double> start = Value(i), end = Value(i + 1);
                if (!start || !end) continue;
                const double duration = points_[i + 1].DateTime - points_[i].DateTime;
                weight += duration;
                weighted += duration * (*start + *end) / 2;
            }
        }
        return MeasureFigures{weight > 0 ? weighted / weight : sum / static_cast<double>(count), max};
    }

    size_t ImplausibleCount() const
    {
        return static_cast<size_t>(std::count_if(column_.begin(), column_.end(), [&](const std::optional<float>& v) {
            return v && !IsPlausible(measure_, *v);
        }));
    }

private:
    std::optional<double> Value(int point) const
    {
        const std::optional<float>& value = column_[static_cast<size_t>(point)];
        if (!value || !IsPlausible(measure_, *value)) return std::nullopt;
        return *value;
    }

    const TrackPoints& points_;
    const MeasureColumn& column_;
    const Measure measure_;
};

}  // namespace

MeasureSummary SummariseMeasures(const Track& track, const StatTable& table)
{
    MeasureSummary summary;
    for (size_t k = 0; k < kMeasureCount; ++k)
        if (!track.Measures[k].empty()) summary.Measures.push_back(static_cast<Measure>(k));
    if (summary.Measures.empty()) return summary;

    for (size_t row = 0; row < table.size(); ++row)
        if (table[row].Level != kPartLevel)
            summary.Rows.push_back({table[row].Level, table[row].Number, table[row].Date, {}});
    for (const Measure measure : summary.Measures) {
        const MeasureFiguresBuilder figures(track.Points, ColumnOf(track.Measures, measure), measure);
        summary.Implausible += figures.ImplausibleCount();
        size_t shown = 0;
        for (size_t row = 0; row < table.size(); ++row)
            if (table[row].Level != kPartLevel)
                summary.Rows[shown++].Figures[static_cast<size_t>(measure)] = figures.Of(table, row);
    }
    return summary;
}

}  // namespace qm
