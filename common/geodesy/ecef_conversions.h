#pragma once
// Geodetic positions and Earth-centred Earth-fixed coordinates on the WGS-84 ellipsoid,
// converted into each other, and the closed-form height of an ECEF point.
//
// Lengths are in nautical miles, angles in radians. Sines, cosines and arc tangents are the
// guarded ones of common/safe_math.h. A function that takes a position by non-const reference
// limits it in place (LimitLlm): callers rely on that to keep stored positions within the
// limits. No function throws; the two that can fail say so in their result and leave their
// output exactly as it was.

#include "common/geodesy/earth.h"

namespace quorvel {

// Keeps a position within the limits of earth.h, in place: each component that is an
// infinity or a NaN becomes 0; then the latitude is clamped to +-LATITUDE_LIMIT (70 degrees),
// the longitude to +-LONGITUDE_LIMIT and the altitude to [ALTITUDE_LOWEST, ALTITUDE_HIGHEST]
// (-200 ft to 5000 nmi).
void LimitLlm(LlmPosition& position);

// ECEF (nautical miles) of a geodetic position. The position is limited in place first, so
// every input gives a finite result; the caller's record keeps the limited values.
EcefVector LlmToEcef(LlmPosition& position);

// The geodetic position of an ECEF point (nautical miles), by a fixed-point iteration on the
// tangent of the latitude of at most 64 rounds. Succeeds for every point within the limits of
// LimitLlm; the result is not limited (a latitude beyond 70 degrees can come out).
// Fails, leaving `position` exactly as it was, when |x| or |y| exceeds EARTH_A_NMI + 5000
// (the farthest a limited position lies from the polar axis), when the point lies on the polar
// axis (x = y = 0), when x^2 + y^2 > 2e32, when a component is a NaN, or when the iteration
// neither settles nor ends within one part in 1e15 of its previous value.
// Returns true when it wrote `position`.
bool EcefToLlm(const EcefVector& ecef, LlmPosition& position);

// True when x, y and z all lie within [-320000, 320000] nautical miles (bounds included);
// false for a NaN component.
bool EcefInRange(const EcefVector& ecef);

// The height (nautical miles) above the ellipsoid of an ECEF point (nautical miles), in
// closed form without iteration. Exact on the equator (the distance from the centre less
// EARTH_A_NMI); for a position produced by LlmToEcef it matches the altitude within 0.003 ft
// up to 100000 ft and within 0.02 nmi at 5000 nmi. 0 for a point outside EcefInRange and for
// a degenerate denominator (the centre of the Earth among them).
double EllipsoidAltitude(const EcefVector& ecef);

}  // namespace quorvel
