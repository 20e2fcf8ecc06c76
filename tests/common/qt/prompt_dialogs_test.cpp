// The Qt side of the prompts: the text-entry box, the generic dialog for a dialog model, and
// the interaction that page commands reach them through.
#include <QApplication>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>

#include <memory>
#include <string>
#include <vector>

#include "common/dialog_model.h"
#include "common/number_text.h"
#include "common/prompts.h"
#include "common/qt/input_box.h"
#include "common/qt/model_dialog.h"
#include "common/qt/qt_interaction.h"
#include "common/qt/qt_text.h"
#include "qt_support/window_fixture.h"
#include "support/recording_cues.h"

namespace quorvel {
namespace {

using testing::AnswerNextModal;
using testing::RecordingCues;

// A dialog of two boxes: leaving "EditA" solves B = 2 A. Every event is written to `events`.
class DoublingModel final : public DialogModel {
public:
    explicit DoublingModel(Cues& cues) : m_cues(cues) {}

    std::string_view Name() const override { return "TDoublingDlg"; }
    std::string Caption() const override { return caption; }
    std::vector<DialogBox> Boxes() const override { return {{"EditA", "A"}, {"EditB", "B"}}; }
    std::string BoxText(std::string_view box) const override {
        return FormatNumber(8, 2, box == "EditA" ? a : b);
    }
    bool KeyPress(std::string_view, char key) override {
        keys += key;
        return DialogKeyAllowed(key, m_cues);
    }
    void SetBoxText(std::string_view box, std::string text) override {
        events.push_back("text " + std::string(box) + " " + text);
        (box == "EditA" ? m_textA : m_textB) = std::move(text);
    }
    void BoxExit(std::string_view box) override {
        events.push_back("exit " + std::string(box));
        if (box == "EditA") {
            ParseReal(m_textA, a);
            b = 2 * a;
        }
    }
    void Ok() override {
        events.push_back("ok");
        cancelled = false;
    }
    void Cancel() override {
        events.push_back("cancel");
        cancelled = true;
    }
    bool Cancelled() const override { return cancelled; }
    bool CancelBeforeOk() const override { return cancelFirst; }

    std::string caption = "Enter 1 to solve others";
    double a = 1;
    double b = 2;
    bool cancelled = true;
    bool cancelFirst = false;
    std::string keys;
    std::vector<std::string> events;

private:
    Cues& m_cues;
    std::string m_textA = "1";
    std::string m_textB = "2";
};

template <typename T>
T* Child(QWidget* window, const char* name) {
    return window != nullptr ? window->findChild<T*>(QString::fromLatin1(name)) : nullptr;
}

// Makes a dialog window active so that focus moves as for a user.
void Activate(QWidget* window) {
    window->activateWindow();
    QApplication::setActiveWindow(window);
    QVERIFY(QTest::qWaitForWindowActive(window));
}

// Closes a modal window that a failed check left open, so no test blocks.
void CloseIfOpen(QWidget* window) {
    if (window != nullptr && window->isVisible()) {
        window->close();
    }
}

class PromptDialogsTest : public QObject {
    Q_OBJECT

private slots:
    void inputBoxShowsTitlePromptAndSelectedDefault() {
        TInputBoxDlg box(nullptr, "Input Value between 0.10 & 10000.00", "Enter the Ratio", "2.00");
        QCOMPARE(box.windowTitle(), QStringLiteral("Input Value between 0.10 & 10000.00"));
        QCOMPARE(Child<QLabel>(&box, "PromptLabel")->text(), QStringLiteral("Enter the Ratio"));
        auto* edit = Child<QLineEdit>(&box, "EditValue");
        QCOMPARE(edit->text(), QStringLiteral("2.00"));
        QCOMPARE(edit->selectedText(), QStringLiteral("2.00"));
        QCOMPARE(edit->maxLength(), 255);
        QVERIFY(Child<QPushButton>(&box, "OKBtn")->isDefault());
        QCOMPARE(Child<QPushButton>(&box, "CancelBtn")->text(), QStringLiteral("Cancel"));
    }

