// The Date/Time page in the real window, driven by object name: what the page shows on the
// clock's moment, its panel, captions and hints, the longest texts, its popup menu, the three
// commands through the text-entry box and the two dialogs, a restart, and the colours.
#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTest>

#include <memory>

#include "pages/datetime/datetime_page.h"
#include "qt_support/page_driving.h"
#include "qt_support/window_fixture.h"
#include "shell/qt/page_form.h"
#include "shell/qt/scheme_colours.h"
#include "shell/qt/tab_control.h"
#include "window/qt/main_form.h"

namespace quorvel::testing {
namespace {

constexpr int kDateTimeTab = 3;

// 2006-02-14 13:45:30.250.
CalendarReading Valentines2006() {
    return CalendarReading{2006, 2, 14, 13, 45, 30, 250};
}

// One run of the program in the current working directory, its clock reading `now`, on the
// Date/Time tab.
struct Program : PageProgram {
    explicit Program(const CalendarReading& now = Valentines2006())
        : PageProgram(kDateTimeTab, PageView::SelectTab, now) {}
};

// Answers the next modal window: types `text` into its edit box `box`, leaves the box, then
// presses `button`. Notes the window's title.
void AnswerDialog(const QString& box, const QString& text, const QString& button,
                  QString* title = nullptr) {
    AnswerNextModal([box, text, button, title](QWidget* dialog) {
        if (title != nullptr) {
            *title = dialog->windowTitle();
        }
        QApplication::setActiveWindow(dialog);
        auto* edit = dialog->findChild<QLineEdit*>(box);
        if (edit != nullptr) {
            edit->setFocus();
            edit->selectAll();
            QTest::keyClicks(edit, text);
            QTest::keyClick(edit, Qt::Key_Tab);
        }
        dialog->findChild<QPushButton*>(button)->click();
    });
}

const QStringList kValueLabels{"LabelGregDate",   "LabelJulianDate", "LabelTodHms", "LabelTod",
                               "LabelToy",        "LabelIrigToy",    "Label1970",   "Label1958",
                               "LabelIsLeapYear", "LabelMonth"};

class DateTimeFormTest : public QObject {
    Q_OBJECT

private slots:
    void showsTheClocksMomentOnEveryLabel() {
        ScratchWorkingDirectory dir;
        Program program;
        QCOMPARE(program.Page().metaObject()->className(), "quorvel::TDateTimeForm");
        QCOMPARE(program.Page().Caption(), QStringLiteral("Date/Time Functions"));
        QCOMPARE(program.Text("LabelGregDate"), QStringLiteral("02/14/2006"));
        QCOMPARE(program.Text("LabelJulianDate"), QStringLiteral("6045"));
        QCOMPARE(program.Text("LabelTodHms"), QStringLiteral(" 13:45:30"));
        QCOMPARE(program.Text("LabelTod"), QStringLiteral("(49530 Seconds)"));
        QCOMPARE(program.Text("LabelToy"), QStringLiteral("044 13:45:30  (3851130 Seconds)"));
        QCOMPARE(program.Text("LabelIrigToy"), QStringLiteral("3937530 Seconds"));
        QCOMPARE(program.Text("Label1970"), QStringLiteral("1139924730 Seconds"));
        QCOMPARE(program.Text("Label1958"), QStringLiteral("1518615930 Seconds"));
        QCOMPARE(program.Text("LabelIsLeapYear"), QStringLiteral("NO"));
        QCOMPARE(program.Text("LabelMonth"), QStringLiteral("Feb"));
    }

    void panelHoldsEachCaptionBesideItsValues_data() {
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QStringList>("values");
        QTest::newRow("greg") << "Gregorian Date" << QStringList{"LabelGregDate"};
        QTest::newRow("julian") << "Julian Date" << QStringList{"LabelJulianDate"};
        QTest::newRow("tod") << "Time of Day" << QStringList{"LabelTodHms", "LabelTod"};
        QTest::newRow("toy") << "Time of Year" << QStringList{"LabelToy"};
        QTest::newRow("irig") << "IRIG Time of Year" << QStringList{"LabelIrigToy"};
        QTest::newRow("1970") << "1970 Time" << QStringList{"Label1970"};
        QTest::newRow("1958") << "1958 Time" << QStringList{"Label1958"};
        QTest::newRow("leap") << "Is Leap Year" << QStringList{"LabelIsLeapYear"};
        QTest::newRow("month") << "Month of Year" << QStringList{"LabelMonth"};
    }

