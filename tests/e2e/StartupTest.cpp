#include <gtest/gtest.h>

#include <filesystem>

#include "e2e/ControlLines.h"

namespace zephrane::testing {
namespace {

const char* const kCareersMessage = "Unable to find SH3 Careers folder in your 'Documents' path.";

// A game folder that passes the folder check (relative to the test's root,
// the first component being the drive's folder: "c/Ubisoft/SilentHunterIII").
void WriteGame(const TempDir& root, const std::string& folder) {
    root.Write(folder + "/data/Menu/en_menu.txt", Crlf({"750=Kiel", "902=1. U-Flottille"}));
    root.Write(folder + "/data/cfg/basic.cfg", Crlf({"[SUBMARINE1]", "NbVersion=0"}));
}

void WriteCommander(const TempDir& root, const std::string& folder) {
    root.Write(folder + "/Cfg/U-boat numbers.cfg", Crlf({"[VIIC]", "Numbers=101"}));
}

std::vector<std::string> Options(const TempDir& root, const std::string& drives) {
    std::vector<std::string> options = {"--program-dir", (root.Path() / "program").string()};
    for (char letter : drives) {
        const char lower = static_cast<char>(letter - 'A' + 'a');
        options.push_back("--drive");
        options.push_back(std::string(1, letter) + "=" + (root.Path() / std::string(1, lower)).string());
    }
    return options;
}

int WarningWindows(const DriveResult& result) {
    return static_cast<int>(result.With("{\"window\":\"frmSplash\"").size());
}

TEST(Startup, FindsTheGameOnTheSecondCandidateAndCreatesTheSettings) {
    TempDir root;
    root.Write("c/Ubisoft/SilentHunterIII/data/Menu/en_menu.txt", Crlf({"750=Kiel", "902=1. U-Flottille"}));
    root.Write("c/Ubisoft/SilentHunterIII/data/cfg/basic.cfg", Crlf({"[SUBMARINE1]", "NbVersion=0"}));
    root.MakeDir("program");
    const auto result = RunDrive(
        {"--program-dir", (root.Path() / "program").string(), "--drive", "C=" + (root.Path() / "c").string()},
        {"start", "state sGamePath", "show Text1"});
    ASSERT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.First("\"state\""), R"({"state":"sGamePath","value":"C:\\Ubisoft\\SilentHunterIII"})");
    EXPECT_EQ(ReadBytes(root.Path() / "program/Control.txt"),
              Crlf({" 0 ", "C:\\Ubisoft\\SilentHunterIII", "", ""}));
    EXPECT_EQ(result.MessageBoxes(),
              std::vector<std::string>{MsgBoxLine(
                  0, "Careers Path", "Unable to find SH3 Careers folder in your 'Documents' path.")});
    EXPECT_NE(result.First("{\"window\":\"frmSplash\""), "");
}

TEST(Startup, SearchesTheDrivesInOrderSkippingAAndB) {
    struct Row {
        const char* what;
        std::string drives;  // in the order the system lists them
        std::vector<std::string> games;
        std::vector<std::string> commanders;
        std::string game;
        std::string commander;
    };
    const std::vector<Row> rows = {
        {"A and B are never searched",
         "ABCD",
         {"a/Program Files/Ubisoft/SilentHunterIII", "b/Program Files/Ubisoft/SilentHunterIII",
          "b/Ubisoft/SilentHunterIII", "d/Ubisoft/SilentHunterIII"},
         {"a/Program Files/SH3 Commander", "b/Program Files/SH3 Commander"},
         "D:\\Ubisoft\\SilentHunterIII",
         ""},
        {"the first candidate wins on one drive",
         "CD",
         {"c/Program Files/Ubisoft/SilentHunterIII", "c/Ubisoft/SilentHunterIII",
          "d/Program Files/Ubisoft/SilentHunterIII"},
         {"c/Program Files/SH3 Commander", "d/Program Files/SH3 Commander"},
         "C:\\Program Files\\Ubisoft\\SilentHunterIII",
         "C:\\Program Files\\SH3 Commander"},
        {"every candidate on a drive before the next drive",
         "CD",
         {"c/Ubisoft/SilentHunterIII", "d/Program Files/Ubisoft/SilentHunterIII"},
         {"d/Program Files/SH3 Commander"},
         "C:\\Ubisoft\\SilentHunterIII",
         "D:\\Program Files\\SH3 Commander"},
        {"the drives in the system's order, not the letters'",
         "DC",
         {"c/Program Files/Ubisoft/SilentHunterIII", "d/Program Files/Ubisoft/SilentHunterIII"},
         {"c/Program Files/SH3 Commander", "d/Program Files/SH3 Commander"},
         "D:\\Program Files\\Ubisoft\\SilentHunterIII",
         "D:\\Program Files\\SH3 Commander"},
        {"nothing anywhere", "CD", {}, {}, "", ""},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        TempDir root;
        root.MakeDir("program");
        for (char letter : row.drives) root.MakeDir(std::string(1, static_cast<char>(letter - 'A' + 'a')));
        for (const auto& game : row.games) WriteGame(root, game);
        for (const auto& commander : row.commanders) WriteCommander(root, commander);
        const auto result = RunDrive(Options(root, row.drives),
                                     {"start", "state sGamePath", "state sCommanderPath", "show Text1"});
        ASSERT_EQ(result.exitCode, 0);
        EXPECT_EQ(result.First("\"state\":\"sGamePath\""), StateLine("sGamePath", row.game));
        EXPECT_EQ(result.First("\"state\":\"sCommanderPath\""), StateLine("sCommanderPath", row.commander));
        EXPECT_EQ(result.First("{\"control\":\"Text1\""),
                  "{\"control\":\"Text1\",\"text\":" + JsonQuote(row.game) +
                      ",\"enabled\":true,\"backcolor\":\"#FFFFFF\"}");
        EXPECT_EQ(result.MessageBoxes(),
                  std::vector<std::string>{MsgBoxLine(0, "Careers Path", kCareersMessage)});
        EXPECT_EQ(ReadBytes(root.Path() / "program/Control.txt"), Crlf({" 0 ", row.game, row.commander, ""}));
    }
}

TEST(Startup, RestoresTheFoldersOfTheSettingsFileOnlyWhileTheyExist) {
    const std::string driveGame = "C:\\Program Files\\Ubisoft\\SilentHunterIII";
    const std::string driveCommander = "C:\\Program Files\\SH3 Commander";
    const std::string documentsCareers = "C:\\Docs\\SH3\\data\\cfg\\Careers";
    struct Row {
        const char* what;
        std::string drives;
        std::optional<std::string> settings;  // nullopt: no settings file
        std::string game, commander, careers;
        std::string written;
        int warnings;
    };
    const std::vector<Row> rows = {
        {"no settings file", "CE", std::nullopt, driveGame, driveCommander, documentsCareers,
         Crlf({" 0 ", driveGame, driveCommander, documentsCareers}), 1},
        {"four lines", "CE", Crlf({" 1 ", "E:\\Game", "E:\\Commander", "E:\\Careers"}), "E:\\Game",
         "E:\\Commander", "E:\\Careers", Crlf({" 1 ", "E:\\Game", "E:\\Commander", "E:\\Careers"}), 0},
        {"three lines: the careers folder is searched for", "CE", Crlf({" 1 ", "E:\\Game", "E:\\Commander"}),
         "E:\\Game", "E:\\Commander", documentsCareers,
         Crlf({" 1 ", "E:\\Game", "E:\\Commander", documentsCareers}), 0},
        {"a deleted game folder: the drives are searched", "CE",
         Crlf({" 0 ", "E:\\Deleted", "E:\\Commander", "E:\\Careers"}), driveGame, "E:\\Commander",
         "E:\\Careers", Crlf({" 0 ", driveGame, "E:\\Commander", "E:\\Careers"}), 1},
        {"a deleted game folder and none on the drives", "E",
         Crlf({" 0 ", "E:\\Deleted", "E:\\Commander", "E:\\Careers"}), "", "E:\\Commander", "E:\\Careers",
         Crlf({" 0 ", "", "E:\\Commander", "E:\\Careers"}), 1},
        {"folder lines are not trimmed", "CE", Crlf({" 1 ", "E:\\Game ", " E:\\Commander", "E:\\Careers"}),
         driveGame, driveCommander, "E:\\Careers", Crlf({" 1 ", driveGame, driveCommander, "E:\\Careers"}),
         0},
        {"empty folder lines", "CE", Crlf({" 1 ", "", "", ""}), driveGame, driveCommander, documentsCareers,
         Crlf({" 1 ", driveGame, driveCommander, documentsCareers}), 0},
        {"any flag but 0 skips the warning", "CE", Crlf({"-1", "E:\\Game", "E:\\Commander", "E:\\Careers"}),
         "E:\\Game", "E:\\Commander", "E:\\Careers",
         Crlf({"-1 ", "E:\\Game", "E:\\Commander", "E:\\Careers"}), 0},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        TempDir root;
        root.MakeDir("program");
        WriteGame(root, "c/Program Files/Ubisoft/SilentHunterIII");
        WriteCommander(root, "c/Program Files/SH3 Commander");
        root.MakeDir("c/Docs/SH3/data/cfg/Careers/Alpha");
        WriteGame(root, "e/Game");
        WriteCommander(root, "e/Commander");
        root.MakeDir("e/Careers/Bravo");
        if (row.settings) root.Write("program/Control.txt", *row.settings);
        auto options = Options(root, row.drives);
        options.insert(options.end(), {"--documents", "C:\\Docs"});
        const auto result =
            RunDrive(options, {"start", "state sGamePath", "state sCommanderPath", "state sCareersPath",
                               "show Text1", "show Text2", "show Text3"});
        ASSERT_EQ(result.exitCode, 0);
        EXPECT_EQ(result.First("\"state\":\"sGamePath\""), StateLine("sGamePath", row.game));
        EXPECT_EQ(result.First("\"state\":\"sCommanderPath\""), StateLine("sCommanderPath", row.commander));
        EXPECT_EQ(result.First("\"state\":\"sCareersPath\""), StateLine("sCareersPath", row.careers));
        const std::vector<std::pair<std::string, std::string>> fields = {
            {"Text1", row.game}, {"Text2", row.commander}, {"Text3", row.careers}};
        for (const auto& [name, text] : fields) {
            EXPECT_EQ(result.First("{\"control\":\"" + name + "\""),
                      "{\"control\":\"" + name + "\",\"text\":" + JsonQuote(text) +
                          ",\"enabled\":true,\"backcolor\":\"#FFFFFF\"}");
        }
        EXPECT_EQ(result.MessageBoxes(), std::vector<std::string>{});
        EXPECT_EQ(WarningWindows(result), row.warnings);
        EXPECT_EQ(ReadBytes(root.Path() / "program/Control.txt"), row.written);
    }
}

TEST(Startup, LooksForTheCareersFolderInTheDocumentsThenBelowTheUserProfile) {
    const std::string below = "\\SH3\\data\\cfg\\Careers";
    struct Row {
        const char* what;
        std::optional<std::string> documents;
        std::optional<std::string> profile;
        std::vector<std::string> folders;
        std::string careers;
    };
    const std::vector<Row> rows = {
        {"the documents folder, blanks around it trimmed",
         "  C:\\Docs  ",
         "C:\\Users\\Kim",
         {"c/Docs/SH3/data/cfg/Careers", "c/Users/Kim/My Documents/SH3/data/cfg/Careers"},
         "C:\\Docs" + below},
        {"My Documents below the profile when the documents hold none",
         "C:\\Docs",
         "C:\\Users\\Kim",
         {"c/Docs/SH3", "c/Users/Kim/My Documents/SH3/data/cfg/Careers",
          "c/Users/Kim/Documents/SH3/data/cfg/Careers"},
         "C:\\Users\\Kim\\My Documents" + below},
        {"Documents below the profile, no documents folder known",
         std::nullopt,
         "C:\\Users\\Kim",
         {"c/Users/Kim/Documents/SH3/data/cfg/Careers"},
         "C:\\Users\\Kim\\Documents" + below},
        {"none of them", "C:\\Docs", "C:\\Users\\Kim", {"c/Docs", "c/Users/Kim/Documents/SH3/data/cfg"}, ""},
        {"no documents folder and no profile",
         std::nullopt,
         std::nullopt,
         {"c/Docs/SH3/data/cfg/Careers"},
         ""},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        TempDir root;
        root.MakeDir("program");
        root.MakeDir("c");
        for (const auto& folder : row.folders) root.MakeDir(folder);
        auto options = Options(root, "C");
        if (row.documents) options.insert(options.end(), {"--documents", *row.documents});
        if (row.profile) options.insert(options.end(), {"--env", "USERPROFILE=" + *row.profile});
        const auto result = RunDrive(options, {"start", "state sCareersPath", "show Text3"});
        ASSERT_EQ(result.exitCode, 0);
        EXPECT_EQ(result.First("\"state\":\"sCareersPath\""), StateLine("sCareersPath", row.careers));
        EXPECT_EQ(result.First("{\"control\":\"Text3\""),
                  "{\"control\":\"Text3\",\"text\":" + JsonQuote(row.careers) +
                      ",\"enabled\":true,\"backcolor\":\"#FFFFFF\"}");
        const std::vector<std::string> expected =
            row.careers.empty() ? std::vector<std::string>{MsgBoxLine(0, "Careers Path", kCareersMessage)}
                                : std::vector<std::string>{};
        EXPECT_EQ(result.MessageBoxes(), expected);
        EXPECT_EQ(ReadBytes(root.Path() / "program/Control.txt"), Crlf({" 0 ", "", "", row.careers}));
    }
}

}  // namespace
}  // namespace zephrane::testing

