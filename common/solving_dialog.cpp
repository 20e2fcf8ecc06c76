#include "common/solving_dialog.h"

#include "common/number_text.h"
#include "common/prompts.h"

namespace quorvel {

SolvingDialog::SolvingDialog(Cues& cues, std::span<const Field> fields, int decimals)
    : m_cues(cues),
      m_fields(fields),
      m_decimals(decimals),
      m_values(fields.size(), 0.0),
      m_texts(fields.size()),
      m_shown(fields.size()) {
    ShowValues();
}

std::vector<DialogBox> SolvingDialog::Boxes() const {
    std::vector<DialogBox> boxes;
    boxes.reserve(m_fields.size());
    for (const Field& field : m_fields) {
        boxes.push_back({std::string(field.name), std::string(field.caption)});
    }
    return boxes;
}

std::string SolvingDialog::BoxText(std::string_view box) const {
    const int i = FieldIndex(box);
    return i < 0 ? std::string() : m_texts[static_cast<std::size_t>(i)];
}

bool SolvingDialog::KeyPress(std::string_view, char key) {
    return DialogKeyAllowed(key, m_cues);
}

void SolvingDialog::SetBoxText(std::string_view box, std::string text) {
    const int i = FieldIndex(box);
    if (i >= 0) {
        m_texts[static_cast<std::size_t>(i)] = std::move(text);
    }
}

void SolvingDialog::BoxExit(std::string_view box) {
    const int i = FieldIndex(box);
    if (i < 0) {
        return;
    }
    const auto exited = static_cast<std::size_t>(i);
    const bool accepted = ReadAllBoxes(exited);
    Solve(exited, accepted);
    ShowValues();
}

bool SolvingDialog::RunOn(Interaction& ui, std::span<double* const> callerValues) {
    for (std::size_t i = 0; i < m_values.size() && i < callerValues.size(); ++i) {
        m_values[i] = *callerValues[i];
    }
    m_cancelled = true;
    ShowValues();
    ui.RunDialog(*this);
    // The dialog's own flag decides: only the OK button clears it.
    if (m_cancelled) {
        return false;
    }
    for (std::size_t i = 0; i < m_values.size() && i < callerValues.size(); ++i) {
        *callerValues[i] = m_values[i];
    }
    return true;
}

int SolvingDialog::FieldIndex(std::string_view box) const {
    for (std::size_t i = 0; i < m_fields.size(); ++i) {
        if (m_fields[i].name == box) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

bool SolvingDialog::ReadAllBoxes(std::size_t exited) {
    bool exitedTaken = false;
    for (std::size_t i = 0; i < m_fields.size(); ++i) {
        const Field& field = m_fields[i];
        double read = 0;
        const bool parsed = ParseReal(m_texts[i], read);
        // Written so that a NaN fails both tests.
        const bool aboveLow = field.lowExcluded ? read > field.low : read >= field.low;
        if (!(parsed && aboveLow && read < field.high)) {
            m_cues.SoundError();
            continue;
        }
        // A box still holding the text the dialog wrote keeps the full value behind that
        // rounded text, so tabbing through the boxes does not wear the values down.
        if (m_texts[i] != m_shown[i]) {
            m_values[i] = read;
        }
        if (i == exited) {
            exitedTaken = true;
        }
    }
    return exitedTaken;
}

void SolvingDialog::ShowValues() {
    for (std::size_t i = 0; i < m_fields.size(); ++i) {
        m_shown[i] = FormatNumber(8, m_decimals, m_values[i]);
        m_texts[i] = m_shown[i];
    }
}

}  // namespace quorvel
