#include "common/picture.h"

namespace quorvel {

std::string_view ColourRoleName(ColourRole role) {
    switch (role) {
        case ColourRole::Background:
            return "background";
        case ColourRole::Text:
            return "text";
        case ColourRole::Axis:
            return "axis";
        case ColourRole::Grid:
            return "grid";
        case ColourRole::SyncWord:
            return "sync-word";
        case ColourRole::DataWord:
            return "data-word";
        case ColourRole::SampledWord:
            return "sampled-word";
        case ColourRole::Earth:
            return "earth";
        case ColourRole::SightLine:
            return "sight-line";
        case ColourRole::RadioPath:
            return "radio-path";
        case ColourRole::Blocked:
            return "blocked";
        case ColourRole::Reference:
            return "reference";
        case ColourRole::Target:
            return "target";
    }
    return "text";
}

namespace {

PicturePalette MakeDefaultPalette() {
    PicturePalette palette;
    palette[ColourRole::Background] = {78, 78, 78};  // the main panels' dark grey
    palette[ColourRole::Text] = {255, 255, 255};     // the main panels' white labels
    palette[ColourRole::Axis] = {208, 208, 208};
    palette[ColourRole::Grid] = {120, 120, 120};
    palette[ColourRole::SyncWord] = {240, 170, 40};  // amber
    palette[ColourRole::DataWord] = {96, 118, 150};  // slate blue, quiet beside the samples
    palette[ColourRole::SampledWord] = {0, 255, 0};  // the data colour's lime green
    palette[ColourRole::Earth] = {139, 110, 62};     // soil brown
    palette[ColourRole::SightLine] = {255, 255, 255};
    palette[ColourRole::RadioPath] = {64, 200, 255};  // sky blue
    palette[ColourRole::Blocked] = {255, 64, 64};     // red
    palette[ColourRole::Reference] = {255, 230, 0};   // yellow
    palette[ColourRole::Target] = {255, 120, 220};    // pink
    return palette;
}

}  // namespace

const PicturePalette& DefaultPicturePalette() {
    static const PicturePalette palette = MakeDefaultPalette();
    return palette;
}

double EstimatedTextWidth(std::string_view text, double size) {
    // Counts characters, not bytes: UTF-8 continuation bytes (10xxxxxx) add nothing.
    int characters = 0;
    for (const char byte : text) {
        if ((static_cast<unsigned char>(byte) & 0xC0) != 0x80) {
            ++characters;
        }
    }
    // DejaVu Sans, where SVG viewers on Linux find "sans-serif", draws its digits 0.636 em
    // wide; axis numbers laid out with less run into each other.
    return characters * 0.65 * size;
}

}  // namespace quorvel
