#include "pages/wg84/wg84_recompute.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "common/geodesy/ecef_conversions.h"
#include "common/geodesy/local_frame.h"
#include "common/geodesy/map_utils.h"

namespace quorvel {
namespace {

constexpr double kDegree = 0.017453292519943302;
constexpr double kNmiPerFoot = 1 / FEET_PER_NMI;

Wg84Values Defaults() {
    Wg84Values v;
    v.refLlm = kWg84DefaultPosition;
    v.tgtLlm = kWg84DefaultPosition;
    RecomputeFromLlm(v, Wg84Side::Reference);
    return v;
}

bool Negations(const EnuVector& a, const EnuVector& b) {
    return a.east == -b.east && a.north == -b.north && a.up == -b.up;
}

bool WithinLimits(const LlmPosition& p) {
    LlmPosition limited = p;
    LimitLlm(limited);
    return VectorsEqual(limited, p);
}

TEST(Wg84Recompute, EqualPositionsZeroEveryRelativeTriple) {
    Wg84Values v = Defaults();
    v.refEnu = {1, 2, 3};
    v.tgtRae = {4, 5, 6};
    RecomputeFromLlm(v, Wg84Side::Target);
    EXPECT_TRUE(VectorsEqual(v.refEnu, EnuVector{}));
    EXPECT_TRUE(VectorsEqual(v.tgtEnu, EnuVector{}));
    EXPECT_TRUE(VectorsEqual(v.refRae, RaeVector{}));
    EXPECT_TRUE(VectorsEqual(v.tgtRae, RaeVector{}));
}

TEST(Wg84Recompute, GeodeticEditGivesTheOtherSideTheNegation) {
    for (const Wg84Side side : {Wg84Side::Reference, Wg84Side::Target}) {
        Wg84Values v = Defaults();
        v.tgtLlm.latitude += 10.0 / 60 * kDegree;
        RecomputeFromLlm(v, side);
        LlmPosition ref = v.refLlm;
        LlmPosition tgt = v.tgtLlm;
        // The edited side's offset is a conversion of the two positions.
        const EnuVector converted =
            side == Wg84Side::Target ? LlmToEnu(tgt, ref) : LlmToEnu(ref, tgt);
        const EnuVector& edited = side == Wg84Side::Target ? v.tgtEnu : v.refEnu;
        EXPECT_TRUE(VectorsEqual(edited, converted));
        EXPECT_TRUE(Negations(v.refEnu, v.tgtEnu));
        EXPECT_NEAR(v.tgtEnu.north, 9.98609, 1e-5);
        // Seen from each other both lie below the horizon: the negation of the reference's
        // offset puts the target above it.
        EXPECT_NEAR(v.tgtEnu.up, side == Wg84Side::Target ? -0.01452 : 0.01452, 1e-5);
        EXPECT_NEAR(v.tgtRae.elevation / kDegree, -0.0833, 1e-4);
    }
}

TEST(Wg84Recompute, BothOffsetsZeroPutTheOtherPositionOntoTheEditedOne) {
    Wg84Values v = Defaults();
    v.tgtLlm.altitude = 1;
    v.refEnu = {};
    v.tgtEnu = {};
    v.refRae = {1, 1, 1};
    RecomputeFromEnu(v, Wg84Side::Target);
    EXPECT_TRUE(VectorsEqual(v.refLlm, v.tgtLlm));
    EXPECT_EQ(v.refLlm.altitude, 1);
    EXPECT_TRUE(VectorsEqual(v.refRae, RaeVector{}));

    v = Defaults();
    v.refLlm.altitude = 2;
    RecomputeFromEnu(v, Wg84Side::Reference);
    EXPECT_EQ(v.tgtLlm.altitude, 2);
}

TEST(Wg84Recompute, OffsetBeyondTheConversionLeavesThePositionAndTheEntry) {
    Wg84Values v = Defaults();
    v.tgtEnu = {19999, 0, 0};
    RecomputeFromEnu(v, Wg84Side::Target);
    EXPECT_TRUE(VectorsEqual(v.tgtLlm, kWg84DefaultPosition));
    EXPECT_EQ(v.tgtEnu.east, 19999);
    EXPECT_EQ(v.tgtRae.range, 19999);
    EXPECT_TRUE(Negations(v.refEnu, v.tgtEnu));
}

TEST(Wg84Recompute, RangeZeroKeepsBothOffsets) {
    Wg84Values v = Defaults();
    v.refEnu = {-1, -2, -3};
    v.tgtEnu = {1, 2, 3};
    v.tgtLlm.latitude = 0.5;
    v.refRae = {0, 2, 3};
    RecomputeFromRae(v, Wg84Side::Reference);
    EXPECT_EQ(v.tgtLlm.latitude, kWg84DefaultPosition.latitude);
    EXPECT_TRUE(VectorsEqual(v.refRae, RaeVector{}));
    EXPECT_TRUE(VectorsEqual(v.tgtEnu, EnuVector{1, 2, 3}));
}

TEST(Wg84Recompute, ShownValuesLimitThePositionsAndDeriveOnlyAltitudes) {
    Wg84Values v = Defaults();
    v.refLlm = {80 * kDegree, 4, -300 * kNmiPerFoot};
    v.tgtLlm.altitude = 10000 * kNmiPerFoot;
    v.tgtEnu = {7, 8, 9};
    PrepareShownValues(v);
    EXPECT_EQ(v.refLlm.latitude, LATITUDE_LIMIT);
    EXPECT_EQ(v.refLlm.longitude, LONGITUDE_LIMIT);
    EXPECT_EQ(v.refLlm.altitude, ALTITUDE_LOWEST);
    EXPECT_NEAR(v.refEllipsoidAlt, ALTITUDE_LOWEST, 0.003 * kNmiPerFoot);
    EXPECT_EQ(v.refHorizon, 0);
    EXPECT_NEAR(v.tgtHorizon, 117.0, 1e-9);
    EXPECT_TRUE(VectorsEqual(v.tgtEnu, EnuVector{7, 8, 9}));
}

// Random edits on both sides, in any of the three forms, within the dialogs' bounds: after
// each the two offsets are negations and both positions lie within the limits.
TEST(Wg84Recompute, EveryEditKeepsTheNegationAndTheLimits) {
    std::mt19937_64 random(20240611);
    std::uniform_real_distribution<double> unit(-1, 1);
    std::uniform_int_distribution<int> pick(0, 5);
    Wg84Values v = Defaults();
    for (int step = 0; step < 20000; ++step) {
        const Wg84Side side = pick(random) % 2 == 0 ? Wg84Side::Reference : Wg84Side::Target;
        const bool target = side == Wg84Side::Target;
        switch (pick(random) % 3) {
            case 0:
                (target ? v.tgtLlm : v.refLlm) = {70 * kDegree * unit(random),
                                                  179 * kDegree * unit(random),
                                                  (100150 + 100150 * unit(random)) * kNmiPerFoot};
                RecomputeFromLlm(v, side);
                break;
            case 1: {
                // Mostly near offsets, now and then one the conversion cannot bring back.
                const double scale = pick(random) == 0 ? 19999 : 500;
                (target ? v.tgtEnu : v.refEnu) = {scale * unit(random), scale * unit(random),
                                                  199999 * kNmiPerFoot * unit(random)};
                RecomputeFromEnu(v, side);
                break;
            }
            default:
                (target ? v.tgtRae : v.refRae) = {(pick(random) == 0 ? 19999 : 500) * unit(random),
                                                  std::round(180 * unit(random)) * kDegree,
                                                  std::round(90 * unit(random)) * kDegree};
                RecomputeFromRae(v, side);
                break;
        }
        ASSERT_TRUE(Negations(v.refEnu, v.tgtEnu)) << "step " << step;
        ASSERT_TRUE(WithinLimits(v.refLlm)) << "step " << step;
        ASSERT_TRUE(WithinLimits(v.tgtLlm)) << "step " << step;
    }
}

}  // namespace
}  // namespace quorvel
