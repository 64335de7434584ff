// The checklist opens in Notepad from a program folder whose name
// Windows-1252 cannot hold.
#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "orders/Checklist.h"
#include "platform/HostShell.h"
#include "platform/RecordingDialogs.h"
#include "platform/Unicode.h"
#include "platform/WindowsApi.h"
#include "support/TestFiles.h"

namespace zephrane::testing {
namespace {

namespace fs = std::filesystem;

TEST(Notepad, OpensTheChecklistFromAFolderOfAnyName) {
    TempDir dir;
    const std::string folder =
        PathToText(dir.MakeDir("\xD0\x94\xD0\xBC\xD0\xB8\xD1\x82\xD1\x80\xD0\xB8\xD0\xB9 \xC5\x81ukasz"));
    SetEnv("ZEPHRANE_NOTEPAD_LOG", dir.Path() / "notepad.log");

    HostFileSystem files({});
    RecordingDialogs dialogs;
    HostShell shell(folder);
    Platform platform{files, dialogs, shell};
    WriteChecklist(platform, ChecklistKind::Transfer, {});
    EXPECT_TRUE(dialogs.Messages().empty());
    const fs::path log = dir.Path() / "notepad.log";
    for (int i = 0; i < 600 && !fs::exists(log); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    const std::string line = ReadBytes(log);
    EXPECT_EQ(WideToText(std::wstring(reinterpret_cast<const wchar_t*>(line.data()), line.size() / 2)),
              "notepad.exe \"" + folder + "\\Instructions.txt\"");
    EXPECT_TRUE(files.FileExists(folder + "\\Instructions.txt"));
    EXPECT_EQ(
        shell.StartProgram("no-such-program.exe \"" + folder + "\"").error,
        "The program \"no-such-program.exe\" could not be started: " + SystemErrorText(ERROR_FILE_NOT_FOUND));
}

}  // namespace
}  // namespace zephrane::testing
