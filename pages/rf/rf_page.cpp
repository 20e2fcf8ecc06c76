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
    static constexpr std::array kEntries{
        Menu::Command(kPanels, "Ratio To Db", &Model::RatioToDbCommand),
        Menu::Command(kPanels, "Db to Power Ratio", &Model::DbToPowerRatioCommand),
        Menu::Command(kPanels, "Db to Voltage Ratio", &Model::DbToVoltageRatioCommand),
        Menu::Separator(kPanels),
        Menu::Command(kPanels, "Wave Length", &Model::WaveLengthCommand),
        Menu::Separator(kPanels),
        Menu::Command(kPanels, "Parbolic Antenna Gain", &Model::DishGainCommand),
        Menu::Separator(kPanels),
        Menu::Command(kPanels, "RF Horizon", &Model::RfHorizonCommand),
        Menu::Separator(kPanels),
        Menu::Command(kPanels, "dBm to Watts", &Model::DbmToWattsCommand),
        Menu::Command(kPanels, "dBw to Watts", &Model::DbwToWattsCommand),
        Menu::Command(kPanels, "Watts to dBm", &Model::WattsCommand),
        Menu::Command(kPanels, "Watts to dBw", &Model::WattsCommand),
        Menu::Separator(kPanels),
        Menu::Command(kPanels, "VSWR", &Model::VswrCommand),
        Menu::Separator(kPanels),
        Menu::Command(kPanels, "Resonant Frequency", &Model::ResonanceCommand),
        Menu::Command("PopupMenuFilters", "Bit Rate", &Model::BitRateCommand),
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

// Each command prompts on a copy of its input and stores it only when the prompt accepts it;
// an accepted prompt also covers Cancel and the untouched text, which bring back the value
// held, moved into the bounds when it lay outside them.

void RfPageModel::RatioToDbCommand(Interaction& ui) {
    double ratio = m_values.ratio;
    if (PromptRealValue(ui, "Enter the Ratio", ratio, kDecimals, 10000, 0.1)) {
        m_values.ratio = ratio;
        DeriveDecibels();
    }
}

void RfPageModel::DbToPowerRatioCommand(Interaction& ui) {
    double db = m_values.dbPower;
    if (PromptRealValue(ui, "Enter the Db for Power", db, kDecimals, kDbHigh, kDbLow)) {
        m_values.dbPower = db;
        m_values.ratio = DbToPowerRatio(db);
        DeriveDecibels();
    }
}

void RfPageModel::DbToVoltageRatioCommand(Interaction& ui) {
    double db = m_values.dbVoltage;
    if (PromptRealValue(ui, "Enter the Db for Voltage", db, kDecimals, kDbHigh, kDbLow)) {
        m_values.dbVoltage = db;
        m_values.ratio = DbToVoltageRatio(db);
        DeriveDecibels();
    }
}

void RfPageModel::WaveLengthCommand(Interaction& ui) {
    double freq = m_values.freqGhz;
    if (PromptRealValue(ui, "Enter the Freq (GHz)", freq, kDecimals, 100, 0.00001)) {
        m_values.freqGhz = freq;
        DeriveWavelength();
    }
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

void RfPageModel::RfHorizonCommand(Interaction& ui) {
    double altitude = m_values.antAltFt;
    if (PromptRealValue(ui, "Enter the Altitude (feet)", altitude, kDecimals, 1000000, -200)) {
        m_values.antAltFt = altitude;
        DeriveHorizon();
    }
}

void RfPageModel::DbmToWattsCommand(Interaction& ui) {
    double dbm = m_values.dbm;
    if (PromptRealValue(ui, "Enter the dBm", dbm, kDecimals, kDbHigh, kDbLow)) {
        m_values.dbm = dbm;
        m_values.watts = DbmToWatts(dbm);
        m_values.dbw = WattsToDbw(m_values.watts);
    }
}

void RfPageModel::DbwToWattsCommand(Interaction& ui) {
    double dbw = m_values.dbw;
    if (PromptRealValue(ui, "Enter the dBw", dbw, kDecimals, kDbHigh, kDbLow)) {
        m_values.dbw = dbw;
        m_values.watts = DbwToWatts(dbw);
        m_values.dbm = WattsToDbm(m_values.watts);
    }
}

void RfPageModel::WattsCommand(Interaction& ui) {
    double watts = m_values.watts;
    if (PromptRealValue(ui, "Enter the Watts", watts, kDecimals, 100, 0.00001)) {
        m_values.watts = watts;
        DerivePowerFromWatts();
    }
}

void RfPageModel::VswrCommand(Interaction& ui) {
    TVswrPromptDlg dialog(ui.cues());
    dialog.Run(ui, m_values.vswr, m_values.returnLoss, m_values.refCoef, m_values.mismatchLoss);
}

void RfPageModel::ResonanceCommand(Interaction& ui) {
    TResFreqPromptDlg dialog(ui.cues());
    dialog.Run(ui, m_values.resonantFreqGhz, m_values.inductanceNh, m_values.capacitancePf);
}

void RfPageModel::BitRateCommand(Interaction& ui) {
    std::int32_t bitRate = m_values.bitRate;
    if (PromptIntValue(ui, "Enter the Bit Rate (bps)", bitRate, 20000000, 10, 10)) {
        m_values.bitRate = bitRate;
    }
    DeriveFilters();
}

}  // namespace quorvel
