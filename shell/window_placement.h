#pragma once
// Whether a window position restored from the settings file leaves the window where the user
// can reach it. A saved position may come from a larger or a second monitor, or be edited by
// hand; a window restored entirely off the screens would run unseen.

#include <cstdint>
#include <span>

namespace quorvel {

// One screen's usable area, in screen pixels.
struct ScreenArea {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

// The height of the strip along a window's top edge (its title bar and menu) that must lie on
// a screen, and how much of its width, at most, must show.
inline constexpr int kReachableStripHeight = 30;
inline constexpr int kReachableStripWidth = 100;

// True when the window with its top-left corner at (left, top) and the given width has a
// part of its top strip, kReachableStripHeight tall and min(kReachableStripWidth, width)
// wide, on one of the screens. With no screens known every position counts as reachable.
// Coordinates of any size are handled without overflow.
bool PlacementReachable(std::int64_t left, std::int64_t top, int width,
                        std::span<const ScreenArea> screens);

// A window's place on the screens: the top-left corner of its frame and its size.
struct WindowFrame {
    std::int64_t left = 0;
    std::int64_t top = 0;
    int width = 0;
    int height = 0;
};

// Where a window of this frame goes so that the whole of it lies on the screen that shows the
// most of it (the first screen when none shows any): moved as little as it takes, and, when
// it is larger than that screen, with its top-left corner (title and menu) on the screen's.
// With no screens known the frame stays where it is.
WindowFrame FrameOnScreen(WindowFrame frame, std::span<const ScreenArea> screens);

}  // namespace quorvel
