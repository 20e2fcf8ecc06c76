#include "support/dialog_checks.h"

#include <gtest/gtest.h>

#include <string>

namespace quorvel::testing {

void ExpectDialogShape(const DialogModel& dialog, std::string_view name, std::string_view caption,
                       const std::vector<DialogBox>& boxes) {
    EXPECT_EQ(dialog.Name(), name);
    EXPECT_EQ(dialog.Caption(), caption);
    EXPECT_TRUE(dialog.Cancelled()) << name;
    const std::vector<DialogBox> shown = dialog.Boxes();
    ASSERT_EQ(shown.size(), boxes.size()) << name;
    for (std::size_t i = 0; i < boxes.size(); ++i) {
        EXPECT_EQ(shown[i].name, boxes[i].name);
        EXPECT_EQ(shown[i].caption, boxes[i].caption) << boxes[i].name;
        EXPECT_EQ(shown[i].hint, boxes[i].hint) << boxes[i].name;
    }
}

}  // namespace quorvel::testing
