#pragma once
// A small modal entry dialog, apart from any window toolkit: a caption, edit boxes in tab
// order, and the events a user causes in them. The window shows it with real edit boxes named
// after the boxes; the command-line front end and the tests drive the same events with text.
//
// The pattern every dialog follows: the dialog works on its own copy of the caller's values;
// Ok() copies them back, Cancel() (also Escape or the close box) leaves the caller untouched.

#include <string>
#include <string_view>
#include <vector>

namespace quorvel {

struct DialogBox {
    std::string name;       // object name of the edit box, for example "EditVswr"
    std::string caption;    // the label beside it, for example "VSWR"
    std::string hint = {};  // the box's tool tip, empty for none
    // Object name of the label, where the dialog names it ("Label1"); empty for "Label"
    // followed by the box's name.
    std::string labelName = {};
};

class DialogModel {
public:
    virtual ~DialogModel() = default;
    // Object name of the dialog, for example "TVswrPromptDlg".
    virtual std::string_view Name() const = 0;
    virtual std::string Caption() const = 0;
    virtual std::vector<DialogBox> Boxes() const = 0;
    // What the box shows now.
    virtual std::string BoxText(std::string_view box) const = 0;
    // A key typed into a box: false when the dialog refuses it (it sounds its own cue).
    virtual bool KeyPress(std::string_view box, char key) = 0;
    // The box's text was changed by the user (typing, pasting, deleting).
    virtual void SetBoxText(std::string_view box, std::string text) = 0;
    // The box lost the focus: the dialog reads its boxes, solves and redisplays.
    virtual void BoxExit(std::string_view box) = 0;
    virtual void Ok() = 0;
    virtual void Cancel() = 0;
    // True unless the dialog was closed with Ok().
    virtual bool Cancelled() const = 0;
    // Where Tab goes after the last box: OK, then Cancel, unless the dialog puts Cancel
    // first.
    virtual bool CancelBeforeOk() const { return false; }
};

}  // namespace quorvel
