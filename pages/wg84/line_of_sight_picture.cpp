#include "pages/wg84/line_of_sight_picture.h"

#include <algorithm>
#include <string>

#include "common/number_text.h"
#include "pages/wg84/line_of_sight_layout.h"

namespace quorvel {
namespace {

constexpr double kDegreesPerRadian = 57.2957795130823;  // as the page shows its angles

std::string FeetText(double nmi) {
    return FormatNumber(12, 2, nmi * FEET_PER_NMI);
}

// "the straight line clears the earth by 1234.50 ft at 10.00 nmi", or "the earth blocks the
// straight line (175.41 ft below it at 17.66 nmi)".
std::string PathSentence(const char* path, const PathClearance& clearance) {
    const std::string at = FormatNumber(8, 2, clearance.at) + " nmi from the reference";
    if (clearance.clear) {
        return std::string(path) + " clears the earth by " + FeetText(clearance.clearance) +
               " ft at " + at;
    }
    return std::string("the earth blocks ") + path + ", " + FeetText(-clearance.clearance) +
           " ft below it at " + at;
}

std::string Description(const LineOfSightFigures& figures, const LookAngles& look) {
    const auto angle = [](double radians) {
        return FormatNumber(8, 2, radians * kDegreesPerRadian) + "\xC2\xB0";
    };
    return "Over " + FormatNumber(8, 2, figures.pathLength) + " nmi " +
           PathSentence("the straight line", figures.sight) + "; " +
           PathSentence("the radio path", figures.radio) +
           ". The reference sees the target at azimuth " + angle(look.targetFromReference.azimuth) +
           ", elevation " + angle(look.targetFromReference.elevation) + ".";
}

}  // namespace

LookAngles LookAnglesOf(const Wg84Values& values) {
    return {{values.tgtRae.azimuth, values.tgtRae.elevation},
            {values.refRae.azimuth, values.refRae.elevation}};
}

LineOfSightLayout LayOutLineOfSight(double width, double height) {
    LineOfSightLayout layout;
    layout.width = std::max(width, kLineOfSightWidth);
    layout.height = std::max(height, kLineOfSightHeight);
    const double polarWidth =
        std::clamp(layout.height * 0.95, kLineOfSightHeight * 0.8, layout.width * 0.42);
    const double split = layout.width - polarWidth;
    layout.profile = {0, 0, split, layout.height};
    layout.polar = {split, 0, layout.width, layout.height};
    return layout;
}

Picture LineOfSightPicture(const LineOfSightFigures& figures, const LookAngles& look, double width,
                           double height) {
    const LineOfSightLayout layout = LayOutLineOfSight(width, height);
    Picture picture{.width = layout.width,
                    .height = layout.height,
                    .title = "Line of Sight",
                    .description = Description(figures, look)};
    picture.Add(PictureRect{0, 0, layout.width, layout.height, ColourRole::Background});
    DrawProfile(picture, figures, layout.profile);
    picture.Add(PictureLine{
        {{layout.polar.left, layout.polar.top + 8}, {layout.polar.left, layout.polar.bottom - 8}},
        ColourRole::Grid,
        1,
        false});
    DrawLookAngles(picture, look, layout.polar);
    return picture;
}

std::string LineOfSightHoverText(const LineOfSightFigures& figures, double width, double height,
                                 PicturePoint at) {
    const LineOfSightLayout layout = LayOutLineOfSight(width, height);
    const ProfileScale scale = ProfileScaleFor(figures, layout.profile);
    if (!scale.plot.Contains(at) || !(figures.pathLength > 0)) {
        return {};
    }
    const double distance = std::clamp(scale.DistanceAt(at.x), 0.0, figures.pathLength);
    const double earth = EarthBulge(figures, distance);
    return FormatNumber(8, 2, distance) + " nmi from the reference: straight line " +
           FeetText(SightLineHeight(figures, distance) - earth) + " ft, radio path " +
           FeetText(RadioPathHeight(figures, distance) - earth) + " ft above the earth";
}

}  // namespace quorvel
