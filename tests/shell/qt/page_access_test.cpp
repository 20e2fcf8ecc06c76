// Every page's clipboard and keyboard, from the page form base: values named by their
// captions and units from the layout (or by the form), Ctrl+C and the double click, and the
// menu panels reached with Tab and opened with the Menu key or Shift+F10.
#include <QAccessible>
#include <QAccessibleInterface>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QTest>
#include <QVBoxLayout>

#include <array>
#include <map>
#include <string>

#include "qt_support/window_fixture.h"
#include "shell/qt/focus_mark.h"
#include "shell/qt/page_form.h"
#include "shell/qt/tab_control.h"

namespace quorvel {
namespace {

using testing::QuietRun;

constexpr PageIdentity kIdentity{"Access", "Access", "Access Functions"};
constexpr std::array<std::string_view, 1> kPanels{"PanelMain"};
constexpr PageColourTargets kColours{kPanels, {}, "LabelPower"};

// A page whose display list is a fixed table, with one menu of two commands and one that acts
// on pop-up.
class AccessPageModel final : public PageModel {
public:
    AccessPageModel() : PageModel(kIdentity) {}
    std::span<const SettingKey> SettingKeys() const override { return {}; }

    DisplayList Display() const override {
        DisplayList list;
        for (const auto& [name, text] : texts) {
            list.push_back({name, text});
        }
        return list;
    }
    std::vector<PopupMenu> Menus() const override {
        using Kind = MenuItem::Kind;
        return {{"PopupMenu1",
                 {{Kind::Command, "First", "", "", 0, false},
                  {Kind::Command, "Second", "", "", 1, false}},
                 false},
                {"PopupMenuPop", {}, true}};
    }
    bool RunMenuCommand(MenuCommandRef command, Interaction&) override {
        commands.push_back(std::string(command.menu) + ":" + std::string(command.caption));
        return true;
    }
    bool EditEntered(std::string_view control, std::string_view text, Interaction&) override {
        commands.push_back(std::string(control) + " " + std::string(text));
        return true;
    }

    // The display list, in the order of the names.
    std::map<std::string, std::string> texts;
    std::vector<std::string> commands;

protected:
    void ReadSettings(const IniStore&) override {}
    void WriteSettings(IniStore&) const override {}
};

// The layouts a form may put its values in:
//  PanelMain  a grid: "Power" value "W"; "Gain" value; a row without a caption (named by the
//             form); "x" and an edit box; a check box
//  PanelEnu   a grid with column heads "Nmi" "Ft" over "East" and its two values
//  PanelMiss  a heading across the panel, then "Dx" value "Dy" value in one row; its values
//             are the group "Miss"
//  PanelArc   "Sin" value and "Cos" value, with one "deg" beside both
//  PanelFloat a caption above its value; a list after its caption in a row of a box layout
class TAccessPageForm final : public TPageForm {
public:
    TAccessPageForm(PageFormContext&& context) : TPageForm(context) {
        auto* column = new QVBoxLayout(this);
        main = Panel("PanelMain", column);
        auto* grid = new QGridLayout(main);
        Caption(grid, "Power", 0, 0);
        Value(grid, "LabelPower", 0, 1);
        Caption(grid, "W", 0, 2);
        Caption(grid, "Gain", 1, 0);
        Value(grid, "LabelGain", 1, 1);
        Value(grid, "LabelInches", 2, 1);
        Caption(grid, "in", 2, 2);
        Caption(grid, "x", 3, 0);
        edit = new QLineEdit(main);
        edit->setObjectName(QStringLiteral("EditX"));
        grid->addWidget(edit, 3, 1);
        check = new QCheckBox(QStringLiteral("Flag"), main);
        check->setObjectName(QStringLiteral("CheckFlag"));
        grid->addWidget(check, 4, 0, 1, 3);
        ConnectEditBox(edit);
        NameValue(QStringLiteral("LabelInches"), QStringLiteral("Wave Length"),
                  QStringLiteral("in"));

        enu = Panel("PanelEnu", column);
        auto* heads = new QGridLayout(enu);
        Caption(heads, "Nmi", 0, 1);
        Caption(heads, "Ft", 0, 2);
        Caption(heads, "East", 1, 0);
        Value(heads, "LabelEastNmi", 1, 1);
        Value(heads, "LabelEastFt", 1, 2);

        QFrame* miss = Panel("PanelMiss", column);
        auto* row = new QGridLayout(miss);
        Caption(row, "Miss Distance", 0, 0, 4);
        Caption(row, "Dx", 1, 0);
        Value(row, "LabelDx", 1, 1);
        Caption(row, "Dy", 1, 2);
        Value(row, "LabelDy", 1, 3);
        NameValueGroup(miss, QStringLiteral("Miss"));

        QFrame* arc = Panel("PanelArc", column);
        auto* arcs = new QGridLayout(arc);
        Caption(arcs, "Sin", 0, 0);
        Value(arcs, "LabelSin", 0, 1);
        Caption(arcs, "Cos", 1, 0);
        Value(arcs, "LabelCos", 1, 1);
        arcs->addWidget(MakeCaption(arc, "deg"), 0, 2, 2, 1);

        pop = Panel("PanelPop", column);
        auto* floats = new QVBoxLayout(pop);
        auto* decoding = new QGridLayout;
        Caption(decoding, "IEEE 754 Float", 0, 0, 1, pop);
        Value(decoding, "LabelFloat", 1, 0, pop);
        floats->addLayout(decoding);
        auto* lists = new QHBoxLayout;
        lists->addWidget(MakeCaption(pop, "Bits In Number"));
        combo = new QComboBox(pop);
        combo->setObjectName(QStringLiteral("ComboBits"));
        combo->addItems({QStringLiteral("8"), QStringLiteral("16")});
        lists->addWidget(combo);
        floats->addLayout(lists);

        AttachPopupMenu(QStringLiteral("PopupMenu1"), {main, enu});
        AttachPopupMenu(QStringLiteral("PopupMenuPop"), {pop});
    }

