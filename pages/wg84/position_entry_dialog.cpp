#include "pages/wg84/position_entry_dialog.h"

#include "common/geodesy/map_utils.h"
#include "common/number_text.h"
#include "common/prompts.h"
#include "common/safe_math.h"

namespace quorvel {

PositionEntryDialog::PositionEntryDialog(Cues& cues, std::string_view name,
                                         std::vector<DialogBox> boxes)
    : m_cues(cues), m_name(name), m_boxes(std::move(boxes)), m_texts(m_boxes.size()) {}

std::string PositionEntryDialog::BoxText(std::string_view box) const {
    const int i = BoxIndex(box);
    return i < 0 ? std::string() : m_texts[static_cast<std::size_t>(i)];
}

bool PositionEntryDialog::KeyPress(std::string_view box, char key) {
    if (BoxIndex(box) != 0) {
        return true;
    }
    return DialogKeyAllowed(key, m_cues);
}

void PositionEntryDialog::SetBoxText(std::string_view box, std::string text) {
    const int i = BoxIndex(box);
    if (i >= 0) {
        m_texts[static_cast<std::size_t>(i)] = std::move(text);
    }
}

bool PositionEntryDialog::RunModal(Interaction& ui) {
    m_cancelled = true;
    ui.RunDialog(*this);
    // The dialog's own flag decides: only the OK button clears it.
    return !m_cancelled;
}

bool PositionEntryDialog::ReadBetween(std::size_t box, double low, double high, double& value) {
    double read = 0;
    // Written so that a NaN is refused as well.
    if (!(ParseReal(m_texts[box], read) && read > low && read < high)) {
        m_cues.SoundError();
        return false;
    }
    value = read;
    return true;
}

bool PositionEntryDialog::ReadWholeDegrees(std::size_t box, double& radians) {
    double read = 0;
    if (!ParseReal(m_texts[box], read)) {
        m_cues.SoundError();
        return false;
    }
    std::int32_t degrees = RoundToInt(read);
    NormalizeDegrees180(degrees);
    radians = degrees * kDialogRadiansPerDegree;
    return true;
}

bool PositionEntryDialog::ReadDms(std::size_t box, bool latitude, double& radians) {
    double degrees = 0;
    if (!ParseDms(m_texts[box], latitude, degrees)) {
        m_cues.SoundError();
        return false;
    }
    radians = degrees * kDialogRadiansPerDegree;
    return true;
}

int PositionEntryDialog::BoxIndex(std::string_view box) const {
    for (std::size_t i = 0; i < m_boxes.size(); ++i) {
        if (m_boxes[i].name == box) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

}  // namespace quorvel
