#pragma once
// What the Date/Time page tests share: a page made on a chosen local moment, optionally with
// a settings section; the text it shows in a label is support/page_model_checks.h's Shown.

#include <string>

#include "diag/clock_source.h"
#include "pages/datetime/datetime_page.h"
#include "shell/ini_store.h"
#include "support/fake_clock.h"
#include "support/page_model_checks.h"

namespace quorvel::testing {

// 2006-02-14 13:45:30.250, a Tuesday of a common year, day 45.
inline CalendarReading Valentines2006() {
    return CalendarReading{2006, 2, 14, 13, 45, 30, 250};
}

// The page as made with the fake clock at `now`, then loaded from `iniText` when given.
inline DateTimePageModel MadeAt(const CalendarReading& now, const std::string& iniText = {}) {
    FakeClock clock(now);
    DateTimePageModel page(clock);
    if (!iniText.empty()) {
        page.LoadSettings(IniText(iniText));
    }
    return page;
}

}  // namespace quorvel::testing
