#pragma once
// The text-entry box of the value prompts: a title, a prompt, an edit of at most 255
// characters prefilled with the current value (all of it selected), OK as the default button
// and Cancel on Escape.

#include <QDialog>

#include <string>
#include <string_view>

class QLabel;
class QLineEdit;

namespace quorvel {

inline constexpr int kInputBoxMaxLength = 255;

class TInputBoxDlg final : public QDialog {
    Q_OBJECT
public:
    // Object names: "InputBox", its label "PromptLabel", the edit "EditValue", the buttons
    // "OKBtn" and "CancelBtn".
    TInputBoxDlg(QWidget* parent, std::string_view title, std::string_view prompt,
                 std::string_view defaultText);

    // The answer: the edited text after OK; the default text after Cancel, the close box or an
    // OK on an untouched edit.
    std::string Answer() const;

private:
    std::string m_defaultText;
    QLineEdit* m_edit = nullptr;
};

// Runs the box modally and returns its answer.
std::string RunInputBox(QWidget* parent, std::string_view title, std::string_view prompt,
                        std::string_view defaultText);

}  // namespace quorvel
