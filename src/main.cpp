// Zephrane: orders and campaign patches for SilentHunterIII careers kept with
// SH3 Commander.
#include <QApplication>
#include <iostream>

#include "app/CommandLine.h"
#include "app/FrmChecklist.h"
#include "app/FrmMain.h"
#include "app/ProgramFolder.h"
#include "platform/HostFileSystem.h"
#include "platform/HostShell.h"
#include "platform/JournaledFileSystem.h"
#include "platform/qt/QtDialogs.h"

int main(int argc, char** argv) {
    // Answered before the toolkit starts, so that they need no display.
    if (const auto status = zephrane::AnswerCommandLine(argc, argv, std::cout)) return *status;

    QApplication app(argc, argv);
    QApplication::setApplicationName("Zephrane");
    QGuiApplication::setDesktopFileName("zephrane");

    zephrane::HostFileSystem host(zephrane::HostFileSystem::WineDrives());
    zephrane::Journal journal(host, zephrane::ChooseJournalFolder());
    zephrane::JournaledFileSystem fs(host, journal);
    zephrane::HostShell shell(zephrane::ChooseProgramFolder(zephrane::HostShell::ExecutableFolder()), host);
    zephrane::QtDialogs dialogs;
    dialogs.SetHostPath([&host](const std::string& path) { return host.HostPath(path).string(); });
    zephrane::Platform platform{fs, dialogs, shell};

    zephrane::FrmMain window(platform, &fs);
    dialogs.SetOwner(&window);
    dialogs.SetChecklistWindow(
        [&window](const std::string& path, const std::string& text, const std::string& why) {
            zephrane::FrmChecklist::Open(&window, path, text, why);
        });
    window.Form_Load();
    window.show();
    return QApplication::exec();
}
