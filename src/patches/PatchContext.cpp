#include "patches/PatchContext.h"

#include "platform/Dialogs.h"

namespace zephrane {

void PatchContext::CountProcessed() const {
    ++state.lProcessed;
    Show();
}

void PatchContext::ReportFileProblem(const RewriteOutcome& outcome) const {
    platform.dialogs.MsgBox(FileProblemMessage(outcome.path, outcome.error), kStyleCritical, title);
}

void PatchContext::ReportFolderProblem(const std::string& folder) const {
    platform.dialogs.MsgBox(
        "Could not look into the folder\r\n" + folder + "\r\nThe files in it have been left as they were.",
        kStyleCritical, title);
}

PatchedLines Refused(std::string why) {
    PatchedLines result;
    result.ok = false;
    result.error = std::move(why);
    return result;
}

}  // namespace zephrane
