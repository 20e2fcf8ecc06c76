#pragma once
// The PCM Data page's window. `PanelMain` fills the page and holds three panels, one above the
// other, each under its heading label and each opening its own popup menu: the frame basics
// and rates (`PanelBasics`, "Basic Frame Info", `PopupMenuBasic`), the data word
// (`PanelDataWord`, "Data Word Info", `PopupMenuDataWord`) and the PRN pattern (`PanelBert`,
// "BER Info", `PopupMenuBer`). The values and rules live in PcmDataPageModel; this form only
// builds the widgets by object name and connects them.
//
// The values of all three panels stand in one column, each label laid out at least as wide as
// the widest text it can show (twelve characters), so that no value is ever clipped.

#include "shell/qt/page_form.h"

class QMenu;

namespace quorvel {

class TPcmDataForm final : public TPageForm {
    Q_OBJECT
public:
    explicit TPcmDataForm(PageFormContext& context);

    // The submenu of PopupMenuBer that holds one item per PRN pattern.
    QMenu* PrnPatternMenu() const { return m_prnPatternMenu; }

protected:
    // The PRN submenu's check mark: every item cleared, then the item of the selected
    // pattern checked.
    void ShowPageExtras() override;

private:
    QMenu* m_prnPatternMenu = nullptr;
};

}  // namespace quorvel
