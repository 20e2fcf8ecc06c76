#include "cli/cli_args.h"

#include <charconv>
#include <chrono>

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

class Parser;
struct Given;

// One option of the command line: its name, the value it takes (named for messages and
// --help; empty for an option without a value) with an example of it, where --help lists it,
// the parser's reader of it, and what --help says of it (lines broken with "\n"). A row
// without a reader is only listed: --help and --version are answered before any other
// option is read.
struct KnownOption {
    std::string_view name;
    std::string_view valueName;  // "--menu needs CAPTION"
    std::string_view example;    // "for example --menu \"Ratio To Db\""
    OptionGroup group;
    bool (Parser::*read)(const Given& given);
    std::string_view help;
    // Whether it goes on with a dialog's answer (--type, --ok, --cancel); every other option
    // may only follow a dialog's typing once --ok or --cancel has closed it.
    bool continuesTyping = false;
    std::string_view usage = {};  // what --help shows instead of the name and value name
};

// An option as the command line gives it: its row, its value, and both as messages show them.
struct Given {
    const KnownOption& option;
    std::string_view value;
    std::string shown;
};

const KnownOption* FindOption(std::string_view name);

// "--menu needs CAPTION, for example --menu "Ratio To Db"".
std::string Needs(const KnownOption& known) {
    return std::string(known.name) + " needs " + std::string(known.valueName) + ", for example " +
           std::string(known.name) + " " + std::string(known.example);
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
            const Given given{*known, value,
                              known->valueName.empty() ? std::string(name)
                                                       : std::string(name) + " " + Quoted(value)};
            if (!known->continuesTyping && !CloseCheck(given.shown)) {
                return false;
            }
            if (!(this->*known->read)(given)) {
                return false;
            }
        }
        return Finish();
    }

    // The readers of the options, one for each row of the option table.

    bool ReadType(const Given& given) {
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

    // --ok and --cancel: the end of a dialog's typing, or the answer to a box.
    template <bool ok>
    bool ReadClose(const Given& given) {
        if (m_dialogAnswer != nullptr) {
            m_dialogAnswer->closeWithOk = ok;
            m_dialogAnswer->shown += " " + given.shown;
            m_dialogAnswer = nullptr;
            return true;
        }
        Answer answer;
        answer.kind = ok ? Answer::Kind::Ok : Answer::Kind::Cancel;
        answer.shown = given.shown;
        return AddAnswer(std::move(answer));
    }

    bool ReadAnswer(const Given& given) {
        Answer answer;
        answer.kind = Answer::Kind::Text;
        answer.text = std::string(given.value);
        answer.shown = given.shown;
        return AddAnswer(std::move(answer));
    }

    // --menu and --click: an action on the command or control the value names.
    template <Action::Kind kind>
    bool ReadNamedAction(const Given& given) {
        if (given.value.empty()) {
            return Fail(Needs(given.option));
        }
        Action action;
        action.kind = kind;
        action.control = std::string(given.value);
        action.shown = given.shown;
        return AddAction(std::move(action));
    }

    bool ReadCheck(const Given& given) {
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

    bool ReadEdit(const Given& given) {
        Action action;
        action.kind = Action::Kind::Edit;
        action.shown = given.shown;
        if (!NameAndText(given, action.control, action.text)) {
            return false;
        }
        return AddAction(std::move(action));
    }

    bool ReadChoose(const Given& given) {
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

    // An option naming a file, given at most once.
    template <std::optional<std::string> Request::*file>
    bool ReadFileName(const Given& given) {
        const std::string name(given.option.name);
        if (given.value.empty()) {
            return Fail(name + " needs a file name, for example " + name + " " +
                        std::string(given.option.example));
        }
        if (m_request.*file) {
            return Fail(name + " is given twice; give it once");
        }
        m_request.*file = std::string(given.value);
        return true;
    }

    bool ReadNow(const Given& given) {
        if (m_request.now) {
            return Fail("--now is given twice; give it once");
        }
        CalendarReading reading;
        if (!ParseCalendarText(given.value, reading)) {
            return Fail("--now " + Quoted(given.value) +
                        " is not a local date and time; give YYYY-MM-DDTHH:MM:SS.mmm, for "
                        "example 2006-02-14T12:00:00.000");
        }
        m_request.now = reading;
        return true;
    }

    // --list, --keys PAGE and --commands PAGE: what the run lists instead of a page.
    template <Mode mode>
    bool ReadMode(const Given& given) {
        if (m_request.mode != Mode::Page) {
            return Fail(std::string(given.option.name) + " cannot be combined with " +
                        std::string(m_modeOption) + "; give one of --list, --keys, --commands");
        }
        m_request.mode = mode;
        m_modeOption = given.option.name;
        if (mode != Mode::List) {
            m_request.page = std::string(given.value);
        }
        return true;
    }

    bool ReadOnly(const Given& given) {
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

    template <bool Request::*flag>
    bool ReadFlag(const Given&) {
        m_request.*flag = true;
        return true;
    }

private:
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
    bool NameAndText(const Given& given, std::string& name, std::string& text) {
        const std::size_t equals = given.value.find('=');
        if (equals == std::string_view::npos || equals == 0) {
            return Fail(Quoted(given.value) + " is not " + std::string(given.option.valueName) +
                        "; " + Needs(given.option));
        }
        name = std::string(given.value.substr(0, equals));
        text = std::string(given.value.substr(equals + 1));
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

    bool Finish() {
        if (m_dialogAnswer != nullptr) {
            return Fail("--type " + Quoted(m_dialogAnswer->typing.back().box + "=...") +
                        " is not closed; end the dialog's answer with --ok or --cancel");
        }
        if (m_batchLine) {
            return true;
        }
        if (m_request.mode != Mode::Page) {
            const bool extra = m_pageSeen || !m_request.settings.empty() ||
                               !m_request.actions.empty() || m_request.settingsPath ||
                               m_request.now || m_request.save || m_request.json ||
                               m_request.batch || m_request.carry || !m_request.only.empty();
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

using Group = OptionGroup;

// Every option of quorvel-cli, in the order --help lists them. Adding an option is a row here
// (a reader the parser has, or a new one beside them) and the field of Request it fills.
constexpr KnownOption kOptions[] = {
    {"--settings", "FILE", "QuorvelII.Cfg", Group::Option,
     &Parser::ReadFileName<&Request::settingsPath>,
     "load the page's section of this settings file (QuorvelII.Cfg)"},
    {"--save", "", "", Group::Option, &Parser::ReadFlag<&Request::save>,
     "after the actions, write the page's section back to the --settings\n"
     "file, as the window does on closing: the file is first copied to\n"
     "FILE.BAK; other sections are kept; a missing FILE is created"},
    {"--json", "", "", Group::Option, &Parser::ReadFlag<&Request::json>,
     "print the display list as one JSON object, keys in display order"},
    {"--only", "LABEL,...", "LabelRatio,LabeldBm", Group::Option, &Parser::ReadOnly,
     "print only these labels (in display order)"},
    {"--now", "YYYY-MM-DDTHH:MM:SS.mmm", "2006-02-14T12:00:00.000", Group::Option, &Parser::ReadNow,
     "the local time the page's clock reads (the .mmm part may be left off);\n"
     "time then stands still, so the output is reproducible"},
    {"--verbose", "", "", Group::Option, &Parser::ReadFlag<&Request::verbose>,
     "list every text-entry box and dialog on standard error, with what the\n"
     "script answered"},
    {"--list", "", "", Group::Option, &Parser::ReadMode<Mode::List>,
     "list the pages: section, tab caption, page caption"},
    {"--keys", "PAGE", "RF", Group::Option, &Parser::ReadMode<Mode::Keys>,
     "list the page's settings keys and their types, in load order"},
    {"--commands", "PAGE", "RF", Group::Option, &Parser::ReadMode<Mode::Commands>,
     "list the page's popup-menu commands: menu name, caption"},
    {"--help", "", "", Group::Option, nullptr, "", false, "--help, --version"},

    {"--menu", "CAPTION", "\"Ratio To Db\"", Group::Action,
     &Parser::ReadNamedAction<Action::Kind::Menu>,
     "the popup-menu command of that caption (\"Ratio To Db\")"},
    {"--check", "NAME=YES|NO", "CheckBoxNonNrzlCode=YES", Group::Action, &Parser::ReadCheck,
     "click the check box NAME into that state"},
    {"--edit", "NAME=TEXT", "NAME=TEXT", Group::Action, &Parser::ReadEdit,
     "enter TEXT in the page's edit box NAME (as Enter would)"},
    {"--choose", "NAME=INDEX", "NAME=0", Group::Action, &Parser::ReadChoose,
     "pick item INDEX (from 0) of the list NAME"},
    {"--click", "NAME", "NAME", Group::Action, &Parser::ReadNamedAction<Action::Kind::Click>,
     "click the button or radio button NAME"},

    {"--answer", "TEXT", "2", Group::Answer, &Parser::ReadAnswer,
     "OK on TEXT in a text-entry box (at most 255 characters, as in the box)"},
    {"--ok", "", "", Group::Answer, &Parser::ReadClose<true>,
     "OK on the box's untouched text, or OK on a dialog as it opened", true},
    {"--cancel", "", "", Group::Answer, &Parser::ReadClose<false>, "cancel the box or the dialog",
     true},
    {"--type", "BOX=TEXT", "EditVswr=2", Group::Answer, &Parser::ReadType,
     "type TEXT into the dialog's edit box BOX key by key (keys the dialog\n"
     "refuses are dropped, with their cue), then leave the box; several may\n"
     "follow each other, and the last is followed by --ok or --cancel",
     true},

    {"--batch", "", "", Group::Batch, &Parser::ReadFlag<&Request::batch>,
     "read standard input a line at a time; each line holds what would\n"
     "follow PAGE on the command line (KEY=VALUE entries, actions and\n"
     "answers), split and quoted as a POSIX shell would, without running\n"
     "one; blank lines and lines starting with # are passed over. Each line\n"
     "is answered from the page as the command line loads it (its --settings\n"
     "file and its own KEY=VALUE entries), followed by an empty line; with\n"
     "--json each answer is one JSON object with the input line number\n"
     "(\"line\"), one per line. A line that fails prints one message naming\n"
     "its line on standard error, and the batch goes on. Answers are\n"
     "written as they come, and flushed when standard output is a pipe or a\n"
     "terminal."},
    {"--carry", "", "", Group::Batch, &Parser::ReadFlag<&Request::carry>,
     "each line goes on from the state the previous line left, as in one\n"
     "session of the window; a line's KEY=VALUE entries are read over that\n"
     "state. With --save the state is saved once, after the last line."},
};

const KnownOption* FindOption(std::string_view name) {
    for (const KnownOption& known : kOptions) {
        if (known.name == name && known.read != nullptr) {
            return &known;
        }
    }
    return nullptr;
}

}  // namespace

std::string OptionHelp(OptionGroup group) {
    // The option and its value in the first 18 columns after the indent, the description from
    // column 21; an option too wide for that stands on a line of its own.
    constexpr std::size_t kUsageWidth = 16;
    const std::string indent(20, ' ');
    std::string text;
    for (const KnownOption& known : kOptions) {
        if (known.group != group) {
            continue;
        }
        const std::string usage = !known.usage.empty()      ? std::string(known.usage)
                                  : known.valueName.empty() ? std::string(known.name)
                                                            : std::string(known.name) + " " +
                                                                  std::string(known.valueName);
        text += "  " + usage;
        if (known.help.empty()) {
            text += "\n";
            continue;
        }
        text += usage.size() <= kUsageWidth ? std::string(kUsageWidth + 2 - usage.size(), ' ')
                                            : "\n" + indent;
        for (const char c : known.help) {
            text += c;
            if (c == '\n') {
                text += indent;
            }
        }
        text += "\n";
    }
    return text;
}

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
