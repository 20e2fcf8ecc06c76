#pragma once
// The unit conversions of the Misc page: a distance kept in nautical miles, a speed kept in
// knots and an acceleration kept in G, each shown in other units and entered in some of them.
//
// Free functions without state; every argument and result is a double in the unit its name
// says. Nothing here can fail: any double goes in and its product comes out (an infinity or a
// NaN passes through as the arithmetic gives it).
//
// Numerics: each factor is taken at the precision it has always had, and each step is rounded
// to double before the next. A factor marked extended is an x86 extended (long double)
// constant: the product is formed in long double and rounded to double once. So the statute
// miles per nautical mile are the double 1.1507794486742424 for a distance but the extended
// 1.1507794486742424 for a speed, and the two can give texts that differ in the last digit.
// The feet per nautical mile are FEET_PER_NMI (6076.115489, not the exact 6076.1154855643) and
// the metres per nautical mile 6076.115489 / 3.2808 (not the exact 1852).

namespace quorvel {

// A distance of nmi nautical miles in statute miles (double factor 1.1507794486742424).
double NmiToStatuteMiles(double nmi);
// In feet (nmi x 6076.115489).
double NmiToFeet(double nmi);
// In metres (nmi x 1852.022521641063).
double NmiToMeters(double nmi);
// In kilometres: the metres times the extended 0.001.
double NmiToKilometers(double nmi);
// The statute miles a distance is entered from: the feet times the extended 1/5280. Not the
// same product as NmiToStatuteMiles, and it may differ from it in the last bits.
double NmiToStatuteMilesEntry(double nmi);
// An entry in statute miles as nautical miles (double factor 0.8689762414092916).
double StatuteMilesToNmi(double statuteMiles);
// An entry in feet as nautical miles (extended 1/6076.115489).
double FeetToNmi(double feet);

// A speed of kts knots in statute miles per hour (extended 1.1507794486742424).
double KnotsToStatuteMph(double kts);
// In feet per second: the feet per hour times the extended 1/3600.
double KnotsToFeetPerSecond(double kts);
// An entry in feet per second as knots: times the single 3600, then the extended
// 1/6076.115489.
double FeetPerSecondToKnots(double feetPerSecond);

// The Z acceleration (feet per second squared) of an acceleration of g G: -g x 32.17349, so
// that a positive G reads as a negative Z acceleration; 0 G gives -0.
double GToAccelZ(double g);
// An entry of Z acceleration (feet per second squared) as G: -entry times the extended
// 1/32.17349.
double AccelZToG(double accelZ);

}  // namespace quorvel
