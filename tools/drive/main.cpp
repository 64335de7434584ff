// zephrane-drive: runs the real main window with recording dialogs on Qt's
// offscreen platform, driven by commands on standard input.
#include <QApplication>
#include <cstdlib>
#include <iostream>

#ifndef _WIN32
#include <sys/resource.h>

#include <csignal>
#endif

#include "Driver.h"
#include "app/FrmMain.h"
#include "platform/HostFileSystem.h"
#include "platform/HostShell.h"
#include "platform/JournaledFileSystem.h"
#include "platform/RecordingDialogs.h"
#include "platform/RecordingShell.h"
#include "platform/Unicode.h"
#include "platform/qt/EventYield.h"

namespace {

struct Options {
    std::string programDir;
    std::vector<zephrane::Drive> drives;
    std::optional<std::string> documents;
    std::map<std::string, std::string> environment;
    std::optional<std::string> journal;
    bool yieldEvents = false;
    std::optional<unsigned long long> fileSizeLimit;
};

// No file the program writes may grow beyond `bytes`: a write past it fails
// as it would on a full disk.
bool LimitFileSizes(unsigned long long bytes) {
#ifdef _WIN32
    (void)bytes;
    return false;
#else
    rlimit limit{};
    if (::getrlimit(RLIMIT_FSIZE, &limit) != 0) return false;
    limit.rlim_cur = bytes;
    // Past the limit a write then fails with EFBIG instead of ending the program.
    return ::setrlimit(RLIMIT_FSIZE, &limit) == 0 && std::signal(SIGXFSZ, SIG_IGN) != SIG_ERR;
#endif
}

bool ParseOptions(int argc, char** argv, Options& options) {
    for (int i = 1; i < argc; ++i) {
        const std::string option = argv[i];
        if (option == "--yield-events") {
            options.yieldEvents = true;
            continue;
        }
        if (i + 1 >= argc) return false;
        const std::string value = argv[++i];
        const auto equals = value.find('=');
        if (option == "--program-dir") {
            options.programDir = zephrane::Utf8ToText(value);
        } else if (option == "--documents") {
            options.documents = zephrane::Utf8ToText(value);
        } else if (option == "--journal") {
            options.journal = zephrane::Utf8ToText(value);
        } else if (option == "--file-size-limit" && !value.empty() && value.size() <= 18 &&
                   value.find_first_not_of("0123456789") == std::string::npos) {
            options.fileSizeLimit = std::stoull(value);
        } else if (option == "--drive" && equals != std::string::npos) {
            options.drives.push_back({value.substr(0, equals), value.substr(equals + 1)});
        } else if (option == "--env" && equals != std::string::npos) {
            options.environment[zephrane::Utf8ToText(value.substr(0, equals))] =
                zephrane::Utf8ToText(value.substr(equals + 1));
        } else {
            return false;
        }
    }
    return !options.programDir.empty();
}

}  // namespace

int main(int argc, char** argv) {
    Options options;
    if (!ParseOptions(argc, argv, options)) {
        std::cerr << "usage: zephrane-drive --program-dir DIR [--drive L=DIR]... [--documents DIR] [--env "
                     "NAME=VALUE]... [--journal DIR] [--yield-events] [--file-size-limit BYTES]\n";
        return 2;
    }
    if (options.fileSizeLimit && !LimitFileSizes(*options.fileSizeLimit)) {
        std::cerr << "zephrane-drive: the file size limit cannot be set here\n";
        return 2;
    }
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication app(argc, argv);

    zephrane::HostFileSystem host(options.drives);
    // Without --journal nothing is recorded, so that no test writes into the
    // user's own journal.
    zephrane::Journal journal(host, options.journal.value_or(""));
    zephrane::JournaledFileSystem journaled(host, journal);
    zephrane::FileSystem& fs = options.journal ? static_cast<zephrane::FileSystem&>(journaled) : host;
    zephrane::RecordingDialogs dialogs;
    // As the program does: pending window events run at most every 50 ms.
    zephrane::EventYield yield;
    if (options.yieldEvents) dialogs.onYield = [&yield] { yield.Yield(); };
    zephrane::RecordingShell shell;
    shell.programFolder = options.programDir;
    shell.documentsFolder = options.documents;
    shell.environment = options.environment;
    // With a PATH of its own the program really tries the viewer found on it.
    zephrane::HostShell viewer(options.programDir, host);
    if (const auto path = options.environment.find("PATH"); path != options.environment.end()) {
        viewer.SetSearchPath(zephrane::TextToUtf8(path->second));
        shell.starter = [&viewer](const std::string& commandLine) {
            return viewer.StartProgram(commandLine);
        };
    }
    zephrane::Platform platform{fs, dialogs, shell};

    zephrane::FrmMain window(platform, options.journal ? &journaled : nullptr);
    zephrane::drive::Driver driver(window, dialogs, shell, std::cout);
    driver.Run(std::cin);
    return 0;
}
