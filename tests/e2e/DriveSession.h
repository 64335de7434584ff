#pragma once

#include <cstdio>
#include <string>
#include <vector>

namespace zephrane::testing {

// One run of zephrane-drive: the options, the commands fed to its standard
// input (one per line), and the JSON lines it printed.
struct DriveResult {
    int exitCode = -1;
    std::vector<std::string> lines;

    // The printed lines that contain `fragment`, in order.
    std::vector<std::string> With(const std::string& fragment) const;
    // The message boxes, each as its printed line.
    std::vector<std::string> MessageBoxes() const { return With("{\"msgbox\":"); }
    // The one line that contains `fragment`; "" when there is none.
    std::string First(const std::string& fragment) const;
};

// Runs the driver with the given options ("--program-dir", dir, ...) and
// commands. Options and commands are UTF-8.
DriveResult RunDrive(const std::vector<std::string>& options, const std::vector<std::string>& commands);

// A message box line as the driver prints it (pointer and disabled buttons
// included).
std::string MsgBoxLine(int style, const std::string& title, const std::string& text,
                       const std::string& pointer = "default", const std::string& disabledJson = "[]");

// The driver as a child process fed a few commands at a time, for tests that
// look at what it printed (or change the folders on disk) before going on.
class LiveDrive {
public:
    explicit LiveDrive(const std::vector<std::string>& options);
    ~LiveDrive() { Finish(); }
    LiveDrive(const LiveDrive&) = delete;
    LiveDrive& operator=(const LiveDrive&) = delete;

    // Sends the commands, then waits for their output: every line printed
    // before the echo that closes them.
    std::vector<std::string> Run(const std::vector<std::string>& commands);
    // Closes the driver's input and returns its exit status.
    int Finish();

private:
    int pid_ = -1;
    std::FILE* in_ = nullptr;
    std::FILE* out_ = nullptr;
    int fences_ = 0;
};

// The ten buttons an order or a patch run locks, as `show` names them.
inline const std::vector<std::string> kLockedButtons = {
    "Command1",       "Command2",          "btnFixRenown 0", "btnFixRenown 1", "btnFixRenown 2",
    "btnFixRenown 3", "btnInitiateUpdate", "cmdReset",       "btnExit",        "Command3"};

// The same buttons as a message box line lists them disabled.
inline const std::string kLockedButtonsJson =
    R"(["Command1","Command2","btnFixRenown 0","btnFixRenown 1","btnFixRenown 2","btnFixRenown 3",)"
    R"("btnInitiateUpdate","cmdReset","btnExit","Command3"])";

// JSON string escaping, for building expected lines.
std::string JsonQuote(const std::string& utf8);

}  // namespace zephrane::testing
