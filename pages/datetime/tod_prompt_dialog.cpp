#include "pages/datetime/tod_prompt_dialog.h"

#include <algorithm>

#include "common/calendar.h"

namespace quorvel {

TTodPromptDlg::TTodPromptDlg(Cues& cues)
    : ThreePartDialog(cues, "EditTod", "Time Of Day", "-./:_") {}

bool TTodPromptDlg::Run(Interaction& ui, double& timeOfDay) {
    m_timeOfDay = timeOfDay;
    if (!RunModal(ui)) {
        return false;
    }
    timeOfDay = m_timeOfDay;
    return true;
}

bool TTodPromptDlg::ReadParts(const ThreeParts& parts) {
    const std::optional<int> hours = PartValue(parts.first);
    const std::optional<int> minutes = PartValue(parts.second);
    const std::optional<int> seconds = PartValue(parts.third);
    if (!hours || !minutes || !seconds) {
        return false;
    }
    m_timeOfDay = std::clamp(*hours, 0, 24) * 3600.0 + std::clamp(*minutes, 0, 59) * 60.0 +
                  std::clamp(*seconds, 0, 59);
    return true;
}

std::string TTodPromptDlg::ValueText() const {
    return TimeOfDayText(m_timeOfDay);
}

}  // namespace quorvel
