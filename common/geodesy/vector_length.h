#pragma once
// The length of a vector, shared by the WGS-84 and Misc pages.

namespace quorvel {

// sqrt(x^2 + y^2 + z^2) of three components in any one unit, in that unit. Overflows to an
// infinity for components beyond about 1e154; a NaN component gives NaN.
double VectorLength(double x, double y, double z);

}  // namespace quorvel