    // A window manager's title bar shows the title in its title font between the window's
    // icon and its buttons (about four text heights in all): the box is made wide enough for
    // the whole range, its low bound included, however long the bounds are.
    void titleShowsWhole_data() {
        QTest::addColumn<QString>("title");
        QTest::addColumn<bool>("inputBox");
        QTest::newRow("ratio prompt")
            << QStringLiteral("Input Value between 0.10 & 10000.00") << true;
        QTest::newRow("integer prompt")
            << QStringLiteral("Input Value between -2147483648 & 2147483647") << true;
        QTest::newRow("short prompt") << QStringLiteral("Input Value between 0 & 9") << true;
        QTest::newRow("solving dialog")
            << QStringLiteral("Enter 1 to solve others for Resonant Freq") << false;
    }

    void titleShowsWhole() {
        QFETCH(QString, title);
        QFETCH(bool, inputBox);
        RecordingCues cues;
        DoublingModel model(cues);
        model.caption = ToStdString(title);
        std::unique_ptr<QDialog> window;
        if (inputBox) {
            window = std::make_unique<TInputBoxDlg>(nullptr, ToStdString(title), "p", "1");
        } else {
            window = std::make_unique<TModelDlg>(model);
        }
        const QFontMetrics titleFont(QFontDatabase::systemFont(QFontDatabase::TitleFont));
        QCOMPARE(window->windowTitle(), title);
        QVERIFY2(window->width() >= titleFont.horizontalAdvance(title) + 4 * titleFont.height(),
                 qPrintable(QString::number(window->width())));
    }

    void inputBoxAnswers_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("answer");
        QTest::newRow("typed, OK") << "20000"
                                   << "OKBtn"
                                   << "20000";
        QTest::newRow("typed, Enter") << "abc"
                                      << "Enter"
                                      << "abc";
        QTest::newRow("typed, Cancel") << "20000"
                                       << "CancelBtn"
                                       << "2.00";
        QTest::newRow("typed, Escape") << "20000"
                                       << "Escape"
                                       << "2.00";
        QTest::newRow("typed, close box") << "20000"
                                          << "close"
                                          << "2.00";
        QTest::newRow("untouched, OK") << ""
                                       << "OKBtn"
                                       << "2.00";
        QTest::newRow("emptied, OK") << "<clear>"
                                     << "OKBtn"
                                     << "";
    }

    void inputBoxAnswers() {
        QFETCH(QString, typed);
        QFETCH(QString, button);
        QFETCH(QString, answer);
        AnswerNextModal([typed, button](QWidget* box) {
            auto* edit = Child<QLineEdit>(box, "EditValue");
            if (typed == QLatin1String("<clear>")) {
                QTest::keyClick(edit, Qt::Key_Backspace);
            } else if (!typed.isEmpty()) {
                QTest::keyClicks(edit, typed);  // replaces the selected default text
            }
            if (button == QLatin1String("Enter")) {
                QTest::keyClick(edit, Qt::Key_Return);
            } else if (button == QLatin1String("Escape")) {
                QTest::keyClick(edit, Qt::Key_Escape);
            } else if (button == QLatin1String("close")) {
                box->close();
            } else {
                Child<QPushButton>(box, button.toLatin1().constData())->click();
            }
            CloseIfOpen(box);
        });
        QCOMPARE(QString::fromStdString(RunInputBox(nullptr, "t", "p", "2.00")), answer);
    }

    void inputBoxUntouchedKeepsADefaultLongerThanTheEdit() {
        const std::string longDefault(300, '7');
        AnswerNextModal([](QWidget* box) {
            Child<QPushButton>(box, "OKBtn")->click();
            CloseIfOpen(box);
        });
        QCOMPARE(RunInputBox(nullptr, "t", "p", longDefault), longDefault);
    }

    void inputBoxIsCentredOnTheScreen() {
        TInputBoxDlg box(nullptr, "t", "p", "1");
        const QPoint centre = QGuiApplication::primaryScreen()->availableGeometry().center();
        QVERIFY((box.frameGeometry().center() - centre).manhattanLength() <= 2);
    }

    void promptThroughInteractionClampsWithTheWarningCue() {
        RecordingCues cues;
        QtInteraction ui(nullptr, cues);
        QString title;
        AnswerNextModal([&title](QWidget* box) {
            title = box->windowTitle();
            QTest::keyClicks(Child<QLineEdit>(box, "EditValue"), "20000");
            Child<QPushButton>(box, "OKBtn")->click();
            CloseIfOpen(box);
        });
        double ratio = 2.0;
        QVERIFY(PromptRealValue(ui, "Enter the Ratio", ratio, 2, 10000.0, 0.1));
        QCOMPARE(ratio, 10000.0);
        QCOMPARE(title, QStringLiteral("Input Value between 0.10 & 10000.00"));
        QCOMPARE(cues.heard, std::vector<std::string>{"warning"});
    }