namespace zephrane::testing {
namespace {

std::string WarningWindowLine() {
    return "{\"window\":\"frmSplash\",\"captions\":{\"lblProductName\":\"Zephrane\",\"lblVersion\":\"Version "
           "1.0.18\",\"Label1\":\"WARNING\",\"Label2\":\"There are linkages between SH3 mission save files "
           "and "
           "configuration files.  Modifying configuration files can corrupt mission save files created "
           "before "
           "such modification.\",\"Label3\":\"It is STRONGLY recommended that you only use this program, and "
           "other programs such as the JSGME Mod Enabler, when ALL of your current U-Boats are IN "
           "PORT.\",\"Check1\":\"Do not show this warning again\",\"Command1\":\"OK\"}}";
}

// Three starts on one machine: the warning switched off with its check box,
// the main window closed with edited fields, then a start without warning.
TEST(Startup, TheWarningCheckBoxAndTheCloseWriteTheSettings) {
    TempDir root;
    root.MakeDir("program");
    WriteGame(root, "c/Program Files/Ubisoft/SilentHunterIII");
    WriteCommander(root, "c/Program Files/SH3 Commander");
    root.MakeDir("c/Docs/SH3/data/cfg/Careers");
    auto options = Options(root, "C");
    options.insert(options.end(), {"--documents", "C:\\Docs"});
    const auto settings = root.Path() / "program/Control.txt";
    const std::string game = "C:\\Program Files\\Ubisoft\\SilentHunterIII";
    const std::string commander = "C:\\Program Files\\SH3 Commander";
    const std::string careers = "C:\\Docs\\SH3\\data\\cfg\\Careers";

    auto result = RunDrive(options, {"answer splash tick,ok", "start", "echo started"});
    ASSERT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.lines, (std::vector<std::string>{WarningWindowLine(), "{\"echo\":\"started\"}"}));
    // The check box keeps the two folder lines and drops the careers line.
    EXPECT_EQ(ReadBytes(settings), Crlf({" 1 ", game, commander}));

