// The Misc page in the real window, driven by object name: what a fresh page shows, its panels
// and captions, the four popup menus with their titles, commands answered and cancelled in the
// text-entry box, the values across a restart, the colours, and the largest values the bounds
// allow shown whole.
#include <QAction>
#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTest>

#include <memory>

#include "pages/misc/misc_page.h"
#include "qt_support/form_checks.h"
#include "qt_support/page_driving.h"
#include "qt_support/window_fixture.h"
#include "shell/qt/page_form.h"
#include "shell/qt/scheme_colours.h"
#include "shell/settings_file.h"
#include "window/qt/main_form.h"

namespace quorvel::testing {
namespace {

constexpr int kMiscTab = 5;

// A settings file that opens the window on the Misc tab, with the page's own lines after it.
void WriteSettings(const ScratchWorkingDirectory& dir, const QByteArray& miscLines = {}) {
    WriteFileBytes(dir.File(QStringLiteral("QuorvelII.Cfg")),
                   "[MiscInfo]\r\nPageControl=5\r\n[MiscCalc]\r\n" + miscLines);
}

// One run of the program in the current working directory, on the Misc tab.
struct Program : PageProgram {
    Program() : PageProgram(kMiscTab) {}
};

void CancelTextEntry() {
    AnswerNextModal([](QWidget* box) {
        auto* edit = box->findChild<QLineEdit*>(QStringLiteral("EditValue"));
        QTest::keyClicks(edit, QStringLiteral("99"));
        box->findChild<QPushButton*>(QStringLiteral("CancelBtn"))->click();
    });
}

// The fourteen result labels of the display list.
const QStringList kResultLabels = DisplayNames(MiscCalcPageModel());

class MiscFormTest : public QObject {
    Q_OBJECT

private slots:
    void freshPageShowsZeroEverywhere() {
        ScratchWorkingDirectory dir;
        WriteSettings(dir);
        Program program;
        QCOMPARE(program.Page().metaObject()->className(), "quorvel::TMiscCalcForm");
        QVERIFY(program.Page().isVisible());
        QCOMPARE(program.Page().Caption(), QStringLiteral("Misc Functions"));
        QCOMPARE(kResultLabels.size(), 14);
        for (const QString& name : kResultLabels) {
            QVERIFY2(program.Find<QLabel>(name) != nullptr, qPrintable(name));
            QCOMPARE(program.Text(name), QStringLiteral("0.000"));
        }
    }

    void panelsHoldTheirCaptionsAndResults_data() {
        AddPanelColumns();
        QTest::newRow("vector") << "Panel4"
                                << "PanelMain"
                                << QStringList{"Magnitude X", "Magnitude Y", "Magnitude Z",
                                               "Vector Length"}
                                << QStringList{"LabelVectorX", "LabelVectorY", "LabelVectorZ",
                                               "LabelVectorLength"};
        QTest::newRow("distance") << "Panel1"
                                  << "PanelMain"
                                  << QStringList{"NauticalMiles", "Statute Miles", "Feet", "Meters",
                                                 "Kilometers"}
                                  << QStringList{"LabelNmi", "LabelSmi", "LabelFt", "LabelMeters",
                                                 "LabelKMeters"};
        QTest::newRow("speed") << "Panel2"
                               << "PanelMain"
                               << QStringList{"Knots", "Statute MPH", "Feet per Second"}
                               << QStringList{"LabelKts", "LabelStatuteMph", "LabelFps"};
        QTest::newRow("acceleration") << "Panel3"
                                      << "PanelMain" << QStringList{"G Force", "Accel Z (ft^2)"}
                                      << QStringList{"LabelGs", "LabelAccelZ"};
    }

    void panelsHoldTheirCaptionsAndResults() {
        ScratchWorkingDirectory dir;
        WriteSettings(dir);
        Program program;
        const QWidget* widget = ComparePanelRow(program.Page(), kResultLabels);
        QVERIFY(widget != nullptr);
        QCOMPARE(widget->toolTip(), QStringLiteral("Right click to edit"));
        // Each caption stands on its result's line, to its left.
        for (const QLabel* label : widget->findChildren<QLabel*>()) {
            if (kResultLabels.contains(label->objectName())) {
                const auto* caption = widget->findChild<QLabel*>(QStringLiteral("Caption") +
                                                                 label->objectName().mid(5));
                QVERIFY(caption != nullptr);
                QVERIFY(caption->geometry().right() < label->geometry().left());
                QVERIFY(qAbs(caption->geometry().center().y() - label->geometry().center().y()) <=
                        2);
            }
        }
    }

