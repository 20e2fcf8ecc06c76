#include "pages/rf/rf_formulas.h"

#include <cmath>

#include "common/geodesy/horizon.h"
#include "common/safe_math.h"

namespace quorvel {
namespace {

// Factors taken at extended precision: the product is formed in long double and rounded to
// double once.
constexpr long double kTenthExtended = 0.1L;       // dB to exponent of ten, power
constexpr long double kTwentiethExtended = 0.05L;  // dB to exponent of ten, voltage
constexpr long double kMilliExtended = 0.001L;     // nH x pF to GHz scale; bit/s to kHz
constexpr long double kNmiPerFootExtended = 0.00016457883360024463L;  // 1 / 6076.115489

// Factors given in single precision. Every one of them is an integer that a float holds
// exactly, so the float constant equals the double one; they are written as floats to keep
// the stated precision visible.
constexpr float kPowerDbFactor = 10.0F;
constexpr float kVoltageDbFactor = 20.0F;
constexpr float kMismatchLossFactor = -10.0F;
constexpr float kReturnLossFactor = -20.0F;
constexpr float kDbmMinusDbw = 30.0F;
constexpr float kUnitFactor = 1000.0F;
constexpr float kNonNrzlWidening = 2.0F;
constexpr float kBeamwidthConstant = 70000.0F;  // degree x foot x MHz

constexpr double kMmPerNs = 300.0;     // millimetres light travels in one nanosecond
constexpr double kInchesPerNs = 11.8;  // inches light travels in one nanosecond
constexpr double kDishGainOffsetDb = 52.6;
constexpr double kPowerBase = 10.0;
constexpr double kTwoPi = 6.283185307179586;
constexpr double kFourPiSquared = 39.47841760435743;
constexpr double kIfBandwidthPerBitRate = 1.2;
constexpr double kVideoBandwidthPerBitRate = 0.7;

double TimesExtended(double x, long double factor) {
    return static_cast<double>(static_cast<long double>(x) * factor);
}

}  // namespace

void RatioToDb(double ratio, double& dbPower, double& dbVoltage) {
    const double l = SafeLog10(ratio);
    dbPower = kPowerDbFactor * l;
    dbVoltage = kVoltageDbFactor * l;
}

double DbToPowerRatio(double db) {
    return SafePow(kPowerBase, TimesExtended(db, kTenthExtended));
}

double DbToVoltageRatio(double db) {
    return SafePow(kPowerBase, TimesExtended(db, kTwentiethExtended));
}

double WavelengthFromGhz(double freqGhz, double& inches) {
    if (!(freqGhz > 0)) {
        return 0;
    }
    inches = kInchesPerNs / freqGhz;
    return kMmPerNs / freqGhz;
}

double DishGainAndBeamwidth(double diameterFt, double freqMhz, double& beamwidthDeg) {
    beamwidthDeg = 0;
    if (!(freqMhz > 0 && diameterFt > 0)) {
        return 0;
    }
    const double freqTerm = kVoltageDbFactor * SafeLog10(freqMhz);
    const double diameterTerm = kVoltageDbFactor * SafeLog10(diameterFt);
    const double gain = (freqTerm + diameterTerm) - kDishGainOffsetDb;
    const double product = freqMhz * diameterFt;
    beamwidthDeg = kBeamwidthConstant / product;
    return gain;
}

double DbmToWatts(double dbm) {
    const double dbw = dbm - kDbmMinusDbw;
    return SafePow(kPowerBase, TimesExtended(dbw, kTenthExtended));
}

double DbwToWatts(double dbw) {
    return SafePow(kPowerBase, TimesExtended(dbw, kTenthExtended));
}

double WattsToDbm(double watts) {
    const double dbw = kPowerDbFactor * SafeLog10(watts);
    return dbw + kDbmMinusDbw;
}

double WattsToDbw(double watts) {
    return kPowerDbFactor * SafeLog10(watts);
}

double RefCoefToVswr(double refCoef) {
    const double d = 1 - refCoef;
    if (d == 0) {
        return 0;
    }
    return (1 + refCoef) / d;
}

double VswrToRefCoef(double vswr) {
    const double s = vswr + 1;
    if (s == 0) {
        return 0;
    }
    return (vswr - 1) / s;
}

double VswrToReturnLoss(double vswr) {
    const double s = vswr + 1;
    if (s == 0) {
        return 0;
    }
    const double g = (vswr - 1) / s;
    return kReturnLossFactor * SafeLog10(g);
}

double VswrToMismatchLoss(double vswr) {
    const double s = vswr + 1;
    if (s == 0) {
        return 0;
    }
    const double g = (vswr - 1) / s;
    const double transmitted = 1 - g * g;
    return kMismatchLossFactor * SafeLog10(transmitted);
}

double ResonantFreqGhz(double inductanceNh, double capacitancePf) {
    const double p = TimesExtended(inductanceNh * capacitancePf, kMilliExtended);
    // Zero has no finite resonance; a negative product has no real one (its square root
    // would be a NaN). Both give 0, as the other guarded formulas do outside their domain.
    if (!(p > 0)) {
        return 0;
    }
    const double root = std::sqrt(p);
    return 1 / (root * kTwoPi);
}

namespace {

// 1000 / (4 pi^2 x f^2), the common form of InductanceNh and CapacitancePf.
double ResonatingPartner(double other, double freqGhz) {
    const double freqSquared = freqGhz * freqGhz;
    const double q = (kFourPiSquared * other) * freqSquared;
    if (q == 0) {
        return 0;
    }
    return kUnitFactor / q;
}

}  // namespace

double InductanceNh(double capacitancePf, double freqGhz) {
    return ResonatingPartner(capacitancePf, freqGhz);
}

double CapacitancePf(double inductanceNh, double freqGhz) {
    return ResonatingPartner(inductanceNh, freqGhz);
}

double RfHorizonNmi(double altitudeFt) {
    return RadioHorizonNmi(TimesExtended(altitudeFt, kNmiPerFootExtended));
}

void FilterBandwidthsKhz(std::int32_t bitRate, bool nonNrzl, double& ifKhz, double& videoKhz) {
    const double rate = static_cast<double>(bitRate);
    double t = rate * kIfBandwidthPerBitRate;
    if (nonNrzl) {
        t = t * kNonNrzlWidening;
    }
    ifKhz = TimesExtended(t, kMilliExtended);
    double v = rate * kVideoBandwidthPerBitRate;
    if (nonNrzl) {
        v = v * kNonNrzlWidening;
    }
    videoKhz = TimesExtended(v, kMilliExtended);
}

}  // namespace quorvel
