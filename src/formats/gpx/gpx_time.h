#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace qm {

// An xsd:dateTime as GPX writes it ("2015-12-11T15:43:13.994+01:00",
// "2020-02-14T18:04:30Z") as days since 1899-12-30 00:00 UTC; a time
// without a zone is taken as UTC; a leap second (":60") as the last instant
// before the minute that follows it. Nothing when the text is no such time.
std::optional<double> ParseGpxTime(std::string_view text);

// The UTC text of a day count, "2020-02-14T18:04:30.25Z": seconds to the
// nanosecond, trailing zeros dropped, so that ParseGpxTime gives the same
// day count back. Nothing when it is not IsTrackTime.
std::optional<std::string> GpxTimeText(double days);

}  // namespace qm
