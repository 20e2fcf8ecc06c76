// The INI file on disk: one access per read and write, a missing file created, and an old file
// that survives any failed write whole.
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <string>

#include <gtest/gtest.h>

#include "common/whole_file.h"
#include "shell/ini_store.h"
#include "tests/shell/scratch_directory.h"

namespace quorvel {
namespace {

using testing::EntryNames;
using testing::ReadBytes;
using testing::RunningAsRoot;
using testing::ScratchDirectory;
using testing::WriteBytes;

namespace fs = std::filesystem;

// Lowers the largest file size this process may write, so that a write stops halfway as on a
// full disk (EFBIG instead of ENOSPC), and restores the limit afterwards.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &m_saved);
        m_oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = m_saved;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &m_saved);
        std::signal(SIGXFSZ, m_oldHandler);
    }

private:
    rlimit m_saved{};
    void (*m_oldHandler)(int);
};

unsigned PermissionBits(const std::string& path) {
    struct stat info {};
    stat(path.c_str(), &info);
    return info.st_mode & 07777;
}

TEST(IniFile, MissingFileReadsAsEmptyAndIsCreatedByTheFirstWrite) {
    ScratchDirectory dir;
    IniFile file(dir.File("QuorvelII.Cfg"));
    EXPECT_EQ(file.ReadString("RF", "Watts"), std::nullopt);
    EXPECT_FALSE(fs::exists(file.Path()));

    ASSERT_TRUE(file.WriteString("RF", "Watts", "30.000000000"));
    EXPECT_EQ(ReadBytes(file.Path()), "[RF]\r\nWatts=30.000000000\r\n");
    EXPECT_EQ(EntryNames(dir.Path()), std::vector<std::string>{"QuorvelII.Cfg"});
}

TEST(IniFile, NewFileTakesTheUsualPermissions) {
    ScratchDirectory dir;
    const mode_t oldMask = umask(022);
    IniFile file(dir.File("QuorvelII.Cfg"));
    const bool written = file.WriteString("RF", "A", "1");
    umask(oldMask);
    ASSERT_TRUE(written);
    EXPECT_EQ(PermissionBits(file.Path()), 0644u);
}

TEST(IniFile, EveryReadGoesToTheFile) {
    ScratchDirectory dir;
    const IniFile file(dir.File("QuorvelII.Cfg"));
    WriteBytes(file.Path(), "[RF]\r\nWatts=1\r\n");
    EXPECT_EQ(file.ReadString("RF", "Watts"), "1");
    WriteBytes(file.Path(), "[RF]\r\nWatts=2\r\n");
    EXPECT_EQ(file.ReadString("RF", "Watts"), "2");
}

TEST(IniFile, WriteKeepsEveryUntouchedByte) {
    ScratchDirectory dir;
    IniFile file(dir.File("QuorvelII.Cfg"));
    const std::string head = "; notes\n[RF]\nWatts=1\n";
    const std::string tail = "junk\x01\xff\n[Number]\r\nA=2";
    WriteBytes(file.Path(), head + "Ohms=5\n" + tail);
    ASSERT_TRUE(file.WriteString("RF", "Ohms", "50"));
    EXPECT_EQ(ReadBytes(file.Path()), head + "Ohms=50\r\n" + tail);
}

TEST(IniFile, BackslashInThePathIsPartOfTheName) {
    ScratchDirectory dir;
    fs::create_directory(dir.Path() / "a\\b");
    fs::create_directories(dir.Path() / "a" / "b");
    IniFile file(dir.File("a\\b/QuorvelII.Cfg"));
    ASSERT_TRUE(file.WriteString("RF", "A", "1"));
    EXPECT_EQ(ReadBytes(dir.File("a\\b/QuorvelII.Cfg")), "[RF]\r\nA=1\r\n");
    EXPECT_EQ(file.ReadString("RF", "A"), "1");
    EXPECT_TRUE(fs::is_empty(dir.Path() / "a" / "b"));
}

TEST(IniFile, WriteIntoAMissingDirectoryFails) {
    ScratchDirectory dir;
    IniFile file(dir.File("nowhere/QuorvelII.Cfg"));
    EXPECT_FALSE(file.WriteString("RF", "A", "1"));
    EXPECT_FALSE(fs::exists(dir.Path() / "nowhere"));
}

TEST(IniFile, DirectoryAtThePathIsNeitherReadNorReplaced) {
    ScratchDirectory dir;
    fs::create_directory(dir.Path() / "QuorvelII.Cfg");
    IniFile file(dir.File("QuorvelII.Cfg"));
    EXPECT_EQ(file.ReadString("RF", "A"), std::nullopt);
    EXPECT_FALSE(file.WriteString("RF", "A", "1"));
    EXPECT_TRUE(fs::is_directory(file.Path()));
}

TEST(IniFile, WriteKeepsPermissionsAndLeavesNoTemporaryFile) {
    ScratchDirectory dir;
    IniFile file(dir.File("QuorvelII.Cfg"));
    WriteBytes(file.Path(), "[RF]\r\nA=1\r\n");
    chmod(file.Path().c_str(), 0640);
    ASSERT_TRUE(file.WriteString("RF", "A", "2"));
    EXPECT_EQ(PermissionBits(file.Path()), 0640u);
    EXPECT_EQ(EntryNames(dir.Path()), std::vector<std::string>{"QuorvelII.Cfg"});
}

