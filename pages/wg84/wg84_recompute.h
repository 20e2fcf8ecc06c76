#pragma once
// The WGS-84 page's value block and the recomputes that keep it consistent: after one side's
// geodetic position, East/North/Up offset or range/azimuth/elevation was edited, that side's
// position moves (the other stays) and every relative value is derived again.
//
// Lengths are in nautical miles and angles in radians throughout (common/geodesy/). Each
// position is limited in place (common/geodesy/ecef_conversions.h, LimitLlm) whenever it is
// converted, so the stored positions stay within 70 degrees of latitude, half a turn of
// longitude and -200 ft to 5000 nmi of altitude.
//
// After every recompute one of refEnu and tgtEnu is exactly the negation of the other: the
// side recomputed from the other is given the negation, not a second conversion, so its
// offset and its range/azimuth/elevation describe slightly different vectors when the two
// points lie far apart (the two local frames differ).

#include "common/geodesy/earth.h"

namespace quorvel {

struct Wg84Values {
    LlmPosition refLlm;          // the reference position
    EcefVector refEcef;          // working value: ECEF of refLlm, recomputed before each use
    RaeVector refRae;            // the reference seen from the target
    EnuVector refEnu;            // the reference's offset from the target
    double refEllipsoidAlt = 0;  // EllipsoidAltitude(refEcef), nmi
    double refHorizon = 0;       // visual horizon of refLlm's altitude, nmi
    LlmPosition tgtLlm;          // the target position
    EcefVector tgtEcef;          // working value: ECEF of tgtLlm
    RaeVector tgtRae;            // the target seen from the reference
    EnuVector tgtEnu;            // the target's offset from the reference
    double tgtEllipsoidAlt = 0;
    double tgtHorizon = 0;
    double missDx = 0;  // miss distance components, nmi (+dy is 12 o'clock)
    double missDy = 0;
    double missDistance = 0;  // sqrt(dx^2 + dy^2), nmi
    double missClock = 0;     // clock position of the miss, hours in [0, 12)
};

// The side whose values the user edited.
enum class Wg84Side { Reference, Target };

// The position both sides start at: 35 41 15.010 N, 117 40 47.120 W, 2283.26 ft.
inline constexpr LlmPosition kWg84DefaultPosition{0.6228644253256228, -2.053899198162236,
                                                  0.37577627655142326};

// After a geodetic position changed: both positions limited, then every offset and range/
// azimuth/elevation from them, the side not edited given the negation of the edited side's
// offset. Two equal positions zero all four relative triples.
void RecomputeFromLlm(Wg84Values& values, Wg84Side side);

// After the edited side's East/North/Up offset changed: that side's position moves to the
// offset from the other position, and the relative values follow. When both offsets are zero
// the two positions are put together (the other takes the edited side's position) and both
// range/azimuth/elevation triples are zeroed. A point that cannot be converted back to a
// geodetic position leaves the position where it was, the entered offset still held.
// A reference offset straight up or down (east = north = 0, whose azimuth is the huge value
// EnuToRae gives there) is converted with azimuth 0; the held azimuth stays EnuToRae's.
void RecomputeFromEnu(Wg84Values& values, Wg84Side side);

// After the edited side's range, azimuth and elevation changed: that side's position moves to
// that point seen from the other position, and the relative values follow; the target's
// triple is replaced by the recomputed one, the reference's keeps its entered values. A range
// of exactly 0 puts the two positions together and zeroes both triples, keeping both offsets.
void RecomputeFromRae(Wg84Values& values, Wg84Side side);

// The miss distance's length and clock position from its two components.
void RecomputeMiss(Wg84Values& values);

// Both ellipsoid altitudes from the held ECEF vectors and both horizons from the altitudes.
void ComputeAltitudes(Wg84Values& values);

// What the page does before it shows its values: both positions limited through their ECEF
// (which is recomputed), then the altitudes and horizons. The relative values (offsets,
// range/azimuth/elevation, miss) stay as the last recompute left them.
void PrepareShownValues(Wg84Values& values);

}  // namespace quorvel
