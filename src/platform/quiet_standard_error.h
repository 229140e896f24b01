#pragma once

namespace qm {

// Standard error goes nowhere while the object lives, and back where it went
// before when it goes: for what libraries write straight to it (libpng's
// complaints about a bad image), which is no business of the user's.
class QuietStandardError {
public:
    QuietStandardError();
    ~QuietStandardError();
    QuietStandardError(const QuietStandardError&) = delete;
    QuietStandardError& operator=(const QuietStandardError&) = delete;

private:
    // A descriptor of what standard error was; -1 when there was none.
    int saved_;
};

}  // namespace qm
