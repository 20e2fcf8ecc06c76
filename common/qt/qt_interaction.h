#pragma once
// How page commands reach the user in the window: the text-entry box, the generic dialog for
// any dialog model, a plain message box, and the cues of the program run.

#include <QPointer>
#include <QWidget>

#include "common/interaction.h"

namespace quorvel {

class QtInteraction final : public Interaction {
public:
    // Dialogs open with `owner` as parent; cues go to `cues`.
    QtInteraction(QWidget* owner, Cues& cues);

    Cues& cues() override { return m_cues; }
    std::string InputBox(std::string_view title, std::string_view prompt,
                         std::string_view defaultText) override;
    bool RunDialog(DialogModel& dialog) override;
    void ShowMessage(std::string_view text) override;

private:
    QPointer<QWidget> m_owner;
    Cues& m_cues;
};

}  // namespace quorvel
