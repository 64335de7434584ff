#pragma once

// zephrane-drive as a child process: commands go to its standard input, the
// JSON lines it prints come back. A driver that prints nothing for
// kSilenceLimit is stopped and the test fails, so no test can hang on it.
#include <chrono>
#include <string>
#include <vector>

#include "support/TestFiles.h"

namespace zephrane::testing {

// The driver answers every command within a second, even under the
// sanitizers. A driver that hangs at start fails every end-to-end test after
// this long, and the whole run must still end well within the few minutes a
// mutation run allows it (mutants.py stops it after 360 s).
inline constexpr std::chrono::seconds kSilenceLimit{20};

class DriveSession {
public:
    // `options` as zephrane-drive takes them: {"--program-dir", dir, "--drive", "C=...", ...}.
    // A shown control's "focus" is left out of the printed lines, so that the
    // expected transcripts need not follow it, unless `showFocus`.
    explicit DriveSession(const Lines& options, bool showFocus = false);
    ~DriveSession() { Finish(); }
    DriveSession(const DriveSession&) = delete;
    DriveSession& operator=(const DriveSession&) = delete;

    // Sends the commands and returns every line printed while they ran.
    Lines Run(const Lines& commands);
    // Sends the commands without waiting for them.
    void Send(const Lines& commands);
    // Stops the driver at once, as a crash or a power cut would.
    void Kill();
    // Closes the driver's input and returns its exit status; -1 when it
    // crashed or had to be stopped.
    int Finish();

private:
    bool showFocus_ = false;
    // The next printed line; false at the end of the output or after the
    // driver was stopped for its silence.
    bool ReadLine(std::string& line);

    int pid_ = -1;
    int in_ = -1;
    int out_ = -1;
    std::string buffer_;
    int fences_ = 0;
    int status_ = -1;
    std::string lastCommand_;
};

// One session: start, the commands, then the end of input, which must end
// the driver with status 0.
Lines RunDrive(const Lines& options, const Lines& commands, bool showFocus = false);

// Undoes the newest operation through the History window of a new session
// on the installation; afterwards every file must be as in `before`.
void ExpectUndoRestores(const Installation& install, const Tree& before);

// Options for a program folder and drive C:.
Lines DriveOptions(const Installation& install);

// The lines of `lines` that contain `fragment`.
Lines With(const Lines& lines, const std::string& fragment);

std::string JsonQuote(const std::string& utf8);
// A message box line as the driver prints it.
std::string MsgBoxLine(int style, const std::string& title, const std::string& text, bool busy = false);

// The ten buttons an order or a patch run locks, as `show` names them.
inline const Lines kLockedButtons = {
    "Command1",       "Command2",          "btnFixRenown 0", "btnFixRenown 1", "btnFixRenown 2",
    "btnFixRenown 3", "btnInitiateUpdate", "cmdReset",       "btnExit",        "Command3"};

}  // namespace zephrane::testing
