// The main window driven by object name: start-up with and without a settings file, the
// page shown for each tab, the settings written on close with their backup, bad settings,
// the colour scheme, and a close asked for while a dialog is open.
#include <QApplication>
#include <QEventLoop>
#include <QFrame>
#include <QLabel>
#include <QMenuBar>
#include <QScreen>
#include <QSignalSpy>
#include <QTabBar>
#include <QTest>
#include <QTimer>

#include <memory>

#include "common/qt/input_box.h"
#include "common/qt/qt_text.h"
#include "pages/page_registry.h"
#include "qt_support/window_fixture.h"
#include "shell/qt/page_form.h"
#include "shell/qt/scheme_colours.h"
#include "shell/qt/tab_control.h"
#include "shell/settings_file.h"
#include "window/qt/main_form.h"

namespace quorvel {
namespace {

using testing::QuietRun;
using testing::ReadFileBytes;
using testing::ScratchWorkingDirectory;
using testing::WriteFileBytes;

const QString kSettings = QStringLiteral("QuorvelII.Cfg");

// One run of the program in the current working directory.
struct ProgramSession {
    ProgramSession() : window(std::make_unique<TQuorvelMainForm>(quiet.Run())) {}
    void Start() { window->show(); }
    void Close() { window->close(); }

    QuietRun quiet;
    std::unique_ptr<TQuorvelMainForm> window;
};

std::int32_t HostKey(const QString& settings, std::string_view key) {
    std::int32_t value = -12345;
    ReadIniInt(settings.toStdString(), "MiscInfo", key, value);
    return value;
}

// The pages on view; a correct window has exactly one.
QList<int> VisiblePages(const TQuorvelMainForm& window) {
    QList<int> visible;
    for (int tab = 0; tab < kPageCount; ++tab) {
        if (window.BuiltPage(tab) != nullptr && window.BuiltPage(tab)->isVisible()) {
            visible.append(tab);
        }
    }
    return visible;
}

void ClickTab(TQuorvelMainForm& window, int tab) {
    QTabBar* tabs = window.TabControl()->Tabs();
    QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(tab).center());
}

bool OnSomeScreen(const QWidget& window) {
    for (const QScreen* screen : QGuiApplication::screens()) {
        if (screen->availableGeometry().contains(window.frameGeometry().topLeft())) {
            return true;
        }
    }
    return false;
}

class MainWindowTest : public QObject {
    Q_OBJECT

private slots:
    void firstStartWithoutSettingsFile() {
        ScratchWorkingDirectory dir;
        {
            ProgramSession session;
            session.Start();
            TQuorvelMainForm& window = *session.window;
            QCOMPARE(window.windowTitle(), QStringLiteral("QuorvelII  Ver 2.05"));
            QCOMPARE(window.pos(), QPoint(100, 100));
            QCOMPARE(window.TabControl()->TabIndex(), 0);
            QCOMPARE(VisiblePages(window), QList<int>{0});
            QCOMPARE(window.Page(0)->Caption(), ToQString(PageAt(0).identity.caption));
            QVERIFY(!QFile::exists(dir.File(kSettings)));
            session.Close();
        }
        QCOMPARE(HostKey(dir.File(kSettings), "ScreenPosX"), 100);
        QCOMPARE(HostKey(dir.File(kSettings), "ScreenPosY"), 100);
        QCOMPARE(HostKey(dir.File(kSettings), "PageControl"), 0);
        QVERIFY(!QFile::exists(dir.File(kSettings + ".BAK")));
        const QByteArray log = ReadFileBytes(dir.File(QStringLiteral("QuorvelII.Log")));
        QVERIFY(log.contains("PROGRAM START"));
        QVERIFY(log.contains("Program Version 2.05"));
        QVERIFY(log.trimmed().endsWith("------------------PROGRAM END--------------------"));
    }

    void startRecordFollowsTheFirstFrame() {
        ScratchWorkingDirectory dir;
        ProgramSession session;
        QSignalSpy firstFrame(session.window.get(), &TQuorvelMainForm::FirstFrameShown);
        session.Start();
        // Everything the window shows is in place before the record is written.
        QVERIFY(!session.window->StartRecordWritten());
        QCOMPARE(firstFrame.count(), 0);
        QCOMPARE(session.window->windowTitle(), QStringLiteral("QuorvelII  Ver 2.05"));
        QVERIFY(!QFile::exists(dir.File(QStringLiteral("QuorvelII.Log"))));
        QVERIFY(QTest::qWaitForWindowExposed(session.window.get()));
        QTRY_VERIFY(session.window->StartRecordWritten());
        QCOMPARE(firstFrame.count(), 1);
        QVERIFY(ReadFileBytes(dir.File(QStringLiteral("QuorvelII.Log"))).contains("PROGRAM START"));
        QCOMPARE(QString::fromStdString(session.quiet.Run().ProgramDirectory()), dir.Path());
        session.Close();
    }