    AccessPageModel& Access() { return static_cast<AccessPageModel&>(Model()); }
    QLabel* Label(const char* name) { return findChild<QLabel*>(QString::fromLatin1(name)); }

    QFrame* main;
    QFrame* enu;
    QFrame* pop;
    QLineEdit* edit;
    QCheckBox* check;
    QComboBox* combo;

private:
    QFrame* Panel(const char* name, QVBoxLayout* column) {
        auto* panel = new QFrame(this);
        panel->setObjectName(QString::fromLatin1(name));
        panel->setFrameShape(QFrame::Panel);
        column->addWidget(panel);
        return panel;
    }
    QLabel* MakeCaption(QWidget* parent, const char* text) {
        return new QLabel(QString::fromLatin1(text), parent);
    }
    void Caption(QGridLayout* grid, const char* text, int row, int column, int span = 1,
                 QWidget* parent = nullptr) {
        QWidget* owner = parent != nullptr ? parent : grid->parentWidget();
        grid->addWidget(MakeCaption(owner, text), row, column, 1, span);
    }
    void Value(QGridLayout* grid, const char* name, int row, int column,
               QWidget* parent = nullptr) {
        auto* label = new QLabel(parent != nullptr ? parent : grid->parentWidget());
        label->setObjectName(QString::fromLatin1(name));
        grid->addWidget(label, row, column);
    }
};

std::unique_ptr<AccessPageModel> FilledModel() {
    auto model = std::make_unique<AccessPageModel>();
    model->texts = {{"CheckFlag", "YES"},         {"ComboBits", "16"},     {"EditX", "0.5"},
                    {"LabelCos", "0.86603"},      {"LabelDx", "12.0"},     {"LabelDy", "-3.5"},
                    {"LabelEastFt", "6076.1155"}, {"LabelEastNmi", "1.0"}, {"LabelFloat", "1.5"},
                    {"LabelGain", "30.00"},       {"LabelInches", "3.94"}, {"LabelPower", "2.00"},
                    {"LabelSin", "0.50000"}};
    return model;
}

// Pages in a window as the main window holds them: children of the tab control's area.
struct Host {
    explicit Host(int pages = 1) {
        window.resize(470, 600);
        tabs = new TTabControl(&window);
        tabs->setGeometry(window.rect());
        for (int i = 0; i < pages; ++i) {
            tabs->AddTab(QStringLiteral("Access%1").arg(i));
            auto* page = new TAccessPageForm({*tabs, quiet.Run(), i, kColours, FilledModel()});
            page->setGeometry(tabs->ClientArea()->rect());
            forms.push_back(page);
        }
    }
    void Show() {
        window.show();
        forms.front()->show();
        QApplication::setActiveWindow(&window);
        QVERIFY(QTest::qWaitForWindowActive(&window));
    }
    TAccessPageForm& Page() { return *forms.front(); }

