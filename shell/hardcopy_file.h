#pragma once
// Where a hardcopy goes: the numbered file name, the hardcopy directory, the extension rule.
// The paths returned are file-system paths: the program directory as it stands, followed by
// the hardcopy directory made native.

#include <cstdint>
#include <string>
#include <string_view>

namespace quorvel {

inline constexpr std::string_view kHardcopyPrefix = "QuorvelIIHdcpy_";
// The hardcopy directory, relative to the program directory. The program never creates it.
inline constexpr std::string_view kHardcopyDirectory = "\\Files\\Hardcopies\\";

// "QuorvelIIHdcpy_" + FormatNumber(4, 0, counter): "QuorvelIIHdcpy_0" for the first
// hardcopy of a run; from 10000 on the number is in scientific form ("1E4"), so names repeat.
std::string HardcopyName(std::int32_t counter);

// The name of the hardcopy numbered `counter`, in the hardcopy directory under
// `programDirectory` when that directory exists, otherwise the bare name, which the file
// system takes in the current directory. No extension yet.
std::string HardcopyPath(std::string_view programDirectory, std::int32_t counter);

// How many taken numbers a hardcopy skips at most before it gives up.
inline constexpr std::int32_t kMaxSkippedHardcopies = 100000;

// The path (no extension) of the first hardcopy from `counter` on whose ".jpg" file does not
// exist yet, so that the hardcopies of earlier runs are never replaced; `counter` moves on to
// that number. False when every name of the next kMaxSkippedHardcopies numbers is taken (and
// `counter` is left alone).
bool FreeHardcopyPath(std::string_view programDirectory, std::int32_t& counter, std::string& path);

// The name without the extension of its file-name part: the text from the last "." is cut
// when that point lies after the last "/".
std::string WithoutExtension(std::string_view name);

// The counter after one hardcopy. It stops at the largest value instead of overflowing.
std::int32_t NextHardcopyCounter(std::int32_t counter);

}  // namespace quorvel
