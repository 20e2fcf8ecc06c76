// The window's zoom driven by object name: the View menu, its shortcuts and Ctrl with the
// wheel; fonts and sizes scaled by the step; the designed layout back at Actual Size; the zoom
// kept in the settings file; the windows opened from the window zoomed with it; a zoomed
// window kept on its screen; the hardcopy taken at the zoom shown.
#include <QApplication>
#include <QDialog>
#include <QHash>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QProxyStyle>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QWheelEvent>

#include <cmath>
#include <memory>

#include "common/qt/input_box.h"
#include "common/qt/qt_interaction.h"
#include "common/qt/zoom_applier.h"
#include "common/qt/zoom_style.h"
#include "pages/page_registry.h"
#include "qt_support/window_fixture.h"
#include "shell/qt/page_form.h"
#include "shell/qt/tab_control.h"
#include "shell/settings_file.h"
#include "window/qt/main_form.h"
#include "window/qt/page_forms.h"
#include "window/qt/window_zoom.h"

namespace quorvel {
namespace {

using testing::QuietRun;
using testing::ReadFileBytes;
using testing::ScratchWorkingDirectory;
using testing::WriteFileBytes;

const QString kSettings = QStringLiteral("QuorvelII.Cfg");

struct ProgramSession {
    ProgramSession() : window(std::make_unique<TQuorvelMainForm>(quiet.Run())) {}
    void Start() {
        window->show();
        QApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    }
    int Percent() const { return window->WindowZoom().Current().Percent(); }
    QAction* Item(const char* name) const {
        return window->findChild<QAction*>(QString::fromLatin1(name));
    }

    QuietRun quiet;
    std::unique_ptr<TQuorvelMainForm> window;
};

// A designed length at a zoom, to the nearest pixel.
int Scaled(int length, int percent) {
    return static_cast<int>(std::lround(length * percent / 100.0));
}

// Where every widget on view stands and what font it has (a hidden widget is laid out when
// it is next shown).
struct Layout {
    QHash<const QWidget*, QRect> geometries;
    QHash<const QWidget*, QFont> fonts;
};

Layout LayoutOf(QWidget& window) {
    QApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    Layout layout;
    QList<QWidget*> widgets = window.findChildren<QWidget*>();
    for (const QWidget* widget : widgets) {
        if (!widget->isVisible()) {
            continue;
        }
        layout.geometries.insert(widget, widget->geometry());
        layout.fonts.insert(widget, widget->font());
    }
    // The window may have been moved onto its screen at the larger step.
    layout.geometries.insert(&window, QRect(QPoint(), window.size()));
    return layout;
}

// Every widget that `before` holds stands where it stood, with the font it had.
void CompareLayouts(const Layout& now, const Layout& before) {
    for (auto it = before.geometries.cbegin(); it != before.geometries.cend(); ++it) {
        const QString name = it.key()->objectName() + " " + it.key()->metaObject()->className();
        QVERIFY2(now.geometries.value(it.key()) == it.value(), qPrintable(name + " moved"));
        QVERIFY2(now.fonts.value(it.key()) == before.fonts.value(it.key()),
                 qPrintable(name + " changed its font"));
    }
}

// Across and down, the frame lies on the screen, or starts where the screen starts when it is
// larger than the screen.
bool KeptOnScreen(const QRect& frame, const QRect& screen) {
    const bool across = (frame.left() >= screen.left() && frame.right() <= screen.right()) ||
                        (frame.width() > screen.width() && frame.left() == screen.left());
    const bool down = (frame.top() >= screen.top() && frame.bottom() <= screen.bottom()) ||
                      (frame.height() > screen.height() && frame.top() == screen.top());
    return across && down;
}

void Wheel(QWidget* at, int turn, Qt::KeyboardModifiers modifiers) {
    const QPointF inside(at->rect().center());
    QWheelEvent event(inside, at->mapToGlobal(inside), QPoint(), QPoint(0, turn), Qt::NoButton,
                      modifiers, Qt::NoScrollPhase, false);
    QApplication::sendEvent(at, &event);
}

class WindowZoomTest : public QObject {
    Q_OBJECT

private slots:
    // The program's style, as it starts.
    void initTestCase() { QApplication::setStyle(new TZoomStyle); }