    void modelDialogShowsCaptionBoxesAndButtons() {
        RecordingCues cues;
        DoublingModel model(cues);
        TModelDlg dialog(model);
        QCOMPARE(dialog.objectName(), QStringLiteral("TDoublingDlg"));
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Enter 1 to solve others"));
        QCOMPARE(Child<QLineEdit>(&dialog, "EditA")->text(), QStringLiteral("1.00"));
        QCOMPARE(Child<QLineEdit>(&dialog, "EditB")->text(), QStringLiteral("2.00"));
        QCOMPARE(Child<QLabel>(&dialog, "LabelEditB")->text(), QStringLiteral("B"));
        auto* ok = Child<QPushButton>(&dialog, "OKBtn");
        QCOMPARE(ok->text(), QStringLiteral("OK"));
        QVERIFY(ok->isDefault());
        QCOMPARE(Child<QPushButton>(&dialog, "CancelBtn")->text(), QStringLiteral("Cancel"));
        const QPoint centre = QGuiApplication::primaryScreen()->availableGeometry().center();
        QVERIFY((dialog.frameGeometry().center() - centre).manhattanLength() <= 2);
    }

    void modelDialogTabsFromTheBoxesToOkThenCancelUnlessAskedOtherwise_data() {
        QTest::addColumn<bool>("cancelFirst");
        QTest::addColumn<QStringList>("order");
        QTest::newRow("OK first") << false << QStringList{"EditA", "EditB", "OKBtn", "CancelBtn"};
        QTest::newRow("Cancel first")
            << true << QStringList{"EditA", "EditB", "CancelBtn", "OKBtn"};
    }

    void modelDialogTabsFromTheBoxesToOkThenCancelUnlessAskedOtherwise() {
        QFETCH(bool, cancelFirst);
        QFETCH(QStringList, order);
        RecordingCues cues;
        DoublingModel model(cues);
        model.cancelFirst = cancelFirst;
        TModelDlg dialog(model);
        QStringList shown;
        QWidget* start = Child<QLineEdit>(&dialog, "EditA");
        QWidget* w = start;
        do {
            if ((w->focusPolicy() & Qt::TabFocus) != 0) {
                shown << w->objectName();
            }
            w = w->nextInFocusChain();
        } while (w != start && shown.size() < 10);
        QCOMPARE(shown, order);
        // OK stays the default button either way.
        QVERIFY(Child<QPushButton>(&dialog, "OKBtn")->isDefault());
    }

    void modelDialogDiscardsRefusedKeys() {
        RecordingCues cues;
        DoublingModel model(cues);
        TModelDlg dialog(model);
        dialog.show();
        Activate(&dialog);
        auto* edit = Child<QLineEdit>(&dialog, "EditA");
        edit->clear();
        QTest::keyClicks(edit, "-1e2x.5 ");
        QCOMPARE(edit->text(), QStringLiteral("-12.5 "));
        QCOMPARE(model.keys, std::string("-1e2x.5 "));
        QCOMPARE(cues.Count("error"), 2);
        // Backspace is a key of its own that the model sees and passes.
        QTest::keyClick(edit, Qt::Key_Backspace);
        QCOMPARE(edit->text(), QStringLiteral("-12.5"));
        QCOMPARE(model.keys.back(), '\b');
        // Each accepted key changed the text; the model heard every change.
        QCOMPARE(QString::fromStdString(model.events.back()), QStringLiteral("text EditA -12.5"));
        dialog.reject();
    }

    void modelDialogGivesBackspaceByItsKeyAndKeepsDelete() {
        RecordingCues cues;
        DoublingModel model(cues);
        TModelDlg dialog(model);
        dialog.show();
        Activate(&dialog);
        auto* edit = Child<QLineEdit>(&dialog, "EditA");
        edit->setText(QStringLiteral("123"));
        edit->setCursorPosition(3);
        model.keys.clear();
        // A platform may give Backspace no text: the model hears it as '\b' all the same.
        QKeyEvent backspace(QEvent::KeyPress, Qt::Key_Backspace, Qt::NoModifier, QString());
        QApplication::sendEvent(edit, &backspace);
        QCOMPARE(model.keys, std::string("\b"));
        QCOMPARE(edit->text(), QStringLiteral("12"));
        // X gives Delete the character DEL; it is an editing key of the box, not the model's.
        edit->setCursorPosition(0);
        QKeyEvent del(QEvent::KeyPress, Qt::Key_Delete, Qt::NoModifier, QString(QChar(0x7f)));
        QApplication::sendEvent(edit, &del);
        QCOMPARE(model.keys, std::string("\b"));
        QCOMPARE(edit->text(), QStringLiteral("2"));
        QVERIFY(cues.heard.empty());
        dialog.reject();
    }

