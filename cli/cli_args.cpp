#include "cli/cli_args.h"

#include <charconv>
#include <chrono>

#include "cli/fixed_clock.h"
#include "cli/name_match.h"

namespace quorvel::cli {
namespace {

constexpr std::string_view kSeeHelp = "; quorvel-cli --help lists the options";

bool AsciiEqualIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        auto lower = [](char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + 32) : c; };
        if (lower(a[i]) != lower(b[i])) {
            return false;
        }
    }
    return true;
}

std::string_view Trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) {
        return {};
    }
    const auto last = text.find_last_not_of(" \t");
    return text.substr(first, last - first + 1);
}

// Reads exactly `width` decimal digits at `pos`.
bool Digits(std::string_view text, std::size_t pos, std::size_t width, int& value) {
    if (pos + width > text.size()) {
        return false;
    }
    value = 0;
    for (std::size_t i = pos; i < pos + width; ++i) {
        if (text[i] < '0' || text[i] > '9') {
            return false;
        }
        value = value * 10 + (text[i] - '0');
    }
    return true;
}

enum class Takes { Nothing, Value };

struct KnownOption {
    std::string_view name;
    Takes takes;
    std::string_view valueName;  // for messages: "--menu needs CAPTION"
    std::string_view example;    // "for example --menu \"Ratio To Db\""
};

constexpr KnownOption kOptions[] = {
    {"--list", Takes::Nothing, "", ""},
    {"--keys", Takes::Value, "PAGE", "RF"},
    {"--commands", Takes::Value, "PAGE", "RF"},
    {"--settings", Takes::Value, "FILE", "QuorvelII.Cfg"},
    {"--now", Takes::Value, "YYYY-MM-DDTHH:MM:SS.mmm", "2006-02-14T12:00:00.000"},
    {"--save", Takes::Nothing, "", ""},
    {"--json", Takes::Nothing, "", ""},
    {"--verbose", Takes::Nothing, "", ""},
    {"--menu", Takes::Value, "CAPTION", "\"Ratio To Db\""},
    {"--check", Takes::Value, "NAME=YES|NO", "CheckBoxNonNrzlCode=YES"},
    {"--edit", Takes::Value, "NAME=TEXT", "NAME=TEXT"},
    {"--choose", Takes::Value, "NAME=INDEX", "NAME=0"},
    {"--click", Takes::Value, "NAME", "NAME"},
    {"--answer", Takes::Value, "TEXT", "2"},
    {"--type", Takes::Value, "BOX=TEXT", "EditVswr=2"},
    {"--ok", Takes::Nothing, "", ""},
    {"--cancel", Takes::Nothing, "", ""},
    {"--batch", Takes::Nothing, "", ""},
    {"--carry", Takes::Nothing, "", ""},
    {"--only", Takes::Value, "LABEL,...", "LabelRatio,LabeldBm"},
    {"--svg", Takes::Value, "FILE", "map.svg"},
};

// What a batch line may hold besides KEY=VALUE entries: actions and their answers.
bool IsActionOrAnswer(std::string_view option) {
    for (std::string_view allowed : {"--menu", "--check", "--edit", "--choose", "--click",
                                     "--answer", "--type", "--ok", "--cancel"}) {
        if (option == allowed) {
            return true;
        }
    }
    return false;
}

const KnownOption* FindOption(std::string_view name) {
    for (const KnownOption& known : kOptions) {
        if (known.name == name) {
            return &known;
        }
    }
    return nullptr;
}

class Parser {
public:
    // A parser of one batch line takes no options but actions and answers, and no page.
    Parser(Request& request, std::string& error, bool batchLine = false)
        : m_request(request), m_error(error), m_batchLine(batchLine), m_pageSeen(batchLine) {}

