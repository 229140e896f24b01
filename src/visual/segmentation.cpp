#include "visual/segmentation.h"

#include "visual/interval_runs.h"
#include "visual/stop_detector.h"

namespace qm {

std::vector<SpeedRun> SegmentTrack(const TrackPoints& points, const ScaleCoefficients& scale, double interval,
                                   SpeedBands& bands, StopDetector& stops)
{
    std::vector<SpeedRun> runs;
    CutIntoIntervalRuns(
        points, scale, interval, [&](int32_t p, const Segment& step) { stops.Step(p, step.Distance, step.Time); },
        [&](const IntervalRun& cut) {
            SpeedRun run{cut.First, cut.Last, cut.Distance, cut.Duration, cut.Distance / cut.Duration / 24};
            run.Band = FindBand(bands, run.Speed);
            bands[run.Band].StepCount += run.Last - run.First;
            if (!runs.empty() && runs.back().Band == run.Band && !cut.BreakAfter) {
                SpeedRun& before = runs.back();
                before.Last = run.Last;
                before.Distance += run.Distance;
                before.Duration += run.Duration;
                before.Speed = before.Distance / before.Duration / 24;
            } else {
                runs.push_back(run);
            }
        },
        [&](double distance) { stops.Break(distance); });
    stops.End();
    return runs;
}

}  // namespace qm
