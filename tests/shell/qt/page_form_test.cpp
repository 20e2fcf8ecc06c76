// The page contract on the window side: display list onto widgets, shown-once flag, re-entry
// guard, handler guards, popup menus and colours, with a small page of every kind of control.
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <array>
#include <functional>
#include <stdexcept>

#include "common/number_text.h"
#include "common/prompts.h"
#include "qt_support/window_fixture.h"
#include "shell/qt/page_form.h"
#include "shell/qt/scheme_colours.h"
#include "shell/qt/tab_control.h"
#include "shell/settings_file.h"

namespace quorvel {
namespace {

using testing::AnswerNextModal;
using testing::QuietRun;

constexpr PageIdentity kTestIdentity{"Test", "Test", "Test Functions"};
constexpr std::array<std::string_view, 1> kTestPanels{"PanelMain"};
// The test page's colours: its main panel and the reference result label "LabelRatio".
constexpr PageColourTargets kTestColours{kTestPanels, {}, "LabelRatio"};

class TestPageModel final : public PageModel {
public:
    TestPageModel() : PageModel(kTestIdentity) {}
    std::span<const SettingKey> SettingKeys() const override { return kKeys; }

    DisplayList Display() const override {
        if (duringDisplay) {
            duringDisplay();
        }
        if (throwOnce) {
            throwOnce = false;
            throw std::runtime_error("display failed");
        }
        return {{"LabelRatio", FormatNumber(8, 2, value)},
                {"LabelTwice", FormatNumber(8, 2, 2 * value)},
                {"CheckBoxFlag", YesNoText(flag)},
                {"RadioA", YesNoText(radix == 1)},
                {"RadioB", YesNoText(radix == 2)},
                {"EditEntry", entry},
                {"ComboChoice", "item" + std::to_string(choice)},
                {"ButtonAction", "Go " + std::to_string(clicks)}};
    }

    // PopupMenu1: a title, a separator, two commands and a submenu "Mode" of two checked
    // choices; PopupMenuMode holds the same choices; PopupMenuPop acts on pop-up.
    std::vector<PopupMenu> Menus() const override {
        using Kind = MenuItem::Kind;
        const auto choice = [this](const char* caption, int tag, const char* parent) {
            return MenuItem{Kind::Command, caption, std::string("Menu") + caption + parent,
                            parent,        tag,     mode == tag};
        };
        return {{"PopupMenu1",
                 {{Kind::Title, "Test Title", "", "", 0, false},
                  {Kind::Separator, "-", "", "", 1, false},
                  {Kind::Command, "Set Five", "", "", 2, false},
                  {Kind::Command, "Enter Value", "", "", 3, false},
                  {Kind::Submenu, "Mode", "", "", 4, false},
                  choice("Slow", 0, "Mode"),
                  choice("Fast", 1, "Mode")},
                 false},
                {"PopupMenuMode", {choice("Slow", 0, ""), choice("Fast", 1, "")}, false},
                {"PopupMenuPop", {}, true}};
    }

    bool RunMenuCommand(MenuCommandRef command, Interaction& ui) override {
        commands.push_back(std::string(command.menu) + ":" + std::string(command.caption));
        if (command.caption == "Set Five") {
            value = 5;
        } else if (command.caption == "Enter Value") {
            PromptRealValue(ui, "Enter the Value", value, 2, 100.0, 0.0);
        } else if (command.caption == "Slow" || command.caption == "Fast") {
            mode = command.caption == "Fast" ? 1 : 0;
        } else if (command.menu == "PopupMenuPop" && command.caption.empty()) {
            ++popups;
        } else {
            return false;
        }
        return true;
    }
    bool CheckBoxClicked(std::string_view control, bool checked, Interaction&) override {
        commands.push_back(std::string(control) + (checked ? " on" : " off"));
        flag = checked;
        return true;
    }
    bool ButtonClicked(std::string_view control, Interaction&) override {
        commands.emplace_back(control);
        if (control == "RadioA" || control == "RadioB") {
            radix = control == "RadioA" ? 1 : 2;
        } else {
            ++clicks;
        }
        return true;
    }
    bool ListChosen(std::string_view control, int index, Interaction&) override {
        commands.push_back(std::string(control) + " " + std::to_string(index));
        choice = index;
        return true;
    }
    bool EditEntered(std::string_view control, std::string_view text, Interaction&) override {
        commands.push_back(std::string(control) + " " + std::string(text));
        entry = "[" + std::string(text) + "]";
        return true;
    }

