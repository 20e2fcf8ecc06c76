#include "pages/mathtrig/mathtrig_page.h"

#include <array>

#include "common/number_text.h"
#include "common/prompts.h"
#include "common/safe_math.h"
#include "pages/mathtrig/angle_factors.h"
#include "pages/mathtrig/dms_dialog.h"

namespace quorvel {
namespace {

using mathtrig::DegreesToRadians;
using mathtrig::RadiansToDegrees;

constexpr std::string_view kCheckBoxTrigAngleRadians = "CheckBoxTrigAngleRadians";
constexpr std::string_view kEditTrigAngle = "EditTrigAngle";
constexpr std::string_view kEditTrigArc = "EditTrigArc";
constexpr std::string_view kEditExponentsX = "EditExponentsX";
constexpr std::string_view kEditExponentsExp = "EditExponentsExp";

// The bounds of the two angle prompts; pi is written as the program has always written it,
// three units in the last place above the double nearest to pi.
constexpr double kDegreesBound = 180;
constexpr double kRadiansBound = 3.1415926535897944;
constexpr int kPromptDecimals = 3;

// The number an edit box holds: ParseReal's value, which is the leading numeric part of the
// text (0 when there is none), whether or not the whole text was read.
double EntryNumber(std::string_view text) {
    double value = 0;
    ParseReal(text, value);
    return value;
}

// x limited silently to [-limit, limit].
double Limited(double x, double limit) {
    return ClampToRange(limit, -limit, x);
}

DisplayItem Item(std::string_view name, std::string text) {
    return DisplayItem{std::string(name), std::move(text)};
}

DisplayItem Value(std::string_view name, int precision, int decimals, double value) {
    return Item(name, FormatNumber(precision, decimals, value));
}

}  // namespace

std::unique_ptr<PageModel> MathTrigPage::MakeModel(const PageContext&) {
    return std::make_unique<MathTrigPageModel>();
}

std::span<const SettingField<MathTrigPageModel, MathTrigValues>>
MathTrigPageModel::SettingFields() {
    static constexpr std::array<SettingField<MathTrigPageModel, MathTrigValues>, 6> kFields{{
        {"TrigAngle", Stored<&MathTrigValues::trigAngle>},
        {"TrigAngleRads", Stored<&MathTrigValues::angleInRadians>},
        {"TrigArc", Stored<&MathTrigValues::trigArc>},
        {"ExpXvalue", Stored<&MathTrigValues::expBase>},
        {"ExpExpvalue", Stored<&MathTrigValues::expExponent>},
        {"DmsRad", Stored<&MathTrigValues::dmsAngle>},
    }};
    return kFields;
}

std::span<const MenuEntry<MathTrigPageModel>> MathTrigPageModel::MenuEntries() {
    using Model = MathTrigPageModel;
    using Menu = MenuTable<Model>;
    static constexpr std::string_view kAngle = "PopupMenu4";
    static constexpr std::array kEntries{
        Menu::Title(kAngle, "DMS Angle"),
        Menu::Separator(kAngle),
        Menu::Command(kAngle, "Degrees Minutes Seconds", &Model::DmsCommand),
        Menu::Command(kAngle, "Degrees", &Model::DegreesCommand),
        Menu::Command(kAngle, "Radians", &Model::RadiansCommand),
    };
    return kEntries;
}

DisplayList MathTrigPageModel::Display() const {
    const MathTrigValues& v = m_values;
    const double a = v.trigAngle;
    const double x = v.trigArc;
    const double d = v.dmsAngle;
    const double base = v.expBase;
    // The power of a zero base is not computed at all.
    const std::string power =
        base != 0 ? FormatNumber(16, 4, SafePow(base, v.expExponent)) : std::string("NaN");
    return {
        Item(kCheckBoxTrigAngleRadians, YesNoText(v.angleInRadians)),
        Item("LabelTrigAngleRad", FormatNumber(8, 5, a) + " rad"),
        Item("LabelTrigAngleDeg", FormatNumber(8, 5, RadiansToDegrees(a)) + " deg"),
        Value(kEditTrigAngle, 9, 5, v.angleInRadians ? a : RadiansToDegrees(a)),
        Value("LabelSinx", 8, 5, SafeSin(a)),
        Value("LabelCosx", 8, 5, SafeCos(a)),
        Value("LabelTanx", 8, 5, SafeTan(a)),
        Value(kEditTrigArc, 8, 5, x),
        Value("LabelArcSinx", 8, 5, RadiansToDegrees(SafeAsin(x))),
        Value("LabelArcCosx", 8, 5, RadiansToDegrees(SafeAcos(x))),
        Value("LabelArcTanx", 8, 5, RadiansToDegrees(SafeAtan(x))),
        Item("LabelDms", DmsText(RadiansToDegrees(d))),
        Value("LabelDmsDeg", 8, 5, RadiansToDegrees(d)),
        Value("LabelDmsRad", 8, 5, d),
        Value(kEditExponentsX, 16, 8, base),
        Value(kEditExponentsExp, 16, 8, v.expExponent),
        Item("LabelPower", power),
        Value("LabelLnx", 16, 8, SafeLog(base)),
        Value("LabelLn10x", 16, 8, SafeLog10(base)),
        Value("LabelExpx", 16, 8, SafeExp(base)),
    };
}

bool MathTrigPageModel::CheckBoxClicked(std::string_view control, bool checked, Interaction&) {
    if (control != kCheckBoxTrigAngleRadians) {
        return false;
    }
    m_values.angleInRadians = checked;
    return true;
}

bool MathTrigPageModel::EditEntered(std::string_view control, std::string_view text, Interaction&) {
    MathTrigValues& v = m_values;
    if (control == kEditTrigAngle) {
        const double entry = EntryNumber(text);
        v.trigAngle = Limited(v.angleInRadians ? entry : DegreesToRadians(entry), kTrigAngleLimit);
    } else if (control == kEditTrigArc) {
        v.trigArc = Limited(EntryNumber(text), kArcLimit);
    } else if (control == kEditExponentsX || control == kEditExponentsExp) {
        // Both values are limited whichever box was entered; the other box's value is the one
        // held, not its text, which shows fewer decimals (87.498233533 shows "87.49823353").
        const bool baseEntered = control == kEditExponentsX;
        const double base = baseEntered ? EntryNumber(text) : v.expBase;
        const double exponent = baseEntered ? v.expExponent : EntryNumber(text);
        v.expBase = ClampToRange(kBaseHigh, 0, base);
        v.expExponent = Limited(exponent, kExponentLimit);
    } else {
        return false;
    }
    return true;
}

bool MathTrigPageModel::EntryChanged(std::string_view control, std::string_view text) const {
    for (const DisplayItem& item : Display()) {
        if (item.name == control) {
            return item.text != text;
        }
    }
    return true;
}

void MathTrigPageModel::DmsCommand(Interaction& ui) {
    TPromptDmsDlg dialog(ui.cues());
    dialog.Run(ui, m_values.dmsAngle);
}

void MathTrigPageModel::DegreesCommand(Interaction& ui) {
    const double shown = RadiansToDegrees(m_values.dmsAngle);
    double degrees = shown;
    if (!PromptRealValue(ui, "Enter Angle in Degrees", degrees, kPromptDecimals, kDegreesBound,
                         -kDegreesBound)) {
        return;
    }
    // An answer that hands back the starting value (Cancel, or OK on the untouched text, of
    // an angle inside the bounds) leaves the stored angle alone: converting it back to
    // radians would move it by a rounding each time.
    if (degrees != shown) {
        m_values.dmsAngle = DegreesToRadians(degrees);
    }
}

void MathTrigPageModel::RadiansCommand(Interaction& ui) {
    double radians = m_values.dmsAngle;
    if (PromptRealValue(ui, "Enter Angle in Radians", radians, kPromptDecimals, kRadiansBound,
                        -kRadiansBound)) {
        m_values.dmsAngle = radians;
    }
}

}  // namespace quorvel
