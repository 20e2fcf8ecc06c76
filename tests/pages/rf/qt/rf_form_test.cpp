// The RF page in the real window, driven by object name: what a fresh page shows, its panels
// and captions, wide values, its popup menus and a command answered in the text-entry box,
// the "Non-NRZL Code" box across a restart, the colours, and the VSWR dialog.
#include <QApplication>
#include <QCheckBox>
#include <QFontDatabase>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTest>

#include <memory>

#include "pages/rf/rf_page.h"
#include "qt_support/form_checks.h"
#include "qt_support/page_driving.h"
#include "qt_support/window_fixture.h"
#include "shell/qt/page_form.h"
#include "shell/qt/scheme_colours.h"
#include "window/qt/main_form.h"

namespace quorvel::testing {
namespace {

// One run of the program in the current working directory, on the RF tab.
struct Program : PageProgram {
    Program() : PageProgram(0) {}
};

// The 25 result labels: the page's display list without its check box.
const QStringList kResultLabels = [] {
    QStringList names;
    for (const DisplayItem& item : RfPageModel().Display()) {
        if (item.name.starts_with("Label")) {
            names << QString::fromStdString(item.name);
        }
    }
    return names;
}();
const QStringList kPanelColourCaptions{"Label23", "Label24", "Label25", "Label26",
                                       "Label27", "Label38", "Label39"};

class RfFormTest : public QObject {
    Q_OBJECT

private slots:
    void freshPageShowsWhatZeroInputsGive() {
        ScratchWorkingDirectory dir;
        Program program;
        QCOMPARE(program.Page().metaObject()->className(), "quorvel::TRfForm");
        QCOMPARE(program.Text("LabelRatio"), QStringLiteral("0.00"));
        QCOMPARE(program.Text("LabelDbPower"), QStringLiteral("1E28"));
        QCOMPARE(program.Text("LabelDbVoltage"), QStringLiteral("2E28"));
        QCOMPARE(program.Text("LabeldBm"), QStringLiteral("1E28"));
        QCOMPARE(program.Text("LabelRetLoss"), QStringLiteral("-2E28"));
        QCOMPARE(program.Text("LabelMismatchLoss"), QStringLiteral("-1E28"));
        QCOMPARE(program.Text("LabelBitRate"), QStringLiteral("0"));
        QCOMPARE(program.Text("LabelVideoFilter"), QStringLiteral("0.0"));
        QVERIFY(!program.Find<QCheckBox>("CheckBoxNonNrzlCode")->isChecked());
        QWidget* panel1 = program.Find("Panel1");
        QCOMPARE(panel1->parentWidget()->objectName(), QStringLiteral("PanelMain"));
        QCOMPARE(panel1->toolTip(), QStringLiteral("Right click to edit"));
    }

    void panelsHoldTheirCaptionsAndResults_data() {
        AddPanelColumns();
        QTest::newRow("2") << "Panel2"
                           << "Panel1" << QStringList{"Ratio", "Db Power", "Db Voltage"}
                           << QStringList{"LabelRatio", "LabelDbPower", "LabelDbVoltage"};
        QTest::newRow("3") << "Panel3"
                           << "Panel1" << QStringList{"Freq (GHz)", "Wave Length", "mm", "in"}
                           << QStringList{"LabelFreqGhz", "LabelWaveLengthMilimeters",
                                          "LabelWaveLengthInches"};
        QTest::newRow("4") << "Panel4"
                           << "Panel1"
                           << QStringList{"Dish Diameter (ft)", "Freq (MHz)", "Dish Gain (dbi)",
                                          "Dish HPBW (deg)"}
                           << QStringList{"LabelDishDiameter", "LabelDishFreq", "LabelDishGain",
                                          "LabelDishHpbw"};
        QTest::newRow("5") << "Panel5"
                           << "Panel1" << QStringList{"Watts", "dBm", "dBw"}
                           << QStringList{"LabelWatts", "LabeldBm", "LabeldBw"};
        QTest::newRow("6") << "Panel6"
                           << "Panel1"
                           << QStringList{"VSWR", "Return Loss", "Reflector Coef", "Mismatch Loss"}
                           << QStringList{"LabelVswr", "LabelRetLoss", "LabelRefCoef",
                                          "LabelMismatchLoss"};
        QTest::newRow("7") << "Panel7"
                           << "Panel1" << QStringList{"Resonant Freq (GHz)", "L  (nH)", "C (pF)"}
                           << QStringList{"LabelFoFreqGhz", "LabelFoL", "LabelFoC"};
        QTest::newRow("8") << "Panel8"
                           << "Panel1" << QStringList{"Antenna Alt (ft)", "RF Horizon (Nmi)"}
                           << QStringList{"LabelAntAltFt", "LabelRfHorizon"};
        QTest::newRow("9") << "Panel9"
                           << "PanelMain"
                           << QStringList{"Bit Rate", "IF Filter", "kHz", "Video Filter", "kHz"}
                           << QStringList{"LabelBitRate", "LabelIfFilter", "LabelVideoFilter"};
        QTest::newRow("bands") << "PanelFreqBands"
                               << "PanelMain"
                               << QStringList{"(MHz)",
                                              "P Band",
                                              " 215.0   -  320.0",
                                              "Lower L Band",
                                              "1435.0  - 1539.5",
                                              "Upper L Band",
                                              "1710.0  - 1850.0",
                                              "S Band",
                                              "2200.0  -  2399.5",
                                              "NATO E Band",
                                              "2185.0  -  2484.5"}
                               << QStringList{};
    }