    double value = 1.5;
    bool flag = false;
    int radix = 1;
    int choice = 0;
    int clicks = 0;
    int mode = 0;
    int popups = 0;
    std::string entry = "abc";
    std::vector<std::string> commands;
    std::function<void()> duringDisplay;
    mutable bool throwOnce = false;

protected:
    void ReadSettings(const IniStore& store) override {
        ReadIniReal(store, "Test", "Value", value);
    }
    void WriteSettings(IniStore& store) const override {
        WriteIniReal(store, "Test", "Value", value);
    }

private:
    static constexpr std::array<SettingKey, 1> kKeys{{{"Value", SettingType::Real}}};
};

PageFormContext TestContext(TTabControl& tabs, ProgramRun& run) {
    return {tabs, run, 0, kTestColours, std::make_unique<TestPageModel>()};
}

// The test page: a main panel holding a caption, the reference result label and the other
// controls, with the colour targets kTestColours.
class TTestPageForm final : public TPageForm {
public:
    TTestPageForm(TTabControl& tabs, ProgramRun& run, HandlerGuard guard)
        : TTestPageForm(TestContext(tabs, run), guard) {}
    TTestPageForm(PageFormContext&& context, HandlerGuard guard) : TPageForm(context) {
        panel = new QFrame(this);
        panel->setObjectName(QStringLiteral("PanelMain"));
        panel->setGeometry(0, 0, 400, 300);
        caption = Make<QLabel>(QStringLiteral("LabelCaption"), 10);
        caption->setText(QStringLiteral("Ratio"));
        reference = Make<QLabel>(QStringLiteral("LabelRatio"), 30);
        twice = Make<QLabel>(QStringLiteral("LabelTwice"), 50);
        check = Make<QCheckBox>(QStringLiteral("CheckBoxFlag"), 70);
        radioA = Make<QRadioButton>(QStringLiteral("RadioA"), 90);
        radioB = Make<QRadioButton>(QStringLiteral("RadioB"), 110);
        edit = Make<QLineEdit>(QStringLiteral("EditEntry"), 130);
        other = Make<QLineEdit>(QStringLiteral("EditOther"), 150);
        combo = Make<QComboBox>(QStringLiteral("ComboChoice"), 170);
        combo->addItems(
            {QStringLiteral("item0"), QStringLiteral("item1"), QStringLiteral("item2")});
        button = Make<QPushButton>(QStringLiteral("ButtonAction"), 190);
        menu = AttachPopupMenu(QStringLiteral("PopupMenu1"), {panel});
        modeMenu = AttachPopupMenu(QStringLiteral("PopupMenuMode"), {twice});
        AttachPopupMenu(QStringLiteral("PopupMenuPop"), {other});
        ConnectCheckBox(check, guard);
        ConnectRadioButton(radioA, guard);
        ConnectRadioButton(radioB, guard);
        ConnectEditBox(edit, guard, guard);
        ConnectComboBox(combo, guard);
        ConnectButton(button, guard);
    }

    TestPageModel& Test() { return static_cast<TestPageModel&>(Model()); }

