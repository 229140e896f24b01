#pragma once

#include "track/track.h"

#include <optional>
#include <string_view>

namespace qm {

// What the map window's profile runs over: what each track suggests, until
// the user chooses time or distance.
enum class ProfileAxisChoice { Automatic, Time, Distance };

// "auto", "time" or "distance", as the settings file holds it.
std::string_view ProfileAxisText(ProfileAxisChoice choice);
// The choice of such a text in any letter case; nothing for any other text.
std::optional<ProfileAxisChoice> ParseProfileAxis(std::string_view text);

// "heart-rate", "cadence", "power" or "temperature", as the settings file and
// quillmarsh-render's --measure name a measure.
std::string_view MeasureName(Measure measure);
// The measure of such a text in any letter case; nothing for any other text.
std::optional<Measure> ParseMeasureName(std::string_view text);

}  // namespace qm