    void menusOpenOverTheirPanelsWithTitlesAndSeparators_data() {
        QTest::addColumn<QString>("menuName");
        QTest::addColumn<QStringList>("openers");
        QTest::addColumn<QStringList>("items");
        QTest::newRow("vector") << "PopupMenu1"
                                << QStringList{"Panel4", "LabelVectorLength", "CaptionVectorY"}
                                << QStringList{"Vector Length", "-", "X Magnitude", "Y Magnitude",
                                               "Z Magnitude"};
        QTest::newRow("distance") << "PopupMenu2" << QStringList{"Panel1", "LabelKMeters"}
                                  << QStringList{"Distance", "-", "Nautical Miles", "Statute Miles",
                                                 "Feet"};
        QTest::newRow("speed") << "PopupMenu3" << QStringList{"Panel2", "CaptionFps"}
                               << QStringList{"Speed", "-", "Knots", "Feet Per Second"};
        QTest::newRow("acceleration") << "PopupMenu4" << QStringList{"Panel3", "LabelAccelZ"}
                                      << QStringList{"G Force", "-", "G's", "Z Acceleration"};
    }

    void menusOpenOverTheirPanelsWithTitlesAndSeparators() {
        QFETCH(QString, menuName);
        QFETCH(QStringList, openers);
        QFETCH(QStringList, items);
        ScratchWorkingDirectory dir;
        WriteSettings(dir);
        Program program;
        QMenu* menu = program.Page().PopupMenuNamed(menuName);
        QVERIFY(menu != nullptr);
        QStringList shown;
        for (const QAction* item : menu->actions()) {
            shown << (item->isSeparator() ? QStringLiteral("-") : item->text());
        }
        QCOMPARE(shown, items);
        QVERIFY(menu->actions().at(0)->font().bold());
        for (const QString& opener : openers) {
            QMenu* opened = RightClick(program.Find(opener));
            QVERIFY2(opened != nullptr && opened->objectName() == menuName, qPrintable(opener));
        }
        // The title runs nothing: no text-entry box opens (an unanswered one fails the test).
        menu->actions().at(0)->trigger();
        QCOMPARE(program.Text("LabelNmi"), QStringLiteral("0.000"));
        QCOMPARE(RightClick(program.Find("PanelMain")), nullptr);
    }

    void commandsTakeTheTypedAnswerInTheirUnit() {
        ScratchWorkingDirectory dir;
        WriteSettings(dir);
        Program program;
        QString prompt;
        QString start;
        AnswerTextEntry(QStringLiteral("6076.115489"), &prompt, &start);
        RunPopupCommand(program.Find("LabelFt"), QStringLiteral("Feet"));
        QCOMPARE(prompt, QStringLiteral("Enter Distance in Feet"));
        QCOMPARE(start, QStringLiteral("0.000"));
        QCOMPARE(program.Text("LabelNmi"), QStringLiteral("1.000"));
        QCOMPARE(program.Text("LabelSmi"), QStringLiteral("1.151"));
        QCOMPARE(program.Text("LabelMeters"), QStringLiteral("1852.023"));

        AnswerTextEntry(QStringLiteral("1"), &prompt);
        RunPopupCommand(program.Find("Panel3"), QStringLiteral("G's"));
        QCOMPARE(prompt, QStringLiteral("Enter G Force in G's"));
        QCOMPARE(program.Text("LabelAccelZ"), QStringLiteral("-32.173"));
        AnswerTextEntry(QStringLiteral("32.17349"), &prompt, &start);
        RunPopupCommand(program.Find("Panel3"), QStringLiteral("Z Acceleration"));
        QCOMPARE(start, QStringLiteral("-32.173"));
        QCOMPARE(program.Text("LabelGs"), QStringLiteral("-1.000"));

        AnswerTextEntry(QStringLiteral("100"));
        RunPopupCommand(program.Find("Panel2"), QStringLiteral("Knots"));
        QCOMPARE(program.Text("LabelStatuteMph"), QStringLiteral("115.078"));
        QCOMPARE(program.Text("LabelFps"), QStringLiteral("168.781"));
    }

