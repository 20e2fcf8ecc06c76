#pragma once
// What an entry dialog shows before the user touches it: its object name, its caption and its
// edit boxes in tab order, each with its caption and hint; and it starts out cancelled, so
// that only OK hands its values back.

#include <string_view>
#include <vector>

#include "common/dialog_model.h"

namespace quorvel::testing {

void ExpectDialogShape(const DialogModel& dialog, std::string_view name, std::string_view caption,
                       const std::vector<DialogBox>& boxes);

}  // namespace quorvel::testing
