#pragma once
// Saving the settings file as a whole. The new text is built in memory first (every page's
// typed writes into an IniText); this replaces the file with it in one step after the old file
// has been copied to its ".BAK" backup and the copy checked. A crash or a kill at any moment
// leaves the settings file or its backup complete, and a failure leaves the old file as it was.

#include <string>
#include <string_view>
#include <vector>

#include "common/whole_file.h"

namespace quorvel {

struct SettingsSaveResult {
    bool saved = false;
    // When nothing was saved: why, naming the file, in words for the user and the log.
    std::string failure;
    // What else the log should know: a link replaced, an older backup kept.
    std::vector<std::string> notes;
};

// Makes the settings file at `path` hold `text`:
// 1. The file is read (through a link standing at its name, as the load read it). A file that
//    exists but cannot be read, or is no regular file, is left alone and nothing is saved.
// 2. Its bytes go to path + ".BAK" (see BackUpSettings); when that fails nothing is saved.
// 3. `text` is written beside the file, flushed and renamed onto it, so the file is replaced
//    at once; a link at its name is replaced itself, the file it points at is left alone.
// A file that already holds `text` is not written again.
SettingsSaveResult SaveSettingsText(const FileAt& path, std::string_view text,
                                    const FileStepCheck& check = {});

// Removes the temporary files that an interrupted save left beside the settings file at `path`
// and beside its backup (names ending in ".tmp" + process id + "-" + number) when the process
// that made them runs no more. Returns the paths of those removed.
std::vector<std::string> RemoveStaleTemporaries(const FileAt& path);

}  // namespace quorvel
