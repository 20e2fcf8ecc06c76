#pragma once
// TGregDatePromptDlg: a Gregorian date edited as "MM/DD/YYYY" in the box EditGreg. Month, day
// and year may be separated by "-", ".", "/" or "_" (no colon). A year of one or two digits gets
// "20" in front ("06" is 2006, "6" is 206); the year is limited to 0..2055, the month to 1..12
// and the day to the length of the month (February by the full leap rule). A month or day left
// out keeps the value held.

#include "pages/datetime/three_part_dialog.h"

namespace quorvel {

class TGregDatePromptDlg final : public ThreePartDialog {
public:
    explicit TGregDatePromptDlg(Cues& cues);

    std::string_view Name() const override { return "TGregDatePromptDlg"; }
    std::string Caption() const override { return "Enter Gregorian Date xx/xx/xx or xx/xx/xxxx"; }

    // Runs the dialog on the caller's day of month, month and year. On OK writes all three
    // back and returns true; otherwise leaves them untouched. Values the box was never left
    // with come back as they went in, even outside the limits.
    bool Run(Interaction& ui, int& dayOfMonth, int& month, int& year);

protected:
    bool ReadParts(const ThreeParts& parts) override;
    std::string ValueText() const override;

private:
    int m_day = 1;
    int m_month = 1;
    int m_year = 2000;
};

}  // namespace quorvel
