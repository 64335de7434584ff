#include "app/FrmChecklist.h"

#include <QApplication>
#include <QClipboard>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QUrl>
#include <QVBoxLayout>

#include "app/Artwork.h"
#include "app/ProgramInfo.h"
#include "platform/qt/QtText.h"

namespace zephrane {

FrmChecklist::FrmChecklist(const std::string& path, const std::string& text, const std::string& why,
                           QWidget* parent)
    : QWidget(parent, Qt::Window), path_(ToQString(path)) {
    setObjectName("frmChecklist");
    setWindowTitle(QString("Instructions.txt - ") + kProgramTitle);
    setWindowIcon(ProgramIcon());

    lblPath = new QLabel("Your checklist has been written to the file\n" + path_, this);
    lblPath->setTextInteractionFlags(Qt::TextSelectableByMouse);
    lblPath->setWordWrap(true);

    txtChecklist = new QPlainTextEdit(this);
    txtChecklist->setReadOnly(true);
    txtChecklist->setLineWrapMode(QPlainTextEdit::NoWrap);
    txtChecklist->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    QString shown = ToQString(text);
    shown.replace("\r\n", "\n");
    txtChecklist->setPlainText(shown);

    lblStatus = new QLabel(ToQString(why), this);
    lblStatus->setWordWrap(true);

    cmdCopy = new QPushButton("Copy", this);
    cmdOpenFolder = new QPushButton("Open folder", this);
    cmdClose = new QPushButton("Close", this);
    cmdClose->setDefault(true);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cmdCopy);
    buttons->addWidget(cmdOpenFolder);
    buttons->addStretch();
    buttons->addWidget(cmdClose);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lblPath);
    layout->addWidget(txtChecklist, 1);
    layout->addWidget(lblStatus);
    layout->addLayout(buttons);

    const QFontMetrics metrics(txtChecklist->font());
    resize(metrics.horizontalAdvance(QString(100, 'x')), metrics.lineSpacing() * 40);

    connect(cmdCopy, &QPushButton::clicked, this, [this] { CopyText(); });
    connect(cmdOpenFolder, &QPushButton::clicked, this, [this] { OpenFolder(); });
    connect(cmdClose, &QPushButton::clicked, this, [this] { close(); });
}

void FrmChecklist::CopyText() {
    QApplication::clipboard()->setText(txtChecklist->toPlainText());
    lblStatus->setText("The checklist has been copied.");
}

void FrmChecklist::OpenFolder() {
    const QString folder = QFileInfo(QDir::fromNativeSeparators(path_)).absolutePath();
    if (!QDesktopServices::openUrl(QUrl::fromLocalFile(folder))) {
        lblStatus->setText("The folder " + QDir::toNativeSeparators(folder) + " could not be opened.");
    }
}

void FrmChecklist::Open(QWidget* owner, const std::string& path, const std::string& text,
                        const std::string& why) {
    auto* window = new FrmChecklist(path, text, why, owner);
    window->setAttribute(Qt::WA_DeleteOnClose);
    if (owner) window->move(owner->geometry().center() - window->rect().center());
    window->show();
    window->raise();
    window->activateWindow();
}

}  // namespace zephrane
