#include "common/picture_palette.h"

#include <gtest/gtest.h>

#include <ostream>

namespace quorvel {
namespace {

constexpr PictureColour kDarkGrey{78, 78, 78};
constexpr PictureColour kWhite{255, 255, 255};
constexpr PictureColour kBlack{0, 0, 0};
constexpr PictureColour kLime{0, 255, 0};

TEST(PanelPicturePalette, DefaultSchemeGivesTheDefaultPalette) {
    const PicturePalette palette = PanelPicturePalette(kDarkGrey, kWhite, kLime);
    for (int role = 0; role < kColourRoleCount; ++role) {
        EXPECT_EQ(palette.colours[role], DefaultPicturePalette().colours[role])
            << ColourRoleName(static_cast<ColourRole>(role));
    }
}

struct SchemeCase {
    const char* name;
    PictureColour ground;
    PictureColour text;
    PictureColour data;
    bool dataShown;  // whether the sampled words keep the scheme's data colour
};

void PrintTo(const SchemeCase& scheme, std::ostream* out) {
    *out << scheme.name;
}

class PanelPicturePaletteSchemes : public ::testing::TestWithParam<SchemeCase> {};

// On any scheme the frame map's three kinds of word stay apart from the ground and from each
// other, and the scheme's own colours stand where it put them.
TEST_P(PanelPicturePaletteSchemes, KeepsTheWordsApartOnTheGround) {
    const SchemeCase& scheme = GetParam();
    const PicturePalette palette = PanelPicturePalette(scheme.ground, scheme.text, scheme.data);
    EXPECT_EQ(palette[ColourRole::Background], scheme.ground);
    EXPECT_EQ(palette[ColourRole::Text], scheme.text);
    EXPECT_EQ(palette[ColourRole::SampledWord] == scheme.data, scheme.dataShown);
    const ColourRole words[] = {ColourRole::SyncWord, ColourRole::DataWord,
                                ColourRole::SampledWord};
    for (const ColourRole word : words) {
        EXPECT_GE(ColourDistance(palette[word], scheme.ground), kDistinctColourDistance)
            << ColourRoleName(word);
        for (const ColourRole other : words) {
            if (other != word) {
                EXPECT_GE(ColourDistance(palette[word], palette[other]), kDistinctColourDistance)
                    << ColourRoleName(word) << " beside " << ColourRoleName(other);
            }
        }
    }
    EXPECT_GE(ColourDistance(palette[ColourRole::Axis], scheme.ground), kDistinctColourDistance);
}

INSTANTIATE_TEST_SUITE_P(
    Schemes, PanelPicturePaletteSchemes,
    ::testing::Values(
        SchemeCase{"RedData", kDarkGrey, kWhite, {255, 0, 0}, true},
        SchemeCase{"AmberDataLikeTheSyncWords", kDarkGrey, kWhite, {240, 170, 40}, true},
        SchemeCase{"SlateGroundLikeTheDataWords", {96, 118, 150}, kWhite, kLime, true},
        SchemeCase{"WhiteGroundBlackText", kWhite, kBlack, {0, 0, 255}, true},
        SchemeCase{"LightGreyGroundWithDarkAxisNeeded", {208, 208, 208}, kBlack, {0, 0, 255}, true},
        SchemeCase{"DataColourOfTheGround", kDarkGrey, kWhite, kDarkGrey, false}),
    [](const ::testing::TestParamInfo<SchemeCase>& info) { return info.param.name; });

TEST(ColourDistance, IsZeroForEqualColoursAndLargestFromBlackToWhite) {
    EXPECT_EQ(ColourDistance(kLime, kLime), 0);
    EXPECT_NEAR(ColourDistance(kBlack, kWhite), 765, 1);
    EXPECT_DOUBLE_EQ(ColourDistance(kLime, kDarkGrey), ColourDistance(kDarkGrey, kLime));
}

}  // namespace
}  // namespace quorvel
