#include <gtest/gtest.h>

#include <filesystem>

#include "e2e/ControlLines.h"

namespace zephrane::testing {
namespace {

const char* const kGameMessage = "This does not appear to the a SilentHunterIII Directory.";
const char* const kCommanderMessage = "This does not appear to the a SH3 Commander Directory.";

std::string StateRaw(const std::string& name, const std::string& json) {
    return "{\"state\":\"" + name + "\",\"value\":" + json + "}";
}

std::string BrowseLine(const std::string& title, const std::string& start) {
    return "{\"browse\":{\"title\":" + JsonQuote(title) + ",\"start\":" + JsonQuote(start) + "}}";
}

std::string InfoBox(const char* text) {
    return MsgBoxLine(64, "Select Driectory", text);
}

TEST(FolderFields, ChangeButtonsAndTheFolderChecks) {
    TempDir root;
    NoWarning(root);
    root.MakeDir("c/Docs/SH3/data/cfg/Careers/Alpha");
    root.MakeDir("c/Empty");
    root.Write("c/Program Files/Ubisoft/SilentHunterIII/data/Menu/en_menu.txt",
               Crlf({"750=Kiel", "751=Wilhelmshaven", "902=1. U-Flottille"}));
    root.Write("c/Program Files/Ubisoft/SilentHunterIII/data/cfg/basic.cfg",
               Crlf({"[SUBMARINE1]", "NbVersion=1", "Version=1", "Name=VIIB", "Month=1", "Year=1938"}));
    root.Write("c/Games/SH3/data/Menu/en_menu.txt",
               Crlf({"752=Lorient", "903=2. U-Flottille", "904=3. U-Flottille"}));
    root.Write("c/Games/SH3/data/cfg/basic.cfg",
               Crlf({"[SUBMARINE4]", "NbVersion=2", "Version=1", "Name=IIA", "Month=1", "Year=1935",
                     "Version=2", "Name=IIB", "Month=1", "Year=1935"}));
    root.Write("c/Program Files/SH3 Commander/Cfg/U-boat numbers.cfg", Crlf({"[VIIB]"}));

    const std::string game = "C:\\Program Files\\Ubisoft\\SilentHunterIII";
    const std::string commander = "C:\\Program Files\\SH3 Commander";
    const std::string careers = "C:\\Docs\\SH3\\data\\cfg\\Careers";
    const auto result = RunDrive(
        Options(root),
        {"start", "select cboLocation 1", "select cboUBoatType 0",
         // Cancelled: nothing changes and nothing is said.
         "echo cancel", "click Command1", "show Text1", "state sGamePath", "show cboLocation",
         "show cboUBoatType",
         // A game folder: the lists that come from its files are refilled.
         "echo accept", "answer browse C:\\Games\\SH3", "click Command1", "show Text1", "state sGamePath",
         "show cboLocation", "state sLocationCode", "show cboDestination", "state sDestinationCode",
         "show cboUBoatType", "state sUBoatType", "select cboDestination 1",
         // Not a game folder: one message, the lists stay.
         "echo refuse", "answer browse C:\\Empty", "click Command1", "show Text1", "state sGamePath",
         "show cboDestination", "set Text1 C:\\Games\\SH3 ", "state sGamePath", "show cboDestination",
         // The commander's folder is trimmed, the game's is not.
         "echo commander", "answer browse cancel", "click Command2", "set Text2   " + commander + "  ",
         "state sCommanderPath", "set Text2 C:\\Empty", "state sCommanderPath", "show Text2", "echo careers",
         "click Command3", "show Text3"});
    ASSERT_EQ(result.exitCode, 0);
    const std::vector<std::string> gameLocations = {"Kiel", "Wilhelmshaven"};
    const std::vector<std::string> expected = {
        Echo("cancel"),
        BrowseLine("Select SilentHunterIII Home Directory", game),
        FieldLine("Text1", game),
        StateLine("sGamePath", game),
        ListLine("cboLocation", gameLocations, 1),
        ListLine("cboUBoatType", {"VIIB"}, 0),
        Echo("accept"),
        BrowseLine("Select SilentHunterIII Home Directory", game),
        FieldLine("Text1", "C:\\Games\\SH3"),
        StateLine("sGamePath", "C:\\Games\\SH3"),
        ListLine("cboLocation", {"Lorient"}),
        StateRaw("sLocationCode", R"(["752"])"),
        ListLine("cboDestination", {"2. U-Flottille", "3. U-Flottille"}),
        StateRaw("sDestinationCode", R"(["903","904"])"),
        ListLine("cboUBoatType", {"IIA", "IIB"}),
        StateRaw("sUBoatType", R"([["4","1"],["4","2"]])"),
        Echo("refuse"),
        BrowseLine("Select SilentHunterIII Home Directory", "C:\\Games\\SH3"),
        InfoBox(kGameMessage),
        FieldLine("Text1", "C:\\Empty"),
        StateLine("sGamePath", "C:\\Games\\SH3"),
        ListLine("cboDestination", {"2. U-Flottille", "3. U-Flottille"}, 1),
        InfoBox(kGameMessage),
        StateLine("sGamePath", "C:\\Games\\SH3"),
        ListLine("cboDestination", {"2. U-Flottille", "3. U-Flottille"}, 1),
        Echo("commander"),
        BrowseLine("Select SH3 Commander Home Directory", commander),
        StateLine("sCommanderPath", commander),
        InfoBox(kCommanderMessage),
        StateLine("sCommanderPath", commander),
        FieldLine("Text2", "C:\\Empty"),
        Echo("careers"),
        BrowseLine("Select SilentHunterIII Careers Path", careers),
        FieldLine("Text3", careers),
    };
    EXPECT_EQ(result.lines, expected);
}

TEST(FolderFields, TypingAGameFolderKeyByKey) {
    TempDir root;
    NoWarning(root);
    root.MakeDir("c/Docs/SH3/data/cfg/Careers");
    // The names differ in case from the ones the program asks for.
    root.Write("c/G/data/MENU/En_Menu.txt", Crlf({"750=Kiel", "902=1. U-Flottille"}));
    root.Write("c/G/data/CFG/Basic.cfg",
               Crlf({"[SUBMARINE7]", "NbVersion=1", "Version=3", "Name=IXB", "Month=4", "Year=1941"}));
    const auto result = RunDrive(
        Options(root),
        {"start", "type Text1 C", "show cboLocation", "type Text1 :", "show cboLocation", "type Text1 \\",
         "show cboLocation", "type Text1 G", "state sGamePath", "show cboLocation", "show cboDestination",
         "state sUBoatType", "type Text1 \\b", "show Text1", "state sGamePath", "show cboLocation"});
    ASSERT_EQ(result.exitCode, 0);
    const std::vector<std::string> expected = {
        InfoBox(kGameMessage),
        ListLine("cboLocation", {}),
        InfoBox(kGameMessage),
        ListLine("cboLocation", {}),
        InfoBox(kGameMessage),
        ListLine("cboLocation", {}),
        StateLine("sGamePath", "C:\\G"),
        ListLine("cboLocation", {"Kiel"}),
        ListLine("cboDestination", {"1. U-Flottille"}),
        StateRaw("sUBoatType", R"([["7","3"]])"),
        InfoBox(kGameMessage),
        FieldLine("Text1", "C:\\"),
        StateLine("sGamePath", "C:\\G"),
        ListLine("cboLocation", {"Kiel"}),
    };
    EXPECT_EQ(result.lines, expected);
}

// The commanders as the host lists the careers folder's subfolders.
std::vector<std::string> HostListing(const std::filesystem::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        const std::string name = entry.path().filename().string();
        if (entry.is_directory() && name != "Player") names.push_back(name);
    }
    return names;
}

TEST(FolderFields, TheRosterListsTheCommandersOfTheCareersFolder) {
    TempDir root;
    NoWarning(root);
    for (const char* name : {"Player", "player", "Alpha", "Bravo", "Zulu Kaleun", "charlie", "Alpha/Nested"})
        root.MakeDir(std::string("c/Careers/") + name);
    root.Write("c/Careers/notes.txt", "not a commander\r\n");
    root.MakeDir("c/EmptyCareers");
    root.Write("program/Control.txt", Crlf({" 1 ", "", "", "C:\\Careers"}));
    const auto roster = HostListing(root.Path() / "c/Careers");
    ASSERT_EQ(roster.size(), 5u);

    const auto result = RunDrive(
        Options(root), {"start", "show cboKommandant", "select cboKommandant 1", "show cboKommandant",
                        "set Text3   C:\\Careers  ", "state sCareersPath", "show cboKommandant",
                        "select cboKommandant 2", "set Text3 C:\\Nowhere ", "state sCareersPath",
                        "show cboKommandant", "set Text3 C:\\Careers\\notes.txt", "state sCareersPath",
                        "show cboKommandant", "set Text3 C:\\EmptyCareers", "state sCareersPath",
                        "show cboKommandant", "set Text3 C:\\Nowhere", "show cboKommandant"});
    ASSERT_EQ(result.exitCode, 0);
    const std::vector<std::string> expected = {
        ListLine("cboKommandant", roster),
        ListLine("cboKommandant", roster, 1),
        StateLine("sCareersPath", "C:\\Careers"),
        ListLine("cboKommandant", roster),
        StateLine("sCareersPath", "C:\\Nowhere"),
        ListLine("cboKommandant", roster, 2),
        StateLine("sCareersPath", "C:\\Careers\\notes.txt"),
        ListLine("cboKommandant", roster, 2),
        StateLine("sCareersPath", "C:\\EmptyCareers"),
        ListLine("cboKommandant", {}),
        ListLine("cboKommandant", {}),
    };
    EXPECT_EQ(result.lines, expected);
}

}  // namespace
}  // namespace zephrane::testing

