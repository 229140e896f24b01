#include "settings/profile_choice.h"

#include "platform/ascii_case.h"

#include <array>

namespace qm {
namespace {

constexpr std::array<std::string_view, 3> kAxisTexts = {"auto", "time", "distance"};
constexpr std::array<std::string_view, kMeasureCount> kMeasureNames = {"heart-rate", "cadence", "power",
                                                                       "temperature"};

template <typename T, size_t N>
std::optional<T> Parse(const std::array<std::string_view, N>& texts, std::string_view text)
{
    for (size_t i = 0; i < N; ++i)
        if (SameTextAnyCase(text, texts[i])) return static_cast<T>(i);
    return std::nullopt;
}

}  // namespace

std::string_view ProfileAxisText(ProfileAxisChoice choice) { return kAxisTexts[static_cast<size_t>(choice)]; }

std::optional<ProfileAxisChoice> ParseProfileAxis(std::string_view text)
{
    return Parse<ProfileAxisChoice>(kAxisTexts, text);
}

std::string_view MeasureName(Measure measure) { return kMeasureNames[static_cast<size_t>(measure)]; }

std::optional<Measure> ParseMeasureName(std::string_view text) { return Parse<Measure>(kMeasureNames, text); }

}  // namespace qm
