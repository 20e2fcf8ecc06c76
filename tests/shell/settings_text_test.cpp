// The settings and options files as they are read: a file beyond the size bound is read as
// unreadable and never replaced; a file saved by another editor reads as the program's own.
#include "shell/settings_text.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "shell/ini_store.h"
#include "shell/settings_save.h"
#include "support/scratch_directory.h"

namespace quorvel {
namespace {

namespace fs = std::filesystem;
using testing::ReadBytes;
using testing::ScratchDirectory;
using testing::WriteBytes;
using namespace std::string_literals;

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

// The file as another editor saves it: UTF-16 little or big endian with its byte-order mark
// (a character beyond 8 bits reads as "?"), UTF-8 with one, old Mac line ends (lone CR).
std::string Utf16(std::string_view text, bool littleEndian) {
    std::string bytes = littleEndian ? "\xFF\xFE" : "\xFE\xFF";
    for (const char c : text) {
        const char zero = '\0';
        bytes += littleEndian ? std::string{c, zero} : std::string{zero, c};
    }
    return bytes;
}

struct TextCase {
    const char* name;
    std::string bytes;
    std::string text;
};

class SettingsText : public ::testing::TestWithParam<TextCase> {};

TEST_P(SettingsText, ReadsInTheProgramsOwnForm) {
    EXPECT_EQ(SettingsTextOf(GetParam().bytes), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Forms, SettingsText,
    ::testing::Values(TextCase{"ProgramsOwn", kEntry, kEntry},
                      TextCase{"LineFeedsStay", "[A]\nB=1\n", "[A]\nB=1\n"},
                      TextCase{"LoneCrBecomesCrLf", "[A]\rB=1\r\nC=2\r", "[A]\r\nB=1\r\nC=2\r\n"},
                      TextCase{"Utf8MarkDropped", "\xEF\xBB\xBF" + kEntry, kEntry},
                      TextCase{"Utf16Little", Utf16(kEntry, true), kEntry},
                      TextCase{"Utf16Big", Utf16(kEntry, false), kEntry},
                      TextCase{"Utf16OldMacLineEnds", Utf16("[A]\rB=1\r", true), "[A]\r\nB=1\r\n"},
                      TextCase{"Utf16Latin1AndBeyond",
                               "\xFF\xFE"s + "A\0=\0\xE9\0\xAC\x20\x3D\xD8\x00\xDE"s + "z",
                               "A=\xE9??"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace quorvel
