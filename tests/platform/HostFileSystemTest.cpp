#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "platform/HostFileSystem.h"
#include "platform/ScopedEnv.h"
#include "support/TestFiles.h"

namespace zephrane {
namespace {

namespace fs = std::filesystem;
using testing::ReadBytes;
using testing::ScopedEnv;
using testing::TempDir;

std::vector<std::string> Names(const std::vector<FolderEntry>& entries) {
    std::vector<std::string> names;
    for (const auto& e : entries) names.push_back(e.name);
    std::sort(names.begin(), names.end());
    return names;
}

TEST(HostPath, MapsDrivesBackslashesAndLetterCase) {
    TempDir c;
    TempDir d;
    c.Write("Data/CFG/Basic.cfg", "b");
    c.Write("Game/data/Cfg/basic.cfg", "b");
    c.Write("Caf\xC3\xA9/Notes.txt", "n");  // "Café" as the host names it
    const HostFileSystem hfs({{"C", c.Path()}, {"d", d.Path()}});

    const struct {
        std::string path;
        fs::path host;
    } cases[] = {
        {"C:\\Data\\CFG\\Basic.cfg", c.Path() / "Data" / "CFG" / "Basic.cfg"},
        {"c:\\data\\cfg\\basic.cfg", c.Path() / "Data" / "CFG" / "Basic.cfg"},
        {"C:\\GAME\\data\\cfg\\BASIC.CFG", c.Path() / "Game" / "data" / "Cfg" / "basic.cfg"},
        {"C:\\data\\cfg\\New.cfg", c.Path() / "Data" / "CFG" / "New.cfg"},
        {"C:\\Missing\\Deeper\\x.txt", c.Path() / "Missing" / "Deeper" / "x.txt"},
        {"C:\\caf\xE9\\notes.TXT", c.Path() / "Caf\xC3\xA9" / "Notes.txt"},
        {"D:\\Orders\\Instructions.txt", d.Path() / "Orders" / "Instructions.txt"},
        {"D:", d.Path()},
        {"d:\\", d.Path()},
        {c.Str() + "\\data\\cfg\\basic.cfg", c.Path() / "Data" / "CFG" / "Basic.cfg"},
        {c.Str() + "/Data\\\\CFG\\", c.Path() / "Data" / "CFG"},
    };
    for (const auto& k : cases) EXPECT_EQ(hfs.HostPath(k.path).string(), k.host.string()) << k.path;
}

TEST(HostPath, PrefersTheExactName) {
    TempDir dir;
    dir.Write("data/x.txt", "lower");
    dir.Write("Data/x.txt", "upper");
    const HostFileSystem hfs({{"C", dir.Path()}});

    EXPECT_EQ(hfs.HostPath("C:\\data\\x.txt"), dir.Path() / "data" / "x.txt");
    EXPECT_EQ(hfs.HostPath("C:\\Data\\x.txt"), dir.Path() / "Data" / "x.txt");
    EXPECT_EQ(hfs.ReadFile("C:\\Data\\X.TXT", nullptr), "upper");
}

TEST(HostFileSystem, AnUnknownDriveDoesNotExist) {
    TempDir dir;
    HostFileSystem hfs({{"C", dir.Path()}});

    EXPECT_TRUE(hfs.HostPath("Q:\\x.txt").empty());
    EXPECT_FALSE(hfs.FileExists("Q:\\x.txt"));
    EXPECT_FALSE(hfs.FolderExists("Q:\\"));
    EXPECT_FALSE(hfs.SubFolders("Q:\\").has_value());
    EXPECT_FALSE(hfs.Files("Q:\\").has_value());
    std::string error;
    EXPECT_FALSE(hfs.ReadFile("Q:\\x.txt", &error).has_value());
    EXPECT_NE(error.find("Q:"), std::string::npos) << error;
    const auto written = hfs.WriteFile("Q:\\x.txt", "x");
    EXPECT_FALSE(written.ok);
    EXPECT_NE(written.error.find("Q:"), std::string::npos) << written.error;
    EXPECT_FALSE(hfs.Copy("Q:\\x.txt", "C:\\y.txt").ok);
    EXPECT_FALSE(hfs.Move("C:\\y.txt", "Q:\\x.txt", false).ok);
    EXPECT_FALSE(hfs.Remove("Q:\\x.txt", true).ok);
}

TEST(HostFileSystem, ExistenceTellsFilesFromFolders) {
    TempDir dir;
    dir.Write("Data/Cfg/Flotilla.cfg", "f");
    const HostFileSystem hfs({{"C", dir.Path()}});

    EXPECT_TRUE(hfs.FileExists("C:\\data\\cfg\\flotilla.cfg"));
    EXPECT_FALSE(hfs.FolderExists("C:\\data\\cfg\\flotilla.cfg"));
    EXPECT_TRUE(hfs.FolderExists("C:\\DATA\\CFG"));
    EXPECT_FALSE(hfs.FileExists("C:\\DATA\\CFG"));
    EXPECT_FALSE(hfs.FileExists("C:\\data\\cfg\\basic.cfg"));
    EXPECT_FALSE(hfs.FolderExists("C:\\data\\menu"));
    EXPECT_EQ(hfs.Drives(), std::vector<std::string>{"C"});
}

TEST(HostFileSystem, ListsFoldersAndFilesApartWithoutFollowingFolderLinks) {
    TempDir dir;
    dir.MakeDir("Root/Sub1");
    dir.MakeDir("Root/sub2");
    dir.Write("Root/Sub1/inner.txt", "i");
    dir.Write("Root/file1.txt", "1");
    dir.Write("Root/File2.cfg", "2");
    dir.Write("Root/Caf\xC3\xA9.txt", "3");
    fs::create_directory_symlink(dir.Path() / "Root", dir.Path() / "Root" / "loop");
    const HostFileSystem hfs({{"C", dir.Path()}});

    const auto folders = hfs.SubFolders("C:\\root");
    ASSERT_TRUE(folders.has_value());
    EXPECT_EQ(Names(*folders), (std::vector<std::string>{"Sub1", "sub2"}));
    for (const auto& f : *folders) EXPECT_EQ(f.path, "C:\\root\\" + f.name);

    const auto files = hfs.Files("C:\\root");
    ASSERT_TRUE(files.has_value());
    EXPECT_EQ(Names(*files), (std::vector<std::string>{"Caf\xE9.txt", "File2.cfg", "file1.txt"}));
    for (const auto& f : *files) {
        EXPECT_EQ(f.path, "C:\\root\\" + f.name);
        EXPECT_TRUE(hfs.FileExists(f.path)) << f.path;
    }

    const auto inner = hfs.Files("C:\\ROOT\\SUB1\\");
    ASSERT_TRUE(inner.has_value());
    ASSERT_EQ(inner->size(), 1u);
    EXPECT_EQ((*inner)[0].path, "C:\\ROOT\\SUB1\\inner.txt");

    EXPECT_FALSE(hfs.SubFolders("C:\\nowhere").has_value());
    EXPECT_FALSE(hfs.Files("C:\\root\\file1.txt").has_value());
}

TEST(HostFileSystem, WritesCopiesMovesAndDeletesExactBytes) {
    TempDir dir;
    HostFileSystem hfs({{"C", dir.Path()}});
    std::string allBytes;
    for (int b = 0; b < 256; ++b) allBytes += static_cast<char>(b);

    ASSERT_TRUE(hfs.WriteFile("C:\\a.bin", "a much longer first content"));
    ASSERT_TRUE(hfs.WriteFile("C:\\A.BIN", allBytes));
    EXPECT_EQ(ReadBytes(dir.Path() / "a.bin"), allBytes);
    EXPECT_EQ(hfs.ReadFile("C:\\a.bin", nullptr), allBytes);

    dir.Write("b.bin", "an old and longer destination");
    ASSERT_TRUE(hfs.Copy("C:\\a.bin", "C:\\B.bin"));
    EXPECT_EQ(ReadBytes(dir.Path() / "b.bin"), allBytes);
    EXPECT_EQ(ReadBytes(dir.Path() / "a.bin"), allBytes);

    dir.Write("c.bin", "replaced by the move");
    ASSERT_TRUE(hfs.WriteFile("C:\\m.bin", "moved"));
    ASSERT_TRUE(hfs.Move("C:\\M.BIN", "C:\\C.BIN", false));
    EXPECT_FALSE(fs::exists(dir.Path() / "m.bin"));
    EXPECT_EQ(ReadBytes(dir.Path() / "c.bin"), "moved");

    ASSERT_TRUE(hfs.Remove("C:\\C.bin", false));
    EXPECT_FALSE(fs::exists(dir.Path() / "c.bin"));
}

TEST(HostFileSystem, FailuresGiveAShortReason) {
    TempDir dir;
    dir.MakeDir("folder");
    HostFileSystem hfs({{"C", dir.Path()}});

    std::string error;
    EXPECT_FALSE(hfs.ReadFile("C:\\missing.txt", &error).has_value());
    EXPECT_EQ(error, "No such file or directory");
    EXPECT_FALSE(hfs.ReadFile("C:\\folder", &error).has_value());
    EXPECT_EQ(error, "Is a directory");

    const struct {
        const char* what;
        IoResult result;
    } cases[] = {
        {"write into a missing folder", hfs.WriteFile("C:\\nowhere\\x.txt", "x")},
        {"copy a missing file", hfs.Copy("C:\\missing.txt", "C:\\y.txt")},
        {"delete a missing file", hfs.Remove("C:\\missing.txt", true)},
        {"move a missing file", hfs.Move("C:\\missing.txt", "C:\\y.txt", false)},
    };
    for (const auto& k : cases) {
        EXPECT_FALSE(k.result.ok) << k.what;
        EXPECT_EQ(k.result.error, "No such file or directory") << k.what;
    }
    EXPECT_FALSE(fs::exists(dir.Path() / "y.txt"));
}

TEST(HostFileSystem, RefusesToChangeAReadOnlyFileEvenForRoot) {
    TempDir dir;
    const std::string original = "NBBASES=2\r\n";
    const auto readOnly = dir.Write("Flotilla.cfg", original);
    dir.Write("other.cfg", "other");
    fs::permissions(readOnly, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    HostFileSystem hfs({{"C", dir.Path()}});

    const struct {
        const char* what;
        IoResult result;
    } refusals[] = {
        {"write", hfs.WriteFile("C:\\flotilla.cfg", "changed")},
        {"copy onto", hfs.Copy("C:\\other.cfg", "C:\\flotilla.cfg")},
        {"delete", hfs.Remove("C:\\flotilla.cfg", false)},
        {"move onto", hfs.Move("C:\\other.cfg", "C:\\flotilla.cfg", false)},
    };
    for (const auto& k : refusals) {
        EXPECT_FALSE(k.result.ok) << k.what;
        EXPECT_EQ(k.result.error, "The file is read-only.") << k.what;
        EXPECT_EQ(ReadBytes(readOnly), original) << k.what;
    }
    EXPECT_EQ(ReadBytes(dir.Path() / "other.cfg"), "other");

    // A copy of a read-only file is an ordinary file that can be removed again.
    ASSERT_TRUE(hfs.Copy("C:\\Flotilla.cfg", "C:\\Flotilla.xxx"));
    EXPECT_TRUE(hfs.Remove("C:\\Flotilla.xxx", false));

    EXPECT_TRUE(hfs.Remove("C:\\Flotilla.cfg", true));
    EXPECT_FALSE(fs::exists(readOnly));
}

TEST(WineDrives, TakesEachDriveLinkOfThePrefixInLetterOrder) {
    TempDir prefix;
    TempDir elsewhere;
    prefix.MakeDir("drive_c");
    const auto dosdevices = prefix.MakeDir("dosdevices");
    fs::create_directory_symlink("../drive_c", dosdevices / "c:");
    fs::create_directory_symlink("/", dosdevices / "z:");
    fs::create_directory_symlink(elsewhere.Path(), dosdevices / "d:");
    fs::create_symlink("/dev/null", dosdevices / "c::");
    fs::create_symlink("/dev/null", dosdevices / "com1");
    prefix.Write("dosdevices/e:", "not a link");

    ScopedEnv wine("WINEPREFIX", prefix.Str());
    const auto drives = HostFileSystem::WineDrives();
    ASSERT_EQ(drives.size(), 3u);
    EXPECT_EQ(drives[0].letter, "C");
    EXPECT_EQ(drives[0].root, prefix.Path() / "drive_c");
    EXPECT_EQ(drives[1].letter, "D");
    EXPECT_EQ(drives[1].root, elsewhere.Path());
    EXPECT_EQ(drives[2].letter, "Z");
    EXPECT_EQ(drives[2].root, fs::path("/"));

    prefix.Write("drive_c/Games/x.txt", "x");
    EXPECT_TRUE(HostFileSystem(drives).FileExists("C:\\GAMES\\X.TXT"));
}

TEST(WineDrives, FallsBackToTheHomePrefixAndIsEmptyWithoutOne) {
    TempDir home;
    home.MakeDir(".wine/drive_c");
    fs::create_directory_symlink("../drive_c", home.MakeDir(".wine/dosdevices") / "c:");
    ScopedEnv wine("WINEPREFIX", std::nullopt);
    {
        ScopedEnv homeVar("HOME", home.Str());
        const auto drives = HostFileSystem::WineDrives();
        ASSERT_EQ(drives.size(), 1u);
        EXPECT_EQ(drives[0].root, home.Path() / ".wine" / "drive_c");
    }
    TempDir empty;
    ScopedEnv homeVar("HOME", empty.Str());
    EXPECT_TRUE(HostFileSystem::WineDrives().empty());
}

}  // namespace
}  // namespace zephrane
