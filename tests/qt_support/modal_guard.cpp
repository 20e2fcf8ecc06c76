#include "qt_support/modal_guard.h"

#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <QDialog>
#include <QEvent>
#include <QPointer>
#include <QTest>
#include <QThread>
#include <QTimer>
#include <QWidget>

#include <string>

namespace quorvel::testing {
namespace {

int g_answersQueued = 0;
int g_answersRun = 0;

void FailTheRunningTest(QWidget* modal) {
    const std::string message = "a modal window opened that the test does not answer: " +
                                std::string(modal->metaObject()->className()) + " \"" +
                                modal->objectName().toStdString() + "\", titled \"" +
                                modal->windowTitle().toStdString() + "\"";
    QTest::qFail(message.c_str(), __FILE__, __LINE__);
}

UnansweredModalHandler& Handler() {
    static UnansweredModalHandler handler = &FailTheRunningTest;
    return handler;
}

void Close(QWidget* modal) {
    if (auto* dialog = qobject_cast<QDialog*>(modal)) {
        dialog->reject();
    } else {
        modal->close();
    }
}

// Looks at a modal window once the event loop that shows it runs: answered windows are the
// test's business; a window still up with no answer run or on its way is closed.
void Check(const QPointer<QWidget>& modal, int answersRunAtShow) {
    if (modal.isNull() || !modal->isVisible() || !modal->isModal()) {
        return;
    }
    // Test functions run outside any event loop; a loop is running only when the code under
    // test waits on something, the window among them.
    if (QThread::currentThread()->loopLevel() == 0 || g_answersRun > answersRunAtShow) {
        return;
    }
    if (g_answersQueued > g_answersRun) {
        QTimer::singleShot(0, modal, [modal, answersRunAtShow] { Check(modal, answersRunAtShow); });
        return;
    }
    Handler()(modal);
    Close(modal);
}

class ModalWatch final : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show && watched->isWidgetType()) {
            auto* widget = static_cast<QWidget*>(watched);
            if (widget->isWindow() && widget->isModal()) {
                const QPointer<QWidget> modal(widget);
                const int answersRun = g_answersRun;
                QTimer::singleShot(0, widget, [modal, answersRun] { Check(modal, answersRun); });
            }
        }
        return QObject::eventFilter(watched, event);
    }
};

}  // namespace

void InstallModalWatch() {
    // Owned by the application, which removes the filter as it goes.
    QCoreApplication::instance()->installEventFilter(new ModalWatch(QCoreApplication::instance()));
}

UnansweredModalHandler SetUnansweredModalHandler(UnansweredModalHandler handler) {
    UnansweredModalHandler previous = std::move(Handler());
    Handler() = std::move(handler);
    return previous;
}

void NoteAnswerQueued() {
    ++g_answersQueued;
}

void NoteAnswerRun() {
    ++g_answersRun;
}

}  // namespace quorvel::testing

namespace {

void InstallModalWatchAtStart() {
    quorvel::testing::InstallModalWatch();
}

}  // namespace

Q_COREAPP_STARTUP_FUNCTION(InstallModalWatchAtStart)
