#include "support/scripted_interaction.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace quorvel::testing {

ScriptedInteraction& ScriptedInteraction::Answer(std::string text) {
    m_answers.emplace_back(std::move(text));
    return *this;
}

ScriptedInteraction& ScriptedInteraction::Cancel() {
    m_answers.emplace_back(std::nullopt);
    return *this;
}

ScriptedInteraction& ScriptedInteraction::OnDialog(std::function<bool(DialogModel&)> run) {
    m_dialogs.push_back(std::move(run));
    return *this;
}

std::string ScriptedInteraction::InputBox(std::string_view title, std::string_view prompt,
                                          std::string_view defaultText) {
    boxes.push_back({std::string(title), std::string(prompt), std::string(defaultText)});
    if (m_answers.empty()) {
        ADD_FAILURE() << "unexpected text-entry box \"" << prompt << "\"";
        return std::string(defaultText);
    }
    std::optional<std::string> answer = std::move(m_answers.front());
    m_answers.pop_front();
    return answer ? *answer : std::string(defaultText);
}

bool ScriptedInteraction::RunDialog(DialogModel& dialog) {
    if (m_dialogs.empty()) {
        ADD_FAILURE() << "unexpected dialog " << dialog.Name();
        dialog.Cancel();
        return false;
    }
    auto run = std::move(m_dialogs.front());
    m_dialogs.pop_front();
    return run(dialog);
}

}  // namespace quorvel::testing
