#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cerrno>
#include <chrono>
#include <filesystem>
#include <thread>

#include "platform/HostShell.h"
#include "platform/ScopedEnv.h"
#include "support/TestFiles.h"

namespace zephrane {
namespace {

namespace fs = std::filesystem;
using testing::ReadBytes;
using testing::ScopedEnv;
using testing::TempDir;

// A stand-in program that writes its arguments, one a line, to `output`
// (through a temporary name, so the file appears complete).
fs::path WriteRecorder(const TempDir& dir, const std::string& name, const fs::path& output) {
    const auto script = dir.Write("bin/" + name, "#!/bin/sh\nPATH=/usr/bin:/bin\nprintf '%s\\n' \"$@\" > '" +
                                                     output.string() + ".tmp'\nmv '" + output.string() +
                                                     ".tmp' '" + output.string() + "'\n");
    fs::permissions(script, fs::perms::owner_all);
    return script;
}

// The program runs on its own; give it ample time to leave its trace.
std::string AwaitFile(const fs::path& file) {
    for (int i = 0; i < 600 && !fs::exists(file); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    return ReadBytes(file);
}

void ExpectNoChildLeft() {
    errno = 0;
    EXPECT_EQ(waitpid(-1, nullptr, WNOHANG), -1);
    EXPECT_EQ(errno, ECHILD);
}

TEST(HostShell, OpensANotepadFileWithTheDesktopViewer) {
    TempDir drive;
    TempDir tools;
    drive.Write("Orders/Instructions.txt", "checklist");
    const auto output = tools.Path() / "args.txt";
    WriteRecorder(tools, "xdg-open", output);
    ScopedEnv path("PATH", (tools.Path() / "bin").string());
    HostShell shell("C:\\Zephrane", HostFileSystem({{"C", drive.Path()}}));

    const auto started = shell.StartProgram("notepad.exe \"C:\\orders\\INSTRUCTIONS.TXT\"");
    ASSERT_TRUE(started.ok) << started.error;
    EXPECT_EQ(AwaitFile(output), (drive.Path() / "Orders" / "Instructions.txt").string() + "\n");
    ExpectNoChildLeft();
}

TEST(HostShell, RunsOtherCommandLinesSplitAtBlanksOutsideQuotes) {
    TempDir tools;
    const auto output = tools.Path() / "args.txt";
    const auto program = WriteRecorder(tools, "record me", output);
    HostShell shell("C:\\Zephrane");

    const auto started =
        shell.StartProgram("\"" + program.string() + "\"  \"two words\" plain \"\" x\"y z\"");
    ASSERT_TRUE(started.ok) << started.error;
    EXPECT_EQ(AwaitFile(output), "two words\nplain\n\nxy z\n");
    ExpectNoChildLeft();
}

TEST(HostShell, ReportsAProgramThatCannotStart) {
    TempDir tools;
    const auto garbage = tools.Write("bin/garbage", "\x01\x02\x03 not a program");
    fs::permissions(garbage, fs::perms::owner_all);
    ScopedEnv path("PATH", (tools.Path() / "bin").string());
    HostShell shell("C:\\Zephrane", HostFileSystem({{"C", tools.Path()}}));

    const struct {
        std::string commandLine;
        std::string inError;
    } cases[] = {
        {"notepad.exe \"C:\\Instructions.txt\"", "xdg-open"},
        {"notepad.exe \"Q:\\Instructions.txt\"", "Q:\\Instructions.txt"},
        {"no-such-program x", "no-such-program"},
        {"garbage", "garbage"},
        {"", "no program"},
    };
    for (const auto& k : cases) {
        const auto started = shell.StartProgram(k.commandLine);
        EXPECT_FALSE(started.ok) << k.commandLine;
        EXPECT_NE(started.error.find(k.inError), std::string::npos) << k.commandLine << ": " << started.error;
    }
    ExpectNoChildLeft();
}

TEST(HostShell, FindsTheDocumentsFolder) {
    TempDir home;
    TempDir prefix;
    ScopedEnv user("USER", "kim");
    ScopedEnv homeVar("HOME", home.Str());
    ScopedEnv wine("WINEPREFIX", prefix.Str());
    ScopedEnv xdg("XDG_DOCUMENTS_DIR", std::nullopt);
    const HostShell shell("C:\\Zephrane");

    EXPECT_EQ(shell.DocumentsFolder(), std::nullopt);

    home.MakeDir("Documents");
    EXPECT_EQ(shell.DocumentsFolder(), home.Str() + "/Documents");
    {
        ScopedEnv xdgSet("XDG_DOCUMENTS_DIR", "/srv/docs");
        EXPECT_EQ(shell.DocumentsFolder(), "/srv/docs");
    }
    prefix.MakeDir("drive_c/users/kim/My Documents");
    EXPECT_EQ(shell.DocumentsFolder(), prefix.Str() + "/drive_c/users/kim/My Documents");
    prefix.MakeDir("drive_c/users/kim/Documents");
    EXPECT_EQ(shell.DocumentsFolder(), prefix.Str() + "/drive_c/users/kim/Documents");
}

TEST(HostShell, ReadsEnvironmentVariables) {
    const HostShell shell("C:\\Zephrane");
    ScopedEnv set("ZEPHRANE_TEST_VARIABLE", "C:\\Users\\kim");
    EXPECT_EQ(shell.GetEnv("ZEPHRANE_TEST_VARIABLE"), "C:\\Users\\kim");
    ScopedEnv unset("ZEPHRANE_TEST_VARIABLE", std::nullopt);
    EXPECT_EQ(shell.GetEnv("ZEPHRANE_TEST_VARIABLE"), std::nullopt);
}

TEST(HostShell, ExecutableFolderHoldsTheRunningProgram) {
    const std::string folder = HostShell::ExecutableFolder();
    ASSERT_FALSE(folder.empty());
    EXPECT_NE(folder.back(), '/');
    EXPECT_TRUE(fs::exists(fs::path(folder) / fs::read_symlink("/proc/self/exe").filename()));
    EXPECT_EQ(HostShell(folder).ProgramFolder(), folder);
}

}  // namespace
}  // namespace zephrane
