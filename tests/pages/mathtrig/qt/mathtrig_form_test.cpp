// The Math/Trig page in the real window, driven by object name: its panels and captions, the
// four edit boxes (Enter, leaving, untouched boxes, the guards), the radians box, PopupMenu4
// with its prompts and the DMS dialog, the colours, a restart, and the longest texts shown
// whole.
#include <QApplication>
#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QProcess>
#include <QPushButton>
#include <QTabBar>
#include <QTest>

#include <memory>
#include <string>

#include "pages/mathtrig/angle_factors.h"
#include "pages/mathtrig/mathtrig_page.h"
#include "qt_support/page_driving.h"
#include "qt_support/window_fixture.h"
#include "shell/qt/page_form.h"
#include "shell/qt/scheme_colours.h"
#include "shell/qt/tab_control.h"
#include "window/qt/main_form.h"

namespace quorvel::testing {
namespace {

using mathtrig::DegreesToRadians;

constexpr int kMathTrigTab = 2;

// QCOMPARE of doubles forgives the last digits; a stored value is compared to the bit.
#define QCOMPARE_EXACT(actual, expected)                                                  \
    QVERIFY2((actual) == (expected),                                                      \
             qPrintable(QString::number((actual), 'g', 17) + QStringLiteral(" is not ") + \
                        QString::number((expected), 'g', 17)))

// Writes the settings file of the scratch directory: the Math/Trig tab selected, and the
// page's section with `section` lines.
void WriteSettings(const ScratchWorkingDirectory& dir, const QByteArray& section = {}) {
    WriteFileBytes(dir.File(QStringLiteral("QuorvelII.Cfg")),
                   "[MiscInfo]\r\nPageControl=2\r\n[MathTrig]\r\n" + section);
}

// One run of the program in the current working directory, on the Math/Trig tab.
struct Program : PageProgram {
    Program() : PageProgram(kMathTrigTab, PageView::Activate) {}
    MathTrigPageModel& Model() { return static_cast<MathTrigPageModel&>(Page().Model()); }
    QLineEdit* Edit(const QString& name) { return Find<QLineEdit>(name); }
};

// Types `text` over the box's whole text, as a user who clicked into it and selected all.
void TypeOver(QLineEdit* edit, const QString& text) {
    edit->setFocus(Qt::MouseFocusReason);
    edit->selectAll();
    if (text.isEmpty()) {
        QTest::keyClick(edit, Qt::Key_Delete);
    } else {
        QTest::keyClicks(edit, text);
    }
}

// The captions (unnamed labels and the check box) of a panel, in creation order.
QStringList CaptionsOf(const QWidget* panel) {
    QStringList captions;
    for (const QWidget* child : panel->findChildren<QWidget*>()) {
        if (const auto* label = qobject_cast<const QLabel*>(child);
            label != nullptr && label->objectName().isEmpty()) {
            captions << label->text();
        } else if (const auto* box = qobject_cast<const QCheckBox*>(child)) {
            captions << box->text();
        }
    }
    return captions;
}

QStringList NamedChildren(const QWidget* panel) {
    QStringList names;
    for (const QWidget* child : panel->findChildren<QWidget*>()) {
        if (!child->objectName().isEmpty() && !child->objectName().startsWith(u"qt_")) {
            names << child->objectName();
        }
    }
    return names;
}

class MathTrigFormTest : public QObject {
    Q_OBJECT

private slots:
    void panelsHoldTheirCaptionsAndControls_data() {
        QTest::addColumn<QString>("panel");
        QTest::addColumn<QStringList>("captions");
        QTest::addColumn<QStringList>("controls");
        QTest::newRow("trigonometry")
            << "Panel2" << QStringList{"x", "Angle in radians", "Sin (x)", "Cos (x)", "Tan (x)"}
            << QStringList{"EditTrigAngle",     "CheckBoxTrigAngleRadians",
                           "LabelTrigAngleRad", "LabelTrigAngleDeg",
                           "LabelSinx",         "LabelCosx",
                           "LabelTanx"};
        QTest::newRow("arcs") << "Panel3"
                              << QStringList{"x", "Arc Sin (x)", "Arc Cos (x)", "Arc Tan (x)",
                                             "deg"}
                              << QStringList{"EditTrigArc", "LabelArcSinx", "LabelArcCosx",
                                             "LabelArcTanx"};
        QTest::newRow("exponents")
            << "Panel4" << QStringList{"x", "exp", "Power (x,exp)", "Ln (x)", "Ln10 (x)", "Exp (x)"}
            << QStringList{"EditExponentsX", "EditExponentsExp", "LabelPower",
                           "LabelLnx",       "LabelLn10x",       "LabelExpx"};
        QTest::newRow("angle") << "Panel1" << QStringList{"DMS", "Degrees", "Radians"}
                               << QStringList{"LabelDms", "LabelDmsDeg", "LabelDmsRad"};
    }

