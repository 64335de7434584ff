// What only Windows has: its drive list and shell folders, the read-only
// attribute, files another program holds open, and processes told apart by
// their handles.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>

#include "platform/HostFileSystem.h"
#include "platform/HostShell.h"
#include "platform/Journal.h"
#include "platform/Unicode.h"
#include "platform/WindowsApi.h"
#include "support/TestFiles.h"

namespace zephrane::testing {
namespace {

namespace fs = std::filesystem;

TEST(WindowsHost, ListsTheSystemsDrivesAndFolders) {
    const HostFileSystem system({});
    const Lines drives = system.Drives();
    EXPECT_NE(std::find(drives.begin(), drives.end(), "C"), drives.end());
    for (const auto& letter : drives) EXPECT_TRUE(letter.size() == 1 && std::isupper(letter[0])) << letter;
    const std::string profile = *HostShell("C:\\Zephrane").GetEnv("USERPROFILE");
    const auto documents = HostShell("C:\\Zephrane").DocumentsFolder();
    ASSERT_TRUE(documents);
    EXPECT_TRUE(documents->starts_with(profile + "\\") && system.FolderExists(*documents)) << *documents;
    EXPECT_TRUE(system.FileExists(HostShell::ExecutableFolder() + "\\platform_tests.exe"));

    // A drive table stands for the system's drives, as on other hosts.
    TempDir dir;
    dir.Write("Game/Data/basic.cfg", "b");
    HostFileSystem table({{"D", dir.Path()}});
    EXPECT_EQ(table.Drives(), Lines{"D"});
    EXPECT_EQ(table.ReadFile("d:\\game\\DATA\\Basic.cfg", nullptr), "b");
    EXPECT_EQ(table.WriteFile("C:\\x.txt", "x").error, "The drive C: does not exist.");
}

TEST(WindowsHost, RefusesReadOnlyAndBusyFilesAndReplacesInOneStep) {
    TempDir dir;
    HostFileSystem hfs({{"C", dir.Path()}});
    dir.Write("live.cfg", "old");
    dir.Write("backup.cfg", "backup");
    ASSERT_TRUE(hfs.Move("C:\\backup.cfg", "C:\\LIVE.cfg", false));
    EXPECT_EQ(ReadBytes(dir.Path() / "live.cfg"), "backup");

    // The read-only attribute is refused unless the call forces it.
    const fs::path live = dir.Path() / "live.cfg";
    ASSERT_TRUE(SetFileAttributesW(live.c_str(), FILE_ATTRIBUTE_READONLY));
    dir.Write("new.cfg", "new");
    for (const auto& result :
         {hfs.WriteFile("C:\\live.cfg", "x"), hfs.Copy("C:\\new.cfg", "C:\\live.cfg"),
          hfs.Move("C:\\new.cfg", "C:\\live.cfg", false), hfs.Remove("C:\\live.cfg", false)})
        EXPECT_EQ(result.error, "The file is read-only.");
    EXPECT_TRUE(hfs.IsReadOnly("C:\\live.cfg"));
    ASSERT_TRUE(hfs.Move("C:\\new.cfg", "C:\\live.cfg", true));
    EXPECT_EQ(ReadBytes(live), "new");

    // A file another program holds open without sharing it stays whole, read-only
    // when it was, and nothing is left beside it.
    HANDLE held = CreateFileW(live.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    std::string error;
    EXPECT_FALSE(hfs.ReadFile("C:\\live.cfg", &error));
    EXPECT_EQ(hfs.WriteFile("C:\\live.cfg", "x").error, error);
    ASSERT_TRUE(SetFileAttributesW(live.c_str(), FILE_ATTRIBUTE_READONLY));
    EXPECT_EQ(hfs.Remove("C:\\live.cfg", true).error, error);
    EXPECT_TRUE(hfs.IsReadOnly("C:\\live.cfg"));
    CloseHandle(held);
    EXPECT_EQ(error, SystemErrorText(ERROR_SHARING_VIOLATION));
    EXPECT_EQ(ReadTree(dir.Path()), (Tree{{"live.cfg", "new"}}));
}

// The journal leaves the entry of a program that still runs to that program.
TEST(WindowsHost, TellsARunningProgramFromAnEndedOne) {
    std::wstring line = L"cmd.exe /c exit";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION child{};
    ASSERT_TRUE(CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE,
                               CREATE_SUSPENDED | CREATE_NO_WINDOW, nullptr, nullptr, &startup, &child));
    EXPECT_TRUE(IsOtherLiveProcess(child.dwProcessId));
    ResumeThread(child.hThread);
    WaitForSingleObject(child.hProcess, INFINITE);
    EXPECT_FALSE(IsOtherLiveProcess(child.dwProcessId));
    CloseHandle(child.hThread);
    CloseHandle(child.hProcess);
    EXPECT_FALSE(IsOtherLiveProcess(CurrentProcessId()));
}

}  // namespace
}  // namespace zephrane::testing
