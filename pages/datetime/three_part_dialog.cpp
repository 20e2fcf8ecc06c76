#include "pages/datetime/three_part_dialog.h"

namespace quorvel {

ThreePartDialog::ThreePartDialog(Cues& cues, std::string_view boxName, std::string_view label,
                                 std::string_view separators)
    : m_cues(cues), m_boxName(boxName), m_label(label), m_separators(separators) {}

std::vector<DialogBox> ThreePartDialog::Boxes() const {
    // Both dialogs name their one caption label Label1.
    return {{std::string(m_boxName), std::string(m_label), {}, "Label1"}};
}

std::string ThreePartDialog::BoxText(std::string_view box) const {
    return IsBox(box) ? m_text : std::string();
}

bool ThreePartDialog::KeyPress(std::string_view, char key) {
    const bool digit = key >= '0' && key <= '9';
    if (digit || m_separators.find(key) != std::string_view::npos) {
        return true;
    }
    m_cues.SoundError();
    return false;
}

void ThreePartDialog::SetBoxText(std::string_view box, std::string text) {
    if (IsBox(box)) {
        m_text = std::move(text);
    }
}

void ThreePartDialog::BoxExit(std::string_view box) {
    if (IsBox(box)) {
        ReadBox();
    }
}

void ThreePartDialog::Ok() {
    // Re-reading the dialog's own text could change the value: " 00:00:00" is what 86400
    // shows, and a time with milliseconds shows its seconds rounded.
    if (m_text != m_shown) {
        ReadBox();
    }
    m_cancelled = false;
}

bool ThreePartDialog::RunModal(Interaction& ui) {
    m_cancelled = true;
    ShowValue();
    ui.RunDialog(*this);
    // The dialog's own flag decides: only OK clears it.
    return !m_cancelled;
}

void ThreePartDialog::ReadBox() {
    const std::optional<ThreeParts> parts = SplitThreeParts(m_text, m_separators);
    if (!parts || !ReadParts(*parts)) {
        m_cues.SoundError();
    }
    ShowValue();
}

void ThreePartDialog::ShowValue() {
    m_shown = ValueText();
    m_text = m_shown;
}

}  // namespace quorvel