    void panelsHoldTheirCaptionsAndControls() {
        QFETCH(QString, panel);
        QFETCH(QStringList, captions);
        QFETCH(QStringList, controls);
        ScratchWorkingDirectory dir;
        WriteSettings(dir);
        Program program;
        QCOMPARE(program.Page().metaObject()->className(), "quorvel::TMathTrigForm");
        QCOMPARE(program.Page().Caption(), QStringLiteral("Math/Trig Functions"));
        QWidget* widget = program.Find(panel);
        QVERIFY(widget != nullptr);
        QCOMPARE(widget->parentWidget()->objectName(), QStringLiteral("PanelMain"));
        QCOMPARE(CaptionsOf(widget), captions);
        QCOMPARE(NamedChildren(widget), controls);
        QCOMPARE(widget->toolTip(), panel == QLatin1String("Panel1")
                                        ? QStringLiteral("Right click to edit")
                                        : QString());
    }

    void firstShowingShowsTheFreshPage() {
        ScratchWorkingDirectory dir;
        WriteSettings(dir);
        Program program;
        QVERIFY(program.Page().isVisible());
        for (const DisplayItem& item : MathTrigPageModel().Display()) {
            QWidget* widget = program.Find(QString::fromStdString(item.name));
            QVERIFY2(widget != nullptr, item.name.c_str());
        }
        QCOMPARE(program.Text("LabelTrigAngleRad"), QStringLiteral("0.00000 rad"));
        QCOMPARE(program.Text("LabelCosx"), QStringLiteral("1.00000"));
        QCOMPARE(program.Text("LabelArcCosx"), QStringLiteral("90.00000"));
        QCOMPARE(program.Text("LabelPower"), QStringLiteral("NaN"));
        QCOMPARE(program.Text("LabelLnx"), QStringLiteral("9.9999999999E26"));
        QCOMPARE(program.Text("LabelExpx"), QStringLiteral("1.00000000"));
        QCOMPARE(program.Text("LabelDms"), QStringLiteral("000 00 00.000"));
        QCOMPARE(program.Edit("EditTrigAngle")->text(), QStringLiteral("0.00000"));
        QCOMPARE(program.Edit("EditExponentsExp")->text(), QStringLiteral("0.00000000"));
        QVERIFY(!program.Find<QCheckBox>("CheckBoxTrigAngleRadians")->isChecked());
    }

