// An exception escaping an event handler is reported with its text and the program goes on.
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include <stdexcept>

#include "qt_support/window_fixture.h"
#include "shell/qt/application.h"

namespace quorvel {
namespace {

// A widget whose click handler fails the way a failed file write or a bad conversion would.
class ThrowingWidget final : public QWidget {
protected:
    void mousePressEvent(QMouseEvent*) override {
        if (throwUnknown) {
            throw 42;
        }
        throw std::runtime_error("Cannot create file \"QuorvelIIHdcpy_0.jpg\"");
    }

public:
    bool throwUnknown = false;
};

class ApplicationTest : public QObject {
    Q_OBJECT

private:
    TQuorvelApplication& App() { return *static_cast<TQuorvelApplication*>(qApp); }

private slots:
    void cleanup() { App().SetExceptionReport({}); }

    void escapedExceptionIsReportedAndTheProgramGoesOn() {
        QStringList reports;
        App().SetExceptionReport([&reports](const QString& text) { reports.append(text); });
        ThrowingWidget failing;
        QPushButton working;
        QSignalSpy clicked(&working, &QPushButton::clicked);

        QTest::mouseClick(&failing, Qt::LeftButton);
        QCOMPARE(reports, QStringList{"Cannot create file \"QuorvelIIHdcpy_0.jpg\""});
        QTest::mouseClick(&working, Qt::LeftButton);
        QCOMPARE(clicked.count(), 1);

        failing.throwUnknown = true;
        QTest::mouseClick(&failing, Qt::LeftButton);
        QCOMPARE(reports.size(), 2);
        QCOMPARE(reports.last(), QStringLiteral("Unknown exception"));
    }

    void exceptionWhileOneIsReportedDoesNotOpenAnotherReport() {
        int reports = 0;
        ThrowingWidget failing;
        App().SetExceptionReport([&reports, &failing](const QString&) {
            ++reports;
            QTest::mouseClick(&failing, Qt::LeftButton);  // fails again while reporting
        });
        QTest::mouseClick(&failing, Qt::LeftButton);
        QCOMPARE(reports, 1);
        // Once the report is over, the next failure is reported again.
        QTest::mouseClick(&failing, Qt::LeftButton);
        QCOMPARE(reports, 2);
    }

    void defaultReportIsAPlainMessageBox() {
        ThrowingWidget failing;
        QString name;
        QString text;
        testing::AnswerNextModal([&name, &text](QWidget* box) {
            if (box != nullptr) {
                name = box->objectName();
                text = static_cast<QMessageBox*>(box)->text();
                box->close();
            }
        });
        QTest::mouseClick(&failing, Qt::LeftButton);
        QCOMPARE(name, QStringLiteral("ExceptionBox"));
        QCOMPARE(text, QStringLiteral("Cannot create file \"QuorvelIIHdcpy_0.jpg\""));
    }
};

}  // namespace
}  // namespace quorvel

// An exception leaving an event handler unwinds through Qt's own frames, which Qt is built
// to skip without running their destructors; the event-point data and strings they held stay
// allocated. The cases here provoke exactly that, so the leak checker is told to expect it.
extern "C" const char* __lsan_default_suppressions() {
    return "leak:QArrayData::allocate\n"
           "leak:ExternalRefCountData::getAndRef\n"
           "leak:QEventPoint::QEventPoint\n"
           "leak:QMutableEventPoint::detach\n";
}

int main(int argc, char** argv) {
    quorvel::TQuorvelApplication app(argc, argv);
    quorvel::ApplicationTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "application_test.moc"
