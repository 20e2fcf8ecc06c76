#pragma once
// The Math/Trig page without its window: four small calculators. Sine, cosine and tangent of
// an angle typed in degrees or radians; arc sine, arc cosine and arc tangent of a number, in
// degrees; power, logarithms and exponential of a number; and an angle shown as
// degrees-minutes-seconds, degrees and radians, edited through PopupMenu4. Every function goes
// through the guarded maths of common/safe_math.h, so a value outside a function's domain
// shows as MATH_ERROR_VALUE. Kept in section "MathTrig" of the settings file.

#include <array>
#include <memory>
#include <numbers>
#include <string>

#include "pages/page_entry.h"
#include "shell/page_tables.h"

namespace quorvel {

// The page's value block, every value 0 (false) at creation.
struct MathTrigValues {
    double trigAngle = 0;         // a, radians whatever unit the edit box shows
    bool angleInRadians = false;  // EditTrigAngle shows and takes radians, else degrees
    double trigArc = 0;           // x of the arc functions
    double expBase = 0;           // X of the power, logarithms and exponential
    double expExponent = 0;       // e of the power
    double dmsAngle = 0;          // d, radians
};

// The Math/Trig page in the page registry.
struct MathTrigPage {
    static constexpr PageIdentity kIdentity{"MathTrig", "Math/Trig", "Math/Trig Functions"};
    static constexpr std::array<std::string_view, 1> kMainPanels{"PanelMain"};
    static constexpr PageColourTargets kColours{kMainPanels, {}, "LabelPower"};
    static std::unique_ptr<PageModel> MakeModel(const PageContext& context);
    static TPageForm* MakeForm(PageFormContext& context);
};

class MathTrigPageModel final : public TablePageModel<MathTrigPageModel, MathTrigValues> {
public:
    // The limits the edit boxes put on what they take (loaded values are not limited). The
    // angle is limited to one turn either way, in radians, whichever unit it is typed in.
    static constexpr double kTrigAngleLimit = 2 * std::numbers::pi;
    static constexpr double kArcLimit = 1;
    static constexpr double kBaseHigh = 1000000;
    static constexpr double kExponentLimit = 87.498233533;

    MathTrigPageModel() : TablePageModel(MathTrigPage::kIdentity) {}

    // CheckBoxTrigAngleRadians, then the trigonometry, the arc functions, the angle panel and
    // the exponents, in the order the page writes them.
    DisplayList Display() const override;

    // CheckBoxTrigAngleRadians: the unit of EditTrigAngle; the stored angle stays.
    bool CheckBoxClicked(std::string_view control, bool checked, Interaction& ui) override;
    // Enter in EditTrigAngle, EditTrigArc, EditExponentsX or EditExponentsExp. The number is
    // ParseReal's leading numeric part of the text (0 when there is none), taken even when
    // characters follow it, and limited silently to the box's range. An exponent box sets its
    // own value; the other keeps the value it holds, limited to its own range, rather than the
    // rounded text it shows.
    bool EditEntered(std::string_view control, std::string_view text, Interaction& ui) override;

    // Whether the text of an edit box differs from what the page shows in it now, the text
    // it last wrote there. Leaving a box that the user did not change applies nothing, so
    // that a click elsewhere never replaces a value by its rounded text.
    bool EntryChanged(std::string_view control, std::string_view text) const;

private:
    friend TablePageModel;
    // "TrigAngle", "TrigAngleRads", "TrigArc", "ExpXvalue", "ExpExpvalue", "DmsRad": read as
    // they stand, nothing derived and nothing limited.
    static std::span<const SettingField<MathTrigPageModel, MathTrigValues>> SettingFields();
    // PopupMenu4 of Panel1: the "DMS Angle" title, a separator and the three entries of the
    // angle.
    static std::span<const MenuEntry<MathTrigPageModel>> MenuEntries();

    void DmsCommand(Interaction& ui);
    void DegreesCommand(Interaction& ui);
    void RadiansCommand(Interaction& ui);
};

}  // namespace quorvel
