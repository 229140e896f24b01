#include "settings/output_format.h"

#include "platform/ascii_case.h"

#include <array>

namespace qm {
namespace {

constexpr std::array<std::string_view, 3> kTexts = {"PLT", "GPX", "KML"};

}  // namespace

std::string_view OutputFormatText(OutputFormat format) { return kTexts[static_cast<size_t>(format)]; }

std::optional<OutputFormat> ParseOutputFormat(std::string_view text)
{
    for (size_t i = 0; i < kTexts.size(); ++i)
        if (SameTextAnyCase(text, kTexts[i])) return static_cast<OutputFormat>(i);
    return std::nullopt;
}

}  // namespace qm
