#include "window/qt/window_zoom.h"

#include <QAction>
#include <QApplication>
#include <QGuiApplication>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QToolTip>
#include <QWheelEvent>
#include <QWidget>

#include "common/qt/zoom_applier.h"
#include "shell/window_placement.h"

namespace quorvel {
namespace {

// One notch of a mouse wheel, in eighths of a degree.
constexpr int kWheelNotch = 120;

QAction* AddZoomItem(QMenu* menu, const char* objectName, const QString& caption,
                     const QList<QKeySequence>& keys) {
    QAction* item = menu->addAction(caption);
    item->setObjectName(QString::fromLatin1(objectName));
    item->setShortcuts(keys);
    return item;
}

}  // namespace

std::vector<ScreenArea> ScreenAreas() {
    std::vector<ScreenArea> areas;
    for (const QScreen* screen : QGuiApplication::screens()) {
        const QRect area = screen->availableGeometry();
        areas.push_back({area.left(), area.top(), area.width(), area.height()});
    }
    return areas;
}

TWindowZoom::TWindowZoom(QWidget& window, QMenuBar& menu)
    : QObject(&window),
      m_window(window),
      m_windows(new TZoomedWindows(this)),
      m_toolTipFont(QToolTip::font()) {
    QMenu* view = menu.addMenu(tr("View"));
    view->setObjectName(QStringLiteral("MenuView"));
    m_zoomIn = AddZoomItem(
        view, "MenuZoomIn", tr("Zoom In"),
        {QKeySequence(Qt::CTRL | Qt::Key_Plus), QKeySequence(Qt::CTRL | Qt::Key_Equal)});
    m_zoomOut =
        AddZoomItem(view, "MenuZoomOut", tr("Zoom Out"), {QKeySequence(Qt::CTRL | Qt::Key_Minus)});
    m_actualSize = AddZoomItem(view, "MenuActualSize", tr("Actual Size"),
                               {QKeySequence(Qt::CTRL | Qt::Key_0)});
    connect(m_zoomIn, &QAction::triggered, this, [this] { SetZoom(m_zoom.In()); });
    connect(m_zoomOut, &QAction::triggered, this, [this] { SetZoom(m_zoom.Out()); });
    connect(m_actualSize, &QAction::triggered, this, [this] { SetZoom(Zoom()); });
    // The window starts at the designed size, the smallest step.
    m_zoomOut->setEnabled(false);
    qApp->installEventFilter(this);
}

TWindowZoom::~TWindowZoom() {
    qApp->removeEventFilter(this);
}

void TWindowZoom::SetZoom(Zoom zoom) {
    m_zoom = zoom;
    ApplyZoom(&m_window, zoom);
    QFont tipFont = m_toolTipFont;
    if (tipFont.pointSizeF() > 0) {
        tipFont.setPointSizeF(tipFont.pointSizeF() * zoom.Factor());
    }
    QToolTip::setFont(tipFont);
    m_zoomIn->setEnabled(zoom.In() != zoom);
    m_zoomOut->setEnabled(zoom.Out() != zoom);
    KeepOnScreen();
}

void TWindowZoom::KeepOnScreen() {
    // The window takes its new size now rather than at the next pass of the event loop, so
    // that its frame can be checked against the screen.
    if (QLayout* layout = m_window.layout()) {
        layout->activate();
    }
    const QRect frame = m_window.frameGeometry();
    const std::vector<ScreenArea> screens = ScreenAreas();
    const WindowFrame placed =
        FrameOnScreen({frame.left(), frame.top(), frame.width(), frame.height()}, screens);
    if (placed.left != frame.left() || placed.top != frame.top()) {
        m_window.move(static_cast<int>(placed.left), static_cast<int>(placed.top));
    }
}

bool TWindowZoom::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::Wheel || !watched->isWidgetType() ||
        static_cast<QWidget*>(watched)->window() != &m_window) {
        return QObject::eventFilter(watched, event);
    }
    const auto* wheel = static_cast<QWheelEvent*>(event);
    if ((wheel->modifiers() & Qt::ControlModifier) == 0) {
        return QObject::eventFilter(watched, event);
    }
    const QPoint turn = wheel->angleDelta();
    m_wheelRest += turn.y() != 0 ? turn.y() : turn.x();
    Zoom zoom = m_zoom;
    for (; m_wheelRest >= kWheelNotch; m_wheelRest -= kWheelNotch) {
        zoom = zoom.In();
    }
    for (; m_wheelRest <= -kWheelNotch; m_wheelRest += kWheelNotch) {
        zoom = zoom.Out();
    }
    if (zoom != m_zoom) {
        SetZoom(zoom);
    }
    // The wheel zooms; it does not also scroll or change a list under the mouse.
    return true;
}

}  // namespace quorvel
