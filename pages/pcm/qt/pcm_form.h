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
//
// Right of them, the frame map (`PanelFrameMap`, "Frame Map"): the map itself
// (`PaintBoxFrameMap`, drawn for the room it has, its hover text naming the cell under the
// mouse) over the sample figures, which are value labels of the page like any other. A click
// on the map opens it larger in a window of its own (TFrameMapForm), which follows the page.

#include <QPointer>

#include "shell/qt/page_form.h"

class QMenu;

namespace quorvel {

class PcmDataPageModel;
class TFrameMapForm;
class TPictureView;

class TPcmDataForm final : public TPageForm {
    Q_OBJECT
public:
    explicit TPcmDataForm(PageFormContext& context);

    const PcmDataPageModel& PcmModel() const;
    // The submenu of PopupMenuBer that holds one item per PRN pattern.
    QMenu* PrnPatternMenu() const { return m_prnPatternMenu; }
    // The frame map on the page, and the larger window while it is open (nullptr otherwise).
    TPictureView* FrameMapView() const { return m_mapView; }
    TFrameMapForm* LargeMap() const;
    // Opens the larger window, or brings the open one to the front.
    void OpenLargeMap();

protected:
    // The PRN submenu's check mark: every item cleared, then the item of the selected
    // pattern checked; and the frame map drawn again, in the colours of the scheme.
    void ShowPageExtras() override;

private:
    QWidget* MakeFrameMapPanel(QWidget* parent);
    void ShowFrameMaps();

    QMenu* m_prnPatternMenu = nullptr;
    TPictureView* m_mapView = nullptr;
    QPointer<TFrameMapForm> m_largeMap;
};

}  // namespace quorvel
