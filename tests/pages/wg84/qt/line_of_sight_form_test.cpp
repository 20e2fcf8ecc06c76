// The WG 84 page's "Line of Sight" window in the real program, driven by object name: either
// position menu opens it (one at a time, not modal), it shows the figures and the picture of
// the page's positions, a page edit redraws it, and the picture is drawn for the room the
// window gives it.
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTest>

#include "common/qt/picture_painter.h"
#include "pages/wg84/qt/line_of_sight_form.h"
#include "pages/wg84/qt/wg84_form.h"
#include "qt_support/page_driving.h"
#include "qt_support/window_fixture.h"

namespace quorvel {
namespace {

using testing::AnswerNextModal;
using testing::PageProgram;
using testing::PageView;
using testing::ScratchWorkingDirectory;
using testing::WriteFileBytes;

constexpr int kWg84Tab = 4;

// An antenna at 100 ft and a target 75 nmi north of it at 10000 ft.
const QByteArray kSeventyFiveNmi =
    "[Wg84]\r\nRefLlm2=0.016457883\r\nTgtLlm0=0.644711800\r\nTgtLlm2=1.645788336\r\n";

struct Program : PageProgram {
    Program() : PageProgram(kWg84Tab, PageView::SelectTab) {}

    TWg84Form& Form() const { return dynamic_cast<TWg84Form&>(Page()); }
    void Pick(const char* menu, const char* item) const {
        QAction* action = Page()
                              .PopupMenuNamed(QString::fromLatin1(menu))
                              ->findChild<QAction*>(QString::fromLatin1(item));
        QVERIFY(action != nullptr);
        action->trigger();
    }
};

QList<QWidget*> LineOfSightWindows() {
    QList<QWidget*> windows;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget->objectName() == QLatin1String("LineOfSightForm") && widget->isVisible()) {
            windows << widget;
        }
    }
    return windows;
}

QString Shown(QWidget* window, const char* label) {
    auto* widget = window->findChild<QLabel*>(QString::fromLatin1(label));
    return widget != nullptr ? widget->text() : QStringLiteral("<missing>");
}

class LineOfSightFormTest : public QObject {
    Q_OBJECT

private slots:
    void eitherMenuOpensOneWindowThatFollowsThePage() {
        ScratchWorkingDirectory dir;
        WriteFileBytes(dir.File(QStringLiteral("QuorvelII.Cfg")), kSeventyFiveNmi);
        Program program;
        QVERIFY(LineOfSightWindows().isEmpty());
        program.Pick("PopupMenuTgt", "MenuLineOfSightTgt");
        program.Pick("PopupMenuRef", "MenuLineOfSightRef");
        QCOMPARE(LineOfSightWindows().size(), 1);
        QWidget* window = LineOfSightWindows().front();
        QCOMPARE(window, program.Form().LineOfSightWindow());
        QCOMPARE(window->windowTitle(), QStringLiteral("Line of Sight"));
        QVERIFY(!window->isModal());
        QCOMPARE(Shown(window, "LabelLosPathLength"), QStringLiteral("75.00"));
        QCOMPARE(Shown(window, "LabelLosClearance"), QStringLiteral("100.00"));
        QCOMPARE(Shown(window, "LabelLosVisible"), QStringLiteral("YES"));
        QCOMPARE(Shown(window, "LabelLosRadioVisible"), QStringLiteral("YES"));
        auto* view = window->findChild<TPictureView*>(QStringLiteral("PictureLineOfSight"));
        QVERIFY(view != nullptr);
        QVERIFY(view->accessibleDescription().contains(QLatin1String("radio path clears")));

        // The target down to 1000 ft: the earth now blocks the straight line.
        AnswerNextModal([](QWidget* dialog) {
            auto* msl = dialog->findChild<QLineEdit*>(QStringLiteral("EditMsl"));
            msl->setFocus();
            msl->selectAll();
            QTest::keyClicks(msl, QStringLiteral("1000"));
            dialog->findChild<QPushButton*>(QStringLiteral("OKBtn"))->click();
        });
        program.Pick("PopupMenuTgt", "MenuEditLatLongMslTgt");
        QCOMPARE(program.Text(QStringLiteral("LabelMslTgt")), QStringLiteral("1000.00"));
        QCOMPARE(Shown(window, "LabelLosVisible"), QStringLiteral("NO"));
        QVERIFY(Shown(window, "LabelLosClearance").startsWith(u'-'));
        QVERIFY(view->accessibleDescription().contains(
            QLatin1String("the earth blocks the straight line")));
        // The value labels read as their caption and unit, then their text.
        auto* clearance = window->findChild<QLabel*>(QStringLiteral("LabelLosClearance"));
        QCOMPARE(clearance->accessibleName(), QStringLiteral("Straight line Least clearance Ft"));
        QCOMPARE(clearance->accessibleDescription(), clearance->text());

        // Closed, it is gone; the menu makes a new one.
        window->close();
        QApplication::processEvents();
        QVERIFY(program.Form().LineOfSightWindow() == nullptr);
        program.Pick("PopupMenuRef", "MenuLineOfSightRef");
        QCOMPARE(LineOfSightWindows().size(), 1);
        QCOMPARE(Shown(LineOfSightWindows().front(), "LabelLosVisible"), QStringLiteral("NO"));
    }

    void pictureIsDrawnForTheRoomTheWindowGives() {
        ScratchWorkingDirectory dir;
        WriteFileBytes(dir.File(QStringLiteral("QuorvelII.Cfg")), kSeventyFiveNmi);
        Program program;
        QWidget* window = program.Form().OpenLineOfSight();
        auto* view = window->findChild<TPictureView*>(QStringLiteral("PictureLineOfSight"));
        for (const QSize size : {QSize(1300, 850), QSize(900, 500)}) {
            window->resize(size);
            QApplication::processEvents();
            QCOMPARE(view->CurrentPicture().width, double(view->width()));
            QCOMPARE(view->CurrentPicture().height, double(view->height()));
        }
        // Below the least size the picture keeps it and is scaled down to fit.
        window->resize(420, 300);
        QApplication::processEvents();
        QVERIFY(view->width() < 760);
        QCOMPARE(view->CurrentPicture().width, 760.0);
    }
};

}  // namespace
}  // namespace quorvel

QTEST_MAIN(quorvel::LineOfSightFormTest)
#include "line_of_sight_form_test.moc"
