#pragma once

#include "track/track.h"

#include <optional>
#include <string_view>

namespace qm {

// What a track's runs can be coloured by: speed (the speed scales), height,
// grade, or a measure of the device.
enum class ColourMeasure { Speed, Height, Grade, HeartRate, Cadence, Power, Temperature };
inline constexpr size_t kColourMeasureCount = 7;

// The device's measure; nothing for speed, height and grade.
std::optional<Measure> DeviceMeasure(ColourMeasure measure);

// "speed", "height", "grade", or MeasureName of a device's measure: how
// --colour-by and the files written (TRACK_height.gpx) name it.
std::string_view ColourMeasureName(ColourMeasure measure);
// The measure of such a text in any letter case; nothing for any other text.
std::optional<ColourMeasure> ParseColourMeasure(std::string_view text);

// "Speed", "Height", "Grade", "Heart rate", "Cadence", "Power",
// "Temperature": what the files call it.
std::string_view ColourMeasureTitle(ColourMeasure measure);

// The unit of its values as the files and messages give it: "km/h", "m",
// "%", "bpm", "1/min", "W", "°C".
std::string_view ColourMeasureUnit(ColourMeasure measure);

}  // namespace qm
