#pragma once

#include <optional>
#include <string>

#include "platform/HostFileSystem.h"
#include "platform/Shell.h"

namespace zephrane {

// The real process environment. `programFolder` is the folder of the running
// executable (as the program's own paths name it); `files` maps the program's
// paths onto the host when a file is handed to another program.
class HostShell : public Shell {
public:
    explicit HostShell(std::string programFolder) : HostShell(std::move(programFolder), HostFileSystem({})) {}
    HostShell(std::string programFolder, const HostFileSystem& files)
        : programFolder_(std::move(programFolder)), files_(files) {}

    // Folder of the running executable, in the program's character set and
    // without a trailing separator.
    static std::string ExecutableFolder();

    std::string ProgramFolder() const override { return programFolder_; }
    // On Windows the shell's personal folder; elsewhere the Documents (or My
    // Documents) folder of the Wine prefix's user, else $XDG_DOCUMENTS_DIR,
    // else ~/Documents when it exists. A host path in the program's
    // character set.
    std::optional<std::string> DocumentsFolder() const override;
    std::optional<std::string> GetEnv(const std::string& name) const override;
    // Runs the command line without waiting for it to end. Where there is no
    // notepad.exe, a "notepad.exe" + quoted path command opens the file in the
    // desktop's default text viewer instead (xdg-open, or open on macOS). A
    // program that cannot be found or started, or that ends with an error
    // within two seconds (an opener that finds no viewer), is a failure.
    IoResult StartProgram(const std::string& commandLine) override;

    // Programs are looked up along this list of folders instead of $PATH.
    void SetSearchPath(std::string folders) { searchPath_ = std::move(folders); }

private:
    std::optional<std::string> searchPath_;
    std::string programFolder_;
    HostFileSystem files_;
};

}  // namespace zephrane
