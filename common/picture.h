#pragma once
// A picture as data: a list of shapes in the picture's own coordinates (x to the right, y
// down, one unit a pixel of the picture at its own size), each shape coloured by a role.
// Pages compute pictures (the PCM frame map, the line-of-sight profile) and test them as
// data; painters draw them without knowing the page: QPainter in the window, SVG text in
// quorvel-cli. What colour a role is belongs to the palette the painter is given, never to
// the page.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

namespace quorvel {

// What a shape stands for; the palette gives each its colour.
enum class ColourRole : std::uint8_t {
    Background,   // the ground the picture is drawn on
    Text,         // captions, figures and axis numbers
    Axis,         // axes, tick marks and frames around areas
    Grid,         // faint guide lines and rings
    SyncWord,     // a frame synchronisation word
    DataWord,     // a data word of the frame
    SampledWord,  // a word where the data word on view is sampled
    Earth,        // the ground under a path
    SightLine,    // the straight line between two positions
    RadioPath,    // the radio path, bent by the atmosphere
    Blocked,      // the part of a path that the earth blocks
    Reference,    // the reference position
    Target,       // the target position
};
inline constexpr int kColourRoleCount = static_cast<int>(ColourRole::Target) + 1;

// The role's name in lower case words joined by hyphens ("sampled-word"): the class of the
// role's shapes in SVG, and what tests and scripts look for.
std::string_view ColourRoleName(ColourRole role);

struct PictureColour {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;

    bool operator==(const PictureColour&) const = default;
};

// One colour for each role, indexed by the role.
struct PicturePalette {
    std::array<PictureColour, kColourRoleCount> colours{};

    PictureColour& operator[](ColourRole role) { return colours[static_cast<int>(role)]; }
    const PictureColour& operator[](ColourRole role) const {
        return colours[static_cast<int>(role)];
    }
};

// The colours of the default colour scheme's page panels (dark grey ground, white text,
// lime-green data), with the roles the scheme does not name chosen to stay apart on it.
const PicturePalette& DefaultPicturePalette();

struct PicturePoint {
    double x = 0;
    double y = 0;

    bool operator==(const PicturePoint&) const = default;
};

// A rectangle filled with its role, optionally outlined with another.
struct PictureRect {
    double x = 0;
    double y = 0;
    double width = 0;
    double height = 0;
    ColourRole fill = ColourRole::Background;
    std::optional<ColourRole> outline{};
};

// A straight line, or several joined (a polyline), `width` units wide.
struct PictureLine {
    std::vector<PicturePoint> points{};
    ColourRole stroke = ColourRole::Axis;
    double width = 1;
    bool dashed = false;
};

// A closed area filled with its role (the ground under a profile).
struct PictureArea {
    std::vector<PicturePoint> points{};
    ColourRole fill = ColourRole::Earth;
};

// A circle, outlined, filled, or both.
struct PictureCircle {
    PicturePoint centre{};
    double radius = 0;
    std::optional<ColourRole> outline{};
    std::optional<ColourRole> fill{};
    double width = 1;
};

enum class TextAnchor : std::uint8_t { Start, Middle, End };

// One line of text whose baseline passes through `at`; the anchor says which end of the text
// (or its middle) stands at `at`. `size` is the font's pixel size. Texts are UTF-8.
struct PictureText {
    PicturePoint at{};
    std::string text{};
    ColourRole colour = ColourRole::Text;
    double size = 11;
    TextAnchor anchor = TextAnchor::Start;
    bool bold = false;
};

using PictureShape =
    std::variant<PictureRect, PictureLine, PictureArea, PictureCircle, PictureText>;

// A whole picture: its size, its shapes in drawing order (later ones over earlier ones), a
// title and the one-sentence description that screen readers and the SVG carry.
struct Picture {
    double width = 0;
    double height = 0;
    std::string title{};
    std::string description{};
    std::vector<PictureShape> shapes{};

    void Add(PictureShape shape) { shapes.push_back(std::move(shape)); }
    // Built in place, which spares a copy (and GCC's false alarms over moved variants).
    template <class Shape>
    void Add(Shape shape) {
        shapes.emplace_back(std::in_place_type<Shape>, std::move(shape));
    }
};

// About how wide `text` is in a sans-serif font of pixel size `size`, for laying out legends
// and axis numbers before any font is at hand: the painters measure for real, this errs on
// the wide side.
double EstimatedTextWidth(std::string_view text, double size);

}  // namespace quorvel
