#pragma once
// The page contract on the window side: one form per calculator page, a child of the tab
// control's client area at its full size, holding the page's model.
//
// The form shows the model's display list on its widgets by object name (a label shows the
// text, a check box or radio button is checked for "YES", an edit box shows the text, a combo
// box selects the item with that text), keeps the shown-once flag and the re-entry guard of
// ShowValues, and wires its controls and popup menus to the model's commands. A page's own
// form derives from TPageForm, builds its widgets with their object names in its constructor
// and connects them with the Connect... helpers; everything else is done here.
//
// Every page is also usable from the keyboard and the clipboard. Its values are named for the
// screen reader and copied as text by its PageValueAccess (shell/qt/page_value_access.h):
// Ctrl+C copies the page's values, one line per value ("dBm<TAB>33.01"); in an edit box with a
// selection it copies the selection, as edit boxes do. The panels that open a popup menu take
// the focus with Tab, show a focus mark, and open their menu with the Menu key or Shift+F10 (a
// menu that acts on pop-up runs its command), as a right click does.

#include <QHash>
#include <QSet>
#include <QWidget>

#include <functional>
#include <memory>
#include <string>

#include "common/qt/qt_interaction.h"
#include "shell/page_model.h"
#include "shell/qt/page_value_access.h"

class QAbstractButton;
class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QRadioButton;

namespace quorvel {

class ProgramRun;
class TTabControl;

// What a page's form is made from: its tab, the program run, where the page shows the colour
// scheme (from its registry entry) and the model the registry made for it.
struct PageFormContext {
    TTabControl& tabControl;
    ProgramRun& run;
    int tabIndex;
    const PageColourTargets& colours;
    std::unique_ptr<PageModel> model;
};

// When a control's handler may run. Full: not while ShowValues runs, not before the page has
// been shown once, not while the program shuts down. ReentryOnly: only not while ShowValues
// runs. None: always.
enum class HandlerGuard { Full, ReentryOnly, None };

class TPageForm : public QWidget {
    Q_OBJECT
public:
    // Makes the page a child of the tab control's client area, sized to it, with both flags
    // clear and the model's page caption as caption; the page takes the context's model. The
    // page is not shown yet: whoever creates it makes it visible once the derived form has
    // built its widgets.
    explicit TPageForm(PageFormContext& context);
    ~TPageForm() override;

    PageModel& Model() { return *m_model; }
    const PageModel& Model() const { return *m_model; }
    int TabIndex() const { return m_tabIndex; }
    // Where the page shows the colour scheme.
    const PageColourTargets& ColourTargets() const { return m_colours; }
    QString Caption() const { return windowTitle(); }
    bool ShownOnce() const { return m_shownOnce; }
    bool InShowValues() const { return m_inShowValues; }

    // On the first showing only: sets the shown-once flag and runs ShowValues.
    virtual void FormShow();
    // Unless already running: ApplyColours, the display list onto the widgets, then
    // ShowPageExtras for what the list does not cover (menu checks, for instance).
    void ShowValues();
    // Every result label of the display list takes the font colour of the page's reference
    // result label; captions take the main panel's font colour from the panel itself.
    virtual void ApplyColours();

    void LoadSettings(const std::string& path) { m_model->LoadSettings(path); }
    void SaveSettings(const std::string& path) const { m_model->SaveSettings(path); }

    // The popup menu built by AttachPopupMenu under this name, or nullptr.
    QMenu* PopupMenuNamed(const QString& name) const;

    // The name a value of the display list goes by on the clipboard: a check box or radio
    // button its text, any other control its caption and unit (its accessible name); its
    // object name where it has neither.
    QString ValueName(const QWidget* value) const;
    // The page's values as text: one line per display-list control on the page,
    // "name<TAB>text", the text exactly as the page shows it. Names the values first if
    // the page has not been shown yet.
    QString ValuesText();
    // Puts ValuesText on the clipboard (Ctrl+C); a page without values leaves it alone.
    void CopyValues();

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

    // Called by ShowValues after the display list has been shown.
    virtual void ShowPageExtras() {}

