#pragma once
// The Math/Trig page's window. `PanelMain` fills the page and holds the four calculators:
// `Panel2` (trigonometry, with the angle's edit box and the "Angle in radians" box) above
// `Panel3` (arc functions) on the left, `Panel4` (power, logarithms, exponential) above
// `Panel1` (the angle in three forms, which opens `PopupMenu4`) on the right. The values and
// rules live in MathTrigPageModel; this form only builds the widgets by object name and
// connects them.
//
// Every value label and edit box is laid out at least as wide as the widest text it can
// show (a 16-character power, "9.9999999999E26", "-359 59 59.999"), so that nothing is ever
// clipped and the columns do not move when values change.

#include <QList>

#include "shell/qt/page_form.h"

class QFrame;
class QGridLayout;
class QLabel;
class QLineEdit;

namespace quorvel {

class MathTrigPageModel;

class TMathTrigForm final : public TPageForm {
    Q_OBJECT
public:
    explicit TMathTrigForm(PageFormContext& context);

protected:
    // Leaving an edit box that still shows what the page last wrote applies nothing; every
    // other event goes the page's usual way.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    MathTrigPageModel& MathTrig();

    QFrame* AddPanel(QGridLayout* grid, const char* name, int row, int column);
    QLineEdit* AddEdit(QGridLayout* grid, QFrame* panel, const char* caption, const char* name,
                       int widestLength, int row);
    QLabel* AddValue(QGridLayout* grid, QFrame* panel, const char* caption, const char* name,
                     const QString& widest, int row);
    void BuildTrigonometry(QGridLayout* main);
    void BuildArcs(QGridLayout* main);
    void BuildExponents(QGridLayout* main);
    void BuildAngle(QGridLayout* main);

    QFrame* m_panelMain = nullptr;
    QList<QLineEdit*> m_edits;
};

}  // namespace quorvel