    bool Parse(std::span<const std::string_view> args) {
        bool optionsEnded = false;
        for (std::size_t i = 0; i < args.size(); ++i) {
            const std::string_view arg = args[i];
            if (optionsEnded || arg.size() < 2 || arg[0] != '-') {
                if (!Positional(arg)) {
                    return false;
                }
                continue;
            }
            if (arg == "--") {
                optionsEnded = true;
                continue;
            }
            const std::size_t equals = arg.find('=');
            const std::string_view name = arg.substr(0, equals);
            // --help and --version answer at once, whatever follows them.
            if ((name == "--help" || name == "-h" || name == "--version") &&
                equals == std::string_view::npos && !m_batchLine) {
                m_request = Request{};
                m_request.mode = name == "--version" ? Mode::Version : Mode::Help;
                return true;
            }
            const KnownOption* known = FindOption(name);
            if (known == nullptr) {
                return Fail("unknown option " + Quoted(arg) + std::string(kSeeHelp));
            }
            if (m_batchLine && !IsActionOrAnswer(name)) {
                return Fail(std::string(name) +
                            " has no place in a batch line, which holds KEY=VALUE entries, "
                            "actions and answers; give options on the command line");
            }
            std::string_view value;
            if (known->takes == Takes::Nothing) {
                if (equals != std::string_view::npos) {
                    return Fail(std::string(name) + " takes no value" + std::string(kSeeHelp));
                }
            } else if (equals != std::string_view::npos) {
                value = arg.substr(equals + 1);
            } else if (i + 1 < args.size()) {
                value = args[++i];
            } else {
                return Fail(Needs(name));
            }
            const std::string shown = known->takes == Takes::Nothing
                                          ? std::string(name)
                                          : std::string(name) + " " + Quoted(value);
            if (!Option(name, value, shown)) {
                return false;
            }
        }
        return Finish();
    }

private:
    // "--menu needs CAPTION, for example --menu "Ratio To Db"".
    static std::string Needs(std::string_view option) {
        const KnownOption* known = FindOption(option);
        return std::string(option) + " needs " + std::string(known->valueName) + ", for example " +
               std::string(option) + " " + std::string(known->example);
    }

    bool Fail(std::string message) {
        m_error = std::move(message);
        return false;
    }

    bool Positional(std::string_view arg) {
        if (!CloseCheck(Quoted(arg))) {
            return false;
        }
        if (!m_pageSeen) {
            if (arg.find('=') != std::string_view::npos) {
                return Fail("no page before " + Quoted(arg) +
                            "; the page comes first: quorvel-cli PAGE KEY=VALUE...");
            }
            m_request.page = std::string(arg);
            m_pageSeen = true;
            return true;
        }
        const std::size_t equals = arg.find('=');
        if (equals == std::string_view::npos) {
            return Fail("unexpected argument " + Quoted(arg) +
                        " after the page; settings are given as KEY=VALUE, for example Ratio=2");
        }
        const std::string_view key = Trimmed(arg.substr(0, equals));
        if (key.empty()) {
            return Fail("no key in " + Quoted(arg) + "; settings are given as KEY=VALUE");
        }
        if (!m_request.actions.empty()) {
            return Fail("the setting " + Quoted(arg) +
                        " stands after an action; settings go before the first action, since "
                        "they are read when the page loads");
        }
        m_request.settings.push_back({std::string(key), std::string(arg.substr(equals + 1))});
        return true;
    }

    // Splits NAME=TEXT; false when there is no "=" or no name.
    bool NameAndText(std::string_view option, std::string_view value, std::string& name,
                     std::string& text) {
        const std::size_t equals = value.find('=');
        if (equals == std::string_view::npos || equals == 0) {
            return Fail(Quoted(value) + " is not " + std::string(FindOption(option)->valueName) +
                        "; " + Needs(option));
        }
        name = std::string(value.substr(0, equals));
        text = std::string(value.substr(equals + 1));
        return true;
    }

    bool SetOnce(std::optional<std::string>& slot, std::string_view option,
                 std::string_view value) {
        if (slot) {
            return Fail(std::string(option) + " is given twice; give it once");
        }
        slot = std::string(value);
        return true;
    }

    bool SetMode(Mode mode, std::string_view option) {
        if (m_request.mode != Mode::Page) {
            return Fail(std::string(option) + " cannot be combined with " +
                        std::string(m_modeOption) + "; give one of --list, --keys, --commands");
        }
        m_request.mode = mode;
        m_modeOption = option;
        return true;
    }

    // An action or an answer may not break into a dialog's typing before its --ok or
    // --cancel.
    bool CloseCheck(const std::string& next) {
        if (m_dialogAnswer == nullptr) {
            return true;
        }
        return Fail(next + " follows --type " + Quoted(m_dialogAnswer->typing.back().box + "=...") +
                    "; close the dialog with --ok or --cancel first");
    }

    bool AddAction(Action action) {
        if (!CloseCheck(action.shown)) {
            return false;
        }
        m_request.actions.push_back(std::move(action));
        return true;
    }

    bool AddAnswer(Answer answer) {
        if (m_request.actions.empty()) {
            return Fail(answer.shown +
                        " answers nothing: answers follow the action that asks for them, for "
                        "example --menu \"Ratio To Db\" --answer 2");
        }
        m_request.actions.back().answers.push_back(std::move(answer));
        return true;
    }

