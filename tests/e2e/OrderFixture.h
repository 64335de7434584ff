#pragma once

// A whole installation on disk for orders run through the driver: the game
// folder on drive C:, SH3 Commander, the careers folder with one commander,
// and the program's folder with its settings. Every file of the tree can be
// read back as a map, so a test states exactly which files an order changed.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "e2e/DriveSession.h"
#include "support/Checklists.h"
#include "support/FlotillaLines.h"
#include "support/TestFiles.h"

namespace zephrane::testing {

// Relative path ("c/Careers/Hans Kurz/Patrols_0.cfg") -> bytes.
using Tree = std::map<std::string, std::string>;

// Files of the tree, relative to its root.
inline const std::string kLive = "c/SilentHunterIII/data/Cfg/Flotilla.cfg";
inline const std::string kBasic = "c/SilentHunterIII/data/Cfg/basic.cfg";
inline const std::string kMenuFile = "c/SilentHunterIII/data/Menu/en_menu.txt";
inline const std::string kBackup = "program/Flotilla.cfg.orv";
inline const std::string kInstructions = "program/Instructions.txt";
inline const std::string kControl = "program/Control.txt";
inline const std::string kPatrolsCfg = "c/Careers/Hans Kurz/Patrols.cfg";
inline const std::string kPatrols0 = "c/Careers/Hans Kurz/Patrols_0.cfg";
inline const std::string kCareers0 = "c/Careers/Hans Kurz/Careers_0.cfg";

// Locations 750-755 (770 lies outside the range: Trondheim is no location),
// flotillas 902-908 (908 has no block in Flotilla.cfg).
inline const Lines kMenu = {
    "; Menu texts",       "100=Main Menu",      "750=Kiel",           "751=Wilhelmshaven",
    "752=Lorient",        "753=Brest",          "754=Bergen",         "755=La Spezia",
    "770=Trondheim",      "902=1. U-Flottille", "903=2. U-Flottille", "904=3. U-Flottille",
    "905=5. U-Flottille", "906=7. U-Flottille", "907=9. U-Flottille", "908=10. U-Flottille",
};
enum Location { kKiel, kWilhelmshaven, kLorient, kBrest, kBergen, kLaSpezia };
enum Destination { k1st, k2nd, k3rd, k5th, k7th, k9th, k10th };

// Types IIA (2/1), VIIB (7/1) and VIIC (7/2), all listed from 1940 on; the
// loadout of VIIC has blocks for 1940 and 1942.
inline const Lines kBasicCfg = {
    "[SUBMARINE2]",
    "NbVersion=1",
    "Version=1",
    "Name=IIA",
    "Month=6",
    "Year=1935",
    "[SUBMARINE7]",
    "NbVersion=2",
    "Version=1",
    "Name=VIIB",
    "Month=1",
    "Year=1938",
    "Version=2",
    "Name=VIIC",
    "Month=10",
    "Year=1938",
    "[SUBMARINE_AMMO1]",
    "Type=7",
    "Version=1",
    "Year=1939",
    "Z01=10",
    "Renown=0",
    "[SUBMARINE_AMMO2]",
    "Type=7",
    "Version=2",
    "Year=1940",
    "Z01=12",
    "M01=1",
    "A01=150",
    "Renown=0",
    "Year=1942",
    "Z01=14",
    "M01=2",
    "A01=200",
    "A02=100",
    "S01=4",
    "S02=0",
    "SuperCharger=0",
    "AftBatteries=1",
    "Batteries=2",
    "Hydrophone=3",
    "RadarWarningReceiver=1",
    "RadarCoatings=0",
    "Decoy_Launcher=1",
    "SonarCoatings=2",
    "Sonar=1",
    "Radar=3",
    "Renown=500",
};
enum UBoatType { kIIA, kVIIB, kVIIC };

// Flotilla 3 (code 905) has four bases; 750 is a base of flotillas 0, 1 and
// 3 and 754 of flotillas 3 and 4: their first departure lines count.
inline const FlotillaCodes kCodes = {"750", "751", "752", "753", "754", "902", "903", "904", "905"};
inline const Lines kHead = FlotillaHead(kCodes);
inline const Lines kBases3 = Flotilla3Bases(kCodes);

inline const Lines kNbUboats3 = {"NbUboats3=2"};

// The U-boats of flotilla 3 and the head of flotilla 4.
inline const Lines kMid = {"Uboat3_0=U-37", "Uboat3_1=U-38", "Flotilla4=906"};

// Flotilla 4 opens in March 1941.
inline const Lines kBases4 = {
    "NbBases4=1",
    "Base4_0=754;Bergen",
    "Date4_0_0=1941",
    "Month4_0_0=3",
    "Date4_0_1=1945",
    "Month4_0_1=5",
    "DeparturePointLong4_0=531",
    "DeparturePointLat4_0=6041",
    "Heading4_0=301",
};

inline const Lines kNbUboats4 = {"NbUboats4=0", "Flotilla5=907"};

// Flotilla 5 lies at 770, a code without a location entry.
inline const Lines kBases5 = {
    "NbBases5=1",
    "Base5_0=770;Trondheim",
    "Date5_0_0=1940",
    "Month5_0_0=6",
    "Date5_0_1=1945",
    "Month5_0_1=5",
    "DeparturePointLong5_0=1040",
    "DeparturePointLat5_0=6343",
    "Heading5_0=330",
};

inline const Lines kTail = {"NbUboats5=0", "", "[UBOATS]", "Count=3"};

inline const Lines kMarker = {";   Touched by Zephrane"};

inline std::string FlotillaCfg() {
    return Join({kHead, kBases3, kNbUboats3, kMid, kBases4, kNbUboats4, kBases5, kTail});
}

// Hans Kurz ended his last patrol at Kiel (750); his current patrol is 002.
inline const Lines kPatrolsLines = {
    "[PATROL 001]", "StartLocation=750", "EndLocation=752",
    "[PATROL 002]", "StartLocation=752", "EndLocation=750",
};
inline const Lines kPatrols0Head = {
    "[CAREER]",  "Patrols=2",    "[PATROL 001]", "StartLocation=750", "EndLocation=752",
    "SubType=2", "SubVersion=1", "SubName=U-9",  "[Patrol 002]",
};
inline const Lines kPatrols0Tail = {"Tonnage=12000", "[PATROL 003]", "StartLocation=999"};
inline const Lines kCareers0Head = {
    "Careers=1", "[CAREER 001]", "Name=Hans Kurz", "SubType=2", "SubVersion=1",
};
inline const Lines kCareers0Tail = {"ForeTubes=4",  "AftTubes=1", "[CAREER 002]",
                                    "SubVersion=9", "Z01=9",      "ForeTubes=9"};

inline std::string Patrols0() {
    return Join(
        {kPatrols0Head,
         {"StartLocation=752", "Days=31", "EndLocation=750", "SubType=2", "SubVersion=1", "SubName=U-9"},
         kPatrols0Tail});
}
inline std::string Careers0() {
    return Join({kCareers0Head, {"Z01=5", "M01=0", "SonarUpg=1"}, kCareers0Tail});
}

// The current patrol after a commissioning of U-123, type VIIC, at `pickup`.
inline std::string Patrols0After(const std::string& pickup) {
    return Join({kPatrols0Head,
                 {"StartLocation=" + pickup, "Days=31", "EndLocation=" + pickup, "SubType=7", "SubVersion=2",
                  "SubName=U-123"},
                 kPatrols0Tail});
}
// The current career with the VIIC loadout of 1942.
inline std::string Careers0After() {
    return Join({kCareers0Head,
                 {"Z01=14", "M01=2", "A01=200", "A02=100", "S01=4", "S02=0", "S03=-100", "SuperChargerUpg=0",
                  "BatteriesUpg=2", "HydrophoneUpg=3", "SonarUpg=1", "RadarUpg=3",
                  "RadarWarningReceiverUpg=1", "Decoy_LauncherUpg=1", "SnorkelUpg=-1", "SonarCoatingsUpg=-1",
                  "RadarCoatingsUpg=-1", "ALB=2", "TAR=0"},
                 kCareers0Tail});
}

class OrderE2E : public ::testing::Test {
protected:
    OrderE2E() {
        root.Write(kMenuFile, Join({kMenu}));
        root.Write(kBasic, Join({kBasicCfg}));
        root.Write(kLive, FlotillaCfg());
        root.Write("c/SH3 Commander/Cfg/U-boat numbers.cfg", Join({{"[XXI]", "Numbers=2501"}}));
        root.Write(kPatrolsCfg, Join({kPatrolsLines}));
        root.Write(kPatrols0, Patrols0());
        root.Write(kCareers0, Careers0());
        root.MakeDir("c/Careers/Player");
        // Written as start-up writes it back, so that it stays the same.
        root.Write(kControl, Join({{" 1 ", "C:\\SilentHunterIII", "C:\\SH3 Commander", "C:\\Careers"}}));
    }

