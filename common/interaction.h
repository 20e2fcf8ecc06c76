#pragma once
// How a page command reaches the user: the text-entry box, the page's own dialogs, the cues
// and the few notices. The window answers with real dialogs; the command-line front end and
// the tests answer with scripted text.

#include <string>
#include <string_view>

#include "common/cues.h"
#include "common/dialog_model.h"

namespace quorvel {

class Interaction {
public:
    virtual ~Interaction() = default;
    virtual Cues& cues() = 0;
    // The text-entry box: a title, a prompt, an edit of at most 255 characters prefilled with
    // defaultText (all selected), OK and Cancel. Returns the edited text on OK and defaultText
    // unchanged on Cancel or close.
    virtual std::string InputBox(std::string_view title, std::string_view prompt,
                                 std::string_view defaultText) = 0;
    // Runs the dialog modally; true when it was closed with OK.
    virtual bool RunDialog(DialogModel& dialog) = 0;
    // A plain message box with an OK button.
    virtual void ShowMessage(std::string_view text) = 0;
};

}  // namespace quorvel
