#pragma once
// The one list of the calculator pages, in tab order. A page joins the program by its folder
// and one line here (with its header above); the window, its colour scheme and quorvel-cli
// all take the pages from this list.

#include "pages/mathtrig/mathtrig_page.h"
#include "pages/number/number_page.h"
#include "pages/page_entry.h"
#include "pages/pcm/pcm_page.h"
#include "pages/rf/rf_page.h"

namespace quorvel {

template <class... Pages>
struct PageTypeList {
    static constexpr int kSize = static_cast<int>(sizeof...(Pages));
};

// Pages whose calculators are not built yet.
struct DateTimePage : PlaceholderPage<DateTimePage> {
    static constexpr PageIdentity kIdentity{"DateTime", "Date/Time", "Date/Time Functions"};
};
struct Wg84Page : PlaceholderPage<Wg84Page> {
    static constexpr PageIdentity kIdentity{"Wg84", "WG 84", "WG84 Earth Functions"};
};
struct MiscCalcPage : PlaceholderPage<MiscCalcPage> {
    static constexpr PageIdentity kIdentity{"MiscCalc", "Misc", "Misc Functions"};
};

using RegisteredPageTypes = PageTypeList<RfPage, NumberPage, MathTrigPage, DateTimePage, Wg84Page,
                                         MiscCalcPage, PcmDataPage>;

}  // namespace quorvel
