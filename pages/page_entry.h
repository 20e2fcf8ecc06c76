#pragma once
// What a page gives the page registry. Each page's folder describes its page in one type:
//
//     struct RfPage {
//         static constexpr PageIdentity kIdentity{"RF", "RF", "RF Functions"};
//         static constexpr PageColourTargets kColours{...};
//         static std::unique_ptr<PageModel> MakeModel(const PageContext& context);
//         static TPageForm* MakeForm(PageFormContext& context);
//     };
//
// MakeModel lives with the page model; MakeForm lives with the page's form in its qt/ folder
// and is only ever taken by the window, so that the toolkit-free code and quorvel-cli never
// need the form.

#include <memory>

#include "diag/clock_source.h"
#include "shell/page_model.h"

namespace quorvel {

class TPageForm;
struct PageFormContext;

// What a page model may need when it is made: the clock it reads its local time from (the
// window's clock, or the fixed time of quorvel-cli --now).
struct PageContext {
    ClockSource& clock;
};

// A page whose calculator is not built yet: its captions, no values, no settings.
class EmptyPageModel final : public PageModel {
public:
    using PageModel::PageModel;
    std::span<const SettingKey> SettingKeys() const override { return {}; }
    DisplayList Display() const override { return {}; }

protected:
    void ReadSettings(const IniStore&) override {}
    void WriteSettings(IniStore&) const override {}
};

// The registry entry of such a page: `Page` gives only its kIdentity. Its form, the page
// caption in the middle of the page, is made on the window's side.
template <class Page>
struct PlaceholderPage {
    static constexpr PageColourTargets kColours{};
    static std::unique_ptr<PageModel> MakeModel(const PageContext&) {
        return std::make_unique<EmptyPageModel>(Page::kIdentity);
    }
    static TPageForm* MakeForm(PageFormContext& context);
};

}  // namespace quorvel
