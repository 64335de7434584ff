// The real process environment: the documents folder, the environment, and
// the programs the checklist is opened with.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <chrono>
#include <thread>

#include "platform/HostShell.h"
#include "support/TestFiles.h"

namespace zephrane::testing {
namespace {

namespace fs = std::filesystem;

TEST(HostShell, FindsTheDocumentsFolderAndTheEnvironment) {
    TempDir home, prefix;
    SetEnv("USER", "kim");
    SetEnv("HOME", home.Path());
    SetEnv("WINEPREFIX", prefix.Path());
    UnsetEnv("XDG_DOCUMENTS_DIR");
    const HostShell shell("C:\\Zephrane");
    EXPECT_EQ(shell.DocumentsFolder(), std::nullopt);
    home.MakeDir("Documents");
    EXPECT_EQ(shell.DocumentsFolder(), home.Path().string() + "/Documents");
    SetEnv("XDG_DOCUMENTS_DIR", "/srv/docs");
    EXPECT_EQ(shell.DocumentsFolder(), "/srv/docs");
    prefix.MakeDir("drive_c/users/kim/My Documents");
    EXPECT_EQ(shell.DocumentsFolder(), prefix.Path().string() + "/drive_c/users/kim/My Documents");
    prefix.MakeDir("drive_c/users/kim/Documents");
    EXPECT_EQ(shell.DocumentsFolder(), prefix.Path().string() + "/drive_c/users/kim/Documents");
    EXPECT_EQ(shell.GetEnv("USER"), "kim");
    EXPECT_EQ(shell.GetEnv("XDG_NO_SUCH_VARIABLE"), std::nullopt);
    const std::string folder = HostShell::ExecutableFolder();
    EXPECT_TRUE(fs::exists(fs::path(folder) / fs::read_symlink("/proc/self/exe").filename())) << folder;
}

// Where there is no Notepad, the desktop's viewer opens the checklist; other
// command lines run as they are, split at blanks outside quotes. Nothing is
// waited for and no child is left behind.
TEST(HostShell, StartsProgramsWithoutWaitingForThem) {
    TempDir drive, tools;
    drive.Write("Orders/Instructions.txt", "checklist");
    const auto output = tools.Path() / "args.txt";
    for (const char* name : {"xdg-open", "record me"}) {
        tools.Write(std::string("bin/") + name, "#!/bin/sh\nprintf '%s\\n' \"$@\" > '" + output.string() +
                                                    ".tmp'\n/bin/mv '" + output.string() + ".tmp' '" +
                                                    output.string() + "'\n");
        fs::permissions(tools.Path() / "bin" / name, fs::perms::owner_all);
    }
    tools.Write("bin/garbage", "\x01\x02 not a program");
    fs::permissions(tools.Path() / "bin/garbage", fs::perms::owner_all);
    SetEnv("PATH", tools.Path() / "bin");
    HostShell shell("C:\\Zephrane", HostFileSystem({{"C", drive.Path()}}));
    const auto awaitOutput = [&] {
        for (int i = 0; i < 600 && !fs::exists(output); ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        const std::string printed = ReadBytes(output);
        fs::remove(output);
        return printed;
    };
    ASSERT_TRUE(shell.StartProgram("notepad.exe \"C:\\orders\\INSTRUCTIONS.TXT\""));
    EXPECT_EQ(awaitOutput(), (drive.Path() / "Orders/Instructions.txt").string() + "\n");
    ASSERT_TRUE(shell.StartProgram("\"" + (tools.Path() / "bin/record me").string() +
                                   "\"  \"two words\" a \"\" x\"y z\""));
    EXPECT_EQ(awaitOutput(), "two words\na\n\nxy z\n");
    const std::pair<std::string, std::string> failures[] = {
        {"notepad.exe \"Q:\\Instructions.txt\"",
         "The file Q:\\Instructions.txt is on a drive that does not exist."},
        {"no-such-program x", "The program \"no-such-program\" could not be found."},
        {"garbage", "The program \"garbage\" could not be started: Exec format error"},
        {"", "There is no program to start."}};
    for (const auto& [commandLine, error] : failures) EXPECT_EQ(shell.StartProgram(commandLine).error, error);
    EXPECT_EQ(waitpid(-1, nullptr, WNOHANG), -1);
}

}  // namespace
}  // namespace zephrane::testing
