#pragma once
// A small page with one of everything quorvel-cli drives: settings keys of the four types
// with a derived value, popup menus whose commands prompt once, twice or open a dialog or a
// message, one caption in two menus, a menu that acts on pop-up, a check box, an edit box, a
// list, a button, and a label that reads the clock. The
// run tests use it so that the scripting rules are tested apart from any real page.

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "common/number_text.h"
#include "common/prompts.h"
#include "diag/clock_source.h"
#include "shell/page_tables.h"

namespace quorvel::testing {

// Two boxes, EditA and EditB, with the entry dialogs' key filter; leaving EditA solves B = 2 A.
class TwiceDialog final : public DialogModel {
public:
    TwiceDialog(Cues& cues, double a, double b) : m_cues(cues), m_a(a), m_b(b) {}
    std::string_view Name() const override { return "TTwiceDlg"; }
    std::string Caption() const override { return "Enter 1 to solve the other"; }
    std::vector<DialogBox> Boxes() const override { return {{"EditA", "A"}, {"EditB", "B"}}; }
    std::string BoxText(std::string_view box) const override {
        return FormatNumber(8, 2, box == "EditA" ? m_a : m_b);
    }
    bool KeyPress(std::string_view, char key) override { return DialogKeyAllowed(key, m_cues); }
    void SetBoxText(std::string_view box, std::string text) override {
        events.push_back(std::string(box) + "=" + text);
        (box == "EditA" ? m_textA : m_textB) = std::move(text);
    }
    void BoxExit(std::string_view box) override {
        events.push_back("exit " + std::string(box));
        double read = 0.0;
        if (!m_textA.empty() && ParseReal(m_textA, read)) {
            m_a = read;
        }
        if (!m_textB.empty() && ParseReal(m_textB, read)) {
            m_b = read;
        }
        if (box == "EditA") {
            m_b = 2 * m_a;
        }
        m_textA.clear();
        m_textB.clear();
    }
    void Ok() override { m_cancelled = false; }
    void Cancel() override { m_cancelled = true; }
    bool Cancelled() const override { return m_cancelled; }

    double A() const { return m_a; }
    double B() const { return m_b; }

    // Text changes ("EditA=2") and exits ("exit EditA") in the order they came.
    std::vector<std::string> events;

private:
    Cues& m_cues;
    double m_a;
    double m_b;
    std::string m_textA;
    std::string m_textB;
    bool m_cancelled = true;
};

struct CliTestValues {
    double ratio = 0.0;
    double twice = 0.0;
    std::int32_t bitRate = 0;
    std::uint32_t word = 0;
    bool nonNrz = false;
    std::string text;
    int item = 0;
    double a = 0.0;
    double b = 0.0;
    std::string reset = "none";
    int popups = 0;
};

// Declares its settings and menus in tables, as the real pages do. Besides the commands that
// prompt, "Reset" stands in two menus (PopupMenuLeft and PopupMenuRight, with item names),
// and PopupMenuPop acts on pop-up.
class CliTestPage final : public TablePageModel<CliTestPage, CliTestValues> {
public:
    static constexpr PageIdentity kIdentity{"RF", "RF", "RF Functions"};

    // The dialog's events go into `events` when given.
    explicit CliTestPage(ClockSource& clock, std::vector<std::string>* events = nullptr)
        : TablePageModel(kIdentity), m_clock(clock), m_events(events) {}

    DisplayList Display() const override {
        const CalendarReading now = m_clock.LocalCalendar();
        const CliTestValues& v = m_values;
        return {
            {"LabelRatio", FormatNumber(8, 2, v.ratio)},
            {"LabelTwice", FormatNumber(8, 2, v.twice)},
            {"LabelBitRate", FormatNumber(9, 0, v.bitRate)},
            {"LabelWord", std::to_string(v.word)},
            {"CheckBoxNonNrzlCode", YesNoText(v.nonNrz)},
            {"EditText", v.text},
            {"ComboBox1", kItems[static_cast<std::size_t>(v.item)]},
            {"LabelA", FormatNumber(8, 2, v.a)},
            {"LabelB", FormatNumber(8, 2, v.b)},
            {"LabelReset", v.reset + " " + std::to_string(v.popups)},
            {"LabelNow", std::to_string(now.hour) + ":" + std::to_string(now.minute) + ":" +
                             std::to_string(now.second) + "." + std::to_string(now.millisecond)}};
    }

