#pragma once
// Runs one WGS-84 entry dialog through a scripted user: the steps type into its boxes, then
// OK (or Cancel); the cues heard are handed back.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/scripted_interaction.h"

namespace quorvel::testing {

template <typename Dialog, typename Steps, typename... Record>
std::vector<std::string> RunEntryDialog(Steps steps, bool ok, Record&... record) {
    ScriptedInteraction ui;
    ui.OnDialog([&](DialogModel& dialog) {
        steps(dialog);
        if (ok) {
            dialog.Ok();
        } else {
            dialog.Cancel();
        }
        return ok;
    });
    Dialog dialog(ui.cues());
    EXPECT_EQ(dialog.Run(ui, record...), ok);
    EXPECT_TRUE(ui.ScriptUsed());
    return ui.recorded.heard;
}

}  // namespace quorvel::testing
