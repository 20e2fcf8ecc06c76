#include "common/qt/zoom_applier.h"

#include <QApplication>
#include <QBoxLayout>
#include <QEvent>
#include <QFormLayout>
#include <QGridLayout>
#include <QLayout>
#include <QList>
#include <QMargins>
#include <QSpacerItem>
#include <QVariant>
#include <QWidget>

#include <algorithm>
#include <cmath>

namespace quorvel {
namespace {

// Where the designed values are kept: dynamic properties of the widgets and layouts.
constexpr char kZoomProperty[] = "quorvelZoom";
constexpr char kDesignedWidgetProperty[] = "quorvelDesignedWidget";
constexpr char kDesignedLayoutProperty[] = "quorvelDesignedLayout";
constexpr char kPlacedProperty[] = "quorvelPlacedGeometry";

// What a widget had at the designed size.
struct DesignedWidget {
    // Set for a widget whose font is its own rather than its parent's.
    bool ownFont = false;
    QFont font;
    // Set for a widget given a minimum or maximum size by hand.
    bool sized = false;
    QSize minimum;
    QSize maximum;
};

// What a layout had at the designed size; -1 where the style decides.
struct DesignedLayout {
    QMargins margins;
    int spacing = -1;
    int horizontalSpacing = -1;
    int verticalSpacing = -1;
    // The size of each spacer item by item index (an invalid size for the other items).
    QList<QSize> spacers;
    QList<int> columnMinimum;
    QList<int> rowMinimum;
};

}  // namespace
}  // namespace quorvel

Q_DECLARE_METATYPE(quorvel::DesignedWidget)
Q_DECLARE_METATYPE(quorvel::DesignedLayout)

