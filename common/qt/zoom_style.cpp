#include "common/qt/zoom_style.h"

#include <cmath>

#include "common/qt/zoom_applier.h"

namespace quorvel {
namespace {

bool FollowsTheZoom(QStyle::PixelMetric metric) {
    switch (metric) {
        case QStyle::PM_IndicatorWidth:
        case QStyle::PM_IndicatorHeight:
        case QStyle::PM_ExclusiveIndicatorWidth:
        case QStyle::PM_ExclusiveIndicatorHeight:
        case QStyle::PM_CheckBoxLabelSpacing:
        case QStyle::PM_RadioButtonLabelSpacing:
        case QStyle::PM_ScrollBarExtent:
            return true;
        default:
            return false;
    }
}

}  // namespace

int TZoomStyle::pixelMetric(PixelMetric metric, const QStyleOption* option,
                            const QWidget* widget) const {
    const int designed = QProxyStyle::pixelMetric(metric, option, widget);
    if (widget == nullptr || designed <= 0 || !FollowsTheZoom(metric)) {
        return designed;
    }
    return ZoomOf(widget).Scaled(designed);
}

}  // namespace quorvel
