#include "pages/wg84/wg84_recompute.h"

#include "common/geodesy/ecef_conversions.h"
#include "common/geodesy/horizon.h"
#include "common/geodesy/local_frame.h"
#include "common/geodesy/map_utils.h"
#include "common/geodesy/miss_distance.h"

namespace quorvel {
namespace {

EnuVector Negated(const EnuVector& v) {
    return {-v.east, -v.north, -v.up};
}

bool IsZero(const EnuVector& v) {
    return VectorsEqual(v, EnuVector{});
}

// The degenerate edit: the other position takes the edited side's, both range/azimuth/
// elevation triples become zero, and nothing else changes.
void PutPositionsTogether(Wg84Values& v, Wg84Side side) {
    v.refRae = {};
    v.tgtRae = {};
    if (side == Wg84Side::Target) {
        v.refLlm = v.tgtLlm;
    } else {
        v.tgtLlm = v.refLlm;
    }
}

}  // namespace

void RecomputeFromLlm(Wg84Values& v, Wg84Side side) {
    v.refEcef = LlmToEcef(v.refLlm);
    v.tgtEcef = LlmToEcef(v.tgtLlm);
    if (VectorsEqual(v.refLlm, v.tgtLlm)) {
        v.refRae = {};
        v.tgtRae = {};
        v.refEnu = {};
        v.tgtEnu = {};
        return;
    }
    v.refRae = EcefToRae(v.refEcef, v.tgtLlm);
    v.tgtRae = EcefToRae(v.tgtEcef, v.refLlm);
    v.refEnu = LlmToEnu(v.refLlm, v.tgtLlm);
    v.tgtEnu = LlmToEnu(v.tgtLlm, v.refLlm);
    if (side == Wg84Side::Target) {
        v.refEnu = Negated(v.tgtEnu);
    } else {
        v.tgtEnu = Negated(v.refEnu);
    }
}

void RecomputeFromEnu(Wg84Values& v, Wg84Side side) {
    // Only a zero offset on both sides puts the positions together. Equal offsets alone would
    // also catch an entered offset that is the reverse of the previous one (1 nmi east, then
    // 1 nmi west), and that must move the edited position like any other offset.
    if (IsZero(v.refEnu) && IsZero(v.tgtEnu)) {
        PutPositionsTogether(v, side);
        return;
    }
    if (side == Wg84Side::Target) {
        v.refEcef = LlmToEcef(v.refLlm);
        v.tgtEcef = EnuToEcef(v.tgtEnu, v.refLlm);
        EcefToLlm(v.tgtEcef, v.tgtLlm);
        v.refEnu = LlmToEnu(v.refLlm, v.tgtLlm);
        v.refRae = EnuToRae(v.refEnu);
        v.tgtRae = EnuToRae(v.tgtEnu);
        v.refEnu = Negated(v.tgtEnu);
        return;
    }
    v.tgtEcef = LlmToEcef(v.tgtLlm);
    v.refRae = EnuToRae(v.refEnu);
    // Straight up or down the azimuth is 1.5707963267948972 - MATH_ERROR_VALUE, whose sine
    // and cosine are no numbers: the point is placed with azimuth 0, which the vertical
    // offset does not depend on, as the target's offset is placed without any azimuth.
    RaeVector placed = v.refRae;
    if (v.refEnu.east == 0 && v.refEnu.north == 0) {
        placed.azimuth = 0;
    }
    RaeToLlm(placed, v.tgtLlm, v.refLlm);
    v.refEcef = LlmToEcef(v.refLlm);
    v.tgtEnu = LlmToEnu(v.tgtLlm, v.refLlm);
    v.tgtRae = EnuToRae(v.tgtEnu);
    v.tgtEnu = Negated(v.refEnu);
}

void RecomputeFromRae(Wg84Values& v, Wg84Side side) {
    const RaeVector& edited = side == Wg84Side::Target ? v.tgtRae : v.refRae;
    if (edited.range == 0) {
        PutPositionsTogether(v, side);
        return;
    }
    if (side == Wg84Side::Target) {
        v.refEcef = LlmToEcef(v.refLlm);
        RaeToLlm(v.tgtRae, v.refLlm, v.tgtLlm);
        v.tgtEcef = LlmToEcef(v.tgtLlm);
        v.refEnu = LlmToEnu(v.refLlm, v.tgtLlm);
        v.tgtEnu = LlmToEnu(v.tgtLlm, v.refLlm);
        v.refRae = EnuToRae(v.refEnu);
        v.tgtRae = EnuToRae(v.tgtEnu);
        v.refEnu = Negated(v.tgtEnu);
        return;
    }
    v.tgtEcef = LlmToEcef(v.tgtLlm);
    RaeToLlm(v.refRae, v.tgtLlm, v.refLlm);
    v.refEcef = LlmToEcef(v.refLlm);
    v.refEnu = LlmToEnu(v.refLlm, v.tgtLlm);
    v.tgtEnu = LlmToEnu(v.tgtLlm, v.refLlm);
    v.tgtRae = EnuToRae(v.tgtEnu);
    v.tgtEnu = Negated(v.refEnu);
}

void RecomputeMiss(Wg84Values& v) {
    MissDistanceAndClock(v.missDx, v.missDy, v.missDistance, v.missClock);
}

void ComputeAltitudes(Wg84Values& v) {
    v.refEllipsoidAlt = EllipsoidAltitude(v.refEcef);
    v.tgtEllipsoidAlt = EllipsoidAltitude(v.tgtEcef);
    v.refHorizon = VisualHorizonNmi(v.refLlm.altitude);
    v.tgtHorizon = VisualHorizonNmi(v.tgtLlm.altitude);
}

void PrepareShownValues(Wg84Values& v) {
    v.refEcef = LlmToEcef(v.refLlm);
    v.tgtEcef = LlmToEcef(v.tgtLlm);
    ComputeAltitudes(v);
}

}  // namespace quorvel
