#include "pages/wg84/line_of_sight.h"

#include <GeographicLib/Ellipsoid.hpp>
#include <GeographicLib/Geodesic.hpp>
#include <GeographicLib/GeodesicLine.hpp>

#include <algorithm>
#include <cmath>
#include <numbers>

#include "common/number_text.h"

namespace quorvel {
namespace {

constexpr double kDegreesPerRadian = 180.0 / std::numbers::pi;
// GeographicLib works in metres; the page's nautical mile is 6076.115489 ft of 1/3.2808 m.
constexpr double kNmiPerMetre = FEET_PER_METRE / FEET_PER_NMI;

bool SamePosition(const LlmPosition& a, const LlmPosition& b) {
    return a.latitude == b.latitude && a.longitude == b.longitude && a.altitude == b.altitude;
}

// The path's clearance where it runs below the earth: the stretch around the lowest point
// (unclamped, at `lowest` with height `depth` < 0) where the parabola stays below 0.
void MarkBlockedStretch(PathClearance& path, double lowest, double depth, double pathLength,
                        double effectiveRadius) {
    // clearance(d) = depth + (d - lowest)^2 / (2 kR), which is 0 at lowest +- sqrt(-2 kR depth).
    const double halfWidth = std::sqrt(-2 * effectiveRadius * depth);
    path.blockedFrom = std::clamp(lowest - halfWidth, 0.0, pathLength);
    path.blockedTo = std::clamp(lowest + halfWidth, 0.0, pathLength);
}

}  // namespace

PathClearance ClearanceOverPath(double refHeight, double tgtHeight, double pathLength,
                                double effectiveRadius) {
    PathClearance path;
    if (!(pathLength > 0)) {
        path.clearance = std::min(refHeight, tgtHeight);
        path.clear = path.clearance >= 0;
        return path;
    }
    const double rise = tgtHeight - refHeight;
    const auto height = [&](double d) {
        return refHeight + rise * d / pathLength - d * (pathLength - d) / (2 * effectiveRadius);
    };
    // The parabola's vertex: where the slope of the line equals that of the earth's bulge.
    const double lowest = pathLength / 2 - effectiveRadius * rise / pathLength;
    if (lowest <= 0) {
        path.clearance = refHeight;
        path.at = 0;
    } else if (lowest >= pathLength) {
        path.clearance = tgtHeight;
        path.at = pathLength;
    } else {
        path.clearance = height(lowest);
        path.at = lowest;
    }
    path.clear = path.clearance >= 0;
    if (!path.clear) {
        MarkBlockedStretch(path, lowest, height(lowest), pathLength, effectiveRadius);
    }
    return path;
}

LineOfSightFigures ComputeLineOfSight(const LlmPosition& reference, const LlmPosition& target) {
    LineOfSightFigures figures;
    figures.refAltitude = reference.altitude;
    figures.tgtAltitude = target.altitude;
    figures.samePosition = SamePosition(reference, target);

    const GeographicLib::Geodesic& geodesic = GeographicLib::Geodesic::WGS84();
    const GeographicLib::GeodesicLine line = geodesic.InverseLine(
        reference.latitude * kDegreesPerRadian, reference.longitude * kDegreesPerRadian,
        target.latitude * kDegreesPerRadian, target.longitude * kDegreesPerRadian,
        GeographicLib::Geodesic::LATITUDE | GeographicLib::Geodesic::LONGITUDE |
            GeographicLib::Geodesic::AZIMUTH | GeographicLib::Geodesic::DISTANCE_IN);
    const double lengthMetres = line.Distance();
    double midLatitude = 0;
    double midLongitude = 0;
    double midAzimuth = 0;
    line.Position(lengthMetres / 2, midLatitude, midLongitude, midAzimuth);
    figures.pathLength = lengthMetres * kNmiPerMetre;
    figures.curvatureRadius =
        GeographicLib::Ellipsoid::WGS84().NormalCurvatureRadius(midLatitude, midAzimuth) *
        kNmiPerMetre;

    figures.sight = ClearanceOverPath(reference.altitude, target.altitude, figures.pathLength,
                                      figures.curvatureRadius);
    figures.radio = ClearanceOverPath(reference.altitude, target.altitude, figures.pathLength,
                                      kRadioEarthFactor * figures.curvatureRadius);
    if (figures.samePosition) {
        figures.sight.clear = true;
        figures.radio.clear = true;
    }
    return figures;
}

DisplayList LineOfSightFigureTexts(const LineOfSightFigures& figures) {
    const auto nmi = [](double value) { return FormatNumber(8, 2, value); };
    const auto feet = [](double valueNmi) { return FormatNumber(12, 2, valueNmi * FEET_PER_NMI); };
    DisplayList list;
    list.reserve(7);
    list.push_back({"LabelLosPathLength", nmi(figures.pathLength)});
    list.push_back({"LabelLosClearance", feet(figures.sight.clearance)});
    list.push_back({"LabelLosClearanceAt", nmi(figures.sight.at)});
    list.push_back({"LabelLosVisible", YesNoText(figures.sight.clear)});
    list.push_back({"LabelLosRadioClearance", feet(figures.radio.clearance)});
    list.push_back({"LabelLosRadioClearanceAt", nmi(figures.radio.at)});
    list.push_back({"LabelLosRadioVisible", YesNoText(figures.radio.clear)});
    return list;
}

double EarthBulge(const LineOfSightFigures& figures, double distance) {
    return distance * (figures.pathLength - distance) / (2 * figures.curvatureRadius);
}

double SightLineHeight(const LineOfSightFigures& figures, double distance) {
    if (!(figures.pathLength > 0)) {
        return figures.refAltitude;
    }
    return figures.refAltitude +
           (figures.tgtAltitude - figures.refAltitude) * distance / figures.pathLength;
}

double RadioPathHeight(const LineOfSightFigures& figures, double distance) {
    return SightLineHeight(figures, distance) +
           EarthBulge(figures, distance) * (1 - 1 / kRadioEarthFactor);
}

std::vector<ProfileSample> ProfileSamples(const LineOfSightFigures& figures, double from, double to,
                                          int count) {
    count = std::max(count, 2);
    std::vector<ProfileSample> samples;
    samples.reserve(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        // The last sample lies exactly at `to`, whatever the rounding of the steps.
        const double d = i == count - 1 ? to : from + (to - from) * i / (count - 1);
        samples.push_back(
            {d, EarthBulge(figures, d), SightLineHeight(figures, d), RadioPathHeight(figures, d)});
    }
    return samples;
}

}  // namespace quorvel
