#include "pages/wg84/rae_dialog.h"

#include <string>

#include "common/number_text.h"

namespace quorvel {
namespace {

enum Box : std::size_t { kRange, kAz, kEl };

constexpr double kRangeLimitNmi = 20000;

}  // namespace

TMapPromptRaeDlg::TMapPromptRaeDlg(Cues& cues)
    : PositionEntryDialog(cues, "TMapPromptRaeDlg",
                          {{"EditRange", "Range (Nmi)"},
                           {"EditAz", "Azimuth (degrees)"},
                           {"EditEl", "Elevation (degrees)"}}) {
    SetCaption("Enter Range Az El ");
}

bool TMapPromptRaeDlg::Run(Interaction& ui, RaeVector& rae, std::string_view suffix) {
    SetCaption("Enter Range Az El " + std::string(suffix));
    m_rae = rae;
    SetText(kRange, FormatNumber(8, 2, m_rae.range));
    SetText(kAz, FormatNumber(8, 2, m_rae.azimuth * kDialogDegreesPerRadian));
    SetText(kEl, FormatNumber(8, 2, m_rae.elevation * kDialogDegreesPerRadian));
    if (!RunModal(ui)) {
        return false;
    }
    ReadBetween(kRange, -kRangeLimitNmi, kRangeLimitNmi, m_rae.range);
    ReadWholeDegrees(kAz, m_rae.azimuth);
    ReadWholeDegrees(kEl, m_rae.elevation);
    rae = m_rae;
    return true;
}

}  // namespace quorvel
