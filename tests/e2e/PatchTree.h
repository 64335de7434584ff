// Folder trees and driver helpers for the patch runs: a game folder with
// nested copies of Flotilla.cfg, the program's own folder with its backup
// Flotilla.cfg.orv, and an SH3 Commander folder with its "!BACKUP" tree.
#pragma once

#include <cctype>
#include <filesystem>
#include <string>
#include <vector>

#include "e2e/DriveSession.h"
#include "support/TestFiles.h"

namespace zephrane::testing {

// A message box shown while a patch run holds the window.
inline std::string RunMsgBox(int style, const std::string& title, const std::string& text) {
    return MsgBoxLine(style, title, text, "hourglass", kLockedButtonsJson);
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
    for (const auto& button : kLockedButtons) commands.push_back("show " + button);
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

// How many of the shown buttons are enabled; all of kLockedButtons after a run.
inline std::size_t EnabledButtons(const std::vector<std::string>& shown) {
    std::size_t enabled = 0;
    for (const auto& line : shown) {
        if (line.find("\"enabled\":true") != std::string::npos) ++enabled;
    }
    return enabled;
}

}  // namespace zephrane::testing
