// The viewer's window, driven by object name: what it shows of the log, the status line and
// title, keeping to the bottom, and the keys that close it.

#include <QLabel>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

#include "logbrowse/log_browse_form.h"
#include "logbrowse/qt/log_scratch.h"

using quorvel::TLogBrowseForm;
using namespace quorvel::test;

namespace {

const QString kRequest = R"(\SYSTEM\ERLOGS\\QuorvelII.log)";

void CatchUp(TLogBrowseForm& form) {
    form.Follower().Poll();
    QTRY_VERIFY(!form.Follower().CatchingUp());
}

QPlainTextEdit* Memo(TLogBrowseForm& form) {
    return form.findChild<QPlainTextEdit*>("MemoLog");
}

QString Status(TLogBrowseForm& form) {
    return form.findChild<QLabel*>("LabelStatus")->text();
}

}  // namespace

class LogBrowseFormTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void ShowsTheLogReadOnlyInAFixedFont();
    void MissingLogIsAnnouncedThenShown();
    void NoFileNamedSaysSo();
    void PartLinesJoinAndNoEmptyLastLine();
    void EmptiedLogEmptiesTheView();
    void StaysAtTheBottomWhileTheUserIs();
    void LeavesAUserWhoScrolledUpInPlace();
    void EscapeAndCtrlQClose();

private:
    std::unique_ptr<QTemporaryDir> m_scratch;
    QString m_program;
    QString m_log;
};

void LogBrowseFormTest::init() {
    m_scratch = std::make_unique<QTemporaryDir>();
    QVERIFY(m_scratch->isValid());
    m_program = m_scratch->path();
    QVERIFY(QDir().mkpath(m_program + "/SYSTEM/ERLOGS"));
    m_log = m_program + "/SYSTEM/ERLOGS/QuorvelII.Log";
}

void LogBrowseFormTest::ShowsTheLogReadOnlyInAFixedFont() {
    WriteFile(m_log, LogLines(1, 3));
    TLogBrowseForm form(kRequest, m_program);
    CatchUp(form);
    QPlainTextEdit* memo = Memo(form);
    QVERIFY(memo != nullptr);
    QCOMPARE(memo->toPlainText(), QString::fromLatin1(LogLines(1, 3)).chopped(1));
    QVERIFY(memo->isReadOnly());
    QVERIFY(QFontInfo(memo->font()).fixedPitch());
    QCOMPARE(form.windowTitle(), QString("QuorvelII.Log"));
    QCOMPARE(Status(form), m_log + " \u2014 3 lines");
}

void LogBrowseFormTest::MissingLogIsAnnouncedThenShown() {
    QVERIFY(QDir(m_program + "/SYSTEM").removeRecursively());
    TLogBrowseForm form(kRequest, m_program);
    QCOMPARE(Status(form), "waiting for " + m_program + "/QuorvelII.log");
    QCOMPARE(form.windowTitle(), QString("QuorvelII.log"));

    WriteFile(m_program + "/QuorvelII.Log", LogLines(1, 1));
    CatchUp(form);
    QCOMPARE(Memo(form)->toPlainText(), QString::fromLatin1(LogLines(1, 1)).chopped(1));
    QCOMPARE(Status(form), m_program + "/QuorvelII.Log \u2014 1 line");
    QCOMPARE(form.windowTitle(), QString("QuorvelII.Log"));
}

void LogBrowseFormTest::NoFileNamedSaysSo() {
    TLogBrowseForm form("", m_program);
    QCOMPARE(Status(form), QString("no log file named on the command line"));
    QCOMPARE(form.windowTitle(), QString("LogBrowse"));
}

void LogBrowseFormTest::PartLinesJoinAndNoEmptyLastLine() {
    WriteFile(m_log, "first\nsec");
    TLogBrowseForm form(kRequest, m_program);
    CatchUp(form);
    QCOMPARE(Memo(form)->toPlainText(), QString("first\nsec"));
    AppendFile(m_log, "ond\n");
    CatchUp(form);
    QCOMPARE(Memo(form)->toPlainText(), QString("first\nsecond"));
    QCOMPARE(Memo(form)->document()->blockCount(), 2);
    AppendFile(m_log, "\nthird\n");
    CatchUp(form);
    QCOMPARE(Memo(form)->toPlainText(), QString("first\nsecond\n\nthird"));
    QVERIFY(Status(form).endsWith("4 lines"));
}

void LogBrowseFormTest::EmptiedLogEmptiesTheView() {
    WriteFile(m_log, LogLines(1, 20));
    TLogBrowseForm form(kRequest, m_program);
    CatchUp(form);
    WriteFile(m_log, "");
    CatchUp(form);
    QVERIFY(Memo(form)->toPlainText().isEmpty());
    QVERIFY(Status(form).endsWith("0 lines"));
    AppendFile(m_log, "new run\n");
    CatchUp(form);
    QCOMPARE(Memo(form)->toPlainText(), QString("new run"));
}

void LogBrowseFormTest::StaysAtTheBottomWhileTheUserIs() {
    WriteFile(m_log, LogLines(1, 500));
    TLogBrowseForm form(kRequest, m_program);
    form.resize(600, 300);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    CatchUp(form);
    QScrollBar* bar = Memo(form)->verticalScrollBar();
    QVERIFY(bar->maximum() > 0);
    QCOMPARE(bar->value(), bar->maximum());

    const int before = bar->maximum();
    AppendFile(m_log, LogLines(501, 100));
    CatchUp(form);
    QVERIFY(bar->maximum() > before);
    QCOMPARE(bar->value(), bar->maximum());
}

void LogBrowseFormTest::LeavesAUserWhoScrolledUpInPlace() {
    WriteFile(m_log, LogLines(1, 500));
    TLogBrowseForm form(kRequest, m_program);
    form.resize(600, 300);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    CatchUp(form);
    QScrollBar* bar = Memo(form)->verticalScrollBar();
    bar->setValue(40);

    AppendFile(m_log, LogLines(501, 100));
    CatchUp(form);
    QCOMPARE(bar->value(), 40);

    // Back at the bottom, the view follows again.
    bar->setValue(bar->maximum());
    AppendFile(m_log, LogLines(601, 10));
    CatchUp(form);
    QCOMPARE(bar->value(), bar->maximum());
    QVERIFY(Memo(form)->toPlainText().endsWith("line 610"));
}

void LogBrowseFormTest::EscapeAndCtrlQClose() {
    WriteFile(m_log, LogLines(1, 3));
    for (const QKeyCombination key :
         {QKeyCombination(Qt::Key_Escape), QKeyCombination(Qt::ControlModifier, Qt::Key_Q)}) {
        TLogBrowseForm form(kRequest, m_program);
        form.show();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        Memo(form)->setFocus();
        QTest::keyClick(Memo(form), key.key(), key.keyboardModifiers());
        QVERIFY(!form.isVisible());
    }
}

QTEST_MAIN(LogBrowseFormTest)
#include "logbrowse_form_test.moc"
