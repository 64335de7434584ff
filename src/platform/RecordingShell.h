#pragma once

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "platform/Shell.h"

namespace zephrane {

// A process environment given in full by its owner (tests, the test driver):
// the program's folder, the documents folder and the environment variables
// are fixed, and started programs are only recorded.
class RecordingShell : public Shell {
public:
    std::string programFolder;
    std::optional<std::string> documentsFolder;
    std::map<std::string, std::string> environment;
    std::function<void(const std::string&)> onRun;

    std::string ProgramFolder() const override { return programFolder; }
    std::optional<std::string> DocumentsFolder() const override { return documentsFolder; }
    std::optional<std::string> GetEnv(const std::string& name) const override {
        auto it = environment.find(name);
        if (it == environment.end()) return std::nullopt;
        return it->second;
    }
    // Every start is recorded; it really happens only through `starter`
    // when one is given, and otherwise counts as successful.
    IoResult StartProgram(const std::string& commandLine) override {
        started.push_back(commandLine);
        if (onRun) onRun(commandLine);
        return starter ? starter(commandLine) : IoResult::Success();
    }
    std::function<IoResult(const std::string&)> starter;

    std::vector<std::string> started;
};

}  // namespace zephrane
