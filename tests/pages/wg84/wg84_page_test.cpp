#include "pages/wg84/wg84_page.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "common/geodesy/horizon.h"
#include "common/geodesy/local_frame.h"
#include "common/geodesy/map_utils.h"
#include "common/number_text.h"
#include "pages/page_registry.h"
#include "pages/wg84/position_entry_dialog.h"
#include "shell/ini_store.h"
#include "shell/settings_file.h"
#include "support/page_model_checks.h"
#include "support/scripted_interaction.h"

namespace quorvel {
namespace {

using testing::ScriptedInteraction;
using testing::Shown;
using testing::TypeIntoBox;

constexpr auto Loaded = testing::Loaded<Wg84PageModel>;

// One box typed into, as the user does.
struct Typed {
    const char* box;
    const char* text;
};

// Runs the page's command of that menu and caption; its dialog gets `typed`, then OK (or
// Cancel). Returns the dialog's caption.
std::string Edit(Wg84PageModel& page, std::string_view menu, std::string_view caption,
                 std::vector<Typed> typed, bool ok = true) {
    ScriptedInteraction ui;
    std::string seen;
    ui.OnDialog([&](DialogModel& dialog) {
        seen = dialog.Caption();
        for (const Typed& step : typed) {
            TypeIntoBox(dialog, step.box, step.text);
        }
        ok ? dialog.Ok() : dialog.Cancel();
        return ok;
    });
    EXPECT_TRUE(page.RunMenuCommand({menu, caption}, ui));
    EXPECT_TRUE(ui.ScriptUsed());
    return seen;
}

constexpr std::string_view kRef = "PopupMenuRef";
constexpr std::string_view kTgt = "PopupMenuTgt";
constexpr std::string_view kLlm = "Edit Lat Long Msl";
constexpr std::string_view kEnu = "Edit East North Up";
constexpr std::string_view kRae = "Edit Range Az El";

// Exactly the negation, component by component.
bool Negations(const EnuVector& a, const EnuVector& b) {
    return a.east == -b.east && a.north == -b.north && a.up == -b.up;
}

TEST(Wg84Page, IsTheFifthPageOfTheRegistry) {
    const auto page = MakePageModel(4);
    ASSERT_NE(dynamic_cast<Wg84PageModel*>(page.get()), nullptr);
    EXPECT_EQ(page->SectionName(), "Wg84");
    EXPECT_EQ(page->TabCaption(), "WG 84");
    EXPECT_EQ(page->PageCaption(), "WG84 Earth Functions");
}

TEST(Wg84Page, ListsBothBlocksThenTheMiss) {
    const Wg84PageModel page;
    std::vector<std::string> names;
    for (const DisplayItem& item : page.Display()) {
        names.push_back(item.name);
    }
    std::vector<std::string> expected;
    for (const char* side : {"Ref", "Tgt"}) {
        for (const char* label :
             {"LabelLat", "LabelLong", "LabelMsl", "LabelEllipseAlt", "LabelHorizon",
              "LabelEastNmi", "LabelNorthNmi", "LabelUpNmi", "LabelEastFt", "LabelNorthFt",
              "LabelUpFt", "LabelRangeNmi", "LabelRangeFt", "LabelRgNmi", "LabelRgFt", "LabelAz",
              "LabelEl"}) {
            expected.push_back(std::string(label) + side);
        }
    }
    for (const char* label : {"LabelDx", "LabelDy", "LabelDist", "LabelClock"}) {
        expected.emplace_back(label);
    }
    EXPECT_EQ(names, expected);
    EXPECT_EQ(names.size(), 38U);
}

TEST(Wg84Page, FreshPageShowsBothPositionsAtTheDefault) {
    const Wg84PageModel page;
    for (const std::string side : {"Ref", "Tgt"}) {
        SCOPED_TRACE(side);
        EXPECT_EQ(Shown(page, "LabelLat" + side), "035 41 15.010");
        EXPECT_EQ(Shown(page, "LabelLong" + side), "-117 40 47.120");
        EXPECT_EQ(Shown(page, "LabelMsl" + side), "2283.26");
        EXPECT_EQ(Shown(page, "LabelEllipseAlt" + side), "2283.26");
        EXPECT_EQ(Shown(page, "LabelHorizon" + side), "55.91");
        for (const char* nmi : {"LabelEastNmi", "LabelNorthNmi", "LabelUpNmi", "LabelRangeNmi",
                                "LabelRgNmi", "LabelAz", "LabelEl"}) {
            EXPECT_EQ(Shown(page, nmi + side), "0.00") << nmi;
        }
        for (const char* feet :
             {"LabelEastFt", "LabelNorthFt", "LabelUpFt", "LabelRangeFt", "LabelRgFt"}) {
            EXPECT_EQ(Shown(page, feet + side), "0") << feet;
        }
    }
    EXPECT_EQ(Shown(page, "LabelDx"), "0.00");
    EXPECT_EQ(Shown(page, "LabelDy"), "0.00");
    EXPECT_EQ(Shown(page, "LabelDist"), "0.00");
    EXPECT_EQ(Shown(page, "LabelClock"), "00:00");
    // An empty settings file gives the same page.
    EXPECT_EQ(Loaded("").Display(), page.Display());
}

TEST(Wg84Page, MenusHaveTitleSeparatorAndNamedItems) {
    const Wg84PageModel page;
    const std::vector<PopupMenu> menus = page.Menus();
    ASSERT_EQ(menus.size(), 3U);
    const auto check = [](const PopupMenu& menu, const char* name, const char* title,
                          const char* side) {
        SCOPED_TRACE(name);
        EXPECT_EQ(menu.name, name);
        EXPECT_FALSE(menu.actsOnPopup);
        ASSERT_EQ(menu.items.size(), 7U);
        EXPECT_EQ(menu.items[0].kind, MenuItem::Kind::Title);
        EXPECT_EQ(menu.items[0].caption, title);
        EXPECT_EQ(menu.items[1].kind, MenuItem::Kind::Separator);
        const std::vector<std::pair<std::string, std::string>> commands{
            {"Edit Lat Long Msl", "MenuEditLatLongMsl"},
            {"Edit East North Up", "MenuEditEastNorthUp"},
            {"Edit Range Az El", "MenuEditRangeAzEl"}};
        for (std::size_t i = 0; i < commands.size(); ++i) {
            const MenuItem& item = menu.items[i + 2];
            EXPECT_TRUE(item.IsCommand());
            EXPECT_EQ(item.caption, commands[i].first);
            EXPECT_EQ(item.name, commands[i].second + side);
        }
        EXPECT_EQ(menu.items[5].kind, MenuItem::Kind::Separator);
        EXPECT_TRUE(menu.items[6].IsCommand());
        EXPECT_EQ(menu.items[6].caption, "Line Of Sight...");
        EXPECT_EQ(menu.items[6].name, std::string("MenuLineOfSight") + side);
    };
    check(menus[0], "PopupMenuRef", "Reference Geod", "Ref");
    check(menus[1], "PopupMenuTgt", "Target Geod", "Tgt");
    EXPECT_EQ(menus[2].name, "PopupMenuMissDist");
    EXPECT_TRUE(menus[2].actsOnPopup);
    EXPECT_TRUE(menus[2].items.empty());
}

TEST(Wg84Page, LineOfSightFollowsThePositionsAndItsCommandChangesNothing) {
    Wg84PageModel page;
    const auto figure = [&](const std::string& name) {
        for (const DisplayItem& item : page.PictureFigures()) {
            if (item.name == name) {
                return item.text;
            }
        }
        return std::string("<not listed>");
    };
    // Both positions at the default: no path, the altitude as clearance.
    EXPECT_EQ(figure("LabelLosPathLength"), "0.00");
    EXPECT_EQ(figure("LabelLosClearance"), "2283.26");
    EXPECT_EQ(figure("LabelLosRadioVisible"), "YES");
    // An antenna at 100 ft, a target 75 nmi north at 10000 ft: in sight.
    page.LoadSettings(
        IniText("[Wg84]\nRefLlm2=0.016457883\nTgtLlm0=0.644711800\n"
                "TgtLlm2=1.645788336\n"));
    EXPECT_EQ(figure("LabelLosPathLength"), "75.00");
    EXPECT_EQ(figure("LabelLosClearance"), "100.00");
    EXPECT_EQ(figure("LabelLosVisible"), "YES");
    EXPECT_EQ(page.PictureFigures().size(), 7U);
    const std::optional<Picture> picture = page.PagePicture();
    ASSERT_TRUE(picture.has_value());
    EXPECT_EQ(picture->title, "Line of Sight");
    EXPECT_NE(picture->description.find("azimuth 0.00"), std::string::npos) << picture->description;

    const DisplayList before = page.Display();
    ScriptedInteraction ui;
    EXPECT_TRUE(page.RunMenuCommand({kRef, "Line Of Sight..."}, ui));
    EXPECT_TRUE(page.RunMenuCommand({kTgt, "Line Of Sight..."}, ui));
    EXPECT_EQ(page.Display(), before);
}

TEST(Wg84Page, KeepsEightRealKeysInReadOrder) {
    const Wg84PageModel page;
    std::vector<std::string> keys;
    for (const SettingKey& key : page.SettingKeys()) {
        EXPECT_EQ(key.type, SettingType::Real) << key.name;
        keys.emplace_back(key.name);
    }
    EXPECT_EQ(keys, (std::vector<std::string>{"RefLlm0", "TgtLlm0", "RefLlm1", "TgtLlm1", "RefLlm2",
                                              "TgtLlm2", "MissDx3", "MissDy3"}));
}

TEST(Wg84Page, DialogCaptionsNameTheSideTheValuesAreSeenFrom) {
    Wg84PageModel page;
    EXPECT_EQ(Edit(page, kRef, kLlm, {}, false), "Enter Lat Long Msl");
    EXPECT_EQ(Edit(page, kRef, kEnu, {}, false), "Enter East North Up From Tgt Geod");
    EXPECT_EQ(Edit(page, kRef, kRae, {}, false), "Enter Range Az El From Tgt Geod");
    EXPECT_EQ(Edit(page, kTgt, kLlm, {}, false), "Enter Lat Long Msl");
    EXPECT_EQ(Edit(page, kTgt, kEnu, {}, false), "Enter East North Up From Ref Geod");
    EXPECT_EQ(Edit(page, kTgt, kRae, {}, false), "Enter Range Az El From Ref Geod");
    EXPECT_EQ(Edit(page, "PopupMenuMissDist", "", {}, false), "Enter Dx Dy");
    // Cancelled dialogs on equal positions change nothing shown.
    EXPECT_EQ(page.Display(), Wg84PageModel().Display());
}

// The target 10 arc-minutes of latitude north of the reference, same longitude and altitude.
TEST(Wg84Page, TargetTenArcMinutesNorthIsSeenFromBothSides) {
    Wg84PageModel page;
    Edit(page, kTgt, kLlm, {{"EditLat", "35 51 15.010"}});
    EXPECT_EQ(Shown(page, "LabelLatTgt"), "035 51 15.010");
    EXPECT_EQ(Shown(page, "LabelLongTgt"), "-117 40 47.120");
    EXPECT_EQ(Shown(page, "LabelEastNmiTgt"), "0.00");
    EXPECT_EQ(Shown(page, "LabelNorthNmiTgt"), "9.99");
    EXPECT_EQ(Shown(page, "LabelUpNmiTgt"), "-0.01");
    EXPECT_EQ(Shown(page, "LabelRangeNmiTgt"), "9.99");
    EXPECT_EQ(Shown(page, "LabelRgNmiTgt"), "9.99");
    EXPECT_EQ(Shown(page, "LabelAzTgt"), "0.00");
    EXPECT_EQ(Shown(page, "LabelElTgt"), "-0.08");
    // The reference's offset is the negation; its range and bearing are its own conversion.
    EXPECT_EQ(Shown(page, "LabelNorthNmiRef"), "-9.99");
    EXPECT_EQ(Shown(page, "LabelUpNmiRef"), "0.01");
    EXPECT_EQ(Shown(page, "LabelRangeNmiRef"), "9.99");
    EXPECT_EQ(Shown(page, "LabelAzRef"), "180.00");
    EXPECT_EQ(Shown(page, "LabelElRef"), "-0.08");
    EXPECT_TRUE(Negations(page.Values().refEnu, page.Values().tgtEnu));
    // The reference stays where it was.
    EXPECT_EQ(Shown(page, "LabelLatRef"), "035 41 15.010");
}

TEST(Wg84Page, LatitudeFromTheFileIsLimitedShownAndSavedAtSeventy) {
    // 75 degrees in radians.
    Wg84PageModel page = Loaded("[Wg84]\nRefLlm0=1.308996939\n");
    EXPECT_EQ(Shown(page, "LabelLatRef"), "070 00 00.000");
    IniText saved;
    page.SaveSettings(saved);
    EXPECT_EQ(saved.ReadString("Wg84", "RefLlm0"), std::optional<std::string>("1.221730476"));
}

// A NaN position read from the file becomes 0 at the recompute after the read, as an
// infinity does; a NaN miss component is refused and the miss held stays.
TEST(Wg84Page, NonFinitePositionsFromTheFileBecomeZero) {
    for (const std::string text : {"nan", "-nan", "inf", "-inf"}) {
        Wg84PageModel page =
            Loaded("[Wg84]\nRefLlm1=" + text + "\nTgtLlm2=" + text + "\nMissDx3=" + text + "\n");
        EXPECT_EQ(page.Values().refLlm.longitude, 0.0) << text;
        EXPECT_EQ(page.Values().tgtLlm.altitude, 0.0) << text;
        EXPECT_EQ(Shown(page, "LabelLongRef"), "000 00 00.000") << text;
        EXPECT_EQ(Shown(page, "LabelEastNmiRef"), "2480.14") << text;
        EXPECT_EQ(Shown(page, "LabelMslTgt"), "0.00") << text;
    }
    EXPECT_EQ(Shown(Loaded("[Wg84]\nMissDx3=nan\n"), "LabelDx"), "0.00");
}

TEST(Wg84Page, LoadReadsBothPositionsThenRecomputesFromTheReference) {
    Wg84PageModel page = Loaded(
        "[Wg84]\nTgtLlm0=0.625773307\nRefLlm2=0.1\nMissDx3=0.01\nMissDy3=-0.01\n"
        "MissDx=5\n");
    const Wg84Values& v = page.Values();
    // The reference's offset is a conversion, the target's its negation.
    LlmPosition target = v.tgtLlm;
    const EnuVector refEnu = LlmToEnu(v.refLlm, target);
    EXPECT_EQ(v.refEnu.east, refEnu.east);
    EXPECT_EQ(v.refEnu.north, refEnu.north);
    EXPECT_EQ(v.refEnu.up, refEnu.up);
    EXPECT_TRUE(Negations(v.tgtEnu, v.refEnu));
    EXPECT_EQ(Shown(page, "LabelMslRef"), "607.61");
    EXPECT_EQ(Shown(page, "LabelNorthNmiTgt"), "9.99");
    // "MissDx" is not the page's key; "MissDx3" is.
    EXPECT_EQ(Shown(page, "LabelDx"), "60.76");
    EXPECT_EQ(Shown(page, "LabelDy"), "-60.76");
    EXPECT_EQ(Shown(page, "LabelDist"), "85.93");
    EXPECT_EQ(Shown(page, "LabelClock"), "04:30");
}

TEST(Wg84Page, SavesTheEightKeysInTheirOrderAndReadsThemBack) {
    Wg84PageModel page;
    Edit(page, kTgt, kLlm, {{"EditLat", "35 51 15.010"}, {"EditMsl", "10000"}});
    Edit(page, "PopupMenuMissDist", "", {{"EditDx", "100"}, {"EditDy", "-50"}});
    IniText saved;
    page.SaveSettings(saved);
    const std::string& text = saved.Text();
    std::size_t at = 0;
    for (const char* key : {"RefLlm0=", "TgtLlm0=", "RefLlm1=", "TgtLlm1=", "RefLlm2=", "TgtLlm2=",
                            "MissDx3=", "MissDy3="}) {
        const std::size_t found = text.find(key, at);
        ASSERT_NE(found, std::string::npos) << key;
        at = found;
    }
    EXPECT_NE(text.find("TgtLlm2=1.645788336"), std::string::npos);
    // The positions and the miss come back; the offsets are recomputed from the reference's
    // side, as every load does.
    const Wg84PageModel reloaded = Loaded(text);
    for (const char* label : {"LabelLatRef", "LabelLongRef", "LabelMslRef", "LabelLatTgt",
                              "LabelLongTgt", "LabelMslTgt", "LabelDx", "LabelDy", "LabelClock"}) {
        EXPECT_EQ(Shown(reloaded, label), Shown(page, label)) << label;
    }
    EXPECT_EQ(Shown(reloaded, "LabelNorthNmiTgt"), "9.99");
}

TEST(Wg84Page, TargetRangeZeroMovesTheReferenceOntoTheTarget) {
    Wg84PageModel page;
    Edit(page, kTgt, kLlm, {{"EditLat", "35 51 15.010"}});
    Edit(page, kTgt, kRae, {{"EditRange", "0"}});
    EXPECT_EQ(Shown(page, "LabelLatRef"), "035 51 15.010");
    EXPECT_TRUE(VectorsEqual(page.Values().refLlm, page.Values().tgtLlm));
    for (const char* side : {"Ref", "Tgt"}) {
        const std::string s = side;
        EXPECT_EQ(Shown(page, "LabelRangeNmi" + s), "0.00");
        EXPECT_EQ(Shown(page, "LabelAz" + s), "0.00");
        EXPECT_EQ(Shown(page, "LabelEl" + s), "0.00");
    }
    // Both offsets keep their previous values.
    EXPECT_EQ(Shown(page, "LabelNorthNmiTgt"), "9.99");
    EXPECT_EQ(Shown(page, "LabelNorthNmiRef"), "-9.99");
}

TEST(Wg84Page, EqualPositionsThroughLatLongMslZeroEveryRelativeValue) {
    Wg84PageModel page;
    Edit(page, kTgt, kEnu, {{"EditEast", "3"}, {"EditNorth", "4"}});
    ASSERT_EQ(Shown(page, "LabelRgNmiTgt"), "5.00");
    // Both positions through the same texts, so they are equal to the last bit.
    Edit(page, kRef, kLlm, {});
    Edit(page, kTgt, kLlm,
         {{"EditLat", "35 41 15.010"}, {"EditLong", "-117 40 47.120"}, {"EditMsl", "2283.26"}});
    EXPECT_TRUE(VectorsEqual(page.Values().refLlm, page.Values().tgtLlm));
    for (const char* side : {"Ref", "Tgt"}) {
        const std::string s = side;
        for (const char* label : {"LabelEastNmi", "LabelNorthNmi", "LabelUpNmi", "LabelRangeNmi",
                                  "LabelRgNmi", "LabelAz", "LabelEl"}) {
            EXPECT_EQ(Shown(page, label + s), "0.00") << label << s;
        }
    }
}

TEST(Wg84Page, TargetOffsetMovesTheTargetAndShowsItsNewAltitude) {
    Wg84PageModel page;
    Edit(page, kTgt, kEnu, {{"EditEast", "1"}, {"EditNorth", "0"}, {"EditUp", "1000"}});
    EXPECT_EQ(Shown(page, "LabelEastNmiTgt"), "1.00");
    EXPECT_EQ(Shown(page, "LabelUpFtTgt"), "1000");
    EXPECT_EQ(Shown(page, "LabelAzTgt"), "90.00");
    // The altitude and horizon the page derives as it shows the moved target (the curve of
    // the Earth adds nearly 0.9 ft a mile away).
    const Wg84Values shown = page.ShownValues();
    EXPECT_NEAR(shown.tgtLlm.altitude * FEET_PER_NMI, 3283.26 + 0.88, 0.01);
    EXPECT_NE(shown.tgtEllipsoidAlt, page.Values().tgtEllipsoidAlt);
    EXPECT_EQ(Shown(page, "LabelEllipseAltTgt"), Shown(page, "LabelMslTgt"));
    EXPECT_EQ(Shown(page, "LabelHorizonTgt"),
              FormatNumber(8, 2, VisualHorizonNmi(shown.tgtLlm.altitude)));
    // The reference stays where it was, bit for bit.
    EXPECT_TRUE(VectorsEqual(page.Values().refLlm, kWg84DefaultPosition));
}

// Target 1 nmi east, then 1 nmi west: the second offset equals the reference's offset (the
// negation of the first) and must still move the target, not put the reference onto it.
TEST(Wg84Page, ReversedOffsetMovesTheTargetToTheOtherSide) {
    Wg84PageModel page;
    Edit(page, kTgt, kEnu, {{"EditEast", "1"}, {"EditNorth", "0"}, {"EditUp", "0"}});
    Edit(page, kTgt, kEnu, {{"EditEast", "-1"}});
    const Wg84Values& v = page.Values();
    EXPECT_TRUE(VectorsEqual(v.refLlm, kWg84DefaultPosition));
    EXPECT_LT(v.tgtLlm.longitude, v.refLlm.longitude);
    EXPECT_EQ(Shown(page, "LabelEastNmiTgt"), "-1.00");
    EXPECT_EQ(Shown(page, "LabelEastNmiRef"), "1.00");
    EXPECT_EQ(Shown(page, "LabelRangeNmiTgt"), "1.00");
    EXPECT_EQ(Shown(page, "LabelAzTgt"), "-90.00");
}

// The reference straight above the target: its azimuth is the huge value of an offset without
// a horizontal part, and the reference must rise all the same, as the target does.
TEST(Wg84Page, ReferenceStraightUpRisesAboveTheTarget) {
    for (const std::string_view menu : {kRef, kTgt}) {
        SCOPED_TRACE(menu);
        Wg84PageModel page;
        Edit(page, menu, kEnu, {{"EditEast", "0"}, {"EditNorth", "0"}, {"EditUp", "1000"}});
        const std::string side = menu == kRef ? "Ref" : "Tgt";
        const std::string other = menu == kRef ? "Tgt" : "Ref";
        EXPECT_EQ(Shown(page, "LabelMsl" + side), "3283.26");
        EXPECT_EQ(Shown(page, "LabelMsl" + other), "2283.26");
        EXPECT_EQ(Shown(page, "LabelLat" + side), "035 41 15.010");
        EXPECT_EQ(Shown(page, "LabelLong" + side), "-117 40 47.120");
        EXPECT_EQ(Shown(page, "LabelEl" + side), "90.00");
        EXPECT_EQ(Shown(page, "LabelRangeFt" + side), "1000");
    }
    Wg84PageModel page;
    Edit(page, kRef, kEnu, {{"EditEast", "0"}, {"EditNorth", "0"}, {"EditUp", "1000"}});
    // The azimuth held is what the offset gives, not the 0 the position was placed with.
    EXPECT_LT(page.Values().refRae.azimuth, -1e26);
}

struct CancelCase {
    std::string_view menu;
    std::string_view caption;
    Typed typed;  // an edit the Cancel throws away
};

class Wg84CancelTest : public ::testing::TestWithParam<CancelCase> {};

// The other side was edited last, so the cancelled side holds the negation of the other's
// offset rather than its own conversion: recomputing from it would move the point.
TEST_P(Wg84CancelTest, CancelledDialogChangesNothing) {
    Wg84PageModel page;
    const bool reference = GetParam().menu == kRef;
    Edit(page, reference ? kTgt : kRef, kLlm, {{"EditLat", reference ? "35 51 15" : "35 31 15"}});
    const Wg84Values before = page.Values();
    const DisplayList shown = page.Display();
    Edit(page, GetParam().menu, GetParam().caption, {GetParam().typed}, false);
    EXPECT_EQ(std::memcmp(&before, &page.Values(), sizeof before), 0) << "bit for bit";
    EXPECT_EQ(page.Display(), shown);
}

INSTANTIATE_TEST_SUITE_P(SixPositionDialogs, Wg84CancelTest,
                         ::testing::Values(CancelCase{kRef, kLlm, {"EditLat", "40"}},
                                           CancelCase{kRef, kEnu, {"EditEast", "5"}},
                                           CancelCase{kRef, kRae, {"EditRange", "5"}},
                                           CancelCase{kTgt, kLlm, {"EditLat", "40"}},
                                           CancelCase{kTgt, kEnu, {"EditEast", "5"}},
                                           CancelCase{kTgt, kRae, {"EditRange", "5"}}));

TEST(Wg84Page, ReferenceRangeAzElKeepsTheEnteredValues) {
    Wg84PageModel page;
    Edit(page, kRef, kRae, {{"EditRange", "10"}, {"EditAz", "-90.4"}, {"EditEl", "1"}});
    EXPECT_EQ(Shown(page, "LabelRangeNmiRef"), "10.00");
    EXPECT_EQ(Shown(page, "LabelAzRef"), "-90.00");
    EXPECT_EQ(Shown(page, "LabelElRef"), "1.00");
    // The target now sees the reference about west and a little up.
    EXPECT_EQ(Shown(page, "LabelRgNmiTgt"), Shown(page, "LabelRgNmiRef"));
    EXPECT_EQ(Shown(page, "LabelEastNmiRef"), "-10.00");
    EXPECT_TRUE(Negations(page.Values().tgtEnu, page.Values().refEnu));
}

TEST(Wg84Page, TargetRangeAzElIsReplacedByTheRecomputedValues) {
    Wg84PageModel page;
    Edit(page, kTgt, kRae, {{"EditRange", "100"}, {"EditAz", "45.5"}, {"EditEl", "0"}});
    // 45.5 rounds down to 45; the recomputed bearing is close to it but not the entered one.
    EXPECT_EQ(Shown(page, "LabelRangeNmiTgt"), "100.00");
    EXPECT_EQ(Shown(page, "LabelAzTgt"), "45.00");
    EXPECT_NE(page.Values().tgtRae.azimuth, 45 * kDialogRadiansPerDegree);
    EXPECT_NEAR(page.Values().tgtRae.azimuth, 45 * kDialogRadiansPerDegree, 1e-6);
}

struct MissCase {
    const char* dx;
    const char* dy;
    const char* distance;
    const char* clock;
};

class Wg84MissTest : public ::testing::TestWithParam<MissCase> {};

TEST_P(Wg84MissTest, ShowsDistanceAndClock) {
    const MissCase& c = GetParam();
    Wg84PageModel page;
    Edit(page, "PopupMenuMissDist", "", {{"EditDx", c.dx}, {"EditDy", c.dy}});
    EXPECT_EQ(Shown(page, "LabelDist"), c.distance);
    EXPECT_EQ(Shown(page, "LabelClock"), c.clock);
}

INSTANTIATE_TEST_SUITE_P(Cases, Wg84MissTest,
                         ::testing::Values(MissCase{"0", "100", "100.00", "00:00"},
                                           MissCase{"100", "0", "100.00", "03:00"},
                                           MissCase{"0", "-100", "100.00", "06:00"},
                                           MissCase{"-100", "100", "141.42", "10:30"},
                                           MissCase{"0", "0", "0.00", "00:00"}));

TEST(Wg84Page, MissComponentsRoundTripThroughFeet) {
    Wg84PageModel page;
    Edit(page, "PopupMenuMissDist", "", {{"EditDx", "100"}});
    EXPECT_EQ(Shown(page, "LabelDx"), "100.00");
    EXPECT_EQ(Shown(page, "LabelDy"), "0.00");
    EXPECT_EQ(Shown(page, "LabelClock"), "03:00");
    // A refused component keeps its value; the other is stored.
    ScriptedInteraction ui;
    ui.OnDialog([](DialogModel& dialog) {
        TypeIntoBox(dialog, "EditDx", "607611.55");
        TypeIntoBox(dialog, "EditDy", "50");
        dialog.Ok();
        return true;
    });
    page.RunMenuCommand({"PopupMenuMissDist", ""}, ui);
    EXPECT_EQ(ui.recorded.heard, std::vector<std::string>{"error"});
    EXPECT_EQ(Shown(page, "LabelDx"), "100.00");
    EXPECT_EQ(Shown(page, "LabelDy"), "50.00");
}

}  // namespace
}  // namespace quorvel
