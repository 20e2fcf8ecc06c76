#include "pages/wg84/llm_dialog.h"

#include <cmath>
#include <cstdint>
#include <string>

#include "common/number_text.h"

namespace quorvel {
namespace {

enum Box : std::size_t { kLat, kLong, kMsl };

constexpr double kLowestFeet = -300;
constexpr double kHighestFeet = 200000;

// True when the text's whole degrees are 180 or -180.
bool DegreesAreHalfTurn(std::string_view text) {
    std::int32_t degrees = 0;
    return ParseInt(TextBefore(StripLeading(' ', text), " "), degrees) &&
           (degrees == 180 || degrees == -180);
}

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
    // A longitude at the limit, half a turn, shows as "-180 00 00.000" (or "180 00 00.000"),
    // which the degrees-minutes-seconds reading holds to 179 degrees: OK on the untouched
    // dialog would move the position by a whole degree. Exactly half a turn reads as itself;
    // any other text beyond 179 degrees is held to 179 as before.
    if (ReadDms(kLong, false, m_position.longitude) &&
        std::abs(m_position.longitude) == 179 * kDialogRadiansPerDegree &&
        DegreesAreHalfTurn(BoxText("EditLong"))) {
        m_position.longitude = std::copysign(180 * kDialogRadiansPerDegree, m_position.longitude);
    }
    double feet = 0;
    if (ReadBetween(kMsl, kLowestFeet, kHighestFeet, feet)) {
        m_position.altitude = feet * kDialogNmiPerFoot;
    }
    position = m_position;
    return true;
}

}  // namespace quorvel
