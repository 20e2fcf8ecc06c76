#include "shell/hardcopy_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <limits>

#include "support/scratch_directory.h"

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

// The folder a hardcopy goes into, as its path text.
std::string FolderPath(const std::string& program, std::string* note = nullptr) {
    return HardcopyFolder(Folder::AtPath(program), note).Path();
}

TEST(HardcopyPathTest, GoesIntoTheHardcopyDirectoryWhenItExists) {
    ScratchDirectory scratch;
    const std::string program = scratch.Path().string();
    fs::create_directories(scratch.Path() / "Files" / "Hardcopies");

    const Folder folder = HardcopyFolder(Folder::AtPath(program));
    EXPECT_EQ(HardcopyFile(folder, 0).Shown(), program + "/Files/Hardcopies/QuorvelIIHdcpy_0");
    EXPECT_EQ(HardcopyFile(folder, 1).Shown(), program + "/Files/Hardcopies/QuorvelIIHdcpy_1");
}

TEST(HardcopyPathTest, BackslashInTheProgramDirectoryIsKept) {
    ScratchDirectory scratch;
    const std::string program = (scratch.Path() / "a\\b").string();
    fs::create_directories(program + "/Files/Hardcopies");
    EXPECT_EQ(FolderPath(program), program + "/Files/Hardcopies");
    // Only "a/b" has no hardcopy directory.
    fs::create_directories(scratch.Path() / "a" / "b");
    fs::remove_all(program + "/Files");
    EXPECT_EQ(FolderPath(program), program);
}

TEST(FreeHardcopyPathTest, SkipsNumbersWhoseFileOrLinkExists) {
    ScratchDirectory scratch;
    const fs::path hardcopies = scratch.Path() / "Files" / "Hardcopies";
    fs::create_directories(hardcopies);
    testing::WriteBytes((hardcopies / "QuorvelIIHdcpy_0.jpg").string(), "yesterday");
    fs::create_symlink(scratch.Path() / "victim", hardcopies / "QuorvelIIHdcpy_1.jpg");
    testing::WriteBytes((hardcopies / "QuorvelIIHdcpy_2.bmp").string(), "not a JPEG name");
    const Folder folder = HardcopyFolder(Folder::AtPath(scratch.Path().string()));

    std::int32_t counter = 0;
    FileAt file;
    ASSERT_TRUE(FreeHardcopyFile(folder, counter, file));
    EXPECT_EQ(counter, 2);
    EXPECT_EQ(file.Shown(), (hardcopies / "QuorvelIIHdcpy_2").string());

    // A free number is kept as it is.
    counter = 7;
    ASSERT_TRUE(FreeHardcopyFile(folder, counter, file));
    EXPECT_EQ(counter, 7);
}

TEST(FreeHardcopyPathTest, GivesUpWhenEveryNameIsTaken) {
    ScratchDirectory scratch;
    const std::string program = scratch.Path().string();
    fs::create_directories(scratch.Path() / "Files" / "Hardcopies");
    const Folder folder = HardcopyFolder(Folder::AtPath(program));
    // From 10000 on the names repeat; with "1E4" taken, the next free one lies further on.
    testing::WriteBytes(program + "/Files/Hardcopies/QuorvelIIHdcpy_1E4.jpg", "x");
    std::int32_t counter = 10000;
    FileAt file;
    ASSERT_TRUE(FreeHardcopyFile(folder, counter, file));
    EXPECT_GT(counter, 10004);
    EXPECT_EQ(file.Shown(), program + "/Files/Hardcopies/" + HardcopyName(counter));

    // At the largest counter every later number has the same name.
    constexpr std::int32_t kLargest = std::numeric_limits<std::int32_t>::max();
    counter = kLargest;
    ASSERT_TRUE(FreeHardcopyFile(folder, counter, file));
    testing::WriteBytes(file.Shown() + ".jpg", "x");
    EXPECT_FALSE(FreeHardcopyFile(folder, counter, file));
    EXPECT_EQ(counter, kLargest);
}

TEST(HardcopyPathTest, StaysInTheProgramDirectoryWithoutTheHardcopyDirectory) {
    ScratchDirectory scratch;
    const std::string program = scratch.Path().string();
    EXPECT_EQ(FolderPath(program), program);

    // "Files" alone is not enough, and the directory is never made.
    fs::create_directories(scratch.Path() / "Files");
    EXPECT_EQ(FolderPath(program), program);
    EXPECT_FALSE(fs::exists(scratch.Path() / "Files" / "Hardcopies"));

    // A file of that name is no directory.
    testing::WriteBytes((scratch.Path() / "Files" / "Hardcopies").string(), "x");
    EXPECT_EQ(FolderPath(program), program);

    // Without a program directory there is no folder at all, the root's least of all.
    EXPECT_FALSE(HardcopyFolder(Folder()).IsOpen());
}

// A link at either step to the hardcopy directory is not followed: the hardcopies stay in the
// program directory, and the note says why.
TEST(HardcopyPathTest, LinkOnTheWayIsNotFollowed) {
    for (const std::string linked : {"Files", "Files/Hardcopies"}) {
        SCOPED_TRACE(linked);
        ScratchDirectory scratch;
        const std::string program = scratch.File("program");
        fs::create_directories(scratch.Path() / "elsewhere" / "Hardcopies");
        fs::create_directories(program);
        if (linked == "Files") {
            fs::create_directory_symlink(scratch.Path() / "elsewhere", program + "/Files");
        } else {
            fs::create_directories(program + "/Files");
            fs::create_directory_symlink(scratch.Path() / "elsewhere", program + "/" + linked);
        }
        std::string note;
        EXPECT_EQ(FolderPath(program, &note), program);
        EXPECT_EQ(note, "The hardcopy directory " + program +
                            "/Files/Hardcopies is reached through a symbolic link, which is not "
                            "followed; hardcopies go into " +
                            program);
    }
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
    ::testing::Values(
        ExtensionCase{"QuorvelIIHdcpy_0", "QuorvelIIHdcpy_0"},
        ExtensionCase{"picture.jpg", "picture"}, ExtensionCase{"picture.tar.gz", "picture.tar"},
        ExtensionCase{"/home/u/v1.2/Files/Hardcopies/QuorvelIIHdcpy_0",
                      "/home/u/v1.2/Files/Hardcopies/QuorvelIIHdcpy_0"},
        ExtensionCase{"/home/a.b\\c/QuorvelIIHdcpy_0", "/home/a.b\\c/QuorvelIIHdcpy_0"},
        ExtensionCase{"/home/u/v1.2/QuorvelIIHdcpy_0", "/home/u/v1.2/QuorvelIIHdcpy_0"},
        ExtensionCase{"C:\\dir.d\\name.bmp", "C:\\dir.d\\name"},
        ExtensionCase{"trailing.", "trailing"}, ExtensionCase{"", ""}));

}  // namespace
}  // namespace quorvel
