// The Number page's window, driven through its real widgets by object name: the edit box and
// its entry rules, the radix buttons, the two lists, the guards, the colours, and a layout
// that shows every text whole in the page's client area.
#include <QApplication>
#include <QComboBox>
#include <QDebug>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>

#include <string>

#include "pages/number/number_page.h"
#include "pages/number/qt/number_form.h"
#include "qt_support/page_host.h"
#include "qt_support/window_fixture.h"
#include "shell/ini_store.h"
#include "shell/qt/scheme_colours.h"
#include "shell/qt/tab_control.h"
#include "window/qt/page_forms.h"

namespace quorvel {
namespace {

// The Number page on the main window's tab control.
struct Host : testing::PageHost {
    Host() : PageHost(1) {}
    NumberPageModel& Model() { return static_cast<NumberPageModel&>(page->Model()); }
    void Load(const std::string& iniText) {
        page->Model().LoadSettings(IniText(iniText));
        page->ShowValues();
    }

    template <typename T>
    T* Find(const char* name) const {
        return page->findChild<T*>(QString::fromLatin1(name));
    }
    QLineEdit* Edit() const { return Find<QLineEdit>("EditBaseNumber"); }
    QString Text(const char* label) const { return Find<QLabel>(label)->text(); }
};

bool HasCaption(const QWidget* page, const QString& text) {
    for (const QLabel* label : page->findChildren<QLabel*>()) {
        if (label->text() == text && label->objectName().isEmpty()) {
            return true;
        }
    }
    return false;
}

class NumberFormTest : public QObject {
    Q_OBJECT

private slots:
    void controlsCarryTheirNamesAndCaptions() {
        Host host;
        QCOMPARE(host.page->Caption(), QStringLiteral("Number Functions"));
        QVERIFY(host.Find<QWidget>("Panel1") != nullptr);
        const char* const radios[][2] = {{"ButtonRadixHex", "Hex"},
                                         {"ButtonRadixBinary", "Binary"},
                                         {"ButtonRadixOctal", "Octal"},
                                         {"ButtonRadixDec", "Dec"}};
        for (const auto& radio : radios) {
            QRadioButton* button = host.Find<QRadioButton>(radio[0]);
            QVERIFY2(button != nullptr, radio[0]);
            QCOMPARE(button->text(), QString::fromLatin1(radio[1]));
        }
        QComboBox* numBits = host.Find<QComboBox>("ComboNumBits");
        QComboBox* rotBits = host.Find<QComboBox>("ComboRotBits");
        QCOMPARE(numBits->count(), 29);
        QCOMPARE(numBits->itemText(0), QStringLiteral("4"));
        QCOMPARE(numBits->itemText(28), QStringLiteral("32"));
        QCOMPARE(rotBits->count(), 32);
        QCOMPARE(rotBits->itemText(31), QStringLiteral("31"));
        for (const char* caption :
             {"Bits In Number", "Bits To Rotate", "Bits Required for Value",
              "Num Bits Set in Value", "Base #", "Reversed Bits", "Rotated Left Bits",
              "Rotated Right Bits", "(16)", "(2)", "(8)", "(10)", "Twos Comp", "Offset Binary",
              "Ones Comp", "Sign Magnitude", "IEEE 754 Float", "MilStd 1750 Float", "DEC Float"}) {
            QVERIFY2(HasCaption(host.page, QString::fromLatin1(caption)), caption);
        }
        // Every control of the display list is on the page.
        for (const DisplayItem& item : host.page->Model().Display()) {
            QVERIFY2(host.page->findChild<QWidget*>(QString::fromStdString(item.name)),
                     item.name.c_str());
        }
    }

    void firstShowingShowsTheDefaults() {
        Host host;
        QVERIFY(host.Edit()->text().isEmpty());
        host.Show();
        QCOMPARE(host.Edit()->text(), QStringLiteral("0x0000"));
        QVERIFY(host.Find<QRadioButton>("ButtonRadixHex")->isChecked());
        QCOMPARE(host.Find<QComboBox>("ComboNumBits")->currentText(), QStringLiteral("16"));
        QCOMPARE(host.Find<QComboBox>("ComboRotBits")->currentText(), QStringLiteral("0"));
        QCOMPARE(host.Text("LabelBitsRequired"), QStringLiteral("0"));
        QCOMPARE(host.Text("LabelNumBitsSet"), QStringLiteral("0"));
        QCOMPARE(host.Text("StaticPatternBinary"), QStringLiteral("0000000000000000"));
        QCOMPARE(host.Text("Label754Float"), QStringLiteral("0.00000000"));
    }

