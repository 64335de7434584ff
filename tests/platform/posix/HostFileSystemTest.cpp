// The host's file system as the program sees it: drive letters, backslashes,
// names without regard to case, and short reasons when an operation fails.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>

#include "platform/HostFileSystem.h"
#include "support/TestFiles.h"

namespace zephrane::testing {
namespace {

namespace fs = std::filesystem;

TEST(HostFileSystem, MapsDrivesBackslashesAndTheCaseOfNames) {
    TempDir c, d;
    c.Write("Data/CFG/Basic.cfg", "b");
    c.Write("Game/data/Cfg/basic.cfg", "b");
    c.Write("Game/Data/Cfg/basic.cfg", "exact");
    c.Write("Caf\xC3\xA9/Notes.txt", "n");
    const HostFileSystem hfs({{"C", c.Path()}, {"d", d.Path()}});
    const auto C = c.Path().string(), D = d.Path().string();
    // clang-format off
    const std::pair<std::string, std::string> paths[] = {
        {"C:\\Data\\CFG\\Basic.cfg", C + "/Data/CFG/Basic.cfg"}, {"c:\\data\\cfg\\BASIC.CFG", C + "/Data/CFG/Basic.cfg"},
        {"C:\\game\\Data\\cfg\\basic.cfg", C + "/Game/Data/Cfg/basic.cfg"}, {"C:\\data\\cfg\\New.cfg", C + "/Data/CFG/New.cfg"},
        {"C:\\Missing\\Deeper\\x.txt", C + "/Missing/Deeper/x.txt"}, {"C:\\caf\xE9\\notes.TXT", C + "/Caf\xC3\xA9/Notes.txt"},
        {"D:\\Orders\\x.txt", D + "/Orders/x.txt"}, {"d:\\", D}, {C + "\\data\\cfg\\basic.cfg", C + "/Data/CFG/Basic.cfg"},
        {C + "/Data\\\\CFG\\", C + "/Data/CFG"}, {"Q:\\x.txt", ""}};
    // clang-format on
    for (const auto& [path, host] : paths) EXPECT_EQ(hfs.HostPath(path).string(), host) << path;
    EXPECT_EQ(hfs.Drives(), (Lines{"C", "d"}));
}

TEST(HostFileSystem, ReadsWritesListsAndRefusesAsWindowsWould) {
    TempDir dir;
    dir.Write("Root/Sub/inner.txt", "i");
    dir.Write("Root/file.txt", "1");
    dir.Write("Root/Caf\xC3\xA9.txt", "2");
    fs::create_directory_symlink(dir.Path() / "Root", dir.Path() / "Root" / "loop");
    HostFileSystem hfs({{"C", dir.Path()}});
    EXPECT_TRUE(hfs.FileExists("C:\\ROOT\\FILE.TXT"));
    EXPECT_FALSE(hfs.FolderExists("C:\\root\\file.txt"));
    EXPECT_TRUE(hfs.FolderExists("C:\\root\\sub"));
    EXPECT_FALSE(hfs.FileExists("C:\\root\\sub"));
    // Folder links are not followed, so a walk over the tree ends.
    const auto folders = hfs.SubFolders("C:\\root");
    ASSERT_TRUE(folders);
    ASSERT_EQ(folders->size(), 1u);
    EXPECT_EQ((*folders)[0].path, "C:\\root\\Sub");
    auto files = *hfs.Files("C:\\root\\");
    std::sort(files.begin(), files.end(), [](const auto& a, const auto& b) { return a.name < b.name; });
    ASSERT_EQ(files.size(), 2u);
    EXPECT_EQ(files[0].path + "|" + files[1].path, "C:\\root\\Caf\xE9.txt|C:\\root\\file.txt");
    EXPECT_FALSE(hfs.Files("C:\\nowhere"));

    std::string all;
    for (int b = 0; b < 256; ++b) all += static_cast<char>(b);
    ASSERT_TRUE(hfs.WriteFile("C:\\a.bin", "a much longer first content"));
    ASSERT_TRUE(hfs.WriteFile("C:\\A.BIN", all));
    dir.Write("b.bin", "an older and longer destination");
    ASSERT_TRUE(hfs.ScratchCopy("C:\\a.bin", "C:\\B.bin"));
    EXPECT_EQ(ReadBytes(dir.Path() / "b.bin"), all);
    ASSERT_TRUE(hfs.ScratchRemove("C:\\B.BIN"));
    EXPECT_FALSE(fs::exists(dir.Path() / "b.bin"));
    dir.Write("b.bin", "an older and longer destination");
    ASSERT_TRUE(hfs.Copy("C:\\a.bin", "C:\\B.bin"));
    ASSERT_TRUE(hfs.Move("C:\\B.BIN", "C:\\root\\FILE.txt", false));
    EXPECT_EQ(hfs.ReadFile("C:\\root\\file.txt", nullptr), all);
    EXPECT_EQ(ReadBytes(dir.Path() / "a.bin"), all);
    EXPECT_FALSE(fs::exists(dir.Path() / "b.bin"));

    // A read-only file is refused to everyone, root included, unless forced.
    fs::permissions(dir.Path() / "a.bin", fs::perms::owner_write, fs::perm_options::remove);
    for (const auto& result : {hfs.WriteFile("C:\\a.bin", "x"), hfs.Copy("C:\\root\\file.txt", "C:\\a.bin"),
                               hfs.ScratchCopy("C:\\root\\file.txt", "C:\\a.bin"),
                               hfs.Move("C:\\root\\file.txt", "C:\\a.bin", false),
                               hfs.Remove("C:\\a.bin", false), hfs.ScratchRemove("C:\\a.bin")})
        EXPECT_EQ(result.error, "The file is read-only.");
    EXPECT_EQ(ReadBytes(dir.Path() / "a.bin"), all);
    EXPECT_TRUE(hfs.Remove("C:\\a.bin", true));
    std::string error;
    EXPECT_FALSE(hfs.ReadFile("C:\\a.bin", &error));
    EXPECT_EQ(error, "No such file or directory");
    EXPECT_FALSE(hfs.ReadFile("C:\\root", &error));
    EXPECT_EQ(error, "Is a directory");
    for (const auto& result : {hfs.WriteFile("C:\\nowhere\\x", "x"), hfs.Copy("C:\\a.bin", "C:\\y"),
                               hfs.ScratchCopy("C:\\a.bin", "C:\\y"), hfs.Move("C:\\a.bin", "C:\\y", false),
                               hfs.Remove("C:\\a.bin", true), hfs.ScratchRemove("C:\\a.bin")})
        EXPECT_EQ(result.error, "No such file or directory");
    EXPECT_EQ(hfs.WriteFile("Q:\\x.txt", "x").error, "The drive Q: does not exist.");
}

#ifndef _WIN32
// The folders a batch keeps open are never written into once they have moved
// away: a write goes where its path leads now, whether the folder itself
// moved (checked on every call) or a folder above it (checked with the whole
// chain, here on every call; in later batches always).
TEST(HostFileSystem, NeverWritesIntoAFolderRenamedAway) {
    using std::chrono::milliseconds;
    const struct {
        const char* moved;     // the folder that is renamed
        const char* movedB;    // where A\B is then
        milliseconds recheck;  // how often whole chains are checked
        bool laterBatch;       // the write comes in the next batch
    } cases[] = {
        {"A/B", "A/B moved", milliseconds(60000), false},
        {"A", "A moved/B", milliseconds(0), false},
        {"A", "A moved/B", milliseconds(60000), true},
    };
    for (const auto& k : cases) {
        SCOPED_TRACE(std::string(k.moved) + (k.laterBatch ? ", later batch" : ""));
        TempDir dir;
        dir.Write("A/B/old.txt", "old");
        HostFileSystem hfs({{"C", dir.Path()}}, k.recheck);
        hfs.BeginBatch();
        ASSERT_TRUE(hfs.ListFolder("C:\\A\\B"));
        fs::rename(dir.Path() / k.moved, dir.Path() / (std::string(k.moved) + " moved"));
        dir.MakeDir("A/B");
        if (k.laterBatch) {
            hfs.EndBatch();
            hfs.BeginBatch();
        }
        EXPECT_TRUE(hfs.WriteFile("C:\\A\\B\\new.txt", "new"));
        EXPECT_EQ(hfs.ListFolder("C:\\A\\B")->files.size(), 1u);
        hfs.EndBatch();
        EXPECT_EQ(ReadBytes(dir.Path() / "A/B/new.txt"), "new");
        EXPECT_FALSE(fs::exists(dir.Path() / k.movedB / "new.txt"));
    }
}
#endif

// Each dosdevices link "x:" of the Wine prefix is a drive, in letter order;
// without $WINEPREFIX the prefix is ~/.wine.
TEST(HostFileSystem, WineDrivesAreTheLinksOfThePrefix) {
    TempDir home, elsewhere;
    home.MakeDir(".wine/drive_c");
    const auto devices = home.MakeDir(".wine/dosdevices");
    fs::create_directory_symlink("../drive_c", devices / "c:");
    fs::create_directory_symlink("/", devices / "z:");
    fs::create_directory_symlink(elsewhere.Path(), devices / "d:");
    fs::create_symlink("/dev/null", devices / "c::");
    home.Write(".wine/dosdevices/e:", "not a link");
    UnsetEnv("WINEPREFIX");
    SetEnv("HOME", home.Path());
    const auto drives = HostFileSystem::WineDrives();
    ASSERT_EQ(drives.size(), 3u);
    EXPECT_EQ(drives[0].letter + drives[1].letter + drives[2].letter, "CDZ");
    EXPECT_EQ(drives[0].root, home.Path() / ".wine/drive_c");
    EXPECT_EQ(drives[1].root, elsewhere.Path());
    SetEnv("WINEPREFIX", elsewhere.Path());
    EXPECT_TRUE(HostFileSystem::WineDrives().empty());
}

}  // namespace
}  // namespace zephrane::testing
