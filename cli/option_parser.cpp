#include "cli/option_parser.h"

#include <charconv>

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

}  // namespace

std::string Needs(const KnownOption& known) {
    return std::string(known.name) + " needs " + std::string(known.valueName) + ", for example " +
           std::string(known.name) + " " + std::string(known.example);
}

bool Parser::Parse(std::span<const std::string_view> args) {
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
        if (m_batchLine && known->group != OptionGroup::Action &&
            known->group != OptionGroup::Answer) {
            return Fail(std::string(name) +
                        " has no place in a batch line, which holds KEY=VALUE entries, "
                        "actions and answers; give options on the command line");
        }
        std::string_view value;
        if (known->valueName.empty()) {
            if (equals != std::string_view::npos) {
                return Fail(std::string(name) + " takes no value" + std::string(kSeeHelp));
            }
        } else if (equals != std::string_view::npos) {
            value = arg.substr(equals + 1);
        } else if (i + 1 < args.size()) {
            value = args[++i];
        } else {
            return Fail(Needs(*known));
        }
        const Given given{
            *known, value,
            known->valueName.empty() ? std::string(name) : std::string(name) + " " + Quoted(value)};
        if (!known->continuesTyping && !CloseCheck(given.shown)) {
            return false;
        }
        if (!(this->*known->read)(given)) {
            return false;
        }
    }
    return Finish();
}

bool Parser::ReadType(const Given& given) {
    std::string box;
    std::string text;
    if (!NameAndText(given, box, text)) {
        return false;
    }
    if (m_dialogAnswer == nullptr) {
        Answer answer;
        answer.kind = Answer::Kind::Dialog;
        answer.shown = given.shown;
        if (!AddAnswer(std::move(answer))) {
            return false;
        }
        m_dialogAnswer = &m_request.actions.back().answers.back();
    } else {
        m_dialogAnswer->shown += " " + given.shown;
    }
    m_dialogAnswer->typing.push_back({std::move(box), std::move(text)});
    return true;
}

bool Parser::ReadAnswer(const Given& given) {
    Answer answer;
    answer.kind = Answer::Kind::Text;
    answer.text = std::string(given.value);
    answer.shown = given.shown;
    return AddAnswer(std::move(answer));
}

bool Parser::ReadCheck(const Given& given) {
    Action action;
    action.kind = Action::Kind::Check;
    action.shown = given.shown;
    std::string text;
    if (!NameAndText(given, action.control, text)) {
        return false;
    }
    if (AsciiEqualIgnoringCase(text, "YES")) {
        action.checked = true;
    } else if (!AsciiEqualIgnoringCase(text, "NO")) {
        return Fail(given.shown + ": a check box is set to YES or NO, for example --check " +
                    std::string(given.option.example));
    }
    return AddAction(std::move(action));
}

bool Parser::ReadEdit(const Given& given) {
    Action action;
    action.kind = Action::Kind::Edit;
    action.shown = given.shown;
    if (!NameAndText(given, action.control, action.text)) {
        return false;
    }
    return AddAction(std::move(action));
}

bool Parser::ReadChoose(const Given& given) {
    Action action;
    action.kind = Action::Kind::Choose;
    action.shown = given.shown;
    std::string text;
    if (!NameAndText(given, action.control, text)) {
        return false;
    }
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, action.index);
    if (text.empty() || ec != std::errc() || ptr != end || action.index < 0) {
        return Fail(given.shown + ": the item is given by its index from 0, for example " +
                    "--choose " + std::string(given.option.example));
    }
    return AddAction(std::move(action));
}

bool Parser::ReadNow(const Given& given) {
    if (m_request.now) {
        return Fail("--now is given twice; give it once");
    }
    CalendarReading reading;
    if (!ParseCalendarText(given.value, reading) || !FixedClock::Holds(reading)) {
        return Fail("--now " + Quoted(given.value) + " is not a local date and time from " +
                    std::string(FixedClock::kEarliest) + " to " + std::string(FixedClock::kLatest) +
                    "; give YYYY-MM-DDTHH:MM:SS.mmm, for example 2006-02-14T12:00:00.000");
    }
    m_request.now = reading;
    return true;
}

bool Parser::ReadOnly(const Given& given) {
    if (!m_request.only.empty()) {
        return Fail("--only is given twice; name every label in one list");
    }
    std::string_view rest = given.value;
    while (true) {
        const std::size_t comma = rest.find(',');
        const std::string_view label = Trimmed(rest.substr(0, comma));
        if (label.empty()) {
            return Fail("--only " + Quoted(given.value) +
                        " names an empty label; give labels separated by commas, for "
                        "example --only " +
                        std::string(given.option.example));
        }
        m_request.only.emplace_back(label);
        if (comma == std::string_view::npos) {
            return true;
        }
        rest.remove_prefix(comma + 1);
    }
}

bool Parser::Fail(std::string message) {
    m_error = std::move(message);
    return false;
}

bool Parser::Positional(std::string_view arg) {
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

bool Parser::NameAndText(const Given& given, std::string& name, std::string& text) {
    const std::size_t equals = given.value.find('=');
    if (equals == std::string_view::npos || equals == 0) {
        return Fail(Quoted(given.value) + " is not " + std::string(given.option.valueName) + "; " +
                    Needs(given.option));
    }
    name = std::string(given.value.substr(0, equals));
    text = std::string(given.value.substr(equals + 1));
    return true;
}

bool Parser::CloseCheck(const std::string& next) {
    if (m_dialogAnswer == nullptr) {
        return true;
    }
    return Fail(next + " follows --type " + Quoted(m_dialogAnswer->typing.back().box + "=...") +
                "; close the dialog with --ok or --cancel first");
}

bool Parser::AddAction(Action action) {
    if (!CloseCheck(action.shown)) {
        return false;
    }
    m_request.actions.push_back(std::move(action));
    return true;
}

bool Parser::AddAnswer(Answer answer) {
    if (m_request.actions.empty()) {
        return Fail(answer.shown +
                    " answers nothing: answers follow the action that asks for them, for "
                    "example --menu \"Ratio To Db\" --answer 2");
    }
    m_request.actions.back().answers.push_back(std::move(answer));
    return true;
}

bool Parser::Finish() {
    if (m_dialogAnswer != nullptr) {
        return Fail("--type " + Quoted(m_dialogAnswer->typing.back().box + "=...") +
                    " is not closed; end the dialog's answer with --ok or --cancel");
    }
    if (m_batchLine) {
        return true;
    }
    if (m_request.mode != Mode::Page) {
        const bool extra = m_pageSeen || !m_request.settings.empty() ||
                           !m_request.actions.empty() || m_request.settingsPath || m_request.now ||
                           m_request.save || m_request.json || m_request.batch || m_request.carry ||
                           !m_request.only.empty() || m_request.svgPath;
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

}  // namespace quorvel::cli
