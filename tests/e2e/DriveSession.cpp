#include "e2e/DriveSession.h"

#include <sys/wait.h>
#include <unistd.h>

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

LiveDrive::LiveDrive(const std::vector<std::string>& options) {
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

std::vector<std::string> LiveDrive::Run(const std::vector<std::string>& commands) {
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

int LiveDrive::Finish() {
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
