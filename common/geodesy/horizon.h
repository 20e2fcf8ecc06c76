#pragma once
// Horizon distances of the geodesy library: how far an observer at a given altitude sees,
// optically and by radio. Shared by the WGS-84, RF and other pages.

namespace quorvel {

// Feet in one nautical mile as the program has always used it (6076.115489, not the exact
// 6076.1154855643 of the international foot).
inline constexpr double FEET_PER_NMI = 6076.115489;

// Visual (geometric) horizon of an observer.
// altitudeNmi: height above the surface (nautical miles).
// Returns the distance to the horizon (nautical miles) = 1.17 sqrt(altitude in feet), the
// navigators' rule of thumb. altitudeNmi <= 0 (or NaN) gives 0.
double VisualHorizonNmi(double altitudeNmi);

// Radio horizon: the visual horizon (nautical miles) of a height altitudeNmi (nautical miles)
// times 1.33, the allowance for the stronger refraction of radio waves. <= 0 (or NaN) gives 0.
double RadioHorizonNmi(double altitudeNmi);

}  // namespace quorvel