    void viewMenuFollowsAboutWithTheZoomItems() {
        ScratchWorkingDirectory dir;
        ProgramSession session;
        session.Start();
        QMenuBar* menu = session.window->findChild<QMenuBar*>(QStringLiteral("MainMenu1"));
        QCOMPARE(menu->actions().size(), 3);
        QCOMPARE(menu->actions()[1]->text(), QStringLiteral("About"));
        QMenu* view = menu->actions()[2]->menu();
        QVERIFY(view != nullptr);
        QCOMPARE(view->objectName(), QStringLiteral("MenuView"));
        QCOMPARE(view->title(), QStringLiteral("View"));
        QStringList captions;
        for (const QAction* item : view->actions()) {
            captions << item->text() + QLatin1Char(' ') +
                            QKeySequence::listToString(item->shortcuts(),
                                                       QKeySequence::PortableText);
        }
        QCOMPARE(captions, QStringList({QStringLiteral("Zoom In Ctrl++; Ctrl+="),
                                        QStringLiteral("Zoom Out Ctrl+-"),
                                        QStringLiteral("Actual Size Ctrl+0")}));
    }

    // Each step of the ladder, from Zoom In pressed again and again.
    void aStepScalesTheFontAndTheWindowByItsFactor() {
        ScratchWorkingDirectory dir;
        ProgramSession session;
        session.Start();
        TQuorvelMainForm& window = *session.window;
        QVERIFY(!session.Item("MenuZoomOut")->isEnabled());
        for (int percent : {125, 150, 175, 200, 250, 300}) {
            session.Item("MenuZoomIn")->trigger();
            QApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
            QCOMPARE(session.Percent(), percent);
            QCOMPARE(window.font().pointSizeF(), 8.0 * percent / 100);
            QCOMPARE(window.Page(0)
                         ->findChild<QLabel*>(QStringLiteral("LabelRatio"))
                         ->font()
                         .pointSizeF(),
                     8.0 * percent / 100);
            QCOMPARE(window.centralWidget()->size(),
                     QSize(Scaled(470, percent), Scaled(415, percent)));
            // The panel's edges are scaled: it still reaches the bottom of the client area.
            QCOMPARE(window.PanelScreen()->geometry(),
                     QRect(QPoint(0, Scaled(2, percent)),
                           QPoint(Scaled(470, percent) - 1, Scaled(415, percent) - 1)));
            QCOMPARE(window.TabControl()->size(), window.PanelScreen()->size());
        }
        QVERIFY(!session.Item("MenuZoomIn")->isEnabled());
        session.Item("MenuZoomIn")->trigger();
        QCOMPARE(session.Percent(), 300);
        window.close();
    }

