#include "visual/segmentation.h"

#include "visual/stop_detector.h"

namespace qm {

std::vector<SpeedRun> SegmentTrack(const TrackPoints& points, const ScaleCoefficients& scale, double interval,
                                   SpeedBands& bands, StopDetector& stops)
{
    const int32_t last = static_cast<int32_t>(points.size()) - 1;
    auto breakAfter = [&](int32_t p) { return p < last && points[p + 1].StartsPiece; };

    std::vector<SpeedRun> runs;
    int32_t p = 0;
    while (p < last) {
        SpeedRun run;
        run.First = p;
        while (run.Duration < interval && p < last && !points[p + 1].StartsPiece) {
            Segment step = MeasureSegment(points, scale, p, p + 1);
            run.Distance += step.Distance;
            run.Duration += step.Time;
            ++p;
            stops.Step(p, step.Distance, step.Time);
        }
        if (p > run.First) {
            run.Last = p;
            run.Speed = run.Distance / run.Duration / 24;
            run.Band = FindBand(bands, run.Speed);
            bands[run.Band].StepCount += run.Last - run.First;
            if (!runs.empty() && runs.back().Band == run.Band && !breakAfter(p)) {
                SpeedRun& before = runs.back();
                before.Last = p;
                before.Distance += run.Distance;
                before.Duration += run.Duration;
                before.Speed = before.Distance / before.Duration / 24;
            } else {
                runs.push_back(run);
            }
        }
        if (breakAfter(p)) {
            stops.Break(MeasureSegment(points, scale, p, p + 1).Distance);
            ++p;
        }
    }
    stops.End();
    return runs;
}

}  // namespace qm
