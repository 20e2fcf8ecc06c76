// The PCM Data page in the real window, driven by object name: what a fresh page shows, its
// three panels under their headings, wide values, the popup menus with the FSP Position and
// PRN submenus, the two messages, the colours and the settings across a restart.
#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

#include <memory>

#include "common/qt/menu_items.h"
#include "pages/pcm/pcm_page.h"
#include "pages/pcm/qt/pcm_form.h"
#include "qt_support/form_checks.h"
#include "qt_support/page_driving.h"
#include "qt_support/window_fixture.h"
#include "shell/qt/scheme_colours.h"
#include "window/qt/main_form.h"

namespace quorvel::testing {
namespace {

constexpr int kPcmTab = 6;

// Writes the settings file of the current working directory: the PCM Data tab selected and
// the page's section as given.
void WriteSettings(const QByteArray& section = QByteArray()) {
    QByteArray settings = "[MiscInfo]\r\nPageControl=6\r\n";
    if (!section.isEmpty()) {
        settings += "[Pcm Data]\r\n" + section;
    }
    WriteFileBytes(QStringLiteral("QuorvelII.Cfg"), settings);
}

// One run of the program in the current working directory.
struct Program : PageProgram {
    Program() : PageProgram(kPcmTab) {}
    TPcmDataForm& Pcm() { return *qobject_cast<TPcmDataForm*>(&Page()); }
};

void TypeAnswer(QWidget* box, const QString& text) {
    auto* edit = box->findChild<QLineEdit*>(QStringLiteral("EditValue"));
    edit->selectAll();
    QTest::keyClicks(edit, text);
    box->findChild<QPushButton*>(QStringLiteral("OKBtn"))->click();
}

// Closes the next message box with OK, noting its text.
void AnswerMessage(QString* text) {
    AnswerNextModal([text](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        QVERIFY(box != nullptr);
        *text = box->text();
        box->button(QMessageBox::Ok)->click();
    });
}

const QStringList kResultLabels = DisplayNames(PcmDataPageModel());

class PcmFormTest : public QObject {
    Q_OBJECT

private slots:
    void freshPageShowsTheDefaultFrame() {
        ScratchWorkingDirectory dir;
        WriteSettings();
        Program program;
        QCOMPARE(program.Pcm().metaObject()->className(), "quorvel::TPcmDataForm");
        QCOMPARE(program.Pcm().Caption(), QStringLiteral("PCM Data Functions"));
        QCOMPARE(program.Text("LabelBitrate"), QStringLiteral("1024000"));
        QCOMPARE(program.Text("LabelWordRate"), QStringLiteral("64000.00"));
        QCOMPARE(program.Text("LabelMinorFrameRate"), QStringLiteral("500.00"));
        QCOMPARE(program.Text("LabelMajorFrameRate"), QStringLiteral("31.25"));
        QCOMPARE(program.Text("LabelNumDataWds"), QStringLiteral("125"));
        QCOMPARE(program.Text("LabelDataWdStartWord"), QStringLiteral("4"));
        QCOMPARE(program.Text("LabelDataWdStopWord"), QStringLiteral("4"));
        QCOMPARE(program.Text("LabelUpsPerMinor"), QStringLiteral("1"));
        QCOMPARE(program.Text("LabelUpsPerMajor"), QStringLiteral("16"));
        QCOMPARE(program.Text("LabelBer"), QStringLiteral("500"));
    }

    void panelsHoldTheirHeadingsCaptionsAndResults_data() {
        AddPanelColumns();
        QTest::newRow("basics")
            << "PanelBasics"
            << "PanelMain"
            << QStringList{"Basic Frame Info",
                           "Bit Rate (bps)",
                           "Bits Per Word",
                           "Words Per Minor Frame",
                           "Minor Frames per Major Frame",
                           "Num FSP Words",
                           "FSP Position",
                           "Word Rate (Hz)",
                           "Minor Frame Rate (Hz)",
                           "Major Frame Rate (Hz)",
                           "Num Data Words"}
            << QStringList{
                   "LabelBitrate",        "LabelCwl",       "LabelWpf",      "LabelNumSf",
                   "LabelNumFspWords",    "LabelFspPos",    "LabelWordRate", "LabelMinorFrameRate",
                   "LabelMajorFrameRate", "LabelNumDataWds"};
        QTest::newRow("data word")
            << "PanelDataWord"
            << "PanelMain"
            << QStringList{"Data Word Info", "Word Start",        "Word Stop",
                           "Word Interval",  "Updates Per Minor", "Updates Per Major"}
            << QStringList{"LabelDataWdStartWord", "LabelDataWdStopWord", "LabelDataWdWdInterval",
                           "LabelUpsPerMinor", "LabelUpsPerMajor"};
        QTest::newRow("ber") << "PanelBert"
                             << "PanelMain"
                             << QStringList{"BER Info", "PRN Pattern", "Errors Once/Cycle"}
                             << QStringList{"LabelPrnPattern", "LabelBer"};
    }

