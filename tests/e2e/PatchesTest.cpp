// Each patch button through the main window on an installation with copies
// of the patched files in the game folder, the program's folder and SH3
// Commander's backups, some of which a patch cannot use: the messages, the
// counters, and every file byte for byte.
#include <gtest/gtest.h>

#include <algorithm>

#include "e2e/DriveSession.h"

namespace zephrane::testing {
namespace {

std::string Problem(const std::string& title, const std::string& file, const std::string& why) {
    return MsgBoxLine(16, title,
                      "Could not update the file\r\nC:\\game\\MODS\\" + file + "\r\n" + why +
                          "\r\nThe file has been left as it was.",
                      true);
}

// Clicks the button and checks what the run said, in the host's walk order
// but for the closing "Update Complete.", the counters it ends with, and that
// every button is usable again.
void ExpectRun(DriveSession& session, int button, const std::string& title, Lines problems, int checked,
               int found, int processed) {
    Lines commands = {"click btnFixRenown " + std::to_string(button), "show lblChecked", "show lblFound",
                      "show lblProcessed"};
    for (const auto& name : kLockedButtons) commands.push_back("show " + name);
    const Lines printed = session.Run(commands);
    Lines boxes = With(printed, "\"msgbox\"");
    ASSERT_FALSE(boxes.empty());
    EXPECT_EQ(boxes.back(), MsgBoxLine(0, title, "Update Complete.", true));
    boxes.pop_back();
    std::sort(boxes.begin(), boxes.end());
    std::sort(problems.begin(), problems.end());
    EXPECT_EQ(boxes, problems);
    const auto counter = [](const std::string& name, int value) {
        return "{\"control\":\"" + name + "\",\"caption\":\"" + std::to_string(value) +
               "\",\"enabled\":true}";
    };
    EXPECT_EQ(With(printed, "\"control\":\"lbl"),
              (Lines{counter("lblChecked", checked), counter("lblFound", found),
                     counter("lblProcessed", processed)}));
    EXPECT_EQ(With(printed, "\"enabled\":true").size(), kLockedButtons.size() + 3);
}

// Two undos through the History window put every file back as it was.
void UndoBoth(DriveSession& session, const Installation& install) {
    for (int undo = 0; undo < 2; ++undo) session.Run({"answer history undo,close", "click btnHistory"});
    ExpectTree(install.Files(), install.Original());
}

TEST(Patches, RenownIsRaisedThenSetBackInEveryCopy) {
    Installation install("patches/install");
    std::filesystem::permissions(install.Path("c/game/MODS/Locked/data/Cfg/Flotilla.cfg"),
                                 std::filesystem::perms::owner_write, std::filesystem::perm_options::remove);
    const std::string locked = "Locked\\data\\Cfg\\Flotilla.cfg";
    const std::string readOnly = "The file could not be written: The file is read-only.";
    DriveSession session(DriveOptions(install));
    session.Run({"start"});
    // 9 files in the game folder, 3 in the program's, 2 below !BACKUP; the
    // .bak is no copy.
    ExpectRun(session, 0, "Increate Renown", {Problem("Increate Renown", locked, readOnly)}, 14, 7, 6);
    ExpectTree(install.Files(), install.Expected("patches/renown-25000"));
    ExpectRun(session, 1, "Reset Renown", {Problem("Reset Renown", locked, readOnly)}, 14, 7, 6);
    ExpectTree(install.Files(), install.Expected("patches/renown-500"));
    UndoBoth(session, install);
}

// A second run finds the Type XXI in place and the numbers line there. The
// older game's backup has no 33. U-Flottille and a list whose count is no
// number is left alone: found, not processed.
TEST(Patches, TypeXxiIsAddedOnceToThe33rdFlotillaAndItsNumbers) {
    Installation install("patches/install");
    DriveSession session(DriveOptions(install));
    session.Run({"start"});
    const std::string title = "Add XXI to 33. U-Flottille";
    for (int run = 1; run <= 2; ++run) {
        SCOPED_TRACE("run " + std::to_string(run));
        ExpectRun(
            session, 2, title,
            {Problem(title, "Broken\\data\\Cfg\\Flotilla.cfg",
                     "The U-boat list of flotilla 909 ends before the 3 U-boat lines its count announces.")},
            14, 7, 3);
        ExpectTree(install.Files(), install.Expected("patches/xxi"));
    }
    UndoBoth(session, install);
}

// The flotilla copies first, then every basic.cfg below the game folder.
TEST(Patches, OrvAvailabilityTwiceGivesTheSameFilesAsOnce) {
    Installation install("patches/install");
    DriveSession session(DriveOptions(install));
    session.Run({"start"});
    const std::string title = "Orv U-Boat Availability";
    for (int run = 1; run <= 2; ++run) {
        SCOPED_TRACE("run " + std::to_string(run));
        ExpectRun(session, 3, title,
                  {Problem(title, "Broken\\data\\Cfg\\Flotilla.cfg",
                           "The Month line that should follow \"Date=1939\" is missing."),
                   Problem(title, "Broken\\data\\Cfg\\basic.cfg",
                           "In the section of IXB: A Month line is missing.")},
                  23, 9, 7);
        ExpectTree(install.Files(), install.Expected("patches/availability"));
    }
    UndoBoth(session, install);
}

}  // namespace
}  // namespace zephrane::testing
