#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <string>
#include <vector>

#include "patches/PatchRun.h"
#include "platform/HostFileSystem.h"
#include "platform/RecordingDialogs.h"
#include "platform/RecordingShell.h"
#include "support/TestFiles.h"

namespace zephrane {
namespace {

using testing::Crlf;
using testing::ReadBytes;
using testing::TempDir;
using Counters = std::array<std::int32_t, 3>;  // checked, found, processed

// The host's file system, with writes to some files and listings of some
// folders refused, as a read-only file or a folder without access would.
class FaultyFileSystem : public HostFileSystem {
public:
    FaultyFileSystem() : HostFileSystem(std::vector<Drive>{}) {}
    std::string unwritableSuffix = "\x01";
    std::string unlistableSuffix = "\x01";

    std::optional<std::vector<FolderEntry>> SubFolders(const std::string& folder) const override {
        if (EndsWith(folder, unlistableSuffix)) return std::nullopt;
        return HostFileSystem::SubFolders(folder);
    }
    IoResult WriteFile(const std::string& path, const std::string& bytes) override {
        if (EndsWith(path, unwritableSuffix)) return IoResult::Failure("Permission denied");
        return HostFileSystem::WriteFile(path, bytes);
    }
    IoResult Copy(const std::string& source, const std::string& destination) override {
        if (EndsWith(destination, unwritableSuffix)) return IoResult::Failure("Permission denied");
        return HostFileSystem::Copy(source, destination);
    }

private:
    static bool EndsWith(const std::string& text, const std::string& suffix) {
        return text.size() >= suffix.size() &&
               text.compare(text.size() - suffix.size(), suffix.size(), suffix) == 0;
    }
};

class PatchRunTest : public ::testing::Test {
protected:
    TempDir game, program, commander;
    FaultyFileSystem fs;
    RecordingDialogs dialogs;
    RecordingShell shell;
    Platform platform{fs, dialogs, shell};
    PatchState state;
    std::vector<Counters> shown;

    void SetUp() override {
        shell.programFolder = program.Str();
        state.sGamePath = game.Str();
        state.sCommanderPath = commander.Str();
    }

    void Run(int index) {
        RunPatch(platform, index, state, [this](const PatchState& s) {
            shown.push_back({s.lChecked, s.lFound, s.lProcessed});
        });
        EXPECT_EQ(TempFilesLeft(), 0) << "a temporary *.xxx file was left behind";
    }

    Counters Final() const { return {state.lChecked, state.lFound, state.lProcessed}; }

    // Every message box as "style|title|text".
    std::vector<std::string> Messages() const {
        std::vector<std::string> out;
        for (const auto& m : dialogs.Messages())
            out.push_back(std::to_string(m.style) + "|" + m.title + "|" + m.text);
        return out;
    }

