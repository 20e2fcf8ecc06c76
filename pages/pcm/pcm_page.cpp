#include "pages/pcm/pcm_page.h"

#include <string>

#include "common/number_text.h"
#include "common/prompts.h"
#include "pages/pcm/frame_timing.h"
#include "pages/pcm/pcm_frame.h"
#include "pages/pcm/prn_patterns.h"

namespace quorvel {
namespace {

constexpr int kRadix = 10;

constexpr std::string_view kMessageEvenWpf = "Must be an even number, bumping WPF by 1";
constexpr std::string_view kMessageTooFewWords = "Not Enough Words Per Frame";

DisplayItem Label(std::string_view name, int precision, int decimals, double value) {
    return {std::string(name), FormatNumber(precision, decimals, value)};
}

// A prompt on a copy of `value` within `bounds`; the copy is stored only when the prompt
// accepts it, which also covers Cancel (the value held, moved into the bounds).
bool PromptInt(Interaction& ui, std::string_view prompt, std::int32_t& value,
               const IntPromptBounds& bounds) {
    std::int32_t answer = value;
    if (!PromptIntValue(ui, prompt, answer, bounds.high, bounds.low, kRadix)) {
        return false;
    }
    value = answer;
    return true;
}

// A 0-based word index as the 1-based word number a prompt shows.
std::int32_t WordNumber(std::int32_t index) {
    return SaturateToInt32(static_cast<std::int64_t>(index) + 1);
}

}  // namespace

std::unique_ptr<PageModel> PcmDataPage::MakeModel(const PageContext&) {
    return std::make_unique<PcmDataPageModel>();
}

std::span<const SettingField<PcmDataPageModel, PcmInputs>> PcmDataPageModel::SettingFields() {
    // Every value is taken as read; ReadSettings limits them once all ten are in, since the
    // data word's limits follow from the frame.
    static constexpr std::array<SettingField<PcmDataPageModel, PcmInputs>, 10> kFields{{
        {"Bitrate", Stored<&PcmInputs::bitRate>},
        {"Cwl", Stored<&PcmInputs::bitsPerWord>},
        {"Wpf", Stored<&PcmInputs::wordsPerFrame>},
        {"Numsf", Stored<&PcmInputs::minorFramesPerMajorFrame>},
        {"NumFspWords", Stored<&PcmInputs::fspWords>},
        {"FspTrails", Stored<&PcmInputs::fspTrails>},
        {"DwdWordStart", Stored<&PcmInputs::wordStart>},
        {"DwdWordStop", Stored<&PcmInputs::wordStop>},
        {"DwdWordInterval", Stored<&PcmInputs::wordInterval>},
        {"PrnPat", Stored<&PcmInputs::prnPattern>},
    }};
    return kFields;
}

std::span<const MenuEntry<PcmDataPageModel>> PcmDataPageModel::MenuEntries() {
    using Model = PcmDataPageModel;
    using Menu = MenuTable<Model>;
    // The item names follow the handlers ("BitRate1" runs BitRate1Click).
    static constexpr std::array kEntries{
        Menu::Command(kMenuBasic, "Bit Rate", &Model::BitRate1Click, "BitRate1"),
        Menu::Command(kMenuBasic, "Bits Per Word", &Model::BitsPerWord1Click, "BitsPerWord1"),
        Menu::Command(kMenuBasic, "Words Per Minor Frame", &Model::WordsPerMinorFrame1Click,
                      "WordsPerMinorFrame1"),
        Menu::Command(kMenuBasic, "Minor Frames Per Major Frame",
                      &Model::MinorFramesPerMajorFrame1Click, "MinorFramesPerMajorFrame1"),
        Menu::Command(kMenuBasic, "Number of Framesync Pattern Words",
                      &Model::NumberofFramesyncPatternWords1Click,
                      "NumberofFramesyncPatternWords1"),
        Menu::Submenu(kMenuBasic, kFspPosition),
        Menu::SubCommand(kMenuBasic, kFspPosition, "Leads", &Model::PopMenuLeads1Click,
                         &Model::FspLeads, "PopMenuLeads1"),
        Menu::SubCommand(kMenuBasic, kFspPosition, "Trails", &Model::PopMenuTrails1Click,
                         &Model::FspTrails, "PopMenuTrails1"),
        Menu::Command(kMenuDataWord, "Word Start", &Model::PopMenuWordStart1Click,
                      "PopMenuWordStart1"),
        Menu::Command(kMenuDataWord, "Word Interval", &Model::PopMenuWordInterval1Click,
                      "PopMenuWordInterval1"),
        Menu::Command(kMenuDataWord, "Word Stop", &Model::PopMenuWordStop1Click,
                      "PopMenuWordStop1"),
        // Its items come from the PRN pattern table (see Menus).
        Menu::Submenu(kMenuBer, kPrnPattern),
    };
    return kEntries;
}

std::vector<PopupMenu> PcmDataPageModel::Menus() const {
    std::vector<PopupMenu> menus = TablePageModel::Menus();
    for (PopupMenu& menu : menus) {
        if (menu.name != kMenuBer) {
            continue;
        }
        for (int i = 0; i < kPrnPatternCount; ++i) {
            const PrnPattern& pattern = kPrnPatterns[static_cast<std::size_t>(i)];
            menu.items.push_back(MenuItem{MenuItem::Kind::Command, std::string(pattern.name),
                                          std::string(kPrnItemName) + std::to_string(i),
                                          std::string(kPrnPattern), i, i == m_values.prnPattern});
        }
    }
    return menus;
}

bool PcmDataPageModel::RunMenuCommand(MenuCommandRef command, Interaction& ui) {
    // The window has shown the page before any command reaches it; the data word is what
    // that redisplay made of it.
    NormaliseDataWordHeld();
    bool known = false;
    if (command.menu == kMenuBer) {
        for (int i = 0; i < kPrnPatternCount && !known; ++i) {
            if (kPrnPatterns[static_cast<std::size_t>(i)].name == command.caption) {
                PrnPatternClick(i);
                known = true;
            }
        }
    } else {
        known = TablePageModel::RunMenuCommand(command, ui);
    }
    // What the redisplay after the command does to the data word.
    NormaliseDataWordHeld();
    return known;
}

void PcmDataPageModel::ReadSettings(const IniStore& store) {
    TablePageModel::ReadSettings(store);
    LimitStoredInputs(m_values);
    NormaliseDataWordHeld();
}

void PcmDataPageModel::WriteSettings(IniStore& store) const {
    WriteSettingFields(store, SectionName(), SettingFields(), NormaliseDataWord(m_values).inputs);
}

void PcmDataPageModel::NormaliseDataWordHeld() {
    m_values = NormaliseDataWord(m_values).inputs;
}

DisplayList PcmDataPageModel::Display() const {
    const NormalisedDataWord shown = NormaliseDataWord(m_values);
    const PcmInputs& in = shown.inputs;
    const FrameRates rates = ComputeFrameRates(in);
    const auto wordNumber = [](std::int32_t index) { return static_cast<double>(index) + 1; };
    DisplayList list{
        Label("LabelBitrate", 12, 0, in.bitRate),
        Label("LabelCwl", 2, 0, in.bitsPerWord),
        Label("LabelWpf", 6, 0, in.wordsPerFrame),
        Label("LabelNumSf", 6, 0, in.minorFramesPerMajorFrame),
        Label("LabelNumFspWords", 2, 0, in.fspWords),
        DisplayItem{"LabelFspPos", in.fspTrails ? "Trails" : "Leads"},
        Label("LabelWordRate", 12, 2, rates.wordRateHz),
        Label("LabelMinorFrameRate", 12, 2, rates.minorFrameRateHz),
        Label("LabelMajorFrameRate", 12, 2, rates.majorFrameRateHz),
        Label("LabelNumDataWds", 6, 0, rates.numDataWords),
        Label("LabelDataWdStartWord", 12, 0, wordNumber(in.wordStart)),
        Label("LabelDataWdStopWord", 12, 0, wordNumber(in.wordStop)),
        Label("LabelDataWdWdInterval", 12, 0, in.wordInterval),
        Label("LabelUpsPerMinor", 12, 0, shown.updatesPerMinorFrame),
        Label("LabelUpsPerMajor", 12, 0, shown.updatesPerMajorFrame),
        DisplayItem{"LabelPrnPattern", std::string(PrnPatternName(in.prnPattern))},
        DisplayItem{"LabelBer", RepetitionRateText(PrnRepetitionRate(in.bitRate, in.prnPattern))},
    };
    for (SampleFigure& figure : SampleFigures(ComputeSampleTiming(shown))) {
        list.push_back({std::string(figure.name), std::move(figure.text)});
    }
    return list;
}

std::optional<Picture> PcmDataPageModel::PagePicture() const {
    return MapOfFrame(kFrameMapNaturalWidth, kFrameMapNaturalHeight, true).DrawTrimmed();
}

void PcmDataPageModel::BitRate1Click(Interaction& ui) {
    PromptInt(ui, "Enter Bit Rate", m_values.bitRate, kBitRateBounds);
}

void PcmDataPageModel::BitsPerWord1Click(Interaction& ui) {
    PromptInt(ui, "Enter Bits per Word", m_values.bitsPerWord, kBitsPerWordBounds);
}

void PcmDataPageModel::WordsPerMinorFrame1Click(Interaction& ui) {
    std::int32_t wpf = m_values.wordsPerFrame;
    if (!PromptInt(ui, "Enter Words Per Minor Frame", wpf, kWordsPerFrameBounds)) {
        return;
    }
    // The frame holds whole pairs of words; the upper bound is even, so the bump stays in it.
    if (wpf % 2 != 0) {
        ui.ShowMessage(kMessageEvenWpf);
        ++wpf;
    }
    m_values.wordsPerFrame = wpf;
    m_values.wordStop = LastUpdateWord(m_values);
}

void PcmDataPageModel::MinorFramesPerMajorFrame1Click(Interaction& ui) {
    PromptInt(ui, "Enter Number of Minor Frames per Major Frame", m_values.minorFramesPerMajorFrame,
              kMinorFramesBounds);
}

void PcmDataPageModel::NumberofFramesyncPatternWords1Click(Interaction& ui) {
    if (PromptInt(ui, "Enter Number of Frame Sync Pattern Words", m_values.fspWords,
                  kFspWordsBounds)) {
        m_values.wordStop = LastUpdateWord(m_values);
    }
}

void PcmDataPageModel::PopMenuLeads1Click(Interaction&) {
    m_values.fspTrails = false;
    m_values.wordStop = LastUpdateWord(m_values);
}

void PcmDataPageModel::PopMenuTrails1Click(Interaction&) {
    m_values.fspTrails = true;
    m_values.wordStop = LastUpdateWord(m_values);
}

void PcmDataPageModel::PopMenuWordStart1Click(Interaction& ui) {
    const std::optional<IntPromptBounds> bounds = WordStartPromptBounds(m_values);
    if (!bounds) {
        // The sync words fill the frame: there is no data word to start at.
        ui.ShowMessage(kMessageTooFewWords);
        return;
    }
    std::int32_t word = WordNumber(m_values.wordStart);
    if (PromptInt(ui, "Enter Word Start for the data word (1 based index)", word, *bounds)) {
        m_values.wordStart = word - 1;
    }
    m_values.wordStop = LastUpdateWord(m_values);
}

void PcmDataPageModel::PopMenuWordInterval1Click(Interaction& ui) {
    if (PromptInt(ui, "Enter Word Interval for the data word", m_values.wordInterval,
                  WordIntervalPromptBounds(m_values))) {
        m_values.wordStop = LastUpdateWord(m_values);
    }
}

void PcmDataPageModel::PopMenuWordStop1Click(Interaction& ui) {
    std::int32_t word = WordNumber(m_values.wordStop);
    if (PromptInt(ui, "Enter Word Stop for the data word (1 based index)", word,
                  WordStopPromptBounds(m_values))) {
        m_values.wordStop = word - 1;
    }
}

void PcmDataPageModel::PrnPatternClick(int tag) {
    m_values.prnPattern = tag;
}

}  // namespace quorvel