    QFrame* panel;
    QLabel* caption;
    QLabel* reference;
    QLabel* twice;
    QCheckBox* check;
    QRadioButton* radioA;
    QRadioButton* radioB;
    QLineEdit* edit;
    QLineEdit* other;
    QComboBox* combo;
    QPushButton* button;
    QMenu* menu;
    QMenu* modeMenu;
    int showValuesRuns = 0;

protected:
    void ShowPageExtras() override { ++showValuesRuns; }

private:
    template <typename T>
    T* Make(const QString& name, int top) {
        auto* widget = new T(panel);
        widget->setObjectName(name);
        widget->setGeometry(10, top, 150, 18);
        return widget;
    }
};

// A tab control in a window, with one test page in it.
struct Host {
    explicit Host(HandlerGuard guard = HandlerGuard::Full) {
        window.resize(470, 413);
        tabs = new TTabControl(&window);
        tabs->setGeometry(window.rect());
        tabs->AddTab(QStringLiteral("Test"));
        page = new TTestPageForm(*tabs, quiet.Run(), guard);
    }
    void Show() {
        window.show();
        page->show();
        QApplication::setActiveWindow(&window);
        QVERIFY(QTest::qWaitForWindowActive(&window));
    }

    QuietRun quiet;
    QWidget window;
    TTabControl* tabs = nullptr;
    TTestPageForm* page = nullptr;
};

class PageFormTest : public QObject {
    Q_OBJECT

private slots:
    void pageFillsTheClientAreaWithItsCaption() {
        Host host;
        host.Show();
        QCOMPARE(host.page->geometry(), host.tabs->ClientArea()->rect());
        QCOMPARE(host.page->Caption(), QStringLiteral("Test Functions"));
    }

    void firstShowingShowsTheValuesOnce() {
        Host host;
        QVERIFY(!host.page->ShownOnce());
        QCOMPARE(host.page->showValuesRuns, 0);
        host.Show();
        QVERIFY(host.page->ShownOnce());
        QCOMPARE(host.page->showValuesRuns, 1);
        host.page->hide();
        host.page->show();
        QCOMPARE(host.page->showValuesRuns, 1);
    }

    void showValuesWritesEveryKindOfControl() {
        Host host;
        host.Show();
        TTestPageForm& page = *host.page;
        QCOMPARE(page.reference->text(), QStringLiteral("1.50"));
        QCOMPARE(page.twice->text(), QStringLiteral("3.00"));
        QVERIFY(!page.check->isChecked());
        QVERIFY(page.radioA->isChecked());
        QCOMPARE(page.edit->text(), QStringLiteral("abc"));
        QCOMPARE(page.combo->currentText(), QStringLiteral("item0"));
        QCOMPARE(page.button->text(), QStringLiteral("Go 0"));

        page.Test().value = 2;
        page.Test().flag = true;
        page.Test().choice = 2;
        page.Test().entry = "x<b>y</b>";
        page.ShowValues();
        QCOMPARE(page.reference->text(), QStringLiteral("2.00"));
        QVERIFY(page.check->isChecked());
        QCOMPARE(page.edit->text(), QStringLiteral("x<b>y</b>"));
        QCOMPARE(page.combo->currentIndex(), 2);
        QCOMPARE(page.twice->textFormat(), Qt::PlainText);
    }

    void displayMayLeaveEveryRadioButtonUnchecked() {
        Host host;
        host.Show();
        host.page->Test().radix = 0;
        host.page->ShowValues();
        QVERIFY(!host.page->radioA->isChecked());
        QVERIFY(!host.page->radioB->isChecked());
        host.page->Test().radix = 2;
        host.page->ShowValues();
        QVERIFY(!host.page->radioA->isChecked());
        QVERIFY(host.page->radioB->isChecked());
    }

    void handlersFiredInsideShowValuesAreDropped() {
        Host host;
        host.Show();
        TTestPageForm& page = *host.page;
        int nested = 0;
        page.Test().duringDisplay = [&page, &nested] {
            if (page.InShowValues()) {
                page.check->click();
                page.ShowValues();
                ++nested;
            }
        };
        const int runs = page.showValuesRuns;
        page.ShowValues();
        QVERIFY(nested > 0);
        QVERIFY(page.Test().commands.empty());
        QCOMPARE(page.showValuesRuns, runs + 1);
    }

