#pragma once
// The zoom of the window: how much larger than its designed size (8-point text, 470 x 415
// client) everything in it is drawn. One of a fixed ladder of steps, from 100 % (the designed
// size) to 300 %; every font, fixed size, margin and position passes through it.

#include <array>
#include <cmath>

namespace quorvel {

class Zoom {
public:
    // The steps, in per cent, smallest first; the first is the designed size.
    static constexpr std::array<int, 7> kSteps{100, 125, 150, 175, 200, 250, 300};

    // The designed size, 100 %.
    constexpr Zoom() = default;

    // The zoom a stored percentage stands for: a step as it is, a percentage between two
    // steps the nearer one (the smaller when halfway), anything below the first or above the
    // last step the designed size.
    static Zoom FromPercent(long long percent);

    int Percent() const { return kSteps[static_cast<std::size_t>(m_step)]; }
    double Factor() const { return Percent() / 100.0; }
    bool IsActualSize() const { return m_step == 0; }

    // The next step up or down; the largest and the smallest step stay where they are.
    Zoom In() const;
    Zoom Out() const;

    // A length of the designed size at this zoom, rounded to the nearest pixel.
    int Scaled(int length) const { return static_cast<int>(std::lround(length * Factor())); }
    double Scaled(double length) const { return length * Factor(); }

    friend bool operator==(Zoom, Zoom) = default;

private:
    explicit constexpr Zoom(int step) : m_step(step) {}

    int m_step = 0;
};

}  // namespace quorvel
