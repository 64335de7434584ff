// The main window's side of the journal of operations: putting back what an
// interrupted run left half-done, and the history with its undo.
#include "app/FrmHistory.h"
#include "app/FrmMain.h"
#include "platform/Rollback.h"

namespace zephrane {

void FrmMain::RecoverInterruptedOperations() {
    if (!journal_) return;
    for (const Recovery& recovery : RecoverInterrupted(journal_->Inner(), journal_->Log())) {
        const int style = recovery.report.Clean() ? kStyleInformation : kStyleCritical;
        platform_.dialogs.MsgBox(RecoveryMessage(recovery), style, "Recovery");
    }
}

void FrmMain::btnHistory_Click() {
    if (!journal_ || busy_) return;
    FrmHistory history(*journal_, platform_.dialogs, this);
    platform_.dialogs.ShowModal(history);
}

}  // namespace zephrane
