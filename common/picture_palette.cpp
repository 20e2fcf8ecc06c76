#include "common/picture_palette.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <vector>

namespace quorvel {
namespace {

// Where a role that clashes with the ground or the data colour looks for a colour of its own.
constexpr std::array<PictureColour, 14> kSpareColours{{
    {240, 170, 40},   // amber
    {96, 118, 150},   // slate blue
    {255, 120, 0},    // orange
    {200, 0, 200},    // magenta
    {0, 200, 220},    // cyan
    {30, 60, 170},    // navy
    {170, 30, 30},    // dark red
    {255, 230, 0},    // yellow
    {0, 130, 60},     // dark green
    {140, 90, 40},    // brown
    {255, 255, 255},  // white
    {0, 0, 0},        // black
    {150, 150, 150},  // grey
    {255, 120, 220},  // pink
}};

// A colour `share` of the way from `from` to `to`.
PictureColour Mix(PictureColour from, PictureColour to, double share) {
    const auto channel = [share](std::uint8_t a, std::uint8_t b) {
        return static_cast<std::uint8_t>(std::lround(a + (b - a) * share));
    };
    return {channel(from.red, to.red), channel(from.green, to.green), channel(from.blue, to.blue)};
}

bool Clashes(PictureColour colour, PictureColour ground, PictureColour data) {
    return ColourDistance(colour, ground) < kDistinctColourDistance ||
           ColourDistance(colour, data) < kDistinctColourDistance;
}

// The spare colour that stands farthest from all of `avoid`.
PictureColour FarthestSpare(const std::vector<PictureColour>& avoid) {
    PictureColour best = kSpareColours.front();
    double bestDistance = -1;
    for (const PictureColour& spare : kSpareColours) {
        double nearest = std::numeric_limits<double>::infinity();
        for (const PictureColour& other : avoid) {
            nearest = std::min(nearest, ColourDistance(spare, other));
        }
        if (nearest > bestDistance) {
            best = spare;
            bestDistance = nearest;
        }
    }
    return best;
}

}  // namespace

double ColourDistance(PictureColour a, PictureColour b) {
    const double meanRed = (a.red + b.red) / 2.0;
    const double red = a.red - b.red;
    const double green = a.green - b.green;
    const double blue = a.blue - b.blue;
    return std::sqrt((2 + meanRed / 256) * red * red + 4 * green * green +
                     (2 + (255 - meanRed) / 256) * blue * blue);
}

PicturePalette PanelPicturePalette(PictureColour ground, PictureColour text, PictureColour data) {
    PicturePalette palette = DefaultPicturePalette();
    palette[ColourRole::Background] = ground;
    palette[ColourRole::Text] = text;
    palette[ColourRole::SampledWord] = data;
    // Marks and guide lines between the text and the ground, where their own grey vanishes.
    if (Clashes(palette[ColourRole::Axis], ground, ground)) {
        palette[ColourRole::Axis] = Mix(ground, text, 0.75);
    }
    if (Clashes(palette[ColourRole::Grid], ground, ground)) {
        palette[ColourRole::Grid] = Mix(ground, text, 0.35);
    }
    // A data colour that the ground hides gives way to a colour of its own too.
    const bool dataHidden = ColourDistance(data, ground) < kDistinctColourDistance;
    for (int index = 0; index < kColourRoleCount; ++index) {
        const auto role = static_cast<ColourRole>(index);
        const bool fixed = role == ColourRole::Background || role == ColourRole::Text ||
                           role == ColourRole::Axis || role == ColourRole::Grid ||
                           (role == ColourRole::SampledWord && !dataHidden);
        if (fixed ||
            !Clashes(palette[role], ground, role == ColourRole::SampledWord ? ground : data)) {
            continue;
        }
        std::vector<PictureColour> avoid{ground, text};
        for (int other = 0; other < kColourRoleCount; ++other) {
            const auto otherRole = static_cast<ColourRole>(other);
            if (other != index && otherRole != ColourRole::Axis && otherRole != ColourRole::Grid) {
                avoid.push_back(palette[otherRole]);
            }
        }
        palette[role] = FarthestSpare(avoid);
    }
    return palette;
}

}  // namespace quorvel
