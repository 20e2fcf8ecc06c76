#pragma once
// The WG 84 page's window. `PanelMain` fills the page and holds the reference block `Panel1`
// and the target block `Panel2` side by side, and the miss panel `Panel6` under them. Each
// block has its heading, its geodetic panel (`Panel3`, `Panel9` for the target: latitude,
// longitude, Msl, ellipsoid altitude, horizon), its sub-heading, its East/North/Up panel
// (`Panel4`, `Panel10`: nautical miles and feet) and its range panel (`Panel5`, `Panel11`:
// slant and ground range, azimuth, elevation). A right click on a block opens its popup menu
// (`PopupMenuRef`, `PopupMenuTgt`); one on the miss panel opens the Dx/Dy dialog at once. The
// values and rules live in Wg84PageModel; this form only builds the widgets by object name
// and attaches the menus.
//
// "Line Of Sight..." at the end of both menus opens the "Line of Sight" window
// (line_of_sight_form.h), one at a time; while it is open every redisplay of the page redraws
// it.
//
// Every value label asks for the room of the widest text it can show (a longitude
// "-179 59 59.999", eight characters of nautical miles, twelve of feet), so no value is
// clipped and the columns stay put when values change.

#include <QPointer>

#include "shell/qt/page_form.h"

namespace quorvel {

class TLineOfSightForm;

class TWg84Form final : public TPageForm {
    Q_OBJECT
public:
    explicit TWg84Form(PageFormContext& context);

    // The line-of-sight window, shown and brought to the front (made when none is open).
    TLineOfSightForm* OpenLineOfSight();
    // The open line-of-sight window, or nullptr.
    TLineOfSightForm* LineOfSightWindow() const;

protected:
    // The open line-of-sight window follows the page.
    void ShowPageExtras() override;

private:
    void ShowLineOfSight();

    QPointer<TLineOfSightForm> m_lineOfSight;
};

}  // namespace quorvel
