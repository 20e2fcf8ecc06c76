#include "pages/rf/res_freq_dialog.h"

#include <array>

#include "pages/rf/rf_formulas.h"

namespace quorvel {
namespace {

enum Field : std::size_t { kFrequency, kInductance, kCapacitance };

constexpr std::array<SolvingDialog::Field, 3> kFields{{
    {"EditFo", "Resonant Freq (GHz)", 0, 2000, false},
    {"EditL", "L  (nH)", 0, 20000, false},
    {"EditC", "C  (pF)", 0, 200000, false},
}};

}  // namespace

TResFreqPromptDlg::TResFreqPromptDlg(Cues& cues) : SolvingDialog(cues, kFields, 5) {}

bool TResFreqPromptDlg::Run(Interaction& ui, double& resonantFreqGhz, double& inductanceNh,
                            double& capacitancePf) {
    const std::array<double*, 3> values{&resonantFreqGhz, &inductanceNh, &capacitancePf};
    return RunOn(ui, values);
}

void TResFreqPromptDlg::Solve(std::size_t field, bool) {
    double& frequency = Value(kFrequency);
    double& inductance = Value(kInductance);
    double& capacitance = Value(kCapacitance);
    switch (field) {
        case kFrequency:
            // The frequency wins and C is held; C is recomputed from the new L, which gives it
            // back (both become 0 when the frequency or C is 0).
            inductance = InductanceNh(capacitance, frequency);
            capacitance = CapacitancePf(inductance, frequency);
            break;
        case kInductance:
            frequency = ResonantFreqGhz(inductance, capacitance);
            capacitance = CapacitancePf(inductance, frequency);
            break;
        case kCapacitance:
            frequency = ResonantFreqGhz(inductance, capacitance);
            inductance = InductanceNh(capacitance, frequency);
            break;
        default:
            break;
    }
}

}  // namespace quorvel
