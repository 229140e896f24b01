#include "visual/measure_colouring.h"

#include "platform/message_text.h"
#include "platform/number_text.h"
#include "track/distance.h"
#include "track/measure_range.h"
#include "visual/interval_runs.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace qm {
namespace {

constexpr double kInfinity = std::numeric_limits<double>::infinity();
constexpr double kNoValue = std::numeric_limits<double>::quiet_NaN();
constexpr int kMostRoundSteps = 7;

// A run's value and the weight it carries when runs merge: the duration of
// the steps counted, or for grade the distance; above 0 where the run has a
// value.
struct RunValue {
    double Value = 0;
    double Weight = 0;
};

// The time-weighted mean of a value of the points (kNoValue where a point
// has none) over each run's steps.
template <typename ValueAt>
class StepMean {
public:
    explicit StepMean(ValueAt valueAt) : valueAt_(valueAt) {}

    void Step(int32_t p, double time)
    {
        // A step but the first after a break starts where the step before ended.
        const double before = p - 1 == last_ ? lastValue_ : valueAt_(p - 1), after = valueAt_(p);
        last_ = p, lastValue_ = after;
        const bool hasBefore = !std::isnan(before), hasAfter = !std::isnan(after);
        if (!hasBefore && !hasAfter) return;
        weight_ += time;
        sum_ += time * (hasBefore && hasAfter ? (before + after) / 2 : hasBefore ? before : after);
    }
    RunValue Close(const IntervalRun&)
    {
        const RunValue value{weight_ > 0 ? sum_ / weight_ : 0, weight_};
        weight_ = sum_ = 0;
        return value;
    }

private:
    ValueAt valueAt_;
    int32_t last_ = -1;  // the point of the last step's end, and its value
    double lastValue_ = 0;
    double weight_ = 0;
    double sum_ = 0;
};

class RunGrade {
public:
    explicit RunGrade(const TrackPoints& points) : points_(points) {}

    void Step(int32_t, double) {}
    RunValue Close(const IntervalRun& run) const
    {
        const std::optional<double> first = points_[run.First].Height, last = points_[run.Last].Height;
        if (!first || !last || !IsPlausibleHeight(*first) || !IsPlausibleHeight(*last) || !(run.Distance > 0))
            return {};
        // Plausible heights over a distance above 0 (at least 1E-160 km: its
        // square is a double) give a finite grade.
        return {(*last - *first) / (run.Distance * 1000) * 100, run.Distance};
    }

private:
    const TrackPoints& points_;
};

template <typename Valuer, typename OnRun>
void ValueRuns(const TrackPoints& points, double interval, Valuer valuer, OnRun&& onRun)
{
    CutIntoIntervalRuns(
        points, FitLatitudeScale(points), interval, [&](int32_t p, const Segment& step) { valuer.Step(p, step.Time); },
        [&](const IntervalRun& cut) {
            const RunValue value = valuer.Close(cut);
            onRun(MeasureRun{cut.First, cut.Last, cut.Distance, cut.Duration, value.Value}, value.Weight);
        },
        [](double) {});
}

// Cuts the track into runs and gives each with its value and weight (0 for
// no value) to onRun(run, weight), in track order.
template <typename OnRun>
void ValueRuns(const Track& track, ColourMeasure measure, double interval, OnRun&& onRun)
{
    const TrackPoints& points = track.Points;
    if (points.empty()) return;
    if (measure == ColourMeasure::Grade) return ValueRuns(points, interval, RunGrade(points), onRun);
    if (measure == ColourMeasure::Height)
        return ValueRuns(points, interval, StepMean([&points](int32_t p) {
                             const std::optional<double>& height = points[p].Height;
                             return height && IsPlausibleHeight(*height) ? *height : kNoValue;
                         }),
                         onRun);
    const Measure device = *DeviceMeasure(measure);
    const MeasureColumn& column = ColumnOf(track.Measures, device);
    if (column.empty()) return ValueRuns(points, interval, StepMean([](int32_t) { return kNoValue; }), onRun);
    ValueRuns(points, interval, StepMean([&column, range = PlausibleRange(device)](int32_t p) {
                  const std::optional<float> value = column[p];
                  return value && range.Holds(*value) ? *value : kNoValue;
              }),
              onRun);
}

// The values a track holds for a measure (its heights for grade): how many,
// how many of them are implausible, the lowest and highest of the others.
struct PointValues {
    int64_t Count = 0;
    int64_t Implausible = 0;
    double Low = kInfinity;
    double High = -kInfinity;
};

// Not inlined: within the colouring's one function the compiler kept the
// loop's counts and bounds in memory, which made it the slowest part.
template <typename Values, typename ValueOf>
[[gnu::noinline]] PointValues CountValues(const Values& values, MeasureRange range, ValueOf valueOf)
{
    int64_t count = 0, implausible = 0;
    double low = kInfinity, high = -kInfinity;
    for (const auto& item : values) {
        const std::optional<double> value = valueOf(item);
        if (!value) continue;
        ++count;
        if (!range.Holds(*value)) {
            ++implausible;
            continue;
        }
        low = std::min(low, *value);
        high = std::max(high, *value);
    }
    return {count, implausible, low, high};
}

PointValues CountValues(const Track& track, ColourMeasure measure)
{
    if (const std::optional<Measure> device = DeviceMeasure(measure))
        return CountValues(ColumnOf(track.Measures, *device), PlausibleRange(*device),
                           [](const std::optional<float>& value) { return std::optional<double>(value); });
    return CountValues(track.Points, kPlausibleHeight, [](const TrackPoint& point) { return point.Height; });
}

// The bounds of a scale without them: round steps over the track's values,
// for grade over its runs' grades.
std::vector<double> TrackBounds(const Track& track, ColourMeasure measure, const PointValues& values,
                                double interval)
{
    double low = values.Low, high = values.High;
    if (measure == ColourMeasure::Grade) {
        low = kInfinity, high = -kInfinity;
        ValueRuns(track, measure, interval, [&](const MeasureRun& run, double weight) {
            if (weight == 0) return;
            low = std::min(low, run.Value);
            high = std::max(high, run.Value);
        });
    }
    return low <= high ? RoundStepBounds(low, high) : RoundStepBounds(0, 0);
}

std::vector<MeasureBand> MakeBands(const std::vector<double>& bounds, const std::vector<int32_t>& colors,
                                   ColourMeasure measure)
{
    const int count = static_cast<int>(bounds.size()) + 1;
    std::vector<MeasureBand> bands(static_cast<size_t>(count));
    for (int k = 0; k < count; ++k) {
        MeasureBand& band = bands[static_cast<size_t>(k)];
        band.Lower = k == 0 ? -kInfinity : bounds[static_cast<size_t>(k) - 1];
        band.Upper = k == count - 1 ? kInfinity : bounds[static_cast<size_t>(k)];
        band.Color = BandColor(colors, k, count);
        band.Name = MeasureRangeText(band.Lower, band.Upper, ColourMeasureUnit(measure));
    }
    return bands;
}

int32_t BandOf(const std::vector<MeasureBand>& bands, double value)
{
    for (size_t k = 0; k + 1 < bands.size(); ++k)
        if (!(bands[k].Upper < value)) return static_cast<int32_t>(k);
    return static_cast<int32_t>(bands.size()) - 1;
}

}  // namespace