    void windowLayoutIsFixedAndEveryPageFitsIt() {
        ScratchWorkingDirectory dir;
        ProgramSession session;
        session.Start();
        TQuorvelMainForm& window = *session.window;
        QCOMPARE(window.centralWidget()->size(), QSize(470, 415));
        QCOMPARE(window.PanelScreen()->objectName(), QStringLiteral("PanelScreen"));
        QCOMPARE(window.PanelScreen()->geometry(), QRect(0, 2, 470, 413));
        QCOMPARE(window.minimumSize(), window.maximumSize());
        QCOMPARE(window.font().family(), QStringLiteral("Arial"));
        QCOMPARE(window.font().pointSize(), 8);
        // The hardcopy's scratch picture lies under the tab control, never seen.
        auto* image = window.findChild<QLabel*>(QStringLiteral("HardcopyImage"));
        QVERIFY(image != nullptr);
        QCOMPARE(image->parentWidget(), window.PanelScreen());
        QVERIFY(window.TabControl()->geometry().contains(image->geometry()));
        QVERIFY(window.PanelScreen()->children().indexOf(image) <
                window.PanelScreen()->children().indexOf(window.TabControl()));

        QMenuBar* menu = window.findChild<QMenuBar*>(QStringLiteral("MainMenu1"));
        QVERIFY(menu != nullptr);
        // "Hardcopy" and "About", then the "View" menu of the zoom.
        QCOMPARE(menu->actions().size(), 3);
        QCOMPARE(menu->actions()[0]->objectName(), QStringLiteral("Hardcopy1"));
        QCOMPARE(menu->actions()[0]->text(), QStringLiteral("Hardcopy"));
        QCOMPARE(menu->actions()[1]->objectName(), QStringLiteral("MenuAbout"));
        QCOMPARE(menu->actions()[1]->text(), QStringLiteral("About"));

        // A tab for every registered page, in tab order, captioned as the page says.
        QTabBar* tabs = window.TabControl()->Tabs();
        QCOMPARE(tabs->count(), kPageCount);
        for (int tab = 0; tab < kPageCount; ++tab) {
            QCOMPARE(tabs->tabText(tab), ToQString(PageAt(tab).identity.tab));
            // Every tab shows in full within the window's width.
            QVERIFY(tabs->tabRect(tab).right() < 470);
            TPageForm* page = window.Page(tab);
            QCOMPARE(page->geometry(), window.TabControl()->ClientArea()->rect());
            QVERIFY2(page->rect().contains(page->childrenRect()) || page->childrenRect().isNull(),
                     qPrintable(page->Caption()));
        }
        session.Close();
    }

    void secondStartRestoresTabAndPlace() {
        ScratchWorkingDirectory dir;
        {
            ProgramSession first;
            first.Start();
            ClickTab(*first.window, 3);
            first.window->move(150, 120);
            first.Close();
        }
        QCOMPARE(HostKey(dir.File(kSettings), "PageControl"), 3);
        ProgramSession second;
        second.Start();
        QCOMPARE(second.window->pos(), QPoint(150, 120));
        QCOMPARE(second.window->TabControl()->TabIndex(), 3);
        QCOMPARE(VisiblePages(*second.window), QList<int>{3});
        second.Close();
    }

    void everyCloseBacksUpTheFileAsItWas() {
        ScratchWorkingDirectory dir;
        const QByteArray before =
            "; kept only in the backup\r\n[Old]\r\nKey=1\r\n[MiscInfo]\r\nPageControl=2\r\n";
        WriteFileBytes(dir.File(kSettings), before);
        {
            ProgramSession session;
            session.Start();
            QCOMPARE(session.window->TabControl()->TabIndex(), 2);
            session.Close();
        }
        QCOMPARE(ReadFileBytes(dir.File(kSettings + ".BAK")), before);
        const QByteArray written = ReadFileBytes(dir.File(kSettings));
        QVERIFY(!written.contains("[Old]"));  // the file is written afresh
        QVERIFY(written.contains("PageControl=2"));
        {
            ProgramSession session;
            session.Start();
            session.Close();
        }
        QCOMPARE(ReadFileBytes(dir.File(kSettings + ".BAK")), written);
    }

