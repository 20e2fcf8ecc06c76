// Drives the PCM Data page model as the window does: its settings section read from arbitrary
// values, then any run of its popup-menu commands answered with arbitrary text.
//
// Input: two bytes of key flags (bit i: the i-th of the ten keys is in the section, in key
// order), then a little-endian 32-bit value for each key present ("FspTrails" reads "YES" for
// an odd value, "NO" otherwise). Every further command is a selector byte (the command's place
// among the page's commands, taken modulo their number) and an answer: a kind byte (modulo 4),
// then for kind 1 and 2 a 32-bit value typed in decimal or in hexadecimal with a "0x" prefix,
// for kind 3 a length byte and up to 16 bytes of raw text; kind 0 closes the box on its
// untouched text (Cancel and OK alike).
//
// Checks, beyond terminating without a sanitizer report:
// - every value stays inside what its prompt offers and the data word stays normalised;
// - every label shows a text of 1 to 12 characters, as wide as the form makes room for, the
//   sample figures beside the frame map at most 10;
// - the frame map's rectangles stay inside its picture, and a map of one column a word marks
//   as many words sampled as the page counts updates per minor frame;
// - one FSP position and one PRN pattern are checked in the menus;
// - a command opens at most one text-entry box, and the page's two messages come only from
//   their commands ("Word Start" with no data word asking nothing and changing nothing);
// - what the page saves reads back into a fresh page as the same page (see CheckPage for the
//   one state the read limits), and a page read back saves and reads as itself.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "fuzz/fuzz_input.h"
#include "pages/pcm/frame_map.h"
#include "pages/pcm/pcm_frame.h"
#include "pages/pcm/pcm_inputs.h"
#include "pages/pcm/pcm_page.h"
#include "pages/pcm/prn_patterns.h"
#include "shell/ini_store.h"
#include "shell/settings_file.h"

namespace {

using quorvel::fuzz::Check;

using namespace quorvel;

constexpr std::size_t kMaxCommands = 48;
constexpr std::size_t kMaxRawAnswer = 16;
constexpr std::string_view kSection = "Pcm Data";
constexpr const char* kKeys[] = {"Bitrate",         "Cwl",       "Wpf",          "Numsf",
                                 "NumFspWords",     "FspTrails", "DwdWordStart", "DwdWordStop",
                                 "DwdWordInterval", "PrnPat"};

class Input {
public:
    Input(const std::uint8_t* data, std::size_t size) : m_data(data), m_size(size) {}
    bool Empty() const { return m_size == 0; }
    template <typename T>
    T Take() {
        T value{};
        const std::size_t n = m_size < sizeof(T) ? m_size : sizeof(T);
        std::memcpy(&value, m_data, n);
        m_data += n;
        m_size -= n;
        return value;
    }

private:
    const std::uint8_t* m_data;
    std::size_t m_size;
};

class SilentCues final : public Cues {
public:
    void SoundClick() override {}
    void SoundWarning() override {}
    void SoundError() override {}
};

// Answers the one text-entry box a command may open, and notes what the command showed.
class FuzzInteraction final : public Interaction {
public:
    void Prepare(std::optional<std::string> answer) {
        m_answer = std::move(answer);
        boxes = 0;
        messages.clear();
    }
    Cues& cues() override { return m_cues; }
    std::string InputBox(std::string_view, std::string_view,
                         std::string_view defaultText) override {
        ++boxes;
        Check(defaultText.size() <= 255);
        if (boxes == 1 && m_answer) {
            return *m_answer;
        }
        return std::string(defaultText);
    }
    bool RunDialog(DialogModel&) override {
        // The page has no dialogs of its own.
        std::abort();
    }
    void ShowMessage(std::string_view text) override { messages.emplace_back(text); }

