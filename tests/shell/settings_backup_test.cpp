// The backup step before the settings file is rewritten.
#include "shell/settings_backup.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "tests/shell/scratch_directory.h"

namespace quorvel {
namespace {

using testing::EntryNames;
using testing::ReadBytes;
using testing::ScratchDirectory;
using testing::WriteBytes;

TEST(BackupAndRemoveSettings, KeepsAnExactCopyAndRemovesTheFile) {
    ScratchDirectory dir;
    const std::string settings = dir.File("QuorvelII.Cfg");
    constexpr char kBytes[] = "[MiscInfo]\r\nScreenPosX=100\r\n\x00\xff tail";
    const std::string bytes(kBytes, sizeof kBytes - 1);  // with its NUL byte
    WriteBytes(settings, bytes);
    WriteBytes(settings + ".BAK", "an older backup, longer than the settings file itself");

    EXPECT_TRUE(BackupAndRemoveSettings(settings));
    EXPECT_EQ(EntryNames(dir.Path()), std::vector<std::string>{"QuorvelII.Cfg.BAK"});
    EXPECT_EQ(ReadBytes(settings + ".BAK"), bytes);
}

TEST(BackupAndRemoveSettings, TakesAProgramPathText) {
    ScratchDirectory dir;
    WriteBytes(dir.File("QuorvelII.Cfg"), "x");
    EXPECT_TRUE(BackupAndRemoveSettings(dir.Path().string() + "\\QuorvelII.Cfg"));
    EXPECT_EQ(ReadBytes(dir.File("QuorvelII.Cfg.BAK")), "x");
}

TEST(BackupAndRemoveSettings, MissingFileMakesNoBackup) {
    ScratchDirectory dir;
    EXPECT_TRUE(BackupAndRemoveSettings(dir.File("QuorvelII.Cfg")));
    EXPECT_TRUE(EntryNames(dir.Path()).empty());
}

TEST(BackupAndRemoveSettings, FileStaysWhenTheBackupCannotBeWritten) {
    ScratchDirectory dir;
    const std::string settings = dir.File("QuorvelII.Cfg");
    WriteBytes(settings, "[RF]\r\nRatio=2.000000000\r\n");
    // A directory where the backup should go: no copy can be made there, even by root.
    std::filesystem::create_directory(settings + ".BAK");

    EXPECT_FALSE(BackupAndRemoveSettings(settings));
    EXPECT_EQ(ReadBytes(settings), "[RF]\r\nRatio=2.000000000\r\n");
}

TEST(BackupAndRemoveSettings, EmptyFileIsBackedUpToo) {
    ScratchDirectory dir;
    const std::string settings = dir.File("QuorvelII.Cfg");
    WriteBytes(settings, "");
    EXPECT_TRUE(BackupAndRemoveSettings(settings));
    EXPECT_TRUE(std::filesystem::exists(settings + ".BAK"));
    EXPECT_FALSE(std::filesystem::exists(settings));
}

}  // namespace
}  // namespace quorvel
