#include "pages/rf/rf_page.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "pages/page_registry.h"
#include "shell/ini_store.h"
#include "support/page_model_checks.h"
#include "support/scratch_directory.h"
#include "support/scripted_interaction.h"

namespace quorvel {
namespace {

using testing::Captions;
using testing::ScriptedInteraction;
using testing::Shown;
using testing::TypeIntoBox;

constexpr auto Loaded = testing::Loaded<RfPageModel>;

TEST(RfPage, IsTheFirstPageOfTheRegistry) {
    const auto page = MakePageModel(0);
    ASSERT_NE(dynamic_cast<RfPageModel*>(page.get()), nullptr);
    EXPECT_EQ(page->SectionName(), "RF");
    EXPECT_EQ(page->PageCaption(), "RF Functions");
}

TEST(RfPage, ListsItsResultsInTheOrderItWritesThem) {
    const RfPageModel page;
    std::vector<std::string> names;
    for (const DisplayItem& item : page.Display()) {
        names.push_back(item.name);
    }
    const std::vector<std::string> expected{"LabelRatio",
                                            "LabelDbPower",
                                            "LabelDbVoltage",
                                            "LabelWaveLengthMilimeters",
                                            "LabelWaveLengthInches",
                                            "LabelFreqGhz",
                                            "LabelDishDiameter",
                                            "LabelDishFreq",
                                            "LabelDishGain",
                                            "LabelDishHpbw",
                                            "LabelAntAltFt",
                                            "LabelRfHorizon",
                                            "LabelWatts",
                                            "LabeldBm",
                                            "LabeldBw",
                                            "LabelVswr",
                                            "LabelRetLoss",
                                            "LabelRefCoef",
                                            "LabelMismatchLoss",
                                            "LabelFoFreqGhz",
                                            "LabelFoL",
                                            "LabelFoC",
                                            "LabelBitRate",
                                            "LabelIfFilter",
                                            "LabelVideoFilter",
                                            "CheckBoxNonNrzlCode"};
    EXPECT_EQ(names, expected);
}

TEST(RfPage, FreshPageShowsWhatItsZeroInputsGive) {
    const RfPageModel page;
    EXPECT_EQ(Shown(page, "LabelRatio"), "0.00");
    EXPECT_EQ(Shown(page, "LabelDbPower"), "1E28");
    EXPECT_EQ(Shown(page, "LabelDbVoltage"), "2E28");
    EXPECT_EQ(Shown(page, "LabelWaveLengthMilimeters"), "0.00");
    EXPECT_EQ(Shown(page, "LabelWaveLengthInches"), "0.00");
    EXPECT_EQ(Shown(page, "LabelDishGain"), "0.00");
    EXPECT_EQ(Shown(page, "LabelDishHpbw"), "0.00");
    EXPECT_EQ(Shown(page, "LabelRfHorizon"), "0.00");
    EXPECT_EQ(Shown(page, "LabeldBm"), "1E28");
    EXPECT_EQ(Shown(page, "LabeldBw"), "1E28");
    EXPECT_EQ(Shown(page, "LabelRetLoss"), "-2E28");
    EXPECT_EQ(Shown(page, "LabelRefCoef"), "0.00");
    EXPECT_EQ(Shown(page, "LabelMismatchLoss"), "-1E28");
    EXPECT_EQ(Shown(page, "LabelFoFreqGhz"), "0.00");
    EXPECT_EQ(Shown(page, "LabelBitRate"), "0");
    EXPECT_EQ(Shown(page, "LabelIfFilter"), "0.0");
    EXPECT_EQ(Shown(page, "LabelVideoFilter"), "0.0");
    EXPECT_EQ(Shown(page, "CheckBoxNonNrzlCode"), "NO");
    // An empty settings file gives the same page.
    EXPECT_EQ(Loaded("").Display(), page.Display());
}

TEST(RfPage, MenusHoldEveryCommandInOrder) {
    const RfPageModel page;
    const std::vector<PopupMenu> menus = page.Menus();
    ASSERT_EQ(menus.size(), 2U);
    EXPECT_EQ(menus[0].name, "PopupMenu1");
    const std::vector<std::string> items{"Ratio To Db",
                                         "Db to Power Ratio",
                                         "Db to Voltage Ratio",
                                         "-",
                                         "Wave Length",
                                         "-",
                                         "Parbolic Antenna Gain",
                                         "-",
                                         "RF Horizon",
                                         "-",
                                         "dBm to Watts",
                                         "dBw to Watts",
                                         "Watts to dBm",
                                         "Watts to dBw",
                                         "-",
                                         "VSWR",
                                         "-",
                                         "Resonant Frequency"};
    EXPECT_EQ(Captions(menus[0]), items);
    EXPECT_EQ(menus[1].name, "PopupMenuFilters");
    EXPECT_EQ(Captions(menus[1]), std::vector<std::string>{"Bit Rate"});
    // Separators are the only items that run nothing; no item is named or checked.
    for (const PopupMenu& menu : menus) {
        EXPECT_FALSE(menu.actsOnPopup);
        for (const MenuItem& item : menu.items) {
            EXPECT_EQ(item.IsCommand(), item.caption != "-") << item.caption;
            EXPECT_EQ(item.name, "");
            EXPECT_FALSE(item.checked);
        }
    }
}

TEST(RfPage, EveryMenuItemIsACommand) {
    for (const PopupMenu& menu : RfPageModel().Menus()) {
        for (const std::string& caption : Captions(menu)) {
            RfPageModel page;
            ScriptedInteraction ui;
            ui.Cancel().Cancel();
            ui.OnDialog([](DialogModel& d) {
                d.Cancel();
                return false;
            });
            EXPECT_EQ(page.RunCommandByCaption(caption, ui), caption != "-") << caption;
        }
    }
    ScriptedInteraction ui;
    RfPageModel page;
    EXPECT_FALSE(page.RunCommandByCaption("Ratio to dB", ui));
    EXPECT_FALSE(page.CheckBoxClicked("CheckBoxOther", true, ui));
}

TEST(RfPage, RatioToDbWithTwo) {
    RfPageModel page;
    ScriptedInteraction ui;
    ui.Answer("2");
    ASSERT_TRUE(page.RunCommandByCaption("Ratio To Db", ui));
    ASSERT_EQ(ui.boxes.size(), 1U);
    EXPECT_EQ(ui.boxes[0].title, "Input Value between 0.10 & 10000.00");
    EXPECT_EQ(ui.boxes[0].prompt, "Enter the Ratio");
    EXPECT_EQ(ui.boxes[0].defaultText, "0.00");
    EXPECT_EQ(Shown(page, "LabelRatio"), "2.00");
    EXPECT_EQ(Shown(page, "LabelDbPower"), "3.01");
    EXPECT_EQ(Shown(page, "LabelDbVoltage"), "6.02");
    EXPECT_TRUE(ui.recorded.heard.empty());
}

TEST(RfPage, UnreadableAnswerChangesNothing) {
    RfPageModel page;
    const DisplayList before = page.Display();
    ScriptedInteraction ui;
    ui.Answer("abc");
    EXPECT_TRUE(page.RunCommandByCaption("Ratio To Db", ui));
    EXPECT_EQ(page.Display(), before);
    EXPECT_TRUE(ui.recorded.heard.empty());
}

TEST(RfPage, DbToVoltageRatioStartsFromTheVoltageDecibels) {
    RfPageModel page;
    ScriptedInteraction ui;
    ui.Answer("6");
    page.RunCommandByCaption("Db to Voltage Ratio", ui);
    EXPECT_EQ(ui.boxes.at(0).prompt, "Enter the Db for Voltage");
    EXPECT_NEAR(page.Values().ratio, 1.99526, 1e-5);
    EXPECT_EQ(Shown(page, "LabelDbPower"), "3.00");
    EXPECT_EQ(Shown(page, "LabelDbVoltage"), "6.00");
}

TEST(RfPage, NegativeDecibelsAreRaisedToTheLowerBound) {
    RfPageModel page;
    ScriptedInteraction ui;
    ui.Answer("-3");
    page.RunCommandByCaption("Db to Power Ratio", ui);
    EXPECT_EQ(ui.recorded.Count("warning"), 1);
    EXPECT_NEAR(page.Values().ratio, 1.0000023, 1e-7);
    EXPECT_EQ(Shown(page, "LabelRatio"), "1.00");
}

TEST(RfPage, CancelOnAFreshPageClampsToTheLowerBoundWithTheWarningCue) {
    RfPageModel page;
    ScriptedInteraction ui;
    ui.Cancel().Cancel();
    page.RunCommandByCaption("Watts to dBm", ui);
    EXPECT_EQ(page.Values().watts, 0.00001);
    EXPECT_EQ(Shown(page, "LabeldBm"), "-20.00");
    EXPECT_EQ(Shown(page, "LabeldBw"), "-50.00");
    page.RunCommandByCaption("Ratio To Db", ui);
    EXPECT_EQ(page.Values().ratio, 0.1);
    EXPECT_EQ(Shown(page, "LabelDbPower"), "-10.00");
    EXPECT_EQ(Shown(page, "LabelDbVoltage"), "-20.00");
    EXPECT_EQ(ui.recorded.Count("warning"), 2);
}

// One answer to a command's prompt, and what the page shows after it.
struct PromptCase {
    const char* caption;
    const char* answer;
    std::vector<std::pair<std::string, std::string>> shown;
};

class RfPromptTest : public ::testing::TestWithParam<PromptCase> {};

TEST_P(RfPromptTest, AnswerShowsWhatItGives) {
    RfPageModel page;
    ScriptedInteraction ui;
    ui.Answer(GetParam().answer);
    ASSERT_TRUE(page.RunCommandByCaption(GetParam().caption, ui));
    for (const auto& [label, text] : GetParam().shown) {
        EXPECT_EQ(Shown(page, label), text) << GetParam().caption << " " << GetParam().answer;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Commands, RfPromptTest,
    ::testing::Values(
        PromptCase{"dBm to Watts",
                   "30",
                   {{"LabelWatts", "1.00"}, {"LabeldBm", "30.00"}, {"LabeldBw", "0.00"}}},
        PromptCase{"dBw to Watts", "20", {{"LabelWatts", "100.00"}, {"LabeldBm", "50.00"}}},
        PromptCase{"Watts to dBw", "2", {{"LabeldBm", "33.01"}, {"LabeldBw", "3.01"}}},
        PromptCase{"Wave Length",
                   "2.25",
                   {{"LabelFreqGhz", "2.25"},
                    {"LabelWaveLengthMilimeters", "133.33"},
                    {"LabelWaveLengthInches", "5.24"}}},
        PromptCase{"RF Horizon", "10000", {{"LabelRfHorizon", "155.61"}}},
        PromptCase{
            "RF Horizon", "-200", {{"LabelAntAltFt", "-200.00"}, {"LabelRfHorizon", "0.00"}}}));

TEST(RfPage, DishGainAsksDiameterThenFrequency) {
    RfPageModel page;
    ScriptedInteraction ui;
    ui.Answer("6").Answer("2250");
    page.RunCommandByCaption("Parbolic Antenna Gain", ui);
    ASSERT_EQ(ui.boxes.size(), 2U);
    EXPECT_EQ(ui.boxes[0].prompt, "Enter the Dish Diameter (ft)");
    EXPECT_EQ(ui.boxes[1].prompt, "Enter the Freq (MHz)");
    EXPECT_EQ(Shown(page, "LabelDishGain"), "30.01");
    EXPECT_EQ(Shown(page, "LabelDishHpbw"), "5.19");

    ui.Answer("0").Cancel();
    page.RunCommandByCaption("Parbolic Antenna Gain", ui);
    EXPECT_EQ(Shown(page, "LabelDishDiameter"), "0.00");
    EXPECT_EQ(Shown(page, "LabelDishGain"), "0.00");
    EXPECT_EQ(Shown(page, "LabelDishHpbw"), "0.00");
    EXPECT_TRUE(ui.recorded.heard.empty());
}

TEST(RfPage, RefusedDiameterAsksNoFrequency) {
    RfPageModel page;
    ScriptedInteraction ui;
    ui.Answer("6").Answer("2250");
    page.RunCommandByCaption("Parbolic Antenna Gain", ui);
    const DisplayList before = page.Display();
    ui.Answer("six");
    page.RunCommandByCaption("Parbolic Antenna Gain", ui);
    EXPECT_EQ(ui.boxes.size(), 3U);
    EXPECT_EQ(page.Display(), before);
}

TEST(RfPage, RefusedFrequencyKeepsTheNewDiameterAndItsGain) {
    RfPageModel page;
    ScriptedInteraction ui;
    ui.Answer("6").Answer("2250");
    page.RunCommandByCaption("Parbolic Antenna Gain", ui);
    ui.Answer("12").Answer("high");
    page.RunCommandByCaption("Parbolic Antenna Gain", ui);
    EXPECT_EQ(Shown(page, "LabelDishDiameter"), "12.00");
    EXPECT_EQ(Shown(page, "LabelDishFreq"), "2250.00");
    // Gain and beamwidth of 12 ft at 2250 MHz, as the next start would derive them.
    EXPECT_EQ(Shown(page, "LabelDishGain"), "36.03");
    EXPECT_EQ(Shown(page, "LabelDishHpbw"), "2.59");
}

TEST(RfPage, BitRateAndCodeSetTheFilterBandwidths) {
    RfPageModel page;
    ScriptedInteraction ui;
    ui.Answer("1000000");
    page.RunCommandByCaption("Bit Rate", ui);
    EXPECT_EQ(ui.boxes.at(0).prompt, "Enter the Bit Rate (bps)");
    EXPECT_EQ(ui.boxes.at(0).title, "Input Value between 10 & 20000000");
    EXPECT_EQ(Shown(page, "LabelBitRate"), "1000000");
    EXPECT_EQ(Shown(page, "LabelIfFilter"), "1200.0");
    EXPECT_EQ(Shown(page, "LabelVideoFilter"), "700.0");

    EXPECT_TRUE(page.CheckBoxClicked("CheckBoxNonNrzlCode", true, ui));
    EXPECT_EQ(Shown(page, "CheckBoxNonNrzlCode"), "YES");
    EXPECT_EQ(Shown(page, "LabelIfFilter"), "2400.0");
    EXPECT_EQ(Shown(page, "LabelVideoFilter"), "1400.0");

    IniText settings;
    page.SaveSettings(settings);
    EXPECT_EQ(Loaded(settings.Text()).Display(), page.Display());
}

TEST(RfPage, RefusedBitRateStillRecomputesTheFilters) {
    RfPageModel page = Loaded("[RF]\r\nBitRate=1000000\r\n");
    EXPECT_EQ(Shown(page, "LabelBitRate"), "1000000");
    EXPECT_EQ(Shown(page, "LabelIfFilter"), "0.0");
    ScriptedInteraction ui;
    ui.Answer("fast");
    page.RunCommandByCaption("Bit Rate", ui);
    EXPECT_EQ(Shown(page, "LabelBitRate"), "1000000");
    EXPECT_EQ(Shown(page, "LabelIfFilter"), "1200.0");
    EXPECT_EQ(Shown(page, "LabelVideoFilter"), "700.0");
}

TEST(RfPage, StoredReflectionCoefficientIsShownAsStored) {
    const RfPageModel page = Loaded("[RF]\r\nVswr=2.000000000\r\nVswrRefCoef=0.900000000\r\n");
    EXPECT_EQ(Shown(page, "LabelVswr"), "2.00");
    EXPECT_EQ(Shown(page, "LabelRefCoef"), "0.90");
    EXPECT_EQ(Shown(page, "LabelRetLoss"), "9.54");
    EXPECT_EQ(Shown(page, "LabelMismatchLoss"), "0.51");
}

TEST(RfPage, LoadDerivesFromTheStoredInputs) {
    const RfPageModel page = Loaded(
        "[RF]\r\nRatio=2.000000000\r\nWaveLenFreqGhz=2.250000000\r\nDishDiameterFt=6.000000000\r\n"
        "DishFreqMhz=2250.000000000\r\nAntAltFt=10000.000000000\r\nWatts=2.000000000\r\n"
        "FoL=10.000000000\r\nFoc=1.000000000\r\nNonNrzCode=YES\r\n");
    EXPECT_EQ(Shown(page, "LabelDbPower"), "3.01");
    EXPECT_EQ(Shown(page, "LabelWaveLengthMilimeters"), "133.33");
    EXPECT_EQ(Shown(page, "LabelDishGain"), "30.01");
    EXPECT_EQ(Shown(page, "LabelRfHorizon"), "155.61");
    EXPECT_EQ(Shown(page, "LabeldBm"), "33.01");
    EXPECT_EQ(Shown(page, "LabelFoFreqGhz"), "1.59");
    EXPECT_EQ(Shown(page, "CheckBoxNonNrzlCode"), "YES");
    // Unreadable keys leave what the page held.
    const RfPageModel kept = Loaded("[RF]\r\nRatio=two\r\nBitRate=1.5\r\n");
    EXPECT_EQ(kept.Values().ratio, 0);
    EXPECT_EQ(kept.Values().bitRate, 0);
}

TEST(RfPage, VswrDialogSolvesAndHandsBackOnOk) {
    RfPageModel page;
    ScriptedInteraction ui;
    ui.OnDialog([](DialogModel& dialog) {
        EXPECT_EQ(dialog.Name(), "TVswrPromptDlg");
        TypeIntoBox(dialog, "EditVswr", "2");
        EXPECT_EQ(dialog.BoxText("EditRefCoef"), "0.33");
        EXPECT_EQ(dialog.BoxText("EditRetLoss"), "9.54");
        EXPECT_EQ(dialog.BoxText("EditMismatchLoss"), "0.51");
        dialog.Ok();
        return true;
    });
    page.RunCommandByCaption("VSWR", ui);
    EXPECT_TRUE(ui.ScriptUsed());
    // The three other boxes of a fresh page hold values out of their ranges.
    EXPECT_EQ(ui.recorded.Count("error"), 3);
    EXPECT_EQ(page.Values().vswr, 2);
    EXPECT_NEAR(page.Values().returnLoss, 9.54243, 1e-5);
    EXPECT_NEAR(page.Values().refCoef, 0.333333, 1e-6);
    EXPECT_NEAR(page.Values().mismatchLoss, 0.511525, 1e-6);
    EXPECT_EQ(Shown(page, "LabelRetLoss"), "9.54");
}

TEST(RfPage, CancelledDialogsLeaveThePageAlone) {
    RfPageModel page;
    const DisplayList before = page.Display();
    ScriptedInteraction ui;
    const auto typeThenCancel = [](const std::string& box) {
        return [box](DialogModel& dialog) {
            TypeIntoBox(dialog, box, "2");
            dialog.Cancel();
            return false;
        };
    };
    ui.OnDialog(typeThenCancel("EditVswr")).OnDialog(typeThenCancel("EditL"));
    page.RunCommandByCaption("VSWR", ui);
    page.RunCommandByCaption("Resonant Frequency", ui);
    // Closed by the window's close box: no OK, no Cancel.
    ui.OnDialog([](DialogModel& dialog) {
        TypeIntoBox(dialog, "EditC", "2");
        return false;
    });
    page.RunCommandByCaption("Resonant Frequency", ui);
    EXPECT_TRUE(ui.ScriptUsed());
    EXPECT_EQ(page.Display(), before);
}

TEST(RfPage, ResonanceDialogSetsFrequencyAndParts) {
    RfPageModel page;
    ScriptedInteraction ui;
    ui.OnDialog([](DialogModel& dialog) {
        EXPECT_EQ(dialog.Name(), "TResFreqPromptDlg");
        TypeIntoBox(dialog, "EditL", "10");
        TypeIntoBox(dialog, "EditC", "1");
        EXPECT_EQ(dialog.BoxText("EditFo"), "1.59155");
        dialog.Ok();
        return true;
    });
    page.RunCommandByCaption("Resonant Frequency", ui);
    EXPECT_TRUE(ui.recorded.heard.empty());
    EXPECT_EQ(Shown(page, "LabelFoFreqGhz"), "1.59");
    EXPECT_EQ(Shown(page, "LabelFoL"), "10.00");
    EXPECT_EQ(Shown(page, "LabelFoC"), "1.00");
}

// Sets every input through the page's own commands.
RfPageModel PageWithEveryInput() {
    RfPageModel page;
    ScriptedInteraction ui;
    ui.Answer("2.5").Answer("2.25").Answer("6").Answer("2250").Answer("12345.6");
    ui.Answer("3.3").Answer("2000000");
    page.RunCommandByCaption("Ratio To Db", ui);
    page.RunCommandByCaption("Wave Length", ui);
    page.RunCommandByCaption("Parbolic Antenna Gain", ui);
    page.RunCommandByCaption("RF Horizon", ui);
    page.RunCommandByCaption("Watts to dBm", ui);
    page.CheckBoxClicked("CheckBoxNonNrzlCode", true, ui);
    page.RunCommandByCaption("Bit Rate", ui);
    ui.OnDialog([](DialogModel& dialog) {
        TypeIntoBox(dialog, "EditVswr", "1.7");
        dialog.Ok();
        return true;
    });
    ui.OnDialog([](DialogModel& dialog) {
        TypeIntoBox(dialog, "EditL", "47");
        TypeIntoBox(dialog, "EditC", "3.3");
        dialog.Ok();
        return true;
    });
    page.RunCommandByCaption("VSWR", ui);
    page.RunCommandByCaption("Resonant Frequency", ui);
    EXPECT_TRUE(ui.ScriptUsed());
    return page;
}

TEST(RfPage, SettingsRoundTripThroughAFileWritesTheKeysInOrder) {
    const testing::ScratchDirectory directory;
    const std::string path = directory.File("QuorvelII.Cfg");
    const RfPageModel page = PageWithEveryInput();
    page.SaveSettings(path);

    RfPageModel restarted;
    restarted.LoadSettings(path);
    EXPECT_EQ(restarted.Display(), page.Display());

    const std::string text = testing::ReadBytes(path);
    std::size_t last = 0;
    for (const SettingKey& key : page.SettingKeys()) {
        const std::size_t at = text.find("\n" + std::string(key.name) + "=");
        ASSERT_NE(at, std::string::npos) << key.name;
        EXPECT_GT(at, last) << key.name;
        last = at;
    }
    EXPECT_NE(text.find("Watts=3.300000000"), std::string::npos);
    EXPECT_NE(text.find("NonNrzCode=YES"), std::string::npos);
    EXPECT_NE(text.find("BitRate=2000000"), std::string::npos);
}

}  // namespace
}  // namespace quorvel