    void aFailingDisplayDoesNotLeaveThePageDeaf() {
        Host host;
        host.Show();
        host.page->Test().throwOnce = true;
        QVERIFY_THROWS_EXCEPTION(std::runtime_error, host.page->ShowValues());
        QVERIFY(!host.page->InShowValues());
        host.page->check->click();
        QCOMPARE(host.page->Test().commands, std::vector<std::string>{"CheckBoxFlag on"});
    }

    void controlsRunTheirCommandsThenShowValues() {
        Host host;
        host.Show();
        TTestPageForm& page = *host.page;

        page.check->click();
        QVERIFY(page.Test().flag);
        page.radioB->click();
        QCOMPARE(page.Test().radix, 2);
        page.button->click();
        QCOMPARE(page.button->text(), QStringLiteral("Go 1"));

        page.combo->setFocus();
        QTest::keyClick(page.combo, Qt::Key_Down);
        QCOMPARE(page.Test().choice, 1);

        const int runs = page.showValuesRuns;
        page.edit->setFocus();
        page.edit->setText(QStringLiteral("12"));
        QTest::keyClick(page.edit, Qt::Key_Return);
        QCOMPARE(page.edit->text(), QStringLiteral("[12]"));
        QCOMPARE(page.showValuesRuns, runs + 1);

        QTest::keyClick(page.edit, Qt::Key_Tab);  // leaving the box applies it too
        QCOMPARE(page.edit->text(), QStringLiteral("[[12]]"));

        const std::vector<std::string> expected{"CheckBoxFlag on", "RadioB",
                                                "ButtonAction",    "ComboChoice 1",
                                                "EditEntry 12",    "EditEntry [12]"};
        QCOMPARE(page.Test().commands, expected);
    }

    void fullGuardWaitsForTheFirstShowingAndStopsAtShutDown() {
        Host host;
        host.page->check->click();
        host.page->button->click();
        QVERIFY(host.page->Test().commands.empty());

        host.Show();
        host.quiet.Run().SetShuttingDown(true);
        host.page->check->click();
        host.page->menu->actions().at(2)->trigger();
        QVERIFY(host.page->Test().commands.empty());
    }

    void reentryOnlyGuardRunsBeforeTheFirstShowing() {
        Host host(HandlerGuard::ReentryOnly);
        host.page->check->click();
        QCOMPARE(host.page->Test().commands, std::vector<std::string>{"CheckBoxFlag on"});
    }

    void popupMenuHoldsTheModelsItems() {
        Host host;
        QMenu* menu = host.page->PopupMenuNamed(QStringLiteral("PopupMenu1"));
        QCOMPARE(menu, host.page->menu);
        QCOMPARE(menu->objectName(), QStringLiteral("PopupMenu1"));
        const QList<QAction*> items = menu->actions();
        QCOMPARE(items.size(), 5);
        QCOMPARE(items[0]->text(), QStringLiteral("Test Title"));
        QVERIFY(items[0]->font().bold());
        QVERIFY(items[1]->isSeparator());
        QCOMPARE(items[2]->text(), QStringLiteral("Set Five"));
        QCOMPARE(items[3]->text(), QStringLiteral("Enter Value"));
        QMenu* mode = items[4]->menu();
        QVERIFY(mode != nullptr);
        QCOMPARE(items[4]->text(), QStringLiteral("Mode"));
        const QList<QAction*> choices = mode->actions();
        QCOMPARE(choices.size(), 2);
        QCOMPARE(choices[0]->objectName(), QStringLiteral("MenuSlowMode"));
        QCOMPARE(choices[1]->data().toInt(), 1);
        QVERIFY(choices[0]->isChecked());
        QVERIFY(!choices[1]->isChecked());
    }

    void titleItemRunsNothing() {
        Host host;
        host.Show();
        host.page->menu->actions().at(0)->trigger();
        QVERIFY(host.page->Test().commands.empty());
        QCOMPARE(host.page->reference->text(), QStringLiteral("1.50"));
    }

