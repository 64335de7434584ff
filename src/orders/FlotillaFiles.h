#pragma once

#include <string>

#include "platform/FileSystem.h"
#include "platform/Shell.h"

namespace zephrane {

// The game's live flotilla configuration: sGamePath + "\data\Cfg\Flotilla.cfg".
std::string LiveFlotillaPath(const std::string& sGamePath);

// The backup of the untouched configuration, kept beside the program.
std::string FlotillaBackupPath(const Shell& shell);

// Why the backup cannot keep a copy of the live file: it is a link, or the
// same file as the live one under another name. "" when it is a file of its
// own.
std::string BackupLinkProblem(const FileSystem& fs, const std::string& backup, const std::string& live);

// What became of a restore of Flotilla.cfg from its backup.
struct RestoreOutcome {
    bool restored = false;  // the backup is now the live file
    bool noBackup = false;  // there was nothing to restore; nothing changed
    std::string error;      // set when the restore was refused or failed
    bool bothKept = true;   // after an error: neither file has changed
};

// Puts the backup in place of the live file: the backup is renamed over it
// (also when it is read-only), so the backup is used up. Without a backup
// nothing happens; a backup that is a link, empty or not text is refused.
RestoreOutcome RestoreFlotillaFromBackup(FileSystem& fs, const std::string& backup, const std::string& live);

// The message for a restore that was refused or failed.
std::string RestoreProblemMessage(const std::string& backup, const std::string& live,
                                  const RestoreOutcome& outcome);

}  // namespace zephrane
