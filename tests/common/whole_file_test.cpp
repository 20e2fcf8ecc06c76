// Whole-file writes never go through a link: a replacement renames onto the link itself, an
// in-place rewrite refuses it (and a file with other names), and a new file never takes a
// name that exists.
#include "common/whole_file.h"

#include <sys/stat.h>

#include <gtest/gtest.h>

#include <filesystem>

#include "support/scratch_directory.h"

namespace quorvel {
namespace {

namespace fs = std::filesystem;
using testing::EntryNames;
using testing::ReadBytes;
using testing::ScratchDirectory;
using testing::WriteBytes;

// A directory with a file worth protecting and a link to it named `link`.
struct PlantedLink {
    explicit PlantedLink(const ScratchDirectory& dir, const std::string& link = "target") {
        fs::create_directory(dir.Path() / "elsewhere");
        victim = dir.File("elsewhere/victim");
        path = dir.File(link);
        WriteBytes(victim, "precious");
        fs::create_symlink(victim, path);
    }
    std::string victim;
    std::string path;
};

TEST(ReplaceWholeFile, LinkIsReplacedAndItsTargetKept) {
    ScratchDirectory dir;
    const PlantedLink link(dir);
    ASSERT_TRUE(ReplaceWholeFile(link.path, "new"));
    EXPECT_EQ(ReadBytes(link.victim), "precious");
    EXPECT_FALSE(fs::is_symlink(link.path));
    EXPECT_EQ(ReadBytes(link.path), "new");
    EXPECT_EQ(EntryNames(dir.Path() / "elsewhere"), std::vector<std::string>{"victim"});
}

TEST(ReplaceWholeFile, DanglingLinkCreatesNothingAtItsTarget) {
    ScratchDirectory dir;
    fs::create_symlink(dir.File("made-through-the-link"), dir.File("target"));
    ASSERT_TRUE(ReplaceWholeFile(dir.File("target"), "new"));
    EXPECT_FALSE(fs::exists(dir.File("made-through-the-link")));
    EXPECT_EQ(ReadBytes(dir.File("target")), "new");
}

TEST(ReplaceWholeFile, RefusesWhatIsNotARegularFile) {
    ScratchDirectory dir;
    fs::create_directory(dir.Path() / "adir");
    EXPECT_FALSE(ReplaceWholeFile(dir.File("adir"), "x"));
    EXPECT_EQ(errno, EISDIR);
    ASSERT_EQ(::mkfifo(dir.File("pipe").c_str(), 0600), 0);
    EXPECT_FALSE(ReplaceWholeFile(dir.File("pipe"), "x"));
    EXPECT_TRUE(fs::is_fifo(dir.File("pipe")));
    EXPECT_EQ(EntryNames(dir.Path()), (std::vector<std::string>{"adir", "pipe"}));
}

TEST(RewriteFileInPlace, RefusesALink) {
    ScratchDirectory dir;
    const PlantedLink link(dir);
    EXPECT_FALSE(RewriteFileInPlace(link.path, "new"));
    EXPECT_EQ(ReadBytes(link.victim), "precious");
    EXPECT_TRUE(fs::is_symlink(link.path));
}

// A file that has another name elsewhere is that other file too: it is replaced by a new file,
// never rewritten in place.
TEST(ReplaceWholeFile, FileWithOtherNamesIsReplacedAndTheOtherNameKept) {
    ScratchDirectory dir;
    const std::string victim = dir.File("victim");
    WriteBytes(victim, "precious");
    fs::create_hard_link(victim, dir.File("target"));
    EXPECT_FALSE(RewriteFileInPlace(dir.File("target"), "new"));
    EXPECT_EQ(ReadBytes(victim), "precious");
    ASSERT_TRUE(ReplaceWholeFile(dir.File("target"), "new"));
    EXPECT_EQ(ReadBytes(victim), "precious");
    EXPECT_EQ(ReadBytes(dir.File("target")), "new");
    EXPECT_EQ(fs::hard_link_count(victim), 1u);
}

TEST(ReplaceFileAtomically, GivesTheNewFileTheAttributesAndLeavesNoTemporary) {
    ScratchDirectory dir;
    const std::string path = dir.File("f");
    const FileAttributes attributes{0604, ::geteuid(), ::getegid()};
    std::string error;
    ASSERT_TRUE(ReplaceFileAtomically(path, "bytes", &attributes, error)) << error;
    EXPECT_EQ(ReadBytes(path), "bytes");
    struct stat info {};
    ::stat(path.c_str(), &info);
    EXPECT_EQ(info.st_mode & 07777, 0604u);
    EXPECT_EQ(EntryNames(dir.Path()), std::vector<std::string>{"f"});
}

// A stop is a kill at that moment: whatever was made stays, and the target is untouched
// until the rename.
TEST(ReplaceFileAtomically, StopLeavesTheTargetAsItWas) {
    for (const FileStep stopping : {FileStep::CreateTemporary, FileStep::WriteTemporary,
                                    FileStep::FlushTemporary, FileStep::Rename}) {
        SCOPED_TRACE(static_cast<int>(stopping));
        ScratchDirectory dir;
        const std::string path = dir.File("f");
        WriteBytes(path, "old");
        std::string error;
        EXPECT_FALSE(ReplaceFileAtomically(
            path, "new", nullptr, error, [stopping](FileStep step, const std::string&) {
                return step == stopping ? StepVerdict::Stop : StepVerdict::Go;
            }));
        EXPECT_EQ(ReadBytes(path), "old");
    }
}

TEST(CreateWholeFile, NeverTakesANameThatExists) {
    ScratchDirectory dir;
    std::string error;
    ASSERT_TRUE(CreateWholeFile(dir.File("new.jpg"), "picture", error)) << error;
    EXPECT_EQ(ReadBytes(dir.File("new.jpg")), "picture");

    EXPECT_FALSE(CreateWholeFile(dir.File("new.jpg"), "another", error));
    EXPECT_EQ(error, "File exists");
    EXPECT_EQ(ReadBytes(dir.File("new.jpg")), "picture");

    const PlantedLink link(dir, "linked.jpg");
    EXPECT_FALSE(CreateWholeFile(link.path, "another", error));
    EXPECT_EQ(ReadBytes(link.victim), "precious");

    fs::create_symlink(dir.File("made-through-the-link"), dir.File("dangling.jpg"));
    EXPECT_FALSE(CreateWholeFile(dir.File("dangling.jpg"), "another", error));
    EXPECT_FALSE(fs::exists(dir.File("made-through-the-link")));
    EXPECT_EQ(EntryNames(dir.Path()),
              (std::vector<std::string>{"dangling.jpg", "elsewhere", "linked.jpg", "new.jpg"}));
}

TEST(ReadWholeFile, RefusedLinkReadsAsUnreadable) {
    ScratchDirectory dir;
    const PlantedLink link(dir);
    FileState state = FileState::Missing;
    EXPECT_EQ(ReadWholeFile(link.path, state), "precious");
    EXPECT_EQ(ReadWholeFile(link.path, state, Links::Refuse), std::nullopt);
    EXPECT_EQ(state, FileState::Unreadable);
    EXPECT_EQ(ReadWholeFile(dir.File("absent"), state, Links::Refuse), std::nullopt);
    EXPECT_EQ(state, FileState::Missing);
}

}  // namespace
}  // namespace quorvel
