#include "shell/settings_backup.h"

#include <optional>

#include "shell/ini_text_engine.h"
#include "shell/settings_text.h"

namespace quorvel {

namespace {

// True when `backup` holds an entry that `next` writes and `current` does not hold.
bool BackupHoldsMore(const std::string& backup, const std::string& current, std::string_view next) {
    const std::string backupText = SettingsTextOf(backup);
    const std::string currentText = SettingsTextOf(current);
    for (const ini::EntryName& entry : ini::EntryNames(next)) {
        if (ini::FindValue(backupText, entry.section, entry.key) &&
            !ini::FindValue(currentText, entry.section, entry.key)) {
            return true;
        }
    }
    return false;
}

}  // namespace

std::string BackupPath(const std::string& path) {
    return path + ".BAK";
}

FileAt BackupOf(const FileAt& path) {
    return path.WithSuffix(".BAK");
}

BackupOutcome BackUpSettings(const FileAt& path, const std::string& current,
                             const FileAttributes* attributes, std::string_view next,
                             std::string& failure, const FileStepCheck& check) {
    const FileAt backup = BackupOf(path);
    FileState state = FileState::Missing;
    // A link at the backup's name is no backup: it is replaced, never read or written through.
    // A backup too large to be a settings file holds nothing worth keeping.
    const std::optional<std::string> older =
        ReadWholeFile(backup, state, Links::Refuse, kSettingsFileLimit);
    if (older == current) {
        return BackupOutcome::Made;
    }
    if (older && BackupHoldsMore(*older, current, next)) {
        return BackupOutcome::KeptOlder;
    }
    std::string reason;
    if (!ReplaceFileAtomically(backup, current, attributes, reason, check)) {
        failure = "the backup " + backup.Shown() + " could not be written (" + reason + ")";
        return BackupOutcome::Failed;
    }
    if (ReadWholeFile(backup, state, Links::Refuse) != current) {
        failure = "the backup " + backup.Shown() + " does not hold what was written to it";
        return BackupOutcome::Failed;
    }
    return BackupOutcome::Made;
}

}  // namespace quorvel
