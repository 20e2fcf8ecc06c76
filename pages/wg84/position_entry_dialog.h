#pragma once
// The common part of the WGS-84 page's position entry dialogs: two or three edit boxes that
// show the caller's values in the user's units (degrees, feet, nautical miles) and are read
// back only when the dialog closes with OK. Every box is then read on its own, in tab order:
// a box whose text is refused sounds the error cue and keeps the value it had, while the
// others are still stored. Cancel, Escape or the close box leave the caller's record as it
// was. Only the first box filters keys (a letter is dropped with the error cue), so exponent
// notation can be typed everywhere but there.

#include <string>
#include <string_view>
#include <vector>

#include "common/cues.h"
#include "common/dialog_model.h"
#include "common/interaction.h"

namespace quorvel {

class PositionEntryDialog : public DialogModel {
public:
    std::string_view Name() const override { return m_name; }
    std::string Caption() const override { return m_caption; }
    std::vector<DialogBox> Boxes() const override { return m_boxes; }
    std::string BoxText(std::string_view box) const override;
    bool KeyPress(std::string_view box, char key) override;
    void SetBoxText(std::string_view box, std::string text) override;
    // The boxes are read only at OK: leaving one changes nothing.
    void BoxExit(std::string_view) override {}
    void Ok() override { m_cancelled = false; }
    void Cancel() override { m_cancelled = true; }
    bool Cancelled() const override { return m_cancelled; }
    // Tab goes from the last box to Cancel, then to OK.
    bool CancelBeforeOk() const override { return true; }

protected:
    // boxes in tab order.
    PositionEntryDialog(Cues& cues, std::string_view name, std::vector<DialogBox> boxes);

    void SetCaption(std::string caption) { m_caption = std::move(caption); }
    void SetText(std::size_t box, std::string text) { m_texts[box] = std::move(text); }

    // Shows the dialog modally through ui; true when it was closed with OK.
    bool RunModal(Interaction& ui);

    // Reads box `box` as a real that ParseReal takes whole and that lies strictly between low
    // and high; stores it in value and returns true, or sounds the error cue and leaves value.
    bool ReadBetween(std::size_t box, double low, double high, double& value);
    // Reads box `box` as any real, rounded to whole degrees (halves toward minus infinity),
    // brought into (-180, 180] by one turn at most, and stores it in radians; or sounds the
    // error cue and leaves radians as they were.
    bool ReadWholeDegrees(std::size_t box, double& radians);
    // Reads box `box` as a degrees-minutes-seconds angle (a latitude when `latitude`: whole
    // degrees clamped to +-70, else to +-179) and stores it in radians; or sounds the error
    // cue and leaves radians as they were.
    bool ReadDms(std::size_t box, bool latitude, double& radians);

private:
    int BoxIndex(std::string_view box) const;

    Cues& m_cues;
    std::string m_name;
    std::string m_caption;
    std::vector<DialogBox> m_boxes;
    std::vector<std::string> m_texts;
    bool m_cancelled = true;
};

// Unit factors of the entry dialogs, as the dialogs have always written them.
inline constexpr double kDialogRadiansPerDegree = 0.017453292519943302;
inline constexpr double kDialogDegreesPerRadian = 57.29577951308232;  // 180 / pi
inline constexpr double kDialogNmiPerFoot = 0.00016457883360024463;   // 1 / 6076.115489

}  // namespace quorvel
