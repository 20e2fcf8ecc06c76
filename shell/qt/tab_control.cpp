#include "shell/qt/tab_control.h"

#include <QChildEvent>
#include <QKeyEvent>
#include <QPainter>
#include <QSignalBlocker>
#include <QStyle>
#include <QStyleOptionTabWidgetFrame>
#include <QTabBar>

namespace quorvel {
namespace {

// The client area keeps every page it holds at its own full size.
class TTabClientArea final : public QWidget {
public:
    explicit TTabClientArea(QWidget* parent) : QWidget(parent) {
        setObjectName(QStringLiteral("TabClientArea"));
    }

protected:
    void resizeEvent(QResizeEvent*) override { FitChildren(); }
    void childEvent(QChildEvent* event) override {
        QWidget::childEvent(event);
        if (event->type() == QEvent::ChildPolished) {
            FitChildren();
        }
    }

private:
    void FitChildren() {
        for (QObject* child : children()) {
            if (auto* widget = qobject_cast<QWidget*>(child);
                widget != nullptr && !widget->isWindow() && widget->geometry() != rect()) {
                widget->setGeometry(rect());
            }
        }
    }
};

}  // namespace

TTabControl::TTabControl(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("TabControl"));
    m_tabs = new QTabBar(this);
    m_tabs->setObjectName(QStringLiteral("TabControlTabs"));
    m_tabs->setDrawBase(false);
    m_tabs->setExpanding(false);
    m_tabs->setUsesScrollButtons(true);
    m_client = new TTabClientArea(this);
    setFocusProxy(m_tabs);
    connect(m_tabs, &QTabBar::currentChanged, this, &TTabControl::Changed);
}

int TTabControl::AddTab(const QString& caption) {
    const QSignalBlocker quiet(m_tabs);
    const int index = m_tabs->addTab(caption);
    LayOut();
    return index;
}

int TTabControl::TabCount() const {
    return m_tabs->count();
}

int TTabControl::TabIndex() const {
    return m_tabs->currentIndex();
}

bool TTabControl::SetTabIndex(int index) {
    if (index < 0 || index >= m_tabs->count()) {
        return false;
    }
    const QSignalBlocker quiet(m_tabs);
    m_tabs->setCurrentIndex(index);
    return true;
}

void TTabControl::keyPressEvent(QKeyEvent* event) {
    const bool control = (event->modifiers() & Qt::ControlModifier) != 0;
    int step = 0;
    if (control && event->key() == Qt::Key_Tab) {
        step = (event->modifiers() & Qt::ShiftModifier) != 0 ? -1 : 1;
    } else if (control && event->key() == Qt::Key_Backtab) {
        step = -1;
    } else if (control && event->key() == Qt::Key_PageDown) {
        step = 1;
    } else if (control && event->key() == Qt::Key_PageUp) {
        step = -1;
    }
    if (step == 0 || m_tabs->count() < 2) {
        QWidget::keyPressEvent(event);
        return;
    }
    // The tab bar reports the change as a user's choice.
    m_tabs->setCurrentIndex((m_tabs->currentIndex() + step + m_tabs->count()) % m_tabs->count());
}

void TTabControl::resizeEvent(QResizeEvent*) {
    LayOut();
}

void TTabControl::showEvent(QShowEvent*) {
    LayOut();
}

// The same geometry QTabWidget gives its tab bar, frame and pages, from the style.
static QStyleOptionTabWidgetFrame FrameOption(const QWidget* control, const QTabBar* tabs) {
    QStyleOptionTabWidgetFrame option;
    option.initFrom(control);
    option.rect = control->rect();
    option.lineWidth =
        control->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, control);
    option.shape = QTabBar::RoundedNorth;
    option.tabBarSize = tabs->sizeHint().boundedTo(control->size());
    option.rightCornerWidgetSize = QSize(0, 0);
    option.leftCornerWidgetSize = QSize(0, 0);
    return option;
}

void TTabControl::LayOut() {
    const QStyleOptionTabWidgetFrame option = FrameOption(this, m_tabs);
    m_tabs->setGeometry(style()->subElementRect(QStyle::SE_TabWidgetTabBar, &option, this));
    m_client->setGeometry(style()->subElementRect(QStyle::SE_TabWidgetTabContents, &option, this));
}

void TTabControl::paintEvent(QPaintEvent*) {
    QStyleOptionTabWidgetFrame option = FrameOption(this, m_tabs);
    option.rect = style()->subElementRect(QStyle::SE_TabWidgetTabPane, &option, this);
    option.selectedTabRect = m_tabs->tabRect(m_tabs->currentIndex()).translated(m_tabs->pos());
    QPainter painter(this);
    style()->drawPrimitive(QStyle::PE_FrameTabWidget, &option, &painter, this);
}

}  // namespace quorvel
