#include "cli/cli_args.h"

#include <chrono>

#include "cli/option_parser.h"

namespace quorvel::cli {
namespace {

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
     "the local time the page's clock reads (the .mmm part may be left off),\n"
     "any moment of the years 0001 to 9999; time then stands still, so the\n"
     "output is reproducible"},
    {"--verbose", "", "", Group::Option, &Parser::ReadFlag<&Request::verbose>,
     "list every text-entry box and dialog on standard error, with what the\n"
     "script answered"},
    {"--svg", "FILE", "map.svg", Group::Option, &Parser::ReadFileName<&Request::svgPath>,
     "after the actions, write the page's picture to FILE as SVG (the WG 84\n"
     "page's line of sight, the PCM Data page's frame map); the figures that\n"
     "go with the picture are printed after the display list. A page without\n"
     "a picture is an error"},
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

}  // namespace

const KnownOption* FindOption(std::string_view name) {
    for (const KnownOption& known : kOptions) {
        if (known.name == name && known.read != nullptr) {
            return &known;
        }
    }
    return nullptr;
}

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
