#pragma once
// What a command line does to a page: its actions run as the window runs them, and the
// labels it prints. The single run and the batch share these, so that a line of a batch does
// exactly what the same words do after PAGE on the command line.

#include <string>
#include <vector>

#include "cli/cli_args.h"
#include "cli/script_interaction.h"
#include "shell/page_model.h"

namespace quorvel::cli {

// Runs one action with its answers. False with a message when the page has no such command
// or control, or the answers do not fit what the command asks.
bool RunPageAction(PageModel& page, const Action& action, ScriptInteraction& ui,
                   std::string& error);

// The display names that `only` stands for (each matched as a control name is), in the
// order the page shows them. False with a message for a name the page does not show.
bool SelectLabels(const DisplayList& display, const std::vector<std::string>& only,
                  std::vector<std::string>& selected, std::string& error);

// The items of `display` that `selected` names, in display order; all of them when
// `selected` is empty.
DisplayList OnlySelected(DisplayList display, const std::vector<std::string>& selected);

}  // namespace quorvel::cli
