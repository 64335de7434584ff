// Zephrane: orders and campaign patches for SilentHunterIII careers kept with
// SH3 Commander.
#include <QApplication>
#include <iostream>

#include "app/CommandLine.h"
#include "app/FrmChecklist.h"
#include "app/FrmMain.h"
#include "app/SingleInstance.h"
#include "platform/HostFileSystem.h"
#include "platform/HostShell.h"
#include "platform/JournaledFileSystem.h"
#include "platform/ProgramFolder.h"
#include "platform/ShownPath.h"
#include "platform/qt/QtDialogs.h"

namespace {

// The window in front: the start-up warning while it is open, else the main
// window.
void BringToFront(QWidget& window) {
    QWidget* front = QApplication::activeModalWidget();
    if (!front) front = &window;
    if (front->isMinimized()) front->showNormal();
    front->raise();
    front->activateWindow();
}

}  // namespace

int main(int argc, char** argv) {
    // Answered before the toolkit starts, so that they need no display.
    if (const auto status = zephrane::AnswerCommandLine(argc, argv, std::cout)) return *status;

    QApplication app(argc, argv);
    QApplication::setApplicationName("Zephrane");
    QGuiApplication::setDesktopFileName("zephrane");

    const std::string programFolder = zephrane::ChooseProgramFolder(zephrane::HostShell::ExecutableFolder());
    zephrane::SingleInstance instance(programFolder);
    if (!instance.Claim()) {
        std::cerr << "Zephrane is already running with the program folder "
                  << zephrane::ShownPath(programFolder) << "; its window has been brought to the front.\n";
        return 0;
    }

    zephrane::HostFileSystem host(zephrane::HostFileSystem::WineDrives());
    zephrane::Journal journal(host, zephrane::ChooseJournalFolder());
    zephrane::JournaledFileSystem fs(host, journal);
    zephrane::HostShell shell(programFolder, host);
    zephrane::QtDialogs dialogs;
    // The folder browser takes host paths in UTF-8 on every host.
    dialogs.SetHostPath([&host](const std::string& path) {
        const std::u8string utf8 = host.HostPath(path).u8string();
        return std::string(utf8.begin(), utf8.end());
    });
    zephrane::Platform platform{fs, dialogs, shell};

    zephrane::FrmMain window(platform, &fs);
    dialogs.SetOwner(&window);
    dialogs.SetChecklistWindow(
        [&window](const std::string& path, const std::string& text, const std::string& why) {
            zephrane::FrmChecklist::Open(&window, path, text, why);
        });
    QObject::connect(&instance, &zephrane::SingleInstance::RaiseRequested,
                     [&window] { BringToFront(window); });
    window.Form_Load();
    window.show();
    return QApplication::exec();
}
