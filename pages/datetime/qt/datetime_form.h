#pragma once
// The Date/Time page's window: one panel `Panel1` filling the page, which opens `PopupMenu1`
// on a right click anywhere over it, holding a caption and the value label(s) of each form of
// the date and time, one per row. The values and rules live in DateTimePageModel; this form
// only builds the widgets by object name and connects the menu.
//
// Every value label is laid out at least as wide as the widest text it can show (a settings
// file may hold any number, and each count is at most its FormatNumber width), so that no
// value is ever clipped.

#include "shell/qt/page_form.h"

namespace quorvel {

class TDateTimeForm final : public TPageForm {
    Q_OBJECT
public:
    explicit TDateTimeForm(PageFormContext& context);
};

}  // namespace quorvel
