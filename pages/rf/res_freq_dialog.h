#pragma once
// TResFreqPromptDlg: the resonant frequency of an LC circuit with its inductance and
// capacitance. Leaving a box solves the others: the frequency box keeps C and solves L, the
// L and C boxes solve the frequency and then the other part.

#include "common/solving_dialog.h"

namespace quorvel {

class TResFreqPromptDlg final : public SolvingDialog {
public:
    explicit TResFreqPromptDlg(Cues& cues);

    std::string_view Name() const override { return "TResFreqPromptDlg"; }
    std::string Caption() const override { return "Enter 1 to solve others for Resonant Freq"; }

    // Runs the dialog on the caller's resonant frequency (GHz), L (nH) and C (pF); on OK
    // writes all three back and returns true, otherwise leaves them.
    bool Run(Interaction& ui, double& resonantFreqGhz, double& inductanceNh, double& capacitancePf);

protected:
    void Solve(std::size_t field, bool accepted) override;
};

}  // namespace quorvel
