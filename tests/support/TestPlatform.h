#pragma once

// The program's platform on an installation of tests/data for the tests that
// call a routine directly: drive C: is the installation's "c" folder, P: the
// installation (the program's folder is P:\program) and J: the folder of its
// journal, seen through the fault-injecting file system, so that every path
// is a drive path on every host; dialogs and shell only record.
#include "platform/HostFileSystem.h"
#include "platform/Platform.h"
#include "platform/RecordingDialogs.h"
#include "platform/RecordingShell.h"
#include "support/FaultyFileSystem.h"
#include "support/TestFiles.h"

namespace zephrane::testing {

struct TestPlatform {
    explicit TestPlatform(const Installation& install)
        : host({{"C", install.Path("c")}, {"P", install.Path()}, {"J", install.JournalRoot()}}), fs(host) {
        shell.programFolder = "P:\\program";
    }

    static constexpr const char* kJournalFolder = "J:\\journal";

    // The message boxes shown so far, each as "style|title|text", the
    // program's folder written "{program}".
    Lines Messages() const {
        Lines shown;
        for (const auto& m : dialogs.Messages()) {
            std::string text = m.text;
            for (auto at = text.find(shell.programFolder); at != std::string::npos;
                 at = text.find(shell.programFolder))
                text.replace(at, shell.programFolder.size(), "{program}");
            shown.push_back(std::to_string(m.style) + "|" + m.title + "|" + text);
        }
        return shown;
    }

    HostFileSystem host;
    FaultyFileSystem fs;
    RecordingDialogs dialogs;
    RecordingShell shell;
    Platform platform{fs, dialogs, shell};
};

}  // namespace zephrane::testing
