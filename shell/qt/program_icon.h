#pragma once
// The program's icon, a telemetry trace on a dark tile: the pictures the desktop installs
// (16 to 256 pixels, made from desktop/icons/quorvel.svg), built into the program so that
// its windows and its About box show them wherever it runs.

#include <QIcon>

namespace quorvel {

// The sizes, in pixels, of the pictures the icon holds.
inline constexpr int kProgramIconSizes[] = {16, 22, 24, 32, 48, 64, 128, 256};

QIcon ProgramWindowIcon();

}  // namespace quorvel
