#include "support/page_model_checks.h"

namespace quorvel::testing {

std::string Shown(const PageModel& page, std::string_view name) {
    for (const DisplayItem& item : page.Display()) {
        if (item.name == name) {
            return item.text;
        }
    }
    return "<not listed>";
}

std::vector<std::string> Captions(const PopupMenu& menu) {
    std::vector<std::string> captions;
    for (const MenuItem& item : menu.items) {
        captions.push_back(item.caption);
    }
    return captions;
}

}  // namespace quorvel::testing
