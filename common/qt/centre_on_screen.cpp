#include "common/qt/centre_on_screen.h"

#include <QGuiApplication>
#include <QScreen>

namespace quorvel {

void CentreOnScreen(QWidget* window) {
    window->adjustSize();
    QScreen* screen = window->parentWidget() != nullptr ? window->parentWidget()->screen()
                                                        : QGuiApplication::primaryScreen();
    if (screen == nullptr) {
        return;
    }
    QRect frame = window->frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    window->move(frame.topLeft());
}

}  // namespace quorvel
