#pragma once
// The toolkit's style with the sizes of its own marks following the zoom of the widget they
// are drawn for (common/qt/zoom_applier.h): check boxes, radio buttons, the gaps beside
// them, and scroll bars. Everything else, and everything at 100 %, is the style's own.

#include <QProxyStyle>

namespace quorvel {

class TZoomStyle final : public QProxyStyle {
public:
    // Over the application's default style.
    TZoomStyle() = default;

    int pixelMetric(PixelMetric metric, const QStyleOption* option = nullptr,
                    const QWidget* widget = nullptr) const override;
};

}  // namespace quorvel
