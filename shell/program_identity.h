#pragma once
// The program's own names and the texts of its host: version, program word, file names, the
// host's settings section and keys.

#include <string_view>

namespace quorvel {

inline constexpr std::string_view kProgramVersion = "2.05";
inline constexpr std::string_view kProgramWord = "QuorvelII";
// The log directory, relative to the program directory (a program path text).
inline constexpr std::string_view kLogDirectory = "\\SYSTEM\\ERLOGS\\";
inline constexpr std::string_view kSettingsFileName = "QuorvelII.Cfg";
inline constexpr std::string_view kCaptionInfix = "  Ver ";
// The maker's copyright line (About box, --version).
inline constexpr std::string_view kCopyrightLine = "Copyright (C) 2025 Kelmor Instruments";
// The product title the About box shows as its comments line.
inline constexpr std::string_view kProductTitle =
    "Engineering calculator for telemetry and test ranges";

inline constexpr std::string_view kHostSection = "MiscInfo";
inline constexpr std::string_view kScreenPosXKey = "ScreenPosX";
inline constexpr std::string_view kScreenPosYKey = "ScreenPosY";
inline constexpr std::string_view kPageControlKey = "PageControl";
// The window's zoom in per cent (common/zoom.h).
inline constexpr std::string_view kZoomKey = "Zoom";

inline constexpr std::string_view kAbnormalTerminationText = "Abnormal Program Termination";
inline constexpr int kAbnormalTerminationCode = 5000;

// Where the window opens before any saved position is applied.
inline constexpr int kStartLeft = 100;
inline constexpr int kStartTop = 100;

}  // namespace quorvel
