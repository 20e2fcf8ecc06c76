#pragma once
// The common part of the solving dialogs (the RF page's VSWR and resonance dialogs among
// them): a group of related numbers, one edit box each. When the user leaves a box the dialog
// reads every box, refusing (with the error cue) text that does not read or lies outside the
// box's range, solves the rest of the group from the box that was left, and shows every value
// again. OK hands the group back to the caller; Cancel, Escape or the close box leave the
// caller untouched.

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "common/cues.h"
#include "common/dialog_model.h"
#include "common/interaction.h"

namespace quorvel {

class SolvingDialog : public DialogModel {
public:
    // One box: its object name, the caption beside it, and the values it accepts when read,
    // low <= v < high (low < v < high when lowExcluded).
    struct Field {
        std::string_view name;
        std::string_view caption;
        double low;
        double high;
        bool lowExcluded;
    };

    std::vector<DialogBox> Boxes() const override;
    std::string BoxText(std::string_view box) const override;
    // The key filter of the entry dialogs: letters are refused with the error cue.
    bool KeyPress(std::string_view box, char key) override;
    // Typed text takes effect only when the box is left.
    void SetBoxText(std::string_view box, std::string text) override;
    void BoxExit(std::string_view box) override;
    void Ok() override { m_cancelled = false; }
    void Cancel() override { m_cancelled = true; }
    bool Cancelled() const override { return m_cancelled; }

protected:
    // fields in tab order; every box shows its value with FormatNumber(8, decimals).
    SolvingDialog(Cues& cues, std::span<const Field> fields, int decimals);

    // Copies the caller's values in (one per field, in field order), shows them, runs the
    // dialog through ui and, when it was closed with OK, copies the values back. True for OK.
    bool RunOn(Interaction& ui, std::span<double* const> callerValues);

    // Solves the group after the box `field` was left and every box read; accepted tells
    // whether that box's own text was taken.
    virtual void Solve(std::size_t field, bool accepted) = 0;

    double& Value(std::size_t field) { return m_values[field]; }

private:
    int FieldIndex(std::string_view box) const;
    // Reads every box in tab order; true when the box `exited` was taken.
    bool ReadAllBoxes(std::size_t exited);
    void ShowValues();

    Cues& m_cues;
    std::span<const Field> m_fields;
    int m_decimals;
    std::vector<double> m_values;
    std::vector<std::string> m_texts;  // what each box holds now
    std::vector<std::string> m_shown;  // what the dialog last wrote into each box
    bool m_cancelled = true;
};

}  // namespace quorvel
