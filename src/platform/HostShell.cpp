#include "platform/HostShell.h"

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <system_error>
#include <thread>
#include <vector>

#include "platform/ShownPath.h"
#include "platform/Unicode.h"

#ifdef _WIN32
#include "platform/WindowsApi.h"
// The shell's headers need the declarations of windows.h.
#include <knownfolders.h>
#include <shlobj.h>
#ifdef _MSC_VER
#pragma comment(lib, "shell32.lib")
#pragma comment(lib, "ole32.lib")
#endif
#else
#include <fcntl.h>
#include <pwd.h>
#include <sys/wait.h>
#include <unistd.h>
#ifdef __APPLE__
#include <mach-o/dyld.h>
#endif
extern char** environ;
#endif

namespace zephrane {
namespace fs = std::filesystem;

namespace {

std::string WithoutTrailingSeparator(std::string folder) {
    while (!folder.empty() && (folder.back() == '/' || folder.back() == '\\')) folder.pop_back();
    return folder;
}

#ifdef _WIN32

// The program a command line starts: its first word, or its first quoted text.
std::string ProgramName(const std::string& commandLine) {
    if (!commandLine.empty() && commandLine[0] == '"')
        return commandLine.substr(1, commandLine.find('"', 1) - 1);
    return commandLine.substr(0, commandLine.find_first_of(" \t"));
}

#else

std::string FromHost(const fs::path& path) {
    return PathToText(path);
}

std::optional<std::string> Variable(const char* name) {
    const char* value = std::getenv(name);
    if (!value || !*value) return std::nullopt;
    return std::string(value);
}

bool IsFolder(const fs::path& path) {
    std::error_code ec;
    return fs::is_directory(fs::status(path, ec));
}

std::optional<std::string> UserName() {
    if (auto user = Variable("USER")) return user;
    if (const passwd* entry = getpwuid(getuid()); entry && entry->pw_name) return std::string(entry->pw_name);
    return std::nullopt;
}

// The documents folder that Windows programs under Wine see as their own.
std::optional<fs::path> WineDocumentsFolder() {
    fs::path prefix;
    if (auto wine = Variable("WINEPREFIX")) {
        prefix = *wine;
    } else if (auto home = Variable("HOME")) {
        prefix = fs::path(*home) / ".wine";
    } else {
        return std::nullopt;
    }
    const auto user = UserName();
    if (!user) return std::nullopt;
    const fs::path profile = prefix / "drive_c" / "users" / *user;
    for (const char* name : {"Documents", "My Documents"}) {
        if (IsFolder(profile / name)) return profile / name;
    }
    return std::nullopt;
}

// Splits a command line at blanks; double quotes group blanks into one
// argument and are dropped.
std::vector<std::string> SplitCommandLine(const std::string& commandLine) {
    std::vector<std::string> args;
    std::string current;
    bool quoted = false;
    bool inArgument = false;
    for (char c : commandLine) {
        if (c == '"') {
            quoted = !quoted;
            inArgument = true;
        } else if ((c == ' ' || c == '\t') && !quoted) {
            if (inArgument) args.push_back(current);
            current.clear();
            inArgument = false;
        } else {
            current += c;
            inArgument = true;
        }
    }
    if (inArgument) args.push_back(current);
    return args;
}

bool IsExecutableFile(const fs::path& path) {
    std::error_code ec;
    return fs::is_regular_file(fs::status(path, ec)) && access(path.c_str(), X_OK) == 0;
}

// The program as execve needs it: a name with a slash as it is, any other
// name searched along the search path.
std::optional<fs::path> FindProgram(const std::string& name, const std::string& path) {
    if (name.empty()) return std::nullopt;
    if (name.find('/') != std::string::npos) {
        if (IsExecutableFile(name)) return fs::path(name);
        return std::nullopt;
    }
    std::size_t start = 0;
    while (start <= path.size()) {
        std::size_t colon = path.find(':', start);
        if (colon == std::string::npos) colon = path.size();
        const std::string folder = path.substr(start, colon - start);
        start = colon + 1;
        const fs::path candidate = fs::path(folder.empty() ? "." : folder) / name;
        if (IsExecutableFile(candidate)) return candidate;
    }
    return std::nullopt;
}

bool IsNotepad(const std::string& program) {
    std::string lower = program;
    for (char& c : lower) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
    return lower == "notepad.exe" || lower == "notepad";
}

const char* DesktopOpener() {
#ifdef __APPLE__
    return "open";
#else
    return "xdg-open";
#endif
}

// What the pipe from the watching child carries: an errno of a start that
// failed, or the exit status of a program that ended with an error soon after.
struct StartReport {
    int kind;  // 1: errno, 2: exit status
    int value;
};

void Report(int fd, int kind, int value) {
    const StartReport report{kind, value};
    [[maybe_unused]] const ssize_t written = write(fd, &report, sizeof report);
}

// How long a started program is watched for an early failure: a desktop
// opener (xdg-open) that finds no viewer ends with an error at once, while
// one that found a viewer has handed the file on or keeps it open.
constexpr int kWatchMilliseconds = 2000;

// The watching child: waits a short while for the program to end, reports an
// error status, and leaves a program that still runs to itself.
[[noreturn]] void WatchEarlyExit(pid_t program, int fd) {
    for (int waited = 0; waited < kWatchMilliseconds; waited += 20) {
        int status = 0;
        const pid_t done = waitpid(program, &status, WNOHANG);
        if (done == program) {
            if (WIFEXITED(status) && WEXITSTATUS(status) != 0) Report(fd, 2, WEXITSTATUS(status));
            if (WIFSIGNALED(status)) Report(fd, 2, 128 + WTERMSIG(status));
            _exit(0);
        }
        if (done < 0 && errno != EINTR) _exit(0);
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    _exit(0);
}

// Starts the program in a grandchild so that nothing has to wait for it long
// and no zombie remains; a pipe closed on exec tells whether it could start,
// and the child between them tells whether it ended with an error at once.
IoResult SpawnDetached(const fs::path& program, std::vector<std::string> args) {
    std::vector<char*> argv;
    for (auto& arg : args) argv.push_back(arg.data());
    argv.push_back(nullptr);
    const std::string name = Utf8ToText(args.front());
    const auto failure = [&](int err) {
        return IoResult::Failure("The program \"" + name +
                                 "\" could not be started: " + std::generic_category().message(err));
    };

    int fds[2];
    if (pipe(fds) != 0) return failure(errno);
    fcntl(fds[0], F_SETFD, FD_CLOEXEC);
    fcntl(fds[1], F_SETFD, FD_CLOEXEC);
    const pid_t child = fork();
    if (child < 0) {
        const int err = errno;
        close(fds[0]);
        close(fds[1]);
        return failure(err);
    }
    if (child == 0) {
        close(fds[0]);
        const pid_t grandchild = fork();
        if (grandchild < 0) {
            Report(fds[1], 1, errno);
            _exit(1);
        }
        if (grandchild == 0) {
            setsid();
            execve(program.c_str(), argv.data(), environ);
            Report(fds[1], 1, errno);
            _exit(127);
        }
        WatchEarlyExit(grandchild, fds[1]);
    }
    close(fds[1]);
    int status = 0;
    while (waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
    StartReport report{};
    ssize_t got = 0;
    while ((got = read(fds[0], &report, sizeof report)) < 0 && errno == EINTR) {
    }
    close(fds[0]);
    if (got != static_cast<ssize_t>(sizeof report)) return IoResult::Success();
    if (report.kind == 1) return failure(report.value);
    return IoResult::Failure("The program \"" + name + "\" ended with an error (exit status " +
                             std::to_string(report.value) + ").");
}

#endif

}  // namespace

#ifdef _WIN32

std::string HostShell::ExecutableFolder() {
    std::wstring buffer(32768, L'\0');
    const DWORD length = GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
    buffer.resize(length);
    return WithoutTrailingSeparator(WideToText(fs::path(buffer).parent_path().native()));
}

std::optional<std::string> HostShell::DocumentsFolder() const {
    wchar_t* folder = nullptr;
    const bool found = SHGetKnownFolderPath(FOLDERID_Documents, KF_FLAG_DEFAULT, nullptr, &folder) == S_OK;
    const std::wstring documents = found ? folder : L"";
    CoTaskMemFree(folder);
    if (!found) return std::nullopt;
    return WithoutTrailingSeparator(WideToText(documents));
}

std::optional<std::string> HostShell::GetEnv(const std::string& name) const {
    const wchar_t* value = _wgetenv(TextToWide(name).c_str());
    if (!value) return std::nullopt;
    return WideToText(value);
}

IoResult HostShell::StartProgram(const std::string& commandLine) {
    std::wstring line = TextToWide(commandLine);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOWNORMAL;
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &process)) {
        return IoResult::Failure("The program \"" + ProgramName(commandLine) +
                                 "\" could not be started: " + SystemErrorText(GetLastError()));
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return IoResult::Success();
}

#else

std::string HostShell::ExecutableFolder() {
    std::error_code ec;
    fs::path executable;
#ifdef __APPLE__
    uint32_t size = 0;
    _NSGetExecutablePath(nullptr, &size);
    std::string buffer(size, '\0');
    if (_NSGetExecutablePath(buffer.data(), &size) == 0)
        executable = fs::weakly_canonical(buffer.c_str(), ec);
#else
    executable = fs::read_symlink("/proc/self/exe", ec);
#endif
    if (executable.empty()) return WithoutTrailingSeparator(FromHost(fs::current_path(ec)));
    return WithoutTrailingSeparator(FromHost(executable.parent_path()));
}

std::optional<std::string> HostShell::DocumentsFolder() const {
    if (auto wine = WineDocumentsFolder()) return FromHost(*wine);
    if (auto xdg = Variable("XDG_DOCUMENTS_DIR")) return Utf8ToText(*xdg);
    if (auto home = Variable("HOME"); home && IsFolder(fs::path(*home) / "Documents"))
        return FromHost(fs::path(*home) / "Documents");
    return std::nullopt;
}

std::optional<std::string> HostShell::GetEnv(const std::string& name) const {
    const char* value = std::getenv(TextToUtf8(name).c_str());
    if (!value) return std::nullopt;
    return Utf8ToText(value);
}

IoResult HostShell::StartProgram(const std::string& commandLine) {
    std::vector<std::string> args = SplitCommandLine(commandLine);
    if (args.empty()) return IoResult::Failure("There is no program to start.");

    const std::string searchPath =
        searchPath_.value_or(Variable("PATH").value_or("/usr/local/bin:/usr/bin:/bin"));
    if (args.size() == 2 && IsNotepad(args[0]) && !FindProgram(args[0], searchPath)) {
        // No Notepad here: the desktop's own viewer shows the file instead.
        const fs::path file = files_.HostPath(args[1]);
        if (file.empty())
            return IoResult::Failure("The file " + ShownPath(args[1]) +
                                     " is on a drive that does not exist.");
        args = {DesktopOpener(), file.string()};
    } else {
        for (auto& arg : args) arg = TextToUtf8(arg);
    }
    const auto program = FindProgram(args[0], searchPath);
    if (!program) return IoResult::Failure("The program \"" + Utf8ToText(args[0]) + "\" could not be found.");
    return SpawnDetached(*program, std::move(args));
}

#endif

}  // namespace zephrane
