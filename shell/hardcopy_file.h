#pragma once
// Where a hardcopy goes: the numbered file name, the hardcopy directory, the extension rule.
// The hardcopy directory is reached from the program directory one step at a time without
// following a link, so a link planted there cannot send a picture anywhere else.

#include <cstdint>
#include <string>
#include <string_view>

#include "common/folder.h"

namespace quorvel {

inline constexpr std::string_view kHardcopyPrefix = "QuorvelIIHdcpy_";
// The hardcopy directory, relative to the program directory. The program never creates it.
inline constexpr std::string_view kHardcopyDirectory = "\\Files\\Hardcopies\\";

// "QuorvelIIHdcpy_" + FormatNumber(4, 0, counter): "QuorvelIIHdcpy_0" for the first
// hardcopy of a run; from 10000 on the number is in scientific form ("1E4"), so names repeat.
std::string HardcopyName(std::int32_t counter);

// The folder the hardcopies go into: the hardcopy directory below `programFolder` when it
// exists and may be entered, otherwise the program folder itself. When a link stood on the
// way to the hardcopy directory (which is then not taken), `note` says so; it is left alone
// otherwise. Not open when the program folder is not.
Folder HardcopyFolder(const Folder& programFolder, std::string* note = nullptr);

// The hardcopy numbered `counter` in `folder`. No extension yet.
FileAt HardcopyFile(const Folder& folder, std::int32_t counter);

// How many taken numbers a hardcopy skips at most before it gives up.
inline constexpr std::int32_t kMaxSkippedHardcopies = 100000;

// The first hardcopy in `folder` from `counter` on whose ".jpg" file does not exist yet, so
// that the hardcopies of earlier runs are never replaced; `counter` moves on to that number.
// False when every name of the next kMaxSkippedHardcopies numbers is taken (and `counter`
// is left alone).
bool FreeHardcopyFile(const Folder& folder, std::int32_t& counter, FileAt& file);

// The name without the extension of its file-name part: the text from the last "." is cut
// when that point lies after the last "/".
std::string WithoutExtension(std::string_view name);

// The counter after one hardcopy. It stops at the largest value instead of overflowing.
std::int32_t NextHardcopyCounter(std::int32_t counter);

}  // namespace quorvel
