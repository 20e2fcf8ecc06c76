// The settings and options files as they are read: a file beyond the size bound is read as
// unreadable and never replaced.
#include "shell/settings_text.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "shell/ini_store.h"
#include "shell/settings_save.h"
#include "tests/shell/scratch_directory.h"

namespace quorvel {
namespace {

namespace fs = std::filesystem;
using testing::ReadBytes;
using testing::ScratchDirectory;
using testing::WriteBytes;

const std::string kEntry = "[MiscInfo]\r\nScreenPosX=120\r\n";

// A settings file of exactly `size` bytes that begins with a real entry, the rest a comment
// (what a log or another program's file copied over it might look like); or, for a terabyte,
// a sparse file. Empty when the file system cannot hold it.
std::string SettingsFileOf(const ScratchDirectory& dir, std::uintmax_t size) {
    const std::string path = dir.File("QuorvelII.Cfg");
    if (size > (std::uintmax_t{1} << 30)) {
        WriteBytes(path, kEntry);
        std::error_code error;
        fs::resize_file(path, size, error);
        return error ? std::string() : path;
    }
    WriteBytes(path, kEntry + ";" + std::string(size - kEntry.size() - 1, 'c'));
    return path;
}

struct SizeCase {
    const char* name;
    std::uintmax_t size;
    bool read;
};

class SettingsFileSize : public ::testing::TestWithParam<SizeCase> {};

// Read at the bound, refused beyond it (a sparse terabyte at once, without reading it):
// beyond it the reads find no key, a write is refused, and a save leaves the file as it was
// and says why.
TEST_P(SettingsFileSize, BeyondTheBoundIsReadAsUnreadableAndNeverReplaced) {
    const SizeCase& c = GetParam();
    ScratchDirectory dir;
    const std::string path = SettingsFileOf(dir, c.size);
    if (path.empty()) {
        GTEST_SKIP() << "this file system holds no sparse file of that size";
    }
    FileState state = FileState::Missing;
    EXPECT_EQ(ReadSettingsFile(path, state).has_value(), c.read);
    EXPECT_EQ(state, c.read ? FileState::Read : FileState::TooLarge);

    IniFile file(path);
    EXPECT_EQ(file.ReadString("MiscInfo", "ScreenPosX").has_value(), c.read);
    if (c.read) {
        return;
    }
    EXPECT_FALSE(file.WriteString("MiscInfo", "ScreenPosY", "1"));
    const SettingsSaveResult saved = SaveSettingsText(path, kEntry);
    EXPECT_FALSE(saved.saved);
    EXPECT_EQ(fs::file_size(path), c.size);
    EXPECT_FALSE(fs::exists(path + ".BAK"));
    EXPECT_EQ(saved.failure, "Your inputs were not saved to " + path +
                                 ": it is larger than 1 MiB (1048576 bytes), so it is left as "
                                 "it is.");
}

INSTANTIATE_TEST_SUITE_P(Sizes, SettingsFileSize,
                         ::testing::Values(SizeCase{"AtTheBound", kSettingsFileLimit, true},
                                           SizeCase{"OneByteBeyond", kSettingsFileLimit + 1, false},
                                           SizeCase{"SparseTerabyte", std::uintmax_t{1} << 40,
                                                    false}),
                         [](const auto& info) { return std::string(info.param.name); });

// A backup too large to be a settings file keeps nothing worth keeping: it is replaced.
TEST(SettingsFileSize, BackupBeyondTheBoundIsReplaced) {
    ScratchDirectory dir;
    const std::string path = dir.File("QuorvelII.Cfg");
    WriteBytes(path, kEntry);
    WriteBytes(path + ".BAK", kEntry);
    fs::resize_file(path + ".BAK", kSettingsFileLimit + 1);
    EXPECT_TRUE(SaveSettingsText(path, "[MiscInfo]\r\nScreenPosX=130\r\n").saved);
    EXPECT_EQ(ReadBytes(path + ".BAK"), kEntry);
}

}  // namespace
}  // namespace quorvel
