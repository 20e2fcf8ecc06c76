#include "pages/misc/misc_page.h"

#include <array>
#include <bit>
#include <cstdint>

#include "common/geodesy/vector_length.h"
#include "common/number_text.h"
#include "common/prompts.h"
#include "pages/misc/misc_conversions.h"

namespace quorvel {
namespace {

// Every value is shown with eight characters at most and three decimals.
constexpr int kPrecision = 8;
constexpr int kDecimals = 3;

// The largest magnitude a vector component, a distance or a speed may be entered with.
constexpr double kLargestEntry = 4294967295.0;
constexpr int kVectorDecimals = 2;
constexpr double kLargestG = 100.0;
constexpr double kLargestAccelZ = 10000.0;

bool SameBits(double a, double b) {
    return std::bit_cast<std::uint64_t>(a) == std::bit_cast<std::uint64_t>(b);
}

// Prompts for a value in another unit than the one the page keeps. True when the prompt
// handed back a new entry to convert: a changed text it read, or the starting value moved
// into the bounds. On Cancel and on OK with the untouched text the prompt hands the starting
// value back bit for bit; converting that back would move the kept value by a rounding, so
// the kept value then stays as it was.
bool PromptOtherUnit(Interaction& ui, std::string_view prompt, double& entry, double high,
                     double low) {
    const double start = entry;
    return PromptRealValue(ui, prompt, entry, kDecimals, high, low) && !SameBits(entry, start);
}

}  // namespace

std::unique_ptr<PageModel> MiscCalcPage::MakeModel(const PageContext&) {
    return std::make_unique<MiscCalcPageModel>();
}

std::span<const SettingField<MiscCalcPageModel, MiscValues>> MiscCalcPageModel::SettingFields() {
    static constexpr std::array<SettingField<MiscCalcPageModel, MiscValues>, 6> kFields{{
        {"Nmi", Stored<&MiscValues::distanceNmi>},
        {"VectorXyzAry x", Stored<&MiscValues::vectorX>},
        {"VectorXyzAry y", Stored<&MiscValues::vectorY>},
        {"VectorXyzAry z", Stored<&MiscValues::vectorZ>},
        {"Kts", Stored<&MiscValues::speedKts>},
        {"Gs", Stored<&MiscValues::accelerationG>},
    }};
    return kFields;
}

std::span<const MenuEntry<MiscCalcPageModel>> MiscCalcPageModel::MenuEntries() {
    using Model = MiscCalcPageModel;
    using Menu = MenuTable<Model>;
    static constexpr std::string_view kVector = "PopupMenu1";
    static constexpr std::string_view kDistance = "PopupMenu2";
    static constexpr std::string_view kSpeed = "PopupMenu3";
    static constexpr std::string_view kAcceleration = "PopupMenu4";
    static constexpr std::array kEntries{
        Menu::Title(kVector, "Vector Length"),
        Menu::Separator(kVector),
        Menu::Command(kVector, "X Magnitude", &Model::XMagnitudeCommand),
        Menu::Command(kVector, "Y Magnitude", &Model::YMagnitudeCommand),
        Menu::Command(kVector, "Z Magnitude", &Model::ZMagnitudeCommand),
        Menu::Title(kDistance, "Distance"),
        Menu::Separator(kDistance),
        Menu::Command(kDistance, "Nautical Miles", &Model::NauticalMilesCommand),
        Menu::Command(kDistance, "Statute Miles", &Model::StatuteMilesCommand),
        Menu::Command(kDistance, "Feet", &Model::FeetCommand),
        Menu::Title(kSpeed, "Speed"),
        Menu::Separator(kSpeed),
        Menu::Command(kSpeed, "Knots", &Model::KnotsCommand),
        Menu::Command(kSpeed, "Feet Per Second", &Model::FeetPerSecondCommand),
        Menu::Title(kAcceleration, "G Force"),
        Menu::Separator(kAcceleration),
        Menu::Command(kAcceleration, "G's", &Model::GsCommand),
        Menu::Command(kAcceleration, "Z Acceleration", &Model::ZAccelerationCommand),
    };
    return kEntries;
}

DisplayList MiscCalcPageModel::Display() const {
    const MiscValues& v = m_values;
    const auto label = [](std::string_view name, double value) {
        return DisplayItem{std::string(name), FormatNumber(kPrecision, kDecimals, value)};
    };
    return {
        label("LabelVectorX", v.vectorX),
        label("LabelVectorY", v.vectorY),
        label("LabelVectorZ", v.vectorZ),
        label("LabelVectorLength", VectorLength(v.vectorX, v.vectorY, v.vectorZ)),
        label("LabelNmi", v.distanceNmi),
        label("LabelSmi", NmiToStatuteMiles(v.distanceNmi)),
        label("LabelFt", NmiToFeet(v.distanceNmi)),
        label("LabelMeters", NmiToMeters(v.distanceNmi)),
        label("LabelKMeters", NmiToKilometers(v.distanceNmi)),
        label("LabelKts", v.speedKts),
        label("LabelStatuteMph", KnotsToStatuteMph(v.speedKts)),
        label("LabelFps", KnotsToFeetPerSecond(v.speedKts)),
        label("LabelGs", v.accelerationG),
        label("LabelAccelZ", GToAccelZ(v.accelerationG)),
    };
}

// The commands that take the kept value itself store what the prompt hands back when it
// accepts; Cancel and the untouched text bring back the value held, moved into the bounds
// when it lay outside them.

void MiscCalcPageModel::XMagnitudeCommand(Interaction& ui) {
    PromptRealValue(ui, "Enter X Direction Magnitude", m_values.vectorX, kVectorDecimals,
                    kLargestEntry, -kLargestEntry);
}

void MiscCalcPageModel::YMagnitudeCommand(Interaction& ui) {
    PromptRealValue(ui, "Enter Y Direction Magnitude", m_values.vectorY, kVectorDecimals,
                    kLargestEntry, -kLargestEntry);
}

void MiscCalcPageModel::ZMagnitudeCommand(Interaction& ui) {
    PromptRealValue(ui, "Enter Z Direction Magnitude", m_values.vectorZ, kVectorDecimals,
                    kLargestEntry, -kLargestEntry);
}

void MiscCalcPageModel::NauticalMilesCommand(Interaction& ui) {
    PromptRealValue(ui, "Enter Distance in Nautical Miles", m_values.distanceNmi, kDecimals,
                    kLargestEntry, 0);
}

void MiscCalcPageModel::StatuteMilesCommand(Interaction& ui) {
    double statuteMiles = NmiToStatuteMilesEntry(m_values.distanceNmi);
    if (PromptOtherUnit(ui, "Enter Distance in Statute Miles", statuteMiles, kLargestEntry, 0)) {
        m_values.distanceNmi = StatuteMilesToNmi(statuteMiles);
    }
}

void MiscCalcPageModel::FeetCommand(Interaction& ui) {
    double feet = NmiToFeet(m_values.distanceNmi);
    if (PromptOtherUnit(ui, "Enter Distance in Feet", feet, kLargestEntry, 0)) {
        m_values.distanceNmi = FeetToNmi(feet);
    }
}

void MiscCalcPageModel::KnotsCommand(Interaction& ui) {
    PromptRealValue(ui, "Enter Speed in Knots", m_values.speedKts, kDecimals, kLargestEntry, 0);
}

void MiscCalcPageModel::FeetPerSecondCommand(Interaction& ui) {
    double feetPerSecond = KnotsToFeetPerSecond(m_values.speedKts);
    if (PromptOtherUnit(ui, "Enter Speed in Feet Per Second", feetPerSecond, kLargestEntry, 0)) {
        m_values.speedKts = FeetPerSecondToKnots(feetPerSecond);
    }
}

void MiscCalcPageModel::GsCommand(Interaction& ui) {
    PromptRealValue(ui, "Enter G Force in G's", m_values.accelerationG, kDecimals, kLargestG,
                    -kLargestG);
}

void MiscCalcPageModel::ZAccelerationCommand(Interaction& ui) {
    double accelZ = GToAccelZ(m_values.accelerationG);
    if (PromptOtherUnit(ui, "Enter Z Acceleration in F/S squared", accelZ, kLargestAccelZ,
                        -kLargestAccelZ)) {
        m_values.accelerationG = AccelZToG(accelZ);
    }
}

}  // namespace quorvel
