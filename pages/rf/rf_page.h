#pragma once
// The RF page without its window: the link-budget inputs and what they give, kept in section
// "RF" of the settings file, edited through the bounded prompts and the two solving dialogs.
// Only inputs are stored; every derived value is recomputed when its input changes and when
// the settings are read.

#include <array>
#include <cstdint>
#include <memory>

#include "pages/page_entry.h"
#include "shell/page_tables.h"

namespace quorvel {

// The page's value block (units as in rf_formulas.h).
struct RfValues {
    double dbPower = 0;  // derived from the ratio
    double dbVoltage = 0;
    double ratio = 0;             // input
    double waveLengthMm = 0;      // derived from the frequency
    double waveLengthInches = 0;  // derived; kept as it was for a frequency <= 0
    double freqGhz = 0;           // input
    double dishDiameterFt = 0;    // input
    double dishFreqMhz = 0;       // input
    double dishGainDbi = 0;       // derived
    double dishHpbwDeg = 0;       // derived
    double antAltFt = 0;          // input
    double rfHorizonNmi = 0;      // derived
    double watts = 0;             // input
    double dbm = 0;               // derived from the watts
    double dbw = 0;
    double vswr = 0;             // input, through the VSWR dialog
    double returnLoss = 0;       // derived from the VSWR
    double refCoef = 0;          // input, stored apart; set by the VSWR dialog
    double mismatchLoss = 0;     // derived from the VSWR
    double resonantFreqGhz = 0;  // derived from L and C
    double inductanceNh = 0;     // input, through the resonance dialog
    double capacitancePf = 0;    // input, through the resonance dialog
    std::int32_t bitRate = 0;    // input (bit/s)
    double ifFilterKhz = 0;      // derived from bit rate and code, stored
    double videoFilterKhz = 0;   // derived from bit rate and code, stored
    bool nonNrzlCode = false;    // input
};

// The RF page in the page registry.
struct RfPage {
    static constexpr PageIdentity kIdentity{"RF", "RF", "RF Functions"};
    static constexpr std::array<std::string_view, 1> kMainPanels{"PanelMain"};
    static constexpr PageColourTargets kColours{kMainPanels, {}, "LabelRatio"};
    static std::unique_ptr<PageModel> MakeModel(const PageContext& context);
    static TPageForm* MakeForm(PageFormContext& context);
};

class RfPageModel final : public TablePageModel<RfPageModel, RfValues> {
public:
    // Every input 0 (false), every derived value computed from those zeros, so that a page
    // that never read a settings file shows what its inputs give (a ratio of 0 is "1E28" dB).
    RfPageModel();

    // The 25 result labels in the order the page writes them, then CheckBoxNonNrzlCode.
    DisplayList Display() const override;

    bool CheckBoxClicked(std::string_view control, bool checked, Interaction& ui) override;

private:
    friend TablePageModel;
    // The fourteen keys in the order they are read and written, each read followed by the
    // derivation of what it feeds.
    static std::span<const SettingField<RfPageModel, RfValues>> SettingFields();
    // PopupMenu1 (the seven calculator panels) and PopupMenuFilters (the bit-rate panel); most
    // commands are one bounded prompt each.
    static std::span<const MenuEntry<RfPageModel>> MenuEntries();

    void DeriveDecibels();
    void DeriveWavelength();
    void DeriveDish();
    void DeriveHorizon();
    void DerivePowerFromWatts();
    void DeriveVswrLosses();
    void DeriveResonance();
    void DeriveFilters();
    // What an entry in dB, dBm or dBw gives: the ratio or the power, and the other decibels.
    void DeriveRatioFromDbPower();
    void DeriveRatioFromDbVoltage();
    void DeriveWattsFromDbm();
    void DeriveWattsFromDbw();

    // The commands that are more than one bounded prompt.
    void DishGainCommand(Interaction& ui);
    void VswrCommand(Interaction& ui);
    void ResonanceCommand(Interaction& ui);
};

}  // namespace quorvel
