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

namespace {

std::int64_t Overlap(std::int64_t start, std::int64_t length, std::int64_t areaStart,
                     std::int64_t areaLength) {
    return std::max<std::int64_t>(
        0, std::min(start + length, areaStart + areaLength) - std::max(start, areaStart));
}

// Moves [start, start + length) into [areaStart, areaStart + areaLength) as little as it
// takes; what is too long starts where the area starts.
std::int64_t Clamped(std::int64_t start, std::int64_t length, std::int64_t areaStart,
                     std::int64_t areaLength) {
    const std::int64_t lastStart = areaStart + areaLength - length;
    return std::max(areaStart, std::min(start, lastStart));
}

}  // namespace

WindowFrame FrameOnScreen(WindowFrame frame, std::span<const ScreenArea> screens) {
    if (screens.empty()) {
        return frame;
    }
    const ScreenArea* best = &screens.front();
    std::int64_t bestShown = -1;
    for (const ScreenArea& screen : screens) {
        const std::int64_t shown = Overlap(frame.left, frame.width, screen.left, screen.width) *
                                   Overlap(frame.top, frame.height, screen.top, screen.height);
        if (shown > bestShown) {
            best = &screen;
            bestShown = shown;
        }
    }
    frame.left = Clamped(frame.left, frame.width, best->left, best->width);
    frame.top = Clamped(frame.top, frame.height, best->top, best->height);
    return frame;
}

}  // namespace quorvel
