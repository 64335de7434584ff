// Each kind of order through the main window on a whole installation: the
// files it writes, byte for byte, and every other file as it was.
#include <gtest/gtest.h>

#include "e2e/DriveSession.h"

namespace zephrane::testing {
namespace {

const std::string kLive = "c/SilentHunterIII/data/Cfg/Flotilla.cfg";
const std::string kBackup = "program/Flotilla.cfg.orv";

// Positions in the lists the installation's menu and basic.cfg fill.
enum Location { kKiel, kWilhelmshaven, kLorient, kBrest, kBergen, kLaSpezia };
enum Destination { k1st, k2nd, k3rd, k5th, k7th, k9th };
constexpr int kVIIC = 2;

Lines NextPatrol(int month, int year, int location, int destination) {
    return {"select cboMonth " + std::to_string(month - 1), "select cboYear " + std::to_string(year - 1939),
            "select cboLocation " + std::to_string(location),
            "select cboDestination " + std::to_string(destination)};
}

Lines Then(Lines a, const Lines& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

// Hans Kurz, whose last patrol ended at Kiel on 20 April 1942, gets U-123, a
// VIIC, for flotilla 905 in May 1942. The types are chosen last: month and
// year refill their list.
Lines ServingForm(int pickup) {
    return Then(Then({"date ssEndDate 1942-04-20"}, NextPatrol(5, 1942, pickup, k5th)),
                {"type txtUBoatNumber 123", "select cboUBoatType " + std::to_string(kVIIC),
                 "select cboKommandant 0"});
}

// Runs the order, which must go through without a message, open its
// checklist, leave the window usable and the files `expected`; its undo then
// puts every file back.
Lines ExpectOrderGoesThrough(const Installation& install, const Lines& form, const Tree& expected) {
    const Tree before = install.Files();
    Lines commands =
        Then(Then({"start"}, form), {"click btnInitiateUpdate", "state FlotillaTable", "state BaseTable"});
    for (const auto& button : kLockedButtons) commands.push_back("show " + button);
    const Lines printed = RunDrive(DriveOptions(install), commands);
    EXPECT_EQ(With(printed, "\"msgbox\""), Lines{});
    EXPECT_EQ(With(printed, "\"run\""),
              Lines{"{\"run\":" +
                    JsonQuote("notepad.exe \"" + install.Host("program") + "\\Instructions.txt\"") + "}"});
    EXPECT_EQ(With(printed, "\"enabled\":true").size(), kLockedButtons.size());
    ExpectTree(install.Files(), expected);
    ExpectUndoRestores(install, before);
    return printed;
}

// The worked example: flotilla 905 at Wilhelmshaven from May 1942, its
// Brest and Bergen bases kept; the career gets the VIIC loadout of 1942.
TEST(Orders, ServingCommanderCommissionsANewBoatElsewhere) {
    Installation install("orders/install");
    const Lines printed =
        ExpectOrderGoesThrough(install, ServingForm(kWilhelmshaven), install.Expected("orders/serving"));
    // The tables read from the backup: each base code once, with its first
    // departure point and its name in the menu (770 has none).
    EXPECT_EQ(Crlf(With(printed, "{\"state\"")), Data("orders/tables.txt"));
}

// Kiel is where the last patrol ended: the configuration an earlier order
// marked is put back from the backup, which is used up; the temporary copies
// an earlier run left, still matching their files, are removed.
TEST(Orders, ServingCommanderCommissionsANewBoatAtHisHomePort) {
    Installation install("orders/install");
    install.Write(kBackup, install.Original().at(kLive));
    install.Write(kLive, Crlf({";   Touched by Zephrane", "; an earlier order"}));
    install.Write("c/Careers/Hans Kurz/Patrols_0.xxx",
                  install.Original().at("c/Careers/Hans Kurz/Patrols_0.cfg"));
    install.Write("c/Careers/Hans Kurz/Careers_0.xxx",
                  install.Original().at("c/Careers/Hans Kurz/Careers_0.cfg"));
    install.Write("program/Instructions.txt", std::string(4000, 'x'));
    ExpectOrderGoesThrough(install, ServingForm(kKiel), install.Expected("orders/home-port", {kBackup}));
}

// Flotilla 906 opens in March 1941: commissioned in January, the new
// commander sails in February and enters Bergen in March.
TEST(Orders, NewCommanderStartsACareerInAFlotillaThatOpensLater) {
    Installation install("orders/install");
    ExpectOrderGoesThrough(install, Then({"click chkNew"}, NextPatrol(1, 1941, kBrest, k7th)),
                           install.Expected("orders/new-commander"));
}

// La Spezia is no flotilla's base (no departure lines) and flotilla 907's
// base 770 has no menu entry (no name).
TEST(Orders, TransferFromAPortWithoutDepartureToABaseWithoutName) {
    Installation install("orders/install");
    ExpectOrderGoesThrough(
        install, Then({"click Option1 1", "date ssEndDate 1943-06-10"}, NextPatrol(7, 1943, kLaSpezia, k9th)),
        install.Expected("orders/transfer"));
}

}  // namespace
}  // namespace zephrane::testing
