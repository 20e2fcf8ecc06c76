#pragma once
// The Number page's window: the edit box with its entry radix buttons, the two lists, the two
// counts, the pattern grid, the four encodings and the three float decodings, all on the main
// panel Panel1. The page's values and rules live in NumberPageModel; this form only builds
// the widgets by object name and connects them.
//
// The value texts are set in a fixed-pitch font so that the columns line up digit for digit,
// and every value label is laid out at least as wide as the widest text it can show, so that
// no text is clipped at N = 32. To give 32 binary digits a readable size within the page's
// width, the pattern grid is laid out in two bands of its four rows: the "(16)" and "(2)"
// columns, then the "(8)" and "(10)" columns.

#include <QFont>

#include "shell/qt/page_form.h"

class QFrame;
class QGridLayout;
class QLabel;

namespace quorvel {

class TNumberForm final : public TPageForm {
    Q_OBJECT
public:
    explicit TNumberForm(PageFormContext& context);

private:
    // The width a value label needs for `widest` in the fixed-pitch font.
    int ValueWidth(const QString& widest) const;
    QLabel* AddCaption(QGridLayout* grid, const QString& text, int row, int column,
                       Qt::Alignment alignment = Qt::AlignLeft);
    // A result label set in the fixed-pitch font, at least as wide as `widest`.
    QLabel* AddValue(QGridLayout* grid, const QString& name, const QString& widest, int row,
                     int column, Qt::Alignment alignment = Qt::AlignLeft, int columnSpan = 1);
    void BuildEntry(QGridLayout* grid);
    // Fills rows from 0 and returns the first row left free.
    int BuildPatternGrid(QGridLayout* grid);
    void BuildEncodings(QGridLayout* grid, int firstRow);
    void BuildFloats(QGridLayout* grid);

    QFrame* m_panel = nullptr;
    QFont m_valueFont;
};

}  // namespace quorvel