    void panelsHoldTheirHeadingsCaptionsAndResults() {
        ScratchWorkingDirectory dir;
        WriteSettings();
        Program program;
        const QWidget* widget = ComparePanelRow(program.Page(), kResultLabels);
        QVERIFY(widget != nullptr);
        QCOMPARE(widget->toolTip(), QStringLiteral("Right click to edit"));
    }

    void widestValuesFitTheirLabels() {
        ScratchWorkingDirectory dir;
        // The fastest frame the prompts allow: every rate at its longest.
        WriteSettings(
            "Bitrate=30000000\r\nCwl=1\r\nWpf=1\r\nNumsf=1\r\nNumFspWords=16\r\nPrnPat=0\r\n");
        Program program;
        QCOMPARE(program.Text("LabelWordRate"), QStringLiteral("30000000.00"));
        QCOMPARE(program.Text("LabelMinorFrameRate"), QStringLiteral("30000000.00"));
        QCOMPARE(program.Text("LabelMajorFrameRate"), QStringLiteral("30000000.00"));
        QCOMPARE(program.Text("LabelNumDataWds"), QStringLiteral("-15"));
        QCOMPARE(program.Text("LabelBer"), QStringLiteral("14656"));
        TPageForm& page = program.Pcm();
        CompareEveryWidgetFits(page);
        const int widest = program.Find<QLabel>("LabelWordRate")
                               ->fontMetrics()
                               .horizontalAdvance(QStringLiteral("888888888888"));
        for (const QString& name : kResultLabels) {
            QVERIFY2(widest <= program.Find(name)->width(), qPrintable(name));
        }
    }

    void menusOpenOverTheirPanelsWithTheModelsCommands() {
        ScratchWorkingDirectory dir;
        WriteSettings();
        Program program;
        const struct {
            const char* widget;
            const char* menu;
        } cases[] = {
            {"PanelBasics", "PopupMenuBasic"},
            {"LabelBasicFrameInfo", "PopupMenuBasic"},
            {"LabelNumDataWds", "PopupMenuBasic"},
            {"PanelDataWord", "PopupMenuDataWord"},
            {"CaptionUpsPerMajor", "PopupMenuDataWord"},
            {"PanelBert", "PopupMenuBer"},
            {"LabelBer", "PopupMenuBer"},
        };
        for (const auto& c : cases) {
            QMenu* menu = RightClick(program.Find(c.widget));
            QVERIFY2(menu != nullptr && menu->objectName() == c.menu, c.widget);
        }
        QStringList basic;
        for (const QAction* item : program.Pcm().PopupMenuNamed("PopupMenuBasic")->actions()) {
            basic << item->text();
        }
        QCOMPARE(basic, (QStringList{"Bit Rate", "Bits Per Word", "Words Per Minor Frame",
                                     "Minor Frames Per Major Frame",
                                     "Number of Framesync Pattern Words", "FSP Position"}));
        QStringList dataWord;
        for (const QAction* item : program.Pcm().PopupMenuNamed("PopupMenuDataWord")->actions()) {
            dataWord << item->text();
        }
        QCOMPARE(dataWord, (QStringList{"Word Start", "Word Interval", "Word Stop"}));
    }

    void prnSubmenuHasEightItemsOneChecked() {
        ScratchWorkingDirectory dir;
        WriteSettings();
        Program program;
        QMenu* ber = program.Pcm().PopupMenuNamed("PopupMenuBer");
        QCOMPARE(ber->actions().size(), 1);
        QCOMPARE(ber->actions().front()->text(), QStringLiteral("Prn Pattern"));
        QMenu* prn = program.Pcm().PrnPatternMenu();
        QVERIFY(prn != nullptr);
        QCOMPARE(ber->actions().front()->menu(), prn);
        const auto checkedItems = [prn] {
            QList<int> checked;
            for (const QAction* item : prn->actions()) {
                if (item->isChecked()) {
                    checked << MenuItemTag(item);
                }
            }
            return checked;
        };
        const QList<QAction*> items = prn->actions();
        QCOMPARE(items.size(), 8);
        const QStringList captions{"2 ^ 11", "2 ^ 15", "2 ^ 17", "2 ^ 19",
                                   "2 ^ 21", "2 ^ 23", "2 ^ 25", "2 ^ 27"};
        for (int i = 0; i < 8; ++i) {
            QCOMPARE(items[i]->text(), captions[i]);
            QCOMPARE(items[i]->objectName(), QStringLiteral("SubMenuPopMenuPrnPattern%1").arg(i));
            QCOMPARE(MenuItemTag(items[i]), i);
            QCOMPARE(items[i]->parent(), ber);
        }
        QCOMPARE(checkedItems(), QList<int>{0});

        items[7]->trigger();
        QCOMPARE(program.Text("LabelPrnPattern"), QStringLiteral("2 ^ 27"));
        QCOMPARE(program.Text("LabelBer"), QStringLiteral("0.01"));
        QCOMPARE(checkedItems(), QList<int>{7});
        items[4]->trigger();
        QCOMPARE(checkedItems(), QList<int>{4});
        QCOMPARE(program.Text("LabelBer"), QStringLiteral("0.5"));
    }

