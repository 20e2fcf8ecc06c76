#pragma once
// Test doubles for what a page command reaches the user through: cues that are recorded
// instead of sounded (support/recording_cues.h), and an Interaction that answers text-entry
// boxes and dialogs from a script. A prompt or dialog that the script does not expect fails the
// test instead of blocking it.

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "common/dialog_typing.h"
#include "common/interaction.h"
#include "support/recording_cues.h"

namespace quorvel::testing {

// One opened text-entry box, as the user saw it.
struct InputBoxSeen {
    std::string title;
    std::string prompt;
    std::string defaultText;
};

class ScriptedInteraction final : public Interaction {
public:
    // The next text-entry box is answered with OK on this text.
    ScriptedInteraction& Answer(std::string text);
    // The next text-entry box is cancelled (it returns its default text).
    ScriptedInteraction& Cancel();
    // The next dialog is run by this function, which returns true for OK.
    ScriptedInteraction& OnDialog(std::function<bool(DialogModel&)> run);

    Cues& cues() override { return recorded; }
    std::string InputBox(std::string_view title, std::string_view prompt,
                         std::string_view defaultText) override;
    bool RunDialog(DialogModel& dialog) override;
    void ShowMessage(std::string_view text) override { messages.emplace_back(text); }

    // True when every scripted answer was used.
    bool ScriptUsed() const { return m_answers.empty() && m_dialogs.empty(); }

    RecordingCues recorded;
    std::vector<InputBoxSeen> boxes;
    std::vector<std::string> messages;

private:
    std::deque<std::optional<std::string>> m_answers;
    std::deque<std::function<bool(DialogModel&)>> m_dialogs;
};

using quorvel::TypeIntoBox;

}  // namespace quorvel::testing
