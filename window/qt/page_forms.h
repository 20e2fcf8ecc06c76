#pragma once
// The forms of the registered pages, by tab index. Each page's form comes from its registry
// entry (its MakeForm, in the page's own qt/ folder), over the model the registry makes for
// it with the program run's clock.

#include "shell/qt/page_form.h"

namespace quorvel {

class ProgramRun;
class TTabControl;

// The form of the page at tab index 0..kPageCount - 1 (nullptr for any other index), a
// child of the tab control's client area, not yet shown.
TPageForm* CreatePageForm(int tabIndex, TTabControl& tabControl, ProgramRun& run);

}  // namespace quorvel