    // Check boxes and radio buttons are drawn for the widget's zoom; the designed size is the
    // style's own.
    void theStylesMarksFollowTheZoom() {
        ScratchWorkingDirectory dir;
        ProgramSession session;
        session.Start();
        const QWidget* box =
            session.window->findChild<QWidget*>(QStringLiteral("CheckBoxNonNrzlCode"));
        QVERIFY(box != nullptr);
        const QStyle* style = QApplication::style();
        const int designed = style->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, box);
        QCOMPARE(designed, QProxyStyle().pixelMetric(QStyle::PM_IndicatorWidth, nullptr, box));
        session.window->WindowZoom().SetZoom(Zoom::FromPercent(250));
        QCOMPARE(style->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, box),
                 static_cast<int>(std::lround(designed * 2.5)));
        QCOMPARE(style->pixelMetric(QStyle::PM_ExclusiveIndicatorHeight, nullptr, box),
                 static_cast<int>(std::lround(
                     2.5 * QProxyStyle().pixelMetric(QStyle::PM_ExclusiveIndicatorHeight))));
        // A metric of the style's own stays.
        QCOMPARE(style->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, box),
                 QProxyStyle().pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, box));
        session.window->close();
    }

    void shortcutsAndTheWheelStepTheZoom() {
        ScratchWorkingDirectory dir;
        ProgramSession session;
        session.Start();
        TQuorvelMainForm& window = *session.window;
        QApplication::setActiveWindow(&window);
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QTest::keyClick(&window, Qt::Key_Plus, Qt::ControlModifier);
        QCOMPARE(session.Percent(), 125);
        QTest::keyClick(&window, Qt::Key_Equal, Qt::ControlModifier);
        QCOMPARE(session.Percent(), 150);
        QTest::keyClick(&window, Qt::Key_Minus, Qt::ControlModifier);
        QCOMPARE(session.Percent(), 125);
        QTest::keyClick(&window, Qt::Key_0, Qt::ControlModifier);
        QCOMPARE(session.Percent(), 100);

        QWidget* value = window.Page(0)->findChild<QLabel*>(QStringLiteral("LabelRatio"));
        Wheel(value, 120, Qt::ControlModifier);
        QCOMPARE(session.Percent(), 125);
        // A touchpad's small turns add up to a step.
        Wheel(value, 60, Qt::ControlModifier);
        QCOMPARE(session.Percent(), 125);
        Wheel(value, 60, Qt::ControlModifier);
        QCOMPARE(session.Percent(), 150);
        Wheel(value, -240, Qt::ControlModifier);
        QCOMPARE(session.Percent(), 100);
        Wheel(value, 120, Qt::NoModifier);
        QCOMPARE(session.Percent(), 100);
        window.close();
    }

    // Every tab's layout at Actual Size after the largest step is the one it was made with.
    void actualSizeGivesBackTheCreationLayout_data() {
        QTest::addColumn<int>("tab");
        for (int tab = 0; tab < kPageCount; ++tab) {
            QTest::newRow(std::string(PageAt(tab).identity.section).c_str()) << tab;
        }
    }
    void actualSizeGivesBackTheCreationLayout() {
        QFETCH(int, tab);
        ScratchWorkingDirectory dir;
        WriteFileBytes(dir.File(kSettings),
                       QByteArray("[MiscInfo]\r\nPageControl=") + QByteArray::number(tab) + "\r\n");
        ProgramSession session;
        session.Start();
        const Layout created = LayoutOf(*session.window);
        session.window->WindowZoom().SetZoom(Zoom::FromPercent(300));
        QVERIFY(LayoutOf(*session.window).geometries != created.geometries);
        session.window->WindowZoom().SetZoom(Zoom::FromPercent(175));
        session.Item("MenuActualSize")->trigger();
        CompareLayouts(LayoutOf(*session.window), created);
        session.window->close();
    }

    // A page's form made when the window is already zoomed (as one made when its tab is first
    // shown would be) stands exactly as the form the window made at the start.
    void aFormMadeAfterTheZoomMatchesOneMadeBefore_data() {
        actualSizeGivesBackTheCreationLayout_data();
    }
    void aFormMadeAfterTheZoomMatchesOneMadeBefore() {
        QFETCH(int, tab);
        ScratchWorkingDirectory dir;
        ProgramSession session;
        session.Start();
        TQuorvelMainForm& window = *session.window;
        window.WindowZoom().SetZoom(Zoom::FromPercent(175));
        TPageForm* before = window.Page(tab);
        std::unique_ptr<TPageForm> later(
            CreatePageForm(tab, *window.TabControl(), session.quiet.Run()));
        before->show();
        later->show();
        QApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
        const QList<QWidget*> made = before->findChildren<QWidget*>();
        const QList<QWidget*> madeLater = later->findChildren<QWidget*>();
        QCOMPARE(madeLater.size(), made.size());
        for (int i = 0; i < made.size(); ++i) {
            QCOMPARE(madeLater[i]->objectName(), made[i]->objectName());
            QVERIFY2(madeLater[i]->geometry() == made[i]->geometry() || madeLater[i]->isWindow(),
                     qPrintable(made[i]->objectName()));
            QCOMPARE(madeLater[i]->font(), made[i]->font());
        }
        later.reset();
        window.close();
    }

    void theZoomIsKeptInTheSettingsFile_data() {
        QTest::addColumn<QByteArray>("stored");
        QTest::addColumn<int>("percent");
        QTest::newRow("missing") << QByteArray() << 100;
        QTest::newRow("a step") << QByteArray("Zoom=175\r\n") << 175;
        QTest::newRow("between steps") << QByteArray("Zoom=130\r\n") << 125;
        QTest::newRow("not a number") << QByteArray("Zoom=large\r\n") << 100;
        QTest::newRow("empty") << QByteArray("Zoom=\r\n") << 100;
        QTest::newRow("below the steps") << QByteArray("Zoom=50\r\n") << 100;
        QTest::newRow("above the steps") << QByteArray("Zoom=400\r\n") << 100;
        QTest::newRow("beyond any integer") << QByteArray("Zoom=99999999999\r\n") << 100;
    }
    void theZoomIsKeptInTheSettingsFile() {
        QFETCH(QByteArray, stored);
        QFETCH(int, percent);
        ScratchWorkingDirectory dir;
        WriteFileBytes(dir.File(kSettings),
                       "[MiscInfo]\r\nScreenPosX=0\r\nScreenPosY=0\r\n" + stored);
        {
            ProgramSession session;
            session.Start();
            QCOMPARE(session.Percent(), percent);
            QCOMPARE(session.window->font().pointSizeF(), 8.0 * percent / 100);
            session.window->close();
        }
        std::int32_t saved = -1;
        ReadIniInt(dir.FileText(kSettings), "MiscInfo", "Zoom", saved);
        QCOMPARE(saved, percent);
        // The next start comes back at the zoom the close saved.
        ProgramSession again;
        again.window->WindowZoom().SetZoom(Zoom::FromPercent(250));
        again.Start();
        QCOMPARE(again.Percent(), percent);
        again.window->close();
    }

    void aZoomedWindowIsMovedOntoItsScreen() {
        ScratchWorkingDirectory dir;
        const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
        WriteFileBytes(dir.File(kSettings),
                       "[MiscInfo]\r\nScreenPosX=" + QByteArray::number(screen.right() - 300) +
                           "\r\nScreenPosY=" + QByteArray::number(screen.top() + 10) +
                           "\r\nZoom=125\r\n");
        ProgramSession session;
        session.Start();
        TQuorvelMainForm& window = *session.window;
        QVERIFY(window.frameGeometry().width() > 300);
        QVERIFY(KeptOnScreen(window.frameGeometry(), screen));
        session.Item("MenuZoomIn")->trigger();
        session.Item("MenuZoomIn")->trigger();
        QVERIFY(KeptOnScreen(window.frameGeometry(), screen));
        window.close();
    }

    void windowsOpenedFromTheWindowFollowTheZoom() {
        ScratchWorkingDirectory dir;
        ProgramSession session;
        session.Start();
        TQuorvelMainForm& window = *session.window;
        const QMenu* menu = window.Page(0)->findChild<QMenu*>();
        QVERIFY(menu != nullptr);
        const qreal menuPoints = menu->font().pointSizeF();
        window.WindowZoom().SetZoom(Zoom::FromPercent(200));
        QCOMPARE(menu->font().pointSizeF(), 2 * menuPoints);

        // A prompt opened from a page.
        {
            TInputBoxDlg prompt(window.Page(0), "Input Value between 0.10 & 10000.00",
                                "Enter the Watts", "1.00");
            // Dialogs are made in the program's font, which the window's is at the designed size.
            const qreal points = QApplication::font().pointSizeF();
            QCOMPARE(prompt.findChild<QLabel*>(QStringLiteral("PromptLabel"))->font().pointSizeF(),
                     2 * points);
            QVERIFY(prompt.findChild<QWidget*>(QStringLiteral("EditValue"))->minimumWidth() >= 520);
        }

        // The About box, and its title font three points above the text at the designed size.
        QSize aboutSize;
        qreal titleSize = 0;
        testing::AnswerNextModal([&](QWidget* modal) {
            aboutSize = modal->size();
            titleSize =
                modal->findChild<QLabel*>(QStringLiteral("ProductName"))->font().pointSizeF();
            modal->findChild<QPushButton*>(QStringLiteral("OKButton"))->click();
        });
        window.MenuAboutClick();
        QCOMPARE(aboutSize, QSize(596, 426));
        QCOMPARE(titleSize, 2 * (QApplication::font().pointSizeF() + 3));

        // A message box over a page, as the pages' notices open it.
        qreal messagePoints = 0;
        testing::AnswerNextModal([&](QWidget* modal) {
            messagePoints =
                modal->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"))->font().pointSizeF();
            static_cast<QDialog*>(modal)->accept();
        });
        QtInteraction(window.Page(0), session.quiet.Run()).ShowMessage("Frame too long");
        QCOMPARE(messagePoints, 2 * QApplication::font().pointSizeF());

        // The page's popup menus follow the window back to the designed size.
        window.WindowZoom().SetZoom(Zoom());
        QCOMPARE(menu->font().pointSizeF(), menuPoints);
        window.close();
    }

    void theHardcopyIsTheWindowAsShown() {
        ScratchWorkingDirectory dir;
        ProgramSession session;
        session.Start();
        session.window->WindowZoom().SetZoom(Zoom::FromPercent(150));
        QApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
        session.window->Hardcopy1Click();
        const QImage picture(dir.File(QStringLiteral("QuorvelIIHdcpy_0.jpg")));
        QCOMPARE(picture.size(), QSize(705, 620));
        QCOMPARE(picture.size(), session.window->PanelScreen()->size());
        session.window->close();
    }
};

}  // namespace
}  // namespace quorvel

QTEST_MAIN(quorvel::WindowZoomTest)
#include "window_zoom_test.moc"
