#pragma once
// The WG 84 page without its window: a reference and a target position on the WGS-84
// ellipsoid, each seen from the other as East/North/Up and as range/azimuth/elevation, with
// its altitude above the ellipsoid and its horizon, and a miss distance of two components with
// its clock position. Either position is edited in any of its three forms through the entry
// dialogs (llm_dialog.h, enu_dialog.h, rae_dialog.h), the miss through miss_dist_dialog.h.
// Only the two positions and the miss components are kept, in section "Wg84" (radians and
// nautical miles); everything else is recomputed (wg84_recompute.h).

#include <array>
#include <memory>
#include <string_view>

#include "pages/page_entry.h"
#include "pages/wg84/line_of_sight.h"
#include "pages/wg84/wg84_recompute.h"
#include "shell/page_tables.h"

namespace quorvel {

// The WG 84 page in the page registry. The six inner panels of the two blocks take the panel
// colours with the main panel; every value label follows LabelLatRef's data colour.
struct Wg84Page {
    static constexpr PageIdentity kIdentity{"Wg84", "WG 84", "WG84 Earth Functions"};
    static constexpr std::array<std::string_view, 7> kMainPanels{
        "PanelMain", "Panel3", "Panel4", "Panel5", "Panel9", "Panel10", "Panel11"};
    static constexpr PageColourTargets kColours{kMainPanels, {}, "LabelLatRef"};
    static std::unique_ptr<PageModel> MakeModel(const PageContext& context);
    static TPageForm* MakeForm(PageFormContext& context);
};

class Wg84PageModel final : public TablePageModel<Wg84PageModel, Wg84Values> {
public:
    // Both positions at kWg84DefaultPosition, the miss at 0, and everything derived from them:
    // all relative values 0, both altitudes 2283.26 ft.
    Wg84PageModel();

    // The 38 value labels as the page shows them: the block as ShowValues leaves it (both
    // positions limited, altitudes and horizons recomputed), the reference's 17 labels, the
    // target's 17, then Dx, Dy, Distance and Clock.
    DisplayList Display() const override;

    // The value block as the page shows it (PrepareShownValues on a copy). The stored
    // positions are already limited by every recompute, so this differs from Values() only
    // in the altitudes and horizons, which the page derives when it shows them.
    Wg84Values ShownValues() const;

    // The line of sight between the two positions as the page shows them (line_of_sight.h).
    LineOfSightFigures LineOfSight() const;
    // The line-of-sight picture (profile and look angles, line_of_sight_picture.h) at the size
    // it takes where nothing else decides it; the window draws it for its own size.
    std::optional<Picture> PagePicture() const override;
    // The line-of-sight figures: path length, and each path's clearance, where it lies and
    // whether the path is clear.
    DisplayList PictureFigures() const override;

private:
    friend TablePageModel;
    // RefLlm0, TgtLlm0, RefLlm1, TgtLlm1, RefLlm2, TgtLlm2, then the recompute from the
    // reference's position; MissDx3, MissDy3, then the miss recompute.
    static std::span<const SettingField<Wg84PageModel, Wg84Values>> SettingFields();
    // PopupMenuRef and PopupMenuTgt (a title, a separator and the three edits, named by
    // item, then a separator and "Line Of Sight..."), and PopupMenuMissDist, which opens its
    // dialog on pop-up.
    static std::span<const MenuEntry<Wg84PageModel>> MenuEntries();

    void RecomputeAfterPositionsRead();
    void RecomputeMissAfterRead();

    void EditLatLongMslRef(Interaction& ui);
    void EditEastNorthUpRef(Interaction& ui);
    void EditRangeAzElRef(Interaction& ui);
    void EditLatLongMslTgt(Interaction& ui);
    void EditEastNorthUpTgt(Interaction& ui);
    void EditRangeAzElTgt(Interaction& ui);
    void EditMissDist(Interaction& ui);
    // The window opens the line-of-sight window on this command; the page has nothing to ask
    // or change, so without a window it only shows its values again.
    void ShowLineOfSight(Interaction& ui);
};

}  // namespace quorvel
