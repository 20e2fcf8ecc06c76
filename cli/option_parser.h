#pragma once
// How quorvel-cli reads its command line: the rows of the option table (cli/cli_args.cpp) and
// the parser whose readers they name. Used by cli_args.cpp only.

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>

#include "cli/cli_args.h"

namespace quorvel::cli {

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

// The row of the option table named `name`; nullptr for none, and for the rows --help only
// lists.
const KnownOption* FindOption(std::string_view name);

// "--menu needs CAPTION, for example --menu "Ratio To Db"".
std::string Needs(const KnownOption& known);

class Parser {
public:
    // A parser of one batch line takes no options but actions and answers, and no page.
    Parser(Request& request, std::string& error, bool batchLine = false)
        : m_request(request), m_error(error), m_batchLine(batchLine), m_pageSeen(batchLine) {}

    // Reads the arguments into the request; false with the message in the error.
    bool Parse(std::span<const std::string_view> args);

    // The readers of the options, one for each row of the option table.

    bool ReadType(const Given& given);

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

    bool ReadAnswer(const Given& given);

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

    bool ReadCheck(const Given& given);

    bool ReadEdit(const Given& given);

    bool ReadChoose(const Given& given);

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

    bool ReadNow(const Given& given);

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

    bool ReadOnly(const Given& given);

    template <bool Request::*flag>
    bool ReadFlag(const Given&) {
        m_request.*flag = true;
        return true;
    }

private:
    bool Fail(std::string message);

    bool Positional(std::string_view arg);

    // Splits NAME=TEXT; false when there is no "=" or no name.
    bool NameAndText(const Given& given, std::string& name, std::string& text);

    // An action or an answer may not break into a dialog's typing before its --ok or
    // --cancel.
    bool CloseCheck(const std::string& next);

    bool AddAction(Action action);

    bool AddAnswer(Answer answer);

    bool Finish();

    Request& m_request;
    std::string& m_error;
    bool m_batchLine;
    bool m_pageSeen;
    std::string_view m_modeOption;
    // The dialog answer whose --type list is still open, awaiting --ok or --cancel.
    Answer* m_dialogAnswer = nullptr;
};

}  // namespace quorvel::cli
