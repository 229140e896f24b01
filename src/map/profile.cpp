#include "map/profile.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>

namespace qm {
namespace {

constexpr double kGapShare = 0.02;
constexpr double kAllGapsShare = 0.25;
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

int Column(const ProfileAxis& axis, double at, int count)
{
    if (!(axis.Length > 0)) return 0;
    return std::clamp(int(at / axis.Length * count), 0, count - 1);
}

void Widen(ValueRange& range, double value)
{
    if (std::isnan(range.Low) || value < range.Low) range.Low = value;
    if (std::isnan(range.High) || value > range.High) range.High = value;
}

// The range of valueAt(i) for the points i of the axis, in each column.
template <typename ValueAt>
std::vector<ValueRange> RangeColumns(const ProfileAxis& axis, int count, ValueAt valueAt)
{
    std::vector<ValueRange> columns(std::max(count, 0), {kNaN, kNaN});
    if (count < 1) return columns;
    for (std::size_t i = 0; i < axis.At.size(); ++i)
        if (const std::optional<double> value = valueAt(i)) Widen(columns[Column(axis, axis.At[i], count)], *value);
    return columns;
}

}  // namespace

ProfileAxis MakeProfileAxis(const TrackPoints& points, const ScaleCoefficients& scale,
                            const std::vector<TrackPart>& parts, ProfileScale over, int gmtHours)
{
    ProfileAxis axis;
    axis.At.assign(points.size(), 0);
    if (parts.empty()) return axis;
    // Each point's value along its part, from 0 at the part's first point.
    double sum = 0;
    for (const TrackPart& part : parts) {
        double value = 0;
        for (int32_t i = part.First; i < part.Last; ++i) {
            value += over == ProfileScale::Time ? points[i + 1].DateTime - points[i].DateTime
                                                : MeasureSegment(points, scale, i, i + 1).Distance;
            axis.At[i + 1] = value;
        }
        sum += value;
    }
    const std::size_t gaps = parts.size() - 1;
    double gap = sum > 0 ? sum * kGapShare : 1;
    if (gaps > 0) gap = std::min(gap, (sum > 0 ? sum : 1) * kAllGapsShare / gaps);
    double start = 0, distance = 0;
    for (const TrackPart& part : parts) {
        const double length = axis.At[part.Last];
        const double first =
            over == ProfileScale::Time ? points[part.First].DateTime + gmtHours / 24.0 : distance;
        axis.Parts.push_back({start, start + length, first});
        for (int32_t i = part.First; i <= part.Last; ++i) axis.At[i] += start;
        distance += length;
        start += length + gap;
    }
    axis.Length = axis.Parts.back().End;
    return axis;
}

bool GapsHoldMostTime(const TrackPoints& points, const std::vector<TrackPart>& parts)
{
    if (parts.size() < 2) return false;
    double inParts = 0;
    for (const TrackPart& part : parts) inParts += points[part.Last].DateTime - points[part.First].DateTime;
    const double whole = points.back().DateTime - points.front().DateTime;
    return whole - inParts > whole / 2;
}

std::vector<SpeedColumn> SpeedColumns(const ProfileAxis& axis, const std::vector<TrackPart>& parts,
                                      const std::vector<SpeedRun>& runs, int count)
{
    std::vector<SpeedColumn> columns(std::max(count, 0));
    if (count < 1 || !(axis.Length > 0)) return columns;
    std::vector<double> covered(count, 0);
    const double width = axis.Length / count;
    std::size_t k = 0;
    for (const SpeedRun& run : runs) {
        while (k < parts.size() && parts[k].Last <= run.First) ++k;
        // A run that goes on over a gap shows in each part it touches, not in the gap.
        for (std::size_t p = k; p < parts.size() && parts[p].First < run.Last; ++p) {
            const double from = axis.At[std::max(run.First, parts[p].First)];
            const double to = axis.At[std::min(run.Last, parts[p].Last)];
            for (int c = Column(axis, from, count); c < count && c * width < to; ++c) {
                const double overlap = std::min(to, (c + 1) * width) - std::max(from, c * width);
                if (overlap > covered[c]) {
                    covered[c] = overlap;
                    columns[c] = {run.Speed, run.Band};
                }
            }
        }
    }
    return columns;
}

std::vector<ValueRange> HeightColumns(const TrackPoints& points, const ProfileAxis& axis, int count)
{
    return RangeColumns(axis, count,
                        [&](std::size_t i) { return i < points.size() ? points[i].Height : std::nullopt; });
}

std::vector<ValueRange> MeasureValueColumns(const MeasureColumn& values, const ProfileAxis& axis, int count)
{
    return RangeColumns(axis, count, [&](std::size_t i) -> std::optional<double> {
        if (i >= values.size() || !values[i] || !std::isfinite(*values[i])) return std::nullopt;
        return *values[i];
    });
}

std::vector<Measure> MeasuresOf(const Track& track)
{
    std::vector<Measure> measures;
    for (std::size_t k = 0; k < kMeasureCount; ++k) {
        const MeasureColumn& column = track.Measures[k];
        if (std::any_of(column.begin(), column.end(), [](const std::optional<float>& v) { return v.has_value(); }))
            measures.push_back(static_cast<Measure>(k));
    }
    return measures;
}

std::vector<ValueRange> StepSpeedColumns(const TrackPoints& points, const ScaleCoefficients& scale,
                                         const std::vector<TrackPart>& parts, const ProfileAxis& axis, int count)
{
    std::vector<ValueRange> columns(std::max(count, 0), {kNaN, kNaN});
    if (count < 1) return columns;
    for (const TrackPart& part : parts) {
        for (int32_t i = part.First; i < part.Last; ++i) {
            if (points[i + 1].StartsPiece) continue;
            const Segment step = MeasureSegment(points, scale, i, i + 1);
            if (step.Time > 0) Widen(columns[Column(axis, axis.At[i + 1], count)], step.Distance / step.Time / 24);
        }
    }
    return columns;
}

}  // namespace qm
