#include "pages/pcm/pcm_page.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "pages/page_registry.h"
#include "shell/ini_store.h"
#include "support/page_model_checks.h"
#include "support/scripted_interaction.h"

namespace quorvel {
namespace {

using testing::Captions;
using testing::ScriptedInteraction;
using testing::Shown;

using Model = PcmDataPageModel;

constexpr auto Loaded = testing::LoadedSection<PcmDataPageModel>;

// Runs the command of that menu and caption with the scripted answers.
void RunItem(PcmDataPageModel& page, std::string_view menu, std::string_view caption,
             ScriptedInteraction& ui) {
    ASSERT_TRUE(page.RunMenuCommand({menu, caption}, ui)) << caption;
}

void Answered(PcmDataPageModel& page, std::string_view caption, const std::string& answer) {
    ScriptedInteraction ui;
    ui.Answer(answer);
    ASSERT_TRUE(page.RunCommandByCaption(caption, ui)) << caption;
    ASSERT_TRUE(ui.ScriptUsed()) << caption;
}

const PopupMenu& MenuNamed(const std::vector<PopupMenu>& menus, std::string_view name) {
    for (const PopupMenu& menu : menus) {
        if (menu.name == name) {
            return menu;
        }
    }
    ADD_FAILURE() << "no menu " << name;
    static const PopupMenu none;
    return none;
}

TEST(PcmPage, IsTheLastPageOfTheRegistry) {
    const std::optional<int> tab = FindPage("PCM Data");
    ASSERT_EQ(tab, kPageCount - 1);
    EXPECT_EQ(FindPage("pcm data"), tab);
    const auto page = MakePageModel(*tab);
    ASSERT_NE(dynamic_cast<PcmDataPageModel*>(page.get()), nullptr);
    EXPECT_EQ(page->SectionName(), "Pcm Data");
    EXPECT_EQ(page->PageCaption(), "PCM Data Functions");
    EXPECT_EQ(PageAt(*tab).colours.referenceLabel, "LabelBitrate");
    ASSERT_EQ(PageAt(*tab).colours.headingLabels.size(), 3U);
}

TEST(PcmPage, FreshPageShowsTheDefaultFrame) {
    const PcmDataPageModel page;
    const DisplayList expected{
        {"LabelBitrate", "1024000"},
        {"LabelCwl", "16"},
        {"LabelWpf", "128"},
        {"LabelNumSf", "16"},
        {"LabelNumFspWords", "3"},
        {"LabelFspPos", "Leads"},
        {"LabelWordRate", "64000.00"},
        {"LabelMinorFrameRate", "500.00"},
        {"LabelMajorFrameRate", "31.25"},
        {"LabelNumDataWds", "125"},
        {"LabelDataWdStartWord", "4"},
        {"LabelDataWdStopWord", "4"},
        {"LabelDataWdWdInterval", "0"},
        {"LabelUpsPerMinor", "1"},
        {"LabelUpsPerMajor", "16"},
        {"LabelPrnPattern", "2 ^ 11"},
        {"LabelBer", "500"},
        {"LabelWordTime", "15.625"},
        {"LabelSampleRate", "500.00"},
        {"LabelIntervalTime", "0.000"},
        {"LabelLongestGap", "2000.000"},
    };
    EXPECT_EQ(page.Display(), expected);
}

TEST(PcmPage, PictureIsTheFrameMapWithItsFiguresAtItsNaturalSize) {
    PcmDataPageModel page;
    Answered(page, "Word Interval", "5");
    const std::optional<Picture> picture = page.PagePicture();
    ASSERT_TRUE(picture.has_value());
    // The grid's 128 cells of 4 units and what stands beside and under them, no more.
    EXPECT_GT(picture->width, 128 * 4);
    EXPECT_LT(picture->width, kFrameMapNaturalWidth);
    EXPECT_LT(picture->height, kFrameMapNaturalHeight);
    for (const PictureShape& shape : picture->shapes) {
        if (const auto* rect = std::get_if<PictureRect>(&shape)) {
            EXPECT_LE(rect->x + rect->width, picture->width);
            EXPECT_LE(rect->y + rect->height, picture->height);
        }
    }
    EXPECT_EQ(picture->title, "Frame Map");
    EXPECT_NE(picture->description.find("25 times a minor frame"), std::string::npos);
    // The figures stand in the picture as the page shows them.
    std::vector<std::string> texts;
    for (const PictureShape& shape : picture->shapes) {
        if (const auto* text = std::get_if<PictureText>(&shape)) {
            texts.push_back(text->text);
        }
    }
    const std::vector<std::string> figures{"Longest Gap (µs)", Shown(page, "LabelLongestGap"),
                                           "Interval Time (µs)", Shown(page, "LabelIntervalTime")};
    for (const std::string& figure : figures) {
        EXPECT_NE(std::find(texts.begin(), texts.end(), figure), texts.end()) << figure;
    }
    EXPECT_EQ(Shown(page, "LabelIntervalTime"), "78.125");
    EXPECT_TRUE(page.PictureFigures().empty());
}

TEST(PcmPage, KeepsItsTenKeysInOrder) {
    const PcmDataPageModel page;
    const std::vector<SettingKey> expected{
        {"Bitrate", SettingType::Int},
        {"Cwl", SettingType::Int},
        {"Wpf", SettingType::Int},
        {"Numsf", SettingType::Int},
        {"NumFspWords", SettingType::Int},
        {"FspTrails", SettingType::Bool},
        {"DwdWordStart", SettingType::Int},
        {"DwdWordStop", SettingType::Int},
        {"DwdWordInterval", SettingType::Int},
        {"PrnPat", SettingType::Int},
    };
    EXPECT_EQ(std::vector<SettingKey>(page.SettingKeys().begin(), page.SettingKeys().end()),
              expected);
}

TEST(PcmPage, MenusHoldEveryCommandInOrder) {
    const PcmDataPageModel page;
    const std::vector<PopupMenu> menus = page.Menus();
    ASSERT_EQ(menus.size(), 3U);
    std::vector<std::string> basic;
    for (const MenuItem& item : MenuNamed(menus, Model::kMenuBasic).items) {
        basic.push_back(item.parent.empty() ? item.caption : item.parent + " > " + item.caption);
    }
    EXPECT_EQ(basic, (std::vector<std::string>{"Bit Rate", "Bits Per Word", "Words Per Minor Frame",
                                               "Minor Frames Per Major Frame",
                                               "Number of Framesync Pattern Words", "FSP Position",
                                               "FSP Position > Leads", "FSP Position > Trails"}));
    EXPECT_EQ(Captions(MenuNamed(menus, Model::kMenuDataWord)),
              (std::vector<std::string>{"Word Start", "Word Interval", "Word Stop"}));
}

TEST(PcmPage, PrnSubmenuHasEightTaggedItemsOneChecked) {
    PcmDataPageModel page;
    const auto prnItems = [&page] {
        std::vector<MenuItem> items;
        const std::vector<PopupMenu> menus = page.Menus();
        for (const MenuItem& item : MenuNamed(menus, Model::kMenuBer).items) {
            if (item.parent == Model::kPrnPattern) {
                items.push_back(item);
            }
        }
        return items;
    };
    std::vector<MenuItem> items = prnItems();
    ASSERT_EQ(items.size(), 8U);
    const char* const names[] = {"2 ^ 11", "2 ^ 15", "2 ^ 17", "2 ^ 19",
                                 "2 ^ 21", "2 ^ 23", "2 ^ 25", "2 ^ 27"};
    for (int i = 0; i < 8; ++i) {
        const MenuItem& item = items[static_cast<std::size_t>(i)];
        EXPECT_EQ(item.caption, names[i]);
        EXPECT_EQ(item.tag, i);
        EXPECT_EQ(item.name, "SubMenuPopMenuPrnPattern" + std::to_string(i));
        EXPECT_EQ(item.checked, i == 0) << i;
    }

    ScriptedInteraction ui;
    RunItem(page, Model::kMenuBer, "2 ^ 23", ui);
    items = prnItems();
    for (int i = 0; i < 8; ++i) {
        EXPECT_EQ(items[static_cast<std::size_t>(i)].checked, i == 5) << i;
    }
    EXPECT_EQ(Shown(page, "LabelPrnPattern"), "2 ^ 23");
    EXPECT_FALSE(page.RunMenuCommand({Model::kMenuBer, "2 ^ 29"}, ui));
    EXPECT_FALSE(page.RunMenuCommand({Model::kMenuBer, "Prn Pattern"}, ui));
    EXPECT_EQ(page.Values().prnPattern, 5);
}

TEST(PcmPage, FspPositionChecksMatchTheFrame) {
    PcmDataPageModel page;
    const auto checks = [&page] {
        std::vector<bool> marks;
        const std::vector<PopupMenu> menus = page.Menus();
        for (const MenuItem& item : MenuNamed(menus, Model::kMenuBasic).items) {
            if (item.parent == Model::kFspPosition) {
                marks.push_back(item.checked);
            }
        }
        return marks;
    };
    EXPECT_EQ(checks(), (std::vector<bool>{true, false}));
    ScriptedInteraction ui;
    ASSERT_TRUE(page.RunCommandByCaption("Trails", ui));
    EXPECT_EQ(checks(), (std::vector<bool>{false, true}));
    EXPECT_EQ(Shown(page, "LabelFspPos"), "Trails");
    EXPECT_TRUE(ui.boxes.empty());
}

// A command's prompt: the text, the title with its bounds and the starting text on a fresh
// page.
struct PromptCase {
    const char* caption;
    const char* prompt;
    const char* title;
    const char* defaultText;
};

class PcmPagePrompt : public ::testing::TestWithParam<PromptCase> {};

TEST_P(PcmPagePrompt, AsksWithinItsBounds) {
    const PromptCase& c = GetParam();
    PcmDataPageModel page;
    ScriptedInteraction ui;
    ui.Cancel();
    ASSERT_TRUE(page.RunCommandByCaption(c.caption, ui));
    ASSERT_EQ(ui.boxes.size(), 1U);
    EXPECT_EQ(ui.boxes[0].prompt, c.prompt);
    EXPECT_EQ(ui.boxes[0].title, c.title);
    EXPECT_EQ(ui.boxes[0].defaultText, c.defaultText);
    // Cancel keeps a value that lay within the bounds.
    EXPECT_EQ(page.Display(), PcmDataPageModel().Display());
    EXPECT_TRUE(ui.recorded.heard.empty());
}

INSTANTIATE_TEST_SUITE_P(
    EveryPrompt, PcmPagePrompt,
    ::testing::Values(
        PromptCase{"Bit Rate", "Enter Bit Rate", "Input Value between 10 & 30000000", "1024000"},
        PromptCase{"Bits Per Word", "Enter Bits per Word", "Input Value between 1 & 16", "16"},
        PromptCase{"Words Per Minor Frame", "Enter Words Per Minor Frame",
                   "Input Value between 1 & 16384", "128"},
        PromptCase{"Minor Frames Per Major Frame", "Enter Number of Minor Frames per Major Frame",
                   "Input Value between 1 & 8192", "16"},
        PromptCase{"Number of Framesync Pattern Words", "Enter Number of Frame Sync Pattern Words",
                   "Input Value between 1 & 16", "3"},
        PromptCase{"Word Start", "Enter Word Start for the data word (1 based index)",
                   "Input Value between 4 & 128", "4"},
        PromptCase{"Word Interval", "Enter Word Interval for the data word",
                   "Input Value between 0 & 125", "0"},
        PromptCase{"Word Stop", "Enter Word Stop for the data word (1 based index)",
                   "Input Value between 4 & 128", "4"}));

TEST(PcmPage, OddWordsPerFrameIsBumpedWithTheMessage) {
    PcmDataPageModel page;
    ScriptedInteraction ui;
    ui.Answer("129");
    ASSERT_TRUE(page.RunCommandByCaption("Words Per Minor Frame", ui));
    EXPECT_EQ(ui.messages, (std::vector<std::string>{"Must be an even number, bumping WPF by 1"}));
    EXPECT_EQ(Shown(page, "LabelWpf"), "130");
    EXPECT_EQ(page.Values().wordsPerFrame, 130);
    EXPECT_EQ(Shown(page, "LabelNumDataWds"), "127");

    ui.Answer("16384");
    page.RunCommandByCaption("Words Per Minor Frame", ui);
    EXPECT_EQ(ui.messages.size(), 1U);
    ui.Answer("99999");
    page.RunCommandByCaption("Words Per Minor Frame", ui);
    EXPECT_EQ(Shown(page, "LabelWpf"), "16384");
    EXPECT_EQ(ui.recorded.Count("warning"), 1);
    EXPECT_EQ(ui.messages.size(), 1U);
}

TEST(PcmPage, SlowPatternsShowMoreDecimals) {
    PcmDataPageModel page;
    ScriptedInteraction ui;
    RunItem(page, Model::kMenuBer, "2 ^ 27", ui);
    EXPECT_EQ(Shown(page, "LabelBer"), "0.01");
    Answered(page, "Bit Rate", "1000000");
    RunItem(page, Model::kMenuBer, "2 ^ 21", ui);
    EXPECT_EQ(Shown(page, "LabelBer"), "0.5");
    RunItem(page, Model::kMenuBer, "2 ^ 11", ui);
    EXPECT_EQ(Shown(page, "LabelBer"), "489");
}

TEST(PcmPage, LeadsToTrailsRecomputesTheStop) {
    PcmDataPageModel page;
    Answered(page, "Word Start", "4");
    Answered(page, "Word Interval", "5");
    EXPECT_EQ(page.Values().wordStart, 3);
    EXPECT_EQ(page.Values().wordStop, 123);
    EXPECT_EQ(Shown(page, "LabelUpsPerMinor"), "25");

    ScriptedInteraction ui;
    ASSERT_TRUE(page.RunCommandByCaption("Trails", ui));
    EXPECT_EQ(page.Values().wordStop, 123);
    EXPECT_EQ(Shown(page, "LabelDataWdStartWord"), "4");
    EXPECT_EQ(Shown(page, "LabelDataWdStopWord"), "124");
    EXPECT_EQ(Shown(page, "LabelDataWdWdInterval"), "5");
    EXPECT_EQ(Shown(page, "LabelUpsPerMinor"), "25");
    EXPECT_EQ(Shown(page, "LabelUpsPerMajor"), "400");
}

TEST(PcmPage, TrailsFromTheFirstWord) {
    PcmDataPageModel page;
    ScriptedInteraction ui;
    page.RunCommandByCaption("Trails", ui);
    Answered(page, "Word Start", "1");
    Answered(page, "Word Interval", "5");
    EXPECT_EQ(Shown(page, "LabelDataWdStopWord"), "121");
    EXPECT_EQ(Shown(page, "LabelUpsPerMinor"), "25");
    // A stop in the trailing sync words falls back to the start and ends the interval.
    Answered(page, "Word Stop", "127");
    EXPECT_EQ(Shown(page, "LabelDataWdStopWord"), "1");
    EXPECT_EQ(Shown(page, "LabelDataWdWdInterval"), "0");
    EXPECT_EQ(Shown(page, "LabelUpsPerMinor"), "1");
}

// Two words and three sync words: no data word in the frame.
PcmDataPageModel SyncWordsFillTheFrame() {
    PcmDataPageModel page;
    Answered(page, "Words Per Minor Frame", "2");
    Answered(page, "Number of Framesync Pattern Words", "3");
    return page;
}

TEST(PcmPage, WordStartWithoutDataWordsOnlyShowsItsMessage) {
    PcmDataPageModel page = SyncWordsFillTheFrame();
    EXPECT_EQ(Shown(page, "LabelNumDataWds"), "-1");
    EXPECT_EQ(Shown(page, "LabelDataWdStartWord"), "1");
    EXPECT_EQ(Shown(page, "LabelUpsPerMinor"), "0");
    const DisplayList before = page.Display();
    const PcmInputs held = page.Values();

    ScriptedInteraction ui;
    ASSERT_TRUE(page.RunCommandByCaption("Word Start", ui));
    EXPECT_EQ(ui.messages, (std::vector<std::string>{"Not Enough Words Per Frame"}));
    EXPECT_TRUE(ui.boxes.empty());
    EXPECT_EQ(page.Display(), before);
    EXPECT_EQ(page.Values().wordStart, held.wordStart);
    EXPECT_EQ(page.Values().wordStop, held.wordStop);
}

TEST(PcmPage, WordIntervalWithoutDataWordsOffersOnlyZero) {
    PcmDataPageModel page = SyncWordsFillTheFrame();
    ScriptedInteraction ui;
    ui.Answer("-5");
    ASSERT_TRUE(page.RunCommandByCaption("Word Interval", ui));
    EXPECT_EQ(ui.boxes.at(0).title, "Input Value between 0 & 0");
    EXPECT_EQ(ui.recorded.Count("warning"), 1);
    EXPECT_EQ(page.Values().wordInterval, 0);
    EXPECT_EQ(Shown(page, "LabelDataWdWdInterval"), "0");
}

TEST(PcmPage, WordStartIsTakenWithinTheDataWordsAndSetsTheStop) {
    PcmDataPageModel page;
    Answered(page, "Word Interval", "10");
    EXPECT_EQ(Shown(page, "LabelDataWdStopWord"), "124");
    EXPECT_EQ(Shown(page, "LabelUpsPerMinor"), "13");

    // A start in the leading sync words is raised to the first data word.
    ScriptedInteraction ui;
    ui.Answer("2");
    page.RunCommandByCaption("Word Start", ui);
    EXPECT_EQ(ui.recorded.Count("warning"), 1);
    EXPECT_EQ(Shown(page, "LabelDataWdStartWord"), "4");

    // An unreadable start still sets the stop from the start held.
    Answered(page, "Word Stop", "100");
    EXPECT_EQ(Shown(page, "LabelDataWdStopWord"), "100");
    EXPECT_EQ(Shown(page, "LabelUpsPerMinor"), "10");
    ui.Answer("abc");
    page.RunCommandByCaption("Word Start", ui);
    EXPECT_EQ(Shown(page, "LabelDataWdStopWord"), "124");
}

TEST(PcmPage, UnreadableAnswersChangeNothing) {
    PcmDataPageModel page;
    const DisplayList before = page.Display();
    for (const char* caption :
         {"Bit Rate", "Bits Per Word", "Words Per Minor Frame", "Minor Frames Per Major Frame",
          "Number of Framesync Pattern Words", "Word Interval", "Word Stop"}) {
        ScriptedInteraction ui;
        ui.Answer("twelve");
        ASSERT_TRUE(page.RunCommandByCaption(caption, ui)) << caption;
        EXPECT_EQ(page.Display(), before) << caption;
        EXPECT_TRUE(ui.messages.empty() && ui.recorded.heard.empty()) << caption;
    }
}

TEST(PcmPage, HexAnswerIsReadInRadixSixteen) {
    PcmDataPageModel page;
    Answered(page, "Minor Frames Per Major Frame", "0x20");
    EXPECT_EQ(Shown(page, "LabelNumSf"), "32");
    EXPECT_EQ(Shown(page, "LabelUpsPerMajor"), "32");
    EXPECT_EQ(Shown(page, "LabelMajorFrameRate"), "15.63");
}

TEST(PcmPage, WordRateDropsTheRemainder) {
    PcmDataPageModel page;
    Answered(page, "Bit Rate", "1000");
    Answered(page, "Bits Per Word", "3");
    EXPECT_EQ(Shown(page, "LabelWordRate"), "333.00");
    EXPECT_EQ(Shown(page, "LabelMinorFrameRate"), "2.60");
}

TEST(PcmPage, LoadKeepsInRangeValuesAsStored) {
    const PcmDataPageModel page = Loaded(
        "Bitrate=5000000\r\nCwl=10\r\nWpf=127\r\nNumsf=4\r\nNumFspWords=2\r\nFspTrails=YES\r\n"
        "DwdWordStart=10\r\nDwdWordStop=100\r\nDwdWordInterval=7\r\nPrnPat=3\r\n");
    EXPECT_EQ(Shown(page, "LabelWpf"), "127");
    EXPECT_EQ(Shown(page, "LabelFspPos"), "Trails");
    EXPECT_EQ(Shown(page, "LabelWordRate"), "500000.00");
    EXPECT_EQ(Shown(page, "LabelDataWdStartWord"), "11");
    EXPECT_EQ(Shown(page, "LabelDataWdStopWord"), "101");
    EXPECT_EQ(Shown(page, "LabelDataWdWdInterval"), "7");
    // 10, 17, ... 94: thirteen samples.
    EXPECT_EQ(Shown(page, "LabelUpsPerMinor"), "13");
    EXPECT_EQ(Shown(page, "LabelUpsPerMajor"), "52");
    EXPECT_EQ(Shown(page, "LabelPrnPattern"), "2 ^ 19");
}

TEST(PcmPage, MissingKeysKeepTheCreationDefaults) {
    // The default start 2 is a data word when the sync words trail.
    const PcmDataPageModel page = Loaded("FspTrails=YES\r\n");
    EXPECT_EQ(Shown(page, "LabelDataWdStartWord"), "3");
    EXPECT_EQ(Shown(page, "LabelDataWdStopWord"), "3");
}

// Stored values no prompt could have given, and what the page makes of them.
struct StoredCase {
    const char* name;
    const char* section;
    const char* label;
    const char* shown;
};

class PcmPageStored : public ::testing::TestWithParam<StoredCase> {};

TEST_P(PcmPageStored, IsLimitedToWhatItsPromptOffers) {
    const StoredCase& c = GetParam();
    PcmDataPageModel page = Loaded(c.section);
    EXPECT_EQ(Shown(page, c.label), c.shown);
    // Every command still ends.
    for (const char* caption : {"Word Start", "Word Interval", "Word Stop", "Leads", "Trails"}) {
        ScriptedInteraction ui;
        ui.Answer("7");
        ASSERT_TRUE(page.RunCommandByCaption(caption, ui)) << caption;
    }
}

INSTANTIATE_TEST_SUITE_P(
    OutsideThePrompts, PcmPageStored,
    ::testing::Values(
        StoredCase{"NegativeInterval", "DwdWordStart=3\r\nDwdWordInterval=-5\r\n",
                   "LabelDataWdWdInterval", "0"},
        StoredCase{"HugeInterval", "DwdWordInterval=2147483647\r\n", "LabelDataWdWdInterval", "0"},
        StoredCase{"ZeroBitsPerWord", "Cwl=0\r\n", "LabelWordRate", "1024000.00"},
        StoredCase{"ZeroMinorFrames", "Numsf=0\r\n", "LabelMajorFrameRate", "500.00"},
        StoredCase{"ZeroWordsPerFrame", "Wpf=0\r\n", "LabelWpf", "1"},
        StoredCase{"NegativeWordsPerFrame", "Wpf=-128\r\n", "LabelNumDataWds", "-2"},
        StoredCase{"PrnBeyondTheTable", "PrnPat=8\r\n", "LabelPrnPattern", "2 ^ 27"},
        StoredCase{"NegativePrn", "PrnPat=-1\r\n", "LabelBer", "500"},
        // Held to the last word of the largest frame; with leading sync words the redisplay
        // leaves a start beyond the frame where it is, as after a command.
        StoredCase{"StartFarBeyondTheFrame", "DwdWordStart=2147483647\r\n", "LabelDataWdStartWord",
                   "16384"},
        StoredCase{"StopFarBeyondTheFrame", "DwdWordStop=2147483647\r\n", "LabelDataWdStopWord",
                   "16384"},
        StoredCase{"StartFarBelow", "DwdWordStart=-2147483648\r\n", "LabelDataWdStartWord", "4"},
        StoredCase{"BitRateAtTheLimit", "Bitrate=2147483647\r\n", "LabelBitrate", "30000000"},
        StoredCase{"NegativeBitRate", "Bitrate=-5\r\n", "LabelBer", "0.00"}),
    [](const ::testing::TestParamInfo<StoredCase>& info) { return std::string(info.param.name); });

TEST(PcmPage, SavesTheDataWordAsItShowsIt) {
    const PcmDataPageModel page =
        Loaded("DwdWordStart=0\r\nDwdWordStop=1\r\nDwdWordInterval=4\r\n");
    IniText saved;
    page.SaveSettings(saved);
    EXPECT_EQ(saved.Text(),
              "[Pcm Data]\r\nBitrate=1024000\r\nCwl=16\r\nWpf=128\r\nNumsf=16\r\n"
              "NumFspWords=3\r\nFspTrails=NO\r\nDwdWordStart=3\r\nDwdWordStop=3\r\n"
              "DwdWordInterval=0\r\nPrnPat=0\r\n");

    PcmDataPageModel restarted;
    restarted.LoadSettings(saved);
    EXPECT_EQ(restarted.Display(), page.Display());
}

}  // namespace
}  // namespace quorvel
