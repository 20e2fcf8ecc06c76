#pragma once
// Where a hardcopy goes: the numbered file name, the hardcopy directory, the extension rule.
// Names are the program's own path texts ("\" separators); NativePath makes them usable.

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

// The name without the extension of its file-name part: the text from the last "." is cut
// when that point lies after the last separator ("\" or "/").
std::string WithoutExtension(std::string_view name);

// The counter after one hardcopy. It stops at the largest value instead of overflowing.
std::int32_t NextHardcopyCounter(std::int32_t counter);

}  // namespace quorvel