    void enterAppliesTheTypedEntryAndNoKeyIsRefused() {
        Host host;
        host.Show();
        QLineEdit* edit = host.Edit();
        QTest::mouseClick(edit, Qt::LeftButton);
        QVERIFY(edit->hasFocus());
        edit->selectAll();
        QTest::keyClicks(edit, QStringLiteral("1Z! q"));
        QCOMPARE(edit->text(), QStringLiteral("1Z! q"));
        QTest::keyClick(edit, Qt::Key_Return);
        QCOMPARE(host.Model().Values().baseValue, 1U);
        QCOMPARE(edit->text(), QStringLiteral("0x0001"));
        QCOMPARE(host.Text("StaticPatternDec"), QStringLiteral("1"));

        edit->selectAll();
        QTest::keyClicks(edit, QStringLiteral("xyz"));
        QTest::keyClick(edit, Qt::Key_Enter);
        QCOMPARE(host.Model().Values().baseValue, 0U);
    }

    void leavingTheBoxAppliesTheEntry() {
        Host host;
        host.Show();
        QLineEdit* edit = host.Edit();
        edit->setFocus();
        edit->selectAll();
        QTest::keyClicks(edit, QStringLiteral("ABCD"));
        QTest::keyClick(edit, Qt::Key_Tab);
        QVERIFY(!edit->hasFocus());
        QCOMPARE(host.Model().Values().baseValue, 0xABCDU);
        QCOMPARE(host.Text("StaticPatternDec"), QStringLiteral("43981"));
    }

    // The octal text the page shows, with its "o", read back unchanged by Enter and by
    // leaving the box; so is a cut text of a value wider than N.
    void untouchedEntryKeepsTheValue() {
        Host host;
        host.Show();
        host.Load("[Number]\r\nBase10Value=4660\r\nConvertBase=8\r\n");
        QLineEdit* edit = host.Edit();
        QCOMPARE(edit->text(), QStringLiteral("o011064"));
        edit->setFocus();
        QTest::keyClick(edit, Qt::Key_Return);
        QTest::keyClick(edit, Qt::Key_Tab);
        QCOMPARE(host.Model().Values().baseValue, 4660U);

        host.Load("[Number]\r\nBase10Value=300\r\nNumBits=8\r\nConvertBase=16\r\n");
        QCOMPARE(edit->text(), QStringLiteral("0x12"));
        edit->setFocus();
        QTest::keyClick(edit, Qt::Key_Tab);
        QCOMPARE(host.Model().Values().baseValue, 300U);
        QCOMPARE(host.Text("StaticPatternDec"), QStringLiteral("300"));
    }

    void radixButtonsAndListsRedisplay() {
        Host host;
        host.Show();
        host.Load("[Number]\r\nBase10Value=65535\r\n");
        host.Find<QRadioButton>("ButtonRadixBinary")->click();
        QCOMPARE(host.Edit()->text(), QStringLiteral("1111111111111111"));
        QVERIFY(!host.Find<QRadioButton>("ButtonRadixHex")->isChecked());

        QComboBox* numBits = host.Find<QComboBox>("ComboNumBits");
        numBits->setFocus();
        QTest::keyClick(numBits, Qt::Key_Down);
        QCOMPARE(host.Model().Values().numBits, 17);
        QCOMPARE(host.Edit()->text(), QStringLiteral("01111111111111111"));

        QComboBox* rotBits = host.Find<QComboBox>("ComboRotBits");
        rotBits->setFocus();
        QTest::keyClick(rotBits, Qt::Key_End);
        QCOMPARE(host.Model().Values().bitsToRotate, 31);
        QCOMPARE(host.Text("StaticPatternDecRotL"), QStringLiteral("2147516415"));
        QCOMPARE(host.Text("StaticPatternDecRotR"), QStringLiteral("131070"));
    }

    // Arrow keys move the check between the radix buttons as clicks do.
    void arrowKeysChooseTheRadixToo() {
        Host host;
        host.Show();
        QRadioButton* hex = host.Find<QRadioButton>("ButtonRadixHex");
        hex->setFocus();
        QTest::keyClick(hex, Qt::Key_Right);
        QCOMPARE(host.Model().Values().convertBase, 2);
        QCOMPARE(host.Edit()->text(), QStringLiteral("0000000000000000"));
    }

