#include "common/picture_axis.h"

#include <algorithm>
#include <cmath>

#include "common/number_text.h"

namespace quorvel {

AxisTicks NiceAxisTicks(double low, double high, int count) {
    AxisTicks ticks;
    if (!std::isfinite(low) || !std::isfinite(high)) {
        return ticks;
    }
    if (!(high > low)) {
        ticks.values.push_back(low);
        return ticks;
    }
    const double rough = (high - low) / std::max(count, 1);
    const double decade = std::pow(10.0, std::floor(std::log10(rough)));
    ticks.step = 10 * decade;
    for (const double factor : {1.0, 2.0, 5.0}) {
        // A hair of slack, so that a scale of exactly count steps of a round size takes it.
        if (factor * decade >= rough * (1 - 1e-9)) {
            ticks.step = factor * decade;
            break;
        }
    }
    const double first = std::ceil(low / ticks.step - 1e-9);
    const double last = std::floor(high / ticks.step + 1e-9);
    for (double n = first; n <= last; ++n) {
        // n * step rather than repeated sums, so that 0.1 + 0.1 + 0.1 stays 0.3.
        ticks.values.push_back(n * ticks.step);
    }
    return ticks;
}

std::string AxisTickText(double value, double step) {
    int decimals = 0;
    if (step > 0 && std::isfinite(step)) {
        decimals = std::clamp(static_cast<int>(-std::floor(std::log10(step) + 1e-9)), 0, 12);
    }
    // Room for every integer digit a double's exact range holds, then the decimals.
    return FormatNumber(18, decimals, value);
}

}  // namespace quorvel
