#include "common/dialog_typing.h"

namespace quorvel {

std::string TypeIntoBox(DialogModel& dialog, std::string_view box, std::string_view text) {
    std::string typed;
    for (char key : text) {
        if (dialog.KeyPress(box, key)) {
            typed += key;
            dialog.SetBoxText(box, typed);
        }
    }
    if (text.empty()) {
        // Nothing to type: the user deletes the selected text. When every key was refused,
        // the box keeps its text, as the selection does in the window.
        dialog.SetBoxText(box, std::string());
    }
    dialog.BoxExit(box);
    return typed;
}

}  // namespace quorvel