    result = RunDrive(options, {"start", "set Text1 C:\\Nowhere ", "set Text2   " + commander + "  ",
                                "state sCommanderPath", "set Text3 C:\\Docs ", "close", "show Text1"});
    ASSERT_EQ(result.exitCode, 0);
    EXPECT_EQ(
        result.lines,
        (std::vector<std::string>{
            MsgBoxLine(64, "Select Driectory", "This does not appear to the a SilentHunterIII Directory."),
            StateLine("sCommanderPath", commander), "{\"window\":\"closed\"}",
            "{\"error\":\"the main window is closed\"}"}));
    // The fields are stored as they stand, blanks and invalid folders included.
    EXPECT_EQ(ReadBytes(settings), Crlf({" 1 ", "C:\\Nowhere ", "  " + commander + "  ", "C:\\Docs "}));

    // None of the stored folders exists as written: all three are searched for again.
    result = RunDrive(options, {"start", "state sGamePath", "state sCommanderPath", "state sCareersPath"});
    ASSERT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.lines,
              (std::vector<std::string>{StateLine("sGamePath", game), StateLine("sCommanderPath", commander),
                                        StateLine("sCareersPath", careers)}));
    EXPECT_EQ(ReadBytes(settings), Crlf({" 1 ", game, commander, careers}));
}

