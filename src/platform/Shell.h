#pragma once

#include <optional>
#include <string>

#include "platform/FileSystem.h"

namespace zephrane {

// The process environment: the program's folder, the user's documents
// folder, environment variables and starting other programs.
class Shell {
public:
    virtual ~Shell() = default;

    // Folder of the running program, without a trailing backslash.
    virtual std::string ProgramFolder() const = 0;
    // The user's documents folder, or nullopt when the system gives none.
    virtual std::optional<std::string> DocumentsFolder() const = 0;
    // The variable's value; nullopt when it is not set.
    virtual std::optional<std::string> GetEnv(const std::string& name) const = 0;
    // Starts a program with this command line ("notepad.exe " + quoted path)
    // without waiting for it.
    virtual IoResult StartProgram(const std::string& commandLine) = 0;
};

}  // namespace zephrane
