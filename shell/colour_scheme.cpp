#include "shell/colour_scheme.h"

#include <array>

#include "shell/ini_store.h"
#include "shell/settings_file.h"
#include "shell/settings_text.h"

namespace quorvel {
namespace {

using S = ColourScheme;

// "SetupColor" is read before "DeviceGuiColor", though the record holds them the other way
// round; the order only shows in the sequence of file reads.
constexpr std::array<ColourKey, 18> kColourKeys{{
    {"MainColor", &S::mainColor},
    {"DeviceBackgroundColor", &S::deviceBackgroundColor},
    {"SetupColor", &S::setupColor},
    {"DeviceGuiColor", &S::deviceGuiColor},
    {"ProjectColor", &S::projectColor},
    {"DisplayPageColor", &S::displayPageColor},
    {"MainDataColor", &S::mainDataColor},
    {"MainLabelColor", &S::mainLabelColor},
    {"DeviceBackgroundDataColor", &S::deviceBackgroundDataColor},
    {"DeviceBackgroundLabelColor", &S::deviceBackgroundLabelColor},
    {"DeviceGuiDataColor", &S::deviceGuiDataColor},
    {"DeviceGuiLabelColor", &S::deviceGuiLabelColor},
    {"SetupDataColor", &S::setupDataColor},
    {"SetupLabelColor", &S::setupLabelColor},
    {"ProjectDataColor", &S::projectDataColor},
    {"ProjectLabelColor", &S::projectLabelColor},
    {"DisplayPageDataColor", &S::displayPageDataColor},
    {"DisplayPageLabelColor", &S::displayPageLabelColor},
}};

}  // namespace

std::span<const ColourKey> ColourKeys() {
    return kColourKeys;
}

FileState LoadColourScheme(const FileAt& path, ColourScheme& scheme) {
    scheme = ColourScheme{};
    FileState state = FileState::Missing;
    const std::optional<std::string> bytes = ReadSettingsFile(path, state);
    if (!bytes) {
        return state;
    }
    // Read once: the eighteen keys come from one text.
    const IniText text(SettingsTextOf(*bytes));
    for (const ColourKey& key : kColourKeys) {
        ReadIniInt(text, kColourSection, key.name, scheme.*key.field);
    }
    return state;
}

Rgb ColourRgb(ColourValue colour) {
    const auto bits = static_cast<std::uint32_t>(colour);
    return {static_cast<int>(bits & 0xFF), static_cast<int>((bits >> 8) & 0xFF),
            static_cast<int>((bits >> 16) & 0xFF)};
}

}  // namespace quorvel
