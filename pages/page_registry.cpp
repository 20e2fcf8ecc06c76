#include "pages/page_registry.h"

#include <array>

#include "common/number_text.h"

namespace quorvel {
namespace {

template <class... Pages>
constexpr std::array<PageEntry, sizeof...(Pages)> EntriesOf(PageTypeList<Pages...>) {
    return {{{Pages::kIdentity, Pages::kColours, &Pages::MakeModel}...}};
}

constexpr auto kPages = EntriesOf(RegisteredPageTypes{});

}  // namespace

std::span<const PageEntry> RegisteredPages() {
    return kPages;
}

const PageEntry& PageAt(int tabIndex) {
    return kPages.at(static_cast<std::size_t>(tabIndex));
}

std::optional<int> FindPage(std::string_view sectionOrTab) {
    for (int i = 0; i < kPageCount; ++i) {
        const PageIdentity& page = kPages[static_cast<std::size_t>(i)].identity;
        if (SameIgnoringCase(sectionOrTab, page.section) ||
            SameIgnoringCase(sectionOrTab, page.tab)) {
            return i;
        }
    }
    return std::nullopt;
}

std::unique_ptr<PageModel> MakePageModel(int tabIndex, ClockSource& clock) {
    return PageAt(tabIndex).makeModel(PageContext{clock});
}

}  // namespace quorvel
