#pragma once

#include "map/map_trip.h"
#include "map/pixel_box.h"
#include "map/profile.h"
#include "map/text_width.h"

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace qm {

// What the profile runs over unless the user says otherwise: time, or
// distance when the gaps between the parts would take most of a time axis or
// the track has no time to speak of.
ProfileScale DefaultProfileScale(const TrackPoints& points, const std::vector<TrackPart>& parts);

// A value axis of the profile: round steps from Low to High.
struct ValueAxis {
    double Step = 1, Low = 0, High = 1;
    // Where a value lies in a plot.
    double Y(double value, const PixelBox& plot) const
    {
        return plot.Bottom() - (value - Low) / (High - Low) * plot.Height;
    }
};
// The speed's from 0 up to top or above, about a label every kValueLabelSpacing pixels.
ValueAxis SpeedAxis(double top, double pixels);
// Round steps around low to high, about a label every kValueLabelSpacing pixels.
ValueAxis RoundValueAxis(double low, double high, double pixels);
inline constexpr double kValueLabelSpacing = 28;
// The lowest and highest value of the columns, at least 1 (or a millionth
// of the value, where 1 would vanish in it) apart; 0 to 1 without any.
std::pair<double, double> ValueExtent(const std::vector<ValueRange>& columns);

// What each of `count` equal columns of the axis shows: the bars of the
// measure the trip is coloured by (a column of a run without data has no
// bar), the heights, on demand the speed from point to point and one measure.
struct ProfileColumns {
    ColourMeasure BarMeasure = ColourMeasure::Speed;
    std::vector<SpeedColumn> Bars;
    std::vector<ValueRange> Heights, Steps, Measures;
};
ProfileColumns MakeProfileColumns(const MapTrip& trip, const ProfileAxis& axis, int count, bool stepSpeeds,
                                  std::optional<Measure> measure);

// The value axes of the columns in a plot that many pixels high.
// The bars' axis: speed's, and a device's counts and power, from 0; the
// others' (height, grade, temperature) round steps around their values.
struct ProfileValueAxes {
    ValueAxis Bars, Height, Measure;
};
ProfileValueAxes MakeValueAxes(const ProfileColumns& columns, double pixels);

// The room the profile's texts take, in pixels.
struct ProfileTextRoom {
    double Top = 0;         // where the plot's titles may start (below the controls)
    double LineHeight = 16;
    double SideWidth = 60;  // one value axis's labels
};

// The plot of a profile in a widget of some size: where the axis's values
// and the track's points lie in it and the labels of its bottom axis. The
// axis stays its owner's and must outlive the plot.
class ProfilePlot {
public:
    // The bars' labels left of the plot, the height's right of it, a shown
    // measure's right of those.
    ProfilePlot(const ProfileAxis& axis, double width, double height, const ProfileTextRoom& room, bool measureShown);

    const PixelBox& Area() const { return area_; }
    double X(double axisValue) const;
    double PointX(int pointIndex) const { return X(axis_.At[pointIndex]); }
    // The track point nearest to x, -1 beside the plot.
    int PointAt(double x) const;
    // The columns of `count` equal ones across the plot that a part covers.
    std::pair<int, int> PartColumns(const ProfileAxis::Part& part, int count) const;

    // The room between two parts; wide enough, it shows its edges and a
    // break on the axis.
    struct Gap {
        double Left = 0, Right = 0;
        bool Marked() const;
    };
    std::vector<Gap> Gaps() const;

    // The bottom axis: a tick at every round step, and a label under each
    // tick that keeps clear of the one before it (times with the date where
    // it changes, days as dd.MM where steps are days; distances with
    // `separator` before their decimals).
    struct Label {
        std::string Text;
        double Left = 0;
    };
    struct BottomAxis {
        std::vector<double> Ticks;
        std::vector<Label> Labels;
    };
    BottomAxis Bottom(ProfileScale scale, const TextWidth& textWidth, char separator) const;

    // Where a trip of several files goes from one file to the next (files:
    // the file of each point; empty for one file, which gives none): a line
    // at the next file's first point, and that file's name (names: one per
    // file) at the top of the plot, elided to the room before the next change
    // or the plot's end. The first stretch is named too, without a line.
    struct FileMark {
        double X = 0;
        double End = 0;      // where the stretch ends: the next mark's X, or the plot's right
        uint32_t File = 0;   // the file of the stretch
        bool Break = false;  // a change of file; false for the first stretch
        std::string Name;    // empty where not even one character fits
        PixelBox NameBox;
    };
    std::vector<FileMark> FileMarks(const PointSources& files, const std::vector<std::string>& names,
                                    const TextWidth& textWidth) const;

    // A note at the left end of the caption's line, elided to the room the
    // caption (right-aligned, that wide) leaves it.
    Label CaptionNote(const std::string& note, double captionWidth, const TextWidth& textWidth) const;

private:
    const ProfileAxis& axis_;
    double width_;
    double lineHeight_;
    PixelBox area_;
};

}  // namespace qm