namespace zephrane::testing {
namespace {

// Choosing the folder a field already shows is still a choice: the folder
// is read again (a commander created meanwhile appears, the selection goes).
TEST(FolderFields, ChoosingTheSameFolderAgainReadsItAgain) {
    TempDir root;
    NoWarning(root);
    root.MakeDir("c/Docs/SH3/data/cfg/Careers/Alpha");
    root.MakeDir("c/Docs/SH3/data/cfg/Careers/Bravo");
    root.Write("c/Program Files/Ubisoft/SilentHunterIII/data/Menu/en_menu.txt",
               Crlf({"750=Kiel", "751=Emden"}));
    root.Write("c/Program Files/Ubisoft/SilentHunterIII/data/cfg/basic.cfg",
               Crlf({"[SUBMARINE1]", "NbVersion=0"}));
    root.Write("c/Empty/x.txt", "");
    const std::string game = "C:\\Program Files\\Ubisoft\\SilentHunterIII";
    const std::string careers = "C:\\Docs\\SH3\\data\\cfg\\Careers";
    const auto roster = HostListing(root.Path() / "c/Docs/SH3/data/cfg/Careers");
    const auto result = RunDrive(
        Options(root), {"start", "select cboKommandant 1", "select cboLocation 1", "answer browse " + careers,
                        "click Command3", "show cboKommandant", "answer browse " + game, "click Command1",
                        "show cboLocation", "answer browse C:\\Empty", "click Command2",
                        "answer browse C:\\Empty", "click Command2"});
    ASSERT_EQ(result.exitCode, 0);
    const std::vector<std::string> expected = {
        BrowseLine("Select SilentHunterIII Careers Path", careers),
        ListLine("cboKommandant", roster),
        BrowseLine("Select SilentHunterIII Home Directory", game),
        ListLine("cboLocation", {"Kiel", "Emden"}),
        BrowseLine("Select SH3 Commander Home Directory", ""),
        InfoBox(kCommanderMessage),
        BrowseLine("Select SH3 Commander Home Directory", "C:\\Empty"),
        InfoBox(kCommanderMessage),
    };
    EXPECT_EQ(result.lines, expected);
}

}  // namespace
}  // namespace zephrane::testing
