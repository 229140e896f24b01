#include "stats/compute_statistics.h"

#include <algorithm>
#include <cmath>

namespace qm {
namespace {

class StatisticsBuilder {
public:
    StatisticsBuilder(const TrackPoints& track, const ScaleCoefficients& scale, const Settings& settings)
        : track_(track), scale_(scale), settings_(settings), last_(static_cast<int>(track.size()) - 1)
    {
    }

    StatTable Run()
    {
        table_.reserve(100);
        table_.emplace_back();
        BuildGroupRow(kTrackLevel, 0, 0);
        table_.shrink_to_fit();
        return std::move(table_);
    }

private:
    // Widens [low, high] to take in the height.
    static void Include(std::optional<double>& low, std::optional<double>& high, double height)
    {
        low = low ? std::min(*low, height) : height;
        high = high ? std::max(*high, height) : height;
    }

    // The whole track or a day into row k, then every row below it.
    void BuildGroupRow(int32_t level, int32_t number, size_t k)
    {
        StatRow& start = table_[k];
        start = StatRow{};
        start.Level = level;
        start.Number = number;
        start.FirstPoint = start.LastPoint = cursor_;
        // Its first point is that of its first part (the only point of a one-point track).
        if (const std::optional<double>& h = track_[cursor_].Height) Include(start.MinHgt, start.MaxHgt, *h);

        int32_t children = 0;
        while (cursor_ < last_) {
            size_t child = table_.size();
            table_.emplace_back();
            int childStart = cursor_;
            ++children;
            if (level == kTrackLevel)
                BuildGroupRow(kDayLevel, children, child);
            else
                BuildPartRow(children, child);

            StatRow& row = table_[k];
            const StatRow& added = table_[child];
            // The first child gives the date, even a date of 0.
            if (children == 1) {
                row.Date = added.Date;
            } else if (level == kDayLevel && added.Date != row.Date) {
                // The part opens the next day: drop it, the next day builds it again.
                table_.pop_back();
                cursor_ = childStart;
                return;
            }
            row.Dist += added.Dist;
            row.TimeSum += added.TimeSum;
            row.TimeMov += added.TimeMov;
            row.Climb += added.Climb;
            if (added.MinHgt) Include(row.MinHgt, row.MaxHgt, *added.MinHgt);
            if (added.MaxHgt) Include(row.MinHgt, row.MaxHgt, *added.MaxHgt);
            row.LastPoint = added.LastPoint;
            SetSpeeds(row);
        }
    }

    // One part into row k, from the cursor up to the next gap or the last
    // point; leaves the cursor behind the part, past any gap that ended it.
    // The first segment always belongs to the part, even when it is a gap.
    void BuildPartRow(int32_t number, size_t k)
    {
        // Locals rather than the row and the settings, so that the loop keeps
        // them in registers.
        const bool splitDist = settings_.SPLTDIST;
        const bool splitTime = settings_.SPLTTIME;
        const double maxBreak = settings_.MAXBREAK;
        const double maxStop = settings_.MAXSTOP / 1440;
        const double minSpd = settings_.MINSPD;
        const double maxSlope = settings_.MAXSLOPE;
        const double span = settings_.HGTSPAN / 1000;

        const int first = cursor_;
        double dist = 0, timeSum = 0, timeMov = 0, climb = 0;
        std::optional<double> minHgt, maxHgt;
        if (const std::optional<double>& h = track_[first].Height) Include(minHgt, maxHgt, *h);
        double windowDist = 0, windowRise = 0;
        int i = first;
        while (i < last_) {
            Segment segment = MeasureSegment(track_, scale_, i, i + 1);
            double d = segment.Distance;
            double dt = segment.Time;
            bool gap = (splitDist && d > maxBreak) || (splitTime && dt > maxStop);
            if (gap && i > first) break;
            dist += d;
            timeSum += dt;
            if (d / dt / 24 >= minSpd) timeMov += dt;

            // A segment without both heights adds nothing to the heights and the climb.
            const std::optional<double>& h = track_[i].Height;
            const std::optional<double>& next = track_[i + 1].Height;
            double dh = h && next ? *next - *h : 0;
            if (h && next && d > 0 && dh / d < maxSlope) {
                Include(minHgt, maxHgt, *h);
                windowDist += d;
                windowRise += dh;
                if (windowDist > span) {
                    if (windowRise > 0) climb += windowRise;
                    windowDist = 0;
                    windowRise = 0;
                }
            }
            ++i;
        }
        if (windowDist > span / 2 && windowRise > 0) climb += windowRise;

        StatRow& row = table_[k];
        row = StatRow{kPartLevel, number, 0, dist, timeSum, timeMov, 0, 0, climb, minHgt, maxHgt, first, i};
        // The local date of the part's temporal midpoint.
        row.Date = std::trunc((track_[first].DateTime + track_[i].DateTime) / 2 + settings_.GMTMOD / 24.0);
        SetSpeeds(row);
        cursor_ = i + 1;
    }

    static void SetSpeeds(StatRow& row)
    {
        row.SpdSum = row.Dist / row.TimeSum / 24;
        row.SpdMov = row.TimeMov > 0 ? row.Dist / row.TimeMov / 24 : 0;
    }

    const TrackPoints& track_;
    const ScaleCoefficients& scale_;
    const Settings& settings_;
    const int last_;
    int cursor_ = 0;
    StatTable table_;
};

}  // namespace

StatTable ComputeStatistics(const TrackPoints& track, const ScaleCoefficients& scale,
                                const Settings& settings)
{
    if (track.empty()) return {};
    return StatisticsBuilder(track, scale, settings).Run();
}

}  // namespace qm
