#pragma once
// The settings file and the options file as the program reads them. A real settings file
// holds about a kilobyte, so one beyond a generous bound is no file of this program (a log
// copied over it, a sparse file of a terabyte): it is read as unreadable, never read whole,
// and never replaced.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "common/folder.h"
#include "common/whole_file.h"

namespace quorvel {

// The largest settings or options file read: 1 MiB.
inline constexpr std::size_t kSettingsFileLimit = std::size_t{1} << 20;

// The bytes of the settings or options file at `file`, through a link at its name; nullopt
// with `state` telling why (FileState::TooLarge beyond kSettingsFileLimit).
std::optional<std::string> ReadSettingsFile(const FileAt& file, FileState& state);

// The text of a settings or options file as the INI rules read it, in the program's own
// 8-bit form: a file in UTF-16 with its byte-order mark (Notepad's "Unicode") becomes 8-bit
// text (a character beyond 8 bits becomes "?"; the program's own texts are ASCII), a UTF-8
// byte-order mark is dropped, and a line that ends in a lone CR (an old Mac file) ends in
// CR LF. Other bytes stay as they are, so a file the program wrote reads back unchanged.
std::string SettingsTextOf(std::string_view bytes);

// Why a file that was found in `state` (not Read, not Missing) was not read, in words for a
// message: "it cannot be read", "it is larger than 1 MiB (1048576 bytes)".
std::string UnreadReason(FileState state);

}  // namespace quorvel
