#pragma once
// The step before the settings file is replaced: keep what it holds now as path + ".BAK".

#include <string>
#include <string_view>

#include "common/whole_file.h"

namespace quorvel {

// What the backup step did.
enum class BackupOutcome {
    Made,       // the backup now holds exactly the settings file's bytes
    KeptOlder,  // an older, fuller backup was kept (below)
    Failed,     // no backup could be made; the settings file must stay as it is
};

// Makes path + ".BAK" an exact copy of `current`, the bytes just read from the settings file
// at `path`, and checks the copy by reading it back. The backup is never
// written through a link: it is written beside its name, flushed and renamed onto it, so a
// crash leaves the old backup or the new one whole. It takes `attributes` (those of the file
// it copies), so it is never easier to read than the settings file. A backup that already
// holds these bytes is left as it is.
//
// A backup that holds settings which `next` (the text about to be saved) writes and which
// `current` lacks is kept instead: `current` was cut short (by a save of an older version
// that died halfway, or by hand), and must not replace the last complete copy.
//
// On failure `failure` holds the reason.
BackupOutcome BackUpSettings(const FileAt& path, const std::string& current,
                             const FileAttributes* attributes, std::string_view next,
                             std::string& failure, const FileStepCheck& check = {});

// The name of the backup of the settings file at `path`.
std::string BackupPath(const std::string& path);
// The backup's place: beside the settings file, in the same folder.
FileAt BackupOf(const FileAt& path);

}  // namespace quorvel
