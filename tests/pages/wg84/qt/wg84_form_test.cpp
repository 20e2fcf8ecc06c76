// The WG 84 page in the real window, driven by object name: what a fresh page shows, its
// blocks, panels and captions, the widest values, its popup menus with their titles and named
// items, the miss panel opening its dialog at once, the entry dialogs' captions and Tab order,
// and the colours.
#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTest>

#include <memory>

#include "pages/wg84/wg84_page.h"
#include "qt_support/form_checks.h"
#include "qt_support/page_driving.h"
#include "qt_support/window_fixture.h"
#include "shell/qt/page_form.h"
#include "shell/qt/scheme_colours.h"
#include "shell/qt/tab_control.h"
#include "window/qt/main_form.h"

namespace quorvel::testing {
namespace {

constexpr int kWg84Tab = 4;

// One run of the program in the current working directory, on the WG 84 tab.
struct Program : PageProgram {
    Program() : PageProgram(kWg84Tab, PageView::SelectTab) {}
};

// Closes a modal window that a failed check left open, so no test blocks.
void CloseIfOpen(QWidget* window) {
    if (window != nullptr && window->isVisible()) {
        window->close();
    }
}

// Types into the dialog's boxes (each text replacing the box's), then presses OK.
void AnswerDialog(QList<QPair<QString, QString>> typed, QString* title = nullptr,
                  QStringList* tabOrder = nullptr) {
    AnswerNextModal([typed, title, tabOrder](QWidget* dialog) {
        if (title != nullptr) {
            *title = dialog->windowTitle();
        }
        if (tabOrder != nullptr) {
            QWidget* start = dialog->findChildren<QLineEdit*>().value(0);
            for (QWidget* w = start; w != nullptr && tabOrder->size() < 10;) {
                if ((w->focusPolicy() & Qt::TabFocus) != 0) {
                    *tabOrder << w->objectName();
                }
                w = w->nextInFocusChain();
                if (w == start) {
                    break;
                }
            }
        }
        for (const auto& [box, text] : typed) {
            auto* edit = dialog->findChild<QLineEdit*>(box);
            edit->setFocus();
            edit->selectAll();
            QTest::keyClicks(edit, text);
        }
        dialog->findChild<QPushButton*>(QStringLiteral("OKBtn"))->click();
        CloseIfOpen(dialog);
    });
}

// The 38 value labels.
const QStringList kValueLabels = DisplayNames(Wg84PageModel());

QStringList SideLabels(const char* side) {
    QStringList names;
    for (const QString& name : kValueLabels) {
        if (name.endsWith(QLatin1String(side))) {
            names << name;
        }
    }
    return names;
}

class Wg84FormTest : public QObject {
    Q_OBJECT

private slots:
    void freshPageShowsTheDefaultPositions() {
        ScratchWorkingDirectory dir;
        Program program;
        QCOMPARE(program.Page().metaObject()->className(), "quorvel::TWg84Form");
        QCOMPARE(program.Page().Caption(), QStringLiteral("WG84 Earth Functions"));
        for (const QString side : {"Ref", "Tgt"}) {
            QCOMPARE(program.Text("LabelLat" + side), QStringLiteral("035 41 15.010"));
            QCOMPARE(program.Text("LabelLong" + side), QStringLiteral("-117 40 47.120"));
            QCOMPARE(program.Text("LabelMsl" + side), QStringLiteral("2283.26"));
            QCOMPARE(program.Text("LabelHorizon" + side), QStringLiteral("55.91"));
            QCOMPARE(program.Text("LabelUpFt" + side), QStringLiteral("0"));
            QCOMPARE(program.Text("LabelAz" + side), QStringLiteral("0.00"));
        }
        QCOMPARE(program.Text("LabelClock"), QStringLiteral("00:00"));
        for (const QString& name : kValueLabels) {
            QVERIFY2(program.Find<QLabel>(name) != nullptr, qPrintable(name));
        }
    }