    void enterAppliesAndTheRadiansBoxChangesOnlyTheUnit() {
        ScratchWorkingDirectory dir;
        WriteSettings(dir);
        Program program;
        QVERIFY(program.active);
        QLineEdit* angle = program.Edit("EditTrigAngle");
        TypeOver(angle, QStringLiteral("30"));
        QTest::keyClick(angle, Qt::Key_Return);
        QCOMPARE(program.Text("LabelSinx"), QStringLiteral("0.50000"));
        QCOMPARE(program.Text("LabelCosx"), QStringLiteral("0.86603"));
        QCOMPARE(program.Text("LabelTanx"), QStringLiteral("0.57735"));
        QCOMPARE(program.Text("LabelTrigAngleRad"), QStringLiteral("0.52360 rad"));
        QCOMPARE(program.Text("LabelTrigAngleDeg"), QStringLiteral("30.00000 deg"));
        QCOMPARE(angle->text(), QStringLiteral("30.00000"));
        QVERIFY(angle->hasFocus());

        program.Find<QCheckBox>("CheckBoxTrigAngleRadians")->click();
        QVERIFY(program.Model().Values().angleInRadians);
        QCOMPARE_EXACT(program.Model().Values().trigAngle, DegreesToRadians(30));
        QCOMPARE(angle->text(), QStringLiteral("0.52360"));
        QCOMPARE(program.Text("LabelSinx"), QStringLiteral("0.50000"));

        // No key is refused; the leading number is taken and limited.
        QLineEdit* arc = program.Edit("EditTrigArc");
        TypeOver(arc, QStringLiteral("12abc"));
        QCOMPARE(arc->text(), QStringLiteral("12abc"));
        QTest::keyClick(arc, Qt::Key_Enter);
        QCOMPARE(arc->text(), QStringLiteral("1.00000"));
        QCOMPARE(program.Text("LabelArcSinx"), QStringLiteral("90.00000"));
        QCOMPARE(program.Text("LabelArcTanx"), QStringLiteral("45.00000"));
    }

    void leavingAChangedBoxAppliesIt() {
        ScratchWorkingDirectory dir;
        WriteSettings(dir);
        Program program;
        QVERIFY(program.active);
        QLineEdit* arc = program.Edit("EditTrigArc");
        TypeOver(arc, QStringLiteral("0.5"));
        QTest::mouseClick(program.Edit("EditExponentsX"), Qt::LeftButton);
        QVERIFY(program.Edit("EditExponentsX")->hasFocus());
        QCOMPARE_EXACT(program.Model().Values().trigArc, 0.5);
        QCOMPARE(program.Text("LabelArcSinx"), QStringLiteral("30.00000"));
        QCOMPARE(program.Text("LabelArcCosx"), QStringLiteral("60.00000"));
        QCOMPARE(program.Text("LabelArcTanx"), QStringLiteral("26.56505"));

        QLineEdit* base = program.Edit("EditExponentsX");
        TypeOver(base, QStringLiteral("2"));
        QTest::keyClick(base, Qt::Key_Tab);
        QLineEdit* exponent = program.Edit("EditExponentsExp");
        QVERIFY(exponent->hasFocus());
        TypeOver(exponent, QStringLiteral("10"));
        QTest::keyClick(exponent, Qt::Key_Tab);
        QCOMPARE(program.Text("LabelPower"), QStringLiteral("1024.0000"));
    }

    // A click elsewhere does not read back the rounded text the page wrote, and an exponent
    // entry does not read back the other exponent's.
    void untouchedBoxesKeepTheirValues() {
        ScratchWorkingDirectory dir;
        WriteSettings(dir);
        Program program;
        QVERIFY(program.active);
        QLineEdit* angle = program.Edit("EditTrigAngle");
        TypeOver(angle, QStringLiteral("33.333333"));
        QTest::keyClick(angle, Qt::Key_Return);
        QCOMPARE(angle->text(), QStringLiteral("33.33333"));
        QTest::mouseClick(program.Edit("EditTrigArc"), Qt::LeftButton);
        QVERIFY(!angle->hasFocus());
        QCOMPARE_EXACT(program.Model().Values().trigAngle, DegreesToRadians(33.333333));

        QLineEdit* exponent = program.Edit("EditExponentsExp");
        TypeOver(exponent, QStringLiteral("100"));
        QTest::keyClick(exponent, Qt::Key_Return);
        QCOMPARE(exponent->text(), QStringLiteral("87.49823353"));
        QLineEdit* base = program.Edit("EditExponentsX");
        TypeOver(base, QStringLiteral("2"));
        QTest::keyClick(base, Qt::Key_Return);
        QCOMPARE_EXACT(program.Model().Values().expExponent, 87.498233533);
        QTest::keyClick(base, Qt::Key_Tab);
        QTest::keyClick(exponent, Qt::Key_Tab);
        QCOMPARE_EXACT(program.Model().Values().expExponent, 87.498233533);
        QCOMPARE_EXACT(program.Model().Values().expBase, 2.0);
        // Enter re-reads the box's own text, as the user asked.
        exponent->setFocus();
        QTest::keyClick(exponent, Qt::Key_Return);
        QCOMPARE_EXACT(program.Model().Values().expExponent, 87.49823353);
    }

