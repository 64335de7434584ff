#include "gamefiles/CfgLine.h"
#include "orders/FlotillaFiles.h"
#include "orders/InitiateUpdate.h"
#include "platform/ShownPath.h"
#include "platform/TextFile.h"

namespace zephrane {
namespace {

constexpr const char* kTitle = "Reset Configuration";

}  // namespace

void ResetFlotillaConfiguration(Platform& platform, const std::string& sGamePath) {
    const std::string live = LiveFlotillaPath(sGamePath);
    const std::string backup = FlotillaBackupPath(platform.shell);
    if (!platform.fs.FileExists(live)) {
        platform.dialogs.MsgBox("Could not find flottille configuration file.", kStyleCritical, kTitle);
        return;
    }
    std::string error;
    const auto text = ReadLineViews(platform.fs, live, &error);
    if (!text) {
        platform.dialogs.MsgBox("Could not read the file\r\n" + ShownPath(live) + "\r\n" + error,
                                kStyleCritical, kTitle);
        return;
    }
    // The marker counts only before the first section header; a file with
    // neither has not been written by an order.
    if (!IsMarked(text->lines)) {
        platform.dialogs.MsgBox("Your current Flotilla.cfg file as not been modified by Zephrane.",
                                kStyleInformation, kTitle);
        return;
    }
    if (!platform.fs.FileExists(backup)) {
        platform.dialogs.MsgBox("Zephrane does not have a backup of your Flotilla.cfg file.", kStyleCritical,
                                kTitle);
        return;
    }
    const RestoreOutcome restore = RestoreFlotillaFromBackup(platform.fs, backup, live);
    if (!restore.error.empty()) {
        platform.dialogs.MsgBox(RestoreProblemMessage(backup, live, restore), kStyleCritical, kTitle);
        return;
    }
    platform.dialogs.MsgBox("Your Flotilla.cfg file has been reset.", kStyleInformation, kTitle);
}

}  // namespace zephrane
