// Folder trees and driver helpers for the patch runs: a game folder with
// nested copies of Flotilla.cfg, the program's own folder with its backup
// Flotilla.cfg.orv, and an SH3 Commander folder with its "!BACKUP" tree.
#pragma once

#include <sys/wait.h>
#include <unistd.h>

#include <cctype>
#include <csignal>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "e2e/DriveSession.h"
#include "support/TestFiles.h"

namespace zephrane::testing {

// The buttons a patch run locks, as the driver lists them.
inline const std::string kRunDisabled =
    R"(["Command1","Command2","btnFixRenown 0","btnFixRenown 1","btnFixRenown 2","btnFixRenown 3",)"
    R"("btnInitiateUpdate","cmdReset","btnExit","Command3"])";

inline const std::vector<std::string> kRunButtons = {
    "Command1",       "Command2",          "btnFixRenown 0", "btnFixRenown 1", "btnFixRenown 2",
    "btnFixRenown 3", "btnInitiateUpdate", "cmdReset",       "btnExit",        "Command3"};

// A message box shown while a patch run holds the window.
inline std::string RunMsgBox(int style, const std::string& title, const std::string& text) {
    return MsgBoxLine(style, title, text, "hourglass", kRunDisabled);
}

// The message that reports a file left as it was.
inline std::string FileProblem(const std::string& path, const std::string& why) {
    return "Could not update the file\r\n" + path + "\r\n" + why + "\r\nThe file has been left as it was.";
}

class PatchTree {
public:
    PatchTree() { root_.MakeDir("program"); }

    std::filesystem::path Game() const { return root_.Path() / "game"; }
    std::filesystem::path Program() const { return root_.Path() / "program"; }
    std::filesystem::path Commander() const { return root_.Path() / "commander"; }
    // Folders as the program names them in its texts.
    std::string GameText() const { return Game().string(); }
    std::string ProgramText() const { return Program().string(); }
    std::string CommanderText() const { return Commander().string(); }

    std::filesystem::path InGame(const std::string& relative, const std::string& bytes) const {
        return root_.Write("game/" + relative, bytes);
    }
    std::filesystem::path InProgram(const std::string& relative, const std::string& bytes) const {
        return root_.Write("program/" + relative, bytes);
    }
    std::filesystem::path InCommander(const std::string& relative, const std::string& bytes) const {
        return root_.Write("commander/" + relative, bytes);
    }

    std::vector<std::string> Options() const { return {"--program-dir", ProgramText()}; }

    // Start-up and the folder fields; the SH3 Commander field only when asked.
    std::vector<std::string> Open(bool withCommander = true) const {
        std::vector<std::string> commands = {"start", "set Text1 " + GameText()};
        if (withCommander) commands.push_back("set Text2 " + CommanderText());
        commands.push_back("echo ready");
        return commands;
    }

