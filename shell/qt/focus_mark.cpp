#include "shell/qt/focus_mark.h"

#include <QEvent>
#include <QFocusEvent>
#include <QPainter>
#include <QPen>

namespace quorvel {

namespace {

constexpr int kMarkWidth = 2;

}  // namespace

TFocusMark::TFocusMark(QWidget* panel) : QWidget(panel), m_panel(panel) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    setGeometry(panel->rect());
    setVisible(panel->hasFocus());
    panel->installEventFilter(this);
}

bool TFocusMark::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_panel) {
        switch (event->type()) {
            case QEvent::FocusIn:
                setGeometry(m_panel->rect());
                // Above whatever the panel holds, also what it gained since.
                raise();
                show();
                break;
            case QEvent::FocusOut:
                // The panel's own menu takes the focus while it is open, and gives it back.
                if (static_cast<QFocusEvent*>(event)->reason() != Qt::PopupFocusReason) {
                    hide();
                }
                break;
            case QEvent::Resize:
                setGeometry(m_panel->rect());
                break;
            default:
                break;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void TFocusMark::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    QPen pen(palette().color(QPalette::Highlight), kMarkWidth);
    pen.setJoinStyle(Qt::MiterJoin);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    const qreal half = kMarkWidth / 2.0;
    painter.drawRect(QRectF(rect()).adjusted(half, half, -half, -half));
}

}  // namespace quorvel
