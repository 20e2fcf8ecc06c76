#pragma once
// The one list of the calculator pages, in tab order. A page joins the program by its folder
// and one line here (with its header above); the window, its colour scheme and quorvel-cli
// all take the pages from this list.

#include "pages/datetime/datetime_page.h"
#include "pages/mathtrig/mathtrig_page.h"
#include "pages/misc/misc_page.h"
#include "pages/number/number_page.h"
#include "pages/page_entry.h"
#include "pages/pcm/pcm_page.h"
#include "pages/rf/rf_page.h"
#include "pages/wg84/wg84_page.h"

namespace quorvel {

template <class... Pages>
struct PageTypeList {
    static constexpr int kSize = static_cast<int>(sizeof...(Pages));
};

using RegisteredPageTypes = PageTypeList<RfPage, NumberPage, MathTrigPage, DateTimePage, Wg84Page,
                                         MiscCalcPage, PcmDataPage>;

}  // namespace quorvel