    void programDirectoryIsTheWorkingDirectoryAtStart() {
        ScratchWorkingDirectory start;
        ProgramSession session;
        session.Start();
        QCOMPARE(QString::fromStdString(session.window->ProgramDirectory()), start.Path());
        QCOMPARE(QString::fromStdString(session.window->SettingsPath()),
                 start.Path() + "/QuorvelII.Cfg");
        QVERIFY(!QFile::exists(QString(QUORVEL_BINARY_DIR) + "/QuorvelII.Cfg") ||
                QString(QUORVEL_BINARY_DIR) == start.Path());
        {
            ScratchWorkingDirectory elsewhere;  // the working directory moves away meanwhile
            session.Close();
            QVERIFY(!QFile::exists(elsewhere.File(kSettings)));
            QVERIFY(!QFile::exists(elsewhere.File(QStringLiteral("QuorvelII.Log"))));
        }
        QVERIFY(QFile::exists(start.File(kSettings)));
        QCOMPARE(QString::fromStdString(session.quiet.Run().ProgramDirectory()), start.Path());
    }

    void tabChangeShowsExactlyOnePage() {
        ScratchWorkingDirectory dir;
        ProgramSession session;
        session.Start();
        for (int tab : {4, 1, 6, 2, 0, 5, 3}) {
            ClickTab(*session.window, tab);
            QCOMPARE(session.window->TabControl()->TabIndex(), tab);
            QCOMPARE(VisiblePages(*session.window), QList<int>{tab});
            QVERIFY(session.window->Page(tab)->ShownOnce());
        }
        session.Close();
    }

    void keyboardMovesBetweenTabs() {
        ScratchWorkingDirectory dir;
        ProgramSession session;
        session.Start();
        QTest::keyClick(session.window->Page(0), Qt::Key_Tab, Qt::ControlModifier);
        QCOMPARE(session.window->TabControl()->TabIndex(), 1);
        QCOMPARE(VisiblePages(*session.window), QList<int>{1});
        QTest::keyClick(session.window->Page(1), Qt::Key_PageUp, Qt::ControlModifier);
        QTest::keyClick(session.window->Page(0), Qt::Key_PageUp, Qt::ControlModifier);
        QCOMPARE(session.window->TabControl()->TabIndex(), 6);
        QCOMPARE(VisiblePages(*session.window), QList<int>{6});
        session.Close();
    }

    void shutDownSavesThenDestroysThePages() {
        ScratchWorkingDirectory dir;
        ProgramSession session;
        session.Start();
        QVERIFY(!session.quiet.Run().ShuttingDown());
        session.Close();
        QVERIFY(session.quiet.Run().ShuttingDown());
        QVERIFY(session.quiet.Clock().Sleeps().size() >= 1);
        QCOMPARE(session.quiet.Clock().Sleeps().front(), 50);
        for (int tab = 0; tab < kPageCount; ++tab) {
            QCOMPARE(session.window->Page(tab), nullptr);
        }
        // A second close, and the window's destruction, change nothing more.
        const QByteArray saved = ReadFileBytes(dir.File(kSettings));
        session.Close();
        session.window.reset();
        QCOMPARE(ReadFileBytes(dir.File(kSettings)), saved);
        QVERIFY(!QFile::exists(dir.File(kSettings + ".BAK")));
    }