    void panelsHoldTheirCaptionsAndValues_data() {
        AddPanelColumns();
        const QStringList geod{"Latitude", "Longitude",       "Msl", "Ft", "Ellipsoid Alt",
                               "Ft",       "Dist To Horizon", "Nmi"};
        const QStringList enu{"Nmi", "Ft", "East", "North", "Up"};
        const QStringList range{"Range (Rsi)", "Range (Rg)", "Azimuth", "Deg", "Elevation", "Deg"};
        for (const char* side : {"Ref", "Tgt"}) {
            const bool ref = QLatin1String(side) == QLatin1String("Ref");
            const QStringList all = SideLabels(side);
            // Row by row: the offsets' nautical miles and feet side by side.
            const QStringList enuValues{all[5], all[8], all[6], all[9], all[7], all[10]};
            const QStringList rangeValues = all.mid(11, 6);
            const char* block = ref ? "Panel1" : "Panel2";
            QTest::newRow(block) << block << "PanelMain"
                                 << QStringList{ref ? "Reference Geod" : "Target Geod"} + geod +
                                        QStringList{ref ? "From Target Geod"
                                                        : "From Reference Geod"} +
                                        enu + range
                                 << all.mid(0, 5) + enuValues + rangeValues;
            QTest::newRow(ref ? "Panel3" : "Panel9")
                << (ref ? "Panel3" : "Panel9") << block << geod << all.mid(0, 5);
            QTest::newRow(ref ? "Panel4" : "Panel10")
                << (ref ? "Panel4" : "Panel10") << block << enu << enuValues;
            QTest::newRow(ref ? "Panel5" : "Panel11")
                << (ref ? "Panel5" : "Panel11") << block << range << rangeValues;
        }
        QTest::newRow("Panel6") << "Panel6"
                                << "PanelMain"
                                << QStringList{"Miss Distance (Ft)", "Dx", "Dy", "Distance",
                                               "Clock"}
                                << QStringList{"LabelDx", "LabelDy", "LabelDist", "LabelClock"};
    }

    void panelsHoldTheirCaptionsAndValues() {
        ScratchWorkingDirectory dir;
        Program program;
        ComparePanelRow(program.Page(), kValueLabels);
    }

    void blocksAndMissPanelHintAtTheRightClick() {
        ScratchWorkingDirectory dir;
        Program program;
        for (const char* panel : {"Panel1", "Panel2", "Panel6"}) {
            QCOMPARE(program.Find(panel)->toolTip(), QStringLiteral("Right click to edit"));
        }
    }

    void widestValuesFitThePage() {
        ScratchWorkingDirectory dir;
        WriteFileBytes(dir.File(QStringLiteral("QuorvelII.Cfg")),
                       "[Wg84]\nRefLlm0=-1.2\nRefLlm1=-3.14159\nRefLlm2=5000\n"
                       "TgtLlm0=1.2\nTgtLlm1=3.14159\nTgtLlm2=-1\nMissDx3=-99.99\n"
                       "MissDy3=-99.99\n");
        Program program;
        QCOMPARE(program.Text("LabelLongRef"), QStringLiteral("-179 59 59.453"));
        QCOMPARE(program.Text("LabelMslRef"), QStringLiteral("30380577"));
        TPageForm& page = program.Page();
        // The longest texts each label can show, beyond what these positions give.
        for (const QString& name : kValueLabels) {
            auto* label = program.Find<QLabel>(name);
            if (name.startsWith(QLatin1String("LabelLat")) ||
                name.startsWith(QLatin1String("LabelLong"))) {
                label->setText(QStringLiteral("-179 59 59.999"));
            } else if (name.contains(QLatin1String("Ft")) && name != QLatin1String("LabelDx")) {
                label->setText(QStringLiteral("-12345678901"));
            } else if (name.startsWith(QLatin1String("LabelAz"))) {
                label->setText(QStringLiteral("269.99"));
            } else if (name != QLatin1String("LabelClock")) {
                label->setText(QStringLiteral("-1234567"));
            }
        }
        QApplication::processEvents();
        QVERIFY(page.width() <= 470 && page.height() <= 413);
        CompareEveryWidgetFits(page);
    }

