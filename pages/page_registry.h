#pragma once
// The calculator pages in tab order, as the window and quorvel-cli see them: each page's
// identity, its colour targets and the maker of its model. The list itself is
// pages/page_list.h; the window makes each page's form from the same list.

#include <memory>
#include <optional>
#include <span>
#include <string_view>

#include "pages/page_entry.h"
#include "pages/page_list.h"

namespace quorvel {

struct PageEntry {
    PageIdentity identity;
    PageColourTargets colours;
    std::unique_ptr<PageModel> (*makeModel)(const PageContext& context);
};

// The number of pages, and of the window's tabs.
inline constexpr int kPageCount = RegisteredPageTypes::kSize;

// Every page, in tab order.
std::span<const PageEntry> RegisteredPages();
// The page at a tab index 0..kPageCount - 1.
const PageEntry& PageAt(int tabIndex);
// The tab index of a page named by its section name or its tab caption, matched without
// regard to letter case.
std::optional<int> FindPage(std::string_view sectionOrTab);
// A new page model for the tab index, with its creation defaults. Pages that read the clock
// (the Date/Time page) read it from `clock`.
std::unique_ptr<PageModel> MakePageModel(int tabIndex, ClockSource& clock = SystemClock());

}  // namespace quorvel
