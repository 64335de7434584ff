// The four patch buttons through the driver, on folder trees built here:
// counters, messages, and every copy of the patched files byte for byte.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "e2e/PatchTree.h"

namespace zephrane::testing {
namespace {

namespace fs = std::filesystem;
using Lines = std::vector<std::string>;

std::string Join(const Lines& lines, const std::string& end, bool lastEnded = true) {
    std::string out;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        out += lines[i];
        if (lastEnded || i + 1 < lines.size()) out += end;
    }
    return out;
}

std::string Crlf(const Lines& lines) {
    return Join(lines, "\r\n");
}

const Lines kMenu = {"750=Kiel",
                     "751=Wilhelmshaven",
                     "902=1. U-Flottille \"Weddigen\"",
                     ";909=33. U-Flottille",
                     "915=33rd flotilla",
                     "908=9. U-Flottille",
                     "909=33. U-Flottille",
                     "910=33. again"};

const Lines kBasic = {"[SUBMARINE1]",
                      "NbVersion=2",
                      "Version1=1",
                      "Name=IXB",
                      "Month=3 ;late",
                      "Year=1940",
                      "Version2=2",
                      "Name=VIIC",
                      "Month=8",
                      "Year=1939",
                      "[SUBMARINE2]",
                      "NbVersion=2",
                      "Version1=1",
                      "Name=XXI",
                      "Month=6",
                      "Year=1944",
                      "DaysSpentInBase=40 ; long",
                      "Version2=2",
                      "Name=IID",
                      "Month=9",
                      ";no change",
                      "Year=1940",
                      "[SUBMARINE3]",
                      "NbVersion=1",
                      "Version1=1",
                      "Name=IXC",
                      "Month=5",
                      "Year=1940",
                      "[TORPEDO_TYPE1]",
                      "Name=IXB",
                      "Month=9",
                      "Year=1939",
                      "DaysSpentInBase=3"};

const Lines kBasicOrv = {"[SUBMARINE1]",
                         "NbVersion=2",
                         "Version1=1",
                         "Name=IXB",
                         "Month=7",
                         "Year=1939",
                         "Version2=2",
                         "Name=VIIC",
                         "Month=7",
                         "Year=1939",
                         "[SUBMARINE2]",
                         "NbVersion=2",
                         "Version1=1",
                         "Name=XXI",
                         "Month=12",
                         "Year=1943",
                         "DaysSpentInBase=28",
                         "Version2=2",
                         "Name=IID",
                         "Month=9",
                         ";no change",
                         "Year=1940",
                         "[SUBMARINE3]",
                         "NbVersion=1",
                         "Version1=1",
                         "Name=IXC",
                         "Month=1",
                         "Year=1941",
                         "[TORPEDO_TYPE1]",
                         "Name=IXB",
                         "Month=9",
                         "Year=1939",
                         "DaysSpentInBase=3"};

// The live Flotilla.cfg (and its backup): a 33. U-Flottille with three
// boats and a comment before them, dates for the availability patch, and
// the player's starting renown.
Lines Flotilla(const std::string& renown = "", const std::string& xxi = "", const std::string& orv = "") {
    const bool r = !renown.empty();
    Lines lines = {
        "[FLOTILLA1]", "Flotilla=902", "NbUboats=1",  "Uboat_0=1",
        "Date=1939",   "NbBases=1",    "Base1=750",   orv.empty() ? "Month=9 ;start of the war" : "Month=8",
        "Month=9",     "[FLOTILLA2]",  "Flotilla=909"};
    if (xxi.empty()) {
        lines =
            lines + Lines{"NbUboats1=3", ";the boats of the 33rd", "Uboat1_0=2", "Uboat1_1=5", "Uboat1_2=7"};
    } else {
        lines = lines + Lines{"NbUboats1=4", "Uboat1_0=2", "Uboat1_1=5", "Uboat1_2=7", "Uboat1_3=3"};
    }
    return lines +
           Lines{"Date=1940",
                 "Month=9",
                 "[FLOTILLA3]",
                 "Flotilla=903",
                 "Date=1939",
                 "Base1=751",
                 "Month=10",
                 "[PLAYER]",
                 r ? "PlayerStartRenown   =" + renown : "PlayerStartRenown   = 1000 ; starting renown",
                 "PlayerStartRenown",
                 r ? "playerstartrenown=" + renown : "playerstartrenown=300",
                 "PlayerStartRenow=9"};
}

// A mod's copy in upper case with lone line feeds and no final line end;
// its 33. U-Flottille already has a Type XXI.
Lines ModFlotilla(const std::string& renown = "", bool xxi = false, bool orv = false) {
    return {"[FLOTILLA1]",
            "Flotilla=909 ; 33. U-Flottille",
            xxi ? "NbUboats0=2" : "NbUboats0=2 ; two boats",
            "Uboat0_0=3",
            "Uboat0_1=6",
            "DATE=1939",
            orv ? "MONTH=8" : "MONTH=9",
            "[PLAYER]",
            renown.empty() ? "PLAYERSTARTRENOWN=1000" : "PLAYERSTARTRENOWN=" + renown};
}

// SH3 Commander's backup of an older game: no 33. U-Flottille.
Lines BackupFlotilla(const std::string& renown = "", bool orv = false) {
    return {"[FLOTILLA1]", "Flotilla=902",
            "NbUboats=1",  "Uboat_0=1",
            "Date=1939",   orv ? "Month=8" : "Month=9",
            "[PLAYER]",    "PlayerStartRenown=" + (renown.empty() ? std::string("1000") : renown)};
}

const Lines kNumbers = {"[VIIC]", "902=1,2,3", "", "[XXI]", "902=2321,2322"};
const std::string kBak = Crlf({"[PLAYER]", "PlayerStartRenown=1000", "Date=1939", "Month=9"});

// game: data\Menu\en_menu.txt, data\Cfg\basic.cfg, data\Cfg\Flotilla.cfg,
//       MODS\Orv\data\Cfg\FLOTILLA.CFG and Flotilla.cfg.bak  (5 files)
// program: Control.txt (written at start-up), Flotilla.cfg.orv, Instructions.txt  (3 files)
// commander: Cfg\U-boat numbers.cfg; !BACKUP\Game-1\data\Cfg\Flotilla.cfg and basic.cfg  (2 walked)
struct Installation {
    PatchTree tree;
    fs::path flotilla, modFlotilla, bak, orvBackup, backup, basic, backupBasic, numbers;

