#include "pages/wg84/enu_dialog.h"

#include <string>

#include "common/number_text.h"

namespace quorvel {
namespace {

enum Box : std::size_t { kEast, kNorth, kUp };

constexpr double kHorizontalLimitNmi = 20000;
constexpr double kUpLimitFeet = 200000;

}  // namespace

TMapPromptEnuDlg::TMapPromptEnuDlg(Cues& cues)
    : PositionEntryDialog(
          cues, "TMapPromptEnuDlg",
          {{"EditEast", "East (Nmi)"}, {"EditNorth", "North (Nmi)"}, {"EditUp", "Up (Feet)"}}) {
    SetCaption("Enter East North Up ");
}

bool TMapPromptEnuDlg::Run(Interaction& ui, EnuVector& offset, std::string_view suffix) {
    SetCaption("Enter East North Up " + std::string(suffix));
    m_offset = offset;
    SetText(kEast, FormatNumber(12, 4, m_offset.east));
    SetText(kNorth, FormatNumber(12, 4, m_offset.north));
    SetText(kUp, FormatNumber(8, 2, m_offset.up * FEET_PER_NMI));
    if (!RunModal(ui)) {
        return false;
    }
    ReadBetween(kEast, -kHorizontalLimitNmi, kHorizontalLimitNmi, m_offset.east);
    ReadBetween(kNorth, -kHorizontalLimitNmi, kHorizontalLimitNmi, m_offset.north);
    double feet = 0;
    if (ReadBetween(kUp, -kUpLimitFeet, kUpLimitFeet, feet)) {
        m_offset.up = feet * kDialogNmiPerFoot;
    }
    offset = m_offset;
    return true;
}

}  // namespace quorvel