    void panelHoldsEachCaptionBesideItsValues() {
        QFETCH(QString, caption);
        QFETCH(QStringList, values);
        ScratchWorkingDirectory dir;
        Program program;
        auto* panel1 = program.Find<QFrame>("Panel1");
        QVERIFY(panel1 != nullptr);
        QCOMPARE(panel1->parentWidget(), &program.Page());
        QCOMPARE(panel1->toolTip(), QStringLiteral("Right click to edit"));
        const QLabel* captionLabel = nullptr;
        for (const QLabel* label : panel1->findChildren<QLabel*>()) {
            if (label->text() == caption) {
                captionLabel = label;
            }
        }
        QVERIFY2(captionLabel != nullptr, qPrintable(caption));
        int left = captionLabel->geometry().right();
        for (const QString& name : values) {
            const QLabel* value = program.Find<QLabel>(name);
            QVERIFY2(value != nullptr && value->parentWidget() == panel1, qPrintable(name));
            QVERIFY2(value->x() > left, qPrintable(name + " stands left of its caption"));
            QVERIFY2(
                qAbs(value->geometry().center().y() - captionLabel->geometry().center().y()) <= 2,
                qPrintable(name + " is not in its caption's row"));
            left = value->geometry().right();
        }
    }

    void irigLabelCarriesItsHint() {
        ScratchWorkingDirectory dir;
        Program program;
        QCOMPARE(program.Find("LabelIrigToy")->toolTip(),
                 QStringLiteral("If using IRIG time for time of year"));
        QCOMPARE(program.Find("LabelToy")->toolTip(), QString());
    }

    void longestTextsFitUnclipped() {
        ScratchWorkingDirectory dir;
        // Every count at the full width its FormatNumber allows.
        WriteFileBytes(
            dir.File(QStringLiteral("QuorvelII.Cfg")),
            "[MiscInfo]\r\nPageControl=3\r\n[DateTime]\r\nTod=-88888888888\r\n"
            "Toy=-88888888888\r\nYr=-2147483648\r\nMo=5\r\nDom=31\r\nDoy=-2147483648\r\n");
        Program program;
        QCOMPARE(program.Text("LabelTod"), QStringLiteral("(-88888888888 Seconds)"));
        QCOMPARE(program.Text("LabelToy"), QStringLiteral("000 00:00:00  (-88888975288 Seconds)"));
        QCOMPARE(program.Text("LabelIrigToy"), QStringLiteral("-88888888888 Seconds"));
        QCOMPARE(program.Text("LabelJulianDate"), QStringLiteral("-2147481648"));
        TPageForm& page = program.Page();
        QVERIFY(page.rect().contains(page.childrenRect()));
        for (const QString& name : kValueLabels) {
            const QLabel* label = program.Find<QLabel>(name);
            const int needed = label->fontMetrics().horizontalAdvance(label->text());
            QVERIFY2(needed <= label->contentsRect().width(), qPrintable(name + " is clipped"));
            QVERIFY2(label->parentWidget()->rect().contains(label->geometry()),
                     qPrintable(name + " lies outside its panel"));
        }
    }

    void menuOpensOverThePanelAndItsLabels() {
        ScratchWorkingDirectory dir;
        Program program;
        QMenu* menu = program.Page().PopupMenuNamed(QStringLiteral("PopupMenu1"));
        QVERIFY(menu != nullptr);
        QStringList items;
        for (const QAction* action : menu->actions()) {
            items << action->objectName() + "=" + action->text();
        }
        QCOMPARE(items, (QStringList{"EditGregorianDate1=Edit Gregorian Date",
                                     "EditJulianDate1=Edit Julian Date",
                                     "EditTimeOfDay1=Edit Time Of Day"}));
        for (const char* over : {"Panel1", "LabelGregDate", "LabelIrigToy", "CaptionMonth"}) {
            QMenu* opened = RightClick(program.Find(QString::fromLatin1(over)));
            QVERIFY2(opened != nullptr && opened->objectName() == "PopupMenu1", over);
        }
    }

