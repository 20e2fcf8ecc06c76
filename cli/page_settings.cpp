#include "cli/page_settings.h"

#include <cstdint>
#include <vector>

#include "cli/name_match.h"
#include "common/whole_file.h"
#include "shell/settings_file.h"
#include "shell/settings_save.h"
#include "shell/settings_text.h"

namespace quorvel::cli {
namespace {

std::string_view TypeExample(SettingType type) {
    switch (type) {
        case SettingType::Int:
            return "an integer, like -5";
        case SettingType::Unsigned:
            return "an unsigned decimal integer, like 255";
        case SettingType::Real:
            return "a real number with a point, like 2.5 or -0.001";
        case SettingType::Bool:
            return "YES or NO";
    }
    return "";
}

// True when the key's typed read takes `value` as it stands in the section.
bool TypedReadAccepts(const IniStore& store, std::string_view section, const SettingKey& key) {
    switch (key.type) {
        case SettingType::Int: {
            std::int32_t value = 0;
            return ReadIniInt(store, section, key.name, value);
        }
        case SettingType::Unsigned: {
            std::uint32_t value = 0;
            return ReadIniUnsigned(store, section, key.name, 10, value);
        }
        case SettingType::Real: {
            double value = 0.0;
            return ReadIniReal(store, section, key.name, value);
        }
        case SettingType::Bool: {
            bool value = false;
            return ReadIniBool(store, section, key.name, value);
        }
    }
    return false;
}

}  // namespace

std::string_view SettingTypeName(SettingType type) {
    switch (type) {
        case SettingType::Int:
            return "integer";
        case SettingType::Unsigned:
            return "unsigned";
        case SettingType::Real:
            return "real";
        case SettingType::Bool:
            return "boolean";
    }
    return "";
}

bool ReadSettingsBytes(const std::string& path, bool missingAllowed,
                       std::optional<std::string>& bytes, std::string& error) {
    FileState state = FileState::Missing;
    bytes = ReadSettingsFile(path, state);
    if (bytes) {
        return true;
    }
    if (state == FileState::TooLarge) {
        error = "settings file " + Quoted(path) + " is not read: " + UnreadReason(state) +
                ", and a settings file holds about a kilobyte; name the right file";
        return false;
    }
    if (state == FileState::Missing) {
        if (missingAllowed) {
            return true;
        }
        error = "settings file " + Quoted(path) +
                " does not exist; name an existing file, or add --save to create it";
        return false;
    }
    error = "cannot read settings file " + Quoted(path) + "; name a readable regular file";
    return false;
}

bool OverlaySettings(const PageModel& page, std::span<const SettingOverlay> entries, IniText& text,
                     std::string& warnings, std::string& error) {
    const std::string_view section = page.SectionName();
    const std::span<const SettingKey> keys = page.SettingKeys();
    std::vector<std::string> names;
    for (const SettingKey& key : keys) {
        names.emplace_back(key.name);
    }
    for (const SettingOverlay& entry : entries) {
        const std::string given = entry.key + "=" + entry.value;
        // Keys match without regard to case, as they do in the file.
        const SettingKey* key = nullptr;
        for (const SettingKey& candidate : keys) {
            if (SameIgnoringCase(candidate.name, entry.key)) {
                key = &candidate;
                break;
            }
        }
        if (key == nullptr) {
            error = keys.empty() ? "page " + Quoted(section) + " keeps no settings, so " +
                                       Quoted(given) + " has nowhere to go"
                                 : "page " + Quoted(section) + " has no settings key " +
                                       Quoted(entry.key) + "; its keys are " + NameList(names, 99);
            return false;
        }
        IniText check;
        if (!check.WriteString(section, key->name, entry.value)) {
            error = "the value of " + std::string(key->name) +
                    " holds a line break; give it on one line";
            return false;
        }
        if (!TypedReadAccepts(check, section, *key)) {
            error = Quoted(given) + " is refused: " + std::string(key->name) + " takes " +
                    std::string(TypeExample(key->type));
            return false;
        }
        if (key->type == SettingType::Bool) {
            const std::string stored = check.ReadString(section, key->name).value_or("");
            if (stored != "YES" && stored != "NO") {
                warnings += "warning: " + given + " reads as NO; only \"YES\" is true\n";
            }
        }
        if (!text.WriteString(section, key->name, entry.value)) {
            error = "cannot place " + Quoted(given) + " in the settings";
            return false;
        }
    }
    return true;
}

bool SavePageSection(const PageModel& page, const std::string& path,
                     const std::optional<std::string>& original, std::string& notes,
                     std::string& error) {
    // The page's section goes into the file as it was read; a file changed meanwhile (by the
    // window closing, say) is not overwritten with the older text.
    FileState state = FileState::Missing;
    if (ReadSettingsFile(path, state) != original) {
        error = Quoted(path) + " changed since it was read; the settings file is left as it is";
        return false;
    }
    // A file in another form (UTF-16, old Mac line ends) is saved in the program's own.
    IniText text(SettingsTextOf(original.value_or(std::string())));
    page.SaveSettings(text);
    const SettingsSaveResult saved = SaveSettingsText(path, text.Text());
    for (const std::string& note : saved.notes) {
        notes += "note: " + note + "\n";
    }
    if (!saved.saved) {
        error = saved.failure;
        return false;
    }
    return true;
}

}  // namespace quorvel::cli
