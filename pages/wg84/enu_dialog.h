#pragma once
// TMapPromptEnuDlg: the East/North/Up offset of one position from the other, east and north
// in nautical miles, up in feet.

#include <string_view>

#include "common/geodesy/earth.h"
#include "pages/wg84/position_entry_dialog.h"

namespace quorvel {

class TMapPromptEnuDlg final : public PositionEntryDialog {
public:
    explicit TMapPromptEnuDlg(Cues& cues);

    // Runs the dialog, captioned "Enter East North Up " followed by `suffix` ("From Ref Geod"
    // for the target's offset, "From Tgt Geod" for the reference's), on the caller's offset
    // (nautical miles). On OK reads EditEast and EditNorth (-20000 < nmi < 20000) and EditUp
    // (-200000 < feet < 200000), keeps what each refused box held, writes the offset back and
    // returns true. Otherwise leaves the offset and returns false.
    bool Run(Interaction& ui, EnuVector& offset, std::string_view suffix);

private:
    EnuVector m_offset;
};

}  // namespace quorvel