// A link planted at the file's name is read through, but never written through: the write
// replaces the link, and the file it points at stays as it was.
TEST(IniFile, WriteReplacesASymbolicLinkAndKeepsItsTarget) {
    ScratchDirectory dir;
    fs::create_directory(dir.Path() / "real");
    const std::string target = dir.File("real/settings.ini");
    WriteBytes(target, "[RF]\r\nA=1\r\n");
    fs::create_symlink(target, dir.Path() / "QuorvelII.Cfg");
    IniFile file(dir.File("QuorvelII.Cfg"));
    EXPECT_EQ(file.ReadString("RF", "A"), "1");
    ASSERT_TRUE(file.WriteString("RF", "A", "2"));
    EXPECT_FALSE(fs::is_symlink(file.Path()));
    EXPECT_EQ(ReadBytes(file.Path()), "[RF]\r\nA=2\r\n");
    EXPECT_EQ(ReadBytes(target), "[RF]\r\nA=1\r\n");
    EXPECT_EQ(EntryNames(dir.Path() / "real"), std::vector<std::string>{"settings.ini"});
}

TEST(IniFile, WriteThatFailsHalfwayLeavesTheOldFileWhole) {
    ScratchDirectory dir;
    IniFile file(dir.File("QuorvelII.Cfg"));
    const std::string before = "[RF]\r\nA=1\r\n" + std::string(3000, ';') + "\r\n";
    WriteBytes(file.Path(), before);
    {
        FileSizeLimit limit(4096);
        EXPECT_FALSE(file.WriteString("RF", "B", std::string(2000, '7')));
    }
    EXPECT_EQ(ReadBytes(file.Path()), before);
    EXPECT_EQ(EntryNames(dir.Path()), std::vector<std::string>{"QuorvelII.Cfg"});
}

TEST(IniFile, UnchangedValueLeavesTheFileAlone) {
    ScratchDirectory dir;
    IniFile file(dir.File("QuorvelII.Cfg"));
    WriteBytes(file.Path(), "[RF]\nA=1\r\n");
    const auto inode = [&] {
        struct stat info {};
        stat(file.Path().c_str(), &info);
        return info.st_ino;
    };
    const auto before = inode();
    ASSERT_TRUE(file.WriteString("RF", "A", "1"));
    EXPECT_EQ(inode(), before);
}

TEST(IniFile, ReadOnlyDirectoryWithWritableFileIsWrittenInPlace) {
    if (RunningAsRoot()) {
        GTEST_SKIP() << "permissions do not bind root";
    }
    ScratchDirectory dir;
    fs::create_directory(dir.Path() / "locked");
    IniFile file(dir.File("locked/QuorvelII.Cfg"));
    WriteBytes(file.Path(), "[RF]\r\nA=1\r\n");
    chmod((dir.Path() / "locked").c_str(), 0555);
    EXPECT_TRUE(file.WriteString("RF", "B", "2"));
    EXPECT_EQ(ReadBytes(file.Path()), "[RF]\r\nA=1\r\nB=2\r\n");
    EXPECT_EQ(EntryNames(dir.Path() / "locked"), std::vector<std::string>{"QuorvelII.Cfg"});
}

TEST(IniFile, UnreadableFileIsNotReplaced) {
    if (RunningAsRoot()) {
        GTEST_SKIP() << "permissions do not bind root";
    }
    ScratchDirectory dir;
    IniFile file(dir.File("QuorvelII.Cfg"));
    WriteBytes(file.Path(), "[RF]\r\nA=1\r\n");
    chmod(file.Path().c_str(), 0200);
    EXPECT_EQ(file.ReadString("RF", "A"), std::nullopt);
    EXPECT_FALSE(file.WriteString("RF", "B", "2"));
    chmod(file.Path().c_str(), 0600);
    EXPECT_EQ(ReadBytes(file.Path()), "[RF]\r\nA=1\r\n");
}

TEST(RewriteFileInPlace, GrowsShrinksAndCreates) {
    ScratchDirectory dir;
    const std::string path = dir.File("f");
    ASSERT_TRUE(RewriteFileInPlace(path, "short"));
    EXPECT_EQ(ReadBytes(path), "short");
    ASSERT_TRUE(RewriteFileInPlace(path, "a much longer text"));
    EXPECT_EQ(ReadBytes(path), "a much longer text");
    ASSERT_TRUE(RewriteFileInPlace(path, "tiny"));
    EXPECT_EQ(ReadBytes(path), "tiny");
}

TEST(RewriteFileInPlace, FailureLeavesTheOldContents) {
    ScratchDirectory dir;
    const std::string path = dir.File("f");
    const std::string before(3000, 'o');
    WriteBytes(path, before);
    {
        FileSizeLimit limit(4096);
        EXPECT_FALSE(RewriteFileInPlace(path, std::string(6000, 'n')));
    }
    EXPECT_EQ(ReadBytes(path), before);

    {
        FileSizeLimit limit(4096);
        EXPECT_FALSE(RewriteFileInPlace(dir.File("new"), std::string(6000, 'n')));
    }
    EXPECT_FALSE(fs::exists(dir.File("new")));
}

}  // namespace
}  // namespace quorvel