    std::string ProgramDir() const { return (root.Path() / "program").string(); }
    std::string RunLine() const {
        return "{\"run\":" + JsonQuote("notepad.exe \"" + ProgramDir() + "\\Instructions.txt\"") + "}";
    }
    std::string BackupPath() const { return ProgramDir() + "\\Flotilla.cfg.orv"; }

    void Write(const std::string& relative, const std::string& bytes) const { root.Write(relative, bytes); }
    void Remove(const std::string& relative) const { std::filesystem::remove(root.Path() / relative); }

    // Every file of the tree with its bytes.
    Tree Snapshot() const {
        Tree tree;
        for (const auto& entry : std::filesystem::recursive_directory_iterator(root.Path())) {
            if (!entry.is_regular_file()) continue;
            tree[std::filesystem::relative(entry.path(), root.Path()).generic_string()] =
                ReadBytes(entry.path());
        }
        return tree;
    }

    // Starts the program, runs the commands, then shows the ten buttons.
    DriveResult Drive(const std::vector<std::string>& commands) const {
        std::vector<std::string> all{"start"};
        all.insert(all.end(), commands.begin(), commands.end());
        for (const auto& button : kLockedButtons) all.push_back("show " + button);
        return RunDrive({"--program-dir", ProgramDir(), "--drive", "C=" + (root.Path() / "c").string()}, all);
    }

