#include "app/FrmAbout.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QUrl>
#include <QVBoxLayout>

#include "app/Artwork.h"
#include "app/ProgramInfo.h"
#include "app/Settings.h"
#include "platform/ProgramFolder.h"
#include "platform/ShownPath.h"
#include "platform/qt/QtText.h"

namespace zephrane {
namespace {

QString Escaped(const std::string& cp1252) {
    return ToQString(cp1252).toHtmlEscaped();
}

// The user guide beside an installed program, or beside a portable copy.
QString FindUserGuide() {
    const QString folder = QCoreApplication::applicationDirPath();
    for (const QString& candidate :
         {folder + "/../share/doc/zephrane/README.md", folder + "/README.md", folder + "/../README.md"}) {
        if (QFileInfo::exists(candidate)) return QFileInfo(candidate).canonicalFilePath();
    }
    return {};
}

}  // namespace

FrmAbout::FrmAbout(Platform& platform, QWidget* parent) : QDialog(parent), platform_(platform) {
    setObjectName("frmAbout");
    setWindowTitle(QString("About ") + kProgramTitle);

    auto* icon = new QLabel(this);
    icon->setPixmap(ProgramIcon().pixmap(64, 64));
    auto* title = new QLabel(QString("<b>%1</b><br>%2<br>Orders and campaign patches for SilentHunterIII "
                                     "careers kept with SH3 Commander.<br>Licence: MIT.")
                                 .arg(kProgramTitle, ToQString(VersionText())),
                             this);
    title->setWordWrap(true);

    lblFiles = new QLabel(FilesText(), this);
    lblFiles->setTextFormat(Qt::RichText);
    lblFiles->setTextInteractionFlags(Qt::TextBrowserInteraction);
    lblFiles->setOpenExternalLinks(true);
    lblFiles->setWordWrap(true);

    chkShowWarning = new QCheckBox("Show the warning about mission saves at every start", this);
    const auto settings = ReadSettings(platform_.fs, platform_.shell.ProgramFolder() + kSettingsFile);
    chkShowWarning->setChecked(!settings || settings->iSkipWarning == 0);
    connect(chkShowWarning, &QCheckBox::clicked, this, [this] { chkShowWarning_Click(); });

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* head = new QHBoxLayout;
    head->addWidget(icon, 0, Qt::AlignTop);
    head->addWidget(title, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(head);
    layout->addWidget(lblFiles);
    layout->addWidget(chkShowWarning);
    layout->addWidget(buttons);
    setMinimumWidth(fontMetrics().horizontalAdvance(QString(70, 'x')));
}

QString FrmAbout::FilesText() const {
    const std::string folder = platform_.shell.ProgramFolder();
    const std::string journal = ChooseJournalFolder();
    QString text =
        "<p>Settings: " + Escaped(ShownPath(folder + kSettingsFile)) +
        "<br>Backup of the flotilla configuration: " + Escaped(ShownPath(folder + "\\Flotilla.cfg.orv")) +
        "<br>Last checklist: " + Escaped(ShownPath(folder + "\\Instructions.txt")) +
        "<br>Journal of operations: " +
        (journal.empty() ? QString("(no folder for it)") : Escaped(ShownPath(journal))) + "</p>";
    return text + "<p>" + GuideText() + "</p>";
}

QString FrmAbout::GuideText() const {
    const QString guide = FindUserGuide();
    if (guide.isEmpty()) return "The user guide is the README.md that comes with the program.";
    return "User guide: <a href=\"" + QUrl::fromLocalFile(guide).toString(QUrl::FullyEncoded) + "\">" +
           guide.toHtmlEscaped() + "</a>";
}

// Ticking brings the warning back at the next start; the folder lines stay.
void FrmAbout::chkShowWarning_Click() {
    const std::string path = platform_.shell.ProgramFolder() + kSettingsFile;
    const auto settings = ReadSettings(platform_.fs, path);
    std::vector<std::string> folders;
    if (settings) {
        folders = {settings->gamePath, settings->commanderPath};
        if (settings->careersPath) folders.push_back(*settings->careersPath);
    } else {
        folders = {"", ""};
    }
    if (auto written = WriteSettings(platform_.fs, path, chkShowWarning->isChecked() ? 0 : 1, folders);
        !written) {
        platform_.dialogs.MsgBox(
            "The setting could not be saved in\r\n" + ShownPath(path) + "\r\n" + written.error,
            kStyleCritical, kProgramTitle);
        chkShowWarning->setChecked(!chkShowWarning->isChecked());
    }
}

}  // namespace zephrane