ColourScale MeasureColourScale(ColourMeasure measure, const Settings& settings)
{
    ColourScale scale = ScaleOf(settings.ColourScales, measure);
    const double whole = measure == ColourMeasure::HeartRate ? settings.MAXHR
                         : measure == ColourMeasure::Power   ? settings.FTP
                                                             : 0;
    if (whole > 0)
        for (double& bound : scale.Bounds) bound = whole * bound / 100;
    return scale;
}

MeasureColouring ColourTrack(const Track& track, ColourMeasure measure, const ColourScale& scale,
                             const Settings& settings)
{
    const double interval = settings.TIMEINTRVL / 1440;
    const PointValues values = CountValues(track, measure);
    MeasureColouring colouring;
    colouring.Measure = measure;
    colouring.Values = values.Count;
    colouring.Implausible = values.Implausible;
    colouring.Bands = MakeBands(scale.Bounds.empty() ? TrackBounds(track, measure, values, interval) : scale.Bounds,
                                scale.Colors, measure);

    double lastWeight = 0;  // of the last run so far
    ValueRuns(track, measure, interval, [&](MeasureRun run, double weight) {
        run.Band = weight > 0 ? BandOf(colouring.Bands, run.Value) : kNoDataBand;
        (run.Band == kNoDataBand ? colouring.NoDataSteps : colouring.Bands[run.Band].StepCount) += run.Last - run.First;
        std::vector<MeasureRun>& runs = colouring.Runs;
        if (runs.empty() || runs.back().Band != run.Band || runs.back().Last != run.First) {
            runs.push_back(run);
            lastWeight = weight;
            return;
        }
        MeasureRun& before = runs.back();
        before.Last = run.Last;
        before.Distance += run.Distance;
        before.Duration += run.Duration;
        if (weight > 0) before.Value = (before.Value * lastWeight + run.Value * weight) / (lastWeight + weight);
        lastWeight += weight;
    });
    return colouring;
}

std::vector<double> RoundStepBounds(double low, double high)
{
    const double step = [&] {
        for (double power = 1;; power *= 10)
            for (double multiple : {1, 2, 5})
                if (std::ceil(high / (multiple * power)) - std::floor(low / (multiple * power)) <= kMostRoundSteps)
                    return multiple * power;
    }();
    const double bottom = std::floor(low / step);
    const double top = std::max(std::ceil(high / step), bottom + 2);
    std::vector<double> bounds;
    for (double n = bottom + 1; n < top; ++n) bounds.push_back(n * step);
    return bounds;
}

std::string MeasureRangeText(double lower, double upper, std::string_view unit)
{
    const std::string suffix = " " + std::string(unit);
    if (lower == -kInfinity) return "up to " + FloatToText(upper) + suffix;
    if (upper == kInfinity) return "over " + FloatToText(lower) + suffix;
    const std::string dash = lower < 0 || upper < 0 ? " to " : "-";
    return FloatToText(lower) + dash + FloatToText(upper) + suffix;
}

std::optional<std::string> ImplausibleValuesMessage(const MeasureColouring& colouring)
{
    if (colouring.Implausible == 0) return std::nullopt;
    const std::optional<Measure> device = DeviceMeasure(colouring.Measure);
    const ColourMeasure valued = device ? colouring.Measure : ColourMeasure::Height;
    const MeasureRange range = device ? PlausibleRange(*device) : kPlausibleHeight;
    return MessageText(MessageId::ImplausibleValues,
                       {ColourMeasureName(valued), FloatToText(range.Low), FloatToText(range.High),
                        ColourMeasureUnit(valued), IntToText(colouring.Implausible), IntToText(colouring.Values)});
}

}  // namespace qm