    QuietRun quiet;
    QWidget window;
    TTabControl* tabs = nullptr;
    std::vector<TAccessPageForm*> forms;
};

QString AccessibleText(QWidget* widget, QAccessible::Text which) {
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(widget);
    return face != nullptr ? face->text(which) : QStringLiteral("<no interface>");
}

QString Clipboard() {
    return QApplication::clipboard()->text();
}

class PageAccessTest : public QObject {
    Q_OBJECT

private slots:
    void init() { QApplication::clipboard()->setText(QStringLiteral("before")); }

    void valuesAreNamedByTheirCaptionsAndUnits_data() {
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("name");
        QTest::newRow("caption and unit in the row") << "LabelPower"
                                                     << "Power (W)";
        QTest::newRow("caption alone") << "LabelGain"
                                       << "Gain";
        QTest::newRow("named by the form") << "LabelInches"
                                           << "Wave Length (in)";
        QTest::newRow("column head as unit") << "LabelEastNmi"
                                             << "East (Nmi)";
        QTest::newRow("past the row's other value") << "LabelEastFt"
                                                    << "East (Ft)";
        QTest::newRow("next value's caption is no unit") << "LabelDx"
                                                         << "Miss Dx";
        QTest::newRow("heading across the panel is no head") << "LabelDy"
                                                             << "Miss Dy";
        QTest::newRow("unit beside two rows, first") << "LabelSin"
                                                     << "Sin (deg)";
        QTest::newRow("unit beside two rows, second") << "LabelCos"
                                                      << "Cos (deg)";
        QTest::newRow("caption above") << "LabelFloat"
                                       << "IEEE 754 Float";
        QTest::newRow("edit box") << "EditX"
                                  << "x";
    }

    void valuesAreNamedByTheirCaptionsAndUnits() {
        QFETCH(QString, value);
        QFETCH(QString, name);
        Host host;
        host.Show();
        QWidget* widget = host.Page().findChild<QWidget*>(value);
        QVERIFY(widget != nullptr);
        QCOMPARE(AccessibleText(widget, QAccessible::Name), name);
    }

    void aListIsToldItsCaptionByItsBuddyLabel() {
        Host host;
        host.Show();
        QComboBox* combo = host.Page().combo;
        QCOMPARE(combo->accessibleName(), QStringLiteral("Bits In Number"));
        QAccessibleInterface* face = QAccessible::queryAccessibleInterface(combo);
        QStringList labels;
        for (const auto& [other, relation] : face->relations(QAccessible::Label)) {
            labels << other->text(QAccessible::Name);
        }
        QCOMPARE(labels, QStringList{QStringLiteral("Bits In Number")});
    }

    void aValueLabelTellsItsTextAsItsDescription() {
        Host host;
        host.Show();
        QLabel* power = host.Page().Label("LabelPower");
        QCOMPARE(power->text(), QStringLiteral("2.00"));
        QCOMPARE(AccessibleText(power, QAccessible::Description), QStringLiteral("2.00"));
        host.Page().Access().texts["LabelPower"] = "4.00";
        host.Page().ShowValues();
        QCOMPARE(AccessibleText(power, QAccessible::Description), QStringLiteral("4.00"));
        QCOMPARE(AccessibleText(power, QAccessible::Name), QStringLiteral("Power (W)"));
    }

    void aNameTheFormSetItselfIsKept() {
        Host host;
        host.Page().Label("LabelGain")->setAccessibleName(QStringLiteral("Antenna gain"));
        host.Show();
        QCOMPARE(AccessibleText(host.Page().Label("LabelGain"), QAccessible::Name),
                 QStringLiteral("Antenna gain"));
    }

    void menuPanelsAreNamedAfterTheValuesTheyHold() {
        Host host;
        host.Show();
        QCOMPARE(AccessibleText(host.Page().enu, QAccessible::Name),
                 QStringLiteral("East (Ft), East (Nmi)"));
        QCOMPARE(AccessibleText(host.Page().main, QAccessible::Name),
                 QStringLiteral("Flag, x, Gain, Wave Length (in), Power (W)"));
    }

