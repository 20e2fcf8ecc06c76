#pragma once
// The command line of quorvel-cli, read into a request without touching any page:
//
//   quorvel-cli [OPTION...] PAGE [KEY=VALUE...] [ACTION [ANSWER...]...]
//   quorvel-cli --batch [OPTION...] PAGE [KEY=VALUE...] < LINES
//   quorvel-cli --list | --keys PAGE | --commands PAGE | --help | --version
//
// Options may stand anywhere; KEY=VALUE entries go before the first action, since they are
// read when the page loads. Every answer belongs to the action before it and answers, in
// order, the text-entry boxes and dialogs that action opens.

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "diag/clock_source.h"

namespace quorvel::cli {

enum class Mode { Page, List, Keys, Commands, Help, Version };

// A KEY=VALUE argument: the value is taken as if it stood under the key in the page's section.
struct SettingOverlay {
    std::string key;
    std::string value;
};

// Text typed into one edit box of a dialog, key by key, after which the box is left.
struct BoxTyping {
    std::string box;
    std::string text;
};

// The answer to one text-entry box or dialog.
struct Answer {
    enum class Kind {
        Text,    // --answer TEXT: OK on this text (a text-entry box only)
        Ok,      // --ok: OK on the box's untouched text, or OK on the dialog as it opened
        Cancel,  // --cancel: the box or the dialog is cancelled
        Dialog,  // --type BOX=TEXT... then --ok or --cancel (a dialog only)
    };
    Kind kind = Kind::Ok;
    std::string text;
    std::vector<BoxTyping> typing;
    bool closeWithOk = false;  // Dialog: --ok rather than --cancel ends the typing
    std::string shown;         // the answer as given, for messages
};

// One user action on the page, as the window would run it.
struct Action {
    enum class Kind {
        Menu,    // --menu CAPTION: a popup-menu command
        Check,   // --check NAME=YES|NO: a click that leaves the check box in that state
        Edit,    // --edit NAME=TEXT: text entered into an edit box of the page
        Choose,  // --choose NAME=INDEX: an item picked from a list
        Click,   // --click NAME: a button or radio button clicked
    };
    Kind kind = Kind::Menu;
    std::string control;   // the menu caption or the control's object name
    std::string text;      // Edit
    bool checked = false;  // Check
    int index = 0;         // Choose
    std::vector<Answer> answers;
    std::string shown;  // the action as given, for messages
};

struct Request {
    Mode mode = Mode::Page;
    std::string page;
    std::optional<std::string> settingsPath;
    std::optional<CalendarReading> now;
    bool save = false;
    bool json = false;
    bool verbose = false;
    bool batch = false;  // one answer per line of standard input
    bool carry = false;  // in a batch, each line goes on from the state the last one left
    // --svg FILE: the page's picture, drawn after the actions, written here as SVG.
    std::optional<std::string> svgPath;
    std::vector<std::string> only;  // the labels to print, all when empty
    std::vector<SettingOverlay> settings;
    std::vector<Action> actions;
};

// What one line of a batch holds: what would follow PAGE on the command line.
struct BatchLine {
    std::vector<SettingOverlay> settings;
    std::vector<Action> actions;
};

// Reads the arguments (without the program name). False with a one-line message saying what
// is wrong and what would be right when the command line is malformed; which pages, keys
// and commands exist is checked later, against the page itself.
bool ParseArguments(std::span<const std::string_view> args, Request& request, std::string& error);

// Reads the words of one batch line (KEY=VALUE entries, actions and answers; no options).
// False with a one-line message as ParseArguments gives.
bool ParseBatchLine(std::span<const std::string> words, BatchLine& line, std::string& error);

// Where --help lists an option: among the options, the actions, the answers or the options of
// a batch. A batch line holds actions and answers only.
enum class OptionGroup { Option, Action, Answer, Batch };

// What --help says of the options of a group, from the option table: a line or more for each,
// in table order.
std::string OptionHelp(OptionGroup group);

// Reads "YYYY-MM-DDTHH:MM:SS" with an optional ".mmm" into a calendar reading; false for any
// other text or a date or time that does not exist.
bool ParseCalendarText(std::string_view text, CalendarReading& reading);

}  // namespace quorvel::cli
