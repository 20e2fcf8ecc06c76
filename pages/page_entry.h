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

}  // namespace quorvel
