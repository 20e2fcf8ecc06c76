#include "common/picture_svg.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "support/comma_locale.h"

namespace quorvel {
namespace {

struct ShapeCase {
    const char* name;
    PictureShape shape;
    const char* element;  // the line the shape becomes, "" for none
};

class PictureSvgShapes : public ::testing::TestWithParam<ShapeCase> {};

TEST_P(PictureSvgShapes, EachShapeBecomesOneElementWithItsRoleAndColour) {
    Picture picture{.width = 100, .height = 50};
    picture.Add(GetParam().shape);
    const std::string svg = PictureSvg(picture);
    const std::string element = GetParam().element;
    if (element.empty()) {
        EXPECT_EQ(svg.find("class="), std::string::npos) << svg;
    } else {
        EXPECT_NE(svg.find("\n" + element + "\n"), std::string::npos) << svg;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Shapes, PictureSvgShapes,
    ::testing::Values(
        ShapeCase{"RectWithOutline",
                  PictureRect{1, 2.5, 3.126, 4, ColourRole::SampledWord, ColourRole::Axis},
                  R"(<rect class="sampled-word" x="1" y="2.5" width="3.13" height="4" )"
                  R"(fill="#00ff00" stroke="#d0d0d0" shape-rendering="crispEdges"/>)"},
        ShapeCase{"TwoPointLine",
                  PictureLine{{{0, 0}, {10, -0.001}}, ColourRole::SightLine, 1.5, false},
                  R"(<line class="sight-line" x1="0" y1="0" x2="10" y2="0" stroke="#ffffff" )"
                  R"(stroke-width="1.5"/>)"},
        ShapeCase{"DashedPolyline",
                  PictureLine{{{0, 0}, {1, 1}, {2, 0}}, ColourRole::RadioPath, 1, true},
                  R"(<polyline class="radio-path" points="0,0 1,1 2,0" fill="none" )"
                  R"(stroke="#40c8ff" stroke-width="1" stroke-dasharray="4 3"/>)"},
        ShapeCase{"LineOfOnePointIsLeftOut", PictureLine{{{1, 1}}}, ""},
        ShapeCase{"Area", PictureArea{{{0, 10}, {5, 8}, {10, 10}}, ColourRole::Earth},
                  R"(<polygon class="earth" points="0,10 5,8 10,10" fill="#8b6e3e"/>)"},
        ShapeCase{"RingWithoutFill", PictureCircle{{50, 25}, 20, ColourRole::Grid, std::nullopt, 1},
                  R"(<circle class="grid" cx="50" cy="25" r="20" fill="none" )"
                  R"(stroke="#787878" stroke-width="1"/>)"},
        ShapeCase{"FilledMark", PictureCircle{{5, 5}, 3, std::nullopt, ColourRole::Target, 1},
                  R"(<circle class="target" cx="5" cy="5" r="3" fill="#ff78dc"/>)"},
        ShapeCase{
            "TextEscapedAndAnchored",
            PictureText{{50, 12}, "a < b & \"c\"\x01", ColourRole::Text, 10, TextAnchor::End, true},
            R"(<text class="text" x="50" y="12" font-family="sans-serif" )"
            R"(font-size="10" text-anchor="end" font-weight="bold" fill="#ffffff">)"
            R"(a &lt; b &amp; &quot;c&quot;</text>)"},
        ShapeCase{"NonFiniteCoordinatesBecomeZero",
                  PictureRect{std::nan(""), -0.0, 1e300 * 1e300, 1, ColourRole::Blocked},
                  R"(<rect class="blocked" x="0" y="0" width="0" height="1" fill="#ff4040" )"
                  R"(shape-rendering="crispEdges"/>)"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(PictureSvg, DocumentCarriesSizeTitleAndDescriptionInShapeOrder) {
    Picture picture{.width = 320.5,
                    .height = 200,
                    .title = "Frame Map",
                    .description = "16 minor frames & 128 words"};
    picture.Add(PictureRect{0, 0, 320.5, 200, ColourRole::Background});
    picture.Add(PictureText{{1, 2}, "µs"});
    const std::string svg = PictureSvg(picture);
    EXPECT_EQ(svg.rfind("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<svg ", 0), 0u);
    EXPECT_NE(svg.find(R"(width="320.5" height="200" viewBox="0 0 320.5 200")"), std::string::npos);
    EXPECT_NE(svg.find("<title>Frame Map</title>\n<desc>16 minor frames &amp; 128 words</desc>"),
              std::string::npos);
    EXPECT_LT(svg.find("<rect"), svg.find("<text"));
    EXPECT_NE(svg.find(">µs</text>"), std::string::npos);
    EXPECT_TRUE(svg.ends_with("</svg>\n"));
}

TEST(PictureSvg, PaletteDecidesTheColours) {
    Picture picture{.width = 1, .height = 1};
    picture.Add(PictureRect{0, 0, 1, 1, ColourRole::SyncWord});
    PicturePalette palette = DefaultPicturePalette();
    palette[ColourRole::SyncWord] = {1, 2, 255};
    EXPECT_NE(PictureSvg(picture, palette).find("fill=\"#0102ff\""), std::string::npos);
}

TEST(PictureSvg, NumbersKeepThePointUnderACommaLocale) {
    testing::CommaLocale comma;
    if (!comma.Active()) {
        GTEST_SKIP() << testing::CommaLocale::kMissing;
    }
    Picture picture{.width = 10.5, .height = 1};
    picture.Add(PictureLine{{{0.25, 0}, {1.75, 1}}});
    const std::string svg = PictureSvg(picture);
    EXPECT_NE(svg.find(R"(x1="0.25" y1="0" x2="1.75")"), std::string::npos) << svg;
    EXPECT_EQ(svg.find("0,25"), std::string::npos);
}

TEST(Picture, RoleNamesAreDistinctAndTextWidthCountsCharacters) {
    for (int a = 0; a < kColourRoleCount; ++a) {
        for (int b = a + 1; b < kColourRoleCount; ++b) {
            EXPECT_NE(ColourRoleName(static_cast<ColourRole>(a)),
                      ColourRoleName(static_cast<ColourRole>(b)));
        }
    }
    EXPECT_DOUBLE_EQ(EstimatedTextWidth("µs", 10), EstimatedTextWidth("us", 10));
    EXPECT_GT(EstimatedTextWidth("16384", 10), EstimatedTextWidth("1", 10) * 4);
    // At least as wide as the widest common sans-serif draws digits (DejaVu Sans, 0.636 em).
    EXPECT_GE(EstimatedTextWidth("16384", 10), 5 * 6.36);
}

}  // namespace
}  // namespace quorvel
