#pragma once
// The Misc page's window. `PanelMain` fills the page and holds the four calculator panels in
// two columns: `Panel4` (the vector, opens `PopupMenu1`) over `Panel2` (the speed,
// `PopupMenu3`) on the left, `Panel1` (the distance, `PopupMenu2`) over `Panel3` (the
// acceleration, `PopupMenu4`) on the right, so that both columns hold seven rows. The values
// and rules live in MiscCalcPageModel; this form only builds the widgets by object name and
// connects the menus.
//
// Every value label is laid out at least as wide as the widest text FormatNumber(8, 3) can
// give, so that no value is ever clipped.

#include "shell/qt/page_form.h"

namespace quorvel {

class TMiscCalcForm final : public TPageForm {
    Q_OBJECT
public:
    explicit TMiscCalcForm(PageFormContext& context);
};

}  // namespace quorvel
