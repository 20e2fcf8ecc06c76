#pragma once
// The seven calculator pages in tab order, as page models. The window builds its forms from
// this list and the command-line front end finds pages in it. A page that is not built yet is
// an empty page with its captions, which keeps no settings.

#include <memory>
#include <optional>
#include <string_view>

#include "diag/clock_source.h"
#include "shell/page_model.h"

namespace quorvel {

inline constexpr int kPageCount = 7;

struct PageIdentity {
    std::string_view section;  // settings section, "RF"
    std::string_view tab;      // tab caption, 'RF'
    std::string_view caption;  // page caption, "RF Functions"
};

// The identity of the page at a tab index 0..6.
const PageIdentity& PageIdentityAt(int tabIndex);
// The tab index of a page named by its section name or its tab caption, matched without
// regard to letter case.
std::optional<int> FindPage(std::string_view sectionOrTab);
// A new page model for the tab index 0..6, with its creation defaults. Pages that read the
// clock (the Date/Time page) read it from `clock`.
std::unique_ptr<PageModel> MakePageModel(int tabIndex, ClockSource& clock = SystemClock());

}  // namespace quorvel