    // Each miss value shows its longest text whole and stands apart from the caption after
    // it: "100.00 Dy" must not read as one.
    void missValuesStandApartFromTheNextCaption() {
        ScratchWorkingDirectory dir;
        Program program;
        const QStringList values{"LabelDx", "LabelDy", "LabelDist", "LabelClock"};
        const QStringList captions{"CaptionDx", "CaptionDy", "CaptionDist", "CaptionClock"};
        for (const QString& name : values) {
            program.Find<QLabel>(name)->setText(name == QLatin1String("LabelClock")
                                                    ? QStringLiteral("12:00")
                                                    : QStringLiteral("-99999.99"));
        }
        QApplication::processEvents();
        const QWidget& page = program.Page();
        for (int i = 0; i < values.size(); ++i) {
            auto* value = program.Find<QLabel>(values[i]);
            auto* caption = program.Find<QLabel>(captions[i]);
            const QFontMetrics metrics = value->fontMetrics();
            QVERIFY2(metrics.horizontalAdvance(value->text()) <= value->width(),
                     qPrintable(values[i] + " is clipped"));
            QVERIFY2(caption->geometry().right() < value->geometry().left(),
                     qPrintable(captions[i] + " overlaps its value"));
            if (i + 1 < values.size()) {
                auto* next = program.Find<QLabel>(captions[i + 1]);
                const int valueEnd = value->mapTo(&page, QPoint(value->width(), 0)).x();
                const int nextStart = next->mapTo(&page, QPoint(0, 0)).x();
                QVERIFY2(nextStart - valueEnd >= 2 * metrics.averageCharWidth(),
                         qPrintable(values[i] + " crowds " + captions[i + 1]));
            }
        }
    }

    void menusHaveTheirTitleSeparatorAndNamedItems() {
        ScratchWorkingDirectory dir;
        Program program;
        const QStringList captions{"Edit Lat Long Msl", "Edit East North Up", "Edit Range Az El"};
        for (const char* side : {"Ref", "Tgt"}) {
            const QString menuName = QStringLiteral("PopupMenu") + side;
            QMenu* menu = program.Page().PopupMenuNamed(menuName);
            QVERIFY(menu != nullptr);
            const QList<QAction*> items = menu->actions();
            QCOMPARE(items.size(), 7);
            QCOMPARE(items[0]->text(), QLatin1String(side) == QLatin1String("Ref")
                                           ? QStringLiteral("Reference Geod")
                                           : QStringLiteral("Target Geod"));
            QVERIFY(items[1]->isSeparator());
            const QStringList names{"MenuEditLatLongMsl", "MenuEditEastNorthUp",
                                    "MenuEditRangeAzEl"};
            for (int i = 0; i < 3; ++i) {
                QCOMPARE(items[i + 2]->text(), captions[i]);
                QCOMPARE(items[i + 2]->objectName(), names[i] + side);
            }
            QVERIFY(items[5]->isSeparator());
            QCOMPARE(items[6]->text(), QStringLiteral("Line Of Sight..."));
            QCOMPARE(items[6]->objectName(), QStringLiteral("MenuLineOfSight") + side);
        }
        for (const char* over : {"Panel1", "Panel3", "Panel4", "Panel5", "LabelLatRef",
                                 "CaptionEastNmiRef", "CaptionGeodRef"}) {
            QMenu* menu = RightClick(program.Find(over));
            QVERIFY2(menu != nullptr && menu->objectName() == "PopupMenuRef", over);
        }
        for (const char* over :
             {"Panel2", "Panel9", "Panel10", "Panel11", "LabelElTgt", "CaptionFromTgt"}) {
            QMenu* menu = RightClick(program.Find(over));
            QVERIFY2(menu != nullptr && menu->objectName() == "PopupMenuTgt", over);
        }
    }

    void targetLatitudeThroughItsMenuMovesTheTarget() {
        ScratchWorkingDirectory dir;
        Program program;
        QMenu* menu = program.Page().PopupMenuNamed(QStringLiteral("PopupMenuTgt"));
        auto* item = menu->findChild<QAction*>(QStringLiteral("MenuEditLatLongMslTgt"));
        QVERIFY(item != nullptr);
        QString title;
        QStringList tabOrder;
        AnswerDialog({{"EditLat", "35 51 15.010"}}, &title, &tabOrder);
        item->trigger();
        QCOMPARE(title, QStringLiteral("Enter Lat Long Msl"));
        QCOMPARE(tabOrder, (QStringList{"EditLat", "EditLong", "EditMsl", "CancelBtn", "OKBtn"}));
        QCOMPARE(program.Text("LabelLatTgt"), QStringLiteral("035 51 15.010"));
        QCOMPARE(program.Text("LabelNorthNmiTgt"), QStringLiteral("9.99"));
        QCOMPARE(program.Text("LabelElTgt"), QStringLiteral("-0.08"));
        QCOMPARE(program.Text("LabelNorthNmiRef"), QStringLiteral("-9.99"));
        QCOMPARE(program.Text("LabelAzRef"), QStringLiteral("180.00"));
    }

