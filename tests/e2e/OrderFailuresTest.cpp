// Orders that are refused or fail: the message, the locked window while it
// shows, and every file of the installation as it was (or, where an order
// fails after it began to write, exactly what is left).
#include "e2e/OrderFixture.h"

namespace zephrane::testing {
namespace {

using OrderFailures = OrderE2E;

const std::string kIncomplete = "All fields must contain data.";
const std::string kDateOrder = "Last Patrol End Date should be EARLIER than Next Patrol Start Date.";
const std::string kClosed =
    "Base will be closed before your arrival.  Transfer aborted.\r\n"
    "Check with your Flottillenchefand request new orders.";

std::vector<std::string> Repeat(const std::string& line, std::size_t n) {
    return std::vector<std::string>(n, line);
}

TEST_F(OrderFailures, IncompleteFormIsRefused) {
    const Tree before = Snapshot();
    const auto result = Drive({
        "click btnInitiateUpdate",  // nothing chosen
        "date ssEndDate 1942-04-20", "select cboMonth 4",        "select cboYear 3",
        "select cboLocation 1",      "select cboDestination 3",  "select cboUBoatType 2",
        "select cboKommandant 0",
        "click btnInitiateUpdate",  // no U-boat number
        "type txtUBoatNumber 7",     "select cboKommandant -1",
        "click btnInitiateUpdate",  // no commander
        "select cboKommandant 0",    "select cboUBoatType -1",
        "click btnInitiateUpdate",  // no type
        "click Option1 1",           "select cboMonth -1",
        "click btnInitiateUpdate",  // a transfer without a month
        "select cboMonth 4",         "select cboLocation -1",
        "click btnInitiateUpdate",  // ... without a location
        "select cboLocation 1",      "select cboDestination -1",
        "click btnInitiateUpdate",  // ... without a destination
    });
    ExpectUnlocked(result);
    EXPECT_EQ(result.MessageBoxes(), Repeat(OrderBox(16, "Initiate Update", kIncomplete), 7));
    EXPECT_EQ(result.With("{\"run\":"), std::vector<std::string>{});
    ExpectTree(Snapshot(), before);
}

TEST_F(OrderFailures, NextPatrolBeforeTheLastEndedIsRefused) {
    const Tree before = Snapshot();
    // A serving commander, a transfer, and a new commander whose disabled
    // date still shows 15 June 1941 with a next patrol in May 1941.
    const auto result = Drive(Then(ServingForm("1942-03-02", 3, 1942, kWilhelmshaven, k5th),
                                   {"click btnInitiateUpdate", "click Option1 1", "click btnInitiateUpdate",
                                    "click Option1 0", "date ssEndDate 1941-06-15", "click chkNew",
                                    "select cboMonth 4", "select cboYear 2", "click btnInitiateUpdate"}));
    ExpectUnlocked(result);
    EXPECT_EQ(result.MessageBoxes(), Repeat(OrderBox(16, "Initiate Update", kDateOrder), 3));
    ExpectTree(Snapshot(), before);

    // The first day of the month itself is not earlier.
    const auto accepted = Order(ServingForm("1942-03-01", 3, 1942, kWilhelmshaven, k5th));
    ExpectQuiet(accepted);
    ExpectInstructionsOpened(accepted);
}

TEST_F(OrderFailures, MissingFlotillaConfigurationEndsTheOrder) {
    Remove(kLive);
    Write(kBackup, FlotillaCfg());
    const Tree before = Snapshot();
    const auto result =
        Drive(Then(ServingForm("1942-04-20", 5, 1942, kWilhelmshaven, k5th),
                   {"click btnInitiateUpdate", "click Option1 1", "click btnInitiateUpdate"}));
    ExpectUnlocked(result);
    EXPECT_EQ(result.MessageBoxes(),
              Repeat(OrderBox(16, "Initiate Update", "Could not find flottille configuration file."), 2));
    EXPECT_EQ(result.With("{\"run\":"), std::vector<std::string>{});
    ExpectTree(Snapshot(), before);
}

// The month list keeps a 1945 patrol in May at the latest, and May 1945 is
// not too late for a serving commander.
TEST_F(OrderFailures, LatestNextPatrolIsMay1945) {
    const auto result =
        Drive({"date ssEndDate 1945-04-20", "select cboYear 6", "select cboMonth 5", "show cboMonth",
               "select cboLocation 1", "select cboDestination 0", "type txtUBoatNumber 123",
               "select cboUBoatType 2", "select cboKommandant 0", "click btnInitiateUpdate"});
    ExpectUnlocked(result);
    EXPECT_NE(result.First("{\"control\":\"cboMonth\"").find("\"selected\":4"), std::string::npos);
    EXPECT_EQ(result.MessageBoxes(), std::vector<std::string>{});
    EXPECT_EQ(result.With("{\"run\":"), std::vector<std::string>{RunLine()});
}

// 904 has no base, 908 no block at all, and flotilla 3's last base closes in
// May 1945. The backup already holds the live file, so nothing changes.
TEST_F(OrderFailures, ClosedBaseIsRefused) {
    Write(kBackup, FlotillaCfg());
    const Tree before = Snapshot();
    const auto result =
        Drive(Then(TransferForm("1941-01-10", 2, 1941, kBrest, k3rd),
                   {"click btnInitiateUpdate", "select cboDestination 6", "click btnInitiateUpdate",
                    "select cboYear 6", "select cboMonth 4", "select cboDestination 3",
                    "click btnInitiateUpdate", "click Option1 0", "type txtUBoatNumber 123",
                    "select cboUBoatType 2", "select cboKommandant 0", "click btnInitiateUpdate"}));
    ExpectUnlocked(result);
    EXPECT_EQ(result.MessageBoxes(), Repeat(OrderBox(16, "Initiate Update", kClosed), 4));
    EXPECT_EQ(result.With("{\"run\":"), std::vector<std::string>{});
    ExpectTree(Snapshot(), before);
}

std::string Replaced(std::string text, const std::string& from, const std::string& to) {
    text.replace(text.find(from), from.size(), to);
    return text;
}

std::string FlotillaProblem(const std::string& path, const std::string& why) {
    return "Could not use the flotilla configuration file\r\n" + path + "\r\n" + why +
           "\r\nThe order has not been carried out; no file has been changed.";
}

// A marked live file leaves the backup in charge; a broken backup stops the
// order before anything is written.
TEST_F(OrderFailures, MalformedBackupStopsTheOrder) {
    struct Case {
        std::string backup;
        std::string why;
    };
    const Case cases[] = {
        {Join({kHead, {"NbBases3=4", "Base3_0=750;Kiel", "Date3_0_0=1939"}}),
         "It ends before the MONTH line of the flotilla line \"Flotilla3=905\"."},
        {Replaced(FlotillaCfg(), "Flotilla2=904", "Flotilla2 904"),
         "The flotilla line \"Flotilla2 904\" has no \"=\"."},
        {Replaced(FlotillaCfg(), "NbBases2=0", "NbBases2=two"),
         "The NBBASES value \"two\" of the flotilla line \"Flotilla2=904\" is not a number."},
        {Replaced(FlotillaCfg(), "NbBases2=0", "NbBases2=12"),
         "The flotilla line \"Flotilla2=904\" has 12 bases; a flotilla has from 0 to 11."},
    };
    Write(kLive, Join({kMarker, kHead}));
    for (const auto& c : cases) {
        SCOPED_TRACE(c.why);
        Write(kBackup, c.backup);
        const Tree before = Snapshot();
        const auto result = Order(ServingForm("1942-04-20", 5, 1942, kWilhelmshaven, k5th));
        ExpectUnlocked(result);
        EXPECT_EQ(result.MessageBoxes(), std::vector<std::string>{OrderBox(
                                             16, "Initiate Update", FlotillaProblem(BackupPath(), c.why))});
        EXPECT_EQ(result.With("{\"run\":"), std::vector<std::string>{});
        ExpectTree(Snapshot(), before);
    }
}

// An unmarked live file that cannot be read as a configuration never becomes
// the backup.
TEST_F(OrderFailures, MalformedLiveFileIsNotBackedUp) {
    const std::string live = "C:\\SilentHunterIII\\data\\Cfg\\Flotilla.cfg";
    struct Case {
        std::string live;
        std::string why;
    };
    const Case cases[] = {
        {Join({kHead, {"NbBases3=4", "Base3_0=750;Kiel"}}),
         "It ends before the DATE line of the flotilla line \"Flotilla3=905\"."},
        {Join({{"; no section at all", "Flotilla0=902"}}), "It ends before the [FLOTILLA] section header."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.why);
        Write(kLive, c.live);
        const Tree before = Snapshot();
        const auto result = Order(TransferForm("1941-01-10", 2, 1941, kBrest, k5th));
        ExpectUnlocked(result);
        EXPECT_EQ(result.MessageBoxes(),
                  std::vector<std::string>{OrderBox(16, "Initiate Update", FlotillaProblem(live, c.why))});
        ExpectTree(Snapshot(), before);
    }
}

std::string CareerProblem(const std::string& file, const std::string& why) {
    return "The career files of Hans Kurz could not be updated.\r\nC:\\Careers\\Hans Kurz\\" + file + "\r\n" +
           why + "\r\nPatrols_0.cfg and Careers_0.cfg have been left as they were.";
}

// A career file that is missing or lacks what the update needs stops the
// commissioning before any file is written.
TEST_F(OrderFailures, BrokenCareerFilesStopTheCommissioning) {
    struct Case {
        std::string file;  // relative to the tree; removed when `bytes` is empty
        std::string bytes;
        std::string message;
    };
    const Case cases[] = {
        {kCareers0, "", CareerProblem("Careers_0.cfg", "The file does not exist.")},
        {kPatrols0, "", CareerProblem("Patrols_0.cfg", "The file does not exist.")},
        {kPatrols0, Replaced(Patrols0(), "Patrols=2", "Count=2"),
         CareerProblem("Patrols_0.cfg", "The file has no PATROLS= line.")},
        {kPatrols0, Replaced(Patrols0(), "Patrols=2", "Patrols=4"),
         CareerProblem("Patrols_0.cfg", "The file has no section [PATROL 004].")},
        {kPatrols0,
         Join({kPatrols0Head, {"StartLocation=752", "EndLocation=750", "SubType=2", "SubVersion=1"}}),
         CareerProblem("Patrols_0.cfg",
                       "No line that begins with SubName= follows the section header [PATROL 002].")},
        {kCareers0, Join({kCareers0Head, {"Z01=5"}}),
         CareerProblem("Careers_0.cfg",
                       "No line that begins with ForeTubes= follows the section header [CAREER 001].")},
    };
    Write(kBackup, FlotillaCfg());
    for (const auto& c : cases) {
        SCOPED_TRACE(c.message);
        Write(kPatrols0, Patrols0());
        Write(kCareers0, Careers0());
        if (c.bytes.empty()) {
            Remove(c.file);
        } else {
            Write(c.file, c.bytes);
        }
        const Tree before = Snapshot();
        const auto result = Order(ServingForm("1942-04-20", 5, 1942, kWilhelmshaven, k5th));
        ExpectUnlocked(result);
        EXPECT_EQ(result.MessageBoxes(),
                  std::vector<std::string>{OrderBox(16, "Initiate Update", c.message)});
        EXPECT_EQ(result.With("{\"run\":"), std::vector<std::string>{});
        ExpectTree(Snapshot(), before);
    }
}

// The careers field names a folder that does not exist: the commander list
// still offers Hans Kurz, whose folder is not there.
TEST_F(OrderFailures, MissingCommanderFolderStopsTheCommissioning) {
    Write(kBackup, FlotillaCfg());
    const Tree before = Snapshot();
    const auto result =
        Order(Then({"set Text3 C:\\Elsewhere"}, ServingForm("1942-04-20", 5, 1942, kWilhelmshaven, k5th)));
    ExpectUnlocked(result);
    EXPECT_EQ(result.MessageBoxes(), std::vector<std::string>{OrderBox(
                                         16, "Initiate Update",
                                         "The career files of Hans Kurz could not be updated.\r\n"
                                         "C:\\Elsewhere\\Hans Kurz\r\nThe commander's folder does not "
                                         "exist.\r\nPatrols_0.cfg and Careers_0.cfg have been left as they "
                                         "were.")});
    ExpectTree(Snapshot(), before);
}

// Flotilla 3's block lacks its U-boat count: the rewrite reads past the end,
// Flotilla.cfg becomes the backup again and the backup is used up. The
// career files keep their new content.
TEST_F(OrderFailures, RewritePastTheEndRestoresTheBackup) {
    const std::string broken = Join({kHead, kBases3, kMid, kBases4, kNbUboats4, kBases5, kTail});
    struct Case {
        std::string live;
        bool withBackup;
    };
    const Case cases[] = {
        {broken, false},                                  // the backup is made from it
        {Join({kMarker, {"; an earlier order"}}), true},  // the backup is older
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.withBackup);
        Write(kLive, c.live);
        Write(kPatrols0, Patrols0());
        Write(kCareers0, Careers0());
        if (c.withBackup) Write(kBackup, broken);
        const Tree before = Snapshot();
        const auto result = Order(ServingForm("1942-04-20", 5, 1942, kWilhelmshaven, k5th));
        ExpectUnlocked(result);
        EXPECT_EQ(result.MessageBoxes(),
                  (std::vector<std::string>{
                      OrderBox(16, "Update Flottille", "Error: Input past end of file"),
                      OrderBox(64, "Update Flottille",
                               "Your Flotilla Configuration File has been RESET to its Original Status.")}));
        EXPECT_EQ(result.With("{\"run\":"), std::vector<std::string>{});
        Tree expected = before;
        expected[kLive] = broken;
        expected.erase(kBackup);
        expected[kPatrols0] = Patrols0After("751");
        expected[kCareers0] = Careers0After();
        ExpectTree(Snapshot(), expected);
    }
}

// The loadout is read from basic.cfg below the text of the game folder field,
// even when that text is not an accepted game folder.
TEST_F(OrderFailures, LoadoutProblemsStopTheCommissioning) {
    struct Case {
        std::vector<std::string> before;  // commands before the form
        std::string basic;                // basic.cfg of the game
        std::string message;
    };
    const std::string careerFailed = "The career files of Hans Kurz could not be updated.\r\n";
    const std::string leftAlone = "\r\nPatrols_0.cfg and Careers_0.cfg have been left as they were.";
    const Case cases[] = {
        {{"set Text1 C:\\Nowhere"},
         Join({kBasicCfg}),
         careerFailed + "C:\\Nowhere\\data\\cfg\\basic.cfg\r\nThe file does not exist." + leftAlone},
        {{},
         Join({{kBasicCfg.begin(), kBasicCfg.end() - 1}}),
         careerFailed +
             "C:\\SilentHunterIII\\data\\cfg\\basic.cfg\r\nThe file ends inside a [SUBMARINE_AMMO section "
             "before "
             "its RENOWN line." +
             leftAlone},
    };
    Write(kBackup, FlotillaCfg());
    for (const auto& c : cases) {
        SCOPED_TRACE(c.message);
        Write(kBasic, c.basic);
        const Tree before = Snapshot();
        const auto result = Order(Then(c.before, ServingForm("1942-04-20", 5, 1942, kWilhelmshaven, k5th)));
        ExpectUnlocked(result);
        const auto boxes = result.MessageBoxes();
        ASSERT_FALSE(boxes.empty());
        EXPECT_EQ(boxes.back(), OrderBox(16, "Initiate Update", c.message));
        EXPECT_EQ(result.With("{\"run\":"), std::vector<std::string>{});
        ExpectTree(Snapshot(), before);
    }
}

}  // namespace
}  // namespace zephrane::testing