    int TempFilesLeft() const {
        int count = 0;
        for (const TempDir* dir : {&game, &program, &commander}) {
            for (const auto& entry : std::filesystem::recursive_directory_iterator(dir->Path())) {
                if (entry.path().extension() == ".xxx") ++count;
            }
        }
        return count;
    }
};

const std::string kRenownLf =
    "[Campaign]\nPlayerStartRenown  = 1000 ;old\nPlayerStartRenown\n[Flotilla1]\nName=x";
std::string RenownCrlf(const std::string& value) {
    return Crlf({"[Campaign]", "PlayerStartRenown  =" + value, "PlayerStartRenown", "[Flotilla1]", "Name=x"});
}

TEST_F(PatchRunTest, RenownPatchesEveryCopyAndCountsEveryFile) {
    const auto live = game.Write("data/Cfg/Flotilla.cfg", kRenownLf);
    const auto bak = game.Write("data/Cfg/Flotilla.cfg.bak", kRenownLf);
    const auto stale = game.Write("data/Cfg/Flotilla.xxx", kRenownLf);
    game.Write("data/Menu/en_menu.txt", "909=33. U-Flottille\r\n");
    const auto upper = game.Write("Campaigns/Copy/FLOTILLA.CFG", kRenownLf);
    game.Write("readme.txt", "x");
    const auto orv = program.Write("Flotilla.cfg.orv", kRenownLf);
    const auto olderOrv = program.Write("old/Flotilla.cfg.orv", kRenownLf);
    const auto notOrv = program.Write("Flotilla.cfg", kRenownLf);
    const auto backup = commander.Write("!BACKUP/001/Flotilla.cfg", kRenownLf);
    commander.Write("!BACKUP/001/Careers.cfg", "x");
    commander.Write("!BACKUP/notes.txt", "x");
    const auto notBackup = commander.Write("Cfg/Flotilla.cfg", kRenownLf);
    commander.Write("Cfg/U-boat numbers.cfg", "[XXI]\r\n");

    Run(0);

    for (const auto& file : {live, upper, orv, olderOrv, backup})
        EXPECT_EQ(ReadBytes(file), RenownCrlf("25000")) << file;
    for (const auto& file : {bak, notOrv, notBackup}) EXPECT_EQ(ReadBytes(file), kRenownLf) << file;
    EXPECT_FALSE(std::filesystem::exists(stale));
    EXPECT_EQ(state.sRenown, "25000");
    // Game 6 files, program folder 3, !BACKUP 3; the Cfg folder is not walked.
    EXPECT_EQ(Final(), (Counters{12, 5, 5}));
    ASSERT_FALSE(shown.empty());
    EXPECT_EQ(shown.front(), (Counters{0, 0, 0}));
    EXPECT_EQ(shown.back(), Final());
    // Every single change was shown.
    for (std::size_t i = 1; i < shown.size(); ++i) {
        EXPECT_LE(shown[i][1] - shown[i - 1][1], 1);
        EXPECT_LE(shown[i][2] - shown[i - 1][2], 1);
    }
    EXPECT_EQ(Messages(), (std::vector<std::string>{"0|Increate Renown|Update Complete."}));

    Run(1);
    EXPECT_EQ(ReadBytes(live), RenownCrlf("500"));
    EXPECT_EQ(Final(), (Counters{11, 5, 5}));  // the stale copy is gone
    EXPECT_EQ(Messages().back(), "0|Reset Renown|Update Complete.");
}

TEST_F(PatchRunTest, InvalidCommanderFolderIsReportedAndTheRunGoesOn) {
    const auto live = game.Write("data/Cfg/Flotilla.cfg", kRenownLf);
    const auto orv = program.Write("Flotilla.cfg.orv", kRenownLf);
    const auto backup = commander.Write("!BACKUP/Flotilla.cfg", kRenownLf);
    for (const std::string& path : {std::string(), commander.Str() + "\\missing"}) {
        state.sCommanderPath = path;
        Run(0);
        EXPECT_EQ(ReadBytes(live), RenownCrlf("25000"));
        EXPECT_EQ(ReadBytes(orv), RenownCrlf("25000"));
        EXPECT_EQ(ReadBytes(backup), kRenownLf);
        EXPECT_EQ(Final(), (Counters{2, 2, 2}));
    }
    const std::string info = "64|No Valid Directory|No valid SH3 Commander Directory.  Not Processed.";
    const std::string done = "0|Increate Renown|Update Complete.";
    EXPECT_EQ(Messages(), (std::vector<std::string>{info, done, info, done}));
}

TEST_F(PatchRunTest, InvalidGameFolderStopsBeforeAnyWalk) {
    const auto orv = program.Write("Flotilla.cfg.orv", kRenownLf);
    state.lChecked = 7;
    state.sGamePath = game.Str() + "\\missing";
    Run(1);
    EXPECT_EQ(ReadBytes(orv), kRenownLf);
    EXPECT_EQ(Final(), (Counters{0, 0, 0}));
    EXPECT_EQ(Messages(),
              (std::vector<std::string>{"16|No Valid Directory|Not a valid SilentHunterIII Home Directory"}));
}

TEST_F(PatchRunTest, TypeXxiLookupFailureEndsTheRunWithoutResettingCounters) {
    state.lChecked = 3;
    state.lFound = 2;
    state.lProcessed = 1;
    state.sGamePath = "";
    Run(2);
    game.Write("data/Menu/en_menu.txt",
               "909=9. U-Flottille\r\n915=33rd flotilla\r\n;910=33. U-Flottille\r\n");
    const auto live = game.Write("data/Cfg/Flotilla.cfg", "Flotilla=909\r\nNbUboats=00\r\n");
    state.sGamePath = game.Str();
    Run(2);
    EXPECT_EQ(ReadBytes(live), "Flotilla=909\r\nNbUboats=00\r\n");
    EXPECT_EQ(Final(), (Counters{3, 2, 1}));
    EXPECT_TRUE(shown.empty());
    EXPECT_EQ(state.s33Flotilla, "0");
    const std::string title = "Add XXI to 33. U-Flottille";
    EXPECT_EQ(
        Messages(),
        (std::vector<std::string>{
            "16|" + title + "|Menu file not found. Check SilentHunterIII Directory Setting.  Task aborted.",
            "16|" + title + "|33. U-Flottille not found in menu files.  Task aborted."}));
}

const std::string kXxiFlotilla =
    "[Flotilla1]\r\nFlotilla=904\r\nNbUboats1=1\r\nUboat1_0=1\r\n"
    "[Flotilla2]\r\nFlotilla=909\r\nNbUboats1=3 ;boats\r\n;the "
    "boats\r\nUboat1_0=1\r\nUboat1_1=2\r\nUboat1_2=4\r\n";
const std::string kXxiFlotillaPatched =
    "[Flotilla1]\r\nFlotilla=904\r\nNbUboats1=1\r\nUboat1_0=1\r\n"
    "[Flotilla2]\r\nFlotilla=909\r\nNbUboats1=4\r\nUboat1_0=1\r\nUboat1_1=2\r\nUboat1_2=4\r\nUboat1_3=3\r\n";

TEST_F(PatchRunTest, TypeXxiPatchesFlotillasAndUboatNumbers) {
    game.Write("data/Menu/en_menu.txt", "908=8. U-Flottille\r\n909=33. U-Flottille\r\n910=33 other\r\n");
    const auto live = game.Write("data/Cfg/Flotilla.cfg", kXxiFlotilla);
    const auto orv = program.Write("Flotilla.cfg.orv", "[Flotilla1]\nFlotilla=904\nNbUboats1=0");
    const auto backup = commander.Write("!BACKUP/a/Flotilla.cfg", kXxiFlotillaPatched);
    const auto numbers =
        commander.Write("Cfg/U-boat numbers.cfg", "[XXIII]\r\n909=1\r\n\r\n[XXI]\r\n902=2501\r\n\r\n[X]\r\n");
    const std::string numbersPatched =
        "[XXIII]\r\n909=1\r\n\r\n[XXI]\r\n902=2501\r\n909=2501,2504,2505,2508,2512,2514,3012\r\n\r\n[X]\r\n";

    for (int run = 0; run < 2; ++run) {
        Run(2);
        EXPECT_EQ(state.s33Flotilla, "909");
        EXPECT_EQ(ReadBytes(live), kXxiFlotillaPatched);
        EXPECT_EQ(ReadBytes(orv), "[Flotilla1]\r\nFlotilla=904\r\nNbUboats1=0\r\n");
        EXPECT_EQ(ReadBytes(backup), kXxiFlotillaPatched);
        EXPECT_EQ(ReadBytes(numbers), numbersPatched);
        // The program's copy has no 33rd flotilla: rewritten but not counted.
        EXPECT_EQ(Final(), (Counters{4, 3, 2}));
    }
    const std::string done = "0|Add XXI to 33. U-Flottille|Update Complete.";
    EXPECT_EQ(Messages(), (std::vector<std::string>{done, done}));

    std::filesystem::remove(numbers);
    Run(2);
    EXPECT_EQ(Messages().size(), 4u);
    EXPECT_EQ(Messages()[2],
              "64|File Not Found|SH3 Commander 'U-Boat numbers' file not found.  Not Processed.");
    EXPECT_EQ(Messages()[3], done);
}

const std::string kBasicCfg =
    "[SUBMARINE1]\r\nName=IXB\r\nMonth=3\r\nYear=1940\r\n"
    "[SUBMARINE2]\r\nName=VIIA\r\nMonth=9 ; war\r\nYear=1939\r\n"
    "[SUBMARINE3]\r\nName=VIIC\r\nMonth=9\r\nYear=1940\r\n"
    "[Torpedo_Type1]\r\nName=IXB\r\nMonth=9\r\nYear=1939\r\n";
const std::string kBasicCfgPatched =
    "[SUBMARINE1]\r\nName=IXB\r\nMonth=7\r\nYear=1939\r\n"
    "[SUBMARINE2]\r\nName=VIIA\r\nMonth=7\r\nYear=1939\r\n"
    "[SUBMARINE3]\r\nName=VIIC\r\nMonth=9\r\nYear=1940\r\n"
    "[Torpedo_Type1]\r\nName=IXB\r\nMonth=9\r\nYear=1939\r\n";
const std::string kAvailFlotilla = "[F1.B1]\r\nDate=1939\r\nBase=750\r\nMonth=9 ; start of the war\r\n";
const std::string kAvailFlotillaPatched = "[F1.B1]\r\nDate=1939\r\nBase=750\r\nMonth=8\r\n";

TEST_F(PatchRunTest, AvailabilityPatchesFlotillasThenBasicCfgTwiceTheSame) {
    const auto live = game.Write("data/Cfg/Flotilla.cfg", kAvailFlotilla);
    const auto basic = game.Write("data/Cfg/basic.cfg", kBasicCfg);
    const auto orv = program.Write("Flotilla.cfg.orv", kAvailFlotilla);
    const auto programBasic = program.Write("Basic.cfg", kBasicCfg);
    const auto backup = commander.Write("!BACKUP/Flotilla.cfg", kAvailFlotilla);
    state.sCommanderPath = "";

    for (int run = 0; run < 2; ++run) {
        Run(3);
        EXPECT_EQ(ReadBytes(live), kAvailFlotillaPatched);
        EXPECT_EQ(ReadBytes(orv), kAvailFlotillaPatched);
        EXPECT_EQ(ReadBytes(basic), kBasicCfgPatched);
        EXPECT_EQ(ReadBytes(programBasic), kBasicCfg);
        EXPECT_EQ(ReadBytes(backup), kAvailFlotilla);
        // The game folder is walked twice.
        EXPECT_EQ(Final(), (Counters{2 + 2 + 2, 3, 3}));
    }
    const std::string info = "64|No Valid Directory|No valid SH3 Commander Directory.  Not Processed.";
    const std::string done = "0|Orv U-Boat Availability|Update Complete.";
    EXPECT_EQ(Messages(), (std::vector<std::string>{info, done, info, done}));
}

// Checks one message that reports a file left unchanged.
void ExpectFileProblem(const std::string& message, const std::string& title, const std::string& name) {
    EXPECT_EQ(message.rfind("16|" + title + "|", 0), 0u) << message;
    EXPECT_NE(message.find(name), std::string::npos) << message;
}

TEST_F(PatchRunTest, MalformedFilesAreReportedAndLeftAsTheyWere) {
    const std::string badOrv = "[F1.B1]\nDate=1939\nDay=1";
    const std::string badBasic = "[S1]\nName=IXB\nYear=1940\n[S2]\nMonth=3\nYear=1941";
    const auto live = game.Write("data/Cfg/Flotilla.cfg", kAvailFlotilla);
    const auto basic = game.Write("data/Cfg/Basic.cfg", badBasic);
    const auto orv = program.Write("Flotilla.cfg.orv", badOrv);
    state.sCommanderPath = "";

    Run(3);
    EXPECT_EQ(ReadBytes(live), kAvailFlotillaPatched);
    EXPECT_EQ(ReadBytes(orv), badOrv);
    EXPECT_EQ(ReadBytes(basic), badBasic);
    EXPECT_EQ(Final(), (Counters{2 + 1 + 2, 3, 1}));
    const auto messages = Messages();
    ASSERT_EQ(messages.size(), 4u);
    ExpectFileProblem(messages[0], "Orv U-Boat Availability", program.Str() + "\\Flotilla.cfg.orv");
    EXPECT_EQ(messages[1], "64|No Valid Directory|No valid SH3 Commander Directory.  Not Processed.");
    ExpectFileProblem(messages[2], "Orv U-Boat Availability", "Basic.cfg");
    EXPECT_EQ(messages[3], "0|Orv U-Boat Availability|Update Complete.");
}

TEST_F(PatchRunTest, MalformedUboatListsAreReportedAndLeftAsTheyWere) {
    game.Write("data/Menu/en_menu.txt", "909=33. U-Flottille\r\n");
    const std::string endsEarly = "Flotilla=909\nNbUboats1=2\nUboat1_0=1";
    const std::string noEquals = "Flotilla=909\r\nNbUboats1 2\r\nUboat1_0=1\r\nUboat1_1=1\r\n";
    const auto live = game.Write("data/Cfg/Flotilla.cfg", endsEarly);
    const auto orv = program.Write("Flotilla.cfg.orv", kXxiFlotilla);
    const auto backup = commander.Write("!BACKUP/Flotilla.cfg", noEquals);
    commander.MakeDir("Cfg");

    Run(2);
    EXPECT_EQ(ReadBytes(live), endsEarly);
    EXPECT_EQ(ReadBytes(orv), kXxiFlotillaPatched);
    EXPECT_EQ(ReadBytes(backup), noEquals);
    EXPECT_EQ(Final(), (Counters{4, 3, 1}));
    const auto messages = Messages();
    ASSERT_EQ(messages.size(), 4u);
    ExpectFileProblem(messages[0], "Add XXI to 33. U-Flottille", "Flotilla.cfg");
    ExpectFileProblem(messages[1], "Add XXI to 33. U-Flottille", commander.Str() + "\\!BACKUP\\Flotilla.cfg");
    EXPECT_EQ(messages[2],
              "64|File Not Found|SH3 Commander 'U-Boat numbers' file not found.  Not Processed.");
    EXPECT_EQ(messages[3], "0|Add XXI to 33. U-Flottille|Update Complete.");
}

TEST_F(PatchRunTest, UnwritableFilesAndUnlistableFoldersAreReportedAndPassedOver) {
    const auto live = game.Write("data/Cfg/Flotilla.cfg", kRenownLf);
    const auto locked = game.Write("Locked/Flotilla.cfg", kRenownLf);
    const auto orv = program.Write("Flotilla.cfg.orv", kRenownLf);
    fs.unlistableSuffix = "\\Locked";
    fs.unwritableSuffix = "\\Flotilla.cfg.orv";

    Run(0);
    EXPECT_EQ(ReadBytes(live), RenownCrlf("25000"));
    EXPECT_EQ(ReadBytes(locked), kRenownLf);
    EXPECT_EQ(ReadBytes(orv), kRenownLf);
    EXPECT_EQ(Final(), (Counters{2, 2, 1}));
    const auto messages = Messages();
    ASSERT_EQ(messages.size(), 3u);
    ExpectFileProblem(messages[0], "Increate Renown", game.Str() + "\\Locked");
    ExpectFileProblem(messages[1], "Increate Renown", program.Str() + "\\Flotilla.cfg.orv");
    EXPECT_EQ(messages[2], "0|Increate Renown|Update Complete.");
}

}  // namespace
}  // namespace zephrane