    void panelsHoldTheirCaptionsAndResults() {
        ScratchWorkingDirectory dir;
        Program program;
        const QWidget* widget = ComparePanelRow(program.Page(), kResultLabels);
        QVERIFY(widget != nullptr);
        const bool opensPopupMenu1 = widget->parentWidget()->objectName() == "Panel1";
        QCOMPARE(widget->toolTip(),
                 opensPopupMenu1 ? QStringLiteral("Right click to edit") : QString());
    }

    void wideValuesFitTheirLabels() {
        ScratchWorkingDirectory dir;
        WriteFileBytes(dir.File(QStringLiteral("QuorvelII.Cfg")),
                       "[RF]\nRatio=1.99526\nWaveLenFreqGhz=0.00001\nDishDiameterFt=-88888888\n"
                       "Watts=88888888\nVswr=-1234567.8\nBitRate=20000000\nIfFilter=-2E28\n"
                       "NonNrzCode=YES\n");
        Program program;
        QCOMPARE(program.Text("LabelBitRate"), QStringLiteral("20000000"));
        QCOMPARE(program.Text("LabelIfFilter"), QStringLiteral("-2E28"));
        QCOMPARE(program.Text("LabelDishDiameter"), QStringLiteral("-8.889E7"));
        QVERIFY(program.Find<QCheckBox>("CheckBoxNonNrzlCode")->isChecked());
        TPageForm& page = program.Page();
        CompareEveryWidgetFits(page);
    }

    void menusOpenOverTheirPanelsWithTheModelsCommands() {
        ScratchWorkingDirectory dir;
        Program program;
        for (const PopupMenu& model : program.Page().Model().Menus()) {
            QMenu* menu = program.Page().PopupMenuNamed(QString::fromStdString(model.name));
            QVERIFY(menu != nullptr);
            QStringList shown;
            for (const QAction* item : menu->actions()) {
                shown << (item->isSeparator() ? QStringLiteral("-") : item->text());
            }
            QStringList expected;
            for (const MenuItem& item : model.items) {
                expected << QString::fromStdString(item.caption);
            }
            QCOMPARE(shown, expected);
        }
        for (const char* panel : {"Panel1", "Panel2", "Panel3", "Panel4", "Panel5", "Panel6",
                                  "Panel7", "Panel8", "CaptionDishGain", "LabelFoC"}) {
            QMenu* menu = RightClick(program.Find(panel));
            QVERIFY2(menu != nullptr && menu->objectName() == "PopupMenu1", panel);
        }
        for (const char* panel : {"Panel9", "LabelBitRate", "CheckBoxNonNrzlCode"}) {
            QMenu* menu = RightClick(program.Find(panel));
            QVERIFY2(menu != nullptr && menu->objectName() == "PopupMenuFilters", panel);
        }
        QCOMPARE(RightClick(program.Find("Label23")), nullptr);
    }

    void menuCommandTakesTheTypedAnswer() {
        ScratchWorkingDirectory dir;
        Program program;
        QString prompt;
        AnswerTextEntry(QStringLiteral("2"), &prompt);
        RunPopupCommand(program.Find("CaptionDbPower"), QStringLiteral("Ratio To Db"));
        QCOMPARE(prompt, QStringLiteral("Enter the Ratio"));
        QCOMPARE(program.Text("LabelRatio"), QStringLiteral("2.00"));
        QCOMPARE(program.Text("LabelDbPower"), QStringLiteral("3.01"));
        QCOMPARE(program.Text("LabelDbVoltage"), QStringLiteral("6.02"));
    }