    bool Option(std::string_view option, std::string_view value, std::string_view arg) {
        const std::string shown = value.empty() && arg == option
                                      ? std::string(option)
                                      : std::string(option) + " " + Quoted(value);
        if (option == "--type") {
            std::string box;
            std::string text;
            if (!NameAndText(option, value, box, text)) {
                return false;
            }
            if (m_dialogAnswer == nullptr) {
                Answer answer;
                answer.kind = Answer::Kind::Dialog;
                answer.shown = shown;
                if (!AddAnswer(std::move(answer))) {
                    return false;
                }
                m_dialogAnswer = &m_request.actions.back().answers.back();
            } else {
                m_dialogAnswer->shown += " " + shown;
            }
            m_dialogAnswer->typing.push_back({std::move(box), std::move(text)});
            return true;
        }
        if (option == "--ok" || option == "--cancel") {
            const bool ok = option == "--ok";
            if (m_dialogAnswer != nullptr) {
                m_dialogAnswer->closeWithOk = ok;
                m_dialogAnswer->shown += " " + shown;
                m_dialogAnswer = nullptr;
                return true;
            }
            Answer answer;
            answer.kind = ok ? Answer::Kind::Ok : Answer::Kind::Cancel;
            answer.shown = shown;
            return AddAnswer(std::move(answer));
        }
        if (!CloseCheck(shown)) {
            return false;
        }
        if (option == "--answer") {
            Answer answer;
            answer.kind = Answer::Kind::Text;
            answer.text = std::string(value);
            answer.shown = shown;
            return AddAnswer(std::move(answer));
        }
        if (option == "--menu" || option == "--click") {
            if (value.empty()) {
                return Fail(Needs(option));
            }
            Action action;
            action.kind = option == "--menu" ? Action::Kind::Menu : Action::Kind::Click;
            action.control = std::string(value);
            action.shown = shown;
            return AddAction(std::move(action));
        }
        if (option == "--check" || option == "--edit" || option == "--choose") {
            Action action;
            action.shown = shown;
            std::string text;
            if (!NameAndText(option, value, action.control, text)) {
                return false;
            }
            if (option == "--edit") {
                action.kind = Action::Kind::Edit;
                action.text = std::move(text);
            } else if (option == "--check") {
                action.kind = Action::Kind::Check;
                if (AsciiEqualIgnoringCase(text, "YES")) {
                    action.checked = true;
                } else if (!AsciiEqualIgnoringCase(text, "NO")) {
                    return Fail(shown + ": a check box is set to YES or NO, for example " +
                                "--check " + std::string(FindOption(option)->example));
                }
            } else {
                action.kind = Action::Kind::Choose;
                const char* end = text.data() + text.size();
                const auto [ptr, ec] = std::from_chars(text.data(), end, action.index);
                if (text.empty() || ec != std::errc() || ptr != end || action.index < 0) {
                    return Fail(shown + ": the item is given by its index from 0, for example " +
                                "--choose " + std::string(FindOption(option)->example));
                }
            }
            return AddAction(std::move(action));
        }
        if (option == "--settings") {
            if (value.empty()) {
                return Fail("--settings needs a file name, for example --settings QuorvelII.Cfg");
            }
            return SetOnce(m_request.settingsPath, option, value);
        }
        if (option == "--svg") {
            if (value.empty()) {
                return Fail("--svg needs a file name, for example --svg map.svg");
            }
            return SetOnce(m_request.svgPath, option, value);
        }
        if (option == "--now") {
            if (m_request.now) {
                return Fail("--now is given twice; give it once");
            }
            CalendarReading reading;
            if (!ParseCalendarText(value, reading) || !FixedClock::Holds(reading)) {
                return Fail("--now " + Quoted(value) + " is not a local date and time from " +
                            std::string(FixedClock::kEarliest) + " to " +
                            std::string(FixedClock::kLatest) +
                            "; give YYYY-MM-DDTHH:MM:SS.mmm, for example 2006-02-14T12:00:00.000");
            }
            m_request.now = reading;
            return true;
        }
        if (option == "--list" || option == "--keys" || option == "--commands") {
            const Mode mode = option == "--list"   ? Mode::List
                              : option == "--keys" ? Mode::Keys
                                                   : Mode::Commands;
            if (!SetMode(mode, option)) {
                return false;
            }
            if (mode != Mode::List) {
                m_request.page = std::string(value);
            }
            return true;
        }
        if (option == "--only") {
            if (!m_request.only.empty()) {
                return Fail("--only is given twice; name every label in one list");
            }
            std::string_view rest = value;
            while (true) {
                const std::size_t comma = rest.find(',');
                const std::string_view label = Trimmed(rest.substr(0, comma));
                if (label.empty()) {
                    return Fail("--only " + Quoted(value) +
                                " names an empty label; give labels separated by commas, for "
                                "example --only " +
                                std::string(FindOption(option)->example));
                }
                m_request.only.emplace_back(label);
                if (comma == std::string_view::npos) {
                    break;
                }
                rest.remove_prefix(comma + 1);
            }
            return true;
        }
        if (option == "--save") {
            m_request.save = true;
        } else if (option == "--batch") {
            m_request.batch = true;
        } else if (option == "--carry") {
            m_request.carry = true;
        } else if (option == "--json") {
            m_request.json = true;
        } else if (option == "--verbose") {
            m_request.verbose = true;
        }
        return true;
    }

