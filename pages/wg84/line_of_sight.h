#pragma once
// Line of sight between the WG 84 page's reference and target: does the earth block the
// straight line between them, and the radio path that the atmosphere bends?
//
// The path is the geodesic between the two positions on the WGS-84 ellipsoid (GeographicLib),
// of length D. Along it the earth is taken as a circle of radius k*R, R the ellipsoid's radius
// of curvature at the path's midpoint in the path's direction: k = 1 for the straight line,
// k = 4/3 for the radio path over the standard four-thirds earth. At a distance d from the
// reference, a path between altitudes h_ref and h_tgt clears the earth by
//     h_ref + (h_tgt - h_ref) * d / D - d * (D - d) / (2 * k * R),
// and its clearance is the least of that over 0 <= d <= D. Lengths are in nautical miles of
// the page (6076.115489 ft, the ellipsoid's metres taken at 3.2808 ft each), as everywhere
// in common/geodesy/; feet appear only in the texts.

#include <string>
#include <vector>

#include "common/geodesy/earth.h"
#include "shell/page_model.h"

namespace quorvel {

// The factor k of the radio path's effective earth radius.
inline constexpr double kRadioEarthFactor = 4.0 / 3.0;

// How one path (straight or radio) passes over the earth. Lengths in nautical miles.
struct PathClearance {
    double clearance = 0;  // least height of the path above the earth
    double at = 0;         // distance from the reference where that least height lies
    bool clear = true;     // clearance >= 0: the earth is not in the way
    // The stretch of the path below the earth, from the reference; empty (from == to) when
    // the path clears.
    double blockedFrom = 0;
    double blockedTo = 0;
};

// Least of h_ref + (h_tgt - h_ref) * d / D - d * (D - d) / (2 * kR) over 0 <= d <= D, with the
// stretch where that is below 0. Heights, D and kR (the effective earth radius, > 0) in one
// length unit. D = 0 (or not above 0) gives the lower height at d = 0.
PathClearance ClearanceOverPath(double refHeight, double tgtHeight, double pathLength,
                                double effectiveRadius);

struct LineOfSightFigures {
    double pathLength = 0;       // geodesic distance D between the positions, nmi
    double curvatureRadius = 0;  // R: radius of curvature at the midpoint along the path, nmi
    double refAltitude = 0;      // the positions' altitudes above the ellipsoid, nmi
    double tgtAltitude = 0;
    bool samePosition = false;  // latitude, longitude and altitude all equal
    PathClearance sight;        // the straight line, k = 1
    PathClearance radio;        // the radio path, k = 4/3
};

// The figures for a reference and a target position (radians and nautical miles; used as
// given, the page limits its positions). Two equal positions give D = 0, the lower altitude
// as clearance and both paths clear: a position sees itself.
LineOfSightFigures ComputeLineOfSight(const LlmPosition& reference, const LlmPosition& target);

// The figures as texts, in the order the window shows them and quorvel-cli prints them:
// LabelLosPathLength (nmi), then for the straight line LabelLosClearance (ft),
// LabelLosClearanceAt (nmi from the reference) and LabelLosVisible ("YES" or "NO"), then the
// same three for the radio path (LabelLosRadioClearance, ...).
DisplayList LineOfSightFigureTexts(const LineOfSightFigures& figures);

// Height of the earth's surface (k = 1) over the chord between the path's ends at distance d
// from the reference: d * (D - d) / (2 * R), nmi. Negative beyond the ends.
double EarthBulge(const LineOfSightFigures& figures, double distance);
// Height of the straight line and of the radio path at distance d, in the frame where the
// earth's surface is EarthBulge: the line runs straight from the reference's altitude to the
// target's, the radio path bows above it by the part of the bulge that refraction takes away.
double SightLineHeight(const LineOfSightFigures& figures, double distance);
double RadioPathHeight(const LineOfSightFigures& figures, double distance);

// One point of the side view, nmi: the distance from the reference and the three heights.
struct ProfileSample {
    double distance = 0;
    double earth = 0;
    double sight = 0;
    double radio = 0;
};

// `count` (at least 2) samples evenly spaced from `from` to `to` (nmi from the reference).
std::vector<ProfileSample> ProfileSamples(const LineOfSightFigures& figures, double from, double to,
                                          int count);

}  // namespace quorvel