    void modelDialogLeavingABoxSolvesAndRefreshesEveryBox() {
        RecordingCues cues;
        DoublingModel model(cues);
        TModelDlg dialog(model);
        dialog.show();
        Activate(&dialog);
        auto* a = Child<QLineEdit>(&dialog, "EditA");
        a->setFocus();
        a->selectAll();
        QTest::keyClicks(a, "21");
        QTest::keyClick(a, Qt::Key_Tab);
        QCOMPARE(model.events.back(), std::string("exit EditA"));
        QCOMPARE(a->text(), QStringLiteral("21.00"));
        QCOMPARE(Child<QLineEdit>(&dialog, "EditB")->text(), QStringLiteral("42.00"));
        // The refresh itself is not reported back as a change of text.
        QCOMPARE(std::count_if(model.events.begin(), model.events.end(),
                               [](const std::string& e) { return e.starts_with("text EditB"); }),
                 0);
        dialog.reject();
    }

    void modelDialogCloses_data() {
        QTest::addColumn<QString>("how");
        QTest::addColumn<bool>("accepted");
        QTest::addColumn<QString>("lastEvent");
        QTest::newRow("OK button") << "OKBtn" << true << "ok";
        QTest::newRow("Enter") << "Enter" << true << "ok";
        QTest::newRow("Cancel button") << "CancelBtn" << false << "cancel";
        QTest::newRow("Escape") << "Escape" << false << "cancel";
        QTest::newRow("close box") << "close" << false << "cancel";
    }

    void modelDialogCloses() {
        QFETCH(QString, how);
        QFETCH(bool, accepted);
        QFETCH(QString, lastEvent);
        RecordingCues cues;
        DoublingModel model(cues);
        TModelDlg dialog(model);
        AnswerNextModal([how](QWidget* window) {
            auto* a = Child<QLineEdit>(window, "EditA");
            if (how == QLatin1String("Enter")) {
                QTest::keyClick(a, Qt::Key_Return);
            } else if (how == QLatin1String("Escape")) {
                QTest::keyClick(a, Qt::Key_Escape);
            } else if (how == QLatin1String("close")) {
                window->close();
            } else {
                Child<QPushButton>(window, how.toLatin1().constData())->click();
            }
            CloseIfOpen(window);
        });
        QCOMPARE(dialog.Run(), accepted);
        QCOMPARE(QString::fromStdString(model.events.back()), lastEvent);
        QCOMPARE(model.Cancelled(), !accepted);
        // Ok or Cancel reach the model exactly once.
        QCOMPARE(std::count(model.events.begin(), model.events.end(), lastEvent.toStdString()), 1);
    }

    void enterSolvesTheBoxItWasPressedIn() {
        RecordingCues cues;
        DoublingModel model(cues);
        QtInteraction ui(nullptr, cues);
        AnswerNextModal([](QWidget* window) {
            auto* a = Child<QLineEdit>(window, "EditA");
            a->selectAll();
            QTest::keyClicks(a, "5");
            QTest::keyClick(a, Qt::Key_Return);
            CloseIfOpen(window);
        });
        QVERIFY(ui.RunDialog(model));
        QCOMPARE(model.a, 5.0);  // Enter left the box as a click on OK would have
        QCOMPARE(model.b, 10.0);
        QCOMPARE(model.events.back(), std::string("ok"));
    }

    void messageGoesToAPlainBox() {
        RecordingCues cues;
        QtInteraction ui(nullptr, cues);
        QString shown;
        AnswerNextModal([&shown](QWidget* box) {
            if (auto* label = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"))) {
                shown = label->text();
            }
            box->close();
        });
        ui.ShowMessage("Frame <b>length</b> too long");
        QCOMPARE(shown, QStringLiteral("Frame <b>length</b> too long"));
        QVERIFY(cues.heard.empty());
    }
};

}  // namespace
}  // namespace quorvel

QTEST_MAIN(quorvel::PromptDialogsTest)
#include "prompt_dialogs_test.moc"