    void fspPositionIsCheckedToMatch() {
        ScratchWorkingDirectory dir;
        WriteSettings();
        Program program;
        QMenu* basic = program.Pcm().PopupMenuNamed("PopupMenuBasic");
        QAction* leads = MenuCommand(basic, "Leads");
        QAction* trails = MenuCommand(basic, "Trails");
        QVERIFY(leads != nullptr && trails != nullptr);
        QCOMPARE(leads->objectName(), QStringLiteral("PopMenuLeads1"));
        QVERIFY(leads->isChecked());
        QVERIFY(!trails->isChecked());
        QCOMPARE(program.Text("LabelFspPos"), QStringLiteral("Leads"));
        trails->trigger();
        QVERIFY(!leads->isChecked());
        QVERIFY(trails->isChecked());
        QCOMPARE(program.Text("LabelFspPos"), QStringLiteral("Trails"));
    }

    void oddWordsPerFrameShowsTheEvenMessage() {
        ScratchWorkingDirectory dir;
        WriteSettings();
        Program program;
        QString message;
        // The message box opens once the text-entry box has closed.
        AnswerNextModal([&message](QWidget* box) {
            AnswerMessage(&message);
            TypeAnswer(box, QStringLiteral("129"));
        });
        RunPopupCommand(program.Find("PanelBasics"), "Words Per Minor Frame");
        QCOMPARE(message, QStringLiteral("Must be an even number, bumping WPF by 1"));
        QCOMPARE(program.Text("LabelWpf"), QStringLiteral("130"));
        QCOMPARE(program.Text("LabelNumDataWds"), QStringLiteral("127"));
    }

    void wordStartWithTooFewWordsShowsItsMessageAndChangesNothing() {
        ScratchWorkingDirectory dir;
        WriteSettings("Wpf=2\r\nNumFspWords=3\r\n");
        Program program;
        QCOMPARE(program.Text("LabelNumDataWds"), QStringLiteral("-1"));
        QStringList before;
        for (const QString& name : kResultLabels) {
            before << program.Text(name);
        }
        QString message;
        AnswerMessage(&message);
        RunPopupCommand(program.Find("PanelDataWord"), "Word Start");
        QCOMPARE(message, QStringLiteral("Not Enough Words Per Frame"));
        QStringList after;
        for (const QString& name : kResultLabels) {
            after << program.Text(name);
        }
        QCOMPARE(after, before);
    }

    void wordStartTakesTheTypedWord() {
        ScratchWorkingDirectory dir;
        WriteSettings();
        Program program;
        AnswerTextEntry(QStringLiteral("10"));
        RunPopupCommand(program.Find("PanelDataWord"), "Word Start");
        AnswerTextEntry(QStringLiteral("5"));
        RunPopupCommand(program.Find("PanelDataWord"), "Word Interval");
        QCOMPARE(program.Text("LabelDataWdStartWord"), QStringLiteral("10"));
        QCOMPARE(program.Text("LabelDataWdStopWord"), QStringLiteral("125"));
        QCOMPARE(program.Text("LabelUpsPerMinor"), QStringLiteral("24"));
        QCOMPARE(program.Text("LabelUpsPerMajor"), QStringLiteral("384"));
    }

    void settingsSurviveARestart() {
        ScratchWorkingDirectory dir;
        WriteSettings("DwdWordStart=0\r\n");
        {
            Program first;
            AnswerTextEntry(QStringLiteral("2000000"));
            RunPopupCommand(first.Find("PanelBasics"), "Bit Rate");
            RunPopupCommand(first.Find("PanelBasics"), "Trails");
            RunPopupCommand(first.Find("PanelBert"), "2 ^ 15");
            QCOMPARE(first.Text("LabelBer"), QStringLiteral("61"));
        }
        // The data word as the page showed it: the stored start 0 was raised past the sync
        // words, and moving them to the end left it there.
        const QByteArray saved = ReadFileBytes(QStringLiteral("QuorvelII.Cfg"));
        QVERIFY(saved.contains("[Pcm Data]\r\nBitrate=2000000\r\n"));
        QVERIFY(saved.contains("FspTrails=YES\r\nDwdWordStart=3\r\nDwdWordStop=3\r\n"));
        QVERIFY(saved.contains("PrnPat=1\r\n"));

        Program second;
        QCOMPARE(second.Text("LabelBitrate"), QStringLiteral("2000000"));
        QCOMPARE(second.Text("LabelFspPos"), QStringLiteral("Trails"));
        QCOMPARE(second.Text("LabelDataWdStartWord"), QStringLiteral("4"));
        QCOMPARE(second.Text("LabelPrnPattern"), QStringLiteral("2 ^ 15"));
        QVERIFY(MenuCommand(second.Pcm().PopupMenuNamed("PopupMenuBasic"), "Trails")->isChecked());
        QVERIFY(second.Pcm().PrnPatternMenu()->actions().at(1)->isChecked());
    }
};

}  // namespace
}  // namespace quorvel::testing

QTEST_MAIN(quorvel::testing::PcmFormTest)
#include "pcm_form_test.moc"
