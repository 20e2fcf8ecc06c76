#pragma once
// Positions relative to a reference position: East/North/Up offsets in the reference's local
// tangent frame, and range, azimuth and elevation as seen from it.
//
// Lengths are in nautical miles, angles in radians. A reference or origin passed by
// non-const reference is converted to ECEF with LlmToEcef and so is limited in place. The
// local frame of a position with latitude phi and longitude lambda has, in ECEF, the unit
// vectors east = (-sin lambda, cos lambda, 0), north = (-sin phi cos lambda,
// -sin phi sin lambda, cos phi) and up = (cos phi cos lambda, cos phi sin lambda, sin phi).
// Failures of the guarded functions (common/safe_math.h) travel on as MATH_ERROR_VALUE.

#include <array>

#include "common/geodesy/earth.h"

namespace quorvel {

// The rotation from ECEF into the local frame of `position` (its latitude and longitude;
// the altitude is not used): rows east, north, up.
Matrix3 EcefToEnuMatrix(const LlmPosition& position);
// The rotation from the local frame back into ECEF, the transpose of EcefToEnuMatrix.
Matrix3 EnuToEcefMatrix(const LlmPosition& position);
Matrix3 EnuToEcefMatrix(double latitude, double longitude);

// matrix x (v0, v1, v2): each component the dot product of one row with the vector.
std::array<double, 3> MatrixTimesVector(const Matrix3& matrix, double v0, double v1, double v2);

// The offset of `point` from `reference`, in the reference's local frame. The rotation is
// taken from the reference as given, before it is limited; `point` is converted as a copy and
// stays unchanged.
EnuVector LlmToEnu(const LlmPosition& point, LlmPosition& reference);
// The offset of an ECEF point from `reference`, in the reference's local frame (the rotation
// again from the reference as given).
EnuVector EcefToEnu(const EcefVector& point, LlmPosition& reference);
// Range, azimuth and elevation of an ECEF point seen from `reference`: EnuToRae(EcefToEnu).
RaeVector EcefToRae(const EcefVector& point, LlmPosition& reference);

// Range, azimuth and elevation of a local offset. The azimuth is 1.5707963267948972 less the
// angle of (east, north) and is not normalised: it lies in [-pi/2, 3pi/2), so north-west is
// -pi/4 and south-west 5pi/4. Straight up or down (east = north = 0) the azimuth is
// 1.5707963267948972 - MATH_ERROR_VALUE, a huge negative number; the zero vector has the
// elevation MATH_ERROR_VALUE as well.
RaeVector EnuToRae(const EnuVector& offset);
// The local offset of a range, azimuth and elevation. Nothing is refused: a negative range or
// an elevation beyond +-pi/2 gives the vector the formulas give; an angle of 263 radians or
// more in size enters as MATH_ERROR_VALUE in place of its sine and cosine.
EnuVector RaeToEnu(const RaeVector& rae);

// The geodetic position of the point at `rae` from `origin` (limited in place). Returns
// false, leaving `position` exactly as it was, when EcefToLlm cannot convert that point.
bool RaeToLlm(const RaeVector& rae, LlmPosition& origin, LlmPosition& position);
// ECEF of the point at `offset` from `reference` (limited in place; the rotation is taken
// from the limited reference).
EcefVector EnuToEcef(const EnuVector& offset, LlmPosition& reference);

}  // namespace quorvel
