#include "pages/misc/misc_conversions.h"

#include "common/geodesy/horizon.h"

namespace quorvel {
namespace {

// Factors taken in double precision.
constexpr double kStatuteMilesPerNmi = 1.1507794486742424;  // 6076.115489 / 5280, distances
constexpr double kNmiPerStatuteMile = 0.8689762414092916;   // 5280 / 6076.115489
constexpr double kMetersPerNmi = 1852.022521641063;         // 6076.115489 / 3.2808
constexpr double kFeetPerSecondSquaredPerG = 32.17349;

// Factors taken at extended precision.
constexpr long double kStatuteMilesPerNmiExtended = 1.1507794486742424L;  // speeds
constexpr long double kStatuteMilesPerFoot = 0.0001893939393939394L;      // 1 / 5280
constexpr long double kNmiPerFoot = 0.00016457883360024463L;              // 1 / 6076.115489
constexpr long double kKilometersPerMeter = 0.001L;
constexpr long double kHoursPerSecond = 0.0002777777777777778L;          // 1 / 3600
constexpr long double kGPerFeetPerSecondSquared = 0.03108148976066942L;  // 1 / 32.17349

// The seconds per hour, a single-precision constant (exact in any precision).
constexpr float kSecondsPerHour = 3600.0F;

double TimesExtended(double x, long double factor) {
    return static_cast<double>(static_cast<long double>(x) * factor);
}

}  // namespace

double NmiToStatuteMiles(double nmi) {
    return nmi * kStatuteMilesPerNmi;
}

double NmiToFeet(double nmi) {
    return nmi * FEET_PER_NMI;
}

double NmiToMeters(double nmi) {
    return nmi * kMetersPerNmi;
}

double NmiToKilometers(double nmi) {
    return TimesExtended(NmiToMeters(nmi), kKilometersPerMeter);
}

double NmiToStatuteMilesEntry(double nmi) {
    return TimesExtended(NmiToFeet(nmi), kStatuteMilesPerFoot);
}

double StatuteMilesToNmi(double statuteMiles) {
    return statuteMiles * kNmiPerStatuteMile;
}

double FeetToNmi(double feet) {
    return TimesExtended(feet, kNmiPerFoot);
}

double KnotsToStatuteMph(double kts) {
    return TimesExtended(kts, kStatuteMilesPerNmiExtended);
}

double KnotsToFeetPerSecond(double kts) {
    return TimesExtended(kts * FEET_PER_NMI, kHoursPerSecond);
}

double FeetPerSecondToKnots(double feetPerSecond) {
    const double feetPerHour = feetPerSecond * kSecondsPerHour;
    return TimesExtended(feetPerHour, kNmiPerFoot);
}

double GToAccelZ(double g) {
    return -g * kFeetPerSecondSquaredPerG;
}

double AccelZToG(double accelZ) {
    return TimesExtended(-accelZ, kGPerFeetPerSecondSquared);
}

}  // namespace quorvel
