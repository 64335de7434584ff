#pragma once

#include <optional>
#include <string>

#include "platform/Shell.h"

namespace zephrane {

// The real process environment. `programFolder` is the folder of the running
// executable (as the program's own paths name it).
class HostShell : public Shell {
public:
    explicit HostShell(std::string programFolder) : programFolder_(std::move(programFolder)) {}

    std::string ProgramFolder() const override { return programFolder_; }
    // On Windows the shell's personal folder; elsewhere $XDG_DOCUMENTS_DIR or
    // ~/Documents when it exists.
    std::optional<std::string> DocumentsFolder() const override;
    std::optional<std::string> GetEnv(const std::string& name) const override;
    // Runs the command line without waiting. Where there is no notepad.exe, a
    // "notepad.exe" + quoted path command opens the file in the desktop's
    // default text viewer instead (xdg-open, or open on macOS).
    IoResult StartProgram(const std::string& commandLine) override;

private:
    std::string programFolder_;
};

}  // namespace zephrane
