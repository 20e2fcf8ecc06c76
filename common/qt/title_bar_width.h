#pragma once
// Dialogs whose title says something the user needs (a prompt's range, a solving dialog's
// instruction) are made wide enough for the window manager's title bar to show it whole.

#include <QString>

namespace quorvel {

// The width a title bar needs to show `title` whole: the text in the system's title font, and
// room for the window's icon and buttons (about six text heights).
int TitleBarWidth(const QString& title);

}  // namespace quorvel
