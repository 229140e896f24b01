#include "settings/colour_scale.h"

#include "platform/error.h"
#include "platform/message_text.h"
#include "platform/number_text.h"

#include <algorithm>

namespace qm {
namespace {

// The fields of a ";"-separated list, a last ";" optional.
std::vector<std::string_view> Fields(std::string_view text)
{
    std::vector<std::string_view> fields;
    while (!text.empty()) {
        const size_t at = text.find(';');
        fields.push_back(text.substr(0, at));
        text.remove_prefix(at == std::string_view::npos ? text.size() : at + 1);
    }
    return fields;
}

}  // namespace

std::vector<int32_t> ColourPalette() { return {0xE04020, 0xE0A000, 0x50B000, 0x00C8A0, 0x00B0FF, 0x0060FF, 0x0000E0}; }

ColourScales DefaultColourScales()
{
    const std::vector<int32_t> palette = ColourPalette();
    return {{
        {{}, palette},
        {{-10, -5, -2, 2, 5, 10}, palette},
        {{60, 70, 80, 90}, palette},
        {{20, 40, 60, 80, 100, 120}, palette},
        {{55, 75, 90, 105, 120, 150}, palette},
        {{-10, 0, 10, 20, 30}, palette},
    }};
}

ColourScale& ScaleOf(ColourScales& scales, ColourMeasure measure) { return scales[static_cast<size_t>(measure) - 1]; }

const ColourScale& ScaleOf(const ColourScales& scales, ColourMeasure measure)
{
    return scales[static_cast<size_t>(measure) - 1];
}

int32_t BandColor(const std::vector<int32_t>& colors, int band, int bandCount)
{
    static const std::vector<int32_t> palette = ColourPalette();
    const std::vector<int32_t>& from = colors.empty() ? palette : colors;
    if (bandCount < 2) return from.front();
    const double at = RoundHalfEven(static_cast<double>(from.size() - 1) * band / (bandCount - 1));
    return from[static_cast<size_t>(at)];
}

std::string FormatBounds(const std::vector<double>& bounds)
{
    std::string text;
    for (double bound : bounds) text += FloatToText(bound) + ";";
    return text;
}

std::vector<double> ParseBounds(std::string_view text)
{
    std::vector<double> bounds;
    for (std::string_view field : Fields(text)) {
        const double bound = TextToFloat(field);
        if (!(bound >= -kMostBoundSize && bound <= kMostBoundSize) || (!bounds.empty() && !(bound > bounds.back())) ||
            bounds.size() + 2 > kMostColourBands)
            throw Error(MessageText(MessageId::ColourBoundsWrong,
                                    {IntToText(kMostColourBands - 1), FloatToText(kMostBoundSize)}));
        bounds.push_back(bound);
    }
    return bounds;
}

std::string FormatColors(const std::vector<int32_t>& colors)
{
    std::string text;
    for (int32_t color : colors) text += IntToText(color) + ";";
    return text;
}

std::vector<int32_t> ParseColors(std::string_view text)
{
    std::vector<int32_t> colors;
    for (std::string_view field : Fields(text)) colors.push_back(TextToInt(field));
    const bool fit = !colors.empty() && colors.size() <= kMostColourBands &&
                     std::all_of(colors.begin(), colors.end(), [](int32_t c) { return c >= 0 && c <= 0xFFFFFF; });
    if (!fit) throw Error(MessageText(MessageId::ColourColorsWrong, {IntToText(kMostColourBands)}));
    return colors;
}

}  // namespace qm
