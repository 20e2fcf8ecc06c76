#pragma once
// The length and clock position of a miss distance given as two perpendicular components.

namespace quorvel {

// dx, dy: the components, in any one length unit (+dy is 12 o'clock, +dx 3 o'clock).
// Sets distance to sqrt(dx^2 + dy^2) (the same unit) and clock to the clock position in hours,
// [0, 12): the angle from +dy toward +dx over 30 degrees an hour, so -dy is 6 and -dx is 9.
// dx = dy = 0 gives distance 0 and clock 0. A NaN component gives NaN for both.
void MissDistanceAndClock(double dx, double dy, double& distance, double& clock);

}  // namespace quorvel
