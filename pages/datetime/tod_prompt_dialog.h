#pragma once
// TTodPromptDlg: a time of day edited as " HH:MM:SS" in the box EditTod. Hours, minutes and
// seconds may be separated by "-", ".", "/", ":" or "_". Hours above 24 are limited to 24,
// minutes and seconds above 59 to 59; a text with a part left out ("12::3456", "123456") is
// refused with the error cue, as a text too short for three parts is.

#include "pages/datetime/three_part_dialog.h"

namespace quorvel {

class TTodPromptDlg final : public ThreePartDialog {
public:
    explicit TTodPromptDlg(Cues& cues);

    std::string_view Name() const override { return "TTodPromptDlg"; }
    std::string Caption() const override { return "Enter Time of Day  hh:mm:ss"; }

    // Runs the dialog on the caller's time of day (seconds since midnight). On OK writes the
    // time back and returns true: whole seconds, 0 to 89999, where 24:00:00 and later count
    // past 86400 (the box shows them as the time past midnight). Otherwise leaves it untouched.
    bool Run(Interaction& ui, double& timeOfDay);

protected:
    bool ReadParts(const ThreeParts& parts) override;
    std::string ValueText() const override;

private:
    double m_timeOfDay = 0.0;
};

}  // namespace quorvel
