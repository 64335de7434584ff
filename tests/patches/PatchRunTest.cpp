// The patch runs that cannot do all their work: what they say, the counters
// they leave, and the files they leave alone. Complete runs are the
// end-to-end tests'.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "patches/PatchRun.h"
#include "support/TestPlatform.h"

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
        {"an unreadable menu", 2, [](auto&, auto& p, auto&) { p.fs.Refuse(Op::ReadFile, "en_menu", "I/O error"); },
         {"16|" + xxi + "|The menu file\r\nC:\\game\\data\\Menu\\en_menu.txt\r\ncould not be read: I/O error\r\nTask aborted."},
         "7 8 9", {"program/Flotilla.cfg.orv"}},
        {"no 33rd flotilla", 2, [](auto& i, auto&, auto&) { i.Write("c/game/data/Menu/en_menu.txt", "909=9. U-Flottille\r\n"); },
         {"16|" + xxi + "|33. U-Flottille not found in menu files.  Task aborted."}, "7 8 9", {"program/Flotilla.cfg.orv"}},
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

}  // namespace
}  // namespace zephrane::testing
