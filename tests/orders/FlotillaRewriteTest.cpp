#include <gtest/gtest.h>

#include <algorithm>

#include "orders/FaultyFileSystem.h"
#include "orders/InitiateUpdate.h"
#include "orders/OrderFixture.h"
#include "platform/TextFile.h"

namespace zephrane::testing {
namespace {

using FlotillaRewriteTest = OrderFixture;

// Flotilla 3 after an order with pickup 072 starting 1 May 1942: base 2 of the
// backup is still open, so bases 0 and 1 are dropped.
const Lines kServingBlock = {
    "NbBases3=3",
    "Base3_0=072;Wilhelmshaven",
    "Date3_0_0=1941",
    "Month3_0_0=5",
    "Date3_0_1=1942",
    "Month3_0_1=4",
    "DeparturePointLong3_0=800",
    "DeparturePointLat3_0=5350",
    "Heading3_0=350",
    "Base3_1=081;Brest",
    "Date3_1_0=1942",
    "Month3_1_0=5",
    "Date3_1_1=1944",
    "Month3_1_1=8",
    "DeparturePointLong3_1=-450",
    "DeparturePointLat3_1=4840",
    "Heading3_1=280",
    "Base3_2=083;Bergen",
    "Date3_2_0=1944",
    "Month3_2_0=9",
    "Date3_2_1=1945",
    "Month3_2_1=5",
    "DeparturePointLong3_2=530",
    "DeparturePointLat3_2=6040",
    "Heading3_2=300",
};

// The same for a new commander: the pickup is kept a month longer and Brest
// opens a month later.
Lines NewCommanderBlock() {
    Lines block = kServingBlock;
    block[5] = "Month3_0_1=5";
    block[11] = "Month3_1_0=6";
    return block;
}

TEST_F(FlotillaRewriteTest, ServingCommanderReplacesTheBasesOfTheDestinationOnly) {
    WriteLive(FlotillaCfg());
    WriteCareer("080");
    InitiateUpdate(platform, CommissioningForm(kWilhelmshaven, k105, {1942, 4, 10}, 1942, 5), state);

    ExpectMessages({});
    EXPECT_EQ(Live(), Join({kMarker, kHead, kServingBlock, kNbUboats3, kTail}));
    EXPECT_EQ(Backup(), FlotillaCfg());
    EXPECT_EQ(FileNames(program.Path()), (std::vector<std::string>{"Flotilla.cfg.orv", "Instructions.txt"}));
    EXPECT_EQ(FileNames(LivePath().parent_path()), (std::vector<std::string>{"Flotilla.cfg", "basic.cfg"}));
    EXPECT_EQ(FileNames(careers.Path() / "Hans Kurz"),
              (std::vector<std::string>{"Careers_0.cfg", "Patrols.cfg", "Patrols_0.cfg"}));
    EXPECT_NE(Career("Patrols_0.cfg").find("StartLocation=072\r\n"), std::string::npos);
}

TEST_F(FlotillaRewriteTest, NewCommanderOpensTheKeptBaseAMonthLater) {
    WriteLive(FlotillaCfg());
    InitiateUpdate(platform, NewCommanderForm(kWilhelmshaven, k105, 1942, 5), state);

    ExpectMessages({});
    EXPECT_EQ(Live(), Join({kMarker, kHead, NewCommanderBlock(), kNbUboats3, kTail}));
    EXPECT_FALSE(std::filesystem::exists(careers.Path() / "Hans Kurz"));
}

// The four lines after "Base3_0=" in the written file.
Lines PickupBaseDates(const std::string& bytes) {
    const Lines lines = SplitLines(bytes);
    for (std::size_t i = 0; i + 4 < lines.size(); ++i) {
        if (lines[i].rfind("Base3_0=", 0) == 0) return Lines(lines.begin() + i + 1, lines.begin() + i + 5);
    }
    return {};
}

TEST_F(FlotillaRewriteTest, PickupBaseRunsFromAYearBeforeTheStartButNotBeforeAugust1939) {
    struct Case {
        const char* name;
        bool newCommander;
        int year, month;
        Lines expected;
    } cases[] = {
        {"March 1940", false, 1940, 3, {"Date3_0_0=1939", "Month3_0_0=8", "Date3_0_1=1940", "Month3_0_1=2"}},
        {"September 1940",
         false,
         1940,
         9,
         {"Date3_0_0=1939", "Month3_0_0=9", "Date3_0_1=1940", "Month3_0_1=8"}},
        {"January 1942",
         false,
         1942,
         1,
         {"Date3_0_0=1941", "Month3_0_0=1", "Date3_0_1=1941", "Month3_0_1=12"}},
        {"new, January 1942",
         true,
         1942,
         1,
         {"Date3_0_0=1941", "Month3_0_0=1", "Date3_0_1=1942", "Month3_0_1=1"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        WriteLive(FlotillaCfg());
        const OrderForm form = c.newCommander
                                   ? NewCommanderForm(kWilhelmshaven, k105, c.year, c.month)
                                   : TransferForm(kWilhelmshaven, k105, {1939, 9, 1}, c.year, c.month);
        InitiateUpdate(platform, form, state);
        EXPECT_EQ(PickupBaseDates(Live()), c.expected);
    }
    EXPECT_TRUE(dialogs.Messages().empty());
}

TEST_F(FlotillaRewriteTest, PickupWithoutDepartureRecordGetsNoDepartureLines) {
    WriteLive(FlotillaCfg());
    InitiateUpdate(platform, TransferForm(kLaSpezia, k105, {1942, 4, 10}, 1942, 5), state);

    Lines expected = {"NbBases3=3",   "Base3_0=090;La Spezia", "Date3_0_0=1941",
                      "Month3_0_0=5", "Date3_0_1=1942",        "Month3_0_1=4"};
    expected.insert(expected.end(), kServingBlock.begin() + 9, kServingBlock.end());
    EXPECT_EQ(Live(), Join({kMarker, kHead, expected, kNbUboats3, kTail}));
}

TEST_F(FlotillaRewriteTest, BackupEndingBeforeTheUboatCountIsPutBack) {
    const std::string withoutCount = Join({kHead, kFlotilla3Bases, kTail});
    WriteLive(withoutCount);
    InitiateUpdate(platform, TransferForm(kWilhelmshaven, k105, {1942, 4, 10}, 1942, 5), state);

    ExpectMessages({{16, "Update Flottille", "Error: Input past end of file"},
                    {64, "Update Flottille",
                     "Your Flotilla Configuration File has been RESET to its Original Status."}});
    EXPECT_EQ(Live(), withoutCount);
    EXPECT_FALSE(BackupExists());
    EXPECT_FALSE(InstructionsExist());
    EXPECT_TRUE(shell.started.empty());
}

TEST_F(FlotillaRewriteTest, FailedWriteIsRecoveredLikeAnyRewriteError) {
    FaultyFileSystem faulty(fs);
    faulty.failWritesTo = "Flotilla.cfg";
    Platform failing{faulty, dialogs, shell};
    WriteLive(FlotillaCfg());
    InitiateUpdate(failing, TransferForm(kWilhelmshaven, k105, {1942, 4, 10}, 1942, 5), state);

    ExpectMessages({{16, "Update Flottille", "Error: Disk full"},
                    {64, "Update Flottille",
                     "Your Flotilla Configuration File has been RESET to its Original Status."}});
    EXPECT_EQ(Live(), FlotillaCfg());
    EXPECT_FALSE(BackupExists());
    EXPECT_FALSE(InstructionsExist());
}

TEST_F(FlotillaRewriteTest, SecondOrderStartsFromTheBackup) {
    WriteLive(FlotillaCfg());
    InitiateUpdate(platform, TransferForm(kWilhelmshaven, k105, {1942, 4, 10}, 1942, 5), state);
    InitiateUpdate(platform, TransferForm(kLorient, k102, {1942, 4, 10}, 1942, 5), state);

    // Flotilla 1's two bases as the backup has them.
    const auto first = std::find(kHead.begin(), kHead.end(), "NbBases1=2");
    const std::string oldBlock = Join({Lines(first, std::find(first, kHead.end(), "NbUboats1=0"))});
    const std::string newBlock = Join({{
        "NbBases1=2",
        "Base1_0=080;Lorient",
        "Date1_0_0=1941",
        "Month1_0_0=5",
        "Date1_0_1=1942",
        "Month1_0_1=4",
        "DeparturePointLong1_0=-330",
        "DeparturePointLat1_0=4770",
        "Heading1_0=270",
        "Base1_1=072;Wilhelmshaven",
        "Date1_1_0=1942",
        "Month1_1_0=5",
        "Date1_1_1=1945",
        "Month1_1_1=5",
        "DeparturePointLong1_1=800",
        "DeparturePointLat1_1=5350",
        "Heading1_1=350",
    }});
    std::string expected = Join({kMarker}) + FlotillaCfg();
    expected.replace(expected.find(oldBlock), oldBlock.size(), newBlock);
    ExpectMessages({});
    EXPECT_EQ(Live(), expected);
    EXPECT_EQ(Backup(), FlotillaCfg());
}

}  // namespace
}  // namespace zephrane::testing
