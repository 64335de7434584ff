#include "e2e/DriveSession.h"

#include <sys/wait.h>

#include <cstdlib>
#include <fstream>

#include "support/TestFiles.h"

namespace zephrane::testing {
namespace {

std::string ShellQuote(const std::string& text) {
    std::string out = "'";
    for (char c : text) {
        if (c == '\'') {
            out += "'\\''";
        } else {
            out += c;
        }
    }
    return out + "'";
}

}  // namespace

std::vector<std::string> DriveResult::With(const std::string& fragment) const {
    std::vector<std::string> out;
    for (const auto& line : lines) {
        if (line.find(fragment) != std::string::npos) out.push_back(line);
    }
    return out;
}

std::string DriveResult::First(const std::string& fragment) const {
    const auto found = With(fragment);
    return found.empty() ? "" : found.front();
}

DriveResult RunDrive(const std::vector<std::string>& options, const std::vector<std::string>& commands) {
    TempDir io;
    const auto input = io.Write("commands.txt", [&] {
        std::string text;
        for (const auto& c : commands) text += c + "\n";
        return text;
    }());
    const auto output = io.Path() / "output.jsonl";
    std::string command = ShellQuote(ZEPHRANE_DRIVE_PATH);
    for (const auto& option : options) command += " " + ShellQuote(option);
    command += " < " + ShellQuote(input.string()) + " > " + ShellQuote(output.string()) + " 2>/dev/null";

    DriveResult result;
    const int status = std::system(command.c_str());
    result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    std::ifstream in(output);
    for (std::string line; std::getline(in, line);) result.lines.push_back(line);
    return result;
}

std::string JsonQuote(const std::string& utf8) {
    std::string out = "\"";
    for (char c : utf8) {
        switch (c) {
            case '"':
                out += "\\\"";
                break;
            case '\\':
                out += "\\\\";
                break;
            case '\n':
                out += "\\n";
                break;
            case '\r':
                out += "\\r";
                break;
            case '\t':
                out += "\\t";
                break;
            default:
                out += c;
        }
    }
    return out + "\"";
}

std::string MsgBoxLine(int style, const std::string& title, const std::string& text,
                       const std::string& pointer, const std::string& disabledJson) {
    return "{\"msgbox\":{\"style\":" + std::to_string(style) + ",\"title\":" + JsonQuote(title) +
           ",\"text\":" + JsonQuote(text) + "},\"pointer\":\"" + pointer + "\",\"disabled\":" + disabledJson +
           "}";
}

}  // namespace zephrane::testing
