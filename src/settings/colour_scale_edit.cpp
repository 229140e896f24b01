#include "settings/colour_scale_edit.h"

#include "platform/error.h"
#include "platform/message_text.h"
#include "platform/number_text.h"

namespace qm {
namespace {

// Long enough for kMostColourBands - 1 bounds of any form with blanks around them.
constexpr size_t kMostBoundsTextSize = 64 * kMostColourBands;

bool IsSeparator(char c) { return c == ';' || c == ' ' || c == '\t'; }

}  // namespace

std::string BoundsEditText(const std::vector<double>& bounds)
{
    std::string text;
    for (double bound : bounds) text += (text.empty() ? "" : "; ") + FloatToText(bound);
    return text;
}

std::vector<double> ParseTypedBounds(std::string_view text)
{
    if (text.size() > kMostBoundsTextSize)
        throw Error(MessageText(MessageId::ColourBoundsWrong,
                                {IntToText(kMostColourBands - 1), FloatToText(kMostBoundSize)}));
    // The fields in the settings file's form: each followed by ";".
    std::string fields;
    for (size_t at = 0; at < text.size();) {
        if (IsSeparator(text[at])) {
            ++at;
            continue;
        }
        size_t end = at;
        while (end < text.size() && !IsSeparator(text[end])) ++end;
        fields.append(text.substr(at, end - at)).push_back(';');
        at = end;
    }
    return ParseBounds(fields);
}

std::vector<int32_t> ShownColors(const ColourScale& scale)
{
    if (scale.Bounds.empty()) return scale.Colors.empty() ? ColourPalette() : scale.Colors;
    const int bands = static_cast<int>(scale.Bounds.size()) + 1;
    std::vector<int32_t> colors;
    for (int band = 0; band < bands; ++band) colors.push_back(BandColor(scale.Colors, band, bands));
    return colors;
}

std::vector<int32_t> WithShownColor(const ColourScale& scale, size_t index, int32_t color)
{
    std::vector<int32_t> colors = ShownColors(scale);
    colors.at(index) = color;
    return colors;
}

}  // namespace qm
