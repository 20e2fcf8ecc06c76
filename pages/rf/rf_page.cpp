#include "pages/rf/rf_page.h"

#include <array>

#include "common/number_text.h"
#include "common/prompts.h"
#include "pages/rf/res_freq_dialog.h"
#include "pages/rf/rf_formulas.h"
#include "pages/rf/vswr_dialog.h"
#include "shell/settings_file.h"

namespace quorvel {
namespace {

constexpr std::string_view kSection = "RF";
constexpr std::string_view kCheckBoxNonNrzlCode = "CheckBoxNonNrzlCode";

constexpr std::array<SettingKey, 14> kKeys{{
    {"Ratio", SettingType::Real},
    {"WaveLenFreqGhz", SettingType::Real},
    {"DishDiameterFt", SettingType::Real},
    {"DishFreqMhz", SettingType::Real},
    {"AntAltFt", SettingType::Real},
    {"Watts", SettingType::Real},
    {"Vswr", SettingType::Real},
    {"VswrRefCoef", SettingType::Real},
    {"FoL", SettingType::Real},
    {"Foc", SettingType::Real},
    {"BitRate", SettingType::Int},
    {"IfFilter", SettingType::Real},
    {"VideoFilter", SettingType::Real},
    {"NonNrzCode", SettingType::Bool},
}};

// Bounds of the prompts (high, low in the order the prompts take them).
constexpr double kDbHigh = 100;
constexpr double kDbLow = 0.00001;
constexpr int kDecimals = 2;

}  // namespace

RfPageModel::RfPageModel() {
    DeriveDecibels();
    DeriveWavelength();
    DeriveDish();
    DeriveHorizon();
    DerivePowerFromWatts();
    DeriveVswrLosses();
    DeriveResonance();
}

std::span<const SettingKey> RfPageModel::SettingKeys() const {
    return kKeys;
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

void RfPageModel::ReadSettings(const IniStore& store) {
    RfValues& v = m_values;
    ReadIniReal(store, kSection, "Ratio", v.ratio);
    DeriveDecibels();
    ReadIniReal(store, kSection, "WaveLenFreqGhz", v.freqGhz);
    DeriveWavelength();
    ReadIniReal(store, kSection, "DishDiameterFt", v.dishDiameterFt);
    ReadIniReal(store, kSection, "DishFreqMhz", v.dishFreqMhz);
    DeriveDish();
    ReadIniReal(store, kSection, "AntAltFt", v.antAltFt);
    DeriveHorizon();
    ReadIniReal(store, kSection, "Watts", v.watts);
    DerivePowerFromWatts();
    // The reflection coefficient is an input of its own: it is not derived from the VSWR.
    ReadIniReal(store, kSection, "Vswr", v.vswr);
    ReadIniReal(store, kSection, "VswrRefCoef", v.refCoef);
    DeriveVswrLosses();
    ReadIniReal(store, kSection, "FoL", v.inductanceNh);
    ReadIniReal(store, kSection, "Foc", v.capacitancePf);
    DeriveResonance();
    // The filter bandwidths are taken as stored, not recomputed.
    ReadIniInt(store, kSection, "BitRate", v.bitRate);
    ReadIniReal(store, kSection, "IfFilter", v.ifFilterKhz);
    ReadIniReal(store, kSection, "VideoFilter", v.videoFilterKhz);
    ReadIniBool(store, kSection, "NonNrzCode", v.nonNrzlCode);
}

void RfPageModel::WriteSettings(IniStore& store) const {
    const RfValues& v = m_values;
    WriteIniReal(store, kSection, "Ratio", v.ratio);
    WriteIniReal(store, kSection, "WaveLenFreqGhz", v.freqGhz);
    WriteIniReal(store, kSection, "DishDiameterFt", v.dishDiameterFt);
    WriteIniReal(store, kSection, "DishFreqMhz", v.dishFreqMhz);
    WriteIniReal(store, kSection, "AntAltFt", v.antAltFt);
    WriteIniReal(store, kSection, "Watts", v.watts);
    WriteIniReal(store, kSection, "Vswr", v.vswr);
    WriteIniReal(store, kSection, "VswrRefCoef", v.refCoef);
    WriteIniReal(store, kSection, "FoL", v.inductanceNh);
    WriteIniReal(store, kSection, "Foc", v.capacitancePf);
    WriteIniInt(store, kSection, "BitRate", v.bitRate);
    WriteIniReal(store, kSection, "IfFilter", v.ifFilterKhz);
    WriteIniReal(store, kSection, "VideoFilter", v.videoFilterKhz);
    WriteIniBool(store, kSection, "NonNrzCode", v.nonNrzlCode);
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

std::vector<PopupMenu> RfPageModel::Menus() const {
    return {
        {"PopupMenu1",
         {"Ratio To Db", "Db to Power Ratio", "Db to Voltage Ratio", "-", "Wave Length", "-",
          "Parbolic Antenna Gain", "-", "RF Horizon", "-", "dBm to Watts", "dBw to Watts",
          "Watts to dBm", "Watts to dBw", "-", "VSWR", "-", "Resonant Frequency"}},
        {"PopupMenuFilters", {"Bit Rate"}},
    };
}

bool RfPageModel::RunMenuCommand(std::string_view caption, Interaction& ui) {
    using Command = void (RfPageModel::*)(Interaction&);
    struct Entry {
        std::string_view caption;
        Command run;
    };
    static constexpr std::array<Entry, 13> kCommands{{
        {"Ratio To Db", &RfPageModel::RatioToDbCommand},
        {"Db to Power Ratio", &RfPageModel::DbToPowerRatioCommand},
        {"Db to Voltage Ratio", &RfPageModel::DbToVoltageRatioCommand},
        {"Wave Length", &RfPageModel::WaveLengthCommand},
        {"Parbolic Antenna Gain", &RfPageModel::DishGainCommand},
        {"RF Horizon", &RfPageModel::RfHorizonCommand},
        {"dBm to Watts", &RfPageModel::DbmToWattsCommand},
        {"dBw to Watts", &RfPageModel::DbwToWattsCommand},
        {"Watts to dBm", &RfPageModel::WattsCommand},
        {"Watts to dBw", &RfPageModel::WattsCommand},
        {"VSWR", &RfPageModel::VswrCommand},
        {"Resonant Frequency", &RfPageModel::ResonanceCommand},
        {"Bit Rate", &RfPageModel::BitRateCommand},
    }};
    for (const Entry& entry : kCommands) {
        if (entry.caption == caption) {
            (this->*entry.run)(ui);
            return true;
        }
    }
    return false;
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
