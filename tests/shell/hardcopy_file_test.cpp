#include "shell/hardcopy_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <limits>

#include "shell/scratch_directory.h"

namespace quorvel {
namespace {

namespace fs = std::filesystem;
using testing::ScratchDirectory;

struct NameCase {
    std::int32_t counter;
    const char* name;
};

class HardcopyNameTest : public ::testing::TestWithParam<NameCase> {};

TEST_P(HardcopyNameTest, NumbersTheFileWithTheCounter) {
    EXPECT_EQ(HardcopyName(GetParam().counter), GetParam().name);
}

// From 10000 on the number no longer fits four digits and is written in scientific form, so
// that 10000 to 10004 give one name.
INSTANTIATE_TEST_SUITE_P(Counters, HardcopyNameTest,
                         ::testing::Values(NameCase{0, "QuorvelIIHdcpy_0"},
                                           NameCase{1, "QuorvelIIHdcpy_1"},
                                           NameCase{42, "QuorvelIIHdcpy_42"},
                                           NameCase{9999, "QuorvelIIHdcpy_9999"},
                                           NameCase{10000, "QuorvelIIHdcpy_1E4"},
                                           NameCase{10004, "QuorvelIIHdcpy_1E4"}));

TEST(HardcopyNameTest, NamesRepeatFromTenThousandOn) {
    EXPECT_EQ(HardcopyName(10001), HardcopyName(10000));
    EXPECT_NE(HardcopyName(9999), HardcopyName(10000));
}

TEST(HardcopyCounterTest, GrowsByOneAndStopsAtTheLargestValue) {
    EXPECT_EQ(NextHardcopyCounter(0), 1);
    EXPECT_EQ(NextHardcopyCounter(10000), 10001);
    constexpr std::int32_t kLargest = std::numeric_limits<std::int32_t>::max();
    EXPECT_EQ(NextHardcopyCounter(kLargest), kLargest);
}

TEST(HardcopyPathTest, GoesIntoTheHardcopyDirectoryWhenItExists) {
    ScratchDirectory scratch;
    const std::string program = scratch.Path().string();
    fs::create_directories(scratch.Path() / "Files" / "Hardcopies");

    EXPECT_EQ(HardcopyPath(program, 0), program + "\\Files\\Hardcopies\\QuorvelIIHdcpy_0");
    EXPECT_EQ(HardcopyPath(program, 1), program + "\\Files\\Hardcopies\\QuorvelIIHdcpy_1");
}

TEST(HardcopyPathTest, StaysABareNameWithoutTheDirectory) {
    ScratchDirectory scratch;
    const std::string program = scratch.Path().string();
    EXPECT_EQ(HardcopyPath(program, 0), "QuorvelIIHdcpy_0");

    // "Files" alone is not enough, and the directory is never made.
    fs::create_directories(scratch.Path() / "Files");
    EXPECT_EQ(HardcopyPath(program, 3), "QuorvelIIHdcpy_3");
    EXPECT_FALSE(fs::exists(scratch.Path() / "Files" / "Hardcopies"));

    // A file of that name is no directory.
    testing::WriteBytes((scratch.Path() / "Files" / "Hardcopies").string(), "x");
    EXPECT_EQ(HardcopyPath(program, 4), "QuorvelIIHdcpy_4");

    // Without a program directory the root's "/Files/Hardcopies" is never used.
    EXPECT_EQ(HardcopyPath("", 5), "QuorvelIIHdcpy_5");
}

struct ExtensionCase {
    const char* name;
    const char* stripped;
};

class WithoutExtensionTest : public ::testing::TestWithParam<ExtensionCase> {};

TEST_P(WithoutExtensionTest, CutsOnlyTheFileNamesExtension) {
    EXPECT_EQ(WithoutExtension(GetParam().name), GetParam().stripped);
}

INSTANTIATE_TEST_SUITE_P(
    Names, WithoutExtensionTest,
    ::testing::Values(ExtensionCase{"QuorvelIIHdcpy_0", "QuorvelIIHdcpy_0"},
                      ExtensionCase{"picture.jpg", "picture"},
                      ExtensionCase{"picture.tar.gz", "picture.tar"},
                      ExtensionCase{"/home/u/v1.2\\Files\\Hardcopies\\QuorvelIIHdcpy_0",
                                    "/home/u/v1.2\\Files\\Hardcopies\\QuorvelIIHdcpy_0"},
                      ExtensionCase{"/home/u/v1.2/QuorvelIIHdcpy_0",
                                    "/home/u/v1.2/QuorvelIIHdcpy_0"},
                      ExtensionCase{"C:\\dir.d\\name.bmp", "C:\\dir.d\\name"},
                      ExtensionCase{"trailing.", "trailing"}, ExtensionCase{"", ""}));

}  // namespace
}  // namespace quorvel
