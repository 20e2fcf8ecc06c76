// The file helpers around the settings file: path texts, existence tests, byte copy, backup
// and the current directory.
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include <gtest/gtest.h>

#include "common/file_access.h"
#include "support/scratch_directory.h"

namespace quorvel {
namespace {

using testing::EntryNames;
using testing::ReadBytes;
using testing::RunningAsRoot;
using testing::ScratchDirectory;
using testing::WriteBytes;

namespace fs = std::filesystem;
using namespace std::string_literals;

// Returns to the directory the test started in, whatever the test did.
class KeepCurrentDirectory {
public:
    KeepCurrentDirectory() : m_saved(fs::current_path()) {}
    ~KeepCurrentDirectory() { fs::current_path(m_saved); }

private:
    fs::path m_saved;
};

TEST(NativePath, TurnsEveryBackslashIntoASlash) {
    EXPECT_EQ(NativePath("C:\\Quorvel\\QuorvelII.Cfg"), "C:/Quorvel/QuorvelII.Cfg");
    EXPECT_EQ(NativePath("/home/u\\\\SYSTEM\\ERLOGS\\"), "/home/u//SYSTEM/ERLOGS/");
    EXPECT_EQ(NativePath("/already/native"), "/already/native");
    EXPECT_EQ(NativePath(""), "");
}

TEST(ProgramPath, KeepsTheDirectoryAndMakesOnlyTheProgramTextNative) {
    EXPECT_EQ(ProgramPath("/home/a\\b", "\\QuorvelII.Cfg"), "/home/a\\b/QuorvelII.Cfg");
    EXPECT_EQ(ProgramPath("/home/u", "\\\\SYSTEM\\ERLOGS\\"), "/home/u//SYSTEM/ERLOGS/");
    EXPECT_EQ(ProgramPath("", "\\Files\\Hardcopies\\"), "/Files/Hardcopies/");
}

TEST(CurrentDirectory, IsTheProcessWorkingDirectory) {
    EXPECT_EQ(CurrentDirectory(), fs::current_path().string());
}

TEST(FileReadable, OnlyAnOpenableRegularFile) {
    ScratchDirectory dir;
    WriteBytes(dir.File("present"), "x");
    EXPECT_TRUE(FileReadable(dir.File("present")));
    // A path is taken as it stands: "\\" is part of a name, not a separator.
    EXPECT_FALSE(FileReadable(dir.Path().string() + "\\present"));
    WriteBytes(dir.File("back\\slash"), "x");
    EXPECT_TRUE(FileReadable(dir.File("back\\slash")));
    EXPECT_FALSE(FileReadable(dir.File("absent")));
    EXPECT_FALSE(FileReadable(dir.Path().string()));
    EXPECT_FALSE(FileReadable(""));
    ASSERT_EQ(mkfifo(dir.File("pipe").c_str(), 0600), 0);
    EXPECT_FALSE(FileReadable(dir.File("pipe")));
}

TEST(FileReadable, FileWithoutReadPermission) {
    if (RunningAsRoot()) {
        GTEST_SKIP() << "permissions do not bind root";
    }
    ScratchDirectory dir;
    WriteBytes(dir.File("secret"), "x");
    chmod(dir.File("secret").c_str(), 0200);
    EXPECT_FALSE(FileReadable(dir.File("secret")));
}

TEST(DirectoryUsable, LeavesTheCurrentDirectoryAsItWas) {
    ScratchDirectory dir;
    fs::create_directory(dir.Path() / "sub");
    WriteBytes(dir.File("file"), "x");
    const fs::path before = fs::current_path();
    EXPECT_TRUE(DirectoryUsable(dir.File("sub")));
    EXPECT_TRUE(DirectoryUsable(dir.Path().string() + "//sub/"));
    EXPECT_FALSE(DirectoryUsable(dir.Path().string() + "\\sub"));
    EXPECT_FALSE(DirectoryUsable(dir.File("missing")));
    EXPECT_FALSE(DirectoryUsable(dir.File("file")));
    EXPECT_FALSE(DirectoryUsable(""));
    EXPECT_EQ(fs::current_path(), before);
}

TEST(DirectoryUsable, DirectoryWithoutSearchPermission) {
    if (RunningAsRoot()) {
        GTEST_SKIP() << "permissions do not bind root";
    }
    ScratchDirectory dir;
    fs::create_directory(dir.Path() / "closed");
    chmod(dir.File("closed").c_str(), 0600);
    EXPECT_FALSE(DirectoryUsable(dir.File("closed")));
}

TEST(CopyFileBytes, CopiesEveryByteAndReplacesTheTarget) {
    ScratchDirectory dir;
    std::string bytes;
    for (int i = 0; i < 2 * 8192 + 5; ++i) {
        bytes.push_back(static_cast<char>(i * 7));
    }
    WriteBytes(dir.File("from"), bytes);
    WriteBytes(dir.File("to"), std::string(40000, 'z'));
    CopyFileBytes(dir.File("from"), dir.File("to"));
    EXPECT_EQ(ReadBytes(dir.File("to")), bytes);

    WriteBytes(dir.File("empty"), "");
    CopyFileBytes(dir.File("empty"), dir.File("to"));
    EXPECT_EQ(ReadBytes(dir.File("to")), "");
}

TEST(CopyFileBytes, MissingSourceChangesNothing) {
    ScratchDirectory dir;
    CopyFileBytes(dir.File("absent"), dir.File("to"));
    EXPECT_FALSE(fs::exists(dir.File("to")));
    WriteBytes(dir.File("to"), "kept");
    CopyFileBytes(dir.File("absent"), dir.File("to"));
    EXPECT_EQ(ReadBytes(dir.File("to")), "kept");
}

TEST(CopyFileBytes, UnopenableTargetWritesNothing) {
    ScratchDirectory dir;
    WriteBytes(dir.File("from"), "data");
    CopyFileBytes(dir.File("from"), dir.File("missing/to"));
    fs::create_directory(dir.Path() / "adir");
    CopyFileBytes(dir.File("from"), dir.File("adir"));
    EXPECT_TRUE(fs::is_empty(dir.Path() / "adir"));
    EXPECT_EQ(EntryNames(dir.Path()), (std::vector<std::string>{"adir", "from"}));
    EXPECT_EQ(ReadBytes(dir.File("from")), "data");
}

TEST(CopyFileBytes, OntoItselfKeepsTheFile) {
    ScratchDirectory dir;
    WriteBytes(dir.File("f"), "data\0more"s);
    CopyFileBytes(dir.File("f"), dir.File("f"));
    EXPECT_EQ(ReadBytes(dir.File("f")), "data\0more"s);
}

TEST(BackupFile, CopiesToBakAndReplacesAnOlderBackup) {
    ScratchDirectory dir;
    const std::string cfg = dir.File("QuorvelII.Cfg");
    WriteBytes(cfg + ".BAK", "an older and longer backup\r\n");
    WriteBytes(cfg, "[RF]\r\nWatts=1\r\n");
    BackupFile(cfg);
    EXPECT_EQ(ReadBytes(cfg + ".BAK"), "[RF]\r\nWatts=1\r\n");
    EXPECT_EQ(ReadBytes(cfg), "[RF]\r\nWatts=1\r\n");
}

TEST(BackupFile, MissingFileMakesNoBackup) {
    ScratchDirectory dir;
    BackupFile(dir.File("QuorvelII.Cfg"));
    EXPECT_TRUE(fs::is_empty(dir.Path()));
}

TEST(BackupFile, BackslashInTheDirectoryNameIsKept) {
    ScratchDirectory dir;
    fs::create_directory(dir.Path() / "a\\b");
    fs::create_directories(dir.Path() / "a" / "b");
    WriteBytes(dir.File("a\\b/QuorvelII.Cfg"), "x");
    BackupFile(dir.File("a\\b/QuorvelII.Cfg"));
    EXPECT_EQ(ReadBytes(dir.File("a\\b/QuorvelII.Cfg.BAK")), "x");
    EXPECT_TRUE(fs::is_empty(dir.Path() / "a" / "b"));
}

TEST(CopyFileBytes, LinkAtTheTargetIsReplacedAndItsTargetKept) {
    ScratchDirectory dir;
    WriteBytes(dir.File("from"), "new");
    WriteBytes(dir.File("victim"), "precious");
    fs::create_symlink(dir.File("victim"), dir.File("to"));
    CopyFileBytes(dir.File("from"), dir.File("to"));
    EXPECT_EQ(ReadBytes(dir.File("victim")), "precious");
    EXPECT_FALSE(fs::is_symlink(dir.File("to")));
    EXPECT_EQ(ReadBytes(dir.File("to")), "new");
}

TEST(EnterDirectory, EntersThePathAndSkipsADriveLetter) {
    KeepCurrentDirectory keep;
    ScratchDirectory dir;
    fs::create_directory(dir.Path() / "one");
    fs::create_directory(dir.Path() / "two");

    EnterDirectory(dir.File("one"));
    EXPECT_EQ(fs::current_path(), dir.Path() / "one");

    std::string windowsStyle = "C:" + dir.Path().string() + "/two";
    EnterDirectory(windowsStyle);
    EXPECT_EQ(fs::current_path(), dir.Path() / "two");
}

TEST(EnterDirectory, BackslashInTheNameIsKept) {
    KeepCurrentDirectory keep;
    ScratchDirectory dir;
    fs::create_directory(dir.Path() / "a\\b");
    fs::create_directories(dir.Path() / "a" / "b");
    EnterDirectory(dir.File("a\\b"));
    EXPECT_EQ(fs::current_path(), dir.Path() / "a\\b");
}

TEST(EnterDirectory, FailureIsIgnored) {
    KeepCurrentDirectory keep;
    ScratchDirectory dir;
    EnterDirectory(dir.Path().string());
    EnterDirectory(dir.File("missing"));
    EnterDirectory("C:");
    EnterDirectory("");
    EXPECT_EQ(fs::current_path(), dir.Path());
}

}  // namespace
}  // namespace quorvel
