#include "pages/wg84/wg84_page.h"

#include <cmath>
#include <string>

#include "common/geodesy/horizon.h"
#include "common/geodesy/map_utils.h"
#include "common/number_text.h"
#include "pages/wg84/enu_dialog.h"
#include "pages/wg84/line_of_sight_picture.h"
#include "pages/wg84/llm_dialog.h"
#include "pages/wg84/miss_dist_dialog.h"
#include "pages/wg84/rae_dialog.h"

namespace quorvel {
namespace {

// Degrees per radian as the page shows angles (the dialogs use their own factor).
constexpr double kPageDegreesPerRadian = 57.2957795130823;

// The dialog captions' suffixes: the side the edited values are seen from.
constexpr std::string_view kFromTarget = "From Tgt Geod";
constexpr std::string_view kFromReference = "From Ref Geod";

// The 17 labels of one block: `suffix` is "Ref" or "Tgt".
void AppendBlock(DisplayList& list, std::string_view suffix, const LlmPosition& position,
                 double ellipsoidAlt, double horizon, const EnuVector& enu, const RaeVector& rae) {
    const auto add = [&](std::string_view name, std::string text) {
        list.push_back({std::string(name) + std::string(suffix), std::move(text)});
    };
    const auto nmi = [](double value) { return FormatNumber(8, 2, value); };
    const auto feet = [](double valueNmi) { return FormatNumber(12, 0, valueNmi * FEET_PER_NMI); };
    const double ground = std::sqrt(enu.east * enu.east + enu.north * enu.north);

    add("LabelLat", LatLongText(position.latitude * kPageDegreesPerRadian));
    add("LabelLong", LatLongText(position.longitude * kPageDegreesPerRadian));
    add("LabelMsl", FormatNumber(8, 2, position.altitude * FEET_PER_NMI));
    add("LabelEllipseAlt", FormatNumber(8, 2, ellipsoidAlt * FEET_PER_NMI));
    add("LabelHorizon", nmi(horizon));
    add("LabelEastNmi", nmi(enu.east));
    add("LabelNorthNmi", nmi(enu.north));
    add("LabelUpNmi", nmi(enu.up));
    add("LabelEastFt", feet(enu.east));
    add("LabelNorthFt", feet(enu.north));
    add("LabelUpFt", feet(enu.up));
    add("LabelRangeNmi", nmi(rae.range));
    add("LabelRangeFt", feet(rae.range));
    add("LabelRgNmi", nmi(ground));
    add("LabelRgFt", feet(ground));
    add("LabelAz", FormatNumber(8, 2, rae.azimuth * kPageDegreesPerRadian));
    add("LabelEl", FormatNumber(8, 2, rae.elevation * kPageDegreesPerRadian));
}

}  // namespace

std::unique_ptr<PageModel> Wg84Page::MakeModel(const PageContext&) {
    return std::make_unique<Wg84PageModel>();
}

Wg84PageModel::Wg84PageModel() : TablePageModel(Wg84Page::kIdentity) {
    m_values.refLlm = kWg84DefaultPosition;
    m_values.tgtLlm = kWg84DefaultPosition;
    RecomputeFromLlm(m_values, Wg84Side::Reference);
    RecomputeMiss(m_values);
    ComputeAltitudes(m_values);
}

std::span<const SettingField<Wg84PageModel, Wg84Values>> Wg84PageModel::SettingFields() {
    using Model = Wg84PageModel;
    using V = Wg84Values;
    using P = LlmPosition;
    // The key's number is its element of the position; the miss keys carry the number the
    // position loop ended on. A position takes a NaN from the file: the recompute after the
    // reads limits it to 0, as it does an infinity.
    static constexpr std::array<SettingField<Model, V>, 8> kFields{{
        {.key = "RefLlm0", .member = Stored<&V::refLlm, &P::latitude>, .takesNan = true},
        {.key = "TgtLlm0", .member = Stored<&V::tgtLlm, &P::latitude>, .takesNan = true},
        {.key = "RefLlm1", .member = Stored<&V::refLlm, &P::longitude>, .takesNan = true},
        {.key = "TgtLlm1", .member = Stored<&V::tgtLlm, &P::longitude>, .takesNan = true},
        {.key = "RefLlm2", .member = Stored<&V::refLlm, &P::altitude>, .takesNan = true},
        {.key = "TgtLlm2",
         .member = Stored<&V::tgtLlm, &P::altitude>,
         .afterRead = &Model::RecomputeAfterPositionsRead,
         .takesNan = true},
        {"MissDx3", Stored<&V::missDx>},
        {"MissDy3", Stored<&V::missDy>, &Model::RecomputeMissAfterRead},
    }};
    return kFields;
}

std::span<const MenuEntry<Wg84PageModel>> Wg84PageModel::MenuEntries() {
    using Model = Wg84PageModel;
    using Menu = MenuTable<Model>;
    static constexpr std::string_view kRef = "PopupMenuRef";
    static constexpr std::string_view kTgt = "PopupMenuTgt";
    static constexpr std::string_view kLineOfSight = "Line Of Sight...";
    static constexpr std::array kEntries{
        Menu::Title(kRef, "Reference Geod"),
        Menu::Separator(kRef),
        Menu::Command(kRef, "Edit Lat Long Msl", &Model::EditLatLongMslRef,
                      "MenuEditLatLongMslRef"),
        Menu::Command(kRef, "Edit East North Up", &Model::EditEastNorthUpRef,
                      "MenuEditEastNorthUpRef"),
        Menu::Command(kRef, "Edit Range Az El", &Model::EditRangeAzElRef, "MenuEditRangeAzElRef"),
        Menu::Separator(kRef),
        Menu::Command(kRef, kLineOfSight, &Model::ShowLineOfSight, "MenuLineOfSightRef"),
        Menu::Title(kTgt, "Target Geod"),
        Menu::Separator(kTgt),
        Menu::Command(kTgt, "Edit Lat Long Msl", &Model::EditLatLongMslTgt,
                      "MenuEditLatLongMslTgt"),
        Menu::Command(kTgt, "Edit East North Up", &Model::EditEastNorthUpTgt,
                      "MenuEditEastNorthUpTgt"),
        Menu::Command(kTgt, "Edit Range Az El", &Model::EditRangeAzElTgt, "MenuEditRangeAzElTgt"),
        Menu::Separator(kTgt),
        Menu::Command(kTgt, kLineOfSight, &Model::ShowLineOfSight, "MenuLineOfSightTgt"),
        Menu::OnPopup("PopupMenuMissDist", &Model::EditMissDist),
    };
    return kEntries;
}

void Wg84PageModel::RecomputeAfterPositionsRead() {
    RecomputeFromLlm(m_values, Wg84Side::Reference);
}

void Wg84PageModel::RecomputeMissAfterRead() {
    RecomputeMiss(m_values);
}

Wg84Values Wg84PageModel::ShownValues() const {
    Wg84Values shown = m_values;
    PrepareShownValues(shown);
    return shown;
}

DisplayList Wg84PageModel::Display() const {
    const Wg84Values v = ShownValues();
    DisplayList list;
    list.reserve(38);
    AppendBlock(list, "Ref", v.refLlm, v.refEllipsoidAlt, v.refHorizon, v.refEnu, v.refRae);
    AppendBlock(list, "Tgt", v.tgtLlm, v.tgtEllipsoidAlt, v.tgtHorizon, v.tgtEnu, v.tgtRae);
    list.push_back({"LabelDx", FormatNumber(8, 2, v.missDx * FEET_PER_NMI)});
    list.push_back({"LabelDy", FormatNumber(8, 2, v.missDy * FEET_PER_NMI)});
    list.push_back({"LabelDist", FormatNumber(8, 2, v.missDistance * FEET_PER_NMI)});
    list.push_back({"LabelClock", ClockText(v.missClock)});
    return list;
}

LineOfSightFigures Wg84PageModel::LineOfSight() const {
    // The positions as the page shows them: a recompute from an offset may leave one beyond
    // the limits until it is next converted.
    const Wg84Values shown = ShownValues();
    return ComputeLineOfSight(shown.refLlm, shown.tgtLlm);
}

std::optional<Picture> Wg84PageModel::PagePicture() const {
    return LineOfSightPicture(LineOfSight(), LookAnglesOf(m_values));
}

DisplayList Wg84PageModel::PictureFigures() const {
    return LineOfSightFigureTexts(LineOfSight());
}

// Each position command runs its dialog on the stored field and recomputes from it only when
// the dialog was accepted. A cancelled dialog changes nothing: a recompute from the held
// offsets would move the point whenever they are the negation of the other side's (the other
// side recomputed last), and would replace the other side's offsets all the same.

void Wg84PageModel::EditLatLongMslRef(Interaction& ui) {
    if (TMapPromptLlmDlg(ui.cues()).Run(ui, m_values.refLlm)) {
        RecomputeFromLlm(m_values, Wg84Side::Reference);
    }
}

void Wg84PageModel::EditEastNorthUpRef(Interaction& ui) {
    if (TMapPromptEnuDlg(ui.cues()).Run(ui, m_values.refEnu, kFromTarget)) {
        RecomputeFromEnu(m_values, Wg84Side::Reference);
    }
}

void Wg84PageModel::EditRangeAzElRef(Interaction& ui) {
    if (TMapPromptRaeDlg(ui.cues()).Run(ui, m_values.refRae, kFromTarget)) {
        RecomputeFromRae(m_values, Wg84Side::Reference);
    }
}

void Wg84PageModel::EditLatLongMslTgt(Interaction& ui) {
    if (TMapPromptLlmDlg(ui.cues()).Run(ui, m_values.tgtLlm)) {
        RecomputeFromLlm(m_values, Wg84Side::Target);
    }
}

void Wg84PageModel::EditEastNorthUpTgt(Interaction& ui) {
    if (TMapPromptEnuDlg(ui.cues()).Run(ui, m_values.tgtEnu, kFromReference)) {
        RecomputeFromEnu(m_values, Wg84Side::Target);
    }
}

void Wg84PageModel::EditRangeAzElTgt(Interaction& ui) {
    if (TMapPromptRaeDlg(ui.cues()).Run(ui, m_values.tgtRae, kFromReference)) {
        RecomputeFromRae(m_values, Wg84Side::Target);
    }
}

// The miss recompute depends on nothing but the two components, so it changes nothing after
// a cancelled dialog; it runs either way.
void Wg84PageModel::EditMissDist(Interaction& ui) {
    TMapPromptMissDistDlg(ui.cues()).Run(ui, m_values.missDx, m_values.missDy);
    RecomputeMiss(m_values);
}

void Wg84PageModel::ShowLineOfSight(Interaction&) {}

}  // namespace quorvel
