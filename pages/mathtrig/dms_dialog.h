#pragma once
// TPromptDmsDlg: an angle typed as degrees, minutes and seconds ("-045 30 00.000"). The box
// shows the caller's angle as DmsText; OK reads the text back with ParseDms (degrees limited
// to +-179). A text the parser refuses sounds the error cue and keeps the angle; Cancel,
// Escape and the close box leave the caller's angle untouched.

#include <string>
#include <string_view>
#include <vector>

#include "common/cues.h"
#include "common/dialog_model.h"
#include "common/interaction.h"

namespace quorvel {

class TPromptDmsDlg final : public DialogModel {
public:
    explicit TPromptDmsDlg(Cues& cues);

    std::string_view Name() const override { return "TPromptDmsDlg"; }
    std::string Caption() const override { return "Enter Degrees Minutes Seconds"; }
    // EditDms, captioned "Deg Min Sec.xxx", with the hint on the separating spaces.
    std::vector<DialogBox> Boxes() const override;
    std::string BoxText(std::string_view box) const override;
    // The key filter of the entry dialogs: a letter is refused with the error cue.
    bool KeyPress(std::string_view box, char key) override;
    void SetBoxText(std::string_view box, std::string text) override;
    // The text is read only when the dialog closes with OK.
    void BoxExit(std::string_view) override {}
    void Ok() override { m_cancelled = false; }
    void Cancel() override { m_cancelled = true; }
    bool Cancelled() const override { return m_cancelled; }

    // Runs the dialog on the caller's angle (radians). Closed with OK: the text is read, the
    // angle written back and the result is true, also when the text was refused (the error
    // cue sounds and the angle comes back as it went in). A text still as the dialog wrote it
    // is not read back, so that OK alone never moves the angle (neither by the rounding of
    // the seconds nor by the parser's limit of 179 degrees). Otherwise false, and the caller's
    // angle is untouched.
    bool Run(Interaction& ui, double& radians);

private:
    Cues& m_cues;
    double m_radians = 0;
    std::string m_text;
    std::string m_shown;  // what the dialog wrote into the box
    bool m_cancelled = true;
};

}  // namespace quorvel