    void submenuCommandRunsWithItsMenuAndEveryMenuShowsTheChecks() {
        Host host;
        host.Show();
        QMenu* mode = host.page->menu->actions().at(4)->menu();
        mode->actions().at(1)->trigger();
        QCOMPARE(host.page->Test().commands, std::vector<std::string>{"PopupMenu1:Fast"});
        QVERIFY(!mode->actions().at(0)->isChecked());
        QVERIFY(mode->actions().at(1)->isChecked());
        // The same choice in the other menu runs that menu's command and follows too.
        QVERIFY(host.page->modeMenu->actions().at(1)->isChecked());
        host.page->modeMenu->actions().at(0)->trigger();
        QCOMPARE(host.page->Test().commands.back(), "PopupMenuMode:Slow");
        QVERIFY(mode->actions().at(0)->isChecked());
        QVERIFY(!mode->actions().at(1)->isChecked());
    }

    void menuThatActsOnPopupRunsItsCommandOnARightClick() {
        Host host;
        host.Show();
        QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(5, 5),
                                host.page->other->mapToGlobal(QPoint(5, 5)));
        QApplication::sendEvent(host.page->other, &event);
        QCOMPARE(host.page->Test().popups, 1);
        QCOMPARE(host.page->Test().commands, std::vector<std::string>{"PopupMenuPop:"});
        QMenu* pop = host.page->PopupMenuNamed(QStringLiteral("PopupMenuPop"));
        QVERIFY(pop != nullptr);
        QVERIFY(!pop->isVisible());
    }

    void menuCommandStoresAndShows() {
        Host host;
        host.Show();
        host.page->menu->actions().at(2)->trigger();
        QCOMPARE(host.page->reference->text(), QStringLiteral("5.00"));
        QCOMPARE(host.page->twice->text(), QStringLiteral("10.00"));
    }

    void menuCommandPromptsInTheTextEntryBox() {
        Host host;
        host.Show();
        QString prompt;
        AnswerNextModal([&prompt](QWidget* box) {
            prompt = box->findChild<QLabel*>(QStringLiteral("PromptLabel"))->text();
            QTest::keyClicks(box->findChild<QLineEdit*>(QStringLiteral("EditValue")), "250");
            box->findChild<QPushButton*>(QStringLiteral("OKBtn"))->click();
        });
        host.page->menu->actions().at(3)->trigger();
        QCOMPARE(prompt, QStringLiteral("Enter the Value"));
        QCOMPARE(host.page->reference->text(), QStringLiteral("100.00"));  // clamped
    }

    void rightClickOverThePanelOrItsLabelsOpensTheMenu() {
        Host host;
        host.Show();
        QWidget* targets[] = {host.page->panel, host.page->caption};
        for (QWidget* target : targets) {
            QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(5, 5),
                                    target->mapToGlobal(QPoint(5, 5)));
            QApplication::sendEvent(target, &event);
            QVERIFY2(host.page->menu->isVisible(), qPrintable(target->objectName()));
            host.page->menu->hide();
        }
    }

    void resultLabelsTakeTheReferenceColourCaptionsThePanels() {
        Host host;
        SetFontColour(host.page->panel, Qt::white);
        SetFontColour(host.page->reference, Qt::red);
        host.Show();
        QCOMPARE(FontColour(host.page->twice), QColor(Qt::red));
        QCOMPARE(FontColour(host.page->caption), QColor(Qt::white));
        QCOMPARE(FontColour(host.page->check), QColor(Qt::white));

        SetFontColour(host.page->reference, Qt::blue);
        host.page->ShowValues();
        QCOMPARE(FontColour(host.page->twice), QColor(Qt::blue));
    }

    void settingsGoThroughTheModel() {
        testing::ScratchWorkingDirectory dir;
        Host host;
        const std::string path = dir.FileText(QStringLiteral("QuorvelII.Cfg"));
        host.page->Test().value = 7.25;
        host.page->SaveSettings(path);
        host.page->Test().value = 0;
        host.page->LoadSettings(path);
        QCOMPARE(host.page->Test().value, 7.25);
    }
};

}  // namespace
}  // namespace quorvel

QTEST_MAIN(quorvel::PageFormTest)
#include "page_form_test.moc"
