#pragma once
// The common part of the Date/Time page's two entry dialogs: one edit box holding a value as
// three numbers joined by separators. Only digits and the dialog's separators can be typed;
// every other key, Backspace ('\b') included, is dropped with the error cue. Leaving the box
// reads its text (SplitThreeParts) into the dialog's own copy of the value, refusing a text too
// short for three parts with the error cue, and writes the box again in the value's standard
// form. OK hands the value back, Cancel (Escape, the close box) leaves the caller untouched.
//
// Enter presses OK without leaving the box, so OK reads a text the user changed and did not
// leave, as leaving the box would; a box still holding the dialog's own text is not read again.

#include <string>
#include <string_view>
#include <vector>

#include "common/cues.h"
#include "common/dialog_model.h"
#include "common/interaction.h"
#include "pages/datetime/three_part_text.h"

namespace quorvel {

class ThreePartDialog : public DialogModel {
public:
    std::vector<DialogBox> Boxes() const override;
    std::string BoxText(std::string_view box) const override;
    bool KeyPress(std::string_view box, char key) override;
    // Typed text takes effect only when the box is left (or OK is pressed).
    void SetBoxText(std::string_view box, std::string text) override;
    void BoxExit(std::string_view box) override;
    void Ok() override;
    void Cancel() override { m_cancelled = true; }
    bool Cancelled() const override { return m_cancelled; }

protected:
    // boxName is the edit box's object name, label its caption; separators are the characters
    // besides the digits that may be typed and that split the text.
    ThreePartDialog(Cues& cues, std::string_view boxName, std::string_view label,
                    std::string_view separators);

    // Shows the value held (copied in from the caller just before) and runs the dialog through
    // ui; true when it was closed with OK, and only then may the caller take the value back.
    bool RunModal(Interaction& ui);

    // Reads the three parts into the value; false refuses the text (the value must then be
    // unchanged).
    virtual bool ReadParts(const ThreeParts& parts) = 0;
    // The value in its standard text form.
    virtual std::string ValueText() const = 0;

private:
    bool IsBox(std::string_view box) const { return box == m_boxName; }
    // Reads the box's text into the value and writes the box again from the value.
    void ReadBox();
    void ShowValue();

    Cues& m_cues;
    std::string_view m_boxName;
    std::string_view m_label;
    std::string_view m_separators;
    std::string m_text;   // what the box holds now
    std::string m_shown;  // what the dialog last wrote into it
    bool m_cancelled = true;
};

}  // namespace quorvel
