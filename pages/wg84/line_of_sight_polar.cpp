// The look angles of the line-of-sight picture: a polar plot of each position seen from the
// other.
#include <algorithm>
#include <cmath>
#include <numbers>
#include <string>

#include "common/number_text.h"
#include "pages/wg84/line_of_sight_layout.h"
#include "pages/wg84/line_of_sight_picture.h"

namespace quorvel {
namespace {

constexpr double kDegreesPerRadian = 180.0 / std::numbers::pi;
constexpr double kTextSize = 11;
constexpr double kRingTextSize = 9;
// The outer ring's radius, the horizon's being 1.
constexpr double kOuterRadius = (90 - kPolarLowestElevation) / 90;
constexpr double kMarkRadius = 5;
// Where the rings' elevations are written: 105 degrees of azimuth.
constexpr double kRingTextTurn = 105 / kDegreesPerRadian;

struct PolarFrame {
    PicturePoint centre;
    double horizon = 0;  // the horizon ring's radius in the picture

    PicturePoint At(double x, double y) const {
        return {centre.x + x * horizon, centre.y + y * horizon};
    }
};

void DrawRings(Picture& picture, const PolarFrame& frame) {
    const double outer = kOuterRadius * frame.horizon;
    for (int azimuth = 0; azimuth < 360; azimuth += 30) {
        const double turn = azimuth / kDegreesPerRadian;
        picture.Add(PictureLine{
            {frame.centre, frame.At(kOuterRadius * std::sin(turn), -kOuterRadius * std::cos(turn))},
            ColourRole::Grid,
            1,
            false});
    }
    for (const double elevation : {60.0, 30.0, 0.0, kPolarLowestElevation}) {
        const double radius = (90 - elevation) / 90 * frame.horizon;
        const bool horizon = elevation == 0;
        picture.Add(PictureCircle{frame.centre, radius,
                                  horizon ? ColourRole::Axis : ColourRole::Grid, std::nullopt,
                                  horizon ? 1.5 : 1});
        // Between two spokes, east of south-east, where no spoke crosses the number.
        const PicturePoint at = frame.At(radius / frame.horizon * std::sin(kRingTextTurn),
                                         -radius / frame.horizon * std::cos(kRingTextTurn));
        picture.Add(PictureText{{at.x + 2, at.y + 4},
                                FormatNumber(4, 0, elevation) + "\xC2\xB0",
                                ColourRole::Text,
                                kRingTextSize});
    }
    const PicturePoint& c = frame.centre;
    picture.Add(PictureText{
        {c.x, c.y - outer - 5}, "N", ColourRole::Text, kTextSize, TextAnchor::Middle, true});
    picture.Add(PictureText{
        {c.x + outer + 5, c.y + 4}, "E", ColourRole::Text, kTextSize, TextAnchor::Start, true});
    picture.Add(PictureText{
        {c.x, c.y + outer + 14}, "S", ColourRole::Text, kTextSize, TextAnchor::Middle, true});
    picture.Add(PictureText{
        {c.x - outer - 5, c.y + 4}, "W", ColourRole::Text, kTextSize, TextAnchor::End, true});
}

// A mark filled with its role, or only ringed where it is pinned to the outer ring.
void DrawMark(Picture& picture, const PolarFrame& frame, const LookAngle& look, ColourRole role) {
    const PolarMark mark = PolarMarkFor(look);
    picture.Add(PictureCircle{frame.At(mark.x, mark.y), kMarkRadius, role,
                              mark.pinned ? ColourRole::Background : role, 2});
}

void DrawLegendRow(Picture& picture, double x, double y, ColourRole role, const char* text) {
    picture.Add(PictureCircle{{x + kMarkRadius, y - 4}, kMarkRadius, role, role, 2});
    picture.Add(PictureText{{x + 2 * kMarkRadius + 6, y}, text, ColourRole::Text, kTextSize});
}

}  // namespace

PolarMark PolarMarkFor(const LookAngle& look) {
    PolarMark mark;
    double azimuth = look.azimuth * kDegreesPerRadian;
    // EnuToRae gives azimuths from -90 up to 270 degrees, and a huge one straight up or down.
    if (!std::isfinite(azimuth) || std::fabs(azimuth) > 720) {
        azimuth = 0;
    }
    azimuth = std::fmod(azimuth, 360);
    mark.azimuth = azimuth < 0 ? azimuth + 360 : azimuth;
    if (mark.azimuth >= 360) {
        mark.azimuth = 0;  // a tiny negative angle plus a turn rounds to a whole turn
    }
    mark.elevation = look.elevation * kDegreesPerRadian;
    double radius = std::isfinite(mark.elevation) ? (90 - mark.elevation) / 90 : kOuterRadius;
    if (radius > kOuterRadius) {
        radius = kOuterRadius;
        mark.pinned = true;
    }
    radius = std::max(radius, 0.0);  // an elevation past the zenith stays at the centre
    const double turn = mark.azimuth / kDegreesPerRadian;
    mark.x = radius * std::sin(turn);
    mark.y = -radius * std::cos(turn);
    return mark;
}

void DrawLookAngles(Picture& picture, const LookAngles& look, const PictureBox& panel) {
    picture.Add(PictureText{{panel.left + 8, panel.top + 18},
                            "Look angles",
                            ColourRole::Text,
                            13,
                            TextAnchor::Start,
                            true});
    // Room for the cardinal letters around the outer ring, the legend's two rows below.
    const double top = panel.top + 30;
    const double bottom = panel.bottom - 44;
    const double outer =
        std::max(10.0, std::min(panel.Width() - 2 * 20, bottom - top - 2 * 16) / 2);
    PolarFrame frame;
    frame.centre = {(panel.left + panel.right) / 2, (top + bottom) / 2};
    frame.horizon = outer / kOuterRadius;
    DrawRings(picture, frame);
    DrawMark(picture, frame, look.referenceFromTarget, ColourRole::Reference);
    DrawMark(picture, frame, look.targetFromReference, ColourRole::Target);
    DrawLegendRow(picture, panel.left + 8, panel.bottom - 26, ColourRole::Target,
                  "Target, seen from the reference");
    DrawLegendRow(picture, panel.left + 8, panel.bottom - 8, ColourRole::Reference,
                  "Reference, seen from the target");
}

}  // namespace quorvel
