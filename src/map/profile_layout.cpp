#include "map/profile_layout.h"

#include "map/round_steps.h"
#include "platform/date_time_text.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace qm {
namespace {

// About how far apart the bottom axis's labels are, and the least room
// between two of them.
constexpr double kLabelSpacing = 90;
constexpr double kLabelGap = 8;
// A gap narrower than this has no edges or break drawn: many would hatch the plot.
constexpr double kGapEdgeRoom = 6;
// Between a file's line and its name, and at either end of the name.
constexpr double kNamePadding = 3;

// A local time (days since 1899-12-30) to the millisecond as the calendar
// has it.
struct Clock {
    int64_t Day = 0;  // since 1970-01-01
    int Year = 0, Month = 0, DayOfMonth = 0;
    int Hour = 0, Minute = 0, Second = 0;
};

Clock ClockOf(double days)
{
    constexpr int64_t kMsPerDay = 86400000;
    const int64_t ms = std::llround((days - kDaysBefore1970) * kMsPerDay);
    Clock clock;
    clock.Day = ms / kMsPerDay - (ms % kMsPerDay < 0);
    const int64_t ofDay = ms - clock.Day * kMsPerDay;
    clock.Hour = int(ofDay / 3600000);
    clock.Minute = int(ofDay / 60000 % 60);
    clock.Second = int(ofDay / 1000 % 60);
    // The civil date of a day count (H. Hinnant's days_from_civil inverse).
    const int64_t z = clock.Day + 719468;
    const int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const int64_t dayOfEra = z - era * 146097;
    const int64_t yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const int64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const int64_t monthIndex = (5 * dayOfYear + 2) / 153;
    clock.DayOfMonth = int(dayOfYear - (153 * monthIndex + 2) / 5 + 1);
    clock.Month = int(monthIndex < 10 ? monthIndex + 3 : monthIndex - 9);
    clock.Year = int(yearOfEra + era * 400 + (clock.Month <= 2));
    return clock;
}

std::string TwoDigits(int value)
{
    char text[3] = {char('0' + value / 10 % 10), char('0' + value % 10), 0};
    return text;
}

std::string DateLabel(const Clock& clock) { return TwoDigits(clock.DayOfMonth) + "." + TwoDigits(clock.Month); }

std::string TimeLabel(const Clock& clock, bool seconds)
{
    std::string text = TwoDigits(clock.Hour) + ":" + TwoDigits(clock.Minute);
    return seconds ? text + ":" + TwoDigits(clock.Second) : text;
}

}  // namespace

ProfileScale DefaultProfileScale(const TrackPoints& points, const std::vector<TrackPart>& parts)
{
    const bool timeless = points.empty() || !(points.back().DateTime > points.front().DateTime);
    return timeless || GapsHoldMostTime(points, parts) ? ProfileScale::Distance : ProfileScale::Time;
}

ValueAxis SpeedAxis(double top, double pixels)
{
    const double step = RoundStep(top / std::max(1.0, pixels / kValueLabelSpacing));
    return {step, 0, std::ceil(top / step) * step};
}

ValueAxis RoundValueAxis(double low, double high, double pixels)
{
    const double step = RoundStep((high - low) / std::max(1.0, pixels / kValueLabelSpacing));
    const double bottom = std::floor(low / step) * step;
    return {step, bottom, std::max(bottom + step, std::ceil(high / step) * step)};
}

std::pair<double, double> ValueExtent(const std::vector<ValueRange>& columns)
{
    double low = 0, high = 1;
    bool any = false;
    for (const ValueRange& column : columns) {
        if (std::isnan(column.Low)) continue;
        low = any ? std::min(low, column.Low) : column.Low;
        high = any ? std::max(high, column.High) : column.High;
        any = true;
    }
    return {low, std::max(high, low + std::max(1.0, std::fabs(low) * 1e-6))};
}

ProfileColumns MakeProfileColumns(const MapTrip& trip, const ProfileAxis& axis, int count, bool stepSpeeds,
                                  std::optional<Measure> measure)
{
    ProfileColumns columns;
    if (!(axis.Length > 0)) return columns;
    const TrackPoints& points = trip.Track.Points;
    const TripColouring& colouring = trip.Colouring;
    columns.BarMeasure = colouring.Measure;
    columns.Bars = SpeedColumns(axis, trip.Parts, colouring.Runs, count);
    for (SpeedColumn& bar : columns.Bars)
        if (bar.Band >= 0 && colouring.Bands[bar.Band].NoData) bar.Band = -1;
    columns.Heights = HeightColumns(points, axis, count);
    if (stepSpeeds) columns.Steps = StepSpeedColumns(points, trip.Scale, trip.Parts, axis, count);
    if (measure) columns.Measures = MeasureValueColumns(ColumnOf(trip.Track.Measures, *measure), axis, count);
    return columns;
}

ProfileValueAxes MakeValueAxes(const ProfileColumns& columns, double pixels)
{
    std::vector<ValueRange> bars;
    for (const SpeedColumn& bar : columns.Bars)
        if (bar.Band >= 0) bars.push_back({bar.Speed, bar.Speed});
    for (const ValueRange& step : columns.Steps)
        if (!std::isnan(step.High)) bars.push_back(step);
    const auto [lowBar, highBar] = ValueExtent(bars);
    const ColourMeasure measure = columns.BarMeasure;
    const bool fromZero = measure == ColourMeasure::Speed || measure == ColourMeasure::HeartRate ||
                          measure == ColourMeasure::Cadence || measure == ColourMeasure::Power;
    const auto [lowHeight, highHeight] = ValueExtent(columns.Heights);
    const auto [lowMeasure, highMeasure] = ValueExtent(columns.Measures);
    return {fromZero ? SpeedAxis(highBar, pixels) : RoundValueAxis(lowBar, highBar, pixels),
            RoundValueAxis(lowHeight, highHeight, pixels), RoundValueAxis(lowMeasure, highMeasure, pixels)};
}