    void badSettingsNeitherCrashNorHideTheWindow_data() {
        QTest::addColumn<QByteArray>("settings");
        QTest::addColumn<int>("tab");
        QTest::addColumn<QPoint>("place");
        const QByteArray x = "[MiscInfo]\r\nScreenPosX=";
        QTest::newRow("tab 99") << QByteArray("[MiscInfo]\r\nPageControl=99\r\n") << 0
                                << QPoint(100, 100);
        QTest::newRow("tab -5") << QByteArray("[MiscInfo]\r\nPageControl=-5\r\n") << 0
                                << QPoint(100, 100);
        QTest::newRow("tab 6") << QByteArray("[MiscInfo]\r\nPageControl=6\r\n") << 6
                               << QPoint(100, 100);
        QTest::newRow("tab text") << QByteArray("[MiscInfo]\r\nPageControl=Misc\r\n") << 0
                                  << QPoint(100, 100);
        QTest::newRow("far right") << x + "100000\r\nScreenPosY=100\r\n" << 0 << QPoint(100, 100);
        QTest::newRow("far up") << x + "100\r\nScreenPosY=-100000\r\n" << 0 << QPoint(100, 100);
        QTest::newRow("largest") << x + "2147483647\r\nScreenPosY=2147483647\r\n"
                                 << 0 << QPoint(100, 100);
        QTest::newRow("smallest") << x + "-2147483648\r\nScreenPosY=-2147483648\r\n"
                                  << 0 << QPoint(100, 100);
        QTest::newRow("beyond 32 bits") << x + "99999999999\r\nScreenPosY=5\r\n"
                                        << 0 << QPoint(100, 100);
        QTest::newRow("on screen") << x + "20\r\nScreenPosY=30\r\n" << 0 << QPoint(20, 30);
        QTest::newRow("hex and text") << x + "0x40\r\nScreenPosY=abc\r\nPageControl=1.5\r\n"
                                      << 0 << QPoint(100, 100);
        QTest::newRow("empty values") << x + "\r\nScreenPosY=\r\nPageControl=\r\n"
                                      << 0 << QPoint(0, 0);
        QTest::newRow("binary junk")
            << QByteArray("\x00\xff\xfe[\r\n=\x01\n[MiscInfo", 15) << 0 << QPoint(100, 100);
        QTest::newRow("empty file") << QByteArray() << 0 << QPoint(100, 100);
    }

    void badSettingsNeitherCrashNorHideTheWindow() {
        QFETCH(QByteArray, settings);
        QFETCH(int, tab);
        QFETCH(QPoint, place);
        ScratchWorkingDirectory dir;
        WriteFileBytes(dir.File(kSettings), settings);
        {
            ProgramSession session;
            session.Start();
            TQuorvelMainForm& window = *session.window;
            QVERIFY(window.isVisible());
            QCOMPARE(window.pos(), place);
            QVERIFY(OnSomeScreen(window));
            QCOMPARE(window.TabControl()->TabIndex(), tab);
            QCOMPARE(VisiblePages(window), QList<int>{tab});
            session.Close();
        }
        // What is saved is what was shown.
        QCOMPARE(HostKey(dir.File(kSettings), "PageControl"), tab);
        QCOMPARE(HostKey(dir.File(kSettings), "ScreenPosX"), place.x());
    }

    void coloursWithoutOptionsFile() {
        ScratchWorkingDirectory dir;
        ProgramSession session;
        session.Start();
        TQuorvelMainForm& window = *session.window;
        QCOMPARE(window.Scheme(), ColourScheme{});
        QCOMPARE(BackgroundColour(window.centralWidget()), QColor(255, 255, 255));
        for (int tab = 0; tab < kPageCount; ++tab) {
            QCOMPARE(BackgroundColour(window.Page(tab)), QColor(255, 255, 255));
            QVERIFY(window.Page(tab)->autoFillBackground());
        }
        // The tab control keeps the toolkit's colours.
        QCOMPARE(BackgroundColour(window.PanelScreen()),
                 QApplication::palette().color(QPalette::Window));

        // The first page's main panel, a caption in it and the page's reference label, as its
        // registry entry names them.
        TPageForm* first = window.Page(0);
        const PageColourTargets& targets = PageAt(0).colours;
        auto* panel = first->findChild<QFrame*>(ToQString(targets.mainPanels.front()));
        QVERIFY(panel != nullptr);
        auto* caption = new QLabel(QStringLiteral("Caption"), panel);
        auto* reference = first->findChild<QLabel*>(ToQString(targets.referenceLabel));
        QVERIFY(reference != nullptr);
        QCOMPARE(BackgroundColour(panel), QColor(78, 78, 78));
        QVERIFY(panel->autoFillBackground());
        QCOMPARE(FontColour(panel), QColor(255, 255, 255));
        QCOMPARE(FontColour(caption), QColor(255, 255, 255));
        QCOMPARE(FontColour(reference), QColor(0, 255, 0));
        session.Close();
    }

