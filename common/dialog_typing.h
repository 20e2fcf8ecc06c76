#pragma once
// Typing into a dialog box as a user does at the keyboard: the box's whole text is selected
// when the user enters it, so the first key the dialog lets through replaces it; each key goes
// through the dialog's key filter, and each accepted key changes the box's text at once, as an
// edit box reports every change. Then the box is left. The command-line front end and the
// tests type through this one function, so that both see what the window would.

#include <string>
#include <string_view>

#include "common/dialog_model.h"

namespace quorvel {

// Types `text` into `box` key by key and leaves the box. An empty text empties the box; a
// text whose every key is refused leaves the box as it was. Returns the keys let through.
std::string TypeIntoBox(DialogModel& dialog, std::string_view box, std::string_view text);

}  // namespace quorvel
