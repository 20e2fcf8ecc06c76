#include "pages/wg84/line_of_sight_picture.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <variant>

#include "pages/wg84/line_of_sight_layout.h"

namespace quorvel {
namespace {

constexpr double kDegree = 0.017453292519943295;
constexpr double kRadius = 3440;  // nmi, about the earth's

double Nmi(double feet) {
    return feet / FEET_PER_NMI;
}

// Figures for two altitudes (ft) a path length apart over a sphere of kRadius.
LineOfSightFigures Figures(double refFt, double tgtFt, double length) {
    LineOfSightFigures figures;
    figures.pathLength = length;
    figures.curvatureRadius = kRadius;
    figures.refAltitude = Nmi(refFt);
    figures.tgtAltitude = Nmi(tgtFt);
    figures.sight = ClearanceOverPath(figures.refAltitude, figures.tgtAltitude, length, kRadius);
    figures.radio = ClearanceOverPath(figures.refAltitude, figures.tgtAltitude, length,
                                      kRadioEarthFactor * kRadius);
    return figures;
}

struct MarkCase {
    const char* name;
    double azimuthDeg;
    double elevationDeg;
    double x;
    double y;
    bool pinned;
    double shownAzimuth;
};

class PolarMarks : public ::testing::TestWithParam<MarkCase> {};

TEST_P(PolarMarks, AzimuthAroundFromNorthElevationInFromTheHorizon) {
    const MarkCase& c = GetParam();
    const PolarMark mark = PolarMarkFor({c.azimuthDeg * kDegree, c.elevationDeg * kDegree});
    EXPECT_NEAR(mark.x, c.x, 1e-12);
    EXPECT_NEAR(mark.y, c.y, 1e-12);
    EXPECT_EQ(mark.pinned, c.pinned);
    EXPECT_NEAR(mark.azimuth, c.shownAzimuth, 1e-9);
}

INSTANTIATE_TEST_SUITE_P(
    Angles, PolarMarks,
    ::testing::Values(MarkCase{"NorthOnTheHorizon", 0, 0, 0, -1, false, 0},
                      MarkCase{"EastHalfwayUp", 90, 45, 0.5, 0, false, 90},
                      MarkCase{"WestOfNorthAsThePageGivesIt", -90, 0, -1, 0, false, 270},
                      MarkCase{"SouthBelowTheHorizon", 180, -15, 0, 7.0 / 6, false, 180},
                      MarkCase{"PinnedToTheOuterRing", 0, -60, 0, -4.0 / 3, true, 0},
                      MarkCase{"ZenithWithTheHugeAzimuth", 90 - 5.7e28, 90, 0, 0, false, 0},
                      MarkCase{"NadirWithTheHugeAzimuth", 90 - 5.7e28, -90, 0, -4.0 / 3, true, 0}),
    [](const auto& info) { return std::string(info.param.name); });

// How many shapes of the picture are lines of that role.
int LinesOf(const Picture& picture, ColourRole role) {
    int count = 0;
    for (const PictureShape& shape : picture.shapes) {
        const auto* line = std::get_if<PictureLine>(&shape);
        count += line != nullptr && line->stroke == role ? 1 : 0;
    }
    return count;
}

bool HasText(const Picture& picture, const std::string& start) {
    for (const PictureShape& shape : picture.shapes) {
        const auto* text = std::get_if<PictureText>(&shape);
        if (text != nullptr && text->text.starts_with(start)) {
            return true;
        }
    }
    return false;
}

struct PictureCase {
    const char* name;
    LineOfSightFigures figures;
    int blockedPaths;
    double width = kLineOfSightWidth;
    double height = kLineOfSightHeight;
};

class LineOfSightPictures : public ::testing::TestWithParam<PictureCase> {};

TEST_P(LineOfSightPictures, BlockedPathsMarkedAndEveryShapeInside) {
    const PictureCase& c = GetParam();
    const Picture picture = LineOfSightPicture(c.figures, {}, c.width, c.height);
    EXPECT_EQ(picture.width, std::max(c.width, kLineOfSightWidth));
    EXPECT_EQ(picture.height, std::max(c.height, kLineOfSightHeight));
    EXPECT_EQ(picture.title, "Line of Sight");
    // One blocked line for each blocked path, and the legend's.
    EXPECT_EQ(LinesOf(picture, ColourRole::Blocked), 1 + c.blockedPaths);
    EXPECT_TRUE(HasText(picture, "Vertical scale \xC3\x97"));
    const auto inside = [&](PicturePoint p, double margin = 0) {
        return std::isfinite(p.x) && std::isfinite(p.y) && p.x >= margin &&
               p.x <= picture.width - margin && p.y >= margin && p.y <= picture.height - margin;
    };
    for (const PictureShape& shape : picture.shapes) {
        if (const auto* line = std::get_if<PictureLine>(&shape)) {
            for (const PicturePoint& point : line->points) {
                EXPECT_TRUE(inside(point)) << point.x << "," << point.y;
            }
        } else if (const auto* area = std::get_if<PictureArea>(&shape)) {
            for (const PicturePoint& point : area->points) {
                EXPECT_TRUE(inside(point)) << point.x << "," << point.y;
            }
        } else if (const auto* circle = std::get_if<PictureCircle>(&shape)) {
            EXPECT_TRUE(inside(circle->centre, circle->radius));
        } else if (const auto* text = std::get_if<PictureText>(&shape)) {
            EXPECT_TRUE(inside(text->at, 2)) << text->text;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Paths, LineOfSightPictures,
    ::testing::Values(PictureCase{"BothClear", Figures(100, 10000, 75), 0},
                      PictureCase{"RadioPathOnly", Figures(100, 10000, 125), 1},
                      PictureCase{"Neither", Figures(100, 10000, 150), 2},
                      PictureCase{"SeaLevel", Figures(0, 0, 10), 2},
                      PictureCase{"StraightAbove", Figures(100, 30000, 0), 0},
                      PictureCase{"EqualAtZero", Figures(0, 0, 0), 0},
                      PictureCase{"HalfTheEarthAround", Figures(0, 0, 10000), 2},
                      // Below the ellipsoid the antenna's own first stretch is blocked.
                      PictureCase{"HighestAltitude", Figures(-200, 5000 * FEET_PER_NMI, 300), 2},
                      PictureCase{"LargeWindow", Figures(100, 10000, 125), 1, 1600, 900},
                      PictureCase{"SmallWindowKeepsTheLeastSize", Figures(100, 10000, 125), 1, 200,
                                  100}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(LineOfSightPicture, DescriptionSaysWhatBlocksAndWhereTheTargetIs) {
    const Picture picture =
        LineOfSightPicture(Figures(100, 10000, 125), {{45 * kDegree, 0.5 * kDegree}, {}});
    EXPECT_EQ(picture.description,
              "Over 125.00 nmi the earth blocks the straight line, 175.46 ft below it at 17.66 "
              "nmi from the reference; the radio path clears the earth by 95.12 ft at 2.71 nmi "
              "from the reference. The reference sees the target at azimuth 45.00\xC2\xB0, "
              "elevation 0.50\xC2\xB0.");
}

TEST(LineOfSightPicture, HoverTellsBothPathsHeightsInsideTheProfileOnly) {
    const LineOfSightFigures figures = Figures(100, 10000, 125);
    const double width = 1000;
    const double height = 500;
    const ProfileScale scale = ProfileScaleFor(figures, LayOutLineOfSight(width, height).profile);
    const PicturePoint atLowest{scale.X(figures.sight.at), scale.Y(1000)};
    EXPECT_EQ(LineOfSightHoverText(figures, width, height, atLowest).substr(0, 61),
              "17.66 nmi from the reference: straight line -175.46 ft, radio");
    EXPECT_EQ(LineOfSightHoverText(figures, width, height, {scale.plot.right + 5, atLowest.y}), "");
    EXPECT_EQ(LineOfSightHoverText(Figures(0, 100, 0), width, height, atLowest), "");
}

}  // namespace
}  // namespace quorvel
