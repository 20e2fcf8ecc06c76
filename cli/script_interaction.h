#pragma once
// The user of a page command, played from the command line: each text-entry box and each
// dialog the command opens takes the next scripted answer in order. Cues are listed instead
// of sounded ("cue: warning"), and messages are printed; both go to the error stream, so that
// the display list alone reaches the output.
//
// A command that opens more boxes or dialogs than the script answers, or a box where the
// script answers a dialog (and the other way round), fails the run: the box gets its default
// text back and the dialog is cancelled, as if the user had closed them, so that the command
// ends at once instead of waiting for an answer that will never come.

#include <cstddef>
#include <ostream>
#include <span>
#include <string>
#include <string_view>

#include "cli/cli_args.h"
#include "common/interaction.h"

namespace quorvel::cli {

class ScriptInteraction final : public Interaction, private Cues {
public:
    // Cues, messages and (when verbose) every box and dialog go to `err`.
    ScriptInteraction(std::ostream& err, bool verbose);

    // Put before every line written to the error stream ("line 3: " in a batch).
    void SetLinePrefix(std::string prefix) { m_prefix = std::move(prefix); }

    // The answers for the next command, which `action` names in messages.
    void BeginCommand(std::string_view action, std::span<const Answer> answers);
    // After the command: false when it asked for an answer it did not get, or when answers
    // were left over; Failure() then says what went wrong.
    bool EndCommand();
    const std::string& Failure() const { return m_failure; }

    Cues& cues() override { return *this; }
    std::string InputBox(std::string_view title, std::string_view prompt,
                         std::string_view defaultText) override;
    bool RunDialog(DialogModel& dialog) override;
    void ShowMessage(std::string_view text) override;

private:
    void SoundClick() override;
    void SoundWarning() override;
    void SoundError() override;
    void Sound(std::string_view cue);

    // The next answer, or nullptr (and the run fails, naming the `answers` that would fit)
    // when the script has none left.
    const Answer* NextAnswer(const std::string& opened, std::string_view answers);
    void Fail(std::string message);
    bool TypeIntoBox(DialogModel& dialog, const BoxTyping& typing);

    std::ostream& m_err;
    bool m_verbose;
    std::string m_prefix;
    std::string m_action;
    std::span<const Answer> m_answers;
    std::size_t m_used = 0;
    std::string m_failure;
};

// The text a box can hold: the window's text-entry box takes at most 255 characters.
inline constexpr std::size_t kInputBoxMaxLength = 255;

}  // namespace quorvel::cli
