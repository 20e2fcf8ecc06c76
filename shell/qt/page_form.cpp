#include "shell/qt/page_form.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QFocusEvent>
#include <QFrame>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>
#include <QVBoxLayout>

#include <utility>
#include <vector>

#include "common/qt/menu_items.h"
#include "common/qt/qt_text.h"
#include "common/qt/zoom_applier.h"
#include "diag/program_run.h"
#include "shell/qt/focus_mark.h"
#include "shell/qt/scheme_colours.h"
#include "shell/qt/tab_control.h"

namespace quorvel {
namespace {

void SetButtonChecked(QAbstractButton* button, bool checked) {
    if (button->isChecked() == checked) {
        return;
    }
    if (checked) {
        button->setChecked(true);
        return;
    }
    // An exclusive radio button refuses to be unchecked on its own; the display may ask for
    // none of a group to be checked.
    QButtonGroup* group = button->group();
    const bool groupExclusive = group != nullptr && group->exclusive();
    const bool autoExclusive = button->autoExclusive();
    if (groupExclusive) {
        group->setExclusive(false);
    }
    button->setAutoExclusive(false);
    button->setChecked(false);
    button->setAutoExclusive(autoExclusive);
    if (groupExclusive) {
        group->setExclusive(true);
    }
}

// The Menu key, and Shift+F10, open a widget's context menu from the keyboard.
bool OpensContextMenu(const QKeyEvent* key) {
    const Qt::KeyboardModifiers modifiers = key->modifiers() & ~Qt::KeypadModifier;
    return (key->key() == Qt::Key_Menu && modifiers == Qt::NoModifier) ||
           (key->key() == Qt::Key_F10 && modifiers == Qt::ShiftModifier);
}

}  // namespace

void ShowDisplayText(QWidget* widget, const std::string& text) {
    if (auto* label = qobject_cast<QLabel*>(widget)) {
        const QString shown = ToQString(text);
        label->setTextFormat(Qt::PlainText);
        if (label->text() != shown) {
            label->setText(shown);
        }
    } else if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
        const QString shown = ToQString(text);
        if (edit->text() != shown) {
            edit->setText(shown);
        }
    } else if (auto* combo = qobject_cast<QComboBox*>(widget)) {
        combo->setCurrentIndex(combo->findText(ToQString(text), Qt::MatchExactly));
    } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
        if (button->isCheckable()) {
            SetButtonChecked(button, text == "YES");
        } else {
            button->setText(ToQString(text));
        }
    }
}

TPageForm::TPageForm(PageFormContext& context)
    : QWidget(context.tabControl.ClientArea()),
      m_model(std::move(context.model)),
      m_run(context.run),
      m_ui(this, context.run),
      m_tabIndex(context.tabIndex),
      m_colours(context.colours),
      m_access(*this, *m_model) {
    setObjectName(QStringLiteral("Page%1").arg(m_tabIndex));
    setWindowTitle(ToQString(m_model->PageCaption()));
    setGeometry(context.tabControl.ClientArea()->rect());
    // The derived form builds its widgets in designed units, whatever the window's zoom.
    BuildAtDesignedSize(this);

    // Only the shown page's copy is live: a shortcut of a hidden widget does not fire.
    auto* copy = new QShortcut(QKeySequence::Copy, this);
    copy->setContext(Qt::WindowShortcut);
    connect(copy, &QShortcut::activated, this, &TPageForm::CopyValues);
}

TPageForm::~TPageForm() {
    // The edits and panels outlive this part of the page by a moment; their last focus events
    // must not reach a half-destroyed page.
    for (auto it = m_edits.constBegin(); it != m_edits.constEnd(); ++it) {
        it.key()->removeEventFilter(this);
        disconnect(it.key(), nullptr, this, nullptr);
    }
    m_edits.clear();
    for (auto it = m_panelMenus.constBegin(); it != m_panelMenus.constEnd(); ++it) {
        it.key()->removeEventFilter(this);
    }
    m_panelMenus.clear();
}

