#pragma once
// Puts a widget tree at a zoom (common/zoom.h). Forms are built in the units of the designed
// size, 100 %: fonts in points, and layout margins, spacings, spacers, fixed and minimum sizes
// and hand-placed geometries in pixels. The first time a tree is zoomed, the designed value
// of each of these is kept on its widget or layout; every zoom after that scales the kept
// values, so that steps never add up rounding and 100 % gives back the designed layout pixel
// for pixel. Sizes that follow from these (a label's room for its text, a tab bar's height,
// a page filling its tab) follow by themselves.
//
// A form therefore never multiplies by the zoom: it lays itself out in designed units, places
// a widget by hand only through PlaceWidget, and leaves the rest to ApplyZoom.

#include <QObject>
#include <QRect>

#include "common/zoom.h"

class QWidget;

namespace quorvel {

// Zooms `root` and every widget and layout below it, the windows it owns (popup menus, a
// map window) included. The root remembers its zoom: widgets and windows made under it later
// follow it (FollowZoom, TZoomedWindows). A tree that was never zoomed is not touched at
// 100 %, so that the designed window stays exactly as it is built.
void ApplyZoom(QWidget* root, Zoom zoom);

// The zoom of the nearest widget at or above `widget`, through parents and owners, that has
// one; 100 % where none has.
Zoom ZoomOf(const QWidget* widget);

// Zooms a widget built after its tree was zoomed (a page form made later, a dialog) to the
// zoom of its parent. Nothing where that zoom is 100 %.
void FollowZoom(QWidget* widget);

// Gives `widget`, whose children are about to be built, the font of the designed size when
// its parent is zoomed, so that whatever its builder measures with the font is in designed
// units; FollowZoom then zooms the finished widget. Nothing where the parent is at 100 %.
void BuildAtDesignedSize(QWidget* widget);

// Places `widget` at `designed`, in pixels of the designed size, now and at every zoom (the
// edges are scaled, so that widgets placed side by side stay side by side).
void PlaceWidget(QWidget* widget, const QRect& designed);

// Zooms every window that opens from a zoomed window (a dialog, a prompt, a message box, the
// About box, a popup menu) as it is first laid out, and keeps a window that was centred
// centred at its new size. One per application; it ends with its parent.
class TZoomedWindows final : public QObject {
public:
    explicit TZoomedWindows(QObject* parent);
    ~TZoomedWindows() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

}  // namespace quorvel
