#include "app/FrmHistory.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QVBoxLayout>
#include <dtl/dtl.hpp>

#include "app/Captions.h"
#include "platform/Rollback.h"
#include "platform/ShownPath.h"
#include "platform/TextFile.h"
#include "platform/qt/QtText.h"

namespace zephrane {
namespace {

constexpr int kContext = 2;

QString SizeText(std::int64_t size) {
    return size < 0 ? QStringLiteral("(none)") : QString::number(size);
}

QString KindText(const JournalEntry& entry) {
    QString kind = QString::fromStdString(entry.kind);
    if (entry.rolledBack) return kind + QStringLiteral(", interrupted and put back");
    if (entry.undone) return kind + QStringLiteral(", undone");
    return kind;
}

QTreeWidget* MakeList(QWidget* parent, const QStringList& headers) {
    auto* list = new QTreeWidget(parent);
    list->setHeaderLabels(headers);
    list->setRootIsDecorated(false);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->header()->setStretchLastSection(true);
    return list;
}

}  // namespace

std::string LineDiff(const std::string& before, const std::string& after) {
    const std::vector<std::string> a = SplitLines(before);
    const std::vector<std::string> b = SplitLines(after);
    dtl::Diff<std::string> diff(a, b);
    diff.compose();
    const auto& ses = diff.getSes().getSequence();
    // Keep a change's lines and the unchanged lines close to one.
    std::vector<bool> shown(ses.size(), false);
    for (std::size_t i = 0; i < ses.size(); ++i) {
        if (ses[i].second.type == dtl::SES_COMMON) continue;
        const std::size_t from = i >= kContext ? i - kContext : 0;
        for (std::size_t j = from; j <= i + kContext && j < ses.size(); ++j) shown[j] = true;
    }
    std::string text;
    bool gap = false;
    for (std::size_t i = 0; i < ses.size(); ++i) {
        if (!shown[i]) {
            gap = true;
            continue;
        }
        if (gap && !text.empty()) text += "...\n";
        gap = false;
        const auto type = ses[i].second.type;
        text += type == dtl::SES_ADD ? "+ " : type == dtl::SES_DELETE ? "- " : "  ";
        text += ses[i].first + "\n";
    }
    return text.empty() ? "(no line has changed)\n" : text;
}

FrmHistory::FrmHistory(JournaledFileSystem& files, Dialogs& dialogs, QWidget* parent)
    : QDialog(parent), files_(files), dialogs_(dialogs) {
    setObjectName("frmHistory");
    setWindowTitle(QStringLiteral("History"));
    setFont(WindowFont());
    lstOperations = MakeList(this, {"Time", "Kind", "Operation", "Files"});
    lstFiles = MakeList(this, {"File", "Bytes before", "Bytes after"});
    txtDiff = new QPlainTextEdit(this);
    txtDiff->setReadOnly(true);
    txtDiff->setLineWrapMode(QPlainTextEdit::NoWrap);
    txtDiff->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    cmdUndo = new QPushButton(QStringLiteral("Undo"), this);
    cmdClose = new QPushButton(QStringLiteral("Close"), this);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdUndo);
    buttons->addWidget(cmdClose);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lstOperations, 3);
    layout->addWidget(lstFiles, 2);
    layout->addWidget(txtDiff, 3);
    layout->addLayout(buttons);
    resize(760, 560);

    connect(lstOperations, &QTreeWidget::currentItemChanged, this,
            [this] { ShowEntry(lstOperations->indexOfTopLevelItem(lstOperations->currentItem())); });
    connect(lstFiles, &QTreeWidget::currentItemChanged, this, [this] { ShowDiff(); });
    connect(cmdUndo, &QPushButton::clicked, this, [this] { Undo(); });
    connect(cmdClose, &QPushButton::clicked, this, [this] { close(); });
    Reload();
}

void FrmHistory::Reload() {
    entries_ = files_.Log().Entries();
    lstOperations->clear();
    for (const auto& entry : entries_) {
        const auto changed = entry.ChangedFiles();
        auto* item = new QTreeWidgetItem(lstOperations);
        item->setText(0, ToQString(LocalTimeText(entry.time)));
        item->setText(1, KindText(entry));
        item->setText(2, ToQString(entry.title));
        item->setText(3, QString::number(changed.size()));
    }
    for (int c = 0; c < 3; ++c) lstOperations->resizeColumnToContents(c);
    cmdUndo->setEnabled(LatestUndoable(files_.Log()).has_value());
    if (!entries_.empty()) lstOperations->setCurrentItem(lstOperations->topLevelItem(0));
}

void FrmHistory::ShowEntry(int row) {
    lstFiles->clear();
    txtDiff->clear();
    if (row < 0 || row >= static_cast<int>(entries_.size())) return;
    for (const JournalFile* file : entries_[row].ChangedFiles()) {
        auto* item = new QTreeWidgetItem(lstFiles);
        item->setText(0, ToQString(ShownPath(file->path)));
        item->setText(1, SizeText(file->before.Size()));
        item->setText(2, SizeText(file->After().Size()));
    }
    lstFiles->resizeColumnToContents(0);
    if (lstFiles->topLevelItemCount() > 0) lstFiles->setCurrentItem(lstFiles->topLevelItem(0));
}

void FrmHistory::ShowDiff() {
    const int row = lstOperations->indexOfTopLevelItem(lstOperations->currentItem());
    const int fileRow = lstFiles->indexOfTopLevelItem(lstFiles->currentItem());
    if (row < 0 || row >= static_cast<int>(entries_.size())) return;
    const auto changed = entries_[row].ChangedFiles();
    if (fileRow < 0 || fileRow >= static_cast<int>(changed.size())) return;
    const JournalFile& file = *changed[fileRow];
    txtDiff->setPlainText(ToQString(LineDiff(file.before.bytes, file.After().bytes)));
}

void FrmHistory::Undo() {
    const UndoOutcome outcome = UndoLatest(files_);
    const int style = outcome.result == UndoOutcome::Result::Done ? kStyleInformation : kStyleCritical;
    dialogs_.MsgBox(UndoMessage(outcome), style, "Undo");
    Reload();
}

std::map<std::string, std::string> FrmHistory::Captions() const {
    return {{"cmdUndo", FromQString(cmdUndo->text())}, {"cmdClose", FromQString(cmdClose->text())}};
}

void FrmHistory::ClickControl(const std::string& name) {
    if (name == "undo") {
        if (cmdUndo->isEnabled()) cmdUndo->click();
    } else if (name == "close") {
        cmdClose->click();
    } else if (name.rfind("select ", 0) == 0) {
        const int row = std::atoi(name.c_str() + 7);
        if (row >= 0 && row < lstOperations->topLevelItemCount())
            lstOperations->setCurrentItem(lstOperations->topLevelItem(row));
    }
}

}  // namespace zephrane
