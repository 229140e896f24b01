#pragma once

namespace qm {

// What MAXHR (beats/min) and FTP (W), of which the heart rate's and the
// power's bounds are percentages, may be: the settings dialog takes nothing
// else, and the settings file reads anything else as the default.
struct ValueLimits {
    double Low;
    double High;
    bool Hold(double value) const { return value >= Low && value <= High; }
};
inline constexpr ValueLimits kMaxHeartRateLimits{100, 250};
inline constexpr ValueLimits kFtpLimits{50, 2000};

}  // namespace qm
