#pragma once
// A small page with one of everything quorvel-cli drives: settings keys of the four types
// with a derived value, a popup menu whose commands prompt once, twice or open a dialog or a
// message, a check box, an edit box, a list, a button, and a label that reads the clock. The
// run tests use it so that the scripting rules are tested apart from any real page.

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "common/number_text.h"
#include "common/prompts.h"
#include "diag/clock_source.h"
#include "shell/page_model.h"
#include "shell/settings_file.h"

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

class CliTestPage final : public PageModel {
public:
    // The dialog's events go into `events` when given.
    explicit CliTestPage(ClockSource& clock, std::vector<std::string>* events = nullptr)
        : m_clock(clock), m_events(events) {}

    std::string_view SectionName() const override { return "RF"; }
    std::string_view TabCaption() const override { return "RF"; }
    std::string_view PageCaption() const override { return "RF Functions"; }

    std::span<const SettingKey> SettingKeys() const override {
        static constexpr SettingKey kKeys[] = {{"Ratio", SettingType::Real},
                                               {"BitRate", SettingType::Int},
                                               {"Word", SettingType::Unsigned},
                                               {"NonNrzCode", SettingType::Bool}};
        return kKeys;
    }

    DisplayList Display() const override {
        const CalendarReading now = m_clock.LocalCalendar();
        return {
            {"LabelRatio", FormatNumber(8, 2, m_ratio)},
            {"LabelTwice", FormatNumber(8, 2, m_twice)},
            {"LabelBitRate", FormatNumber(9, 0, m_bitRate)},
            {"LabelWord", std::to_string(m_word)},
            {"CheckBoxNonNrzlCode", YesNoText(m_nonNrz)},
            {"EditText", m_text},
            {"ComboBox1", kItems[static_cast<std::size_t>(m_item)]},
            {"LabelA", FormatNumber(8, 2, m_a)},
            {"LabelB", FormatNumber(8, 2, m_b)},
            {"LabelNow", std::to_string(now.hour) + ":" + std::to_string(now.minute) + ":" +
                             std::to_string(now.second) + "." + std::to_string(now.millisecond)}};
    }

    std::vector<PopupMenu> Menus() const override {
        return {{"PopupMenu1", {"Ratio To Db", "-", "Two Prompts", "Solve", "Notice"}},
                {"PopupMenuFilters", {"Bit Rate"}}};
    }

    bool RunMenuCommand(std::string_view caption, Interaction& ui) override {
        if (caption == "Ratio To Db") {
            double ratio = m_ratio;
            if (PromptRealValue(ui, "Enter the Ratio", ratio, 2, 10000, 0.1)) {
                SetRatio(ratio);
            }
        } else if (caption == "Two Prompts") {
            double a = m_a;
            if (PromptRealValue(ui, "Enter A", a, 2, 100, 0)) {
                m_a = a;
                double b = m_b;
                if (PromptRealValue(ui, "Enter B", b, 2, 100, 0)) {
                    m_b = b;
                }
            }
        } else if (caption == "Solve") {
            TwiceDialog dialog(ui.cues(), m_a, m_b);
            const bool ok = ui.RunDialog(dialog);
            if (m_events != nullptr) {
                m_events->insert(m_events->end(), dialog.events.begin(), dialog.events.end());
            }
            if (ok) {
                m_a = dialog.A();
                m_b = dialog.B();
            }
        } else if (caption == "Notice") {
            ui.ShowMessage("Frame \"sync\" lost");
        } else if (caption == "Bit Rate") {
            std::int32_t rate = m_bitRate;
            if (PromptIntValue(ui, "Enter the Bit Rate (bps)", rate, 20000000, 10, 10)) {
                m_bitRate = rate;
            }
        } else {
            return false;
        }
        return true;
    }

    bool CheckBoxClicked(std::string_view control, bool checked, Interaction&) override {
        if (control != "CheckBoxNonNrzlCode") {
            return false;
        }
        m_nonNrz = checked;
        return true;
    }
    bool EditEntered(std::string_view control, std::string_view text, Interaction&) override {
        if (control != "EditText") {
            return false;
        }
        m_text = std::string(text);
        return true;
    }
    bool ListChosen(std::string_view control, int index, Interaction&) override {
        if (control != "ComboBox1" || index < 0 || index >= 3) {
            return false;
        }
        m_item = index;
        return true;
    }
    bool ButtonClicked(std::string_view control, Interaction& ui) override {
        if (control != "ButtonReset") {
            return false;
        }
        ui.cues().SoundClick();
        SetRatio(1.0);
        return true;
    }

protected:
    void ReadSettings(const IniStore& store) override {
        double ratio = m_ratio;
        ReadIniReal(store, "RF", "Ratio", ratio);
        SetRatio(ratio);
        ReadIniInt(store, "RF", "BitRate", m_bitRate);
        ReadIniUnsigned(store, "RF", "Word", 10, m_word);
        ReadIniBool(store, "RF", "NonNrzCode", m_nonNrz);
    }
    void WriteSettings(IniStore& store) const override {
        WriteIniReal(store, "RF", "Ratio", m_ratio);
        WriteIniInt(store, "RF", "BitRate", m_bitRate);
        WriteIniUnsigned(store, "RF", "Word", 10, m_word);
        WriteIniBool(store, "RF", "NonNrzCode", m_nonNrz);
    }

private:
    static constexpr const char* kItems[] = {"First", "Second", "Caf\xE9"};

    void SetRatio(double ratio) {
        m_ratio = ratio;
        m_twice = 2 * ratio;
    }

    ClockSource& m_clock;
    std::vector<std::string>* m_events;
    double m_ratio = 0.0;
    double m_twice = 0.0;
    std::int32_t m_bitRate = 0;
    std::uint32_t m_word = 0;
    bool m_nonNrz = false;
    std::string m_text;
    int m_item = 0;
    double m_a = 0.0;
    double m_b = 0.0;
};

}  // namespace quorvel::testing
