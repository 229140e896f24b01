#pragma once

#include "map/band_totals.h"
#include "track/distance.h"
#include "track/track.h"
#include "visual/segmentation.h"

#include <cstdint>
#include <vector>

namespace qm {

// What the profile runs over.
enum class ProfileScale { Time, Distance };

// The profile's horizontal axis: the parts of the track one after another,
// each as long as its time (days) or distance (km), with a short gap between
// two parts instead of the time or distance that lies between them.
struct ProfileAxis {
    struct Part {
        double Start = 0;       // where the part begins on the axis
        double End = 0;
        double FirstValue = 0;  // the local time (days since 1899-12-30) or the distance (km) at Start
    };
    std::vector<Part> Parts;
    std::vector<double> At;  // where each point lies, never decreasing
    double Length = 0;
};

// The axis of the track's parts; times are the track's plus gmtHours. A gap
// takes 2 % of the parts' sum (less when there are many, all gaps together
// at most a quarter of the axis).
ProfileAxis MakeProfileAxis(const TrackPoints& points, const ScaleCoefficients& scale,
                            const std::vector<TrackPart>& parts, ProfileScale over, int gmtHours);

// True when the gaps between the parts hold more than half of the track's
// time: a time axis would squeeze the parts against its ends.
bool GapsHoldMostTime(const TrackPoints& points, const std::vector<TrackPart>& parts);

// The speed bars in `count` equal columns of the axis: each column shows the
// run that covers most of it (its speed, km/h, and band); a column in a gap
// or without a run has band -1.
struct SpeedColumn {
    double Speed = 0;
    int32_t Band = -1;
};
std::vector<SpeedColumn> SpeedColumns(const ProfileAxis& axis, const std::vector<TrackPart>& parts,
                                      const std::vector<SpeedRun>& runs, int count);

// The lowest and highest of a value in each of `count` equal columns, NaN
// in a column without one.
struct ValueRange {
    double Low;
    double High;
};
// Heights in metres; points without a height are left out.
std::vector<ValueRange> HeightColumns(const TrackPoints& points, const ProfileAxis& axis, int count);
// One measure's values (a column of Track::Measures, one per point of the
// axis); points without a value are left out.
std::vector<ValueRange> MeasureValueColumns(const MeasureColumn& values, const ProfileAxis& axis, int count);
// The measures the track has a value of, in the order of Measure.
std::vector<Measure> MeasuresOf(const Track& track);
// The speeds (km/h) of the steps between two points of one part with time
// between them (no jump to a break point), each in the column of its end.
std::vector<ValueRange> StepSpeedColumns(const TrackPoints& points, const ScaleCoefficients& scale,
                                         const std::vector<TrackPart>& parts, const ProfileAxis& axis, int count);

}  // namespace qm
