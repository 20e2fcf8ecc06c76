#pragma once
// Rfutilsunit: the link-budget formulas behind the RF page and its two solving dialogs.
//
// Free functions without state. Every argument and result is a double in the unit named with
// it; callers never convert units themselves. No function reports an error: an argument outside
// a function's domain either gives 0 (where the function tests for it, as documented below) or
// passes through SafeLog10 / SafePow, whose failure value MATH_ERROR_VALUE (9.9999999999e26)
// then travels on through the arithmetic as an ordinary number, scaled by the formula's factor.
//
// Numerics: each step is rounded to double before the next one uses it. The decibel-to-exponent
// factors 0.1 and 0.05 and the unit factors 0.001 and 1/6076.115489 are taken at x86 extended
// precision (the product is formed in long double, then rounded to double), so that for example
// DbToPowerRatio(3) raises 10 to exactly 0.3 and not to 0.30000000000000004. The small integer
// factors (10, 20, 30, 1000, 2, 70000) are exact in any precision.

#include <cstdint>

namespace quorvel {

// Power and voltage decibels of a ratio.
// ratio: plain number, > 0 for a meaningful result.
// dbPower = 10 log10(ratio) (dB), dbVoltage = 20 log10(ratio) (dB).
// ratio <= 0: 10 and 20 times MATH_ERROR_VALUE (9.9999999999e27 and 1.99999999998e28).
void RatioToDb(double ratio, double& dbPower, double& dbVoltage);

// The power ratio 10^(db / 10) of a decibel value (dB). Passes on SafePow's result for
// arguments beyond the range of a double (about +-3080 dB).
double DbToPowerRatio(double db);
// The voltage ratio 10^(db / 20) of a decibel value (dB).
double DbToVoltageRatio(double db);

// Free-space wavelength of a frequency.
// freqGhz: frequency (GHz). Returns the wavelength (mm) and sets inches to the wavelength
// (inches). freqGhz <= 0 (or NaN): returns 0 and leaves inches as the caller had it.
double WavelengthFromGhz(double freqGhz, double& inches);

// Gain and half-power beamwidth of a parabolic dish (rule-of-thumb constants).
// diameterFt: dish diameter (feet); freqMhz: frequency (MHz).
// Returns the gain (dBi) = 20 log10(f) + 20 log10(D) - 52.6 and sets beamwidthDeg to the
// half-power beamwidth (degrees) = 70000 / (f D). When either argument is <= 0 (or NaN) the
// gain and the beamwidth are both 0.
double DishGainAndBeamwidth(double diameterFt, double freqMhz, double& beamwidthDeg);

// Power in watts of a power in dBm / dBw.
double DbmToWatts(double dbm);
double DbwToWatts(double dbw);
// Power in dBm / dBw of a power in watts (W). watts <= 0: 10 times MATH_ERROR_VALUE
// (9.9999999999e27; for dBm the added 30 is lost in the magnitude).
double WattsToDbm(double watts);
double WattsToDbw(double watts);

// VSWR (plain number, >= 1 for a physical line) of a reflection coefficient magnitude
// (plain number, 0..1) = (1 + G) / (1 - G). G = 1 (total reflection): 0.
double RefCoefToVswr(double refCoef);
// Reflection coefficient = (VSWR - 1) / (VSWR + 1). VSWR = -1: 0.
double VswrToRefCoef(double vswr);
// Return loss (dB) = -20 log10((VSWR - 1) / (VSWR + 1)). VSWR = -1: 0. For VSWR <= 1 the
// logarithm fails: VSWR 1 gives -1.99999999998e28, not an infinity.
double VswrToReturnLoss(double vswr);
// Mismatch loss (dB) = -10 log10(1 - G^2) with G = (VSWR - 1) / (VSWR + 1). VSWR = -1: 0;
// VSWR 0 (G = -1): -9.9999999999e27.
double VswrToMismatchLoss(double vswr);

// Resonant frequency f = 1 / (2 pi sqrt(L C)) of an LC circuit.
// inductanceNh: L (nH); capacitancePf: C (pF). Returns f (GHz).
// L x C <= 0 (or NaN) gives 0: a zero product has no finite resonance and a negative one
// (only reachable through a hand-edited settings file) has no real one.
double ResonantFreqGhz(double inductanceNh, double capacitancePf);
// The inductance L (nH) = 1000 / (4 pi^2 C f^2) that resonates with capacitancePf (pF) at
// freqGhz (GHz). A zero denominator gives 0.
double InductanceNh(double capacitancePf, double freqGhz);
// The capacitance C (pF) = 1000 / (4 pi^2 L f^2) that resonates with inductanceNh (nH) at
// freqGhz (GHz). A zero denominator gives 0.
double CapacitancePf(double inductanceNh, double freqGhz);

// Radio horizon of an antenna at altitudeFt (feet above the ground),
// in nautical miles: about 1.5561 sqrt(altitude in feet). altitudeFt <= 0 gives 0.
double RfHorizonNmi(double altitudeFt);

// Receiver filter bandwidths for a PCM bit stream.
// bitRate: bit rate (bit/s); nonNrzl: true for a code other than NRZ-L (bi-phase and the
// like), which needs twice the bandwidth. Sets ifKhz = 1.2 x bit rate and videoKhz = 0.7 x bit
// rate (kHz), both doubled when nonNrzl is set.
void FilterBandwidthsKhz(std::int32_t bitRate, bool nonNrzl, double& ifKhz, double& videoKhz);

}  // namespace quorvel
