#include "patches/PatchContext.h"

#include "platform/Dialogs.h"
#include "platform/ShownPath.h"

namespace zephrane {

void PatchContext::CountProcessed() const {
    ++state.lProcessed;
    Show();
}

void PatchContext::ReportFileProblem(const RewriteOutcome& outcome) const {
    platform.dialogs.MsgBox(FileProblemMessage(outcome.path, outcome.error), kStyleCritical, title);
}

void PatchContext::ReportFolderProblem(const std::string& folder) const {
    platform.dialogs.MsgBox("Could not look into the folder\r\n" + ShownPath(folder) +
                                "\r\nThe files in it have been left as they were.",
                            kStyleCritical, title);
}

PatchedLines Refused(std::string why) {
    PatchedLines result;
    result.ok = false;
    result.error = std::move(why);
    return result;
}

RewriteOutcome DropUnneededTemp(FileSystem& fs, const std::string& folder, const std::string& tempName,
                                RewriteOutcome outcome) {
    const std::string temp = folder + "\\" + tempName;
    if (!fs.FileExists(temp)) return outcome;
    const auto kept = fs.ReadFile(temp);
    const auto current = fs.ReadFile(outcome.path);
    if (!kept || !current || *kept != *current) return outcome;
    if (!fs.Remove(temp, false)) return outcome;
    // The rest of the reason pointed the user to the copy just removed.
    outcome.error = outcome.error.substr(0, outcome.error.find("\r\n"));
    return outcome;
}

}  // namespace zephrane
