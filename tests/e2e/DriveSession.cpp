#include "e2e/DriveSession.h"

#include <gtest/gtest.h>
#include <poll.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>

namespace zephrane::testing {

namespace {

std::string WithoutFocus(std::string line) {
    for (const std::string field : {",\"focus\":true}", ",\"focus\":false}"}) {
        if (line.size() >= field.size() && line.compare(line.size() - field.size(), field.size(), field) == 0)
            return line.substr(0, line.size() - field.size()) + "}";
    }
    return line;
}

}  // namespace

DriveSession::DriveSession(const Lines& options, bool showFocus) : showFocus_(showFocus) {
    // A driver that has died must not take the test down with SIGPIPE.
    std::signal(SIGPIPE, SIG_IGN);
    // Everything the child needs is made before the fork: the test program
    // has threads, and the child may only exec.
    Lines args = {ZEPHRANE_DRIVE_PATH};
    args.insert(args.end(), options.begin(), options.end());
    std::vector<char*> argv;
    for (auto& arg : args) argv.push_back(arg.data());
    argv.push_back(nullptr);
    int toChild[2];
    int fromChild[2];
    if (pipe(toChild) != 0 || pipe(fromChild) != 0 || (pid_ = fork()) < 0) {
        ADD_FAILURE() << "zephrane-drive could not be started";
        return;
    }
    if (pid_ == 0) {
        // The driver dies with the test, whatever ends the test.
        prctl(PR_SET_PDEATHSIG, SIGKILL);
        dup2(toChild[0], 0);
        dup2(fromChild[1], 1);
        close(toChild[1]);
        close(fromChild[0]);
        execv(argv[0], argv.data());
        _exit(127);
    }
    close(toChild[0]);
    close(fromChild[1]);
    in_ = toChild[1];
    out_ = fromChild[0];
}

bool DriveSession::ReadLine(std::string& line) {
    const auto limit = std::chrono::duration_cast<std::chrono::milliseconds>(kSilenceLimit).count();
    while (out_ >= 0) {
        if (const auto end = buffer_.find('\n'); end != std::string::npos) {
            line = buffer_.substr(0, end);
            buffer_.erase(0, end + 1);
            return true;
        }
        pollfd output{out_, POLLIN, 0};
        const int ready = poll(&output, 1, static_cast<int>(limit));
        char chunk[4096];
        const ssize_t got = ready > 0 ? read(out_, chunk, sizeof chunk) : -1;
        if (got > 0) {
            buffer_.append(chunk, static_cast<std::size_t>(got));
        } else if (got < 0 && errno == EINTR) {
            continue;
        } else {
            if (ready == 0) {
                kill(pid_, SIGKILL);
                ADD_FAILURE() << "zephrane-drive printed nothing for " << kSilenceLimit.count()
                              << " s while running up to \"" << lastCommand_ << "\" and was stopped";
            }
            close(out_);
            out_ = -1;
        }
    }
    return false;
}

Lines DriveSession::Run(const Lines& commands) {
    Lines printed;
    if (in_ < 0) return printed;
    const std::string fence = "fence " + std::to_string(++fences_);
    std::string input;
    for (const auto& command : commands) input += command + "\n";
    input += "echo " + fence + "\n";
    lastCommand_ = commands.empty() ? "" : commands.back();
    if (write(in_, input.data(), input.size()) != static_cast<ssize_t>(input.size())) return printed;
    for (std::string line; ReadLine(line) && line != "{\"echo\":" + JsonQuote(fence) + "}";)
        printed.push_back(showFocus_ ? line : WithoutFocus(line));
    return printed;
}

void DriveSession::Send(const Lines& commands) {
    std::string input;
    for (const auto& command : commands) input += command + "\n";
    if (in_ < 0 || write(in_, input.data(), input.size()) != static_cast<ssize_t>(input.size()))
        ADD_FAILURE() << "zephrane-drive took no commands";
}

void DriveSession::Kill() {
    if (pid_ > 0) kill(pid_, SIGKILL);
    Finish();
}

int DriveSession::Finish() {
    if (pid_ <= 0) return status_;
    if (in_ >= 0) close(in_);
    in_ = -1;
    lastCommand_ = "the end of its input";
    for (std::string line; ReadLine(line);) {
    }
    int status = 0;
    waitpid(pid_, &status, 0);
    pid_ = -1;
    status_ = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return status_;
}

Lines RunDrive(const Lines& options, const Lines& commands, bool showFocus) {
    DriveSession session(options, showFocus);
    Lines printed = session.Run(commands);
    EXPECT_EQ(session.Finish(), 0) << "zephrane-drive did not end normally";
    return printed;
}

void ExpectUndoRestores(const Installation& install, const Tree& before) {
    const Lines printed =
        RunDrive(DriveOptions(install), {"start", "answer history undo,close", "click btnHistory"});
    EXPECT_EQ(With(printed, "\"title\":\"Undo\"").size(), 1u);
    ExpectTree(install.Files(), before);
}

Lines DriveOptions(const Installation& install) {
    return {"--program-dir", install.Host("program"),       "--drive", "C=" + install.Host("c"),
            "--journal",     install.JournalRoot().string()};
}

Lines With(const Lines& lines, const std::string& fragment) {
    Lines found;
    for (const auto& line : lines) {
        if (line.find(fragment) != std::string::npos) found.push_back(line);
    }
    return found;
}

std::string JsonQuote(const std::string& utf8) {
    std::string out = "\"";
    for (char c : utf8) {
        if (c == '"' || c == '\\') out += '\\';
        if (c == '\r' || c == '\n') {
            out += c == '\r' ? "\\r" : "\\n";
        } else {
            out += c;
        }
    }
    return out + "\"";
}

std::string MsgBoxLine(int style, const std::string& title, const std::string& text, bool busy) {
    std::string disabled = "[";
    for (const auto& button : busy ? kLockedButtons : Lines{})
        disabled += (disabled.size() > 1 ? "," : "") + JsonQuote(button);
    return "{\"msgbox\":{\"style\":" + std::to_string(style) + ",\"title\":" + JsonQuote(title) +
           ",\"text\":" + JsonQuote(text) + "},\"pointer\":\"" + (busy ? "hourglass" : "default") +
           "\",\"disabled\":" + disabled + "]}";
}

}  // namespace zephrane::testing
