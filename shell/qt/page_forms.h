#pragma once
// The forms of the seven pages, by tab index. This is the one place a page's form is plugged
// in: until then its tab holds an empty page that shows the page caption and keeps no
// settings.

#include "shell/qt/page_form.h"

namespace quorvel {

class ProgramRun;
class TTabControl;

// Makes a page's form as a child of the tab control's client area, not yet shown.
using PageFormFactory = TPageForm* (*)(TTabControl& tabControl, ProgramRun& run);

// The form of the page at tab index 0..6 (nullptr for any other index).
TPageForm* CreatePageForm(int tabIndex, TTabControl& tabControl, ProgramRun& run);

}  // namespace quorvel