    void nonNrzlCodeTogglesTheFiltersAndSurvivesARestart() {
        ScratchWorkingDirectory dir;
        {
            Program first;
            AnswerTextEntry(QStringLiteral("1000000"));
            RunPopupCommand(first.Find("Panel9"), QStringLiteral("Bit Rate"));
            QCOMPARE(first.Text("LabelBitRate"), QStringLiteral("1000000"));
            QCOMPARE(first.Text("LabelIfFilter"), QStringLiteral("1200.0"));
            QCOMPARE(first.Text("LabelVideoFilter"), QStringLiteral("700.0"));
            first.Find<QCheckBox>("CheckBoxNonNrzlCode")->click();
            QCOMPARE(first.Text("LabelIfFilter"), QStringLiteral("2400.0"));
            QCOMPARE(first.Text("LabelVideoFilter"), QStringLiteral("1400.0"));
        }
        Program second;
        auto* box = second.Find<QCheckBox>("CheckBoxNonNrzlCode");
        QVERIFY(box->isChecked());
        QCOMPARE(second.Text("LabelBitRate"), QStringLiteral("1000000"));
        QCOMPARE(second.Text("LabelIfFilter"), QStringLiteral("2400.0"));
        box->click();
        QVERIFY(!box->isChecked());
        QCOMPARE(second.Text("LabelVideoFilter"), QStringLiteral("700.0"));
    }

    // The band names and their unit caption take the band table's data colour; the ranges and
    // the "kHz" captions keep the main panel's.
    void bandTableTakesTheDataColour() {
        ScratchWorkingDirectory dir;
        Program program;
        const QColor data(0, 255, 0);
        const QColor white(255, 255, 255);
        QCOMPARE(FontColour(program.Find("PanelFreqBands")), data);
        for (const QLabel* label : program.Find("PanelFreqBands")->findChildren<QLabel*>()) {
            const bool range = kPanelColourCaptions.contains(label->objectName());
            QCOMPARE(FontColour(label), range ? white : data);
        }
        for (const QString& name : kPanelColourCaptions) {
            QVERIFY2(FontColour(program.Find(name)) == white, qPrintable(name));
        }
    }

    void vswrDialogSolvesAndHandsBackItsValues() {
        ScratchWorkingDirectory dir;
        Program program;
        QString title;
        bool fitsTitle = false;
        bool captionsBesideBoxes = true;
        AnswerNextModal([&](QWidget* dialog) {
            title = dialog->windowTitle();
            const QFontMetrics titleFont(QFontDatabase::systemFont(QFontDatabase::TitleFont));
            // The title and room for a title bar's buttons.
            fitsTitle =
                dialog->width() >= titleFont.horizontalAdvance(title) + 4 * titleFont.height();
            for (const char* name :
                 {"EditVswr", "EditRetLoss", "EditRefCoef", "EditMismatchLoss"}) {
                const QWidget* edit = dialog->findChild<QLineEdit*>(name);
                const QWidget* caption = dialog->findChild<QLabel*>(QStringLiteral("Label") + name);
                captionsBesideBoxes =
                    captionsBesideBoxes && caption->geometry().right() < edit->x() &&
                    qAbs(caption->geometry().center().y() - edit->geometry().center().y()) <= 2;
            }
            QApplication::setActiveWindow(dialog);
            auto* vswr = dialog->findChild<QLineEdit*>(QStringLiteral("EditVswr"));
            vswr->setFocus();
            vswr->selectAll();
            QTest::keyClicks(vswr, "2");
            QTest::keyClick(vswr, Qt::Key_Tab);
            dialog->findChild<QPushButton*>(QStringLiteral("OKBtn"))->click();
        });
        RunPopupCommand(program.Find("Panel6"), QStringLiteral("VSWR"));
        QCOMPARE(title, QStringLiteral("Enter 1 to solve others for VSWR"));
        QVERIFY(fitsTitle);
        QVERIFY(captionsBesideBoxes);
        QCOMPARE(program.Text("LabelVswr"), QStringLiteral("2.00"));
        QCOMPARE(program.Text("LabelRefCoef"), QStringLiteral("0.33"));
        QCOMPARE(program.Text("LabelRetLoss"), QStringLiteral("9.54"));
        QCOMPARE(program.Text("LabelMismatchLoss"), QStringLiteral("0.51"));
    }
};

}  // namespace
}  // namespace quorvel::testing

QTEST_MAIN(quorvel::testing::RfFormTest)
#include "rf_form_test.moc"
