// The patch runs that cannot do all their work: what they say, the counters
// they leave, and the files they leave alone; and what the walk makes of
// links, stale copies and folders nested deeper than a path can name.
// Complete runs are the end-to-end tests'.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "patches/PatchRun.h"
#include "support/TestPlatform.h"

#ifndef _WIN32
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace zephrane::testing {
namespace {

using Op = FaultyFileSystem::Op;

TEST(PatchRun, ARunThatCannotDoEverythingSaysSoAndGoesOnWhereItCan) {
    const std::string xxi = "Add XXI to 33. U-Flottille";
    struct Case {
        const char* what;
        int button;
        std::function<void(Installation&, TestPlatform&, PatchState&)> spoil;
        Lines messages;        // in walk order, "Update Complete." included
        std::string counters;  // "checked found processed" afterwards (7 8 9 before)
        Lines unchanged;       // files the run leaves as they were
    };
    const auto complete = [](const std::string& title) { return "0|" + title + "|Update Complete."; };
    // clang-format off
    const std::vector<Case> cases = {
        {"no game folder", 0, [](auto&, auto&, auto& s) { s.sGamePath = "C:\\nowhere"; },
         {"16|No Valid Directory|Not a valid SilentHunterIII Home Directory"}, "0 0 0", {"program/Flotilla.cfg.orv"}},
        {"no SH3 Commander folder", 1, [](auto&, auto&, auto& s) { s.sCommanderPath = ""; },
         {"64|No Valid Directory|No valid SH3 Commander Directory.  Not Processed.", complete("Reset Renown")}, "12 6 6",
         {"c/commander/!BACKUP/Game-1/data/Cfg/Flotilla.cfg"}},
        {"no backups of SH3 Commander", 0, [](auto& i, auto&, auto&) { i.Remove("c/commander/!BACKUP"); },
         {complete("Increate Renown")}, "12 6 6", {}},
        {"a folder that cannot be listed", 0, [](auto&, auto& p, auto&) { p.fs.Refuse(Op::Files, "Orv\\data\\Cfg"); },
         {"16|Increate Renown|Could not look into the folder\r\nC:\\game\\MODS\\Orv\\data\\Cfg\r\nThe files in it have been left as "
          "they were.", complete("Increate Renown")}, "12 6 6", {"c/game/MODS/Orv/data/Cfg/FLOTILLA.CFG"}},
        {"no menu", 2, [](auto& i, auto&, auto&) { i.Remove("c/game/data/Menu/en_menu.txt"); },
         {"16|" + xxi + "|Menu file not found. Check SilentHunterIII Directory Setting.  Task aborted."}, "7 8 9",
         {"program/Flotilla.cfg.orv"}},
        {"no U-boat numbers", 2, [](auto& i, auto&, auto&) { i.Remove("c/commander/Cfg"); },
         {"16|" + xxi + "|Could not update the file\r\nC:\\game\\MODS\\Broken\\data\\Cfg\\Flotilla.cfg\r\nThe U-boat list "
          "of flotilla 909 ends before the 3 U-boat lines its count announces.\r\nThe file has been left as it was.",
          "64|File Not Found|SH3 Commander 'U-Boat numbers' file not found.  Not Processed.", complete(xxi)}, "14 7 3", {}}};
    // clang-format on
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Installation install("patches/install");
        TestPlatform p(install);
        PatchState state{"C:\\game", "C:\\commander", "", "", 7, 8, 9};
        c.spoil(install, p, state);
        int shown = 0;
        RunPatch(p.platform, c.button, state, [&](const PatchState&) { ++shown; });
        EXPECT_EQ(p.Messages(), c.messages);
        EXPECT_EQ(std::to_string(state.lChecked) + " " + std::to_string(state.lFound) + " " +
                      std::to_string(state.lProcessed),
                  c.counters);
        EXPECT_EQ(shown > 0, c.counters != "7 8 9");
        for (const auto& file : c.unchanged)
            EXPECT_EQ(ReadBytes(install.Path(file)), install.Original().at(file)) << file;
    }
}

#ifndef _WIN32
// A renown run (index 0) over a game folder made here, without an SH3
// Commander folder.
struct RenownWalk {
    TempDir game, program;
    HostFileSystem host{{}};
    RecordingDialogs dialogs;
    RecordingShell shell;
    Platform platform{host, dialogs, shell};
    PatchState state;

    // "checked found processed" afterwards.
    std::string Run() {
        shell.programFolder = program.Path().string();
        state.sGamePath = game.Path().string();
        RunPatch(platform, 0, state, nullptr);
        EXPECT_EQ(dialogs.Messages().back().text, "Update Complete.");
        return std::to_string(state.lChecked) + " " + std::to_string(state.lFound) + " " +
               std::to_string(state.lProcessed);
    }
};

const std::string kRenown = "[Campaign]\nPlayerStartRenown=1000\n";
const std::string kRaised = "[Campaign]\r\nPlayerStartRenown=25000\r\n";

// A link to a file is a file: counted, matched, and patched through (the file
// it names gets the bytes, the link stays). A link to a folder is not
// followed: a loop ends, and a folder reached twice is patched once. A
// folder counts the files it holds once its own are patched, so a stale copy
// the rewrite removed no longer counts.
TEST(PatchRun, LinksToFilesArePatchedThroughAndLinksToFoldersAreNotFollowed) {
    RenownWalk walk;
    TempDir elsewhere;
    const auto named = elsewhere.Write("Real.cfg", kRenown);
    walk.game.Write("Cfg/Flotilla.cfg", kRenown);
    walk.game.Write("Cfg/Flotilla.xxx", kRenown);
    const auto link = walk.game.MakeDir("Linked") / "FLOTILLA.CFG";
    std::filesystem::create_symlink(named, link);
    std::filesystem::create_directory_symlink(walk.game.Path(), walk.game.Path() / "Loop");
    std::filesystem::create_directory_symlink(walk.game.Path() / "Cfg", walk.game.Path() / "CfgAgain");

    EXPECT_EQ(walk.Run(), "2 2 2");
    EXPECT_EQ(ReadBytes(walk.game.Path() / "Cfg/Flotilla.cfg"), kRaised);
    EXPECT_FALSE(std::filesystem::exists(walk.game.Path() / "Cfg/Flotilla.xxx"));
    EXPECT_EQ(ReadBytes(named), kRaised);
    EXPECT_TRUE(std::filesystem::is_symlink(link));
}

// Folders nested so deep that their paths pass PATH_MAX, made, read and
// removed relative to open folders (no path could name them).
class DeepChain {
public:
    DeepChain(const std::filesystem::path& top, int depth) {
        folders_.push_back(::open(top.c_str(), O_RDONLY | O_DIRECTORY));
        for (int level = 0; level < depth; ++level) {
            ::mkdirat(folders_.back(), kName.c_str(), 0755);
            folders_.push_back(::openat(folders_.back(), kName.c_str(), O_RDONLY | O_DIRECTORY));
            const int file = ::openat(folders_.back(), "Flotilla.cfg", O_WRONLY | O_CREAT, 0644);
            EXPECT_EQ(::write(file, kRenown.data(), kRenown.size()), static_cast<ssize_t>(kRenown.size()));
            ::close(file);
        }
    }
    ~DeepChain() {
        for (std::size_t level = folders_.size() - 1; level > 0; --level) {
            ::unlinkat(folders_[level], "Flotilla.cfg", 0);
            ::close(folders_[level]);
            ::unlinkat(folders_[level - 1], kName.c_str(), AT_REMOVEDIR);
        }
        ::close(folders_[0]);
    }
    // The levels whose Flotilla.cfg holds these bytes.
    int Holding(const std::string& bytes) const {
        int count = 0;
        for (std::size_t level = 1; level < folders_.size(); ++level) {
            std::string read(bytes.size() + 1, '\0');
            const int file = ::openat(folders_[level], "Flotilla.cfg", O_RDONLY);
            read.resize(
                static_cast<std::size_t>(std::max<ssize_t>(::read(file, read.data(), read.size()), 0)));
            ::close(file);
            count += read == bytes;
        }
        return count;
    }

private:
    const std::string kName = std::string(200, 'x');
    std::vector<int> folders_;
};

TEST(PatchRun, FoldersNestedBeyondThePathLimitAreWalkedAndPatched) {
    RenownWalk walk;
    const int depth = 25;  // 201 bytes a level: 5,025 bytes
    const DeepChain chain(walk.game.Path(), depth);
    EXPECT_EQ(walk.Run(), "25 25 25");
    EXPECT_EQ(chain.Holding(kRaised), depth);
}
#endif

}  // namespace
}  // namespace zephrane::testing
