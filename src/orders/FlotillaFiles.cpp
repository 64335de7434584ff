#include "orders/FlotillaFiles.h"

#include "platform/ShownPath.h"
#include "platform/TextFile.h"

namespace zephrane {

std::string LiveFlotillaPath(const std::string& sGamePath) {
    return sGamePath + "\\data\\Cfg\\Flotilla.cfg";
}

std::string FlotillaBackupPath(const Shell& shell) {
    return shell.ProgramFolder() + "\\Flotilla.cfg.orv";
}

std::string BackupLinkProblem(const FileSystem& fs, const std::string& backup, const std::string& live) {
    const std::string remedy = "\r\nRemove the link: the next order then makes a backup of its own.";
    if (fs.SameFile(backup, live))
        return "It is the same file as\r\n" + ShownPath(live) +
               "\r\nunder another name, so it cannot keep a copy of it." + remedy;
    if (fs.IsLink(backup))
        return "It is a link, not a file of its own, so it cannot keep a copy of\r\n" + ShownPath(live) +
               remedy;
    return "";
}

RestoreOutcome RestoreFlotillaFromBackup(FileSystem& fs, const std::string& backup, const std::string& live) {
    RestoreOutcome outcome;
    if (!fs.FileExists(backup)) {
        outcome.noBackup = true;
        return outcome;
    }
    // Renamed over a link, the backup would take the live file's content
    // with it: nothing would be left to restore.
    if (outcome.error = BackupLinkProblem(fs, backup, live); !outcome.error.empty()) return outcome;
    // An emptied backup, or one that is not text, would put nothing the game
    // can use in place of its configuration.
    std::string error;
    const auto text = ReadLineViews(fs, backup, &error);
    if (!text || text->lines.empty()) {
        outcome.error =
            "The backup is damaged. " + (text ? "It is empty." : "It could not be read: " + error);
        return outcome;
    }
    const auto before = fs.ReadFile(live);
    // Renamed over the live file in one step: there is no moment without it.
    if (auto r = fs.Move(backup, live, true); !r) {
        outcome.error = "The backup could not be moved in its place: " + r.error;
        outcome.bothKept = fs.ReadFile(live) == before && fs.FileExists(backup);
        return outcome;
    }
    outcome.restored = true;
    return outcome;
}

std::string RestoreProblemMessage(const std::string& backup, const std::string& live,
                                  const RestoreOutcome& outcome) {
    return "Could not restore the file\r\n" + ShownPath(live) + "\r\nfrom its backup\r\n" +
           ShownPath(backup) + "\r\n" + outcome.error + "\r\n" +
           (outcome.bothKept ? "Both files have been left as they were."
                             : "Copy the backup there by hand if it is still in place.");
}

}  // namespace zephrane
