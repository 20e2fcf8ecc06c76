#pragma once
// The WG 84 page's "Line of Sight" window: the line-of-sight picture (profile and look angles,
// pages/wg84/line_of_sight_picture.h) in `PictureLineOfSight`, drawn afresh for whatever size
// the window gives it, and the figures under it in `PanelLosFigures` (the value labels of
// LineOfSightFigureTexts by their object names). Not modal and resizable; the page keeps one
// and hands it the figures after every recompute. The mouse over the profile tells both paths'
// heights above the earth at that distance.

#include <QColor>
#include <QWidget>

#include "pages/wg84/line_of_sight.h"
#include "pages/wg84/line_of_sight_picture.h"

class QFrame;

namespace quorvel {

class TPictureView;

class TLineOfSightForm final : public QWidget {
    Q_OBJECT
public:
    // A window of its own over `owner` (it closes with it), destroyed when closed.
    explicit TLineOfSightForm(QWidget* owner);

    // Shows these figures and look angles: the picture drawn again, the figures' texts.
    void ShowLineOfSight(const LineOfSightFigures& figures, const LookAngles& look);
    // The figures panel in the page's colours: its ground, its captions' and its values'.
    void ApplyColours(const QColor& panel, const QColor& captions, const QColor& values);

    const LineOfSightFigures& Figures() const { return m_figures; }

private:
    // The picture for the view's present size.
    void Redraw();

    TPictureView* m_view = nullptr;
    QFrame* m_figuresPanel = nullptr;
    LineOfSightFigures m_figures;
    LookAngles m_look;
};

}  // namespace quorvel
