#pragma once

#include <string>

#include "platform/FileSystem.h"
#include "platform/Shell.h"

namespace zephrane {

// The game's live flotilla configuration: sGamePath + "\data\Cfg\Flotilla.cfg".
std::string LiveFlotillaPath(const std::string& sGamePath);

// The backup of the untouched configuration, kept beside the program.
std::string FlotillaBackupPath(const Shell& shell);

// What became of a restore of Flotilla.cfg from its backup.
struct RestoreOutcome {
    bool restored = false;  // the backup is now the live file
    bool noBackup = false;  // there was nothing to restore; nothing changed
    std::string error;      // set when a file operation failed
};

// Puts the backup in place of the live file: the backup is renamed over it
// (also when it is read-only), so the backup is used up. Without a backup
// nothing happens.
RestoreOutcome RestoreFlotillaFromBackup(FileSystem& fs, const std::string& backup, const std::string& live);

// The message for a restore that failed half-way or not at all.
std::string RestoreProblemMessage(const std::string& backup, const std::string& live, const std::string& why);

}  // namespace zephrane
