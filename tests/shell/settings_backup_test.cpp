// The backup step before the settings file is replaced.
#include "shell/settings_backup.h"

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

const std::string kSaved = "[RF]\r\nRatio=2.000000000\r\nWatts=1.000000000\r\n";

ino_t Inode(const std::string& path) {
    struct stat info {};
    ::lstat(path.c_str(), &info);
    return info.st_ino;
}

TEST(BackUpSettings, MakesAnExactCopyWithTheFilesPermissions) {
    ScratchDirectory dir;
    const std::string settings = dir.File("QuorvelII.Cfg");
    constexpr char kBytes[] = "[MiscInfo]\r\nScreenPosX=100\r\n\x00\xff tail";
    const std::string bytes(kBytes, sizeof kBytes - 1);  // with its NUL byte
    WriteBytes(settings, bytes);
    WriteBytes(settings + ".BAK", "an older backup, longer than the settings file itself");
    const FileAttributes attributes{0640, ::geteuid(), ::getegid()};

    std::string failure;
    EXPECT_EQ(BackUpSettings(settings, bytes, &attributes, kSaved, failure), BackupOutcome::Made);
    EXPECT_EQ(ReadBytes(settings + ".BAK"), bytes);
    EXPECT_EQ(fs::status(settings + ".BAK").permissions(),
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    // The settings file itself is not touched, and no temporary file is left.
    EXPECT_EQ(ReadBytes(settings), bytes);
    EXPECT_EQ(EntryNames(dir.Path()),
              (std::vector<std::string>{"QuorvelII.Cfg", "QuorvelII.Cfg.BAK"}));
}

TEST(BackUpSettings, BackupThatHoldsTheBytesAlreadyIsLeftAlone) {
    ScratchDirectory dir;
    const std::string settings = dir.File("QuorvelII.Cfg");
    WriteBytes(settings + ".BAK", kSaved);
    const ino_t before = Inode(settings + ".BAK");
    std::string failure;
    EXPECT_EQ(BackUpSettings(settings, kSaved, nullptr, kSaved, failure), BackupOutcome::Made);
    EXPECT_EQ(Inode(settings + ".BAK"), before);
}

TEST(BackUpSettings, LinkAtTheBackupNameIsReplacedAndItsTargetKept) {
    ScratchDirectory dir;
    const std::string settings = dir.File("QuorvelII.Cfg");
    WriteBytes(dir.File("victim"), "precious");
    fs::create_symlink(dir.File("victim"), settings + ".BAK");

    std::string failure;
    EXPECT_EQ(BackUpSettings(settings, kSaved, nullptr, kSaved, failure), BackupOutcome::Made);
    EXPECT_EQ(ReadBytes(dir.File("victim")), "precious");
    EXPECT_FALSE(fs::is_symlink(settings + ".BAK"));
    EXPECT_EQ(ReadBytes(settings + ".BAK"), kSaved);
}

TEST(BackUpSettings, DirectoryAtTheBackupNameFailsAndLeavesNothing) {
    ScratchDirectory dir;
    const std::string settings = dir.File("QuorvelII.Cfg");
    fs::create_directory(settings + ".BAK");
    std::string failure;
    EXPECT_EQ(BackUpSettings(settings, kSaved, nullptr, kSaved, failure), BackupOutcome::Failed);
    EXPECT_EQ(failure, "the backup " + settings + ".BAK could not be written (Is a directory)");
    EXPECT_EQ(EntryNames(dir.Path()), std::vector<std::string>{"QuorvelII.Cfg.BAK"});
}

TEST(BackUpSettings, FailedStepLeavesTheOlderBackupWhole) {
    for (const FileStep failing : {FileStep::CreateTemporary, FileStep::WriteTemporary,
                                   FileStep::FlushTemporary, FileStep::Rename}) {
        SCOPED_TRACE(static_cast<int>(failing));
        ScratchDirectory dir;
        const std::string settings = dir.File("QuorvelII.Cfg");
        WriteBytes(settings + ".BAK", "older");
        std::string failure;
        const FileStepCheck check = [failing](FileStep step, const std::string&) {
            return step == failing ? StepVerdict::Fail : StepVerdict::Go;
        };
        EXPECT_EQ(BackUpSettings(settings, kSaved, nullptr, kSaved, failure, check),
                  BackupOutcome::Failed);
        EXPECT_NE(failure.find("No space left on device"), std::string::npos);
        EXPECT_EQ(ReadBytes(settings + ".BAK"), "older");
        EXPECT_EQ(EntryNames(dir.Path()), std::vector<std::string>{"QuorvelII.Cfg.BAK"});
    }
}

// A settings file cut short (an older version's save that died halfway) must not replace the
// last complete copy; a file that holds everything the save writes does replace it.
TEST(BackUpSettings, FullerOlderBackupIsKeptOnlyWhenTheFileLacksSettings) {
    ScratchDirectory dir;
    const std::string settings = dir.File("QuorvelII.Cfg");
    const std::string complete = kSaved + "[MiscInfo]\r\nScreenPosX=120\r\n";
    const std::string partial = "[RF]\r\nRatio=2.000000000\r\n";
    WriteBytes(settings + ".BAK", complete);

    std::string failure;
    EXPECT_EQ(BackUpSettings(settings, partial, nullptr, complete, failure),
              BackupOutcome::KeptOlder);
    EXPECT_EQ(ReadBytes(settings + ".BAK"), complete);

    // Keys the save no longer writes do not count: the backup follows the file.
    const std::string withOldSection = complete + "[Old]\r\nA=1\r\n";
    WriteBytes(settings + ".BAK", withOldSection);
    EXPECT_EQ(BackUpSettings(settings, complete, nullptr, complete, failure), BackupOutcome::Made);
    EXPECT_EQ(ReadBytes(settings + ".BAK"), complete);
}

}  // namespace
}  // namespace quorvel
