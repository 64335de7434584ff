// The three folder fields: the "Change" buttons, the checks of a game and an
// SH3 Commander folder, the lists an accepted game folder fills, and the
// commanders of the careers folder.
#include <gtest/gtest.h>

#include "e2e/DriveSession.h"

namespace zephrane::testing {
namespace {

TEST(FolderFields, TheChangeButtonsAndTheChecksOfTheFolders) {
    Installation install("folders");
    const Lines printed = RunDrive(
        DriveOptions(install),
        {"start", "select cboLocation 1", "select cboUBoatType 0",
         // Cancelled: nothing changes and nothing is said.
         "echo cancel", "click Command1", "state sGamePath", "show cboLocation", "show cboUBoatType",
         // Another game folder: every list that comes from its files is filled anew.
         "echo another game", "answer browse C:\\G2", "click Command1", "show Text1", "state sGamePath",
         "show cboLocation", "state sLocationCode", "show cboDestination", "state sDestinationCode",
         "show cboUBoatType", "state sUBoatType", "select cboDestination 1",
         // Not a game folder, nor with a blank after it: one message each, the lists stay.
         "echo no game", "answer browse C:\\Other", "click Command1", "set Text1 C:\\G2 ", "state sGamePath",
         "show cboDestination",
         // Typed key by key: a message after every key until the text names a game folder.
         "echo typed", "set Text1 C:\\G", "type Text1 1", "show cboLocation",
         // SH3 Commander's folder is taken without blanks around it.
         "echo commander", "click Command2", "set Text2   C:\\SH3C  ", "state sCommanderPath",
         "set Text2 C:\\Other", "state sCommanderPath",
         // Choosing the folder a field shows reads it again: the choice of a commander goes.
         "echo same careers", "select cboKommandant 0", "answer browse C:\\Careers", "click Command3",
         "show cboKommandant"});
    EXPECT_EQ(Crlf(printed), Data("e2e/folder-fields.txt"));
}

// "Player" is no commander, "player" is; files and deeper folders are not
// listed. An edit that names no folder leaves the list as it was.
TEST(FolderFields, TheRosterListsTheCommandersOfTheCareersFolder) {
    Installation install("folders");
    for (const char* folder : {"c/Careers/Player", "c/Careers/player/Nested", "c/Empty"})
        std::filesystem::create_directories(install.Path(folder));
    install.Write("c/Careers/notes.txt", "not a commander\r\n");
    install.Remove("c/Careers/Alpha");
    const Lines printed = RunDrive(
        DriveOptions(install),
        {"start", "select cboKommandant 0", "show cboKommandant", "set Text3   C:\\Careers  ",
         "state sCareersPath", "show cboKommandant", "select cboKommandant 0", "set Text3 C:\\Nowhere ",
         "state sCareersPath", "show cboKommandant", "set Text3 C:\\Careers\\notes.txt", "show cboKommandant",
         "set Text3 C:\\Empty", "show cboKommandant"});
    EXPECT_EQ(Crlf(printed), Data("e2e/roster.txt"));
}

}  // namespace
}  // namespace zephrane::testing
