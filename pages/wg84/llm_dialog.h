#pragma once
// TMapPromptLlmDlg: a geodetic position edited as latitude and longitude in degrees, minutes
// and seconds and an altitude ("Msl") in feet.

#include "common/geodesy/earth.h"
#include "pages/wg84/position_entry_dialog.h"

namespace quorvel {

class TMapPromptLlmDlg final : public PositionEntryDialog {
public:
    explicit TMapPromptLlmDlg(Cues& cues);

    // Runs the dialog on the caller's position (radians, radians, nautical miles). On OK reads
    // EditLat (a latitude within +-70 degrees), EditLong (a longitude within +-179 degrees,
    // except that exactly +-180 00 00, which the longitude limit shows as, reads as itself)
    // and EditMsl (-300 < feet < 200000), keeps what each refused box held, writes the
    // position back and returns true. Otherwise leaves the position and returns false. The
    // position is not limited here: -250 ft comes back as it is.
    bool Run(Interaction& ui, LlmPosition& position);

private:
    LlmPosition m_position;
};

}  // namespace quorvel