    int boxes = 0;
    std::vector<std::string> messages;

private:
    SilentCues m_cues;
    std::optional<std::string> m_answer;
};

std::optional<std::string> TakeAnswer(Input& in) {
    switch (in.Take<std::uint8_t>() % 4) {
        case 0:
            return std::nullopt;
        case 1:
            return std::to_string(in.Take<std::int32_t>());
        case 2: {
            static const char digits[] = "0123456789ABCDEF";
            std::uint32_t value = in.Take<std::uint32_t>();
            std::string text;
            do {
                text.insert(text.begin(), digits[value % 16]);
                value /= 16;
            } while (value != 0);
            return "0x" + text;
        }
        default: {
            const std::size_t length = in.Take<std::uint8_t>() % (kMaxRawAnswer + 1);
            std::string text;
            for (std::size_t i = 0; i < length && !in.Empty(); ++i) {
                text.push_back(static_cast<char>(in.Take<std::uint8_t>()));
            }
            return text;
        }
    }
}

bool Within(std::int32_t value, const IntPromptBounds& bounds) {
    return value >= bounds.low && value <= bounds.high;
}

bool SameInputs(const PcmInputs& a, const PcmInputs& b) {
    return a.bitRate == b.bitRate && a.bitsPerWord == b.bitsPerWord &&
           a.wordsPerFrame == b.wordsPerFrame &&
           a.minorFramesPerMajorFrame == b.minorFramesPerMajorFrame && a.fspWords == b.fspWords &&
           a.fspTrails == b.fspTrails && a.wordStart == b.wordStart && a.wordStop == b.wordStop &&
           a.wordInterval == b.wordInterval && a.prnPattern == b.prnPattern;
}

void CheckPage(const PcmDataPageModel& page) {
    const PcmInputs& in = page.Values();
    Check(Within(in.bitRate, kBitRateBounds) && Within(in.bitsPerWord, kBitsPerWordBounds) &&
          Within(in.wordsPerFrame, kWordsPerFrameBounds) &&
          Within(in.minorFramesPerMajorFrame, kMinorFramesBounds) &&
          Within(in.fspWords, kFspWordsBounds) && Within(in.prnPattern, kPrnPatternBounds));
    Check(in.wordStart >= 0 && in.wordStart < kWordsPerFrameBounds.high);
    Check(in.wordStop >= in.wordStart && in.wordStop < kWordsPerFrameBounds.high);
    Check(in.wordInterval >= 0 && in.wordInterval <= kWordsPerFrameBounds.high);
    Check(SameInputs(NormaliseDataWord(in).inputs, in));

    const DisplayList display = page.Display();
    Check(display.size() == 21);
    for (const DisplayItem& item : display) {
        Check(!item.text.empty() && item.text.size() <= 12);
    }
    // The sample figures beside the map keep to their narrower column.
    for (std::size_t i = 17; i < display.size(); ++i) {
        Check(display[i].text.size() <= static_cast<std::size_t>(kSampleFigurePrecision));
    }

    // The frame map stays inside its picture and marks exactly the sampled words of a minor
    // frame it draws one column a word.
    const FrameMap map = page.MapOfFrame(kFrameMapNaturalWidth, kFrameMapNaturalHeight, true);
    const Picture picture = map.Draw();
    for (const PictureShape& shape : picture.shapes) {
        if (const auto* rect = std::get_if<PictureRect>(&shape)) {
            Check(rect->x >= 0 && rect->width >= 0 && rect->x + rect->width <= picture.width);
            Check(rect->y >= 0 && rect->height >= 0 && rect->y + rect->height <= picture.height);
        }
    }
    if (!map.Grid().words.Scaled()) {
        const FrameWords words(map.DataWord());
        std::int64_t sampled = 0;
        for (std::int64_t word = 0; word < words.WordsPerFrame(); ++word) {
            sampled += words.KindOf(word, word) == FrameWordKind::Sampled ? 1 : 0;
        }
        Check(sampled == map.DataWord().updatesPerMinorFrame);
    }

    int fspChecks = 0;
    int prnChecks = 0;
    for (const PopupMenu& menu : page.Menus()) {
        for (const MenuItem& item : menu.items) {
            fspChecks += item.parent == PcmDataPageModel::kFspPosition && item.checked ? 1 : 0;
            prnChecks += item.parent == PcmDataPageModel::kPrnPattern && item.checked ? 1 : 0;
        }
    }
    Check(fspChecks == 1 && prnChecks == 1);

    // A restart shows the same page, whatever the commands left.
    IniText saved;
    page.SaveSettings(saved);
    PcmDataPageModel restarted;
    restarted.LoadSettings(saved);
    Check(SameInputs(restarted.Values(), in));
    Check(restarted.Display() == display);
    IniText savedAgain;
    restarted.SaveSettings(savedAgain);
    PcmDataPageModel again;
    again.LoadSettings(savedAgain);
    Check(SameInputs(again.Values(), restarted.Values()));
    Check(again.Display() == restarted.Display());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Input in(data, size);
    const auto present = in.Take<std::uint16_t>();
    IniText settings;
    for (int i = 0; i < 10; ++i) {
        if ((present & (1u << i)) == 0) {
            continue;
        }
        const auto value = in.Take<std::int32_t>();
        if (std::string_view(kKeys[i]) == "FspTrails") {
            WriteIniBool(settings, kSection, kKeys[i], value % 2 != 0);
        } else {
            WriteIniInt(settings, kSection, kKeys[i], value);
        }
    }
    PcmDataPageModel page;
    page.LoadSettings(settings);
    CheckPage(page);

    std::vector<MenuCommandRef> commands;
    const std::vector<PopupMenu> menus = page.Menus();
    for (const PopupMenu& menu : menus) {
        for (const MenuItem& item : menu.items) {
            if (item.IsCommand()) {
                commands.push_back({menu.name, item.caption});
            }
        }
    }
    Check(commands.size() == 18);

    FuzzInteraction ui;
    for (std::size_t n = 0; n < kMaxCommands && !in.Empty(); ++n) {
        const MenuCommandRef command = commands[in.Take<std::uint8_t>() % commands.size()];
        ui.Prepare(TakeAnswer(in));
        const PcmInputs before = page.Values();
        const bool dataWordHeld =
            DataWordRange(before.fspWords, before.fspTrails, before.wordsPerFrame).holdsDataWord;
        Check(page.RunMenuCommand(command, ui));
        Check(ui.boxes <= 1);
        Check(ui.messages.size() <= 1);
        for (const std::string& message : ui.messages) {
            if (message == "Not Enough Words Per Frame") {
                Check(command.caption == "Word Start" && !dataWordHeld && ui.boxes == 0);
                Check(SameInputs(page.Values(), before));
            } else {
                Check(message == "Must be an even number, bumping WPF by 1");
                Check(command.caption == "Words Per Minor Frame" && ui.boxes == 1);
            }
        }
        if (command.caption == "Word Start" && !dataWordHeld) {
            Check(ui.messages.size() == 1);
        }
        CheckPage(page);
    }
    return 0;
}
