#pragma once
// The colour scheme's values on Qt widgets. A widget's background is its palette's Window
// colour, painted by the widget itself; its font colour is the palette's WindowText, which
// labels, check boxes and radio buttons draw their text with and which children without a
// colour of their own take from their parent (so a panel's captions follow the panel).

#include <QColor>
#include <QWidget>

#include "common/picture.h"
#include "shell/colour_scheme.h"

namespace quorvel {

// A plain colour as it stands; a system colour as the application palette's matching colour
// (window text for 8, and so on), the window-text colour for a number without a match.
QColor ToQColor(ColourValue colour);

void SetBackgroundColour(QWidget* widget, const QColor& colour);
void SetFontColour(QWidget* widget, const QColor& colour);
QColor FontColour(const QWidget* widget);
QColor BackgroundColour(const QWidget* widget);

// The palette of a picture shown on `panel`: its background as the ground, its font colour
// as the text, and `data` (the scheme's data colour) for the value on view; the other roles
// as PanelPicturePalette chooses them. An invalid `data` keeps the default data colour.
PicturePalette SchemePicturePalette(const QWidget* panel, const QColor& data);

}  // namespace quorvel