    Installation() {
        tree.InGame("data/Menu/en_menu.txt", Crlf(kMenu));
        basic = tree.InGame("data/Cfg/basic.cfg", Crlf(kBasic));
        flotilla = tree.InGame("data/Cfg/Flotilla.cfg", Crlf(Flotilla()));
        modFlotilla = tree.InGame("MODS/Orv/data/Cfg/FLOTILLA.CFG", Join(ModFlotilla(), "\n", false));
        bak = tree.InGame("MODS/Orv/data/Cfg/Flotilla.cfg.bak", kBak);
        orvBackup = tree.InProgram("Flotilla.cfg.orv", Crlf(Flotilla()));
        tree.InProgram("Instructions.txt", Crlf({"Kommandant's checklist"}));
        numbers = tree.InCommander("Cfg/U-boat numbers.cfg", Join(kNumbers, "\r\n", false));
        backup = tree.InCommander("!BACKUP/Game-1/data/Cfg/Flotilla.cfg", Crlf(BackupFlotilla()));
        backupBasic = tree.InCommander("!BACKUP/Game-1/data/Cfg/basic.cfg", Crlf(kBasic));
    }

    // The program's name of a file in the game folder.
    std::string GamePath(const std::string& relative) const { return tree.GameText() + "\\" + relative; }
};

// Checks that a run's output is exactly `messages`, and that afterwards the
// buttons are free again and no temporary copy is left.
void ExpectRunEnded(const Installation& inst, const Lines& clickOutput, const Lines& messages,
                    const Lines& buttons) {
    EXPECT_EQ(clickOutput, messages);
    EXPECT_EQ(buttons.size(), kLockedButtons.size());
    EXPECT_EQ(EnabledButtons(buttons), kLockedButtons.size());
    EXPECT_EQ(inst.tree.TempFiles(), Lines{});
}

TEST(PatchRuns, RenownRaisedThenSetBackInEveryCopy) {
    Installation inst;
    LiveDrive drive(inst.tree.Options());
    drive.Run(inst.tree.Open());

    const auto up = drive.Run({"click btnFixRenown 0"});
    ExpectRunEnded(inst, up, {RunMsgBox(0, "Increate Renown", "Update Complete.")}, drive.Run(ShowButtons()));
    // 5 game files, 3 of the program, 2 below !BACKUP; the .bak is no match.
    EXPECT_EQ(drive.Run(ShowCounters()), CounterLines(10, 4, 4));
    EXPECT_EQ(drive.Run({"state sRenown"}), Lines{R"({"state":"sRenown","value":"25000"})"});
    EXPECT_EQ(ReadBytes(inst.flotilla), Crlf(Flotilla("25000")));
    EXPECT_EQ(ReadBytes(inst.modFlotilla), Crlf(ModFlotilla("25000")));
    EXPECT_EQ(ReadBytes(inst.orvBackup), Crlf(Flotilla("25000")));
    EXPECT_EQ(ReadBytes(inst.backup), Crlf(BackupFlotilla("25000")));
    EXPECT_EQ(ReadBytes(inst.bak), kBak);

    const auto down = drive.Run({"click btnFixRenown 1"});
    ExpectRunEnded(inst, down, {RunMsgBox(0, "Reset Renown", "Update Complete.")}, drive.Run(ShowButtons()));
    EXPECT_EQ(drive.Run(ShowCounters()), CounterLines(10, 4, 4));
    EXPECT_EQ(ReadBytes(inst.flotilla), Crlf(Flotilla("500")));
    EXPECT_EQ(ReadBytes(inst.modFlotilla), Crlf(ModFlotilla("500")));
    EXPECT_EQ(ReadBytes(inst.orvBackup), Crlf(Flotilla("500")));
    EXPECT_EQ(ReadBytes(inst.backup), Crlf(BackupFlotilla("500")));
    EXPECT_EQ(ReadBytes(inst.bak), kBak);
    EXPECT_EQ(ReadBytes(inst.basic), Crlf(kBasic));
    EXPECT_EQ(drive.Finish(), 0);
}

TEST(PatchRuns, RenownWithoutCommanderFolderPatchesGameAndProgramCopies) {
    Installation inst;
    const auto result = RunDrive(
        inst.tree.Options(), inst.tree.Open(false) + Click(0, "run") + ShowCounters("c") + ShowButtons("b"));
    ExpectRunEnded(inst, Section(result, "run"),
                   {RunMsgBox(64, "No Valid Directory", "No valid SH3 Commander Directory.  Not Processed."),
                    RunMsgBox(0, "Increate Renown", "Update Complete.")},
                   Section(result, "b"));
    EXPECT_EQ(Section(result, "c"), CounterLines(8, 3, 3));
    EXPECT_EQ(ReadBytes(inst.flotilla), Crlf(Flotilla("25000")));
    EXPECT_EQ(ReadBytes(inst.modFlotilla), Crlf(ModFlotilla("25000")));
    EXPECT_EQ(ReadBytes(inst.orvBackup), Crlf(Flotilla("25000")));
    EXPECT_EQ(ReadBytes(inst.backup), Crlf(BackupFlotilla()));
}

TEST(PatchRuns, ReadOnlyCopyIsReportedAndLeftWhileTheRunGoesOn) {
    Installation inst;
    fs::permissions(inst.modFlotilla, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    const auto before = ReadBytes(inst.modFlotilla);
    const auto result = RunDrive(inst.tree.Options(),
                                 inst.tree.Open() + Click(0, "run") + ShowCounters("c") + ShowButtons("b"));
    ExpectRunEnded(inst, Section(result, "run"),
                   {RunMsgBox(16, "Increate Renown",
                              FileProblem(inst.GamePath("MODS\\Orv\\data\\Cfg\\FLOTILLA.CFG"),
                                          "The file could not be written: The file is read-only.")),
                    RunMsgBox(0, "Increate Renown", "Update Complete.")},
                   Section(result, "b"));
    EXPECT_EQ(Section(result, "c"), CounterLines(10, 4, 3));
    EXPECT_EQ(ReadBytes(inst.modFlotilla), before);
    EXPECT_EQ(ReadBytes(inst.flotilla), Crlf(Flotilla("25000")));
    EXPECT_EQ(ReadBytes(inst.backup), Crlf(BackupFlotilla("25000")));
}

TEST(PatchRuns, TypeXxiAddedToThe33rdFlotillaAndItsNumbers) {
    Installation inst;
    LiveDrive drive(inst.tree.Options());
    drive.Run(inst.tree.Open());
    const Lines numbersAfter = kNumbers + Lines{"909=2501,2504,2505,2508,2512,2514,3012"};

    for (int run = 1; run <= 2; ++run) {
        SCOPED_TRACE("run " + std::to_string(run));
        const auto output = drive.Run({"click btnFixRenown 2"});
        ExpectRunEnded(inst, output, {RunMsgBox(0, "Add XXI to 33. U-Flottille", "Update Complete.")},
                       drive.Run(ShowButtons()));
        // The backup of the older game has no 33. U-Flottille: found, not processed.
        EXPECT_EQ(drive.Run(ShowCounters()), CounterLines(10, 4, 3));
        EXPECT_EQ(drive.Run({"state s33Flotilla"}), Lines{R"({"state":"s33Flotilla","value":"909"})"});
        EXPECT_EQ(ReadBytes(inst.flotilla), Crlf(Flotilla("", "xxi")));
        EXPECT_EQ(ReadBytes(inst.orvBackup), Crlf(Flotilla("", "xxi")));
        // Already has a Type XXI: the count stays, its comment goes.
        EXPECT_EQ(ReadBytes(inst.modFlotilla), Crlf(ModFlotilla("", true)));
        EXPECT_EQ(ReadBytes(inst.backup), Crlf(BackupFlotilla()));
        // [XXI] runs to the end of the file: the line comes last, and only once.
        EXPECT_EQ(ReadBytes(inst.numbers), Crlf(numbersAfter));
    }
    EXPECT_EQ(drive.Finish(), 0);
}

TEST(PatchRuns, TypeXxiWithInvalidGameFolderEndsBeforeTouchingTheCounters) {
    Installation inst;
    LiveDrive drive(inst.tree.Options());
    drive.Run(inst.tree.Open());
    drive.Run({"click btnFixRenown 0"});
    EXPECT_EQ(drive.Run(ShowCounters()), CounterLines(10, 4, 4));
    const auto numbers = ReadBytes(inst.numbers);
    const auto backup = ReadBytes(inst.backup);

    fs::remove_all(inst.tree.Game());
    const auto output = drive.Run({"click btnFixRenown 2"});
    ExpectRunEnded(
        inst, output,
        {RunMsgBox(16, "Add XXI to 33. U-Flottille",
                   "Menu file not found. Check SilentHunterIII Directory Setting.  Task aborted.")},
        drive.Run(ShowButtons()));
    EXPECT_EQ(drive.Run(ShowCounters()), CounterLines(10, 4, 4));
    EXPECT_EQ(ReadBytes(inst.orvBackup), Crlf(Flotilla("25000")));
    EXPECT_EQ(ReadBytes(inst.numbers), numbers);
    EXPECT_EQ(ReadBytes(inst.backup), backup);

    // Any other patch does reset the counters before it finds the folder gone.
    ExpectRunEnded(inst, drive.Run({"click btnFixRenown 0"}),
                   {RunMsgBox(16, "No Valid Directory", "Not a valid SilentHunterIII Home Directory")},
                   drive.Run(ShowButtons()));
    EXPECT_EQ(drive.Run(ShowCounters()), CounterLines(0, 0, 0));
    EXPECT_EQ(ReadBytes(inst.orvBackup), Crlf(Flotilla("25000")));
    EXPECT_EQ(drive.Finish(), 0);
}

TEST(PatchRuns, AvailabilityTwiceGivesTheSameFilesAsOnce) {
    Installation inst;
    const auto numbers = ReadBytes(inst.numbers);
    LiveDrive drive(inst.tree.Options());
    drive.Run(inst.tree.Open(false));

    for (int run = 1; run <= 2; ++run) {
        SCOPED_TRACE("run " + std::to_string(run));
        const auto output = drive.Run({"click btnFixRenown 3"});
        // Basic.cfg is walked below the game folder even without SH3 Commander.
        ExpectRunEnded(
            inst, output,
            {RunMsgBox(64, "No Valid Directory", "No valid SH3 Commander Directory.  Not Processed."),
             RunMsgBox(0, "Orv U-Boat Availability", "Update Complete.")},
            drive.Run(ShowButtons()));
        // Flotilla pass: 5 + 3 files, 3 matches; basic pass: 5 files, 1 match.
        EXPECT_EQ(drive.Run(ShowCounters()), CounterLines(13, 4, 4));
        EXPECT_EQ(ReadBytes(inst.flotilla), Crlf(Flotilla("", "", "orv")));
        EXPECT_EQ(ReadBytes(inst.modFlotilla), Crlf(ModFlotilla("", false, true)));
        EXPECT_EQ(ReadBytes(inst.orvBackup), Crlf(Flotilla("", "", "orv")));
        EXPECT_EQ(ReadBytes(inst.basic), Crlf(kBasicOrv));
        EXPECT_EQ(ReadBytes(inst.backup), Crlf(BackupFlotilla()));
        EXPECT_EQ(ReadBytes(inst.bak), kBak);
    }
    EXPECT_EQ(ReadBytes(inst.numbers), numbers);
    EXPECT_EQ(drive.Finish(), 0);
}

TEST(PatchRuns, AvailabilityWithCommanderFolderPatchesTheBackupsToo) {
    Installation inst;
    const auto result = RunDrive(inst.tree.Options(),
                                 inst.tree.Open() + Click(3, "run") + ShowCounters("c") + ShowButtons("b"));
    ExpectRunEnded(inst, Section(result, "run"),
                   {RunMsgBox(0, "Orv U-Boat Availability", "Update Complete.")}, Section(result, "b"));
    EXPECT_EQ(Section(result, "c"), CounterLines(15, 5, 5));
    EXPECT_EQ(ReadBytes(inst.backup), Crlf(BackupFlotilla("", true)));
    // Only Basic.cfg below the game folder is patched.
    EXPECT_EQ(ReadBytes(inst.backupBasic), Crlf(kBasic));
    EXPECT_EQ(ReadBytes(inst.basic), Crlf(kBasicOrv));
}

TEST(PatchRuns, TypeXxiRefusesACountBeyondTheFlotillasUboatList) {
    Installation inst;
    // Three U-boats announced, two listed; what follows belongs to another
    // flotilla (a section header, a flotilla line) or the file ends.
    const Lines beforeHeader = {"[FLOTILLA2]", "Flotilla=909", "NbUboats1=3", "Uboat1_0=2", "Uboat1_1=5",
                                "[FLOTILLA3]", "Flotilla=903", "NbUboats3=1", "Uboat3_0=4"};
    const Lines beforeFlotilla = {"Flotilla=909", "NbUboats1=3", "Uboat1_0=2", "Uboat1_1=5",
                                  "Flotilla=903", "NbUboats3=1", "Uboat3_0=4"};
    const Lines beforeEnd = {"Flotilla=909", "NbUboats1=3", "Uboat1_0=2"};
    const auto header = inst.tree.InGame("data/Cfg/Flotilla.cfg", Crlf(beforeHeader));
    const auto flotilla = inst.tree.InGame("data/Cfg/Orv/Flotilla.cfg", Crlf(beforeFlotilla));
    const auto end = inst.tree.InGame("data/Cfg/Orv/Old/Flotilla.cfg", Join(beforeEnd, "\n"));

    const auto result = RunDrive(inst.tree.Options(),
                                 inst.tree.Open() + Click(2, "run") + ShowCounters("c") + ShowButtons("b"));
    const std::string title = "Add XXI to 33. U-Flottille";
    const std::string shortList =
        "The U-boat list of flotilla 909 ends before the 3 U-boat lines its count announces.";
    // Subfolders are walked before their parent's files.
    ExpectRunEnded(
        inst, Section(result, "run"),
        {RunMsgBox(16, title,
                   FileProblem(inst.GamePath("data\\Cfg\\Orv\\Old\\Flotilla.cfg"),
                               "The file ends before the 3 U-boat lines of flotilla 909.")),
         RunMsgBox(16, title, FileProblem(inst.GamePath("data\\Cfg\\Orv\\Flotilla.cfg"), shortList)),
         RunMsgBox(16, title, FileProblem(inst.GamePath("data\\Cfg\\Flotilla.cfg"), shortList)),
         RunMsgBox(0, title, "Update Complete.")},
        Section(result, "b"));
    EXPECT_EQ(ReadBytes(header), Crlf(beforeHeader));
    EXPECT_EQ(ReadBytes(flotilla), Crlf(beforeFlotilla));
    EXPECT_EQ(ReadBytes(end), Join(beforeEnd, "\n"));
    // The run went on: the mod's copy and the program's backup were patched.
    EXPECT_EQ(ReadBytes(inst.modFlotilla), Crlf(ModFlotilla("", true)));
    EXPECT_EQ(ReadBytes(inst.orvBackup), Crlf(Flotilla("", "xxi")));
    EXPECT_EQ(Section(result, "c"), CounterLines(12, 6, 2));
}

TEST(PatchRuns, AvailabilityRefusesBlocksThatLackTheirLine) {
    Installation inst;
    const Lines noMonth = {"[SUBMARINE1]", "NbVersion=1",  "Version1=1",  "Name=IXB",
                           "Year=1940",    "[SUBMARINE2]", "NbVersion=1", "Version1=1",
                           "Name=VIIC",    "Month=3",      "Year=1940"};
    const Lines noYear = {"[SUBMARINE1]", "NbVersion=1",     "Version1=1", "Name=VIIB",
                          "Month=8",      "[TORPEDO_TYPE1]", "Year=1939"};
    const Lines noEquals = {"[SUBMARINE1]", "NbVersion=1", "Version1=1",        "Name=XXI",
                            "Month 6",      "Year=1944",   "DaysSpentInBase=40"};
    const Lines dateOnly = {"[FLOTILLA1]", "Date=1939", "[FLOTILLA2]", "Month=9"};
    const auto basicNoMonth = inst.tree.InGame("data/Cfg/basic.cfg", Crlf(noMonth));
    const auto basicNoYear = inst.tree.InGame("data/Cfg/Orv/Basic.cfg", Crlf(noYear));
    const auto basicNoEquals = inst.tree.InGame("data/Cfg/Orv/Old/basic.cfg", Crlf(noEquals));
    const auto flotillaDateOnly = inst.tree.InGame("data/Cfg/Orv/Old/Flotilla.cfg", Crlf(dateOnly));

    const auto result = RunDrive(inst.tree.Options(),
                                 inst.tree.Open() + Click(3, "run") + ShowCounters("c") + ShowButtons("b"));
    const std::string title = "Orv U-Boat Availability";
    ExpectRunEnded(inst, Section(result, "run"),
                   {RunMsgBox(16, title,
                              FileProblem(inst.GamePath("data\\Cfg\\Orv\\Old\\Flotilla.cfg"),
                                          "The Month line that should follow \"Date=1939\" is missing.")),
                    RunMsgBox(16, title,
                              FileProblem(inst.GamePath("data\\Cfg\\Orv\\Old\\basic.cfg"),
                                          "In the section of XXI: The line \"Month 6\" has no \"=\".")),
                    RunMsgBox(16, title,
                              FileProblem(inst.GamePath("data\\Cfg\\Orv\\Basic.cfg"),
                                          "The Year line that should follow \"Month=8\" is missing.")),
                    RunMsgBox(16, title,
                              FileProblem(inst.GamePath("data\\Cfg\\basic.cfg"),
                                          "In the section of IXB: A Month line is missing.")),
                    RunMsgBox(0, title, "Update Complete.")},
                   Section(result, "b"));
    EXPECT_EQ(ReadBytes(basicNoMonth), Crlf(noMonth));
    EXPECT_EQ(ReadBytes(basicNoYear), Crlf(noYear));
    EXPECT_EQ(ReadBytes(basicNoEquals), Crlf(noEquals));
    EXPECT_EQ(ReadBytes(flotillaDateOnly), Crlf(dateOnly));
    EXPECT_EQ(ReadBytes(inst.flotilla), Crlf(Flotilla("", "", "orv")));
    EXPECT_EQ(ReadBytes(inst.backup), Crlf(BackupFlotilla("", true)));
    // 8 game files, 3 of the program, 2 below !BACKUP; then the game's 8 again.
    EXPECT_EQ(Section(result, "c"), CounterLines(21, 8, 4));
}

TEST(PatchRuns, TypeXxiOddCountLinesAndAnUnwritableNumbersFile) {
    Installation inst;
    const Lines notNumeric = {"Flotilla=909", "NbUboats1=many", "Uboat1_0=2",
                              "Flotilla=903", "NbUboats3=1",    "Uboat3_0=4"};
    const Lines noEquals = {"Flotilla=909", "NbUboats1 3", "Uboat1_0=2"};
    const auto odd = inst.tree.InGame("data/Cfg/Flotilla.cfg", Crlf(notNumeric));
    const auto bare = inst.tree.InGame("data/Cfg/Orv/Flotilla.cfg", Crlf(noEquals));
    const auto numbers = ReadBytes(inst.numbers);
    fs::permissions(inst.numbers, fs::perms::owner_write, fs::perm_options::remove);
    const std::string title = "Add XXI to 33. U-Flottille";
    const std::string bareRefused =
        RunMsgBox(16, title,
                  FileProblem(inst.GamePath("data\\Cfg\\Orv\\Flotilla.cfg"),
                              "The U-boat count line \"NbUboats1 3\" has no \"=\"."));

    LiveDrive drive(inst.tree.Options());
    drive.Run(inst.tree.Open());
    ExpectRunEnded(inst, drive.Run({"click btnFixRenown 2"}),
                   {bareRefused,
                    RunMsgBox(16, title,
                              FileProblem(inst.tree.CommanderText() + "\\Cfg\\U-boat numbers.cfg",
                                          "The file could not be written: The file is read-only.")),
                    RunMsgBox(0, title, "Update Complete.")},
                   drive.Run(ShowButtons()));
    // A count that is no number leaves the list alone and the file uncounted.
    EXPECT_EQ(drive.Run(ShowCounters()), CounterLines(11, 5, 2));
    EXPECT_EQ(ReadBytes(odd), Crlf(notNumeric));
    EXPECT_EQ(ReadBytes(bare), Crlf(noEquals));
    EXPECT_EQ(ReadBytes(inst.numbers), numbers);
    EXPECT_EQ(ReadBytes(inst.modFlotilla), Crlf(ModFlotilla("", true)));

    fs::permissions(inst.numbers, fs::perms::owner_write, fs::perm_options::add);
    fs::remove(inst.numbers);
    ExpectRunEnded(
        inst, drive.Run({"click btnFixRenown 2"}),
        {bareRefused,
         RunMsgBox(64, "File Not Found", "SH3 Commander 'U-Boat numbers' file not found.  Not Processed."),
         RunMsgBox(0, title, "Update Complete.")},
        drive.Run(ShowButtons()));
    EXPECT_EQ(drive.Finish(), 0);
}

}  // namespace
}  // namespace zephrane::testing