void TPageForm::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    DescribeValues();
    FormShow();
}

void TPageForm::FormShow() {
    if (m_shownOnce) {
        return;
    }
    m_shownOnce = true;
    ShowValues();
}

void TPageForm::ShowValues() {
    if (m_inShowValues) {
        return;
    }
    m_inShowValues = true;
    // The guard is cleared however the display ends, so that one failure cannot leave the
    // page deaf to every later command.
    struct ClearGuard {
        bool& flag;
        ~ClearGuard() { flag = false; }
    } clear{m_inShowValues};

    ApplyColours();
    for (const DisplayItem& item : m_model->Display()) {
        if (auto* widget = findChild<QWidget*>(ToQString(item.name))) {
            ShowDisplayText(widget, item.text);
            m_access.TextShown(widget);
        }
    }
    ShowMenuChecks();
    ShowPageExtras();
}

QColor TPageForm::DataColour() const {
    const std::string_view name = m_colours.referenceLabel;
    const QWidget* reference = name.empty() ? nullptr : findChild<QWidget*>(ToQString(name));
    return reference != nullptr ? FontColour(reference) : QColor();
}

QColor TPageForm::PanelColour() const {
    const QWidget* panel = m_colours.mainPanels.empty()
                               ? nullptr
                               : findChild<QWidget*>(ToQString(m_colours.mainPanels.front()));
    return panel != nullptr ? FontColour(panel) : QColor();
}

void TPageForm::ApplyColours() {
    const QColor data = DataColour();
    if (!data.isValid()) {
        return;
    }
    for (const DisplayItem& item : m_model->Display()) {
        auto* label = findChild<QLabel*>(ToQString(item.name));
        if (label != nullptr && FontColour(label) != data) {
            SetFontColour(label, data);
        }
    }
}

QFrame* TPageForm::AddMainPanel() {
    auto* panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("PanelMain"));
    panel->setFrameShape(QFrame::NoFrame);
    auto* page = new QVBoxLayout(this);
    page->setContentsMargins(0, 0, 0, 0);
    page->addWidget(panel);
    return panel;
}

QMenu* TPageForm::PopupMenuNamed(const QString& name) const {
    return m_menus.value(name);
}

bool TPageForm::HandlerAllowed(HandlerGuard guard) const {
    switch (guard) {
        case HandlerGuard::None:
            return true;
        case HandlerGuard::ReentryOnly:
            return !m_inShowValues;
        case HandlerGuard::Full:
            break;
    }
    return !m_inShowValues && m_shownOnce && !m_run.ShuttingDown();
}

void TPageForm::RunCommand(HandlerGuard guard, const std::function<void(Interaction&)>& action) {
    if (!HandlerAllowed(guard)) {
        return;
    }
    action(m_ui);
    ShowValues();
}

QMenu* TPageForm::AttachPopupMenu(const QString& menuName, std::initializer_list<QWidget*> panels) {
    QMenu* menu = m_menus.value(menuName);
    bool actsOnPopup = false;
    for (const PopupMenu& model : m_model->Menus()) {
        if (ToQString(model.name) == menuName) {
            actsOnPopup = model.actsOnPopup;
            if (menu == nullptr) {
                menu = new QMenu(this);
                menu->setObjectName(menuName);
                m_menus.insert(menuName, menu);
                BuildMenuItems(menu, model);
            }
        }
    }
    if (menu == nullptr) {
        // A menu the model does not list stays empty, so that the page still has it by name.
        menu = new QMenu(this);
        menu->setObjectName(menuName);
        m_menus.insert(menuName, menu);
    }
    for (QWidget* panel : panels) {
        panel->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(panel, &QWidget::customContextMenuRequested, menu,
                [this, menu, panel, actsOnPopup](QPoint at) {
                    OpenPanelMenu(panel, menu, actsOnPopup, at);
                });
        // Tab reaches the panel; a click does not take the focus from an edit box.
        if (panel->focusPolicy() == Qt::NoFocus) {
            panel->setFocusPolicy(Qt::TabFocus);
        }
        if (!m_panelMenus.contains(panel)) {
            new TFocusMark(panel);
            panel->installEventFilter(this);
        }
        m_panelMenus.insert(panel, PanelMenu{menu, actsOnPopup});
    }
    return menu;
}

