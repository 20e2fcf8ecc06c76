#pragma once
// TMapPromptMissDistDlg: the two components of a miss distance, edited in feet.

#include "pages/wg84/position_entry_dialog.h"

namespace quorvel {

class TMapPromptMissDistDlg final : public PositionEntryDialog {
public:
    explicit TMapPromptMissDistDlg(Cues& cues);

    // Runs the dialog on the caller's Dx and Dy (nautical miles), shown in feet. On OK reads
    // EditDx and EditDy (each within +-100 nmi in feet, bounds excluded), keeps what each
    // refused box held, and writes both back converted from feet, so that even an untouched
    // value makes the round trip through feet; returns true. Otherwise leaves both and
    // returns false.
    bool Run(Interaction& ui, double& dxNmi, double& dyNmi);

private:
    double m_dxFeet = 0;
    double m_dyFeet = 0;
};

}  // namespace quorvel
