// The watch over modal windows: a window nobody answers fails the test and is closed, so that
// the code waiting on it returns; an answered window is left to its answer.
#include <QDialog>
#include <QMessageBox>
#include <QTest>

#include "qt_support/modal_guard.h"
#include "qt_support/window_fixture.h"

namespace quorvel::testing {
namespace {

// Records the unanswered windows instead of failing, for the length of one test.
class Unanswered {
public:
    Unanswered()
        : m_previous(SetUnansweredModalHandler(
              [this](QWidget* modal) { seen.push_back(modal->objectName()); })) {}
    ~Unanswered() { SetUnansweredModalHandler(std::move(m_previous)); }
    Unanswered(const Unanswered&) = delete;
    Unanswered& operator=(const Unanswered&) = delete;

    QStringList seen;

private:
    UnansweredModalHandler m_previous;
};

}  // namespace

class ModalGuardTest : public QObject {
    Q_OBJECT
private slots:
    void unansweredDialogIsReportedAndClosed() {
        Unanswered watch;
        QDialog dialog;
        dialog.setObjectName(QStringLiteral("Lonely"));
        QCOMPARE(dialog.exec(), int(QDialog::Rejected));
        QCOMPARE(watch.seen, QStringList{QStringLiteral("Lonely")});
    }

    void unansweredMessageBoxReturns() {
        Unanswered watch;
        QMessageBox box(QMessageBox::Information, QStringLiteral("Notice"),
                        QStringLiteral("Frame sync lost"), QMessageBox::Ok);
        box.setObjectName(QStringLiteral("Notice"));
        box.exec();
        QCOMPARE(watch.seen, QStringList{QStringLiteral("Notice")});
    }

    void answeredDialogIsLeftToItsAnswer() {
        Unanswered watch;
        QDialog dialog;
        AnswerNextModal([](QWidget* modal) { static_cast<QDialog*>(modal)->accept(); });
        QCOMPARE(dialog.exec(), int(QDialog::Accepted));
        QVERIFY(watch.seen.isEmpty());
    }

    void aSecondDialogNeedsAnAnswerOfItsOwn() {
        Unanswered watch;
        QDialog first;
        AnswerNextModal([](QWidget* modal) { static_cast<QDialog*>(modal)->accept(); });
        QCOMPARE(first.exec(), int(QDialog::Accepted));
        QDialog second;
        second.setObjectName(QStringLiteral("Second"));
        QCOMPARE(second.exec(), int(QDialog::Rejected));
        QCOMPARE(watch.seen, QStringList{QStringLiteral("Second")});
    }

    void modalShownWithoutWaitingOnItIsNoConcern() {
        Unanswered watch;
        QDialog dialog;
        dialog.setModal(true);
        dialog.show();
        QTest::qWait(1);
        QVERIFY(dialog.isVisible());
        QVERIFY(watch.seen.isEmpty());
    }
};

}  // namespace quorvel::testing

QTEST_MAIN(quorvel::testing::ModalGuardTest)
#include "modal_guard_test.moc"
