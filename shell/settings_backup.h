#pragma once
// The step before the settings file is written afresh: keep the old file as path + ".BAK",
// then remove it so that the new one holds only what this run writes.

#include <string>
#include <string_view>

namespace quorvel {

// Copies the settings file at `path` (a program path text) to path + ".BAK", replacing an
// older backup, then deletes the settings file, but only once the backup holds exactly its
// bytes: when the copy could not be made (a full disk, a read-only backup) the file stays,
// and the writes that follow update it in place, so the old settings always survive in one
// of the two files. Returns true when the settings file is gone afterwards (also when there
// was none).
bool BackupAndRemoveSettings(std::string_view path);

// Copies the file at `path` to path + ".BAK" and checks the copy: true when the backup now
// holds exactly `contents` (what the caller read from the file just before).
bool BackupHolds(std::string_view path, const std::string& contents);

}  // namespace quorvel
