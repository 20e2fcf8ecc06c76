#include "pages/rf/vswr_dialog.h"

#include <array>
#include <cmath>

#include "pages/rf/rf_formulas.h"

namespace quorvel {
namespace {

enum Field : std::size_t { kVswr, kReturnLoss, kRefCoef, kMismatchLoss };

constexpr std::array<SolvingDialog::Field, 4> kFields{{
    {"EditVswr", "VSWR", 0, 10, false},
    {"EditRetLoss", "Return Loss", 0, 30, false},
    {"EditRefCoef", "Reflector Coef", 0, 1, true},
    {"EditMismatchLoss", "Mismatch Loss", 0, 10, false},
}};

}  // namespace

TVswrPromptDlg::TVswrPromptDlg(Cues& cues) : SolvingDialog(cues, kFields, 2) {}

bool TVswrPromptDlg::Run(Interaction& ui, double& vswr, double& returnLoss, double& refCoef,
                         double& mismatchLoss) {
    const std::array<double*, 4> values{&vswr, &returnLoss, &refCoef, &mismatchLoss};
    return RunOn(ui, values);
}

void TVswrPromptDlg::Solve(std::size_t field, bool accepted) {
    double& vswr = Value(kVswr);
    double& returnLoss = Value(kReturnLoss);
    double& refCoef = Value(kRefCoef);
    double& mismatchLoss = Value(kMismatchLoss);
    if (field == kVswr) {
        // The VSWR box solves from the VSWR held, whether or not its text was taken.
        refCoef = VswrToRefCoef(vswr);
        returnLoss = VswrToReturnLoss(vswr);
        mismatchLoss = VswrToMismatchLoss(vswr);
        return;
    }
    // The other boxes solve only from a value of their own that was just taken: a refused
    // entry keeps the group as it was.
    if (!accepted) {
        return;
    }
    switch (field) {
        case kReturnLoss:
            // RL = -20 log10(G), so G = 10^(-RL / 20).
            refCoef = DbToVoltageRatio(-returnLoss);
            vswr = RefCoefToVswr(refCoef);
            mismatchLoss = VswrToMismatchLoss(vswr);
            break;
        case kRefCoef:
            vswr = RefCoefToVswr(refCoef);
            returnLoss = VswrToReturnLoss(vswr);
            mismatchLoss = VswrToMismatchLoss(vswr);
            break;
        case kMismatchLoss:
            // ML = -10 log10(1 - G^2), so G = sqrt(1 - 10^(-ML / 10)); ML >= 0 keeps the root
            // real.
            refCoef = std::sqrt(1 - DbToPowerRatio(-mismatchLoss));
            vswr = RefCoefToVswr(refCoef);
            returnLoss = VswrToReturnLoss(vswr);
            break;
        default:
            break;
    }
}

}  // namespace quorvel
