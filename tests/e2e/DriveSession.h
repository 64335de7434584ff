#pragma once

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

// JSON string escaping, for building expected lines.
std::string JsonQuote(const std::string& utf8);

}  // namespace zephrane::testing
