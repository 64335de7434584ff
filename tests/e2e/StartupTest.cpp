// Start-up: the three folders from the settings file or found on the
// machine, the settings file written back, the start-up warning and its
// check box, and the settings stored when the window closes.
#include <gtest/gtest.h>

#include <filesystem>
#include <optional>

#include "e2e/DriveSession.h"

namespace zephrane::testing {
namespace {

const std::string kCareersMessage = "Unable to find SH3 Careers folder in your 'Documents' path.";
const std::string kWarning = "{\"window\":\"frmSplash\"";

// Makes the folders below `root`: "game:PATH" a game folder, "sh3c:PATH" an
// SH3 Commander folder, any other PATH a plain folder.
void MakeFolders(const TempDir& root, const Lines& folders) {
    for (const auto& folder : folders) {
        const std::string path = folder.substr(folder.find(':') + 1);
        if (folder.rfind("game:", 0) == 0) {
            root.Write(path + "/data/Menu/en_menu.txt", Crlf({"750=Kiel", "902=1. U-Flottille"}));
            root.Write(path + "/data/cfg/basic.cfg", Crlf({"[SUBMARINE1]", "NbVersion=0"}));
        } else if (folder.rfind("sh3c:", 0) == 0) {
            root.Write(path + "/Cfg/U-boat numbers.cfg", Crlf({"[VIIC]", "Numbers=101"}));
        } else {
            root.MakeDir(path);
        }
    }
}

// Drive L is the folder "l" of the test's root.
Lines Options(const TempDir& root, const std::string& drives) {
    Lines options = {"--program-dir", (root.Path() / "program").string()};
    for (char letter : drives) {
        const char folder = static_cast<char>(std::tolower(static_cast<unsigned char>(letter)));
        options.insert(options.end(), {"--drive", std::string(1, letter) + "=" +
                                                      (root.Path() / std::string(1, folder)).string()});
    }
    return options;
}

std::string Field(const std::string& name, const std::string& text) {
    return "{\"control\":\"" + name + "\",\"text\":" + JsonQuote(text) +
           ",\"enabled\":true,\"backcolor\":\"#FFFFFF\"}";
}

TEST(Startup, TakesTheFoldersOfTheSettingsFileOrFindsThem) {
    const std::string pfGame = "Program Files/Ubisoft/SilentHunterIII",
                      pfCommander = "Program Files/SH3 Commander";
    const std::string cGame = "C:\\Program Files\\Ubisoft\\SilentHunterIII";
    const std::string cCommander = "C:\\Program Files\\SH3 Commander";
    const std::string docs = "C:\\Docs\\SH3\\data\\cfg\\Careers", kim = "C:\\Users\\Kim";
    // Each installation on C: and on E:, the careers below the documents C:\Docs.
    const Lines both = {"game:c/" + pfGame, "sh3c:c/" + pfCommander, "c/Docs/SH3/data/cfg/Careers",
                        "game:e/Game",      "sh3c:e/Commander",      "e/Careers"};
    struct Row {
        const char* what;
        std::string drives;  // in the system's order
        std::optional<std::string> settings;
        Lines folders;
        std::optional<std::string> documents, profile;
        std::string game, commander, careers;
        std::string flag;  // as start-up writes it back
    };
    // clang-format off
    const std::vector<Row> rows = {
        {"A and B are never searched", "ABCD", {}, {"game:a/" + pfGame, "game:b/Ubisoft/SilentHunterIII",
            "game:d/Ubisoft/SilentHunterIII", "sh3c:b/" + pfCommander, "c"}, {}, {},
            "D:\\Ubisoft\\SilentHunterIII", "", "", " 0 "},
        {"nor when the system gives the letters in lower case", "abc", {}, {"game:a/" + pfGame,
            "sh3c:b/" + pfCommander, "game:c/Ubisoft/SilentHunterIII"}, {}, {}, "c:\\Ubisoft\\SilentHunterIII", "", "", " 0 "},
        {"both candidates on a drive before the next drive", "CD", {}, {"game:c/Ubisoft/SilentHunterIII",
            "game:d/" + pfGame, "sh3c:d/" + pfCommander}, {}, {},
            "C:\\Ubisoft\\SilentHunterIII", "D:\\Program Files\\SH3 Commander", "", " 0 "},
        {"the first candidate first, the drives in the system's order", "DC", {}, {"game:c/" + pfGame,
            "game:d/Ubisoft/SilentHunterIII", "game:d/" + pfGame, "sh3c:c/" + pfCommander}, {}, {},
            "D:\\Program Files\\Ubisoft\\SilentHunterIII", cCommander, "", " 0 "},
        {"no settings file", "CE", {}, both, "C:\\Docs", {}, cGame, cCommander, docs, " 0 "},
        {"four lines", "CE", Crlf({" 1 ", "E:\\Game", "E:\\Commander", "E:\\Careers"}), both, "C:\\Docs", {},
            "E:\\Game", "E:\\Commander", "E:\\Careers", " 1 "},
        {"three lines: the careers folder is searched for", "CE", Crlf({" 1 ", "E:\\Game", "E:\\Commander"}), both,
            "C:\\Docs", {}, "E:\\Game", "E:\\Commander", docs, " 1 "},
        {"a deleted game folder: the drives are searched", "CE", Crlf({" 0 ", "E:\\Gone", "E:\\Commander",
            "E:\\Careers"}), both, "C:\\Docs", {}, cGame, "E:\\Commander", "E:\\Careers", " 0 "},
        {"a deleted game folder and none on the drives", "E", Crlf({" 0 ", "E:\\Gone", "E:\\Commander",
            "E:\\Careers"}), both, {}, {}, "", "E:\\Commander", "E:\\Careers", " 0 "},
        {"folder lines are not trimmed", "CE", Crlf({" 1 ", "E:\\Game ", " E:\\Commander", "E:\\Careers"}), both,
            "C:\\Docs", {}, cGame, cCommander, "E:\\Careers", " 1 "},
        {"any flag but 0 skips the warning", "CE", Crlf({"-1", "", "", ""}), both, "C:\\Docs", {},
            cGame, cCommander, docs, "-1 "},
        {"the documents folder, blanks around it trimmed", "C", {}, {"c/Docs/SH3/data/cfg/Careers",
            "c/Users/Kim/My Documents/SH3/data/cfg/Careers"}, "  C:\\Docs  ", kim, "", "", docs, " 0 "},
        {"My Documents below the profile when the documents hold none", "C", {}, {"c/Docs/SH3",
            "c/Users/Kim/My Documents/SH3/data/cfg/Careers", "c/Users/Kim/Documents/SH3/data/cfg/Careers"},
            "C:\\Docs", kim, "", "", kim + "\\My Documents\\SH3\\data\\cfg\\Careers", " 0 "},
        {"Documents below the profile, no documents folder known", "C", {},
            {"c/Users/Kim/Documents/SH3/data/cfg/Careers"}, {}, kim, "", "", kim + "\\Documents\\SH3\\data\\cfg\\Careers", " 0 "},
        {"no careers folder anywhere", "C", {}, {"c/Docs", "c/Users/Kim/Documents/SH3/data/cfg"}, "C:\\Docs", kim,
            "", "", "", " 0 "},
    };
    // clang-format on
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        TempDir root;
        root.MakeDir("program");
        MakeFolders(root, row.folders);
        if (row.settings) root.Write("program/Control.txt", *row.settings);
        Lines options = Options(root, row.drives);
        if (row.documents) options.insert(options.end(), {"--documents", *row.documents});
        if (row.profile) options.insert(options.end(), {"--env", "USERPROFILE=" + *row.profile});
        const Lines printed =
            RunDrive(options, {"start", "show Text1", "show Text2", "show Text3", "state bSameLocation"});
        EXPECT_EQ(With(printed, "\"msgbox\""),
                  row.careers.empty() ? Lines{MsgBoxLine(0, "Careers Path", kCareersMessage)} : Lines{});
        EXPECT_EQ(With(printed, kWarning).size(), row.flag == " 0 " ? 1u : 0u);
        EXPECT_EQ(
            With(printed, "\"control\""),
            (Lines{Field("Text1", row.game), Field("Text2", row.commander), Field("Text3", row.careers)}));
        EXPECT_EQ(With(printed, "\"state\""), Lines{"{\"state\":\"bSameLocation\",\"value\":false}"});
        EXPECT_EQ(ReadBytes(root.Path() / "program/Control.txt"),
                  Crlf({row.flag, row.game, row.commander, row.careers}));
    }
}

// Three starts on one machine: the warning switched off with its check box,
// the window closed with edited fields, then a start without warning that
// searches again for the folders the fields no longer name.
TEST(Startup, TheWarningCheckBoxAndTheCloseWriteTheSettings) {
    TempDir root;
    MakeFolders(root, {"program", "game:c/Program Files/Ubisoft/SilentHunterIII",
                       "sh3c:c/Program Files/SH3 Commander", "c/Docs/SH3/data/cfg/Careers"});
    Lines options = Options(root, "C");
    options.insert(options.end(), {"--documents", "C:\\Docs"});
    const auto settings = root.Path() / "program/Control.txt";
    const std::string game = "C:\\Program Files\\Ubisoft\\SilentHunterIII";
    const std::string commander = "C:\\Program Files\\SH3 Commander";

    EXPECT_EQ(With(RunDrive(options, {"answer splash tick,untick,ok", "start"}), kWarning).size(), 1u);
    EXPECT_EQ(ReadBytes(settings), Crlf({" 0 ", game, commander}));
    EXPECT_EQ(With(RunDrive(options, {"answer splash tick,ok", "start"}), kWarning).size(), 1u);
    // The check box keeps the two folder lines and drops the careers line.
    EXPECT_EQ(ReadBytes(settings), Crlf({" 1 ", game, commander}));

    const Lines closed =
        RunDrive(options, {"start", "set Text1 C:\\Nowhere ", "set Text2   " + commander + "  ",
                           "set Text3 C:\\Docs ", "click btnExit", "show Text1"});
    EXPECT_EQ(
        closed,
        (Lines{MsgBoxLine(64, "Select Driectory", "This does not appear to the a SilentHunterIII Directory."),
               "{\"window\":\"closed\"}", "{\"error\":\"the main window is closed\"}"}));
    // The fields are stored as they stand, blanks and invalid folders included.
    EXPECT_EQ(ReadBytes(settings), Crlf({" 1 ", "C:\\Nowhere ", "  " + commander + "  ", "C:\\Docs "}));

    EXPECT_EQ(RunDrive(options, {"start", "close"}), Lines{"{\"window\":\"closed\"}"});
    EXPECT_EQ(ReadBytes(settings), Crlf({" 1 ", game, commander, "C:\\Docs\\SH3\\data\\cfg\\Careers"}));
}

}  // namespace
}  // namespace zephrane::testing
