#include "common/zoom.h"

#include <cstdlib>

namespace quorvel {

Zoom Zoom::FromPercent(long long percent) {
    if (percent < kSteps.front() || percent > kSteps.back()) {
        return Zoom();
    }
    int nearest = 0;
    for (int step = 1; step < static_cast<int>(kSteps.size()); ++step) {
        const long long distance = std::llabs(percent - kSteps[static_cast<std::size_t>(step)]);
        if (distance < std::llabs(percent - kSteps[static_cast<std::size_t>(nearest)])) {
            nearest = step;
        }
    }
    return Zoom(nearest);
}

Zoom Zoom::In() const {
    return Zoom(m_step + 1 < static_cast<int>(kSteps.size()) ? m_step + 1 : m_step);
}

Zoom Zoom::Out() const {
    return Zoom(m_step > 0 ? m_step - 1 : 0);
}

}  // namespace quorvel