    void leavingWaitsForTheFirstShowingAndStopsAtShutDown() {
        ScratchWorkingDirectory dir;
        // Another tab: the Math/Trig page is not shown yet.
        WriteFileBytes(dir.File(QStringLiteral("QuorvelII.Cfg")),
                       "[MiscInfo]\r\nPageControl=0\r\n");
        Program program;
        QVERIFY(program.active);
        QVERIFY(!program.Page().ShownOnce());
        QLineEdit* arc = program.Edit("EditTrigArc");
        arc->setText(QStringLiteral("0.5"));
        program.Find<QCheckBox>("CheckBoxTrigAngleRadians")->click();
        QCOMPARE_EXACT(program.Model().Values().trigArc, 0.0);
        QVERIFY(!program.Model().Values().angleInRadians);

        program.window->TabControl()->Tabs()->setCurrentIndex(kMathTrigTab);
        QVERIFY(program.Page().ShownOnce());
        QCOMPARE(arc->text(), QStringLiteral("0.00000"));
        program.quiet.Run().SetShuttingDown(true);
        TypeOver(arc, QStringLiteral("0.5"));
        QTest::mouseClick(program.Edit("EditTrigAngle"), Qt::LeftButton);
        QCOMPARE_EXACT(program.Model().Values().trigArc, 0.0);
        program.Find<QCheckBox>("CheckBoxTrigAngleRadians")->click();
        QVERIFY(!program.Model().Values().angleInRadians);
        // Enter is not held back.
        TypeOver(arc, QStringLiteral("0.5"));
        QTest::keyClick(arc, Qt::Key_Return);
        QCOMPARE_EXACT(program.Model().Values().trigArc, 0.5);
        program.quiet.Run().SetShuttingDown(false);
    }

    void popupMenu4OpensOverTheAnglePanel() {
        ScratchWorkingDirectory dir;
        WriteSettings(dir);
        Program program;
        for (const char* control : {"Panel1", "LabelDms", "LabelDmsRad"}) {
            QMenu* menu = RightClick(program.Find(control));
            QVERIFY2(menu != nullptr && menu->objectName() == "PopupMenu4", control);
        }
        for (const char* control : {"Panel2", "Panel3", "Panel4", "LabelPower"}) {
            QCOMPARE(RightClick(program.Find(control)), nullptr);
        }
        QMenu* menu = program.Page().PopupMenuNamed(QStringLiteral("PopupMenu4"));
        QStringList shown;
        for (const QAction* item : menu->actions()) {
            shown << (item->isSeparator() ? QStringLiteral("-") : item->text());
        }
        QCOMPARE(shown,
                 (QStringList{"DMS Angle", "-", "Degrees Minutes Seconds", "Degrees", "Radians"}));
        // The title does nothing when picked.
        const DisplayList before = program.Model().Display();
        menu->actions().front()->trigger();
        QCOMPARE(program.Model().Display(), before);
    }

