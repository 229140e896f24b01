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
constexpr int kMostRoundSteps = 7;

// A run's value and the weight it carries when runs merge: the duration of
// the steps counted, or for grade the distance; always above 0.
struct RunValue {
    double Value = 0;
    double Weight = 0;
};

// An interval run before banding and merging; Weight 0 without a value.
struct ValuedRun {
    MeasureRun Run;
    double Weight = 0;
};

// The time-weighted mean of a value of the points over each run's steps.
template <typename ValueAt>
class StepMean {
public:
    explicit StepMean(ValueAt valueAt) : valueAt_(valueAt) {}

    void Step(int32_t p, double time)
    {
        const std::optional<double> before = valueAt_(p - 1), after = valueAt_(p);
        if (!before && !after) return;
        const double value = before && after ? (*before + *after) / 2 : before ? *before : *after;
        weight_ += time;
        sum_ += time * value;
    }
    std::optional<RunValue> Close(const IntervalRun&)
    {
        std::optional<RunValue> value;
        if (weight_ > 0) value = RunValue{sum_ / weight_, weight_};
        weight_ = sum_ = 0;
        return value;
    }

private:
    ValueAt valueAt_;
    double weight_ = 0;
    double sum_ = 0;
};

class RunGrade {
public:
    explicit RunGrade(const TrackPoints& points) : points_(points) {}

    void Step(int32_t, double) {}
    std::optional<RunValue> Close(const IntervalRun& run)
    {
        const std::optional<double> first = points_[run.First].Height, last = points_[run.Last].Height;
        if (!first || !last || !IsPlausibleHeight(*first) || !IsPlausibleHeight(*last) || !(run.Distance > 0))
            return std::nullopt;
        // Plausible heights over a distance above 0 (at least 1E-160 km: its
        // square is a double) give a finite grade.
        return RunValue{(*last - *first) / (run.Distance * 1000) * 100, run.Distance};
    }

private:
    const TrackPoints& points_;
};

template <typename Valuer>
std::vector<ValuedRun> ValueRuns(const TrackPoints& points, double interval, Valuer valuer)
{
    std::vector<ValuedRun> runs;
    CutIntoIntervalRuns(
        points, FitLatitudeScale(points), interval, [&](int32_t p, const Segment& step) { valuer.Step(p, step.Time); },
        [&](const IntervalRun& cut) {
            const RunValue value = valuer.Close(cut).value_or(RunValue{});
            runs.push_back({{cut.First, cut.Last, cut.Distance, cut.Duration, value.Value}, value.Weight});
        },
        [](double) {});
    return runs;
}

std::vector<ValuedRun> ValueRuns(const Track& track, ColourMeasure measure, double interval)
{
    const TrackPoints& points = track.Points;
    if (measure == ColourMeasure::Grade) return ValueRuns(points, interval, RunGrade(points));
    if (measure == ColourMeasure::Height)
        return ValueRuns(points, interval, StepMean([&points](int32_t p) -> std::optional<double> {
                             const std::optional<double>& height = points[p].Height;
                             if (!height || !IsPlausibleHeight(*height)) return std::nullopt;
                             return height;
                         }));
    const Measure device = *DeviceMeasure(measure);
    const MeasureColumn& column = ColumnOf(track.Measures, device);
    if (column.empty()) return ValueRuns(points, interval, StepMean([](int32_t) { return std::optional<double>(); }));
    return ValueRuns(points, interval, StepMean([&column, device](int32_t p) -> std::optional<double> {
                         const std::optional<float> value = column[p];
                         if (!value || !IsPlausible(device, *value)) return std::nullopt;
                         return *value;
                     }));
}

// How many values the track holds for the measure, and how many of them are implausible.
void CountValues(const Track& track, ColourMeasure measure, MeasureColouring& colouring)
{
    auto count = [&colouring](bool plausible) {
        ++colouring.Values;
        if (!plausible) ++colouring.Implausible;
    };
    if (const std::optional<Measure> device = DeviceMeasure(measure)) {
        for (const std::optional<float>& value : ColumnOf(track.Measures, *device))
            if (value) count(IsPlausible(*device, *value));
    } else {
        for (const TrackPoint& point : track.Points)
            if (point.Height) count(IsPlausibleHeight(*point.Height));
    }
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

std::vector<double> TrackBounds(const std::vector<ValuedRun>& runs)
{
    double low = kInfinity, high = -kInfinity;
    for (const ValuedRun& valued : runs) {
        if (valued.Weight == 0) continue;
        low = std::min(low, valued.Run.Value);
        high = std::max(high, valued.Run.Value);
    }
    return low <= high ? RoundStepBounds(low, high) : RoundStepBounds(0, 0);
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
    MeasureColouring colouring;
    colouring.Measure = measure;
    CountValues(track, measure, colouring);
    std::vector<ValuedRun> runs;
    if (!track.Points.empty()) runs = ValueRuns(track, measure, settings.TIMEINTRVL / 1440);
    colouring.Bands = MakeBands(scale.Bounds.empty() ? TrackBounds(runs) : scale.Bounds, scale.Colors, measure);

    std::vector<double> weights;
    for (ValuedRun& valued : runs) {
        MeasureRun& run = valued.Run;
        run.Band = valued.Weight > 0 ? BandOf(colouring.Bands, run.Value) : kNoDataBand;
        (run.Band == kNoDataBand ? colouring.NoDataSteps : colouring.Bands[run.Band].StepCount) += run.Last - run.First;
        if (!colouring.Runs.empty() && colouring.Runs.back().Band == run.Band && colouring.Runs.back().Last == run.First) {
            MeasureRun& before = colouring.Runs.back();
            double& weight = weights.back();
            before.Last = run.Last;
            before.Distance += run.Distance;
            before.Duration += run.Duration;
            if (valued.Weight > 0) before.Value = (before.Value * weight + run.Value * valued.Weight) / (weight + valued.Weight);
            weight += valued.Weight;
        } else {
            colouring.Runs.push_back(run);
            weights.push_back(valued.Weight);
        }
    }
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
