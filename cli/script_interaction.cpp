#include "cli/script_interaction.h"

#include <vector>

#include "cli/name_match.h"
#include "common/dialog_typing.h"

namespace quorvel::cli {
namespace {

std::string BoxNamed(std::string_view prompt) {
    return "the text-entry box " + Quoted(prompt);
}

std::string DialogNamed(const DialogModel& dialog) {
    return "the dialog " + std::string(dialog.Name()) + " " + Quoted(dialog.Caption());
}

}  // namespace

ScriptInteraction::ScriptInteraction(std::ostream& err, bool verbose)
    : m_err(err), m_verbose(verbose) {}

void ScriptInteraction::BeginCommand(std::string_view action, std::span<const Answer> answers) {
    m_action = std::string(action);
    m_answers = answers;
    m_used = 0;
    m_failure.clear();
}

bool ScriptInteraction::EndCommand() {
    if (!m_failure.empty()) {
        return false;
    }
    if (m_used < m_answers.size()) {
        const std::size_t left = m_answers.size() - m_used;
        Fail(m_action + " left " + std::to_string(left) + (left == 1 ? " answer" : " answers") +
             " unused, from " + m_answers[m_used].shown + " on; it asked for " +
             std::to_string(m_used));
        return false;
    }
    return true;
}

void ScriptInteraction::Fail(std::string message) {
    if (m_failure.empty()) {
        m_failure = std::move(message);
    }
}

const Answer* ScriptInteraction::NextAnswer(const std::string& opened, std::string_view answers) {
    if (!m_failure.empty()) {
        return nullptr;
    }
    if (m_used == m_answers.size()) {
        Fail(m_action + " opened " + opened + " but has no answer left for it; add " +
             std::string(answers) + " for it");
        return nullptr;
    }
    return &m_answers[m_used++];
}

std::string ScriptInteraction::InputBox(std::string_view title, std::string_view prompt,
                                        std::string_view defaultText) {
    if (m_verbose) {
        m_err << m_prefix << "box: " << Quoted(prompt) << " (" << title << ") shows "
              << Quoted(defaultText) << "\n";
    }
    const Answer* answer = NextAnswer(BoxNamed(prompt), "--answer TEXT, --ok or --cancel");
    if (answer == nullptr) {
        return std::string(defaultText);
    }
    switch (answer->kind) {
        case Answer::Kind::Text: {
            // The box holds at most 255 characters; a longer answer is cut as pasting it would.
            std::string text = answer->text.substr(0, kInputBoxMaxLength);
            if (m_verbose) {
                m_err << m_prefix << "  OK on " << Quoted(text) << "\n";
            }
            return text;
        }
        case Answer::Kind::Ok:
            if (m_verbose) {
                m_err << m_prefix << "  OK on the untouched text\n";
            }
            return std::string(defaultText);
        case Answer::Kind::Cancel:
            if (m_verbose) {
                m_err << m_prefix << "  cancelled\n";
            }
            return std::string(defaultText);
        case Answer::Kind::Dialog:
            break;
    }
    Fail(m_action + " opened " + BoxNamed(prompt) + ", but the answer " + answer->shown +
         " is for a dialog; answer a text-entry box with --answer TEXT, --ok or --cancel");
    return std::string(defaultText);
}

bool ScriptInteraction::TypeIntoBox(DialogModel& dialog, const BoxTyping& typing) {
    std::vector<std::string> names;
    for (const DialogBox& box : dialog.Boxes()) {
        names.push_back(box.name);
    }
    const std::optional<std::string> box = MatchName(names, typing.box);
    if (!box) {
        Fail(std::string(dialog.Name()) + " has no box " + Quoted(typing.box) + "; its boxes are " +
             NameList(names));
        return false;
    }
    quorvel::TypeIntoBox(dialog, *box, typing.text);
    if (m_verbose) {
        m_err << m_prefix << "  " << *box << ": typed " << Quoted(typing.text) << ", shows "
              << Quoted(dialog.BoxText(*box)) << "\n";
    }
    return true;
}

bool ScriptInteraction::RunDialog(DialogModel& dialog) {
    if (m_verbose) {
        m_err << m_prefix << "dialog: " << dialog.Name() << " " << Quoted(dialog.Caption()) << "\n";
    }
    const Answer* answer =
        NextAnswer(DialogNamed(dialog), "--type BOX=TEXT... --ok, --ok or --cancel");
    bool ok = false;
    if (answer != nullptr) {
        switch (answer->kind) {
            case Answer::Kind::Ok:
                ok = true;
                break;
            case Answer::Kind::Cancel:
                break;
            case Answer::Kind::Dialog:
                ok = answer->closeWithOk;
                for (const BoxTyping& typing : answer->typing) {
                    if (!TypeIntoBox(dialog, typing)) {
                        ok = false;
                        break;
                    }
                }
                break;
            case Answer::Kind::Text:
                Fail(m_action + " opened " + DialogNamed(dialog) + ", but the answer " +
                     answer->shown +
                     " is for a text-entry box; answer a dialog with --type BOX=TEXT... then "
                     "--ok or --cancel");
                break;
        }
    }
    if (ok) {
        dialog.Ok();
    } else {
        dialog.Cancel();
    }
    if (m_verbose) {
        m_err << m_prefix << (ok ? "  closed with OK\n" : "  cancelled\n");
    }
    return ok;
}

// Once the script has failed, the command only runs to its end on default answers; what it
// sounds or says then is not the user's doing and is not listed.
void ScriptInteraction::ShowMessage(std::string_view text) {
    if (m_failure.empty()) {
        m_err << m_prefix << "message: " << text << "\n";
    }
}

void ScriptInteraction::Sound(std::string_view cue) {
    if (m_failure.empty()) {
        m_err << m_prefix << "cue: " << cue << "\n";
    }
}

void ScriptInteraction::SoundClick() {
    Sound("click");
}
void ScriptInteraction::SoundWarning() {
    Sound("warning");
}
void ScriptInteraction::SoundError() {
    Sound("error");
}

}  // namespace quorvel::cli
