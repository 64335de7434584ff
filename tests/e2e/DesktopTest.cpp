// The desktop's side of the program end to end: where the focus goes after
// a run, the checklist window when no viewer starts, paths as the system
// writes them, --help and --version, and one running copy per program folder.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <thread>

#include "e2e/DriveSession.h"

namespace zephrane::testing {
namespace {

Lines Then(Lines a, const Lines& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

// A transfer from Wilhelmshaven to flotilla 905 in March 1942, up to the click.
const Lines kTransfer = {"click Option1 1",  "date ssEndDate 1942-03-01", "select cboMonth 2",
                         "select cboYear 3", "select cboLocation 1",      "select cboDestination 3"};

// The control whose shown line says it has the focus ("btnFixRenown 1").
std::string Focused(const Lines& printed) {
    std::string focused;
    for (const auto& line : printed) {
        if (line.rfind("{\"control\":", 0) != 0 || line.find("\"focus\":true}") == std::string::npos)
            continue;
        const auto name = line.substr(12, line.find('"', 12) - 12);
        const auto index = line.find("\"index\":");
        focused = index == std::string::npos ? name : name + " " + line.substr(index + 8, 1);
    }
    return focused;
}

TEST(Desktop, FocusGoesBackToTheButtonOrToTheFirstEmptyField) {
    const Lines nextPatrol = {"select cboMonth 2", "select cboYear 3", "select cboLocation 1",
                              "select cboDestination 3"};
    const std::pair<Lines, std::string> cases[] = {
        {{"click btnInitiateUpdate"}, "cboMonth"},
        {{"select cboMonth 2", "select cboYear 3", "click btnInitiateUpdate"}, "cboLocation"},
        {Then(nextPatrol, {"click btnInitiateUpdate"}), "txtUBoatNumber"},
        {Then(kTransfer, {"click btnInitiateUpdate"}), "btnInitiateUpdate"},
        {{"click Option1 1", "click btnFixRenown 1"}, "btnFixRenown 1"},
    };
    for (const auto& [commands, focused] : cases) {
        SCOPED_TRACE(focused);
        Installation install("orders/install");
        Lines all = Then({"start"}, commands);
        for (const char* shown : {"Text1", "Option1 1", "cboMonth", "cboLocation", "txtUBoatNumber",
                                  "btnInitiateUpdate", "btnFixRenown 1"})
            all.push_back(std::string("show ") + shown);
        EXPECT_EQ(Focused(RunDrive(DriveOptions(install), all, true)), focused);
    }
}

// An order goes through with a viewer that opens the checklist; without one
// on PATH, or with one that ends with an error, the checklist opens in the
// program's own window.
TEST(Desktop, TheChecklistOpensInAWindowWhenNoViewerStarts) {
    const std::pair<const char*, bool> viewers[] = {{nullptr, true}, {"exit 3", true}, {"exit 0", false}};
    for (const auto& [ending, window] : viewers) {
        SCOPED_TRACE(ending ? ending : "no viewer");
        Installation install("orders/install");
        const std::string checklist = install.Host("program/Instructions.txt");
        TempDir bin;
        if (ending) {
            const auto viewer = bin.Write(
                "xdg-open", "#!/bin/sh\nprintf %s \"$1\" > \"$0.opened\"\n" + std::string(ending) + "\n");
            std::filesystem::permissions(viewer, std::filesystem::perms::owner_all);
        }
        const Lines printed = RunDrive(Then(DriveOptions(install), {"--env", "PATH=" + bin.Path().string()}),
                                       Then(Then({"start"}, kTransfer), {"click btnInitiateUpdate"}));
        EXPECT_EQ(
            With(printed, "{\"run\":"),
            Lines{"{\"run\":" +
                  JsonQuote("notepad.exe \"" + install.Host("program") + "\\Instructions.txt\"") + "}"});
        EXPECT_EQ(
            With(printed, "frmChecklist"),
            window ? Lines{"{\"window\":\"frmChecklist\",\"path\":" + JsonQuote(checklist) + "}"} : Lines{});
        if (ending) {
            EXPECT_EQ(ReadBytes(bin.Path() / "xdg-open.opened"), checklist);
        }
        EXPECT_EQ(With(printed, "\"msgbox\""), Lines{});
    }
}

// A careers folder below a documents folder of the host, and a message that
// names a file of the program's folder: one separator throughout, in the
// field, in Control.txt and in the message.
TEST(Desktop, PathsShowTheSystemsSeparator) {
    TempDir root;
    root.MakeDir("Docs/SH3/data/cfg/Careers/Hans Kurz");
    const auto settings = root.Write("program/Control.txt", Crlf({" 1 ", "", "", ""}));
    const Lines options = {"--program-dir", (root.Path() / "program").string(), "--documents",
                           (root.Path() / "Docs").string()};
    const std::string careers = (root.Path() / "Docs" / "SH3" / "data" / "cfg" / "Careers").string();
    std::filesystem::permissions(settings, std::filesystem::perms::owner_write,
                                 std::filesystem::perm_options::remove);
    const Lines printed = RunDrive(options, {"start", "show Text3"});
    EXPECT_EQ(With(printed, "\"control\":\"Text3\""),
              Lines{"{\"control\":\"Text3\",\"text\":" + JsonQuote(careers) +
                    ",\"enabled\":true,\"backcolor\":\"#FFFFFF\"}"});
    EXPECT_EQ(With(printed, "\"msgbox\""),
              Lines{MsgBoxLine(16, "Zephrane",
                               "The settings could not be saved in\r\n" +
                                   (root.Path() / "program" / "Control.txt").string() +
                                   "\r\nThe file is read-only.")});
    std::filesystem::permissions(settings, std::filesystem::perms::owner_write,
                                 std::filesystem::perm_options::add);
    RunDrive(options, {"start"});
    EXPECT_EQ(ReadBytes(settings), Crlf({" 1 ", "", "", careers}));
}

// Runs the program itself; its standard output and error go to `output`.
int RunProgram(const std::string& program, const Lines& args, const std::string& env,
               const std::filesystem::path& output) {
    std::string command = env + " '" + program + "'";
    for (const auto& arg : args) command += " " + arg;
    command += " >'" + output.string() + "' 2>&1";
    const int status = std::system(command.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// Both answer without a display and without opening a window.
TEST(Desktop, HelpAndVersionAnswerWithoutADisplay) {
    TempDir io;
    const auto out = io.Path() / "out.txt";
    EXPECT_EQ(RunProgram(ZEPHRANE_PATH, {"--version"}, "env -i", out), 0);
    EXPECT_EQ(ReadBytes(out), "Zephrane 1.0.18\n");
    EXPECT_EQ(RunProgram(ZEPHRANE_PATH, {"--help"}, "env -i", out), 0);
    EXPECT_EQ(ReadBytes(out).rfind("Usage: zephrane [--help | --version]\n", 0), 0u) << ReadBytes(out);
}

// A second start on the same program folder ends at once and leaves the
// first running; the lock lies in the runtime folder, not the program folder.
TEST(Desktop, ASecondStartOnTheSameProgramFolderEnds) {
    TempDir root;
    const auto program = root.MakeDir("program") / "zephrane";
    std::filesystem::copy_file(ZEPHRANE_PATH, program);
    root.MakeDir("run");
    root.MakeDir("home");
    const std::string env = "env -i QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=0 HOME='" +
                            (root.Path() / "home").string() + "' XDG_RUNTIME_DIR='" +
                            (root.Path() / "run").string() + "'";
    const pid_t first = fork();
    if (first == 0) {
        execl("/bin/sh", "sh", "-c", ("exec " + env + " '" + program.string() + "' >/dev/null 2>&1").c_str(),
              nullptr);
        _exit(127);
    }
    const auto listening = [&] {
        for (const auto& entry : std::filesystem::directory_iterator(root.Path() / "run")) {
            if (entry.path().extension() == ".socket") return true;
        }
        return false;
    };
    for (int i = 0; i < 300 && !listening(); ++i) std::this_thread::sleep_for(std::chrono::milliseconds(100));
    EXPECT_TRUE(listening());
    const auto out = root.Path() / "second.txt";
    EXPECT_EQ(RunProgram(program.string(), {}, env, out), 0);
    EXPECT_NE(ReadBytes(out).find("Zephrane is already running with the program folder " +
                                  program.parent_path().string()),
              std::string::npos)
        << ReadBytes(out);
    EXPECT_EQ(waitpid(first, nullptr, WNOHANG), 0) << "the first start has ended";
    kill(first, SIGTERM);
    waitpid(first, nullptr, 0);
    for (const auto& entry : std::filesystem::directory_iterator(program.parent_path())) {
        EXPECT_TRUE(entry.path().filename() == "zephrane" || entry.path().filename() == "Control.txt")
            << entry.path();
    }
}

}  // namespace
}  // namespace zephrane::testing
