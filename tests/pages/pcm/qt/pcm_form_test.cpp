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
#include <QToolTip>

#include <cmath>
#include <memory>
#include <variant>

#include "common/qt/menu_items.h"
#include "common/qt/picture_painter.h"
#include "pages/pcm/pcm_page.h"
#include "pages/pcm/qt/frame_map_form.h"
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
    TPcmDataForm& Pcm() const { return *qobject_cast<TPcmDataForm*>(&Page()); }
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

// The sample figures beside the frame map, which keep to ten characters.
const QStringList kFigureLabels{"LabelWordTime", "LabelSampleRate", "LabelIntervalTime",
                                "LabelLongestGap"};

// No widget of the page is clipped or leaves its panel, and every value label has the room of
// the widest text it can show.
void EveryValueFits(const Program& program) {
    TPageForm& page = program.Page();
    CompareEveryWidgetFits(page);
    for (const QString& name : kResultLabels) {
        const QWidget* label = program.Find(name);
        const QString widest(kFigureLabels.contains(name) ? kSampleFigurePrecision : 12,
                             QLatin1Char('8'));
        QVERIFY2(label->fontMetrics().horizontalAdvance(widest) <= label->width(),
                 qPrintable(name));
    }
}

TPictureView* MapView(const Program& program) {
    return program.Find<TPictureView>(QStringLiteral("PaintBoxFrameMap"));
}

// The middle of the cell of a 0-based word and minor frame in the view's map.
QPoint CellMiddle(const Program& program, const TPictureView* view, int row, int word) {
    const FrameMapGrid grid =
        program.Pcm().PcmModel().MapOfFrame(view->width(), view->height(), false).Grid();
    // The pixel that holds that point of the picture, which the view shows at its own size.
    return QPoint(static_cast<int>(std::floor(grid.left + (word + 0.5) * grid.words.pitch)),
                  static_cast<int>(std::floor(grid.top + (row + 0.5) * grid.minorFrames.pitch)));
}