    // Fills in the form, then clicks "Initiate Update".
    DriveResult Order(const std::vector<std::string>& form) const {
        return Drive(Then(form, {"click btnInitiateUpdate"}));
    }

    // The form of a serving commander's commissioning, up to the click.
    static std::vector<std::string> ServingForm(const std::string& lastEnd, int month, int year, int location,
                                                int destination) {
        return {"date ssEndDate " + lastEnd,
                "select cboMonth " + std::to_string(month - 1),
                "select cboYear " + std::to_string(year - 1939),
                "select cboLocation " + std::to_string(location),
                "select cboDestination " + std::to_string(destination),
                "type txtUBoatNumber 123",
                "select cboUBoatType " + std::to_string(kVIIC),
                "select cboKommandant 0"};
    }
    static std::vector<std::string> TransferForm(const std::string& lastEnd, int month, int year,
                                                 int location, int destination) {
        return {"click Option1 1",
                "date ssEndDate " + lastEnd,
                "select cboMonth " + std::to_string(month - 1),
                "select cboYear " + std::to_string(year - 1939),
                "select cboLocation " + std::to_string(location),
                "select cboDestination " + std::to_string(destination)};
    }
    static std::vector<std::string> NewCommanderForm(int month, int year, int location, int destination) {
        return {"click chkNew", "select cboMonth " + std::to_string(month - 1),
                "select cboYear " + std::to_string(year - 1939),
                "select cboLocation " + std::to_string(location),
                "select cboDestination " + std::to_string(destination)};
    }
    static std::vector<std::string> Then(std::vector<std::string> a, const std::vector<std::string>& b) {
        a.insert(a.end(), b.begin(), b.end());
        return a;
    }

    // A message box shown during an order: hourglass, every button locked.
    static std::string OrderBox(int style, const std::string& title, const std::string& text) {
        return MsgBoxLine(style, title, text, "hourglass", kLockedButtonsJson);
    }

    // After the run every button is usable again.
    static void ExpectUnlocked(const DriveResult& result) {
        ASSERT_EQ(result.exitCode, 0);
        for (const auto& button : kLockedButtons) {
            const auto space = button.find(' ');
            const std::string prefix = space == std::string::npos
                                           ? "{\"control\":\"" + button + "\","
                                           : "{\"control\":\"" + button.substr(0, space) +
                                                 "\",\"index\":" + button.substr(space + 1) + ",";
            bool seen = false;
            for (const auto& line : result.lines) {
                if (line.rfind(prefix, 0) != 0) continue;
                seen = true;
                EXPECT_NE(line.find("\"enabled\":true"), std::string::npos) << line;
            }
            EXPECT_TRUE(seen) << button;
        }
    }

    // An order that went through without a message, every button usable again.
    static void ExpectQuiet(const DriveResult& result) {
        ExpectUnlocked(result);
        EXPECT_EQ(result.MessageBoxes(), std::vector<std::string>{});
    }

    // Notepad was started on Instructions.txt, once.
    void ExpectInstructionsOpened(const DriveResult& result) const {
        EXPECT_EQ(result.With("{\"run\":"), std::vector<std::string>{RunLine()});
    }

    // Compares two trees file by file, naming every difference.
    static void ExpectTree(const Tree& actual, const Tree& expected) {
        for (const auto& [path, bytes] : expected) {
            const auto found = actual.find(path);
            if (found == actual.end()) {
                ADD_FAILURE() << "missing file " << path;
            } else {
                EXPECT_EQ(found->second, bytes) << "file " << path;
            }
        }
        for (const auto& [path, bytes] : actual) {
            if (!expected.count(path)) ADD_FAILURE() << "unexpected file " << path << ":\n" << bytes;
        }
    }

    TempDir root;
};

}  // namespace zephrane::testing