    // Every temporary copy (*.xxx, any case) left anywhere in the tree.
    std::vector<std::string> TempFiles() const {
        std::vector<std::string> found;
        for (const auto& entry : std::filesystem::recursive_directory_iterator(root_.Path())) {
            std::string ext = entry.path().extension().string();
            for (char& c : ext) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
            if (ext == ".xxx") found.push_back(entry.path().string());
        }
        return found;
    }

private:
    TempDir root_;
};

// Appends `more` to `commands`.
inline std::vector<std::string> operator+(std::vector<std::string> commands,
                                          const std::vector<std::string>& more) {
    commands.insert(commands.end(), more.begin(), more.end());
    return commands;
}

// Fences commands with echo lines when a name is given.
inline std::vector<std::string> Fenced(const std::string& name, const std::vector<std::string>& commands) {
    if (name.empty()) return commands;
    return std::vector<std::string>{"echo " + name} + commands + std::vector<std::string>{"echo /" + name};
}

// A click on a patch button, fenced by echo lines so that its output can be
// told apart from start-up's.
inline std::vector<std::string> Click(int index, const std::string& name) {
    return Fenced(name, {"click btnFixRenown " + std::to_string(index)});
}

// The counters as labels and as state.
inline std::vector<std::string> ShowCounters(const std::string& name = "") {
    return Fenced(name, {"show lblChecked", "show lblFound", "show lblProcessed", "state lChecked",
                         "state lFound", "state lProcessed"});
}

inline std::vector<std::string> CounterLines(int checked, int found, int processed) {
    const auto label = [](const std::string& name, int value) {
        return "{\"control\":\"" + name + "\",\"caption\":\"" + std::to_string(value) +
               "\",\"enabled\":true}";
    };
    const auto state = [](const std::string& name, int value) {
        return "{\"state\":\"" + name + "\",\"value\":" + std::to_string(value) + "}";
    };
    return {label("lblChecked", checked), label("lblFound", found), label("lblProcessed", processed),
            state("lChecked", checked),   state("lFound", found),   state("lProcessed", processed)};
}

inline std::vector<std::string> ShowButtons(const std::string& name = "") {
    std::vector<std::string> commands;
    for (const auto& button : kRunButtons) commands.push_back("show " + button);
    return Fenced(name, commands);
}

// The lines printed between "echo name" and "echo /name".
inline std::vector<std::string> Section(const std::vector<std::string>& lines, const std::string& name) {
    std::vector<std::string> out;
    bool inside = false;
    for (const auto& line : lines) {
        if (line == "{\"echo\":" + JsonQuote(name) + "}") {
            inside = true;
        } else if (line == "{\"echo\":" + JsonQuote("/" + name) + "}") {
            break;
        } else if (inside) {
            out.push_back(line);
        }
    }
    return out;
}

inline std::vector<std::string> Section(const DriveResult& result, const std::string& name) {
    return Section(result.lines, name);
}

// How many of the shown buttons are enabled; all of kRunButtons after a run.
inline std::size_t EnabledButtons(const std::vector<std::string>& shown) {
    std::size_t enabled = 0;
    for (const auto& line : shown) {
        if (line.find("\"enabled\":true") != std::string::npos) ++enabled;
    }
    return enabled;
}

// The driver as a child process fed one command at a time, for tests that
// change the folders on disk between two commands.
class LiveDrive {
public:
    explicit LiveDrive(const std::vector<std::string>& options) {
        int toChild[2];
        int fromChild[2];
        if (pipe(toChild) != 0 || pipe(fromChild) != 0) return;
        pid_ = fork();
        if (pid_ == 0) {
            dup2(toChild[0], 0);
            dup2(fromChild[1], 1);
            std::freopen("/dev/null", "w", stderr);
            close(toChild[1]);
            close(fromChild[0]);
            std::vector<char*> argv;
            std::string program = ZEPHRANE_DRIVE_PATH;
            std::vector<std::string> args = options;
            argv.push_back(program.data());
            for (auto& arg : args) argv.push_back(arg.data());
            argv.push_back(nullptr);
            execv(program.c_str(), argv.data());
            _exit(127);
        }
        close(toChild[0]);
        close(fromChild[1]);
        in_ = fdopen(toChild[1], "w");
        out_ = fdopen(fromChild[0], "r");
    }
    ~LiveDrive() { Finish(); }
    LiveDrive(const LiveDrive&) = delete;
    LiveDrive& operator=(const LiveDrive&) = delete;

    // Sends the commands, then waits for their output: every line printed
    // before the echo that closes them.
    std::vector<std::string> Run(const std::vector<std::string>& commands) {
        std::vector<std::string> printed;
        if (!in_ || !out_) return printed;
        const std::string fence = "{\"echo\":" + JsonQuote("fence " + std::to_string(++fences_)) + "}";
        for (const auto& command : commands) std::fprintf(in_, "%s\n", command.c_str());
        std::fprintf(in_, "echo fence %d\n", fences_);
        std::fflush(in_);
        std::string line;
        for (int c; (c = std::fgetc(out_)) != EOF;) {
            if (c != '\n') {
                line += static_cast<char>(c);
                continue;
            }
            if (line == fence) break;
            printed.push_back(line);
            line.clear();
        }
        return printed;
    }

    int Finish() {
        if (in_) std::fclose(in_);
        in_ = nullptr;
        // Read what is left, so the driver never writes into a closed pipe.
        if (out_) {
            while (std::fgetc(out_) != EOF) {
            }
            std::fclose(out_);
        }
        out_ = nullptr;
        if (pid_ <= 0) return -1;
        int status = 0;
        waitpid(pid_, &status, 0);
        pid_ = -1;
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }

private:
    pid_t pid_ = -1;
    std::FILE* in_ = nullptr;
    std::FILE* out_ = nullptr;
    int fences_ = 0;
};

}  // namespace zephrane::testing