void TPageForm::OpenPanelMenu(QWidget* panel, QMenu* menu, bool actsOnPopup, QPoint at) {
    if (m_run.ShuttingDown()) {
        return;
    }
    if (actsOnPopup) {
        RunMenuCommand(menu->objectName(), std::string());
    } else {
        menu->popup(panel->mapToGlobal(at));
    }
}

bool TPageForm::PanelEvent(QWidget* panel, const PanelMenu& menu, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (!OpensContextMenu(key) || key->isAutoRepeat()) {
            return false;
        }
        // In the middle of the panel, where a keyboard context menu opens for any widget.
        OpenPanelMenu(panel, menu.menu, menu.actsOnPopup, panel->rect().center());
        return true;
    }
    // Some platforms follow the Menu key with a context menu event of their own; the key has
    // opened the menu already.
    return event->type() == QEvent::ContextMenu &&
           static_cast<QContextMenuEvent*>(event)->reason() == QContextMenuEvent::Keyboard;
}

void TPageForm::BuildMenuItems(QMenu* menu, const PopupMenu& model) {
    const QString menuName = ToQString(model.name);
    // Submenus by the caption of the item that opens them.
    QHash<QString, QMenu*> submenus;
    for (const MenuItem& item : model.items) {
        QMenu* parent = item.parent.empty() ? menu : submenus.value(ToQString(item.parent));
        if (parent == nullptr) {
            continue;
        }
        const QString caption = ToQString(item.caption);
        switch (item.kind) {
            case MenuItem::Kind::Separator:
                AddMenuItem(menu, parent, QString(), nullptr, item.tag, QStringLiteral("-"));
                break;
            case MenuItem::Kind::Submenu: {
                QMenu* submenu = parent->addMenu(caption);
                submenu->setObjectName(ToQString(item.name));
                submenus.insert(caption, submenu);
                break;
            }
            case MenuItem::Kind::Title: {
                // A heading that does nothing when picked.
                QAction* title =
                    AddMenuItem(menu, parent, ToQString(item.name), nullptr, item.tag, caption);
                QFont bold = title->font();
                bold.setBold(true);
                title->setFont(bold);
                break;
            }
            case MenuItem::Kind::Command: {
                QAction* action = AddMenuItem(
                    menu, parent, ToQString(item.name),
                    [this, menuName, caption = item.caption](QAction*) {
                        RunMenuCommand(menuName, caption);
                    },
                    item.tag, caption);
                if (item.checked) {
                    action->setCheckable(true);
                    action->setChecked(true);
                }
                break;
            }
        }
    }
}

void TPageForm::RunMenuCommand(const QString& menu, const std::string& caption) {
    const std::string menuName = ToStdString(menu);
    RunCommand(HandlerGuard::Full, [this, &menuName, &caption](Interaction& ui) {
        m_model->RunMenuCommand(MenuCommandRef{menuName, caption}, ui);
    });
}

void TPageForm::ShowMenuChecks() {
    if (m_menus.isEmpty()) {
        return;
    }
    for (const PopupMenu& model : m_model->Menus()) {
        QMenu* menu = m_menus.value(ToQString(model.name));
        if (menu == nullptr) {
            continue;
        }
        for (const MenuItem& item : model.items) {
            if (!item.IsCommand()) {
                continue;
            }
            const QString caption = ToQString(item.caption);
            for (QAction* action : menu->findChildren<QAction*>()) {
                if (action->text() != caption) {
                    continue;
                }
                // An item shows a check mark once it has had one.
                if (item.checked) {
                    action->setCheckable(true);
                }
                if (action->isCheckable() && action->isChecked() != item.checked) {
                    action->setChecked(item.checked);
                }
            }
        }
    }
}