ProfilePlot::ProfilePlot(const ProfileAxis& axis, double width, double height, const ProfileTextRoom& room,
                         bool measureShown)
    : axis_(axis), width_(width), lineHeight_(room.LineHeight)
{
    const double top = room.Top + room.LineHeight + 8;
    const double bottom = height - 2 * room.LineHeight - 10;
    const double right = measureShown ? 2 * room.SideWidth : room.SideWidth;
    area_ = {room.SideWidth, top, width - right - room.SideWidth, std::max(top + 1, bottom) - top};
}

double ProfilePlot::X(double axisValue) const
{
    return area_.Left + (axis_.Length > 0 ? axisValue / axis_.Length * area_.Width : 0);
}

int ProfilePlot::PointAt(double x) const
{
    if (axis_.At.empty() || x < area_.Left || x > area_.Right()) return -1;
    const double value = (x - area_.Left) / area_.Width * axis_.Length;
    auto after = std::lower_bound(axis_.At.begin(), axis_.At.end(), value);
    if (after == axis_.At.end()) --after;
    if (after != axis_.At.begin() && value - *(after - 1) < *after - value) --after;
    return int(after - axis_.At.begin());
}

std::pair<int, int> ProfilePlot::PartColumns(const ProfileAxis::Part& part, int count) const
{
    const double column = area_.Width / count;
    return {std::clamp(int((X(part.Start) - area_.Left) / column), 0, count - 1),
            std::clamp(int((X(part.End) - area_.Left) / column), 0, count - 1)};
}

bool ProfilePlot::Gap::Marked() const { return Right - Left >= kGapEdgeRoom; }

std::vector<ProfilePlot::Gap> ProfilePlot::Gaps() const
{
    std::vector<Gap> gaps;
    for (std::size_t k = 1; k < axis_.Parts.size(); ++k)
        gaps.push_back({X(axis_.Parts[k - 1].End), X(axis_.Parts[k].Start)});
    return gaps;
}

ProfilePlot::BottomAxis ProfilePlot::Bottom(ProfileScale scale, const TextWidth& textWidth, char separator) const
{
    BottomAxis bottom;
    const bool overTime = scale == ProfileScale::Time;
    const double spacing = axis_.Length / std::max(1.0, area_.Width) * kLabelSpacing;
    const double step = overTime ? RoundTimeStep(spacing) : RoundStep(spacing);
    const bool days = overTime && step >= 1;
    const bool seconds = step < 1.0 / 1440;
    double taken = -1e9;  // the right end of the last label
    int64_t lastDay = INT64_MIN;
    for (const ProfileAxis::Part& part : axis_.Parts) {
        std::vector<double> ticks = RoundTicks(part.FirstValue, part.FirstValue + (part.End - part.Start), step);
        // Days: midnight may fall into the gaps (nights) only; a part that
        // opens a new date is named at its start.
        if (days && ClockOf(part.FirstValue).Day != lastDay) ticks.insert(ticks.begin(), part.FirstValue);
        for (double value : ticks) {
            const double x = X(part.Start + value - part.FirstValue);
            bottom.Ticks.push_back(x);
            std::string text;
            const Clock clock = ClockOf(value);
            if (!overTime)
                text = StepText(value, step, separator);
            else if (days)
                text = DateLabel(clock);
            else if (clock.Day != lastDay)  // the date where it changes, so that no two labels read alike
                text = DateLabel(clock) + " " + TimeLabel(clock, seconds);
            else
                text = TimeLabel(clock, seconds);
            const double width = textWidth(text, false);
            const double left = std::max(0.0, std::min(x - width / 2, width_ - width - 1));
            if (left < taken + kLabelGap) continue;
            bottom.Labels.push_back({std::move(text), left});
            taken = left + width;
            if (overTime) lastDay = clock.Day;
        }
    }
    return bottom;
}

std::vector<ProfilePlot::FileMark> ProfilePlot::FileMarks(const PointSources& files,
                                                          const std::vector<std::string>& names,
                                                          const TextWidth& textWidth) const
{
    std::vector<FileMark> marks;
    if (files.empty() || files.size() != axis_.At.size()) return marks;
    for (std::size_t i = 0; i < files.size(); ++i) {
        if (i > 0 && files[i] == files[i - 1]) continue;
        marks.push_back({PointX(int(i)), 0, files[i], i > 0, {}, {}});
    }
    for (std::size_t k = 0; k < marks.size(); ++k) {
        FileMark& mark = marks[k];
        mark.End = k + 1 < marks.size() ? marks[k + 1].X : area_.Right();
        const double room = mark.End - mark.X - 3 * kNamePadding;
        const std::string& name = mark.File < names.size() ? names[mark.File] : std::string();
        mark.Name = ElidedText(name, room, textWidth);
        if (mark.Name.empty()) continue;
        mark.NameBox = {mark.X + kNamePadding, area_.Top + 1, textWidth(mark.Name, false) + 2 * kNamePadding,
                        lineHeight_};
    }
    return marks;
}

ProfilePlot::Label ProfilePlot::CaptionNote(const std::string& note, double captionWidth,
                                            const TextWidth& textWidth) const
{
    return {ElidedText(note, area_.Width - captionWidth - 2 * kLabelGap, textWidth), area_.Left};
}

}  // namespace qm
