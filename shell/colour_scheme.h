#pragma once
// The colour scheme: eighteen colours read once at start-up from the options file
// "ServerOptions.Opt", section "COLORS", of which the window shows three:
//   "DeviceGuiLabelColor"  background of the window and the pages, font of the main panels;
//   "DeviceGuiColor"       background of the pages' main panels;
//   "DeviceGuiDataColor"   font of each page's reference result label (and so of its results).
// The other fifteen are kept so that the options file can be shared with related programs.
//
// A colour is a signed 32-bit value: red in bits 0-7, green in 8-15, blue in 16-23. A value
// with the top bit set names a system colour by the number in its low byte (8, the window-text
// colour, is stored as -2147483640).

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "common/whole_file.h"

namespace quorvel {

using ColourValue = std::int32_t;

inline constexpr ColourValue kSystemColourFlag = static_cast<ColourValue>(0x80000000u);
inline constexpr int kSystemWindowText = 8;
inline constexpr ColourValue kWindowTextColour = kSystemColourFlag | kSystemWindowText;

inline constexpr std::string_view kOptionsFileName = "ServerOptions.Opt";
inline constexpr std::string_view kColourSection = "COLORS";

struct ColourScheme {
    ColourValue mainColor = 12632256;              // silver
    ColourValue deviceBackgroundColor = 12632256;  // silver
    ColourValue deviceGuiColor = 5131854;          // dark grey (78, 78, 78)
    ColourValue setupColor = 10790052;             // grey (164, 164, 164)
    ColourValue projectColor = 16744448;           // (0, 128, 255)
    ColourValue displayPageColor = 12632256;       // silver
    ColourValue mainDataColor = 16711680;          // blue
    ColourValue mainLabelColor = 16777215;         // white
    ColourValue deviceBackgroundDataColor = kWindowTextColour;
    ColourValue deviceBackgroundLabelColor = 16777215;  // white
    ColourValue deviceGuiDataColor = 65280;             // lime green
    ColourValue deviceGuiLabelColor = 16777215;         // white
    ColourValue setupDataColor = 4194368;               // dark purple (64, 0, 64)
    ColourValue setupLabelColor = 16777215;             // white
    ColourValue projectDataColor = 16777215;            // white
    ColourValue projectLabelColor = 0;                  // black
    ColourValue displayPageDataColor = 16711680;        // blue
    ColourValue displayPageLabelColor = 0;              // black

    bool operator==(const ColourScheme&) const = default;
};

// One key of section "COLORS" and the field it sets.
struct ColourKey {
    std::string_view name;
    ColourValue ColourScheme::*field;
};

// The eighteen keys in the order they are read.
std::span<const ColourKey> ColourKeys();

// Sets every field to its default, then, when the file at `path` can be read (and is no larger
// than a settings file can be), replaces each field whose key holds a decimal integer.
// Nothing is reported; what became of the file is returned, for a caller that wants to say
// so.
FileState LoadColourScheme(const FileAt& path, ColourScheme& scheme);

struct Rgb {
    int red = 0;
    int green = 0;
    int blue = 0;

    bool operator==(const Rgb&) const = default;
};

// True for a value naming a system colour (top bit set).
inline bool IsSystemColour(ColourValue colour) {
    return colour < 0;
}
// The system colour number of such a value (its low byte).
inline int SystemColourIndex(ColourValue colour) {
    return colour & 0xFF;
}
// The red, green and blue parts of a plain colour; bits above 23 are ignored.
Rgb ColourRgb(ColourValue colour);

}  // namespace quorvel