    bool CheckBoxClicked(std::string_view control, bool checked, Interaction&) override {
        if (control != "CheckBoxNonNrzlCode") {
            return false;
        }
        m_values.nonNrz = checked;
        return true;
    }
    bool EditEntered(std::string_view control, std::string_view text, Interaction&) override {
        if (control != "EditText") {
            return false;
        }
        m_values.text = std::string(text);
        return true;
    }
    bool ListChosen(std::string_view control, int index, Interaction&) override {
        if (control != "ComboBox1" || index < 0 || index >= 3) {
            return false;
        }
        m_values.item = index;
        return true;
    }
    // With `drawsPicture` the page draws the ratio as a bar, and the bar's length in tenths
    // goes with it as a figure.
    bool drawsPicture = false;
    std::optional<Picture> PagePicture() const override {
        if (!drawsPicture) {
            return std::nullopt;
        }
        Picture picture{.width = 20, .height = 10, .title = "Ratio", .description = "A bar."};
        picture.Add(PictureRect{0, 0, m_values.ratio, 10, ColourRole::SampledWord});
        picture.Add(PictureText{{0, 9}, FormatNumber(8, 2, m_values.ratio)});
        return picture;
    }
    DisplayList PictureFigures() const override {
        if (!drawsPicture) {
            return {};
        }
        return {{"FigureBar", FormatNumber(8, 1, 10 * m_values.ratio)}};
    }

    bool ButtonClicked(std::string_view control, Interaction& ui) override {
        if (control != "ButtonReset") {
            return false;
        }
        ui.cues().SoundClick();
        m_values.ratio = 1.0;
        DeriveTwice();
        return true;
    }

private:
    friend TablePageModel;
    static constexpr const char* kItems[] = {"First", "Second", "Caf\xE9"};

    static std::span<const SettingField<CliTestPage, CliTestValues>> SettingFields() {
        static constexpr std::array<SettingField<CliTestPage, CliTestValues>, 4> kFields{{
            {"Ratio", Stored<&CliTestValues::ratio>, &CliTestPage::DeriveTwice},
            {"BitRate", Stored<&CliTestValues::bitRate>},
            {"Word", Stored<&CliTestValues::word>},
            {"NonNrzCode", Stored<&CliTestValues::nonNrz>},
        }};
        return kFields;
    }

    static std::span<const MenuEntry<CliTestPage>> MenuEntries() {
        using Menu = MenuTable<CliTestPage>;
        static constexpr std::array kEntries{
            Menu::Command("PopupMenu1", "Ratio To Db", &CliTestPage::RatioCommand),
            Menu::Separator("PopupMenu1"),
            Menu::Command("PopupMenu1", "Two Prompts", &CliTestPage::TwoPromptsCommand),
            Menu::Command("PopupMenu1", "Solve", &CliTestPage::SolveCommand),
            Menu::Command("PopupMenu1", "Notice", &CliTestPage::NoticeCommand),
            Menu::Command("PopupMenuFilters", "Bit Rate", &CliTestPage::BitRateCommand),
            Menu::Title("PopupMenuLeft", "Left"),
            Menu::Command("PopupMenuLeft", "Reset", &CliTestPage::ResetLeftCommand,
                          "MenuResetLeft"),
            Menu::Command("PopupMenuRight", "Reset", &CliTestPage::ResetRightCommand,
                          "MenuResetRight"),
            Menu::OnPopup("PopupMenuPop", &CliTestPage::PopupCommand),
        };
        return kEntries;
    }

    void DeriveTwice() { m_values.twice = 2 * m_values.ratio; }

    void RatioCommand(Interaction& ui) {
        double ratio = m_values.ratio;
        if (PromptRealValue(ui, "Enter the Ratio", ratio, 2, 10000, 0.1)) {
            m_values.ratio = ratio;
            DeriveTwice();
        }
    }
    void TwoPromptsCommand(Interaction& ui) {
        double a = m_values.a;
        if (PromptRealValue(ui, "Enter A", a, 2, 100, 0)) {
            m_values.a = a;
            double b = m_values.b;
            if (PromptRealValue(ui, "Enter B", b, 2, 100, 0)) {
                m_values.b = b;
            }
        }
    }
    void SolveCommand(Interaction& ui) {
        TwiceDialog dialog(ui.cues(), m_values.a, m_values.b);
        const bool ok = ui.RunDialog(dialog);
        if (m_events != nullptr) {
            m_events->insert(m_events->end(), dialog.events.begin(), dialog.events.end());
        }
        if (ok) {
            m_values.a = dialog.A();
            m_values.b = dialog.B();
        }
    }
    void NoticeCommand(Interaction& ui) { ui.ShowMessage("Frame \"sync\" lost"); }
    void BitRateCommand(Interaction& ui) {
        std::int32_t rate = m_values.bitRate;
        if (PromptIntValue(ui, "Enter the Bit Rate (bps)", rate, 20000000, 10, 10)) {
            m_values.bitRate = rate;
        }
    }
    void ResetLeftCommand(Interaction&) { m_values.reset = "left"; }
    void ResetRightCommand(Interaction&) { m_values.reset = "right"; }
    void PopupCommand(Interaction&) { ++m_values.popups; }

    ClockSource& m_clock;
    std::vector<std::string>* m_events;
};

}  // namespace quorvel::testing
