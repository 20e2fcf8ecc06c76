#include "shell/window_placement.h"

#include <algorithm>

namespace quorvel {

bool PlacementReachable(std::int64_t left, std::int64_t top, int width,
                        std::span<const ScreenArea> screens) {
    if (screens.empty()) {
        return true;
    }
    const std::int64_t needWidth = std::min<std::int64_t>(kReachableStripWidth, width);
    const std::int64_t right = left + width;
    for (const ScreenArea& screen : screens) {
        const std::int64_t screenLeft = screen.left;
        const std::int64_t screenTop = screen.top;
        const std::int64_t screenRight = screenLeft + screen.width;
        const std::int64_t screenBottom = screenTop + screen.height;
        const std::int64_t shown = std::min(right, screenRight) - std::max(left, screenLeft);
        const bool stripInside = top >= screenTop && top + kReachableStripHeight <= screenBottom;
        if (stripInside && shown >= needWidth) {
            return true;
        }
    }
    return false;
}

}  // namespace quorvel
