#pragma once
// Dialogs open centred on the screen they belong to.

#include <QWidget>

namespace quorvel {

// Sizes the window to its contents and moves it to the middle of the available area of the
// screen its parent is on (the primary screen without a parent).
void CentreOnScreen(QWidget* window);

}  // namespace quorvel
