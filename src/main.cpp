// Zephrane: orders and campaign patches for SilentHunterIII careers kept with
// SH3 Commander.
#include <QApplication>

#include "app/FrmMain.h"
#include "app/ProgramFolder.h"
#include "platform/HostFileSystem.h"
#include "platform/HostShell.h"
#include "platform/qt/QtDialogs.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("Zephrane");

    zephrane::HostFileSystem fs(zephrane::HostFileSystem::WineDrives());
    zephrane::HostShell shell(zephrane::ChooseProgramFolder(zephrane::HostShell::ExecutableFolder()), fs);
    zephrane::QtDialogs dialogs;
    dialogs.SetHostPath([&fs](const std::string& path) { return fs.HostPath(path).string(); });
    zephrane::Platform platform{fs, dialogs, shell};

    zephrane::FrmMain window(platform);
    dialogs.SetOwner(&window);
    window.Form_Load();
    window.show();
    return QApplication::exec();
}
