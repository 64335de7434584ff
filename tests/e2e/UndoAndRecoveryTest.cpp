// The journal of operations through the main window: undo of each kind of
// operation, an undo refused, a stale temporary copy kept, and a patch run
// killed at random moments and put back at the next start.
#include <gtest/gtest.h>

#include <chrono>
#include <random>
#include <thread>

#include "e2e/DriveSession.h"

namespace zephrane::testing {
namespace {

const std::string kGameFlotilla = "c/game/data/Cfg/Flotilla.cfg";

// The patch installation with 2,000 more files: 100 folders, each with a
// copy of the game's Flotilla.cfg and 19 other files.
void AddManyFiles(Installation& install) {
    const std::string flotilla = install.Original().at(kGameFlotilla);
    for (int f = 0; f < 100; ++f) {
        const std::string folder = "c/game/MODS/Many/" + std::to_string(f) + "/";
        install.Write(folder + "Flotilla.cfg", flotilla);
        for (int i = 0; i < 19; ++i) install.Write(folder + "other" + std::to_string(i) + ".txt", "x");
    }
}

TEST(Journal, AResetAndAStaleCopyAreUndoneAndAChangedFileRefusesTheUndo) {
    Installation install("patches/install");
    install.Write("program/Flotilla.cfg.orv", install.Original().at(kGameFlotilla));
    install.Write(kGameFlotilla, Crlf({";   Touched by Zephrane", "[FLOTILLA]"}));
    install.Write("c/game/data/Cfg/Flotilla.xxx", "an interrupted run's copy\r\n");
    const Tree before = install.Files();
    DriveSession session(DriveOptions(install));
    session.Run({"start", "click cmdReset"});
    const Tree reset = install.Files();
    ASSERT_EQ(reset.at(kGameFlotilla), install.Original().at(kGameFlotilla));

    // The differing copy goes into the journal, and the message names both.
    const Lines printed = session.Run({"click btnFixRenown 0"});
    const std::string named = "C:\\\\game\\\\data\\\\Cfg\\\\Flotilla.xxx\\r\\ndid not match\\r\\nC:\\\\game";
    EXPECT_EQ(With(printed, named).size(), 1u);
    EXPECT_EQ(install.Files().count("c/game/data/Cfg/Flotilla.xxx"), 0u);

    // Undone while its files are as it left them: the copy is back.
    session.Run({"answer history undo,close", "click btnHistory"});
    EXPECT_EQ(install.Files(), reset);

    install.Write(kGameFlotilla, "changed since\r\n");
    const Lines refused = session.Run({"answer history undo,close", "click btnHistory"});
    EXPECT_EQ(With(refused, "No file has been changed.").size(), 1u);
    EXPECT_EQ(install.Files().at(kGameFlotilla), "changed since\r\n");

    install.Write(kGameFlotilla, reset.at(kGameFlotilla));
    const Lines history = session.Run({"answer history undo,close", "click btnHistory"});
    EXPECT_EQ(install.Files(), before);
    EXPECT_EQ(With(history, "{\"window\":\"frmHistory\",\"entries\":[{\"kind\":\"undo\"").size(), 1u);
    EXPECT_EQ(With(history,
                   "{\"kind\":\"reset\",\"title\":\"Reset My Flotilla Configuration File\",\"undone\":false")
                  .size(),
              1u);
}

// Killed at random moments of a patch run over 2,000 files, the program
// finds at its next start what it had not finished and puts it back.
TEST(Journal, APatchRunKilledAtRandomIsPutBackAtTheNextStart) {
    Installation finished("patches/install");
    AddManyFiles(finished);
    const Tree before = finished.Files();
    const auto start = std::chrono::steady_clock::now();
    RunDrive(DriveOptions(finished), {"start", "click btnFixRenown 0"});
    const auto length = std::chrono::steady_clock::now() - start;
    const Tree after = finished.Files();

    const unsigned seed = std::random_device{}();
    SCOPED_TRACE("seed " + std::to_string(seed));
    std::mt19937 random(seed);
    std::uniform_int_distribution<long long> moment(
        0, std::chrono::duration_cast<std::chrono::milliseconds>(length).count());
    for (int kill = 0; kill < 3; ++kill) {
        Installation install("patches/install");
        AddManyFiles(install);
        {
            DriveSession session(DriveOptions(install));
            session.Send({"start", "click btnFixRenown 0"});
            std::this_thread::sleep_for(std::chrono::milliseconds(moment(random)));
            session.Kill();
        }
        const Lines restarted = RunDrive(DriveOptions(install), {"start"});
        const Tree now = install.Files();
        EXPECT_TRUE(now == before || now == after);
        ExpectTree(now, now == after ? after : before);
        for (const auto& box : With(restarted, "\"msgbox\""))
            EXPECT_NE(box.find("Recovery"), std::string::npos);
    }
}

}  // namespace
}  // namespace zephrane::testing
