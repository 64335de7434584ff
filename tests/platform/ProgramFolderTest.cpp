// Where the program keeps its own files and its journal.
#include <gtest/gtest.h>

#include "platform/HostShell.h"
#include "platform/ProgramFolder.h"
#include "platform/Unicode.h"
#include "support/TestFiles.h"

namespace zephrane::testing {
namespace {

namespace fs = std::filesystem;

// An installed copy never writes beside itself, even for a user (root, an
// administrator) who could; a portable copy in a writable folder of its own
// keeps its files. The user's folders may have names the code page lacks.
TEST(ProgramFolder, AnInstalledCopyKeepsItsFilesInTheUsersDataFolder) {
    TempDir portable, home;
    const fs::path user =
        home.Path() / Utf8Path("\xD0\x94\xD0\xBC\xD0\xB8\xD1\x82\xD1\x80\xD0\xB8\xD0\xB9 \xC5\x81ukasz");
#ifdef _WIN32
    SetEnv("APPDATA", user / "Roaming");
    SetEnv("LOCALAPPDATA", user / "Local");
    const std::string programFiles = *HostShell("").GetEnv("ProgramFiles");
    const Lines installed = {programFiles + "\\Zephrane",
                             PathToText(user / "Local" / "Programs" / "Zephrane")};
    const Lines elsewhere = {programFiles + " Old\\Zephrane", PathToText(user / "Local" / "Programs Old")};
    const fs::path data = user / "Roaming" / "Zephrane", journal = user / "Local" / "Zephrane" / "journal";
#else
    SetEnv("XDG_DATA_HOME", user / "share");
    SetEnv("XDG_STATE_HOME", user / "state");
    const Lines installed = {"/usr/bin", "/usr/local/bin", "/opt/zephrane"};
    const Lines elsewhere = {"/usrdata/zephrane", "/home/kim/opt"};
    const fs::path data = user / "share" / "Zephrane", journal = user / "state" / "zephrane" / "journal";
#endif
    for (const auto& folder : installed) EXPECT_EQ(TextToPath(ChooseProgramFolder(folder)), data) << folder;
    for (const auto& folder : elsewhere) EXPECT_FALSE(IsUnderSystemPrefix(TextToPath(folder))) << folder;
    const std::string own = PathToText(portable.Path());
    EXPECT_EQ(ChooseProgramFolder(own), own);
    EXPECT_EQ(TextToPath(ChooseProgramFolder(PathToText(portable.Path() / "missing"))), data);
    EXPECT_EQ(TextToPath(ChooseJournalFolder()), journal);
}

}  // namespace
}  // namespace zephrane::testing