    void degreesAndRadiansThroughTheirPrompts() {
        ScratchWorkingDirectory dir;
        WriteSettings(dir);
        Program program;
        QString title;
        QString prompt;
        AnswerTextEntry(QStringLiteral("200"), &prompt, nullptr, &title);
        RunPopupCommand(program.Find(QStringLiteral("LabelDmsDeg")), QStringLiteral("Degrees"));
        QCOMPARE(title, QStringLiteral("Input Value between -180.000 & 180.000"));
        QCOMPARE(prompt, QStringLiteral("Enter Angle in Degrees"));
        QCOMPARE_EXACT(program.Model().Values().dmsAngle, DegreesToRadians(180));
        QCOMPARE(program.Text("LabelDmsDeg"), QStringLiteral("180.0000"));
        QCOMPARE(program.Text("LabelDmsRad"), QStringLiteral("3.14159"));

        AnswerTextEntry(QStringLiteral("-1.25"), &prompt, nullptr, &title);
        RunPopupCommand(program.Find(QStringLiteral("Panel1")), QStringLiteral("Radians"));
        QCOMPARE(title, QStringLiteral("Input Value between -3.142 & 3.142"));
        QCOMPARE(prompt, QStringLiteral("Enter Angle in Radians"));
        QCOMPARE(program.Text("LabelDmsRad"), QStringLiteral("-1.25000"));
        QCOMPARE(program.Text("LabelDmsDeg"), QStringLiteral("-71.6197"));
        QCOMPARE(program.Text("LabelDms"), QStringLiteral("-071 37 11.008"));

        // Cancel hands back the starting degrees; the angle stays as it was.
        AnswerNextModal([](QWidget* box) {
            box->findChild<QPushButton*>(QStringLiteral("CancelBtn"))->click();
        });
        RunPopupCommand(program.Find(QStringLiteral("Panel1")), QStringLiteral("Degrees"));
        QCOMPARE_EXACT(program.Model().Values().dmsAngle, -1.25);
    }

    void dmsDialogTakesTheTypedAngleOnOk() {
        ScratchWorkingDirectory dir;
        WriteSettings(dir);
        Program program;
        QString name;
        QString title;
        QString opened;
        QString hint;
        QString caption;
        AnswerNextModal([&](QWidget* dialog) {
            name = dialog->objectName();
            title = dialog->windowTitle();
            auto* edit = dialog->findChild<QLineEdit*>(QStringLiteral("EditDms"));
            opened = edit->text();
            hint = edit->toolTip();
            caption = dialog->findChild<QLabel*>(QStringLiteral("LabelEditDms"))->text();
            edit->setFocus();
            edit->selectAll();
            // The letter is refused at the key.
            QTest::keyClicks(edit, QStringLiteral("-45 3q0 00"));
            dialog->findChild<QPushButton*>(QStringLiteral("OKBtn"))->click();
        });
        RunPopupCommand(program.Find(QStringLiteral("Panel1")),
                        QStringLiteral("Degrees Minutes Seconds"));
        QCOMPARE(name, QStringLiteral("TPromptDmsDlg"));
        QCOMPARE(title, QStringLiteral("Enter Degrees Minutes Seconds"));
        QCOMPARE(opened, QStringLiteral("000 00 00.000"));
        QCOMPARE(hint,
                 QStringLiteral("There must be a space between the degrees minutes and seconds"));
        QCOMPARE(caption, QStringLiteral("Deg Min Sec.xxx"));
        QCOMPARE_EXACT(program.Model().Values().dmsAngle, DegreesToRadians(-45.5));
        QCOMPARE(program.Text("LabelDms"), QStringLiteral("-045 30 00.000"));
        QCOMPARE(program.Text("LabelDmsDeg"), QStringLiteral("-45.5000"));

        // Escape closes it without a change.
        AnswerNextModal([](QWidget* dialog) {
            auto* edit = dialog->findChild<QLineEdit*>(QStringLiteral("EditDms"));
            edit->setFocus();
            edit->selectAll();
            QTest::keyClicks(edit, QStringLiteral("10 0 0"));
            QTest::keyClick(edit, Qt::Key_Escape);
        });
        RunPopupCommand(program.Find(QStringLiteral("Panel1")),
                        QStringLiteral("Degrees Minutes Seconds"));
        QCOMPARE_EXACT(program.Model().Values().dmsAngle, DegreesToRadians(-45.5));
    }

