#pragma once

#include "track/distance.h"
#include "track/track.h"

#include <cstdint>

namespace qm {

// Consecutive points First to Last (Last > First) as the track is cut at the
// calculation interval, with the distance and time of their steps.
struct IntervalRun {
    int32_t First = 0;
    int32_t Last = 0;
    double Distance = 0;      // km
    double Duration = 0;      // days
    bool BreakAfter = false;  // the point after Last starts a piece
};

// The one cutting of a track into runs, in one pass: a run starts at a point
// and takes the steps to the next points until its time reaches interval
// (days), the next point starts a piece or the track ends. onStep(p, step)
// after each step, which ends at point p; onRun(run) as each run closes;
// onBreak(distance) after a run that a piece start follows, with the
// distance of the jump to it, which is in no run. A point alone between two
// piece starts is in no run. Inline: it runs over millions of points.
template <typename OnStep, typename OnRun, typename OnBreak>
void CutIntoIntervalRuns(const TrackPoints& points, const ScaleCoefficients& scale, double interval, OnStep&& onStep,
                         OnRun&& onRun, OnBreak&& onBreak)
{
    const int32_t last = static_cast<int32_t>(points.size()) - 1;
    int32_t p = 0;
    while (p < last) {
        IntervalRun run;
        run.First = p;
        while (run.Duration < interval && p < last && !points[p + 1].StartsPiece) {
            const Segment step = MeasureSegment(points, scale, p, p + 1);
            run.Distance += step.Distance;
            run.Duration += step.Time;
            ++p;
            onStep(p, step);
        }
        run.BreakAfter = p < last && points[p + 1].StartsPiece;
        if (p > run.First) {
            run.Last = p;
            onRun(run);
        }
        if (run.BreakAfter) {
            onBreak(MeasureSegment(points, scale, p, p + 1).Distance);
            ++p;
        }
    }
}

}  // namespace qm
