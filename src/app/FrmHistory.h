#pragma once

#include <QDialog>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTreeWidget>

#include "platform/Dialogs.h"
#include "platform/JournaledFileSystem.h"

namespace zephrane {

// The journal of operations, newest first: when each ran, what it was, which
// files it changed with their sizes before and after, and for a chosen file
// the lines it changed. "Undo" reverts the newest operation not yet undone.
class FrmHistory : public QDialog, public ModalWindow {
    Q_OBJECT
public:
    FrmHistory(JournaledFileSystem& files, Dialogs& dialogs, QWidget* parent = nullptr);

    const std::vector<JournalEntry>& Entries() const { return entries_; }

    // ModalWindow: the controls a user works with are "select N" (the N-th
    // operation, 0 the newest), "undo" and "close".
    std::string Name() const override { return "frmHistory"; }
    std::map<std::string, std::string> Captions() const override;
    bool IsTicked() const override { return false; }
    void ClickControl(const std::string& name) override;
    void ExecModal() override { exec(); }

private:
    void Reload();
    void ShowEntry(int row);
    void ShowDiff();
    void Undo();

    JournaledFileSystem& files_;
    Dialogs& dialogs_;
    std::vector<JournalEntry> entries_;
    QTreeWidget* lstOperations;
    QTreeWidget* lstFiles;
    QPlainTextEdit* txtDiff;
    QPushButton* cmdUndo;
    QPushButton* cmdClose;
};

// The lines of `after` against those of `before`: changed lines marked "-"
// and "+", with two unchanged lines of context around each change.
std::string LineDiff(const std::string& before, const std::string& after);

}  // namespace zephrane
