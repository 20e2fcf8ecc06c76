#include "shell/qt/page_forms.h"

#include <QLabel>
#include <QVBoxLayout>

#include <array>

#include "pages/number/qt/number_form.h"
#include "pages/page_catalog.h"
#include "pages/rf/qt/rf_form.h"

namespace quorvel {
namespace {

// A page's form goes into its slot here; an empty slot gets the empty page.
constexpr std::array<PageFormFactory, kPageCount> kPageForms{{
    &TRfForm::Create,      // RF
    &TNumberForm::Create,  // Number
    nullptr,               // Math/Trig
    nullptr,               // Date/Time
    nullptr,               // WG 84
    nullptr,               // Misc
    nullptr,               // PCM Data
}};

// A page whose calculator is not in this build: its caption in the middle of the page.
class TEmptyPageForm final : public TPageForm {
public:
    TEmptyPageForm(TTabControl& tabControl, ProgramRun& run, int tabIndex)
        : TPageForm(tabControl, MakePageModel(tabIndex), run, tabIndex) {
        auto* caption = new QLabel(Caption(), this);
        caption->setObjectName(QStringLiteral("LabelPageCaption"));
        caption->setAlignment(Qt::AlignCenter);
        auto* layout = new QVBoxLayout(this);
        layout->addWidget(caption);
    }
};

}  // namespace

TPageForm* CreatePageForm(int tabIndex, TTabControl& tabControl, ProgramRun& run) {
    if (tabIndex < 0 || tabIndex >= kPageCount) {
        return nullptr;
    }
    const PageFormFactory make = kPageForms[static_cast<std::size_t>(tabIndex)];
    TPageForm* form =
        make != nullptr ? make(tabControl, run) : new TEmptyPageForm(tabControl, run, tabIndex);
    // Every page starts hidden: the host shows the page of the selected tab as soon as the
    // pages exist, so showing several at creation only to hide them again made Qt lay out
    // and polish pages nobody sees, on the way to the first frame.
    form->hide();
    return form;
}

}  // namespace quorvel
