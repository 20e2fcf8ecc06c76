// The time and date entry dialogs in the window that shows them: the real edit boxes, keys,
// leaving the box, Enter, OK and Cancel, found by their object names.
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <algorithm>
#include <string>
#include <vector>

#include "common/qt/qt_interaction.h"
#include "pages/datetime/greg_date_prompt_dialog.h"
#include "pages/datetime/tod_prompt_dialog.h"
#include "qt_support/window_fixture.h"
#include "support/recording_cues.h"

namespace quorvel {
namespace {

using testing::AnswerNextModal;
using testing::RecordingCues;

template <typename T>
T* Child(QWidget* window, const char* name) {
    return window != nullptr ? window->findChild<T*>(QString::fromLatin1(name)) : nullptr;
}

// Makes the dialog window active so that focus moves as for a user.
bool Activate(QWidget* window) {
    window->activateWindow();
    QApplication::setActiveWindow(window);
    return QTest::qWaitForWindowActive(window);
}

// Closes a modal window that a failed check left open, so no test blocks.
void CloseIfOpen(QWidget* window) {
    if (window != nullptr && window->isVisible()) {
        window->close();
    }
}

class DateTimeDialogsWindowTest : public QObject {
    Q_OBJECT

private slots:
    void timeDialogShowsCaptionLabelAndTime() {
        RecordingCues cues;
        QtInteraction ui(nullptr, cues);
        QString title, label, text, tip = QStringLiteral("unset");
        AnswerNextModal([&](QWidget* window) {
            title = window->windowTitle();
            if (auto* caption = Child<QLabel>(window, "Label1")) {
                label = caption->text();
            }
            if (auto* edit = Child<QLineEdit>(window, "EditTod")) {
                text = edit->text();
                tip = edit->toolTip();
            }
            Child<QPushButton>(window, "CancelBtn")->click();
            CloseIfOpen(window);
        });
        double tod = 45296.0;
        TTodPromptDlg dialog(cues);
        QVERIFY(!dialog.Run(ui, tod));
        QCOMPARE(title, QStringLiteral("Enter Time of Day  hh:mm:ss"));
        QCOMPARE(label, QStringLiteral("Time Of Day"));
        QCOMPARE(text, QStringLiteral(" 12:34:56"));
        QCOMPARE(tip, QString());
    }

    void timeDialogDropsBackspaceAndLettersWithTheErrorCue() {
        RecordingCues cues;
        QtInteraction ui(nullptr, cues);
        QString afterKeys;
        AnswerNextModal([&](QWidget* window) {
            auto* edit = Child<QLineEdit>(window, "EditTod");
            if (edit != nullptr && Activate(window)) {
                edit->setCursorPosition(edit->text().size());
                QTest::keyClick(edit, Qt::Key_Backspace);
                QTest::keyClick(edit, Qt::Key_X);
                QTest::keyClick(edit, Qt::Key_Space);
                afterKeys = edit->text();
            }
            Child<QPushButton>(window, "OKBtn")->click();
            CloseIfOpen(window);
        });
        double tod = 45296.0;
        TTodPromptDlg dialog(cues);
        QVERIFY(dialog.Run(ui, tod));
        QCOMPARE(afterKeys, QStringLiteral(" 12:34:56"));
        QCOMPARE(cues.heard, (std::vector<std::string>{"error", "error", "error"}));
        QCOMPARE(tod, 45296.0);
    }

    void enterHandsBackTheTimeTypedInTheBox() {
        RecordingCues cues;
        QtInteraction ui(nullptr, cues);
        AnswerNextModal([](QWidget* window) {
            auto* edit = Child<QLineEdit>(window, "EditTod");
            if (edit != nullptr) {
                edit->selectAll();
                QTest::keyClicks(edit, "25:00:00");
                QTest::keyClick(edit, Qt::Key_Return);
            }
            CloseIfOpen(window);
        });
        double tod = 100.0;
        TTodPromptDlg dialog(cues);
        QVERIFY(dialog.Run(ui, tod));
        QCOMPARE(tod, 86400.0);
        QVERIFY(cues.heard.empty());
    }

    void dateDialogShowsItsCaptionLabelRewritesTheBoxAndCancelKeepsTheDate() {
        RecordingCues cues;
        QtInteraction ui(nullptr, cues);
        QString afterColon, afterLeaving, title, label;
        AnswerNextModal([&](QWidget* window) {
            title = window->windowTitle();
            if (auto* caption = Child<QLabel>(window, "Label1")) {
                label = caption->text();
            }
            auto* edit = Child<QLineEdit>(window, "EditGreg");
            if (edit != nullptr && Activate(window)) {
                edit->setFocus();
                edit->selectAll();
                QTest::keyClicks(edit, "2:");
                afterColon = edit->text();
                QTest::keyClicks(edit, "/3/06");
                QTest::keyClick(edit, Qt::Key_Tab);
                afterLeaving = edit->text();
            }
            Child<QPushButton>(window, "CancelBtn")->click();
            CloseIfOpen(window);
        });
        int day = 14, month = 2, year = 2006;
        TGregDatePromptDlg dialog(cues);
        QVERIFY(!dialog.Run(ui, day, month, year));
        QCOMPARE(title, QStringLiteral("Enter Gregorian Date xx/xx/xx or xx/xx/xxxx"));
        QCOMPARE(label, QStringLiteral("Gregorian Date"));
        QCOMPARE(afterColon, QStringLiteral("2"));
        QCOMPARE(afterLeaving, QStringLiteral("02/03/2006"));
        QCOMPARE(cues.heard, std::vector<std::string>{"error"});
        QCOMPARE(day, 14);
        QCOMPARE(month, 2);
        QCOMPARE(year, 2006);
    }
};

}  // namespace
}  // namespace quorvel

QTEST_MAIN(quorvel::DateTimeDialogsWindowTest)
#include "datetime_dialogs_window_test.moc"
