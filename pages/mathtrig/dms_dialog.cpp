#include "pages/mathtrig/dms_dialog.h"

#include "common/number_text.h"
#include "common/prompts.h"
#include "pages/mathtrig/angle_factors.h"

namespace quorvel {
namespace {

constexpr std::string_view kEditDms = "EditDms";

}  // namespace

TPromptDmsDlg::TPromptDmsDlg(Cues& cues) : m_cues(cues) {}

std::vector<DialogBox> TPromptDmsDlg::Boxes() const {
    return {{std::string(kEditDms), "Deg Min Sec.xxx",
             "There must be a space between the degrees minutes and seconds"}};
}

std::string TPromptDmsDlg::BoxText(std::string_view box) const {
    return box == kEditDms ? m_text : std::string();
}

bool TPromptDmsDlg::KeyPress(std::string_view, char key) {
    return DialogKeyAllowed(key, m_cues);
}

void TPromptDmsDlg::SetBoxText(std::string_view box, std::string text) {
    if (box == kEditDms) {
        m_text = std::move(text);
    }
}

bool TPromptDmsDlg::Run(Interaction& ui, double& radians) {
    m_radians = radians;
    m_shown = DmsText(mathtrig::RadiansToDegrees(m_radians));
    m_text = m_shown;
    m_cancelled = true;
    ui.RunDialog(*this);
    // The dialog's own flag decides: only the OK button clears it.
    if (m_cancelled) {
        return false;
    }
    if (m_text != m_shown) {
        double degrees = 0;
        if (ParseDms(m_text, false, degrees)) {
            m_radians = mathtrig::DegreesToRadians(degrees);
        } else {
            m_cues.SoundError();
        }
    }
    radians = m_radians;
    return true;
}

}  // namespace quorvel