    bool Finish() {
        if (m_dialogAnswer != nullptr) {
            return Fail("--type " + Quoted(m_dialogAnswer->typing.back().box + "=...") +
                        " is not closed; end the dialog's answer with --ok or --cancel");
        }
        if (m_batchLine) {
            return true;
        }
        if (m_request.mode != Mode::Page) {
            const bool extra =
                m_pageSeen || !m_request.settings.empty() || !m_request.actions.empty() ||
                m_request.settingsPath || m_request.now || m_request.save || m_request.json ||
                m_request.batch || m_request.carry || !m_request.only.empty() || m_request.svgPath;
            if (extra) {
                return Fail(std::string(m_modeOption) +
                            " takes nothing else; run the page on its own line");
            }
            return true;
        }
        if (!m_pageSeen) {
            return Fail(
                "no page given; run quorvel-cli PAGE [KEY=VALUE...], quorvel-cli --list for the "
                "pages, or quorvel-cli --help");
        }
        if (m_request.save && !m_request.settingsPath) {
            return Fail("--save needs --settings FILE, the file to write the page's section to");
        }
        if (m_request.carry && !m_request.batch) {
            return Fail(
                "--carry goes with --batch: it lets each input line go on from the "
                "state the last one left");
        }
        if (m_request.batch) {
            if (!m_request.actions.empty()) {
                return Fail(m_request.actions.front().shown +
                            " stands on the command line of a batch; actions come on standard "
                            "input, one line of them per answer");
            }
            if (m_request.svgPath) {
                return Fail(
                    "--svg writes the picture of one page as one command line leaves it; run "
                    "it without --batch");
            }
            if (m_request.save && !m_request.carry) {
                return Fail(
                    "--save in a batch needs --carry: without it every line starts "
                    "afresh and there is no one state to save");
            }
        }
        return true;
    }

    Request& m_request;
    std::string& m_error;
    bool m_batchLine;
    bool m_pageSeen;
    std::string_view m_modeOption;
    // The dialog answer whose --type list is still open, awaiting --ok or --cancel.
    Answer* m_dialogAnswer = nullptr;
};

}  // namespace

bool ParseArguments(std::span<const std::string_view> args, Request& request, std::string& error) {
    request = Request{};
    Parser parser(request, error);
    return parser.Parse(args);
}

bool ParseBatchLine(std::span<const std::string> words, BatchLine& line, std::string& error) {
    std::vector<std::string_view> args(words.begin(), words.end());
    Request request;
    Parser parser(request, error, true);
    if (!parser.Parse(args)) {
        return false;
    }
    line.settings = std::move(request.settings);
    line.actions = std::move(request.actions);
    return true;
}

bool ParseCalendarText(std::string_view text, CalendarReading& reading) {
    // 2006-02-14T12:00:00 or 2006-02-14T12:00:00.000
    if (text.size() != 19 && text.size() != 23) {
        return false;
    }
    CalendarReading read;
    const bool shape =
        Digits(text, 0, 4, read.year) && text[4] == '-' && Digits(text, 5, 2, read.month) &&
        text[7] == '-' && Digits(text, 8, 2, read.day) && text[10] == 'T' &&
        Digits(text, 11, 2, read.hour) && text[13] == ':' && Digits(text, 14, 2, read.minute) &&
        text[16] == ':' && Digits(text, 17, 2, read.second) &&
        (text.size() == 19 || (text[19] == '.' && Digits(text, 20, 3, read.millisecond)));
    if (!shape || read.year < 1) {
        return false;
    }
    const std::chrono::year_month_day date{std::chrono::year(read.year),
                                           std::chrono::month(static_cast<unsigned>(read.month)),
                                           std::chrono::day(static_cast<unsigned>(read.day))};
    if (!date.ok() || read.hour > 23 || read.minute > 59 || read.second > 59) {
        return false;
    }
    reading = read;
    return true;
}

}  // namespace quorvel::cli
