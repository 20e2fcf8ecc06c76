#pragma once
// Round numbers for the axes of a picture: where the tick marks of a scale from `low` to
// `high` go and what they say. Page-agnostic, like the rest of common/picture.h.

#include <string>
#include <vector>

namespace quorvel {

struct AxisTicks {
    double step = 0;             // 1, 2 or 5 times a power of ten; 0 for a scale of no length
    std::vector<double> values;  // the multiples of step from low to high, ends included
};

// About `count` (at least 1) ticks over [low, high]: the step is the smallest of 1, 2 or 5
// times a power of ten that needs no more than `count` steps to cover the scale. A scale of
// no length (high <= low) gets the one tick `low`; a scale whose ends are not finite gets none.
AxisTicks NiceAxisTicks(double low, double high, int count);

// A tick's text: as many decimals as the step needs (none for a whole step), a point as the
// separator, no sign on zero ("-0.5", "0", "2500").
std::string AxisTickText(double value, double step);

}  // namespace quorvel