TEST(Startup, TickedThenUntickedKeepsTheWarning) {
    TempDir root;
    root.MakeDir("program");
    root.MakeDir("c/Docs/SH3/data/cfg/Careers");
    root.Write("program/Control.txt", Crlf({" 0 ", "C:\\Gone", "C:\\Gone too", "C:\\Docs"}));
    auto options = Options(root, "C");
    options.insert(options.end(), {"--documents", "C:\\Docs"});
    const auto settings = root.Path() / "program/Control.txt";

    auto result = RunDrive(options, {"answer splash tick,untick,ok", "start"});
    ASSERT_EQ(result.exitCode, 0);
    EXPECT_EQ(WarningWindows(result), 1);
    // Start-up wrote the folders it found before the warning came.
    EXPECT_EQ(ReadBytes(settings), Crlf({" 0 ", "", ""}));

    result = RunDrive(options, {"start", "close"});
    ASSERT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.lines, (std::vector<std::string>{WarningWindowLine(), "{\"window\":\"closed\"}"}));
    EXPECT_EQ(ReadBytes(settings), Crlf({" 0 ", "", "", "C:\\Docs\\SH3\\data\\cfg\\Careers"}));
}

}  // namespace
}  // namespace zephrane::testing

namespace zephrane::testing {
namespace {

std::string Member(const std::string& name, int index, const std::string& caption, const std::string& value) {
    return "{\"control\":\"" + name + "\",\"index\":" + std::to_string(index) +
           ",\"caption\":" + JsonQuote(caption) + value + ",\"enabled\":true}";
}

std::string EmptyList(const std::string& name, const std::string& items = "[]",
                      const std::string& data = "[]") {
    return "{\"control\":\"" + name +
           "\",\"text\":\"\",\"enabled\":true,\"backcolor\":\"#FFFFFF\",\"items\":" + items +
           ",\"data\":" + data + ",\"selected\":-1}";
}

TEST(Startup, OpensTheMainWindowWithEveryControlAsLaidOut) {
    TempDir root;
    root.MakeDir("program");
    const std::vector<std::pair<std::string, std::string>> controls = {
        {"Image1", "{\"control\":\"Image1\",\"width\":525,\"height\":100}"},
        {"Label1", Caption("Label1", "SilentHunterIII Home Directory")},
        {"Text1", FieldLine("Text1", "")},
        {"Command1", Caption("Command1", "Change")},
        {"Label2", Caption("Label2", "SH3 Commander Home Directory")},
        {"Text2", FieldLine("Text2", "")},
        {"Command2", Caption("Command2", "Change")},
        {"Label15", Caption("Label15", "SilentHunterIII Careers Path")},
        {"Text3", FieldLine("Text3", "")},
        {"Command3", Caption("Command3", "Change")},
        {"Line1", "{\"control\":\"Line1\",\"enabled\":true}"},
        {"btnFixRenown 0", Member("btnFixRenown", 0, "Increase Starting Renown to 25,000", "")},
        {"btnFixRenown 1", Member("btnFixRenown", 1, "Set Starting Renown    Back to 500", "")},
        {"btnFixRenown 2", Member("btnFixRenown", 2, "Add Type XXI U-Boat to 33. U-Flottille", "")},
        {"btnFixRenown 3", Member("btnFixRenown", 3, "Set Orv U-Boat Availability", "")},
        {"Label3", Caption("Label3", "Files Checked:")},
        {"lblChecked", Caption("lblChecked", "0")},
        {"Label5", Caption("Label5", "Files Found:")},
        {"lblFound", Caption("lblFound", "0")},
        {"Label4", Caption("Label4", "Files Processed:")},
        {"lblProcessed", Caption("lblProcessed", "0")},
        {"Line3", "{\"control\":\"Line3\",\"enabled\":true}"},
        {"Frame1", Caption("Frame1", "Type of Orders")},
        {"Option1 0", Member("Option1", 0, "Commissioning New U-Boat", ",\"value\":true")},
        {"Option1 1", Member("Option1", 1, "Transfer Between U-Flottillen", ",\"value\":false")},
        {"chkNew",
         "{\"control\":\"chkNew\",\"caption\":\"New Kommandant; "
         "or\",\"value\":0,\"enabled\":true,\"backcolor\":"
         "\"#FFFFFF\"}"},
        {"Label8", Caption("Label8", "Date Last Patrol Ended:")},
        {"ssEndDate",
         "{\"control\":\"ssEndDate\",\"date\":\"1939-08-01\",\"enabled\":true,\"backcolor\":\"#FFFFFF\"}"},
        {"Label11", Caption("Label11", "Next Patrol Starts")},
        {"Label9", Caption("Label9", "Month")},
        {"cboMonth",
         EmptyList("cboMonth", R"(["Jan","Feb","Mar","Apr","May","Jun","Jul","Aug","Sep","Oct","Nov","Dec"])",
                   "[1,2,3,4,5,6,7,8,9,10,11,12]")},
        {"Label10", Caption("Label10", "Year")},
        {"cboYear", EmptyList("cboYear", R"(["1939","1940","1941","1942","1943","1944","1945"])",
                              "[1939,1940,1941,1942,1943,1944,1945]")},
        {"Label6", Caption("Label6", "U-Boat Pickup Location:")},
        {"cboLocation", EmptyList("cboLocation")},
        {"Label7", Caption("Label7", "Destination U-Flottille")},
        {"cboDestination", EmptyList("cboDestination")},
        {"btnInitiateUpdate", Caption("btnInitiateUpdate", "Initiate Update")},
        {"Label13", Caption("Label13", "U-Boat Number")},
        {"txtUBoatNumber", FieldLine("txtUBoatNumber", "")},
        {"Label14", Caption("Label14", "U-Boat Type")},
        {"cboUBoatType", EmptyList("cboUBoatType")},
        {"Label12", Caption("Label12", "Kaleun's Name")},
        {"cboKommandant", EmptyList("cboKommandant")},
        {"Line4", "{\"control\":\"Line4\",\"enabled\":true}"},
        {"cmdReset", Caption("cmdReset", "Reset My Flotilla Configuration File")},
        {"btnExit", Caption("btnExit", "Exit")},
    };
    std::vector<std::string> commands = {"answer splash ok", "start", "show frmMain"};
    std::vector<std::string> expected = {MsgBoxLine(0, "Careers Path", kCareersMessage), WarningWindowLine(),
                                         "{\"control\":\"frmMain\",\"caption\":\"Zephrane\",\"width\":524,"
                                         "\"height\":613,\"resizable\":false}"};
    for (const auto& [name, line] : controls) {
        commands.push_back("show " + name);
        expected.push_back(line);
    }
    const auto result = RunDrive({"--program-dir", (root.Path() / "program").string()}, commands);
    ASSERT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.lines, expected);
}

}  // namespace
}  // namespace zephrane::testing

