#pragma once
// The main window's tab control: a row of tabs over a framed client area. Unlike QTabWidget
// it does not own or switch pages: the pages are children of its client area, each sized to
// the whole area, and the host shows and hides them itself when the tab changes.

#include <QWidget>

class QTabBar;

namespace quorvel {

class TTabControl final : public QWidget {
    Q_OBJECT
public:
    explicit TTabControl(QWidget* parent);

    int AddTab(const QString& caption);
    int TabCount() const;
    int TabIndex() const;
    // Selects a tab without reporting a change; false (and nothing changes) for an index
    // outside 0..TabCount()-1.
    bool SetTabIndex(int index);

    QTabBar* Tabs() const { return m_tabs; }
    // The area pages live in ("TabClientArea").
    QWidget* ClientArea() const { return m_client; }

signals:
    // The user picked another tab (by mouse or keyboard).
    void Changed(int index);

protected:
    void resizeEvent(QResizeEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;
    // Ctrl+Tab and Ctrl+Page Down move to the next tab, with Shift or Page Up to the previous
    // one, wherever the focus is on the pages.
    void keyPressEvent(QKeyEvent* event) override;

private:
    void LayOut();

    QTabBar* m_tabs = nullptr;
    QWidget* m_client = nullptr;
};

}  // namespace quorvel
