#pragma once

#include <string>
#include <vector>

namespace qm {

// Round values for axes, grids and scale bars: steps of 1, 2 or 5 times a
// power of ten. Up gives the first such step at or above `spacing`, Down the
// last at or below it.
enum class Rounding { Up, Down };
double RoundStep(double spacing, Rounding rounding = Rounding::Up);
// The multiples of step from low to high.
std::vector<double> RoundTicks(double low, double high, double step);

// A round step of local time (days) at or above `spacing`: whole seconds,
// minutes, hours or days.
double RoundTimeStep(double spacing);

// A value of an axis of that step with as many decimals as the step needs
// ("0.25" for a step of 0.05) and `separator` before them.
std::string StepText(double value, double step, char separator);

}  // namespace qm
