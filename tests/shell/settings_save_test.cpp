// Saving the settings file as a whole: backup first, then one replacement; a save that is
// killed or fails at any step; a full disk; links and odd names in the program directory;
// the temporary files a killed save leaves.
#include "shell/settings_save.h"

#include <signal.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <optional>

#include "shell/ini_text_engine.h"
#include "support/scratch_directory.h"

namespace quorvel {
namespace {

namespace fs = std::filesystem;
using testing::EntryNames;
using testing::ReadBytes;
using testing::RunningAsRoot;
using testing::ScratchDirectory;
using testing::WriteBytes;

// Three saves of one program: an older one, the last good one, and the one being made.
const std::string kOlder = "[RF]\r\nRatio=1.000000000\r\n[MiscInfo]\r\nScreenPosX=100\r\n";
const std::string kGood =
    "[RF]\r\nRatio=2.000000000\r\nWatts=1.000000000\r\n[MiscInfo]\r\nScreenPosX=120\r\n";
const std::string kNext =
    "[RF]\r\nRatio=3.000000000\r\nWatts=1.000000000\r\n[MiscInfo]\r\nScreenPosX=140\r\n";

// A settings text holding every entry that `reference` holds.
bool Complete(const std::optional<std::string>& text, const std::string& reference) {
    if (!text) {
        return false;
    }
    for (const ini::EntryName& entry : ini::EntryNames(reference)) {
        if (!ini::FindValue(*text, entry.section, entry.key)) {
            return false;
        }
    }
    return true;
}

std::optional<std::string> Contents(const std::string& path) {
    FileState state = FileState::Missing;
    return ReadWholeFile(path, state);
}

TEST(SaveSettingsText, FirstSaveCreatesTheFileAndNoBackup) {
    ScratchDirectory dir;
    const std::string settings = dir.File("QuorvelII.Cfg");
    const SettingsSaveResult result = SaveSettingsText(settings, kGood);
    EXPECT_TRUE(result.saved);
    EXPECT_TRUE(result.notes.empty());
    EXPECT_EQ(ReadBytes(settings), kGood);
    EXPECT_EQ(EntryNames(dir.Path()), std::vector<std::string>{"QuorvelII.Cfg"});
}

TEST(SaveSettingsText, BacksTheFileUpThenReplacesItKeepingItsMode) {
    ScratchDirectory dir;
    const std::string settings = dir.File("QuorvelII.Cfg");
    WriteBytes(settings, kGood);
    WriteBytes(settings + ".BAK", kOlder);
    fs::permissions(settings, fs::perms::owner_read | fs::perms::owner_write);

    EXPECT_TRUE(SaveSettingsText(settings, kNext).saved);
    EXPECT_EQ(ReadBytes(settings), kNext);
    EXPECT_EQ(ReadBytes(settings + ".BAK"), kGood);
    EXPECT_EQ(fs::status(settings).permissions(), fs::perms::owner_read | fs::perms::owner_write);
    EXPECT_EQ(fs::status(settings + ".BAK").permissions(),
              fs::perms::owner_read | fs::perms::owner_write);
    EXPECT_EQ(EntryNames(dir.Path()),
              (std::vector<std::string>{"QuorvelII.Cfg", "QuorvelII.Cfg.BAK"}));
}

TEST(SaveSettingsText, FileThatHoldsTheTextAlreadyIsNotWrittenAgain) {
    ScratchDirectory dir;
    const std::string settings = dir.File("QuorvelII.Cfg");
    WriteBytes(settings, kGood);
    struct stat before {};
    ::stat(settings.c_str(), &before);
    EXPECT_TRUE(SaveSettingsText(settings, kGood).saved);
    struct stat after {};
    ::stat(settings.c_str(), &after);
    EXPECT_EQ(after.st_ino, before.st_ino);
    EXPECT_EQ(ReadBytes(settings + ".BAK"), kGood);
}

// Every step of a save fails in turn, as a full disk or a refused rename would make it: the
// save reports it, names the file, and both files are as they were.
TEST(SaveSettingsText, FailureAtAnyStepLeavesBothFilesAsTheyWere) {
    for (int failing = 0;; ++failing) {
        SCOPED_TRACE("failing step " + std::to_string(failing));
        ScratchDirectory dir;
        const std::string settings = dir.File("QuorvelII.Cfg");
        WriteBytes(settings, kGood);
        WriteBytes(settings + ".BAK", kOlder);
        int step = 0;
        const SettingsSaveResult result =
            SaveSettingsText(settings, kNext, [&](FileStep, const std::string&) {
                return step++ == failing ? StepVerdict::Fail : StepVerdict::Go;
            });
        if (step <= failing) {
            EXPECT_TRUE(result.saved);
            EXPECT_EQ(failing, 8);  // four steps for the backup, four for the file
            break;
        }
        EXPECT_FALSE(result.saved);
        EXPECT_EQ(result.failure.rfind("Your inputs were not saved to " + settings + ": ", 0), 0u)
            << result.failure;
        EXPECT_NE(result.failure.find("No space left on device"), std::string::npos);
        EXPECT_EQ(ReadBytes(settings), kGood);
        // The backup step may have finished before the failure: it then holds the good file.
        const std::string backup = ReadBytes(settings + ".BAK");
        EXPECT_TRUE(backup == kOlder || backup == kGood) << backup;
        EXPECT_EQ(EntryNames(dir.Path()),
                  (std::vector<std::string>{"QuorvelII.Cfg", "QuorvelII.Cfg.BAK"}));
    }
}

// Runs the save in a child process that is killed (SIGKILL) just before step `killAt`; true
// when the kill happened, false when the save was done before reaching that step.
bool SaveKilledAtStep(const std::string& settings, const std::string& text, int killAt) {
    const pid_t child = ::fork();
    if (child == 0) {
        int step = 0;
        SaveSettingsText(settings, text, [&](FileStep, const std::string&) {
            if (step++ == killAt) {
                ::kill(::getpid(), SIGKILL);
            }
            return StepVerdict::Go;
        });
        ::_exit(0);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    return WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL;
}

// A kill at any step of a save, then the next run (stale temporary files removed, the file
// loaded, a normal save): after the kill and after the next save, the settings file or its
// backup is complete, and the next save never puts less into the backup than it held.
TEST(SaveSettingsText, KillAtAnyStepThenANormalRunKeepsACompleteCopy) {
    for (int killAt = 0;; ++killAt) {
        SCOPED_TRACE("killed before step " + std::to_string(killAt));
        ScratchDirectory dir;
        const std::string settings = dir.File("QuorvelII.Cfg");
        WriteBytes(settings, kGood);
        WriteBytes(settings + ".BAK", kOlder);
        if (!SaveKilledAtStep(settings, kNext, killAt)) {
            EXPECT_EQ(ReadBytes(settings), kNext);
            EXPECT_GT(killAt, 0);
            break;
        }
        const std::optional<std::string> file = Contents(settings);
        EXPECT_TRUE(file == kGood || file == kNext);
        EXPECT_TRUE(Complete(file, kGood) || Complete(Contents(settings + ".BAK"), kGood));

        // The next run: its start removes what the killed save left, its close saves.
        RemoveStaleTemporaries(settings);
        EXPECT_EQ(EntryNames(dir.Path()),
                  (std::vector<std::string>{"QuorvelII.Cfg", "QuorvelII.Cfg.BAK"}));
        const std::string loaded = *file;
        const std::string later =
            "[RF]\r\nRatio=4.000000000\r\nWatts=1.000000000\r\n[MiscInfo]\r\nScreenPosX=9\r\n";
        ASSERT_TRUE(SaveSettingsText(settings, later).saved);
        EXPECT_EQ(ReadBytes(settings), later);
        EXPECT_EQ(ReadBytes(settings + ".BAK"), loaded);
    }
}

// A backup left complete beside a settings file cut short (what the key-by-key save of
// earlier versions left after a kill): the next saves keep the complete backup.
TEST(SaveSettingsText, PartialFileNeverReplacesACompleteBackup) {
    ScratchDirectory dir;
    const std::string settings = dir.File("QuorvelII.Cfg");
    WriteBytes(settings, "[RF]\r\nRatio=2.000000000\r\n");
    WriteBytes(settings + ".BAK", kGood);

    const SettingsSaveResult first = SaveSettingsText(settings, kNext);
    EXPECT_TRUE(first.saved);
    ASSERT_EQ(first.notes.size(), 1u);
    EXPECT_EQ(first.notes[0], "Kept the backup " + settings + ".BAK: it holds settings that " +
                                  settings + " lacks");
    EXPECT_EQ(ReadBytes(settings + ".BAK"), kGood);
    EXPECT_EQ(ReadBytes(settings), kNext);

    // Now the file is complete again, and the backup follows it.
    EXPECT_TRUE(SaveSettingsText(settings, kGood).saved);
    EXPECT_EQ(ReadBytes(settings + ".BAK"), kNext);
}

TEST(SaveSettingsText, FileThatCannotBeReadIsLeftAlone) {
    ScratchDirectory dir;
    const std::string settings = dir.File("QuorvelII.Cfg");
    fs::create_directory(settings);
    SettingsSaveResult result = SaveSettingsText(settings, kNext);
    EXPECT_FALSE(result.saved);
    EXPECT_EQ(result.failure, "Your inputs were not saved to " + settings +
                                  ": it is not a regular file that can be read, so it is left "
                                  "as it is.");
    EXPECT_TRUE(fs::is_empty(settings));

    fs::remove(settings);
    ASSERT_EQ(::mkfifo(settings.c_str(), 0600), 0);
    EXPECT_FALSE(SaveSettingsText(settings, kNext).saved);
    EXPECT_TRUE(fs::is_fifo(settings));
    EXPECT_EQ(EntryNames(dir.Path()), std::vector<std::string>{"QuorvelII.Cfg"});
}

TEST(SaveSettingsText, UnreadableFileIsLeftAlone) {
    if (RunningAsRoot()) {
        GTEST_SKIP() << "file permissions do not bind root";
    }
    ScratchDirectory dir;
    const std::string settings = dir.File("QuorvelII.Cfg");
    WriteBytes(settings, kGood);
    fs::permissions(settings, fs::perms::owner_write);
    EXPECT_FALSE(SaveSettingsText(settings, kNext).saved);
    fs::permissions(settings, fs::perms::owner_read | fs::perms::owner_write);
    EXPECT_EQ(ReadBytes(settings), kGood);
    EXPECT_FALSE(fs::exists(settings + ".BAK"));
}

TEST(SaveSettingsText, ReadOnlyDirectoryKeepsTheOldFile) {
    if (RunningAsRoot()) {
        GTEST_SKIP() << "directory permissions do not bind root";
    }
    ScratchDirectory dir;
    const std::string settings = dir.File("QuorvelII.Cfg");
    WriteBytes(settings, kGood);
    fs::permissions(dir.Path(), fs::perms::owner_read | fs::perms::owner_exec);
    const SettingsSaveResult result = SaveSettingsText(settings, kNext);
    fs::permissions(dir.Path(), fs::perms::owner_all);
    EXPECT_FALSE(result.saved);
    EXPECT_NE(result.failure.find("Permission denied"), std::string::npos);
    EXPECT_EQ(ReadBytes(settings), kGood);
    EXPECT_EQ(EntryNames(dir.Path()), std::vector<std::string>{"QuorvelII.Cfg"});
}

// Links planted in the program directory, which others may write to.
TEST(SaveSettingsText, LinkAsSettingsFileIsReplacedAndItsTargetKept) {
    ScratchDirectory dir;
    const std::string settings = dir.File("QuorvelII.Cfg");
    fs::create_directory(dir.Path() / "elsewhere");
    const std::string victim = dir.File("elsewhere/victim");
    WriteBytes(victim, kGood);
    fs::create_symlink(victim, settings);

    const SettingsSaveResult result = SaveSettingsText(settings, kNext);
    EXPECT_TRUE(result.saved);
    EXPECT_EQ(ReadBytes(victim), kGood);
    EXPECT_FALSE(fs::is_symlink(settings));
    EXPECT_EQ(ReadBytes(settings), kNext);
    EXPECT_EQ(ReadBytes(settings + ".BAK"), kGood);
    EXPECT_EQ(EntryNames(dir.Path() / "elsewhere"), std::vector<std::string>{"victim"});
    ASSERT_EQ(result.notes.size(), 1u);
    EXPECT_EQ(result.notes[0], "The link " + settings +
                                   " was replaced by the saved settings; its target was left "
                                   "alone");
}

TEST(SaveSettingsText, LinkAsBackupIsReplacedAndItsTargetKept) {
    ScratchDirectory dir;
    const std::string settings = dir.File("QuorvelII.Cfg");
    WriteBytes(settings, kGood);
    WriteBytes(dir.File("victim"), "precious");
    fs::create_symlink(dir.File("victim"), settings + ".BAK");

    const SettingsSaveResult result = SaveSettingsText(settings, kNext);
    EXPECT_TRUE(result.saved);
    EXPECT_EQ(ReadBytes(dir.File("victim")), "precious");
    EXPECT_FALSE(fs::is_symlink(settings + ".BAK"));
    EXPECT_EQ(ReadBytes(settings + ".BAK"), kGood);
    EXPECT_EQ(result.notes.size(), 1u);
}

// The settings file a link, its backup a directory: the backup cannot be made, so nothing is
// saved, and no temporary file is ever made beside the link's target.
TEST(SaveSettingsText, LinkedFileWithADirectoryAsBackupWritesNothingAnywhere) {
    ScratchDirectory dir;
    const std::string settings = dir.File("QuorvelII.Cfg");
    fs::create_directory(dir.Path() / "elsewhere");
    const std::string victim = dir.File("elsewhere/victim");
    WriteBytes(victim, kGood);
    fs::create_symlink(victim, settings);
    fs::create_directory(settings + ".BAK");

    const SettingsSaveResult result = SaveSettingsText(settings, kNext);
    EXPECT_FALSE(result.saved);
    EXPECT_NE(result.failure.find(settings + ".BAK"), std::string::npos);
    EXPECT_EQ(ReadBytes(victim), kGood);
    EXPECT_TRUE(fs::is_symlink(settings));
    EXPECT_EQ(EntryNames(dir.Path() / "elsewhere"), std::vector<std::string>{"victim"});
    EXPECT_EQ(EntryNames(dir.Path()),
              (std::vector<std::string>{"QuorvelII.Cfg", "QuorvelII.Cfg.BAK", "elsewhere"}));
}

// A directory named "a\b": the files go into it, and nothing goes to "a/b".
TEST(SaveSettingsText, BackslashInTheDirectoryNameIsPartOfTheName) {
    ScratchDirectory dir;
    fs::create_directory(dir.Path() / "a\\b");
    fs::create_directories(dir.Path() / "a" / "b");
    const std::string settings = dir.File("a\\b/QuorvelII.Cfg");
    ASSERT_TRUE(SaveSettingsText(settings, kGood).saved);
    ASSERT_TRUE(SaveSettingsText(settings, kNext).saved);
    EXPECT_EQ(ReadBytes(settings), kNext);
    EXPECT_EQ(ReadBytes(settings + ".BAK"), kGood);
    EXPECT_TRUE(fs::is_empty(dir.Path() / "a" / "b"));
}

// A process id that no process has any more: a child that has ended.
pid_t EndedProcessId() {
    const pid_t child = ::fork();
    if (child == 0) {
        ::_exit(0);
    }
    ::waitpid(child, nullptr, 0);
    return child;
}

TEST(RemoveStaleTemporaries, RemovesOnlyThoseOfEndedProcesses) {
    ScratchDirectory dir;
    const std::string settings = dir.File("QuorvelII.Cfg");
    const std::string ended = std::to_string(EndedProcessId());
    const std::string running = std::to_string(::getpid());
    const std::vector<std::string> stale = {"QuorvelII.Cfg.tmp" + ended + "-0",
                                            "QuorvelII.Cfg.BAK.tmp" + ended + "-12"};
    const std::vector<std::string> kept = {"QuorvelII.Cfg",
                                           "QuorvelII.Cfg.BAK",
                                           "QuorvelII.Cfg.tmp" + running + "-1",
                                           "QuorvelII.Cfg.tmp1-0",  // init runs
                                           "QuorvelII.Cfg.tmp" + ended,
                                           "QuorvelII.Cfg.tmp" + ended + "-x",
                                           "QuorvelII.Cfg.tmp-" + ended + "-1",
                                           "Other.Cfg.tmp" + ended + "-0",
                                           "QuorvelII.Log.tmp" + ended + "-0"};
    for (const std::string& name : stale) {
        WriteBytes(dir.File(name), "half a save");
    }
    for (const std::string& name : kept) {
        WriteBytes(dir.File(name), "x");
    }

    std::vector<std::string> removed = RemoveStaleTemporaries(settings);
    std::sort(removed.begin(), removed.end());
    EXPECT_EQ(removed, (std::vector<std::string>{dir.File(stale[1]), dir.File(stale[0])}));
    std::vector<std::string> left = kept;
    std::sort(left.begin(), left.end());
    EXPECT_EQ(EntryNames(dir.Path()), left);
}

// A small file system of its own, for as long as the object lives: a tmpfs of `kilobytes`.
class SmallDisk {
public:
    explicit SmallDisk(const fs::path& where, int kilobytes) : m_where(where) {
        fs::create_directory(m_where);
        const std::string options = "size=" + std::to_string(kilobytes) + "k";
        if (::mount("tmpfs", m_where.c_str(), "tmpfs", 0, options.c_str()) != 0) {
            m_reason = std::string("cannot mount a tmpfs here (") + std::strerror(errno) + ")";
        }
    }
    ~SmallDisk() {
        if (m_reason.empty()) {
            ::umount2(m_where.c_str(), MNT_DETACH);
        }
    }
    SmallDisk(const SmallDisk&) = delete;
    SmallDisk& operator=(const SmallDisk&) = delete;

    // Empty when mounted; otherwise why not.
    const std::string& Unavailable() const { return m_reason; }
    std::string File(const std::string& name) const { return (m_where / name).string(); }

    // Fills the disk with one file up to its last `leftKilobytes`.
    void FillLeaving(int leftKilobytes) const {
        const std::string filler = File("filler");
        std::FILE* out = std::fopen(filler.c_str(), "wb");
        const std::string block(1024, 'f');
        while (std::fwrite(block.data(), 1, block.size(), out) == block.size() &&
               std::fflush(out) == 0) {
        }
        std::fclose(out);
        // Give back what should stay free (the file system counts in 4 KB pages).
        const auto size = fs::file_size(filler);
        fs::resize_file(filler, size > 1024u * leftKilobytes ? size - 1024u * leftKilobytes : 0);
    }

private:
    fs::path m_where;
    std::string m_reason;
};

TEST(SaveSettingsText, FullDiskKeepsTheOldFileAndSaysSo) {
    ScratchDirectory dir;
    SmallDisk disk(dir.Path() / "disk", 64);
    if (!disk.Unavailable().empty()) {
        GTEST_SKIP() << disk.Unavailable();
    }
    const std::string settings = disk.File("QuorvelII.Cfg");
    WriteBytes(settings, kGood);
    WriteBytes(settings + ".BAK", kOlder);
    // A new text of several pages, larger than the room left.
    std::string large = kNext;
    for (int i = 0; large.size() < 12000; ++i) {
        large += "[Page" + std::to_string(i) + "]\r\nValue=1234.567890000\r\n";
    }

    // No room at all: the backup cannot be made.
    disk.FillLeaving(0);
    SettingsSaveResult result = SaveSettingsText(settings, large);
    EXPECT_FALSE(result.saved);
    EXPECT_NE(result.failure.find("No space left on device"), std::string::npos);
    EXPECT_EQ(ReadBytes(settings), kGood);
    EXPECT_EQ(ReadBytes(settings + ".BAK"), kOlder);

    // Room for the backup, not for the new file.
    fs::remove(disk.File("filler"));
    disk.FillLeaving(4);
    result = SaveSettingsText(settings, large);
    EXPECT_FALSE(result.saved);
    EXPECT_NE(result.failure.find(settings + ": it could not be written (No space left on "
                                             "device)"),
              std::string::npos)
        << result.failure;
    EXPECT_EQ(ReadBytes(settings), kGood);
    EXPECT_EQ(ReadBytes(settings + ".BAK"), kGood);
    fs::remove(disk.File("filler"));
    EXPECT_EQ(EntryNames(fs::path(settings).parent_path()),
              (std::vector<std::string>{"QuorvelII.Cfg", "QuorvelII.Cfg.BAK"}));

    // Room again: the next close saves.
    EXPECT_TRUE(SaveSettingsText(settings, large).saved);
    EXPECT_EQ(ReadBytes(settings), large);
}

}  // namespace
}  // namespace quorvel
