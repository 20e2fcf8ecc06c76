#include "pages/wg84/miss_dist_dialog.h"

#include "common/geodesy/horizon.h"
#include "common/number_text.h"

namespace quorvel {
namespace {

enum Box : std::size_t { kDx, kDy };

// 100 nautical miles in feet, a hair short of 100 x 6076.115489.
constexpr double kLimitFeet = 607611.5488999999;

}  // namespace

TMapPromptMissDistDlg::TMapPromptMissDistDlg(Cues& cues)
    : PositionEntryDialog(cues, "TMapPromptMissDistDlg",
                          {{"EditDx", "Dx (Ft)"}, {"EditDy", "Dy (Ft)"}}) {
    SetCaption("Enter Dx Dy");
}

bool TMapPromptMissDistDlg::Run(Interaction& ui, double& dxNmi, double& dyNmi) {
    SetCaption("Enter Dx Dy");
    m_dxFeet = dxNmi * FEET_PER_NMI;
    m_dyFeet = dyNmi * FEET_PER_NMI;
    SetText(kDx, FormatNumber(8, 2, m_dxFeet));
    SetText(kDy, FormatNumber(8, 2, m_dyFeet));
    if (!RunModal(ui)) {
        return false;
    }
    ReadBetween(kDx, -kLimitFeet, kLimitFeet, m_dxFeet);
    ReadBetween(kDy, -kLimitFeet, kLimitFeet, m_dyFeet);
    dxNmi = m_dxFeet * kDialogNmiPerFoot;
    dyNmi = m_dyFeet * kDialogNmiPerFoot;
    return true;
}

}  // namespace quorvel