    void coloursFromTheOptionsFile_data() {
        QTest::addColumn<QByteArray>("options");
        QTest::addColumn<QColor>("page");
        QTest::addColumn<QColor>("result");
        QTest::newRow("red results") << QByteArray("[COLORS]\r\nDeviceGuiDataColor=255\r\n")
                                     << QColor(255, 255, 255) << QColor(255, 0, 0);
        QTest::newRow("hex is not read")
            << QByteArray("[COLORS]\r\nDeviceGuiDataColor=0xFF\r\nDeviceGuiLabelColor=0x0\r\n")
            << QColor(255, 255, 255) << QColor(0, 255, 0);
        QTest::newRow("system window text")
            << QByteArray("[COLORS]\r\nDeviceGuiLabelColor=-2147483640\r\n")
            << QApplication::palette().color(QPalette::WindowText) << QColor(0, 255, 0);
        QTest::newRow("unknown system colour")
            << QByteArray("[COLORS]\r\nDeviceGuiLabelColor=-1\r\n")
            << QApplication::palette().color(QPalette::WindowText) << QColor(0, 255, 0);
        QTest::newRow("bits above blue")
            << QByteArray("[COLORS]\r\nDeviceGuiLabelColor=2130706687\r\n")  // 0x7F0000FF
            << QColor(255, 0, 0) << QColor(0, 255, 0);
    }

    void coloursFromTheOptionsFile() {
        QFETCH(QByteArray, options);
        QFETCH(QColor, page);
        QFETCH(QColor, result);
        ScratchWorkingDirectory dir;
        WriteFileBytes(dir.File(QStringLiteral("ServerOptions.Opt")), options);
        ProgramSession session;
        session.Start();
        TQuorvelMainForm& window = *session.window;
        // A page's form is built when its tab is first shown, and takes the scheme then.
        QCOMPARE(window.BuiltPage(3), nullptr);
        QCOMPARE(BackgroundColour(window.Page(3)), page);
        const auto* panel3 =
            window.Page(3)->findChild<QWidget*>(ToQString(PageAt(3).colours.mainPanels.front()));
        QVERIFY(panel3 != nullptr);
        QCOMPARE(FontColour(panel3), page);
        auto* reference = new QLabel(window.Page(0));
        reference->setObjectName(ToQString(PageAt(0).colours.referenceLabel));
        window.ApplyColourScheme();
        QCOMPARE(BackgroundColour(window.Page(3)), page);
        QCOMPARE(FontColour(reference), result);

        // Read once: a changed options file shows at the next start only.
        WriteFileBytes(dir.File(QStringLiteral("ServerOptions.Opt")),
                       "[COLORS]\r\nDeviceGuiLabelColor=0\r\n");
        const ColourScheme scheme = window.Scheme();
        ClickTab(window, 3);
        QCOMPARE(window.Scheme(), scheme);
        QCOMPARE(BackgroundColour(window.Page(3)), page);
        session.Close();
    }

    void closeAskedForWhileAPromptIsOpenWaitsForTheCommand() {
        ScratchWorkingDirectory dir;
        ProgramSession session;
        session.Start();
        TQuorvelMainForm* window = session.window.get();
        std::string answer;
        bool pageAliveAfterPrompt = false;
        QEventLoop mainLoop;  // stands in for the application's own loop
        QTimer::singleShot(0, window, [&] {
            // A page command: the prompt opens, a signal asks the program to close meanwhile.
            testing::AnswerNextModal([window](QWidget*) { window->RequestClose(); });
            answer = RunInputBox(window, "Input Value between 0 & 1", "Enter", "0.50");
            pageAliveAfterPrompt = window->Page(0) != nullptr;
        });
        connect(window, &QObject::destroyed, &mainLoop, &QEventLoop::quit);
        QTimer::singleShot(5000, &mainLoop, &QEventLoop::quit);
        QTimer watcher;
        connect(&watcher, &QTimer::timeout, &mainLoop, [&] {
            if (!window->isVisible()) {
                mainLoop.quit();
            }
        });
        watcher.start(1);
        mainLoop.exec();

        QCOMPARE(answer, std::string("0.50"));  // the prompt was cancelled
        QVERIFY(pageAliveAfterPrompt);          // and its command finished first
        QVERIFY(!window->isVisible());
        QCOMPARE(window->Page(0), nullptr);
        QCOMPARE(HostKey(dir.File(kSettings), "PageControl"), 0);
    }
};

}  // namespace
}  // namespace quorvel

QTEST_MAIN(quorvel::MainWindowTest)
#include "main_window_test.moc"
