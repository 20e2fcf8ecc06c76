#include "common/folder.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "common/whole_file.h"
#include "support/scratch_directory.h"

namespace quorvel {
namespace {

namespace fs = std::filesystem;
using testing::ReadBytes;
using testing::ScratchDirectory;
using testing::WriteBytes;

struct BelowCase {
    const char* name;
    const char* link;  // the step made a link to a folder elsewhere, or "" for none
    FolderRefusal expected;
};

class FolderBelow : public ::testing::TestWithParam<BelowCase> {};

// A link at any step of the way is not followed, even to a folder that holds what is looked
// for; a folder reached without one is opened and its files are reached through it.
TEST_P(FolderBelow, OpensEachStepWithoutFollowingALink) {
    const BelowCase& c = GetParam();
    ScratchDirectory scratch;
    const fs::path program = scratch.Path() / "program";
    const fs::path elsewhere = scratch.Path() / "elsewhere";
    fs::create_directories(elsewhere / "ERLOGS");
    fs::create_directories(program);
    if (std::string(c.link) == "SYSTEM") {
        fs::create_directory_symlink(elsewhere, program / "SYSTEM");
    } else {
        fs::create_directories(program / "SYSTEM");
        if (std::string(c.link) == "ERLOGS") {
            fs::create_directory_symlink(elsewhere / "ERLOGS", program / "SYSTEM" / "ERLOGS");
        } else {
            fs::create_directories(program / "SYSTEM" / "ERLOGS");
        }
    }

    FolderRefusal refusal = FolderRefusal::Other;
    const Folder folder = Folder::AtPath(program.string()).Below("/SYSTEM//ERLOGS/", &refusal);
    EXPECT_EQ(refusal, c.expected);
    EXPECT_EQ(folder.IsOpen(), c.expected == FolderRefusal::None);
    std::string error;
    EXPECT_EQ(ReplaceFileAtomically(FileAt(folder, "QuorvelII.Log"), "line\n", nullptr, error),
              folder.IsOpen())
        << error;
    EXPECT_FALSE(fs::exists(elsewhere / "ERLOGS" / "QuorvelII.Log"));
    if (folder.IsOpen()) {
        EXPECT_EQ(folder.Path(), program.string() + "/SYSTEM/ERLOGS");
        EXPECT_EQ(ReadBytes((program / "SYSTEM" / "ERLOGS" / "QuorvelII.Log").string()), "line\n");
    }
}

INSTANTIATE_TEST_SUITE_P(
    Steps, FolderBelow,
    ::testing::Values(BelowCase{"NoLink", "", FolderRefusal::None},
                      BelowCase{"FirstStepALink", "SYSTEM", FolderRefusal::Link},
                      BelowCase{"LastStepALink", "ERLOGS", FolderRefusal::Link}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(FolderBelow, TellsAMissingStepAFileAndAWayUp) {
    ScratchDirectory scratch;
    WriteBytes(scratch.File("file"), "x");
    const Folder program = Folder::AtPath(scratch.Path().string());
    FolderRefusal refusal = FolderRefusal::None;
    EXPECT_FALSE(program.Below("missing/deeper", &refusal).IsOpen());
    EXPECT_EQ(refusal, FolderRefusal::Missing);
    EXPECT_FALSE(program.Below("file", &refusal).IsOpen());
    EXPECT_EQ(refusal, FolderRefusal::NotDirectory);
    EXPECT_FALSE(program.Below("..", &refusal).IsOpen());
    EXPECT_EQ(refusal, FolderRefusal::Other);
    EXPECT_FALSE(Folder().Below("x", &refusal).IsOpen());
    EXPECT_EQ(refusal, FolderRefusal::Other);
}

// The working directory deleted under the process: there is no program directory, and a
// file named in the folder that is not open reaches nothing, not even relative to the root.
TEST(FolderWorkingDirectory, DeletedDirectoryIsNoFolder) {
    ScratchDirectory scratch;
    const fs::path previous = fs::current_path();
    const fs::path gone = scratch.Path() / "gone";
    fs::create_directory(gone);
    fs::current_path(gone);
    fs::remove(gone);
    std::string problem;
    const Folder folder = Folder::WorkingDirectory(&problem);
    fs::current_path(previous);

    EXPECT_FALSE(folder.IsOpen());
    EXPECT_EQ(problem, "the working directory no longer exists");
    const FileAt file(folder, "QuorvelII.Cfg");
    std::string error;
    EXPECT_FALSE(ReplaceFileAtomically(file, "x", nullptr, error));
    FileState state = FileState::Read;
    EXPECT_FALSE(ReadWholeFile(FileAt(folder, "etc"), state));
}

TEST(FolderWorkingDirectory, IsTheCurrentDirectoryHeldOpen) {
    ScratchDirectory scratch;
    const fs::path previous = fs::current_path();
    fs::current_path(scratch.Path());
    const Folder folder = Folder::WorkingDirectory();
    fs::current_path(previous);

    ASSERT_TRUE(folder.IsOpen());
    EXPECT_EQ(folder.Path(), scratch.Path().string());
    // Renamed away, it is still the folder the files go into.
    fs::rename(scratch.Path(), scratch.Path().string() + "-moved");
    fs::create_directory(scratch.Path());
    std::string error;
    EXPECT_TRUE(ReplaceFileAtomically(FileAt(folder, "a"), "x", nullptr, error)) << error;
    EXPECT_EQ(ReadBytes(scratch.Path().string() + "-moved/a"), "x");
    fs::remove_all(scratch.Path().string() + "-moved");
}

TEST(FileAt, NamesAPlaceInAFolderOrAPathAsItStands) {
    ScratchDirectory scratch;
    const FileAt inFolder(Folder::AtPath(scratch.Path().string()), "QuorvelII.Cfg");
    EXPECT_EQ(inFolder.Shown(), scratch.File("QuorvelII.Cfg"));
    EXPECT_EQ(inFolder.WithSuffix(".BAK").Shown(), scratch.File("QuorvelII.Cfg.BAK"));
    EXPECT_EQ(inFolder.WithName("Other").Shown(), scratch.File("Other"));
    EXPECT_EQ(inFolder.LeafName(), "QuorvelII.Cfg");

    const FileAt path("some/where/QuorvelII.Cfg");
    EXPECT_EQ(path.DirectoryFd(), AT_FDCWD);
    EXPECT_EQ(path.Shown(), "some/where/QuorvelII.Cfg");
    EXPECT_EQ(path.LeafName(), "QuorvelII.Cfg");
}

}  // namespace
}  // namespace quorvel
