#include "window/qt/page_forms.h"

#include <array>

#include "common/qt/zoom_applier.h"
#include "diag/program_run.h"
#include "pages/page_registry.h"

namespace quorvel {
namespace {

using PageFormFactory = TPageForm* (*)(PageFormContext& context);

template <class... Pages>
constexpr std::array<PageFormFactory, sizeof...(Pages)> FormFactoriesOf(PageTypeList<Pages...>) {
    return {&Pages::MakeForm...};
}

constexpr auto kPageForms = FormFactoriesOf(RegisteredPageTypes{});

}  // namespace

TPageForm* CreatePageForm(int tabIndex, TTabControl& tabControl, ProgramRun& run) {
    if (tabIndex < 0 || tabIndex >= kPageCount) {
        return nullptr;
    }
    const PageEntry& entry = PageAt(tabIndex);
    PageFormContext context{tabControl, run, tabIndex, entry.colours,
                            entry.makeModel(PageContext{run.Clock()})};
    TPageForm* form = kPageForms[static_cast<std::size_t>(tabIndex)](context);
    // Every page starts hidden: the host shows the page of the selected tab as soon as the
    // pages exist, so showing several at creation only to hide them again made Qt lay out
    // and polish pages nobody sees, on the way to the first frame.
    form->hide();
    // A form made after the window was zoomed takes its zoom.
    FollowZoom(form);
    return form;
}

}  // namespace quorvel
