#include "pages/rf/rf_page.h"

#include <array>

#include "common/number_text.h"
#include "common/prompts.h"
#include "pages/rf/res_freq_dialog.h"
#include "pages/rf/rf_formulas.h"
#include "pages/rf/vswr_dialog.h"

namespace quorvel {
namespace {

constexpr std::string_view kCheckBoxNonNrzlCode = "CheckBoxNonNrzlCode";

// Bounds of the prompts (high, low in the order the prompts take them).
constexpr double kDbHigh = 100;
constexpr double kDbLow = 0.00001;
constexpr int kDecimals = 2;

}  // namespace

std::unique_ptr<PageModel> RfPage::MakeModel(const PageContext&) {
    return std::make_unique<RfPageModel>();
}

RfPageModel::RfPageModel() : TablePageModel(RfPage::kIdentity) {
    DeriveDecibels();
    DeriveWavelength();
    DeriveDish();
    DeriveHorizon();
    DerivePowerFromWatts();
    DeriveVswrLosses();
    DeriveResonance();
}

std::span<const SettingField<RfPageModel, RfValues>> RfPageModel::SettingFields() {
    using Model = RfPageModel;
    // The reflection coefficient is an input of its own, not derived from the VSWR; the
    // filter bandwidths are taken as stored, not recomputed.
    static constexpr std::array<SettingField<Model, RfValues>, 14> kFields{{
        {"Ratio", Stored<&RfValues::ratio>, &Model::DeriveDecibels},
        {"WaveLenFreqGhz", Stored<&RfValues::freqGhz>, &Model::DeriveWavelength},
        {"DishDiameterFt", Stored<&RfValues::dishDiameterFt>},
        {"DishFreqMhz", Stored<&RfValues::dishFreqMhz>, &Model::DeriveDish},
        {"AntAltFt", Stored<&RfValues::antAltFt>, &Model::DeriveHorizon},
        {"Watts", Stored<&RfValues::watts>, &Model::DerivePowerFromWatts},
        {"Vswr", Stored<&RfValues::vswr>},
        {"VswrRefCoef", Stored<&RfValues::refCoef>, &Model::DeriveVswrLosses},
        {"FoL", Stored<&RfValues::inductanceNh>},
        {"Foc", Stored<&RfValues::capacitancePf>, &Model::DeriveResonance},
        {"BitRate", Stored<&RfValues::bitRate>},
        {"IfFilter", Stored<&RfValues::ifFilterKhz>},
        {"VideoFilter", Stored<&RfValues::videoFilterKhz>},
        {"NonNrzCode", Stored<&RfValues::nonNrzlCode>},
    }};
    return kFields;
}

std::span<const MenuEntry<RfPageModel>> RfPageModel::MenuEntries() {
    using Model = RfPageModel;
    using Menu = MenuTable<Model>;
    static constexpr std::string_view kPanels = "PopupMenu1";
    // Each prompt starts from the value it edits and stores it only when the prompt accepts
    // it; an accepted prompt also covers Cancel and the untouched text, which bring back the
    // value held, moved into the bounds when it lay outside them.
    static constexpr std::array kEntries{
        Menu::RealPrompt(kPanels, "Ratio To Db", "Enter the Ratio",
                         &Model::Edited<&RfValues::ratio>, kDecimals, 10000, 0.1,
                         &Model::DeriveDecibels),
        Menu::RealPrompt(kPanels, "Db to Power Ratio", "Enter the Db for Power",
                         &Model::Edited<&RfValues::dbPower>, kDecimals, kDbHigh, kDbLow,
                         &Model::DeriveRatioFromDbPower),
        Menu::RealPrompt(kPanels, "Db to Voltage Ratio", "Enter the Db for Voltage",
                         &Model::Edited<&RfValues::dbVoltage>, kDecimals, kDbHigh, kDbLow,
                         &Model::DeriveRatioFromDbVoltage),
        Menu::Separator(kPanels),
        Menu::RealPrompt(kPanels, "Wave Length", "Enter the Freq (GHz)",
                         &Model::Edited<&RfValues::freqGhz>, kDecimals, 100, 0.00001,
                         &Model::DeriveWavelength),
        Menu::Separator(kPanels),
        Menu::Command(kPanels, "Parbolic Antenna Gain", &Model::DishGainCommand),
        Menu::Separator(kPanels),
        Menu::RealPrompt(kPanels, "RF Horizon", "Enter the Altitude (feet)",
                         &Model::Edited<&RfValues::antAltFt>, kDecimals, 1000000, -200,
                         &Model::DeriveHorizon),
        Menu::Separator(kPanels),
        Menu::RealPrompt(kPanels, "dBm to Watts", "Enter the dBm", &Model::Edited<&RfValues::dbm>,
                         kDecimals, kDbHigh, kDbLow, &Model::DeriveWattsFromDbm),
        Menu::RealPrompt(kPanels, "dBw to Watts", "Enter the dBw", &Model::Edited<&RfValues::dbw>,
                         kDecimals, kDbHigh, kDbLow, &Model::DeriveWattsFromDbw),
        Menu::RealPrompt(kPanels, "Watts to dBm", "Enter the Watts",
                         &Model::Edited<&RfValues::watts>, kDecimals, 100, 0.00001,
                         &Model::DerivePowerFromWatts),
        Menu::RealPrompt(kPanels, "Watts to dBw", "Enter the Watts",
                         &Model::Edited<&RfValues::watts>, kDecimals, 100, 0.00001,
                         &Model::DerivePowerFromWatts),
        Menu::Separator(kPanels),
        Menu::Command(kPanels, "VSWR", &Model::VswrCommand),
        Menu::Separator(kPanels),
        Menu::Command(kPanels, "Resonant Frequency", &Model::ResonanceCommand),
        // The filter bandwidths follow the bit rate held, whether or not the prompt took a
        // new one.
        Menu::IntPrompt("PopupMenuFilters", "Bit Rate", "Enter the Bit Rate (bps)",
                        &Model::Edited<&RfValues::bitRate>, 20000000, 10, 10, &Model::DeriveFilters,
                        true),
    };
    return kEntries;
}

void RfPageModel::DeriveDecibels() {
    RatioToDb(m_values.ratio, m_values.dbPower, m_values.dbVoltage);
}

void RfPageModel::DeriveWavelength() {
    m_values.waveLengthMm = WavelengthFromGhz(m_values.freqGhz, m_values.waveLengthInches);
}

void RfPageModel::DeriveDish() {
    m_values.dishGainDbi =
        DishGainAndBeamwidth(m_values.dishDiameterFt, m_values.dishFreqMhz, m_values.dishHpbwDeg);
}

void RfPageModel::DeriveHorizon() {
    m_values.rfHorizonNmi = RfHorizonNmi(m_values.antAltFt);
}

void RfPageModel::DerivePowerFromWatts() {
    m_values.dbm = WattsToDbm(m_values.watts);
    m_values.dbw = WattsToDbw(m_values.watts);
}

void RfPageModel::DeriveRatioFromDbPower() {
    m_values.ratio = DbToPowerRatio(m_values.dbPower);
    DeriveDecibels();
}

void RfPageModel::DeriveRatioFromDbVoltage() {
    m_values.ratio = DbToVoltageRatio(m_values.dbVoltage);
    DeriveDecibels();
}

void RfPageModel::DeriveWattsFromDbm() {
    m_values.watts = DbmToWatts(m_values.dbm);
    m_values.dbw = WattsToDbw(m_values.watts);
}

void RfPageModel::DeriveWattsFromDbw() {
    m_values.watts = DbwToWatts(m_values.dbw);
    m_values.dbm = WattsToDbm(m_values.watts);
}

void RfPageModel::DeriveVswrLosses() {
    m_values.returnLoss = VswrToReturnLoss(m_values.vswr);
    m_values.mismatchLoss = VswrToMismatchLoss(m_values.vswr);
}

void RfPageModel::DeriveResonance() {
    m_values.resonantFreqGhz = ResonantFreqGhz(m_values.inductanceNh, m_values.capacitancePf);
}

void RfPageModel::DeriveFilters() {
    FilterBandwidthsKhz(m_values.bitRate, m_values.nonNrzlCode, m_values.ifFilterKhz,
                        m_values.videoFilterKhz);
}

DisplayList RfPageModel::Display() const {
    const RfValues& v = m_values;
    const auto label = [](std::string_view name, double value, int precision = 8,
                          int decimals = 2) {
        return DisplayItem{std::string(name), FormatNumber(precision, decimals, value)};
    };
    return {
        label("LabelRatio", v.ratio),
        label("LabelDbPower", v.dbPower),
        label("LabelDbVoltage", v.dbVoltage),
        label("LabelWaveLengthMilimeters", v.waveLengthMm),
        label("LabelWaveLengthInches", v.waveLengthInches),
        label("LabelFreqGhz", v.freqGhz),
        label("LabelDishDiameter", v.dishDiameterFt),
        label("LabelDishFreq", v.dishFreqMhz),
        label("LabelDishGain", v.dishGainDbi),
        label("LabelDishHpbw", v.dishHpbwDeg),
        label("LabelAntAltFt", v.antAltFt),
        label("LabelRfHorizon", v.rfHorizonNmi),
        label("LabelWatts", v.watts),
        label("LabeldBm", v.dbm),
        label("LabeldBw", v.dbw),
        label("LabelVswr", v.vswr),
        label("LabelRetLoss", v.returnLoss),
        label("LabelRefCoef", v.refCoef),
        label("LabelMismatchLoss", v.mismatchLoss),
        label("LabelFoFreqGhz", v.resonantFreqGhz),
        label("LabelFoL", v.inductanceNh),
        label("LabelFoC", v.capacitancePf),
        label("LabelBitRate", static_cast<double>(v.bitRate), 9, 0),
        label("LabelIfFilter", v.ifFilterKhz, 8, 1),
        label("LabelVideoFilter", v.videoFilterKhz, 8, 1),
        DisplayItem{std::string(kCheckBoxNonNrzlCode), YesNoText(v.nonNrzlCode)},
    };
}

bool RfPageModel::CheckBoxClicked(std::string_view control, bool checked, Interaction&) {
    if (control != kCheckBoxNonNrzlCode) {
        return false;
    }
    m_values.nonNrzlCode = checked;
    DeriveFilters();
    return true;
}

void RfPageModel::DishGainCommand(Interaction& ui) {
    double diameter = m_values.dishDiameterFt;
    if (!PromptRealValue(ui, "Enter the Dish Diameter (ft)", diameter, kDecimals, 100, 0)) {
        return;
    }
    m_values.dishDiameterFt = diameter;
    double freq = m_values.dishFreqMhz;
    if (PromptRealValue(ui, "Enter the Freq (MHz)", freq, kDecimals, 10000, 0.1)) {
        m_values.dishFreqMhz = freq;
    }
    // Gain and beamwidth always follow the inputs held, also when the frequency prompt was
    // refused after a new diameter was taken.
    DeriveDish();
}

void RfPageModel::VswrCommand(Interaction& ui) {
    TVswrPromptDlg dialog(ui.cues());
    dialog.Run(ui, m_values.vswr, m_values.returnLoss, m_values.refCoef, m_values.mismatchLoss);
}

void RfPageModel::ResonanceCommand(Interaction& ui) {
    TResFreqPromptDlg dialog(ui.cues());
    dialog.Run(ui, m_values.resonantFreqGhz, m_values.inductanceNh, m_values.capacitancePf);
}

}  // namespace quorvel
