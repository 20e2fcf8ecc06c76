#pragma once
// TVswrPromptDlg: VSWR, return loss, reflection coefficient and mismatch loss edited together.
// Leaving any of the four boxes solves the other three from it, as the caption promises.

#include "common/solving_dialog.h"

namespace quorvel {

class TVswrPromptDlg final : public SolvingDialog {
public:
    explicit TVswrPromptDlg(Cues& cues);

    std::string_view Name() const override { return "TVswrPromptDlg"; }
    std::string Caption() const override { return "Enter 1 to solve others for VSWR"; }

    // Runs the dialog on the caller's VSWR, return loss (dB), reflection coefficient and
    // mismatch loss (dB); on OK writes all four back and returns true, otherwise leaves them.
    bool Run(Interaction& ui, double& vswr, double& returnLoss, double& refCoef,
             double& mismatchLoss);

protected:
    void Solve(std::size_t field, bool accepted) override;
};

}  // namespace quorvel
