// The colour scheme: defaults, which key sets which field, and what the options file may hold.
#include "shell/colour_scheme.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/scratch_directory.h"

namespace quorvel {
namespace {

using testing::ScratchDirectory;
using testing::WriteBytes;

std::string Options(const std::string& lines) {
    return "[COLORS]\r\n" + lines;
}

TEST(LoadColourScheme, MissingFileGivesTheDefaults) {
    ScratchDirectory dir;
    ColourScheme scheme;
    scheme.deviceGuiColor = 1;
    scheme.mainColor = 2;
    LoadColourScheme(dir.File("ServerOptions.Opt"), scheme);

    EXPECT_EQ(scheme, ColourScheme{});
    // The three colours the window shows: dark grey panels, white captions, lime-green results.
    EXPECT_EQ(ColourRgb(scheme.deviceGuiColor), (Rgb{78, 78, 78}));
    EXPECT_EQ(ColourRgb(scheme.deviceGuiLabelColor), (Rgb{255, 255, 255}));
    EXPECT_EQ(ColourRgb(scheme.deviceGuiDataColor), (Rgb{0, 255, 0}));
    EXPECT_EQ(scheme.deviceBackgroundDataColor, -2147483640);
    EXPECT_EQ(ColourRgb(scheme.projectColor), (Rgb{0, 128, 255}));
    EXPECT_EQ(ColourRgb(scheme.setupDataColor), (Rgb{64, 0, 64}));
}

TEST(LoadColourScheme, SingleKeyChangesOnlyItsColour) {
    ScratchDirectory dir;
    WriteBytes(dir.File("ServerOptions.Opt"), Options("DeviceGuiDataColor=255\r\n"));
    ColourScheme scheme;
    LoadColourScheme(dir.File("ServerOptions.Opt"), scheme);

    ColourScheme expected;
    expected.deviceGuiDataColor = 255;
    EXPECT_EQ(scheme, expected);
    EXPECT_EQ(ColourRgb(scheme.deviceGuiDataColor), (Rgb{255, 0, 0}));
}

TEST(LoadColourScheme, TakesThePathAsItStands) {
    ScratchDirectory dir;
    std::filesystem::create_directory(dir.Path() / "a\\b");
    WriteBytes(dir.File("a\\b/ServerOptions.Opt"), Options("DeviceGuiColor=0\r\n"));
    ColourScheme scheme;
    LoadColourScheme(dir.File("a\\b/ServerOptions.Opt"), scheme);
    EXPECT_EQ(scheme.deviceGuiColor, 0);
}

TEST(LoadColourScheme, EachKeySetsItsOwnField) {
    ScratchDirectory dir;
    std::string lines;
    int value = 1;
    for (const ColourKey& key : ColourKeys()) {
        lines += std::string(key.name) + "=" + std::to_string(value++) + "\r\n";
    }
    WriteBytes(dir.File("ServerOptions.Opt"), Options(lines));
    ColourScheme scheme;
    LoadColourScheme(dir.File("ServerOptions.Opt"), scheme);

    value = 1;
    for (const ColourKey& key : ColourKeys()) {
        EXPECT_EQ(scheme.*key.field, value++) << key.name;
    }
}

TEST(LoadColourScheme, KeysAreReadInTheFileOrder) {
    std::vector<std::string> names;
    for (const ColourKey& key : ColourKeys()) {
        names.emplace_back(key.name);
    }
    const std::vector<std::string> expected{"MainColor",
                                            "DeviceBackgroundColor",
                                            "SetupColor",
                                            "DeviceGuiColor",
                                            "ProjectColor",
                                            "DisplayPageColor",
                                            "MainDataColor",
                                            "MainLabelColor",
                                            "DeviceBackgroundDataColor",
                                            "DeviceBackgroundLabelColor",
                                            "DeviceGuiDataColor",
                                            "DeviceGuiLabelColor",
                                            "SetupDataColor",
                                            "SetupLabelColor",
                                            "ProjectDataColor",
                                            "ProjectLabelColor",
                                            "DisplayPageDataColor",
                                            "DisplayPageLabelColor"};
    EXPECT_EQ(names, expected);
}

struct ValueCase {
    const char* stored;
    ColourValue expected;  // for DeviceGuiColor, whose default is 5131854
};

class ColourValueText : public ::testing::TestWithParam<ValueCase> {};

TEST_P(ColourValueText, OnlyDecimalIntegersReplaceTheDefault) {
    ScratchDirectory dir;
    WriteBytes(dir.File("ServerOptions.Opt"),
               Options(std::string("DeviceGuiColor=") + GetParam().stored + "\r\n"));
    ColourScheme scheme;
    LoadColourScheme(dir.File("ServerOptions.Opt"), scheme);
    EXPECT_EQ(scheme.deviceGuiColor, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Texts, ColourValueText,
                         ::testing::Values(ValueCase{"65535", 65535}, ValueCase{" 42 ", 42},
                                           ValueCase{"-2147483640", kWindowTextColour},
                                           ValueCase{"0x00FF00", 5131854},
                                           ValueCase{"12abc", 5131854}, ValueCase{"blue", 5131854},
                                           ValueCase{"BOGUS SECTION or KEY", 5131854},
                                           ValueCase{"99999999999", 2147483647}));

TEST(LoadColourScheme, OtherSectionsAndGarbageLinesAreIgnored) {
    ScratchDirectory dir;
    WriteBytes(dir.File("ServerOptions.Opt"),
               "\x01\x02 not ini\r\n[Other]\r\nDeviceGuiColor=1\r\n[colors]\r\nMainColor=7\r\n");
    ColourScheme scheme;
    LoadColourScheme(dir.File("ServerOptions.Opt"), scheme);
    ColourScheme expected;
    expected.mainColor = 7;  // section names match without regard to letter case
    EXPECT_EQ(scheme, expected);
}

TEST(LoadColourScheme, DirectoryInPlaceOfTheFileGivesTheDefaults) {
    ScratchDirectory dir;
    std::filesystem::create_directory(dir.Path() / "ServerOptions.Opt");
    ColourScheme scheme;
    scheme.mainColor = 3;
    LoadColourScheme(dir.File("ServerOptions.Opt"), scheme);
    EXPECT_EQ(scheme, ColourScheme{});
}

TEST(ColourValues, SystemColoursAreToldFromPlainOnes) {
    EXPECT_TRUE(IsSystemColour(kWindowTextColour));
    EXPECT_EQ(SystemColourIndex(kWindowTextColour), 8);
    EXPECT_FALSE(IsSystemColour(16777215));
    EXPECT_FALSE(IsSystemColour(0));
    // Bits above the blue byte carry no colour.
    EXPECT_EQ(ColourRgb(0x7F123456), (Rgb{0x56, 0x34, 0x12}));
}

}  // namespace
}  // namespace quorvel
