#pragma once
// A picture's palette on a panel of the colour scheme: the picture stands on the panel's
// colour, writes in the panel's label colour and shows the value on view (the sampled words)
// in the scheme's data colour. Every other role keeps its colour of DefaultPicturePalette()
// unless that colour is hard to tell from the ground or from the data colour; such a role
// takes instead the colour of a fixed set that stands farthest from the ground, the data
// colour and the other roles. So the default scheme gives DefaultPicturePalette() itself,
// and any scheme keeps the frame map's three kinds of word apart.

#include "common/picture.h"

namespace quorvel {

// How far apart two colours look: the "redmean" weighted distance of their components, 0 for
// equal colours, about 765 from black to white.
double ColourDistance(PictureColour a, PictureColour b);

// Colours closer than this are taken as hard to tell apart.
inline constexpr double kDistinctColourDistance = 100;

PicturePalette PanelPicturePalette(PictureColour ground, PictureColour text, PictureColour data);

}  // namespace quorvel
