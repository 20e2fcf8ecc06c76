#pragma once
// A page's settings on the command line: the settings file read once into memory, KEY=VALUE
// entries checked with the key's typed read and written into the page's section of that text
// (so the page loads them with its own read order and derivations), and the page's section
// written back to the file after a backup.

#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "cli/cli_args.h"
#include "shell/ini_store.h"
#include "shell/page_model.h"

namespace quorvel::cli {

// "integer", "unsigned", "real" or "boolean".
std::string_view SettingTypeName(SettingType type);

// The bytes of the settings file at `path` (taken as it stands); nullopt when the file does not
// exist and `missingAllowed` (a file that --save will create). False with a message when the file
// cannot be read, or is missing and not allowed to be.
bool ReadSettingsBytes(const std::string& path, bool missingAllowed,
                       std::optional<std::string>& bytes, std::string& error);

// Writes each entry into the page's section of `text` under the page's own spelling of the
// key. False with a message for a key the page does not keep or a value its typed read
// refuses. A boolean other than "YES" or "NO" reads as false, as it would in the file; such
// entries are listed in `warnings`.
bool OverlaySettings(const PageModel& page, std::span<const SettingOverlay> entries, IniText& text,
                     std::string& warnings, std::string& error);

// Writes the page's section into `original` with the page's own writes and saves the result
// as the settings file at `path` (taken as it stands) the way the window saves it: the file
// is copied to path + ".BAK" and the copy checked, then replaced in one step. Other sections
// and lines stay as they were. False with a message, and the file untouched, when the file
// changed since it was read or the backup or the write fails. What the save adds for the
// user (a link replaced, an older backup kept) goes to `notes`, one line each.
bool SavePageSection(const PageModel& page, const std::string& path,
                     const std::optional<std::string>& original, std::string& notes,
                     std::string& error);

}  // namespace quorvel::cli
