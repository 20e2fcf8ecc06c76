#pragma once
// The mark of a panel that has the keyboard focus. Panels are plain frames, which show no
// focus of their own; the mark is a frame in the highlight colour drawn over the panel
// while it has the focus (and while a menu it opened has it), which passes every mouse event
// through to what lies below it.

#include <QWidget>

namespace quorvel {

// It has no object name: it is no control of the form, and tests that list a form's named
// controls do not meet it.
class TFocusMark final : public QWidget {
    Q_OBJECT
public:
    // Follows `panel`'s focus and size from now on; a child of the panel.
    explicit TFocusMark(QWidget* panel);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    QWidget* m_panel;
};

}  // namespace quorvel
