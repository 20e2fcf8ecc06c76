// The clipboard and the keyboard through the whole main window: Ctrl+C copies the page of the
// selected tab, and Tab reaches the panels of that page only.
#include <QApplication>
#include <QClipboard>
#include <QTabBar>
#include <QTest>

#include <memory>

#include "qt_support/window_fixture.h"
#include "shell/qt/page_form.h"
#include "shell/qt/tab_control.h"
#include "window/qt/main_form.h"

namespace quorvel {
namespace {

using testing::QuietRun;
using testing::ScratchWorkingDirectory;
using testing::WriteFileBytes;

class MainWindowCopyTest : public QObject {
    Q_OBJECT

private slots:
    void ctrlCCopiesTheSelectedTabsPage() {
        ScratchWorkingDirectory dir;
        WriteFileBytes(dir.File(QStringLiteral("QuorvelII.Cfg")),
                       "[RF]\r\nWatts=2.000000000\r\n[MiscInfo]\r\nPageControl=0\r\n");
        QuietRun quiet;
        auto window = std::make_unique<TQuorvelMainForm>(quiet.Run());
        window->show();
        QApplication::setActiveWindow(window.get());
        QVERIFY(QTest::qWaitForWindowActive(window.get()));

        QTest::keyClick(window.get(), Qt::Key_C, Qt::ControlModifier);
        const QString rf = QApplication::clipboard()->text();
        QVERIFY2(rf.contains(QStringLiteral("\nWatts\t2.00\ndBm\t33.01\ndBw\t3.01\n")),
                 qPrintable(rf));
        QVERIFY(rf.contains(QStringLiteral("\nWave Length (mm)\t")));
        QVERIFY(rf.contains(QStringLiteral("\nNon-NRZL Code\tNO\n")));
        QCOMPARE(rf, window->Page(0)->ValuesText());

        QTabBar* tabs = window->TabControl()->Tabs();
        QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(1).center());
        QTest::keyClick(window.get(), Qt::Key_C, Qt::ControlModifier);
        const QString number = QApplication::clipboard()->text();
        QCOMPARE(number, window->Page(1)->ValuesText());
        QVERIFY(!number.contains(QStringLiteral("dBm")));
        window->close();
    }

    void tabStaysOnTheSelectedPage() {
        ScratchWorkingDirectory dir;
        QuietRun quiet;
        auto window = std::make_unique<TQuorvelMainForm>(quiet.Run());
        window->show();
        QApplication::setActiveWindow(window.get());
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        window->TabControl()->Tabs()->setFocus();
        TPageForm* rf = window->Page(0);
        for (int i = 0; i < 30; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QWidget* focus = QApplication::focusWidget();
            QVERIFY(focus == window->TabControl()->Tabs() || rf->isAncestorOf(focus));
        }
        window->close();
    }
};

}  // namespace
}  // namespace quorvel

QTEST_MAIN(quorvel::MainWindowCopyTest)
#include "main_window_copy_test.moc"