    void unknownRadixChecksNoButton() {
        Host host;
        host.Show();
        host.Load("[Number]\r\nBase10Value=77\r\nConvertBase=5\r\n");
        QCOMPARE(host.Edit()->text(), QStringLiteral("unk"));
        for (QRadioButton* button : host.page->findChildren<QRadioButton*>()) {
            QVERIFY2(!button->isChecked(), qPrintable(button->objectName()));
        }
        host.Edit()->setFocus();
        QTest::keyClick(host.Edit(), Qt::Key_Tab);
        QCOMPARE(host.Model().Values().baseValue, 77U);
        host.Find<QRadioButton>("ButtonRadixDec")->click();
        QCOMPARE(host.Edit()->text(), QStringLiteral("77"));
    }

    void handlersWaitForTheFirstShowingAndStopAtShutDown() {
        Host host;
        host.Find<QRadioButton>("ButtonRadixDec")->click();
        QCOMPARE(host.Model().Values().convertBase, 16);

        host.Show();
        host.quiet.Run().SetShuttingDown(true);
        host.Find<QRadioButton>("ButtonRadixDec")->click();
        QLineEdit* edit = host.Edit();
        edit->setFocus();
        edit->selectAll();
        QTest::keyClicks(edit, QStringLiteral("FF"));
        QTest::keyClick(edit, Qt::Key_Return);
        QCOMPARE(host.Model().Values().convertBase, 16);
        QCOMPARE(host.Model().Values().baseValue, 0U);
    }

    void resultsTakeTheReferenceLabelsColour() {
        Host host;
        SetFontColour(host.Find<QWidget>("Panel1"), Qt::white);
        SetFontColour(host.Find<QWidget>("LabelBitsRequired"), QColor(0, 255, 0));
        host.Show();
        for (const char* label : {"LabelNumBitsSet", "StaticPatternBinaryRotR",
                                  "LabelSignMagnitude10", "LabelDecFloat"}) {
            QCOMPARE(FontColour(host.Find<QWidget>(label)), QColor(0, 255, 0));
        }
        QCOMPARE(FontColour(host.Find<QWidget>("ButtonRadixOctal")), QColor(Qt::white));
    }

    // At N = 32 with every bit set (and in binary entry), each text fits its control, each
    // control lies inside the page, and no two controls overlap.
    void widestTextsAreShownWhole() {
        Host host;
        host.Show();
        host.Load("[Number]\r\nBase10Value=4294967295\r\nNumBits=32\r\nConvertBase=2\r\n");
        host.page->ShowValues();
        QCOMPARE(host.Text("StaticPatternBinary"), QString(32, QLatin1Char('1')));

        const QRect pageRect = host.page->rect();
        std::vector<std::pair<QString, QRect>> placed;
        for (const DisplayItem& item : host.page->Model().Display()) {
            auto* widget = host.page->findChild<QWidget*>(QString::fromStdString(item.name));
            const QRect box(widget->mapTo(host.page, QPoint(0, 0)), widget->size());
            QVERIFY2(pageRect.contains(box), item.name.c_str());
            for (const auto& [name, other] : placed) {
                QVERIFY2(!box.intersects(other), qPrintable(name + " / " + item.name.c_str()));
            }
            placed.emplace_back(QString::fromStdString(item.name), box);
            if (auto* label = qobject_cast<QLabel*>(widget)) {
                const int needed = QFontMetrics(label->font()).horizontalAdvance(label->text());
                QVERIFY2(needed <= label->contentsRect().width(), item.name.c_str());
            }
        }
        QLineEdit* edit = host.Edit();
        QCOMPARE(edit->text(), QString(32, QLatin1Char('1')));
        const int needed = QFontMetrics(edit->font()).horizontalAdvance(edit->text());
        QVERIFY(needed + 8 <= edit->width());
    }

    // The longest float and signed texts fit their labels too: the largest and most negative
    // numbers of each float format, and -2^31 in every encoding.
    void longestFloatAndSignedTextsFit() {
        Host host;
        host.Show();
        for (const char* value : {"4286578687", "4294967167", "2147483647", "2147483648"}) {
            host.Load(std::string("[Number]\r\nNumBits=32\r\nBase10Value=") + value + "\r\n");
            for (const DisplayItem& item : host.page->Model().Display()) {
                if (auto* label =
                        host.page->findChild<QLabel*>(QString::fromStdString(item.name))) {
                    QVERIFY2(QFontMetrics(label->font()).horizontalAdvance(label->text()) <=
                                 label->contentsRect().width(),
                             qPrintable(QString::fromLatin1(value) + " " + label->text()));
                }
            }
        }
        QCOMPARE(host.Text("LabelTwosComp10"), QStringLiteral("-2147483648"));
    }
};

}  // namespace
}  // namespace quorvel

QTEST_MAIN(quorvel::NumberFormTest)
#include "number_form_test.moc"
