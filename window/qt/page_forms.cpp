#include "window/qt/page_forms.h"

#include <array>
#include <utility>

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

std::unique_ptr<PageModel> CreatePageModel(int tabIndex, ProgramRun& run) {
    if (tabIndex < 0 || tabIndex >= kPageCount) {
        return nullptr;
    }
    return MakePageModel(tabIndex, run.Clock());
}

TPageForm* CreatePageForm(int tabIndex, TTabControl& tabControl, ProgramRun& run,
                          std::unique_ptr<PageModel> model) {
    if (tabIndex < 0 || tabIndex >= kPageCount || !model) {
        return nullptr;
    }
    PageFormContext context{tabControl, run, tabIndex, PageAt(tabIndex).colours, std::move(model)};
    TPageForm* form = kPageForms[static_cast<std::size_t>(tabIndex)](context);
    // Every page starts hidden: the host shows it when its tab is selected.
    form->hide();
    // A form made after the window was zoomed takes its zoom.
    FollowZoom(form);
    return form;
}

TPageForm* CreatePageForm(int tabIndex, TTabControl& tabControl, ProgramRun& run) {
    return CreatePageForm(tabIndex, tabControl, run, CreatePageModel(tabIndex, run));
}

}  // namespace quorvel