    // The frameless main panel "PanelMain", filling the page; the page's own panels stand
    // on it.
    QFrame* AddMainPanel();

    // Names the value `objectName` where the layout cannot tell its caption and unit (a
    // row without a caption, two values under one caption); before the page is first shown.
    void NameValue(const QString& objectName, const QString& caption,
                   const QString& unit = QString());
    // Puts `group` before the caption of every value inside `container` ("Reference" and
    // "Latitude"), where a page shows the same captions in several places; before the page is
    // first shown.
    void NameValueGroup(QWidget* container, const QString& group);

    // The font colour of the reference result label, and of the first main panel; invalid
    // colours when the page has no such widget.
    QColor DataColour() const;
    QColor PanelColour() const;

    // Builds the popup menu `menuName` from the model's Menus() once and opens it on a right
    // click over each panel. Each command item runs the model's command of that menu and
    // caption (guarded Full), then ShowValues; separators, titles and submenus are built as
    // the model lists them, and ShowValues sets every item's check mark from the model. A
    // menu that acts on pop-up opens nothing: the right click runs its command.
    QMenu* AttachPopupMenu(const QString& menuName, std::initializer_list<QWidget*> panels);
    // A click on the box runs CheckBoxClicked(name, checked), then ShowValues.
    void ConnectCheckBox(QCheckBox* box, HandlerGuard guard = HandlerGuard::Full);
    // A click on the button (a radio button or a push button) runs ButtonClicked(name), then
    // ShowValues.
    void ConnectRadioButton(QRadioButton* button, HandlerGuard guard = HandlerGuard::Full);
    void ConnectButton(QPushButton* button, HandlerGuard guard = HandlerGuard::Full);
    // A choice in the list runs ListChosen(name, index), then ShowValues.
    void ConnectComboBox(QComboBox* combo, HandlerGuard guard = HandlerGuard::Full);
    // Enter in the box, and the box losing the focus to another control, run
    // EditEntered(name, text), then ShowValues; the Enter key itself goes no further.
    void ConnectEditBox(QLineEdit* edit, HandlerGuard onEnter = HandlerGuard::Full,
                        HandlerGuard onExit = HandlerGuard::Full);

    bool HandlerAllowed(HandlerGuard guard) const;
    // Runs `action` with the page's interaction when the guard allows, then ShowValues.
    void RunCommand(HandlerGuard guard, const std::function<void(Interaction&)>& action);

    ProgramRun& Run() { return m_run; }
    Interaction& Ui() { return m_ui; }

private:
    struct EditGuards {
        HandlerGuard onEnter;
        HandlerGuard onExit;
    };
    // The menu a panel opens.
    struct PanelMenu {
        QMenu* menu;
        bool actsOnPopup;
    };

    // Builds the items of one menu (or submenu) of the model.
    void BuildMenuItems(QMenu* menu, const PopupMenu& model);
    // The check marks of every attached menu, from the model.
    void ShowMenuChecks();
    void RunMenuCommand(const QString& menu, const std::string& caption);
    // What a right click at `at` on the panel does, and the Menu key: opens the menu there,
    // or runs the command of a menu that acts on pop-up.
    void OpenPanelMenu(QWidget* panel, QMenu* menu, bool actsOnPopup, QPoint at);
    // Once, when the page is first shown and its widgets are all laid out: the accessible
    // names of its values and of its menu panels, and the double click of its value labels.
    void DescribeValues();
    // The panel's keys and context menu events; true when the event is used up.
    bool PanelEvent(QWidget* panel, const PanelMenu& menu, QEvent* event);

    std::unique_ptr<PageModel> m_model;
    ProgramRun& m_run;
    QtInteraction m_ui;
    int m_tabIndex;
    const PageColourTargets& m_colours;
    bool m_shownOnce = false;
    bool m_inShowValues = false;
    QHash<QString, QMenu*> m_menus;
    QHash<QLineEdit*, EditGuards> m_edits;
    QHash<QWidget*, PanelMenu> m_panelMenus;
    PageValueAccess m_access;
};

// Shows one display text on a widget of any of the kinds the display list names.
void ShowDisplayText(QWidget* widget, const std::string& text);

}  // namespace quorvel