void TPageForm::ConnectCheckBox(QCheckBox* box, HandlerGuard guard) {
    connect(box, &QCheckBox::clicked, this, [this, box, guard](bool checked) {
        RunCommand(guard, [this, box, checked](Interaction& ui) {
            m_model->CheckBoxClicked(ToStdString(box->objectName()), checked, ui);
        });
    });
}

void TPageForm::ConnectRadioButton(QRadioButton* button, HandlerGuard guard) {
    connect(button, &QRadioButton::clicked, this, [this, button, guard] {
        RunCommand(guard, [this, button](Interaction& ui) {
            m_model->ButtonClicked(ToStdString(button->objectName()), ui);
        });
    });
}

void TPageForm::ConnectButton(QPushButton* button, HandlerGuard guard) {
    connect(button, &QPushButton::clicked, this, [this, button, guard] {
        RunCommand(guard, [this, button](Interaction& ui) {
            m_model->ButtonClicked(ToStdString(button->objectName()), ui);
        });
    });
}

void TPageForm::ConnectComboBox(QComboBox* combo, HandlerGuard guard) {
    connect(combo, &QComboBox::activated, this, [this, combo, guard](int index) {
        RunCommand(guard, [this, combo, index](Interaction& ui) {
            m_model->ListChosen(ToStdString(combo->objectName()), index, ui);
        });
    });
}

void TPageForm::ConnectEditBox(QLineEdit* edit, HandlerGuard onEnter, HandlerGuard onExit) {
    m_edits.insert(edit, EditGuards{onEnter, onExit});
    edit->installEventFilter(this);
    connect(edit, &QObject::destroyed, this, [this, edit] { m_edits.remove(edit); });
}

bool TPageForm::eventFilter(QObject* watched, QEvent* event) {
    if (watched->isWidgetType()) {
        auto* widget = static_cast<QWidget*>(watched);
        if (const auto panel = m_panelMenus.constFind(widget);
            panel != m_panelMenus.constEnd() && PanelEvent(widget, panel.value(), event)) {
            return true;
        }
    }
    auto* edit = qobject_cast<QLineEdit*>(watched);
    const auto found = edit != nullptr ? m_edits.constFind(edit) : m_edits.constEnd();
    if (found == m_edits.constEnd()) {
        return QWidget::eventFilter(watched, event);
    }
    // Ctrl+C in a box with a selection copies the selection; without one it copies the page.
    if (event->type() == QEvent::ShortcutOverride &&
        static_cast<QKeyEvent*>(event)->matches(QKeySequence::Copy) && !edit->hasSelectedText()) {
        event->ignore();
        return true;
    }
    const EditGuards guards = found.value();
    auto enter = [this, edit](Interaction& ui) {
        m_model->EditEntered(ToStdString(edit->objectName()), ToStdString(edit->text()), ui);
    };
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            RunCommand(guards.onEnter, enter);
            return true;
        }
    } else if (event->type() == QEvent::FocusOut) {
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) {
            RunCommand(guards.onExit, enter);
        }
    }
    return QWidget::eventFilter(watched, event);
}

void TPageForm::NameValue(const QString& objectName, const QString& caption, const QString& unit) {
    m_access.NameValue(objectName, caption, unit);
}

void TPageForm::NameValueGroup(QWidget* container, const QString& group) {
    m_access.NameValueGroup(container, group);
}

void TPageForm::DescribeValues() {
    QSet<const QWidget*> menuPanels;
    for (auto it = m_panelMenus.constBegin(); it != m_panelMenus.constEnd(); ++it) {
        menuPanels.insert(it.key());
    }
    m_access.DescribeValues(menuPanels);
}

QString TPageForm::ValueName(const QWidget* value) const {
    return PageValueAccess::ValueName(value);
}

QString TPageForm::ValuesText() {
    DescribeValues();
    return m_access.ValuesText();
}

void TPageForm::CopyValues() {
    const QString text = ValuesText();
    if (!text.isEmpty()) {
        QGuiApplication::clipboard()->setText(text);
    }
}

}  // namespace quorvel
