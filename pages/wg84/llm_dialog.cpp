#include "pages/wg84/llm_dialog.h"

#include "common/number_text.h"

namespace quorvel {
namespace {

enum Box : std::size_t { kLat, kLong, kMsl };

constexpr double kLowestFeet = -300;
constexpr double kHighestFeet = 200000;

}  // namespace

TMapPromptLlmDlg::TMapPromptLlmDlg(Cues& cues)
    : PositionEntryDialog(cues, "TMapPromptLlmDlg",
                          {{"EditLat", "Latitude (deg min sec.xxx)",
                            "There must be a space between the degrees minutes and seconds"},
                           {"EditLong", "Longitude (deg min sec.xxx)"},
                           {"EditMsl", "Msl (feet)"}}) {
    SetCaption("Enter Lat Long Msl");
}

bool TMapPromptLlmDlg::Run(Interaction& ui, LlmPosition& position) {
    m_position = position;
    SetText(kLat, LatLongText(m_position.latitude * kDialogDegreesPerRadian));
    SetText(kLong, LatLongText(m_position.longitude * kDialogDegreesPerRadian));
    SetText(kMsl, FormatNumber(8, 2, m_position.altitude * FEET_PER_NMI));
    if (!RunModal(ui)) {
        return false;
    }
    ReadDms(kLat, true, m_position.latitude);
    ReadDms(kLong, false, m_position.longitude);
    double feet = 0;
    if (ReadBetween(kMsl, kLowestFeet, kHighestFeet, feet)) {
        m_position.altitude = feet * kDialogNmiPerFoot;
    }
    position = m_position;
    return true;
}

}  // namespace quorvel