// The texts a picture writes.
QStringList PictureTexts(const Picture& picture) {
    QStringList texts;
    for (const PictureShape& shape : picture.shapes) {
        if (const auto* text = std::get_if<PictureText>(&shape)) {
            texts << QString::fromStdString(text->text);
        }
    }
    return texts;
}

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
        EveryValueFits(program);
    }

    void slowestFrameFiguresFitTheirLabels() {
        ScratchWorkingDirectory dir;
        // The slowest words and the longest minor frame: every time at its longest.
        WriteSettings(
            "Bitrate=10\r\nCwl=1\r\nWpf=16384\r\nNumsf=8192\r\nNumFspWords=1\r\n"
            "DwdWordStart=1\r\nDwdWordStop=16383\r\nDwdWordInterval=16382\r\n");
        Program program;
        QCOMPARE(program.Text("LabelWordTime"), QStringLiteral("100000.000"));
        QCOMPARE(program.Text("LabelSampleRate"), QStringLiteral("0.00"));
        QCOMPARE(program.Text("LabelIntervalTime"), QStringLiteral("1638200000"));
        QCOMPARE(program.Text("LabelLongestGap"), QStringLiteral("1638200000"));
        EveryValueFits(program);
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

    void frameMapStandsRightOfTheValuesWithItsFigures() {
        ScratchWorkingDirectory dir;
        WriteSettings();
        Program program;
        QWidget* panel = program.Find("PanelFrameMap");
        QVERIFY(panel != nullptr);
        QCOMPARE(panel->parentWidget()->objectName(), QStringLiteral("PanelMain"));
        QVERIFY(panel->geometry().left() > program.Find("PanelBasics")->geometry().right());
        QCOMPARE(program.Text("LabelFrameMapInfo"), QStringLiteral("Frame Map"));
        TPictureView* map = MapView(program);
        QVERIFY(map != nullptr);
        QCOMPARE(map, program.Pcm().FrameMapView());
        QVERIFY(panel->isAncestorOf(map));
        // Drawn for the room it has, and summed up for a screen reader.
        QCOMPARE(map->CurrentPicture().width, static_cast<double>(map->width()));
        QCOMPARE(map->CurrentPicture().height, static_cast<double>(map->height()));
        QCOMPARE(map->accessibleName(), QStringLiteral("Frame Map"));
        QVERIFY(map->accessibleDescription().startsWith(
            QStringLiteral("Frame map of 16 minor frames of 128 words with 3 FSP words leading")));
        const QStringList copied = program.Pcm().ValuesText().split(QLatin1Char('\n'));
        for (const char* line : {"Word Time (µs)\t15.625", "Sample Rate (sps)\t500.00",
                                 "Interval Time (µs)\t0.000", "Longest Gap (µs)\t2000.000"}) {
            QVERIFY2(copied.contains(QString::fromUtf8(line)), line);
        }
    }

    void frameMapFollowsTheDataWordAndNamesTheCellUnderTheMouse() {
        ScratchWorkingDirectory dir;
        WriteSettings();
        Program program;
        TPictureView* map = MapView(program);
        AnswerTextEntry(QStringLiteral("5"));
        RunPopupCommand(program.Find("PanelDataWord"), "Word Interval");
        QCOMPARE(program.Text("LabelIntervalTime"), QStringLiteral("78.125"));
        QVERIFY(map->accessibleDescription().contains(QStringLiteral("25 times a minor frame")));
        // Word 9 of minor frame 2 is the data word's second sample: (128 + 8) words in.
        QTest::mouseMove(map, CellMiddle(program, map, 1, 8));
        QCOMPARE(QToolTip::text(),
                 QStringLiteral("Minor frame 2, word 9: sampled data word, 2125.000 µs into "
                                "the major frame"));
    }

    void clickOpensOneLargerMapThatFollowsThePage() {
        ScratchWorkingDirectory dir;
        WriteSettings();
        Program program;
        TPictureView* map = MapView(program);
        QVERIFY(program.Pcm().LargeMap() == nullptr);
        QTest::mouseClick(map, Qt::LeftButton, {}, map->rect().center());
        TFrameMapForm* large = program.Pcm().LargeMap();
        QVERIFY(large != nullptr);
        QCOMPARE(large->objectName(), QStringLiteral("FrameMapForm"));
        QVERIFY(large->isVisible() && large->isWindow() && !large->isModal());
        auto* view = large->findChild<TPictureView*>(QStringLiteral("PaintBoxLargeMap"));
        QVERIFY(view != nullptr);
        // Its own size, the figures under the map.
        large->resize(900, 600);
        QCOMPARE(view->CurrentPicture().width, 900.0);
        QCOMPARE(view->CurrentPicture().height, 600.0);
        QVERIFY(PictureTexts(view->CurrentPicture()).contains(QStringLiteral("2000.000")));

        AnswerTextEntry(QStringLiteral("5"));
        RunPopupCommand(program.Find("PanelDataWord"), "Word Interval");
        QVERIFY(view->accessibleDescription().contains(QStringLiteral("25 times a minor frame")));
        QVERIFY(PictureTexts(view->CurrentPicture()).contains(QStringLiteral("125.000")));

        // A second click brings the same window forward.
        QTest::mouseClick(map, Qt::LeftButton, {}, map->rect().center());
        QCOMPARE(program.Pcm().LargeMap(), large);
        QCOMPARE(program.Pcm().findChildren<TFrameMapForm*>().size(), 1);
        large->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(program.Pcm().LargeMap() == nullptr);
    }

    void frameMapFollowsTheScheme_data() {
        QTest::addColumn<QByteArray>("options");
        QTest::addColumn<QColor>("data");
        QTest::newRow("defaults") << QByteArray() << QColor(0, 255, 0);
        QTest::newRow("red results")
            << QByteArray("[COLORS]\r\nDeviceGuiDataColor=255\r\n") << QColor(255, 0, 0);
    }

    void frameMapFollowsTheScheme() {
        QFETCH(QByteArray, options);
        QFETCH(QColor, data);
        ScratchWorkingDirectory dir;
        if (!options.isEmpty()) {
            WriteFileBytes(dir.File(QStringLiteral("ServerOptions.Opt")), options);
        }
        WriteSettings();
        Program program;
        // The map stands on the panel colour with its samples in the data colour, and the
        // hardcopy, a picture of PanelScreen, holds it as the window shows it.
        TPictureView* map = MapView(program);
        const QPoint sample = CellMiddle(program, map, 0, 3);
        const QImage shown = map->grab().toImage();
        QCOMPARE(shown.pixelColor(sample), data);
        QCOMPARE(shown.pixelColor(1, 1), QColor(78, 78, 78));
        QWidget* screen = program.window->PanelScreen();
        const QImage hardcopy = screen->grab(screen->rect()).toImage();
        QCOMPARE(hardcopy.pixelColor(map->mapTo(screen, sample)), data);
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