    void resultsTakeTheDataColourOfLabelPower() {
        ScratchWorkingDirectory dir;
        WriteSettings(dir);
        WriteFileBytes(dir.File(QStringLiteral("ServerOptions.Opt")),
                       "[COLORS]\r\nDeviceGuiDataColor=255\r\n");
        Program program;
        const QColor red(255, 0, 0);
        QCOMPARE(FontColour(program.Find("LabelPower")), red);
        for (const DisplayItem& item : program.Model().Display()) {
            if (auto* label = program.Find<QLabel>(QString::fromStdString(item.name))) {
                QVERIFY2(FontColour(label) == red, item.name.c_str());
            }
        }
        QCOMPARE(BackgroundColour(program.Find("PanelMain")), QColor(78, 78, 78));
        const QColor white(255, 255, 255);
        QCOMPARE(FontColour(program.Find("PanelMain")), white);
        QCOMPARE(FontColour(program.Find("CheckBoxTrigAngleRadians")), white);
        for (const QLabel* label : program.Find("Panel4")->findChildren<QLabel*>()) {
            if (label->objectName().isEmpty()) {
                QCOMPARE(FontColour(label), white);
            }
        }
    }

    void inputsSurviveARestart() {
        ScratchWorkingDirectory dir;
        WriteSettings(dir);
        {
            Program first;
            QVERIFY(first.active);
            first.Find<QCheckBox>("CheckBoxTrigAngleRadians")->click();
            QLineEdit* angle = first.Edit("EditTrigAngle");
            TypeOver(angle, QStringLiteral("0.75"));
            QTest::keyClick(angle, Qt::Key_Return);
            QLineEdit* base = first.Edit("EditExponentsX");
            TypeOver(base, QStringLiteral("3.25"));
            QTest::keyClick(base, Qt::Key_Return);
            AnswerTextEntry(QStringLiteral("1.5"));
            RunPopupCommand(first.Find(QStringLiteral("Panel1")), QStringLiteral("Radians"));
        }
        Program second;
        QVERIFY(second.Find<QCheckBox>("CheckBoxTrigAngleRadians")->isChecked());
        QCOMPARE(second.Edit("EditTrigAngle")->text(), QStringLiteral("0.75000"));
        QCOMPARE(second.Edit("EditExponentsX")->text(), QStringLiteral("3.25000000"));
        QCOMPARE(second.Text("LabelDmsRad"), QStringLiteral("1.50000"));
        QCOMPARE_EXACT(second.Model().Values().expBase, 3.25);
    }

    // quorvel-cli's --edit takes the path Enter takes in the window: the same entries,
    // clicks and answers leave every widget showing the program's text.
    void sameTextsAsQuorvelCliAfterTheSameActions() {
        ScratchWorkingDirectory dir;
        WriteSettings(dir, "ExpXvalue=1.123456789\r\nDmsRad=0.333333333\r\n");
        Program program;
        QVERIFY(program.active);
        const auto enter = [&program](const char* box, const char* text) {
            QLineEdit* edit = program.Edit(QString::fromLatin1(box));
            TypeOver(edit, QString::fromLatin1(text));
            QTest::keyClick(edit, Qt::Key_Return);
        };
        enter("EditTrigAngle", "33.333333");
        program.Find<QCheckBox>("CheckBoxTrigAngleRadians")->click();
        enter("EditTrigAngle", "0.1234567");
        enter("EditTrigArc", "-0.3x");
        enter("EditExponentsExp", "100");
        enter("EditExponentsX", "2.5");
        enter("EditExponentsExp", "");
        AnswerTextEntry(QStringLiteral("-123.4567"));
        RunPopupCommand(program.Find(QStringLiteral("Panel1")), QStringLiteral("Degrees"));

        QProcess cli;
        cli.setWorkingDirectory(dir.Path());
        cli.start(QStringLiteral(QUORVEL_BINARY_DIR "/quorvel-cli"),
                  {"--settings",
                   dir.File(QStringLiteral("QuorvelII.Cfg")),
                   "MathTrig",
                   "--edit",
                   "EditTrigAngle=33.333333",
                   "--check",
                   "CheckBoxTrigAngleRadians=YES",
                   "--edit",
                   "EditTrigAngle=0.1234567",
                   "--edit",
                   "EditTrigArc=-0.3x",
                   "--edit",
                   "EditExponentsExp=100",
                   "--edit",
                   "EditExponentsX=2.5",
                   "--edit",
                   "EditExponentsExp=",
                   "--menu",
                   "Degrees",
                   "--answer",
                   "-123.4567"});
        QVERIFY2(cli.waitForFinished(10000), "quorvel-cli did not finish");
        QVERIFY2(cli.exitCode() == 0, cli.readAllStandardError().constData());
        const QStringList lines =
            QString::fromUtf8(cli.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), static_cast<qsizetype>(program.Model().Display().size()));
        for (const QString& line : lines) {
            const QString name = line.section(u'\t', 0, 0);
            const QString text = line.section(u'\t', 1);
            QWidget* widget = program.Find(name);
            QVERIFY2(widget != nullptr, qPrintable(name));
            QString shown;
            if (auto* label = qobject_cast<QLabel*>(widget)) {
                shown = label->text();
            } else if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
                shown = edit->text();
            } else if (auto* box = qobject_cast<QCheckBox*>(widget)) {
                shown = box->isChecked() ? QStringLiteral("YES") : QStringLiteral("NO");
            }
            QCOMPARE(name + ": " + shown, name + ": " + text);
        }
        QCOMPARE(program.Text("LabelDms"), QStringLiteral("-123 27 24.120"));
    }

