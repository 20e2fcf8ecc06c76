#pragma once
// What the page model tests read a page by: the text it shows in a control, the captions of a
// menu, and a page loaded from a settings text.

#include <string>
#include <string_view>
#include <vector>

#include "shell/ini_store.h"
#include "shell/page_model.h"

namespace quorvel::testing {

// The text the page shows in the control, or "<not listed>" when the page does not list it.
std::string Shown(const PageModel& page, std::string_view name);

// The captions of the menu's items, in order.
std::vector<std::string> Captions(const PopupMenu& menu);

// A page with its creation defaults, loaded from the settings text.
template <class Model>
Model Loaded(const std::string& iniText) {
    Model page;
    page.LoadSettings(IniText(iniText));
    return page;
}

// The same from the lines of the page's own section, its heading added.
template <class Model>
Model LoadedSection(const std::string& lines) {
    Model page;
    page.LoadSettings(IniText("[" + std::string(page.SectionName()) + "]\r\n" + lines));
    return page;
}

}  // namespace quorvel::testing