    void julianDateTakesTheTypedAnswer() {
        ScratchWorkingDirectory dir;
        Program program;
        QString title;
        AnswerDialog(QStringLiteral("EditValue"), QStringLiteral("6100"), QStringLiteral("OKBtn"),
                     &title);
        RunPopupCommand(program.Find("LabelJulianDate"), QStringLiteral("EditJulianDate1"));
        QCOMPARE(title, QStringLiteral("Input Value between 0 & 9366"));
        QCOMPARE(program.Text("LabelGregDate"), QStringLiteral("04/10/2006"));
        QCOMPARE(program.Text("LabelMonth"), QStringLiteral("Apr"));
        QCOMPARE(program.Text("LabelJulianDate"), QStringLiteral("6100"));
    }

    void timeOfDayOfTwentyFourHoursWrapsToMidnight() {
        ScratchWorkingDirectory dir;
        Program program;
        QString title;
        AnswerDialog(QStringLiteral("EditTod"), QStringLiteral("24:00:00"), QStringLiteral("OKBtn"),
                     &title);
        RunPopupCommand(program.Find("LabelTodHms"), QStringLiteral("EditTimeOfDay1"));
        QCOMPARE(title, QStringLiteral("Enter Time of Day  hh:mm:ss"));
        QCOMPARE(program.Text("LabelTodHms"), QStringLiteral(" 00:00:00"));
        QCOMPARE(program.Text("LabelTod"), QStringLiteral("(0 Seconds)"));
        QCOMPARE(program.Text("LabelGregDate"), QStringLiteral("02/14/2006"));
    }

    void cancelledDateEditKeepsTheDate() {
        ScratchWorkingDirectory dir;
        Program program;
        QString title;
        AnswerDialog(QStringLiteral("EditGreg"), QStringLiteral("12/25/2010"),
                     QStringLiteral("CancelBtn"), &title);
        RunPopupCommand(program.Find("LabelGregDate"), QStringLiteral("EditGregorianDate1"));
        QCOMPARE(title, QStringLiteral("Enter Gregorian Date xx/xx/xx or xx/xx/xxxx"));
        QCOMPARE(program.Text("LabelGregDate"), QStringLiteral("02/14/2006"));
        QCOMPARE(program.Text("LabelJulianDate"), QStringLiteral("6045"));
    }

    void savedDateAndTimeReplaceTheClockAtTheNextStart() {
        ScratchWorkingDirectory dir;
        {
            Program first;
            AnswerDialog(QStringLiteral("EditGreg"), QStringLiteral("07/04/1999"),
                         QStringLiteral("OKBtn"));
            RunPopupCommand(first.Find("Panel1"), QStringLiteral("EditGregorianDate1"));
            QCOMPARE(first.Text("LabelGregDate"), QStringLiteral("07/04/1999"));
        }
        Program second(CalendarReading{2010, 8, 1, 6, 0, 0, 0});
        QCOMPARE(second.Text("LabelGregDate"), QStringLiteral("07/04/1999"));
        QCOMPARE(second.Text("LabelJulianDate"), QStringLiteral("9185"));
        QCOMPARE(second.Text("LabelTodHms"), QStringLiteral(" 13:45:30"));
        QCOMPARE(second.Text("LabelMonth"), QStringLiteral("Jul"));
    }

    void resultsTakeTheDataColourAndCaptionsThePanels() {
        ScratchWorkingDirectory dir;
        WriteFileBytes(dir.File(QStringLiteral("ServerOptions.Opt")),
                       "[COLORS]\r\nDeviceGuiDataColor=255\r\n");
        Program program;
        QCOMPARE(BackgroundColour(program.Find("Panel1")), QColor(78, 78, 78));
        for (const QString& name : kValueLabels) {
            QVERIFY2(FontColour(program.Find(name)) == QColor(255, 0, 0), qPrintable(name));
        }
        QCOMPARE(FontColour(program.Find("CaptionGregDate")), QColor(255, 255, 255));
        QCOMPARE(FontColour(program.Find("CaptionIrigToy")), QColor(255, 255, 255));
    }
};

}  // namespace
}  // namespace quorvel::testing

QTEST_MAIN(quorvel::testing::DateTimeFormTest)
#include "datetime_form_test.moc"
