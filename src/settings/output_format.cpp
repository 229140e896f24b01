#include "settings/output_format.h"

#include <array>

namespace qm {
namespace {

constexpr std::array<std::string_view, 3> kTexts = {"PLT", "GPX", "KML"};

bool SameAnyCase(std::string_view text, std::string_view upper)
{
    if (text.size() != upper.size()) return false;
    for (size_t i = 0; i < text.size(); ++i) {
        char c = text[i] >= 'a' && text[i] <= 'z' ? static_cast<char>(text[i] - 'a' + 'A') : text[i];
        if (c != upper[i]) return false;
    }
    return true;
}

}  // namespace

std::string_view OutputFormatText(OutputFormat format) { return kTexts[static_cast<size_t>(format)]; }

std::optional<OutputFormat> ParseOutputFormat(std::string_view text)
{
    for (size_t i = 0; i < kTexts.size(); ++i)
        if (SameAnyCase(text, kTexts[i])) return static_cast<OutputFormat>(i);
    return std::nullopt;
}

}  // namespace qm