namespace quorvel {
namespace {

int ScaledNearest(int length, double factor) {
    return static_cast<int>(std::lround(length * factor));
}

QSize ScaledSize(QSize size, double factor) {
    const auto dimension = [factor](int length) {
        return length >= QWIDGETSIZE_MAX ? QWIDGETSIZE_MAX
                                         : std::min(ScaledNearest(length, factor), QWIDGETSIZE_MAX);
    };
    return QSize(dimension(size.width()), dimension(size.height()));
}

QFont ScaledFont(QFont font, double factor) {
    if (font.pointSizeF() > 0) {
        font.setPointSizeF(font.pointSizeF() * factor);
    } else if (font.pixelSize() > 0) {
        font.setPixelSize(std::max(1, ScaledNearest(font.pixelSize(), factor)));
    }
    return font;
}

bool SizedByItsLayout(const QWidget* widget) {
    // A window's layout sets the window's minimum (and with a fixed-size constraint its
    // maximum) size from its contents; that size follows the zoomed contents by itself.
    return widget->isWindow() && widget->layout() != nullptr;
}

void KeepDesignedWidget(QWidget* widget, bool isRoot) {
    if (widget->property(kDesignedWidgetProperty).isValid()) {
        return;
    }
    DesignedWidget designed;
    designed.ownFont = isRoot || widget->isWindow() || widget->testAttribute(Qt::WA_SetFont);
    designed.font = widget->font();
    const bool unsized = widget->minimumSize() == QSize(0, 0) &&
                         widget->maximumSize() == QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    designed.sized = !unsized && !SizedByItsLayout(widget);
    designed.minimum = widget->minimumSize();
    designed.maximum = widget->maximumSize();
    widget->setProperty(kDesignedWidgetProperty, QVariant::fromValue(designed));
}

void KeepDesignedLayout(QLayout* layout) {
    if (!layout->property(kDesignedLayoutProperty).isValid()) {
        DesignedLayout designed;
        designed.margins = layout->contentsMargins();
        if (auto* grid = qobject_cast<QGridLayout*>(layout)) {
            designed.horizontalSpacing = grid->horizontalSpacing();
            designed.verticalSpacing = grid->verticalSpacing();
            for (int column = 0; column < grid->columnCount(); ++column) {
                designed.columnMinimum.push_back(grid->columnMinimumWidth(column));
            }
            for (int row = 0; row < grid->rowCount(); ++row) {
                designed.rowMinimum.push_back(grid->rowMinimumHeight(row));
            }
        } else if (auto* form = qobject_cast<QFormLayout*>(layout)) {
            designed.horizontalSpacing = form->horizontalSpacing();
            designed.verticalSpacing = form->verticalSpacing();
        } else if (qobject_cast<QBoxLayout*>(layout) != nullptr) {
            designed.spacing = layout->spacing();
        }
        for (int index = 0; index < layout->count(); ++index) {
            const QSpacerItem* spacer = layout->itemAt(index)->spacerItem();
            designed.spacers.push_back(spacer != nullptr ? spacer->sizeHint() : QSize());
        }
        layout->setProperty(kDesignedLayoutProperty, QVariant::fromValue(designed));
    }
    for (int index = 0; index < layout->count(); ++index) {
        if (QLayout* inner = layout->itemAt(index)->layout()) {
            KeepDesignedLayout(inner);
        }
    }
}

void ZoomSpacing(QLayout* layout, const DesignedLayout& designed, double factor) {
    const auto scaled = [factor](int spacing) {
        return spacing < 0 ? -1 : ScaledNearest(spacing, factor);
    };
    if (auto* grid = qobject_cast<QGridLayout*>(layout)) {
        grid->setHorizontalSpacing(scaled(designed.horizontalSpacing));
        grid->setVerticalSpacing(scaled(designed.verticalSpacing));
        for (int column = 0; column < designed.columnMinimum.size(); ++column) {
            grid->setColumnMinimumWidth(column,
                                        ScaledNearest(designed.columnMinimum[column], factor));
        }
        for (int row = 0; row < designed.rowMinimum.size(); ++row) {
            grid->setRowMinimumHeight(row, ScaledNearest(designed.rowMinimum[row], factor));
        }
    } else if (auto* form = qobject_cast<QFormLayout*>(layout)) {
        form->setHorizontalSpacing(scaled(designed.horizontalSpacing));
        form->setVerticalSpacing(scaled(designed.verticalSpacing));
    } else if (designed.spacing >= 0) {
        layout->setSpacing(scaled(designed.spacing));
    }
}

void ZoomLayout(QLayout* layout, double factor) {
    const auto designed = layout->property(kDesignedLayoutProperty).value<DesignedLayout>();
    const QMargins& margins = designed.margins;
    layout->setContentsMargins(
        ScaledNearest(margins.left(), factor), ScaledNearest(margins.top(), factor),
        ScaledNearest(margins.right(), factor), ScaledNearest(margins.bottom(), factor));
    ZoomSpacing(layout, designed, factor);
    const int spacers = std::min(static_cast<int>(designed.spacers.size()), layout->count());
    for (int index = 0; index < spacers; ++index) {
        QSpacerItem* spacer = layout->itemAt(index)->spacerItem();
        const QSize size = designed.spacers[index];
        if (spacer != nullptr && size.isValid()) {
            const QSizePolicy policy = spacer->sizePolicy();
            spacer->changeSize(ScaledNearest(size.width(), factor),
                               ScaledNearest(size.height(), factor), policy.horizontalPolicy(),
                               policy.verticalPolicy());
        }
    }
    layout->invalidate();
    for (int index = 0; index < layout->count(); ++index) {
        if (QLayout* inner = layout->itemAt(index)->layout()) {
            ZoomLayout(inner, factor);
        }
    }
}

void ZoomWidget(QWidget* widget, double factor) {
    const auto designed = widget->property(kDesignedWidgetProperty).value<DesignedWidget>();
    if (designed.ownFont) {
        widget->setFont(factor == 1.0 ? designed.font : ScaledFont(designed.font, factor));
    }
    if (QLayout* layout = widget->layout()) {
        ZoomLayout(layout, factor);
    }
    if (designed.sized) {
        widget->setMinimumSize(ScaledSize(designed.minimum, factor));
        widget->setMaximumSize(ScaledSize(designed.maximum, factor));
    }
}

void PlaceAtZoom(QWidget* widget, const QRect& designed, double factor) {
    const int left = ScaledNearest(designed.left(), factor);
    const int top = ScaledNearest(designed.top(), factor);
    const int right = ScaledNearest(designed.left() + designed.width(), factor);
    const int bottom = ScaledNearest(designed.top() + designed.height(), factor);
    widget->setGeometry(left, top, right - left, bottom - top);
}

// A window the user may size (a map window) keeps the size it has, in proportion. A popup
// (a menu, a list box's list) is sized by its owner each time it opens.
void ResizeWindow(QWidget* window, double from, double to) {
    const QLayout* layout = window->layout();
    if (!window->testAttribute(Qt::WA_Resized) || from == to || window->windowType() == Qt::Popup ||
        (layout != nullptr && layout->sizeConstraint() == QLayout::SetFixedSize)) {
        return;
    }
    window->resize(ScaledNearest(window->width(), to / from),
                   ScaledNearest(window->height(), to / from));
}

// The zoom a window was last put at; a window never zoomed is at its designed size.
double OwnZoomFactor(const QWidget* window) {
    const QVariant percent = window->property(kZoomProperty);
    return percent.isValid() ? Zoom::FromPercent(percent.toInt()).Factor() : 1.0;
}

bool EverZoomed(const QWidget* root) {
    return root->property(kDesignedWidgetProperty).isValid();
}

}  // namespace

void ApplyZoom(QWidget* root, Zoom zoom) {
    if (zoom.IsActualSize() && !EverZoomed(root)) {
        root->setProperty(kZoomProperty, zoom.Percent());
        return;
    }
    QList<QWidget*> widgets = root->findChildren<QWidget*>();
    widgets.prepend(root);
    // Every designed value is kept before any is changed: a zoomed parent's font would
    // otherwise reach the children that take theirs from it.
    for (QWidget* widget : widgets) {
        KeepDesignedWidget(widget, widget == root);
        if (QLayout* layout = widget->layout()) {
            KeepDesignedLayout(layout);
        }
    }
    const double factor = zoom.Factor();
    for (QWidget* widget : widgets) {
        // Each window, and each form zoomed on its own before, knows the zoom it is at.
        if (widget == root || widget->isWindow() || widget->property(kZoomProperty).isValid()) {
            if (widget->isWindow()) {
                ResizeWindow(widget, OwnZoomFactor(widget), factor);
            }
            widget->setProperty(kZoomProperty, zoom.Percent());
        }
        ZoomWidget(widget, factor);
    }
    for (QWidget* widget : widgets) {
        if (const QVariant placed = widget->property(kPlacedProperty); placed.isValid()) {
            PlaceAtZoom(widget, placed.toRect(), factor);
        }
    }
}

Zoom ZoomOf(const QWidget* widget) {
    for (; widget != nullptr; widget = widget->parentWidget()) {
        if (const QVariant percent = widget->property(kZoomProperty); percent.isValid()) {
            return Zoom::FromPercent(percent.toInt());
        }
    }
    return Zoom();
}

void FollowZoom(QWidget* widget) {
    const Zoom zoom = ZoomOf(widget->parentWidget());
    if (zoom.IsActualSize() && !EverZoomed(widget)) {
        return;
    }
    ApplyZoom(widget, zoom);
}

void BuildAtDesignedSize(QWidget* widget) {
    const Zoom zoom = ZoomOf(widget->parentWidget());
    if (zoom.IsActualSize()) {
        return;
    }
    // The font of the nearest zoomed ancestor with a font of its own, as it was designed.
    for (const QWidget* above = widget->parentWidget(); above != nullptr;
         above = above->parentWidget()) {
        const QVariant kept = above->property(kDesignedWidgetProperty);
        if (kept.isValid() && kept.value<DesignedWidget>().ownFont) {
            widget->setFont(kept.value<DesignedWidget>().font);
            return;
        }
    }
    widget->setFont(ScaledFont(widget->font(), 1.0 / zoom.Factor()));
}

void PlaceWidget(QWidget* widget, const QRect& designed) {
    widget->setProperty(kPlacedProperty, designed);
    PlaceAtZoom(widget, designed, ZoomOf(widget).Factor());
}

TZoomedWindows::TZoomedWindows(QObject* parent) : QObject(parent) {
    qApp->installEventFilter(this);
}

TZoomedWindows::~TZoomedWindows() {
    qApp->removeEventFilter(this);
}

bool TZoomedWindows::eventFilter(QObject* watched, QEvent* event) {
    // A window is polished once, when it is first laid out or shown, after its builder has
    // made its children: the moment to give it the zoom of the window it opens from.
    if (event->type() == QEvent::Polish && watched->isWidgetType()) {
        auto* widget = static_cast<QWidget*>(watched);
        if (widget->isWindow() && !widget->property(kZoomProperty).isValid() &&
            widget->parentWidget() != nullptr) {
            FollowZoom(widget);
        }
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace quorvel
