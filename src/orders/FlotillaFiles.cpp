#include "orders/FlotillaFiles.h"

#include "platform/ShownPath.h"

namespace zephrane {

std::string LiveFlotillaPath(const std::string& sGamePath) {
    return sGamePath + "\\data\\Cfg\\Flotilla.cfg";
}

std::string FlotillaBackupPath(const Shell& shell) {
    return shell.ProgramFolder() + "\\Flotilla.cfg.orv";
}

RestoreOutcome RestoreFlotillaFromBackup(FileSystem& fs, const std::string& backup, const std::string& live) {
    RestoreOutcome outcome;
    if (!fs.FileExists(backup)) {
        outcome.noBackup = true;
        return outcome;
    }
    // Renamed over the live file in one step: there is no moment without it.
    if (auto r = fs.Move(backup, live, true); !r) {
        outcome.error = "The backup could not be moved in its place: " + r.error;
        return outcome;
    }
    outcome.restored = true;
    return outcome;
}

std::string RestoreProblemMessage(const std::string& backup, const std::string& live,
                                  const std::string& why) {
    return "Could not restore the file\r\n" + ShownPath(live) + "\r\nfrom its backup\r\n" +
           ShownPath(backup) + "\r\n" + why + "\r\nCopy the backup there by hand if it is still in place.";
}

}  // namespace zephrane