    // The longest texts each control can show fit it, and every control lies inside its
    // panel and the panels inside the page.
    void longestTextsAreShownWhole_data() {
        QTest::addColumn<QByteArray>("section");
        QTest::newRow("tangent near a right angle") << QByteArray(
            "TrigAngle=1.570796326794897\r\nTrigArc=-0.987654321\r\n"
            "ExpXvalue=999999.99999999\r\nExpExpvalue=2.5\r\n"
            "DmsRad=-3.1415926\r\n");
        QTest::newRow("failure values") << QByteArray(
            "TrigAngle=-300\r\nTrigAngleRads=YES\r\nTrigArc=2\r\n"
            "ExpExpvalue=-87.498233533\r\nDmsRad=-6.28\r\n");
        QTest::newRow("long negatives") << QByteArray(
            "TrigAngle=-6.2831853\r\nTrigArc=-1\r\nExpXvalue=1e-300\r\n"
            "ExpExpvalue=-0.123456789\r\n");
        QTest::newRow("overflow") << QByteArray(
            "TrigAngle=-1.570796326794897\r\nExpXvalue=1000000\r\n"
            "ExpExpvalue=87.498233533\r\n");
    }

    void longestTextsAreShownWhole() {
        QFETCH(QByteArray, section);
        ScratchWorkingDirectory dir;
        WriteSettings(dir, section);
        Program program;
        TPageForm& page = program.Page();
        QVERIFY(page.rect().contains(page.childrenRect()));
        for (const QWidget* widget : page.findChildren<QWidget*>()) {
            if (widget->isWindow() || widget->objectName().startsWith(u"qt_")) {
                continue;  // the popup menu, the edit boxes' own parts
            }
            int needed = widget->sizeHint().width();
            if (const auto* label = qobject_cast<const QLabel*>(widget)) {
                needed = label->fontMetrics().horizontalAdvance(label->text());
            } else if (const auto* edit = qobject_cast<const QLineEdit*>(widget)) {
                // The text, its margins and the frame.
                needed = edit->fontMetrics().horizontalAdvance(edit->text()) + 8;
            }
            QVERIFY2(needed <= widget->width(),
                     qPrintable(widget->objectName() + " is clipped: " + QString::number(needed) +
                                " > " + QString::number(widget->width())));
            QVERIFY2(widget->parentWidget()->rect().contains(widget->geometry()),
                     qPrintable(widget->objectName() + " lies outside its panel"));
        }
    }
};

}  // namespace
}  // namespace quorvel::testing

QTEST_MAIN(quorvel::testing::MathTrigFormTest)
#include "mathtrig_form_test.moc"
