#pragma once
// A picture as an SVG document: what quorvel-cli writes with --svg, the same shapes the window
// paints. Each shape carries its colour role as its class ("sampled-word") beside the colour
// the palette gives it, so a script can find the shapes of a role without knowing colours.
// Numbers are written with a point whatever the locale.

#include <string>

#include "common/picture.h"

namespace quorvel {

// The whole SVG document (UTF-8, ending in a newline), with the picture's title and
// description as its <title> and <desc>.
std::string PictureSvg(const Picture& picture,
                       const PicturePalette& palette = DefaultPicturePalette());

}  // namespace quorvel
