#pragma once
// The Misc page without its window: four small unit calculators, each keeping one canonical
// value, kept in section "MiscCalc" of the settings file and edited through the bounded
// prompts. The vector keeps its three components and shows their length; the distance is
// kept in nautical miles, the speed in knots and the acceleration in G, and every other unit
// shown is derived from them when the page is shown. Loading the settings derives nothing.

#include <array>
#include <memory>

#include "pages/page_entry.h"
#include "shell/page_tables.h"

namespace quorvel {

// The page's value block, all 0 when the page is created.
struct MiscValues {
    double distanceNmi = 0;  // nautical miles
    double vectorX = 0;      // the vector's components, plain numbers in any one unit
    double vectorY = 0;
    double vectorZ = 0;
    double speedKts = 0;       // knots
    double accelerationG = 0;  // G
};

// The Misc page in the page registry.
struct MiscCalcPage {
    static constexpr PageIdentity kIdentity{"MiscCalc", "Misc", "Misc Functions"};
    static constexpr std::array<std::string_view, 1> kMainPanels{"PanelMain"};
    static constexpr PageColourTargets kColours{kMainPanels, {}, "LabelVectorX"};
    static std::unique_ptr<PageModel> MakeModel(const PageContext& context);
    static TPageForm* MakeForm(PageFormContext& context);
};

class MiscCalcPageModel final : public TablePageModel<MiscCalcPageModel, MiscValues> {
public:
    MiscCalcPageModel() : TablePageModel(MiscCalcPage::kIdentity) {}

    // The fourteen result labels in the order the page writes them, every value formatted
    // with FormatNumber(8, 3): the vector, its length, the distance, the speed, the
    // acceleration.
    DisplayList Display() const override;

private:
    friend TablePageModel;
    // "Nmi", "VectorXyzAry x", "VectorXyzAry y", "VectorXyzAry z", "Kts" and "Gs", taken as
    // they stand.
    static std::span<const SettingField<MiscCalcPageModel, MiscValues>> SettingFields();
    // PopupMenu1 (vector), PopupMenu2 (distance), PopupMenu3 (speed), PopupMenu4
    // (acceleration), each a title and a separator over its commands.
    static std::span<const MenuEntry<MiscCalcPageModel>> MenuEntries();

    void XMagnitudeCommand(Interaction& ui);
    void YMagnitudeCommand(Interaction& ui);
    void ZMagnitudeCommand(Interaction& ui);
    void NauticalMilesCommand(Interaction& ui);
    void StatuteMilesCommand(Interaction& ui);
    void FeetCommand(Interaction& ui);
    void KnotsCommand(Interaction& ui);
    void FeetPerSecondCommand(Interaction& ui);
    void GsCommand(Interaction& ui);
    void ZAccelerationCommand(Interaction& ui);
};

}  // namespace quorvel
