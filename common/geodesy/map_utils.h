#pragma once
// Small helpers of the WGS-84 page and its dialogs: exact comparison of two triples, whole
// degrees brought into one turn, and the text of a clock position.

#include <array>
#include <cstdint>
#include <string>

#include "common/geodesy/earth.h"

namespace quorvel {

// True when the three pairs of components compare equal as doubles (exactly; +0 equals -0,
// a NaN equals nothing).
bool VectorsEqual(const std::array<double, 3>& u, const std::array<double, 3>& v);
bool VectorsEqual(const LlmPosition& u, const LlmPosition& v);
bool VectorsEqual(const EcefVector& u, const EcefVector& v);
bool VectorsEqual(const EnuVector& u, const EnuVector& v);
bool VectorsEqual(const RaeVector& u, const RaeVector& v);

// Whole degrees, in place, corrected by at most one turn: a negative value gains 360, a value
// of 360 or more loses 360, and a result of exactly 360 becomes 0. Inputs from -360 to 719
// end in [0, 360); farther ones keep the remainder of the one correction (1000 gives 640).
void NormalizeDegrees360(std::int32_t& degrees);
// NormalizeDegrees360, then 360 less for a value above 180. Inputs from -539 to 540 end in
// (-180, 180] (-180 gives 180, but -540 gives -180); 1000 gives 280.
void NormalizeDegrees180(std::int32_t& degrees);

// "hh:mm" of a clock position in hours (0 to 12 for a miss distance), the minutes rounded to
// a quarter hour (0-6 give 00, 7-21 give 15, 22-36 give 30, 37-51 give 45, 52-59 give the next
// hour); each number written by FormatNumber with a leading "0" below 10. 0 gives "00:00"
// and 11.9 gives "12:00". A position outside [0, 12) is written the same way from its whole
// hours (FloorToInt), for example "0-1:30" for -0.5.
std::string ClockText(double hours);

}  // namespace quorvel