    void ctrlCCopiesThePageOneLinePerValueInDisplayOrder() {
        Host host;
        host.Show();
        host.Page().Label("LabelDy")->hide();
        QTest::keyClick(&host.window, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(Clipboard(), QStringLiteral("Flag\tYES\n"
                                             "Bits In Number\t16\n"
                                             "x\t0.5\n"
                                             "Cos (deg)\t0.86603\n"
                                             "Miss Dx\t12.0\n"
                                             "East (Ft)\t6076.1155\n"
                                             "East (Nmi)\t1.0\n"
                                             "IEEE 754 Float\t1.5\n"
                                             "Gain\t30.00\n"
                                             "Wave Length (in)\t3.94\n"
                                             "Power (W)\t2.00\n"
                                             "Sin (deg)\t0.50000\n"));
    }

    void ctrlCCopiesTheShownPageOnly() {
        Host host(2);
        host.Show();
        host.forms[1]->hide();
        host.forms[1]->Access().texts = {{"LabelPower", "9.99"}};
        host.forms[0]->Access().texts = {{"LabelPower", "1.11"}};
        host.forms[0]->ShowValues();
        QTest::keyClick(&host.window, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(Clipboard(), QStringLiteral("Power (W)\t1.11\n"));

        host.forms[0]->hide();
        host.forms[1]->show();
        QTest::keyClick(&host.window, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(Clipboard(), QStringLiteral("Power (W)\t9.99\n"));
    }

    void ctrlCInAnEditBoxCopiesItsSelectionOrElseThePage() {
        Host host;
        host.Show();
        QLineEdit* edit = host.Page().edit;
        edit->setFocus();
        edit->setText(QStringLiteral("0.5"));
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(Clipboard(), QStringLiteral("0.5"));

        edit->deselect();
        QTest::keyClick(edit, Qt::Key_C, Qt::ControlModifier);
        QVERIFY2(Clipboard().startsWith(QStringLiteral("Flag\tYES\n")), qPrintable(Clipboard()));
        QVERIFY(edit->hasFocus());
    }

    void aPageWithoutValuesLeavesTheClipboardAlone() {
        Host host;
        host.Page().Access().texts.clear();
        host.Show();
        QTest::keyClick(&host.window, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(Clipboard(), QStringLiteral("before"));
    }

    void aDoubleClickOnAValueCopiesItsTextAlone() {
        Host host;
        host.Show();
        QTest::mouseDClick(host.Page().Label("LabelEastFt"), Qt::LeftButton);
        QCOMPARE(Clipboard(), QStringLiteral("6076.1155"));

        // Not with the right button, and not on a caption (the captions have no names).
        QTest::mouseDClick(host.Page().Label("LabelGain"), Qt::RightButton);
        QLabel* caption = nullptr;
        for (QLabel* label : host.Page().findChildren<QLabel*>()) {
            if (label->objectName().isEmpty()) {
                caption = label;
                break;
            }
        }
        QVERIFY(caption != nullptr);
        QTest::mouseDClick(caption, Qt::LeftButton);
        QCOMPARE(Clipboard(), QStringLiteral("6076.1155"));
        QVERIFY(host.Page().Access().commands.empty());
    }

    void tabMovesBetweenTheMenuPanelsAndTheControls() {
        Host host;
        host.Show();
        host.tabs->Tabs()->setFocus();
        QList<QWidget*> visited;
        for (int i = 0; i < 8; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            visited.append(QApplication::focusWidget());
        }
        const TAccessPageForm& page = host.Page();
        const QList<QWidget*> expected{page.main, page.edit, page.check,
                                       page.enu,  page.pop,  page.combo};
        QCOMPARE(visited.mid(0, expected.size()), expected);
    }

    void aClickOnAPanelLeavesTheFocusInTheEditBox() {
        Host host;
        host.Show();
        host.Page().edit->setFocus();
        QTest::mouseClick(host.Page().enu, Qt::LeftButton);
        QVERIFY(host.Page().edit->hasFocus());
        QVERIFY(host.Page().Access().commands.empty());
    }

    void menuKeyAndShiftF10OpenTheFocusedPanelsMenu_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::newRow("Menu") << int(Qt::Key_Menu) << int(Qt::NoModifier);
        QTest::newRow("Shift+F10") << int(Qt::Key_F10) << int(Qt::ShiftModifier);
    }

    void menuKeyAndShiftF10OpenTheFocusedPanelsMenu() {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        Host host;
        host.Show();
        QMenu* menu = host.Page().PopupMenuNamed(QStringLiteral("PopupMenu1"));
        QWidget* panel = host.Page().enu;
        panel->setFocus(Qt::TabFocusReason);
        QTest::keyClick(panel, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        QVERIFY(menu->isVisible());
        // In the middle of the panel.
        QVERIFY(menu->geometry().contains(panel->mapToGlobal(panel->rect().center())));
        menu->hide();
        QVERIFY(host.Page().Access().commands.empty());
    }

    void otherKeysOpenNoMenu() {
        Host host;
        host.Show();
        QMenu* menu = host.Page().PopupMenuNamed(QStringLiteral("PopupMenu1"));
        host.Page().enu->setFocus(Qt::TabFocusReason);
        QTest::keyClick(host.Page().enu, Qt::Key_F10);
        QTest::keyClick(host.Page().enu, Qt::Key_Menu, Qt::ControlModifier);
        QTest::keyClick(host.Page().enu, Qt::Key_Return);
        QVERIFY(!menu->isVisible());
    }

    void menuKeyRunsTheCommandOfAMenuThatActsOnPopup() {
        Host host;
        host.Show();
        host.Page().pop->setFocus(Qt::TabFocusReason);
        QTest::keyClick(host.Page().pop, Qt::Key_Menu);
        QCOMPARE(host.Page().Access().commands, std::vector<std::string>{"PopupMenuPop:"});
        QVERIFY(!host.Page().PopupMenuNamed(QStringLiteral("PopupMenuPop"))->isVisible());
    }

    void theKeyboardsOwnContextMenuEventOpensNothingMore() {
        Host host;
        host.Show();
        QWidget* pop = host.Page().pop;
        pop->setFocus(Qt::TabFocusReason);
        const QPoint middle = pop->rect().center();
        QContextMenuEvent keyboard(QContextMenuEvent::Keyboard, middle, pop->mapToGlobal(middle));
        QApplication::sendEvent(pop, &keyboard);
        QVERIFY(host.Page().Access().commands.empty());
        // A right click still runs the command, as before.
        QContextMenuEvent mouse(QContextMenuEvent::Mouse, QPoint(5, 5),
                                pop->mapToGlobal(QPoint(5, 5)));
        QApplication::sendEvent(pop, &mouse);
        QCOMPARE(host.Page().Access().commands, std::vector<std::string>{"PopupMenuPop:"});
    }

    void theFocusMarkShowsWhileThePanelHasTheFocusAndLetsClicksThrough() {
        Host host;
        host.Show();
        QWidget* panel = host.Page().enu;
        auto* mark = panel->findChild<TFocusMark*>();
        QVERIFY(mark != nullptr);
        QVERIFY(!mark->isVisible());
        panel->setFocus(Qt::TabFocusReason);
        QVERIFY(mark->isVisible());
        QCOMPARE(mark->geometry(), panel->rect());
        const QPoint inside = host.Page().Label("LabelEastNmi")->geometry().center();
        QCOMPARE(panel->childAt(inside), host.Page().Label("LabelEastNmi"));
        // The mark is drawn in the highlight colour at the panel's edge.
        const QImage shown = panel->grab().toImage();
        QCOMPARE(shown.pixelColor(0, panel->height() / 2),
                 mark->palette().color(QPalette::Highlight));
        // Its menu, open, keeps the mark on the panel it belongs to.
        QTest::keyClick(panel, Qt::Key_Menu);
        QMenu* menu = host.Page().PopupMenuNamed(QStringLiteral("PopupMenu1"));
        QVERIFY(menu->isVisible());
        QVERIFY(mark->isVisible());
        menu->close();
        QVERIFY(mark->isVisible());
        host.Page().edit->setFocus(Qt::TabFocusReason);
        QVERIFY(!mark->isVisible());
    }
};

}  // namespace
}  // namespace quorvel

QTEST_MAIN(quorvel::PageAccessTest)
#include "page_access_test.moc"
