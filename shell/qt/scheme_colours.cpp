#include "shell/qt/scheme_colours.h"

#include <QGuiApplication>
#include <QPalette>

#include "common/picture_palette.h"

namespace quorvel {
namespace {

// The system colour numbers and the palette roles closest to them.
QPalette::ColorRole SystemColourRole(int index) {
    switch (index) {
        case 1:   // desktop
        case 4:   // menu
        case 15:  // button face
        case 30:  // menu bar
            return QPalette::Button;
        case 5:  // window
            return QPalette::Base;
        case 2:   // active caption
        case 13:  // highlight
        case 29:  // menu highlight
            return QPalette::Highlight;
        case 9:   // caption text
        case 14:  // highlight text
            return QPalette::HighlightedText;
        case 16:  // button shadow
            return QPalette::Mid;
        case 17:  // grey text
            return QPalette::PlaceholderText;
        case 18:  // button text
            return QPalette::ButtonText;
        case 20:  // button highlight
            return QPalette::Light;
        case 21:  // 3-D dark shadow
            return QPalette::Shadow;
        case 22:  // 3-D light
            return QPalette::Midlight;
        case 23:  // tooltip text
            return QPalette::ToolTipText;
        case 24:  // tooltip background
            return QPalette::ToolTipBase;
        case 26:  // hot-tracked item
            return QPalette::Link;
        case 6:  // window frame
            return QPalette::Dark;
        case 7:  // menu text
        case 8:  // window text
        default:
            return QPalette::WindowText;
    }
}

PictureColour ToPictureColour(const QColor& colour) {
    const QColor rgb = colour.toRgb();
    return {static_cast<std::uint8_t>(rgb.red()), static_cast<std::uint8_t>(rgb.green()),
            static_cast<std::uint8_t>(rgb.blue())};
}

}  // namespace

QColor ToQColor(ColourValue colour) {
    if (IsSystemColour(colour)) {
        return QGuiApplication::palette().color(SystemColourRole(SystemColourIndex(colour)));
    }
    const Rgb rgb = ColourRgb(colour);
    return QColor(rgb.red, rgb.green, rgb.blue);
}

void SetBackgroundColour(QWidget* widget, const QColor& colour) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, colour);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

void SetFontColour(QWidget* widget, const QColor& colour) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, colour);
    widget->setPalette(palette);
}

QColor FontColour(const QWidget* widget) {
    return widget->palette().color(QPalette::WindowText);
}

QColor BackgroundColour(const QWidget* widget) {
    return widget->palette().color(QPalette::Window);
}

PicturePalette SchemePicturePalette(const QWidget* panel, const QColor& data) {
    const PictureColour dataColour =
        data.isValid() ? ToPictureColour(data) : DefaultPicturePalette()[ColourRole::SampledWord];
    return PanelPicturePalette(ToPictureColour(BackgroundColour(panel)),
                               ToPictureColour(FontColour(panel)), dataColour);
}

}  // namespace quorvel
