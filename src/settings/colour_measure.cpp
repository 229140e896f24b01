#include "settings/colour_measure.h"

#include "platform/ascii_case.h"
#include "settings/profile_choice.h"

#include <array>

namespace qm {
namespace {

struct MeasureTexts {
    std::string_view Name;  // for speed, height and grade; a device's measure has its MeasureName
    std::string_view Title;
    std::string_view Unit;
};

constexpr std::array<MeasureTexts, kColourMeasureCount> kTexts = {{
    {"speed", "Speed", "km/h"},
    {"height", "Height", "m"},
    {"grade", "Grade", "%"},
    {{}, "Heart rate", "bpm"},
    {{}, "Cadence", "1/min"},
    {{}, "Power", "W"},
    {{}, "Temperature", "°C"},
}};

const MeasureTexts& TextsOf(ColourMeasure measure) { return kTexts[static_cast<size_t>(measure)]; }

}  // namespace

std::optional<Measure> DeviceMeasure(ColourMeasure measure)
{
    switch (measure) {
        case ColourMeasure::HeartRate: return Measure::HeartRate;
        case ColourMeasure::Cadence: return Measure::Cadence;
        case ColourMeasure::Power: return Measure::Power;
        case ColourMeasure::Temperature: return Measure::Temperature;
        case ColourMeasure::Speed:
        case ColourMeasure::Height:
        case ColourMeasure::Grade: break;
    }
    return std::nullopt;
}

std::string_view ColourMeasureName(ColourMeasure measure)
{
    const std::optional<Measure> device = DeviceMeasure(measure);
    return device ? MeasureName(*device) : TextsOf(measure).Name;
}

std::optional<ColourMeasure> ParseColourMeasure(std::string_view text)
{
    for (size_t i = 0; i < kColourMeasureCount; ++i) {
        const auto measure = static_cast<ColourMeasure>(i);
        if (SameTextAnyCase(text, ColourMeasureName(measure))) return measure;
    }
    return std::nullopt;
}

std::string_view ColourMeasureTitle(ColourMeasure measure) { return TextsOf(measure).Title; }

std::string_view ColourMeasureUnit(ColourMeasure measure) { return TextsOf(measure).Unit; }

}  // namespace qm
