#pragma once
// TMapPromptRaeDlg: one position seen from the other as range (nautical miles), azimuth and
// elevation (degrees).

#include <string_view>

#include "common/geodesy/earth.h"
#include "pages/wg84/position_entry_dialog.h"

namespace quorvel {

class TMapPromptRaeDlg final : public PositionEntryDialog {
public:
    explicit TMapPromptRaeDlg(Cues& cues);

    // Runs the dialog, captioned "Enter Range Az El " followed by `suffix` ("From Ref Geod"
    // for the target, "From Tgt Geod" for the reference), on the caller's range (nautical
    // miles), azimuth and elevation (radians). On OK reads EditRange (-20000 < nmi < 20000;
    // negative ranges pass) and EditAz and EditEl (any real, rounded to whole degrees with the
    // halves going down and brought into (-180, 180] degrees; an elevation beyond +-90
    // passes), keeps what each refused box held, writes the triple back and returns true.
    // Otherwise leaves the triple and returns false.
    bool Run(Interaction& ui, RaeVector& rae, std::string_view suffix);

private:
    RaeVector m_rae;
};

}  // namespace quorvel