    void offsetDialogsCarryTheSideInTheirCaption_data() {
        QTest::addColumn<QString>("item");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QStringList>("tabOrder");
        const QStringList enu{"EditEast", "EditNorth", "EditUp", "CancelBtn", "OKBtn"};
        const QStringList rae{"EditRange", "EditAz", "EditEl", "CancelBtn", "OKBtn"};
        QTest::newRow("ENU ref") << "MenuEditEastNorthUpRef"
                                 << "Enter East North Up From Tgt Geod" << enu;
        QTest::newRow("RAE ref") << "MenuEditRangeAzElRef"
                                 << "Enter Range Az El From Tgt Geod" << rae;
        QTest::newRow("ENU tgt") << "MenuEditEastNorthUpTgt"
                                 << "Enter East North Up From Ref Geod" << enu;
        QTest::newRow("RAE tgt") << "MenuEditRangeAzElTgt"
                                 << "Enter Range Az El From Ref Geod" << rae;
    }

    void offsetDialogsCarryTheSideInTheirCaption() {
        QFETCH(QString, item);
        QFETCH(QString, title);
        QFETCH(QStringList, tabOrder);
        ScratchWorkingDirectory dir;
        Program program;
        const QString menu = item.endsWith(QLatin1String("Ref")) ? "PopupMenuRef" : "PopupMenuTgt";
        QString shown;
        QStringList order;
        AnswerDialog({}, &shown, &order);
        program.Page().PopupMenuNamed(menu)->findChild<QAction*>(item)->trigger();
        QCOMPARE(shown, title);
        QCOMPARE(order, tabOrder);
    }

    void rightClickOnTheMissPanelOpensItsDialog() {
        ScratchWorkingDirectory dir;
        Program program;
        QString title;
        QStringList order;
        AnswerDialog({{"EditDx", "-100"}, {"EditDy", "100"}}, &title, &order);
        QCOMPARE(RightClick(program.Find("LabelDist")), nullptr);
        QCOMPARE(title, QStringLiteral("Enter Dx Dy"));
        QCOMPARE(order, (QStringList{"EditDx", "EditDy", "CancelBtn", "OKBtn"}));
        QCOMPARE(program.Text("LabelDx"), QStringLiteral("-100.00"));
        QCOMPARE(program.Text("LabelDist"), QStringLiteral("141.42"));
        QCOMPARE(program.Text("LabelClock"), QStringLiteral("10:30"));
    }

    void positionsAndMissSurviveARestart() {
        ScratchWorkingDirectory dir;
        {
            Program first;
            AnswerDialog({{"EditEast", "3"}, {"EditNorth", "4"}});
            first.Page()
                .PopupMenuNamed(QStringLiteral("PopupMenuTgt"))
                ->findChild<QAction*>(QStringLiteral("MenuEditEastNorthUpTgt"))
                ->trigger();
            AnswerDialog({{"EditDy", "-100"}});
            RightClick(first.Find("Panel6"));
            QCOMPARE(first.Text("LabelRgNmiTgt"), QStringLiteral("5.00"));
        }
        Program second;
        QCOMPARE(second.Text("LabelRgNmiTgt"), QStringLiteral("5.00"));
        QCOMPARE(second.Text("LabelRgNmiRef"), QStringLiteral("5.00"));
        QCOMPARE(second.Text("LabelClock"), QStringLiteral("06:00"));
    }
};

}  // namespace
}  // namespace quorvel::testing

QTEST_MAIN(quorvel::testing::Wg84FormTest)
#include "wg84_form_test.moc"