    void cancelledEntryInAnotherUnitKeepsTheValue() {
        ScratchWorkingDirectory dir;
        WriteSettings(dir);
        Program program;
        AnswerTextEntry(QStringLiteral("0.0075"));
        RunPopupCommand(program.Find("Panel1"), QStringLiteral("Nautical Miles"));
        QCOMPARE(program.Text("LabelNmi"), QStringLiteral("0.007"));
        CancelTextEntry();
        RunPopupCommand(program.Find("Panel1"), QStringLiteral("Feet"));
        QCOMPARE(program.Text("LabelNmi"), QStringLiteral("0.007"));
        QCOMPARE(program.Text("LabelFt"), QStringLiteral("45.571"));
    }

    void valuesSurviveARestart() {
        ScratchWorkingDirectory dir;
        WriteSettings(dir);
        {
            Program first;
            AnswerTextEntry(QStringLiteral("3"));
            RunPopupCommand(first.Find("Panel4"), QStringLiteral("X Magnitude"));
            AnswerTextEntry(QStringLiteral("4"));
            RunPopupCommand(first.Find("Panel4"), QStringLiteral("Y Magnitude"));
            AnswerTextEntry(QStringLiteral("12"));
            RunPopupCommand(first.Find("Panel4"), QStringLiteral("Z Magnitude"));
            AnswerTextEntry(QStringLiteral("1"));
            RunPopupCommand(first.Find("Panel1"), QStringLiteral("Statute Miles"));
            QCOMPARE(first.Text("LabelVectorLength"), QStringLiteral("13.000"));
        }
        const std::string settings = dir.FileText(QStringLiteral("QuorvelII.Cfg"));
        double z = 0;
        QVERIFY(ReadIniReal(settings, "MiscCalc", "VectorXyzAry z", z));
        QCOMPARE(z, 12.0);
        double nmi = 0;
        QVERIFY(ReadIniReal(settings, "MiscCalc", "Nmi", nmi));
        QCOMPARE(nmi, 0.868976241);
        Program second;
        QCOMPARE(second.Text("LabelVectorZ"), QStringLiteral("12.000"));
        QCOMPARE(second.Text("LabelVectorLength"), QStringLiteral("13.000"));
        QCOMPARE(second.Text("LabelNmi"), QStringLiteral("0.869"));
        QCOMPARE(second.Text("LabelSmi"), QStringLiteral("1.000"));
    }

    // The largest magnitudes the bounds allow, and the widest eight-character texts.
    void widestValuesFitTheirLabels_data() {
        QTest::addColumn<QByteArray>("lines");
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("text");
        QTest::newRow("bounds") << QByteArray(
                                       "Nmi=4294967295\r\nVectorXyzAry x=-4294967295\r\n"
                                       "VectorXyzAry y=-4294967295\r\nVectorXyzAry z=4294967295\r\n"
                                       "Kts=4294967295\r\nGs=-100\r\n")
                                << "LabelVectorX"
                                << "-4.295E9";
        QTest::newRow("eights") << QByteArray(
                                       "Nmi=88888888\r\nVectorXyzAry x=-8888888\r\n"
                                       "VectorXyzAry y=88888888\r\nVectorXyzAry z=-88888888\r\n"
                                       "Kts=88888888\r\nGs=88888888\r\n")
                                << "LabelVectorY"
                                << "88888888";
    }

    void widestValuesFitTheirLabels() {
        QFETCH(QByteArray, lines);
        QFETCH(QString, label);
        QFETCH(QString, text);
        ScratchWorkingDirectory dir;
        WriteSettings(dir, lines);
        Program program;
        QCOMPARE(program.Text(label), text);
        TPageForm& page = program.Page();
        CompareEveryWidgetFits(page);
        for (const QString& name : kResultLabels) {
            QVERIFY2(program.Text(name).size() <= 8, qPrintable(name));
        }
    }
};

}  // namespace
}  // namespace quorvel::testing

QTEST_MAIN(quorvel::testing::MiscFormTest)
#include "misc_form_test.moc"
