#include "qt_support/page_driving.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "shell/qt/tab_control.h"

namespace quorvel::testing {

PageProgram::PageProgram(int tab, PageView view, std::optional<CalendarReading> now) : m_tab(tab) {
    if (now) {
        quiet.Clock().SetCalendar(*now);
    }
    window = std::make_unique<TQuorvelMainForm>(quiet.Run());
    window->show();
    if (view == PageView::SelectTab) {
        window->TabControl()->SetTabIndex(tab);
        window->ShowSelectedPage();
    }
    if (view == PageView::Activate) {
        QApplication::setActiveWindow(window.get());
        active = QTest::qWaitForWindowActive(window.get());
    }
}

PageProgram::~PageProgram() {
    window->close();
}

QMenu* RightClick(QWidget* target) {
    QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(2, 2),
                            target->mapToGlobal(QPoint(2, 2)));
    QApplication::sendEvent(target, &event);
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    if (menu != nullptr) {
        menu->hide();
    }
    return menu;
}

QAction* MenuCommand(QMenu* menu, const QString& command) {
    for (QAction* item : menu->actions()) {
        if (QMenu* submenu = item->menu()) {
            if (QAction* found = MenuCommand(submenu, command)) {
                return found;
            }
        } else if (item->text() == command || item->objectName() == command) {
            return item;
        }
    }
    return nullptr;
}

void RunPopupCommand(QWidget* over, const QString& command) {
    QVERIFY(over != nullptr);
    QMenu* menu = RightClick(over);
    QVERIFY(menu != nullptr);
    QAction* item = MenuCommand(menu, command);
    QVERIFY2(item != nullptr, qPrintable("no command " + command));
    item->trigger();
}

void AnswerTextEntry(const QString& text, QString* prompt, QString* start, QString* title) {
    AnswerNextModal([text, prompt, start, title](QWidget* box) {
        if (title != nullptr) {
            *title = box->windowTitle();
        }
        if (prompt != nullptr) {
            *prompt = box->findChild<QLabel*>(QStringLiteral("PromptLabel"))->text();
        }
        auto* edit = box->findChild<QLineEdit*>(QStringLiteral("EditValue"));
        if (start != nullptr) {
            *start = edit->text();
        }
        edit->selectAll();
        QTest::keyClicks(edit, text);
        box->findChild<QPushButton*>(QStringLiteral("OKBtn"))->click();
    });
}

}  // namespace quorvel::testing
