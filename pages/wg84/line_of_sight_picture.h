#pragma once
// The line-of-sight picture of the WG 84 page: on the left the profile, a side view along the
// path from the reference (left) to the target (right) with the earth's surface, both
// positions at their altitudes, the straight line and the radio path between them and the
// parts of each that run below the earth; on the right the look angles, a polar plot of the
// target as the reference sees it and the reference as the target sees it (azimuth around,
// north up; elevation 90 degrees at the centre, 0 on the horizon ring, below it outside).
//
// Heights are drawn in feet over distances in nautical miles, the heights stretched to fill
// the plot; the picture says by how much. The picture is laid out for the size it is asked
// for, so that a larger window gets a larger drawing with texts of the same size.

#include <string>

#include "common/picture.h"
#include "pages/wg84/line_of_sight.h"
#include "pages/wg84/wg84_recompute.h"

namespace quorvel {

// The size the picture takes where nothing else decides it (quorvel-cli --svg), and the least
// size it is laid out for: a smaller room gets this picture scaled down.
inline constexpr double kLineOfSightWidth = 760;
inline constexpr double kLineOfSightHeight = 340;

// Azimuth and elevation (radians) as the page holds them: the target seen from the reference
// (the page's TgtRae) and the reference seen from the target (RefRae).
struct LookAngle {
    double azimuth = 0;
    double elevation = 0;
};
struct LookAngles {
    LookAngle targetFromReference;
    LookAngle referenceFromTarget;
};
LookAngles LookAnglesOf(const Wg84Values& values);

// Where a look angle stands on the polar plot, with the horizon ring of radius 1, north up:
// x to the east, y down. The elevation runs from 90 degrees at the centre to 0 on the
// horizon and on outside to kPolarLowestElevation on the outer ring; a lower one is pinned
// to that ring. An azimuth that is not a direction (EnuToRae's huge value straight up or
// down, or not finite) is taken as north.
inline constexpr double kPolarLowestElevation = -30;  // degrees
struct PolarMark {
    double azimuth = 0;    // degrees, [0, 360)
    double elevation = 0;  // degrees, as the page holds it
    double x = 0;
    double y = 0;
    bool pinned = false;  // below the outer ring and drawn on it
};
PolarMark PolarMarkFor(const LookAngle& look);

// The whole picture at width x height (each at least the least size above).
Picture LineOfSightPicture(const LineOfSightFigures& figures, const LookAngles& look,
                           double width = kLineOfSightWidth, double height = kLineOfSightHeight);

// What the picture of that size says at a point of it: in the profile's plot, the heights of
// both paths above the earth at that distance from the reference; "" elsewhere.
std::string LineOfSightHoverText(const LineOfSightFigures& figures, double width, double height,
                                 PicturePoint at);

}  // namespace quorvel
