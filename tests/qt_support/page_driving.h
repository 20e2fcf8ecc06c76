#pragma once
// Driving one page of the real window, as a user does: the program run in the current
// working directory, its popup menus opened with a right click and their commands picked,
// and the text-entry box answered.

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QString>
#include <QWidget>

#include <memory>
#include <optional>

#include "diag/clock_source.h"
#include "qt_support/window_fixture.h"
#include "shell/qt/page_form.h"
#include "window/qt/main_form.h"

namespace quorvel::testing {

// How a PageProgram brings its page on view: as the settings file chose the tab, by
// selecting the tab as a click on it does, or as the settings chose and with the window made
// the active one.
enum class PageView { AsSaved, SelectTab, Activate };

// One run of the program in the current working directory, its window shown, and the page of
// `tab` that a test drives. `now` sets the fake clock's calendar before the window is made.
class PageProgram {
public:
    explicit PageProgram(int tab, PageView view = PageView::AsSaved,
                         std::optional<CalendarReading> now = std::nullopt);
    ~PageProgram();
    PageProgram(const PageProgram&) = delete;
    PageProgram& operator=(const PageProgram&) = delete;

    TPageForm& Page() const { return *window->Page(m_tab); }
    template <typename T = QWidget>
    T* Find(const QString& name) const {
        return Page().findChild<T*>(name);
    }
    QString Text(const QString& name) const { return Find<QLabel>(name)->text(); }

    QuietRun quiet;
    std::unique_ptr<TQuorvelMainForm> window;
    bool active = false;  // with PageView::Activate: whether the window became active

private:
    int m_tab;
};

// Right-clicks the control and returns the popup menu that opened (nullptr for none).
QMenu* RightClick(QWidget* target);

// The command of the menu or of any of its submenus whose caption or item name is `command`,
// or nullptr.
QAction* MenuCommand(QMenu* menu, const QString& command);

// Right-clicks `over` and picks the command from the menu that opens; fails the test when no
// menu opens or it holds no such command.
void RunPopupCommand(QWidget* over, const QString& command);

// Answers the next text-entry box with `text` and OK, noting its prompt, the text it started
// with and its title where asked.
void AnswerTextEntry(const QString& text, QString* prompt = nullptr, QString* start = nullptr,
                     QString* title = nullptr);

}  // namespace quorvel::testing
