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

#include "e2e/OrderFixture.h"

namespace zephrane::testing {
namespace {

class DesktopE2E : public OrderE2E {
protected:
    // The control whose shown line says it has the focus ("btnFixRenown 1").
    static std::string Focused(const DriveResult& result) {
        std::string focused;
        for (const auto& line : result.printed) {
            if (line.rfind("{\"control\":", 0) != 0 || line.find("\"focus\":true}") == std::string::npos)
                continue;
            const auto name = line.substr(12, line.find('"', 12) - 12);
            const auto index = line.find("\"index\":");
            focused = index == std::string::npos ? name : name + " " + line.substr(index + 8, 1);
        }
        return focused;
    }
};

TEST_F(DesktopE2E, FocusGoesBackToTheButtonOrToTheFirstEmptyField) {
    const auto transfer = TransferForm("1942-03-01", 3, 1942, kWilhelmshaven, k5th);
    const auto serving = ServingForm("1942-04-20", 5, 1942, kWilhelmshaven, k5th);
    auto withoutNumber = serving;
    std::erase(withoutNumber, "type txtUBoatNumber 123");
    const std::pair<std::vector<std::string>, std::string> cases[] = {
        {{"click btnInitiateUpdate"}, "cboMonth"},
        {{"select cboMonth 2", "select cboYear 3", "click btnInitiateUpdate"}, "cboLocation"},
        {Then(withoutNumber, {"click btnInitiateUpdate"}), "txtUBoatNumber"},
        {Then(transfer, {"click btnInitiateUpdate"}), "btnInitiateUpdate"},
        {{"click Option1 1", "click btnFixRenown 1"}, "btnFixRenown 1"},
    };
    for (const auto& [commands, focused] : cases) {
        SCOPED_TRACE(focused);
        auto all = commands;
        for (const char* shown : {"Text1", "Option1 1", "cboMonth", "cboLocation", "txtUBoatNumber"})
            all.push_back(std::string("show ") + shown);
        EXPECT_EQ(Focused(Drive(all)), focused);
    }
}

// An order goes through with a viewer that opens the checklist; without one
// on PATH, or with one that ends with an error, the checklist opens in the
// program's own window.
TEST_F(DesktopE2E, TheChecklistOpensInAWindowWhenNoViewerStarts) {
    const std::string checklist = ProgramDir() + "/Instructions.txt";
    const std::pair<const char*, bool> viewers[] = {{nullptr, true}, {"exit 3", true}, {"exit 0", false}};
    for (const auto& [ending, window] : viewers) {
        SCOPED_TRACE(ending ? ending : "no viewer");
        TempDir bin;
        if (ending) {
            const auto viewer = bin.Write(
                "xdg-open", "#!/bin/sh\nprintf %s \"$1\" > \"$0.opened\"\n" + std::string(ending) + "\n");
            std::filesystem::permissions(viewer, std::filesystem::perms::owner_all);
        }
        const auto result =
            RunDrive({"--program-dir", ProgramDir(), "--drive", "C=" + (root.Path() / "c").string(), "--env",
                      "PATH=" + bin.Path().string()},
                     Then({"start"}, Then(TransferForm("1942-03-01", 3, 1942, kWilhelmshaven, k5th),
                                          {"click btnInitiateUpdate"})));
        EXPECT_EQ(result.With("{\"run\":"), std::vector<std::string>{RunLine()});
        EXPECT_EQ(result.With("frmChecklist"),
                  window ? std::vector<std::string>{"{\"window\":\"frmChecklist\",\"path\":" +
                                                    JsonQuote(checklist) + "}"}
                         : std::vector<std::string>{});
        if (ending) {
            EXPECT_EQ(ReadBytes(bin.Path() / "xdg-open.opened"), checklist);
        }
        EXPECT_TRUE(result.MessageBoxes().empty());
    }
}

// A careers folder below a documents folder of the host, and a message that
// names a file of the program's folder: one separator throughout, in the
// field, in Control.txt and in the message.
TEST(DesktopPaths, PathsShowTheSystemsSeparator) {
    TempDir root;
    root.MakeDir("Docs/SH3/data/cfg/Careers/Hans Kurz");
    const auto settings = root.Write("program/Control.txt", Crlf({" 1 ", "", "", ""}));
    std::filesystem::permissions(settings, std::filesystem::perms::owner_write,
                                 std::filesystem::perm_options::remove);
    const std::string careers = (root.Path() / "Docs" / "SH3" / "data" / "cfg" / "Careers").string();
    const auto result = RunDrive(
        {"--program-dir", (root.Path() / "program").string(), "--documents", (root.Path() / "Docs").string()},
        {"start", "show Text3"});
    EXPECT_EQ(result.First("\"control\":\"Text3\""), "{\"control\":\"Text3\",\"text\":" + JsonQuote(careers) +
                                                         ",\"enabled\":true,\"backcolor\":\"#FFFFFF\"}");
    EXPECT_EQ(result.MessageBoxes(),
              std::vector<std::string>{MsgBoxLine(16, "Zephrane",
                                                  "The settings could not be saved in\r\n" +
                                                      (root.Path() / "program" / "Control.txt").string() +
                                                      "\r\nThe file is read-only.")});
    std::filesystem::permissions(settings, std::filesystem::perms::owner_write,
                                 std::filesystem::perm_options::add);
    root.Write("program/Control.txt", Crlf({" 1 ", "", "", ""}));
    RunDrive(
        {"--program-dir", (root.Path() / "program").string(), "--documents", (root.Path() / "Docs").string()},
        {"start"});
    EXPECT_EQ(ReadBytes(settings), Crlf({" 1 ", "", "", careers}));
}

// Runs the program itself; its standard output and error go to `output`.
int RunProgram(const std::string& program, const std::vector<std::string>& args, const std::string& env,
               const std::filesystem::path& output) {
    std::string command = env + " '" + program + "'";
    for (const auto& arg : args) command += " " + arg;
    command += " >'" + output.string() + "' 2>&1";
    const int status = std::system(command.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// Both answer without a display and without opening a window.
TEST(DesktopCommandLine, HelpAndVersionAnswerWithoutADisplay) {
    TempDir io;
    const auto out = io.Path() / "out.txt";
    EXPECT_EQ(RunProgram(ZEPHRANE_PATH, {"--version"}, "env -i", out), 0);
    EXPECT_EQ(ReadBytes(out), "Zephrane 1.0.18\n");
    EXPECT_EQ(RunProgram(ZEPHRANE_PATH, {"--help"}, "env -i", out), 0);
    EXPECT_EQ(ReadBytes(out).rfind("Usage: zephrane [--help | --version]\n", 0), 0u) << ReadBytes(out);
}

// A second start on the same program folder ends at once and leaves the
// first running; the lock lies in the runtime folder, not the program folder.
TEST(DesktopCommandLine, ASecondStartOnTheSameProgramFolderEnds) {
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
    ASSERT_TRUE(listening());
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
