#pragma once
// The zoom of the main window and the "View" menu that changes it: Zoom In (Ctrl+Plus,
// Ctrl+=), Zoom Out (Ctrl+Minus) and Actual Size (Ctrl+0), and Ctrl with the mouse wheel over
// the window. The zoom covers the whole window, the windows opened from it and their tool
// tips; a window that the new size would push off its screen is moved back onto it.

#include <QFont>
#include <QObject>

#include <vector>

#include "common/zoom.h"
#include "shell/window_placement.h"

class QAction;
class QMenuBar;
class QWidget;

namespace quorvel {

class TZoomedWindows;

// The usable area of each screen.
std::vector<ScreenArea> ScreenAreas();

class TWindowZoom final : public QObject {
    Q_OBJECT
public:
    // Adds the "View" menu to `menu` (after the items already there) for `window`.
    TWindowZoom(QWidget& window, QMenuBar& menu);
    ~TWindowZoom() override;

    Zoom Current() const { return m_zoom; }
    // Puts the window at `zoom` and keeps it on its screen.
    void SetZoom(Zoom zoom);

    QAction* ZoomInItem() const { return m_zoomIn; }
    QAction* ZoomOutItem() const { return m_zoomOut; }
    QAction* ActualSizeItem() const { return m_actualSize; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void KeepOnScreen();

    QWidget& m_window;
    Zoom m_zoom;
    TZoomedWindows* m_windows = nullptr;
    // The tool tips' font at the designed size.
    QFont m_toolTipFont;
    QAction* m_zoomIn = nullptr;
    QAction* m_zoomOut = nullptr;
    QAction* m_actualSize = nullptr;
    // Wheel turns not yet a whole step (a touchpad sends small ones).
    int m_wheelRest = 0;
};

}  // namespace quorvel
