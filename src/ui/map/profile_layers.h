#pragma once

#include "map/profile_layout.h"
#include "visual/speed_bands.h"
#include "visual/stop_detector.h"

#include <QColor>
#include <QPen>
#include <QString>

#include <optional>
#include <vector>

class QPainter;

namespace qm {

// The layers of the profile, bottom to top, each drawn by one function from
// what the chart has laid out, in the painter's font.

inline const QColor kProfileHeightColor(90, 60, 30);
inline const QColor kProfileStepColor(40, 40, 40);

// The titles over the plot: the bars' measure at the left, the height and a shown
// measure (in its colour) at the right.
struct ProfileTitles {
    QString Bars, Height, Measure;
    std::optional<QColor> MeasureColor;  // none: no measure shown
};
// The frame, the bars' lines and labels left of the plot, the height's and
// a shown measure's right of it, and the titles.
void DrawProfileFrame(QPainter& painter, const PixelBox& area, const ProfileValueAxes& axes,
                      const ProfileTitles& titles, double width);
// The bars in their bands' colours.
void DrawBars(QPainter& painter, const ProfilePlot& plot, const std::vector<SpeedColumn>& bars,
              const std::vector<ColourBandTotal>& bands, const ValueAxis& values);
void DrawGaps(QPainter& painter, const ProfilePlot& plot);
// A value's low and high in each column joined by a line within each part.
void DrawColumnLines(QPainter& painter, const ProfilePlot& plot, const ProfileAxis& axis,
                     const std::vector<ValueRange>& columns, const ValueAxis& values, const QPen& pen);
// The stops as marks standing on the bottom axis, whole inside the plot.
void DrawStopMarks(QPainter& painter, const ProfilePlot& plot, const std::vector<TrackStop>& stops);
// The ticks and labels under the plot, each gap's break on the axis and the
// axis's caption at the bottom right.
void DrawBottomAxis(QPainter& painter, const ProfilePlot& plot, const ProfilePlot::BottomAxis& bottom,
                    const QString& caption, double height);
void DrawProfileCursor(QPainter& painter, const PixelBox& area, double x);
// Where a trip goes on in another file: a dashed line unlike a gap's edges,
// and each file's name at the top of the plot.
void DrawFileMarks(QPainter& painter, const PixelBox& area, const std::vector<ProfilePlot::FileMark>& marks);
// The stretches of every file but `file` veiled, as the map draws the other
// files faint while the user points at one.
void DrawOtherFilesFaint(QPainter& painter, const PixelBox& area, const std::vector<ProfilePlot::FileMark>& marks,
                         uint32_t file);
// A note at the left of the caption's line (files left out of the trip).
void DrawCaptionNote(QPainter& painter, const ProfilePlot::Label& note, double height);

}  // namespace qm