namespace zephrane::testing {
namespace {

TEST(Startup, FloppyDrivesAreSkippedWhateverTheCaseOfTheirLetter) {
    TempDir root;
    root.MakeDir("program");
    WriteGame(root, "a/Program Files/Ubisoft/SilentHunterIII");
    WriteCommander(root, "b/Program Files/SH3 Commander");
    WriteGame(root, "c/Ubisoft/SilentHunterIII");
    const auto result = RunDrive(
        {"--program-dir", (root.Path() / "program").string(), "--drive", "a=" + (root.Path() / "a").string(),
         "--drive", "b=" + (root.Path() / "b").string(), "--drive", "c=" + (root.Path() / "c").string()},
        {"start", "state sGamePath", "state sCommanderPath"});
    ASSERT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.First("\"state\":\"sGamePath\""),
              StateLine("sGamePath", "c:\\Ubisoft\\SilentHunterIII"));
    EXPECT_EQ(result.First("\"state\":\"sCommanderPath\""), StateLine("sCommanderPath", ""));
}

}  // namespace
}  // namespace zephrane::testing

namespace zephrane::testing {
namespace {

TEST(Startup, AReadOnlySettingsFileIsReportedAndLeftAsItWas) {
    TempDir root;
    root.MakeDir("c/Docs/SH3/data/cfg/Careers");
    const std::string before = Crlf({" 0 ", "C:\\Gone", "", "C:\\Docs\\SH3\\data\\cfg\\Careers"});
    const auto settings = root.Write("program/Control.txt", before);
    std::filesystem::permissions(settings,
                                 std::filesystem::perms::owner_write | std::filesystem::perms::group_write |
                                     std::filesystem::perms::others_write,
                                 std::filesystem::perm_options::remove);
    const std::string path = (root.Path() / "program").string() + "\\Control.txt";
    const auto result = RunDrive(Options(root, "C"), {"answer splash tick,ok", "start", "close"});
    ASSERT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.lines,
              (std::vector<std::string>{
                  MsgBoxLine(16, "Zephrane",
                             "The settings could not be saved in\r\n" + path + "\r\nThe file is read-only."),
                  WarningWindowLine(),
                  MsgBoxLine(16, "Zephrane",
                             "The setting could not be saved in\r\n" + path + "\r\nThe file is read-only."),
                  MsgBoxLine(16, "Zephrane",
                             "The settings could not be saved in\r\n" + path + "\r\nThe file is read-only."),
                  "{\"window\":\"closed\"}"}));
    EXPECT_EQ(ReadBytes(settings), before);
}

}  // namespace
}  // namespace zephrane::testing
