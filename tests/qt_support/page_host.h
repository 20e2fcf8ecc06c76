#pragma once
// One registered page's form on its own, as the window would hold it: a plain window of the
// main window's panel size in the program's font, holding a tab control with a tab for every
// registered page, the page's tab selected and its form made from the registry.

#include <QWidget>

#include "qt_support/window_fixture.h"
#include "shell/qt/page_form.h"

namespace quorvel {

class TTabControl;

namespace testing {

struct PageHost {
    // The form is made but not shown yet.
    explicit PageHost(int tab);
    // Shows the window and the page, and makes the window the active one.
    void Show();

    QuietRun quiet;
    QWidget window;
    TTabControl* tabs = nullptr;
    TPageForm* page = nullptr;
};

}  // namespace testing
}  // namespace quorvel
