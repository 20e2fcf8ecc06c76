#pragma once
// The models and forms of the registered pages, by tab index. Each page's model comes from
// the registry with the program run's clock; its form comes from its registry entry (its
// MakeForm, in the page's own qt/ folder) and takes over that model.

#include <memory>

#include "shell/qt/page_form.h"

namespace quorvel {

class ProgramRun;
class TTabControl;

// A new model for the page at tab index 0..kPageCount - 1, with its creation defaults
// (nullptr for any other index).
std::unique_ptr<PageModel> CreatePageModel(int tabIndex, ProgramRun& run);

// The form of the page at tab index 0..kPageCount - 1 over `model`, which it takes (nullptr
// for any other index or without a model), a child of the tab control's client area, hidden.
TPageForm* CreatePageForm(int tabIndex, TTabControl& tabControl, ProgramRun& run,
                          std::unique_ptr<PageModel> model);
// The same over a new model with its creation defaults.
TPageForm* CreatePageForm(int tabIndex, TTabControl& tabControl, ProgramRun& run);

}  // namespace quorvel
