// The four kinds of order, carried out through the main window on a whole
// installation; every file they write is compared byte for byte.
#include "e2e/OrderFixture.h"

namespace zephrane::testing {
namespace {

using Orders = OrderE2E;

// Flotilla 3 after an order at Wilhelmshaven with k = 2 (Brest still open):
// the pickup as base 0, Brest from `startYear`/`startMonth` (the month after
// for a new commander), Bergen with all its old values.
Lines Flotilla3AtWilhelmshaven(const std::string& openYear, const std::string& openMonth,
                               const std::string& closeYear, const std::string& closeMonth,
                               const std::string& brestYear, const std::string& brestMonth) {
    return {
        "NbBases3=3",
        "Base3_0=751;Wilhelmshaven",
        "Date3_0_0=" + openYear,
        "Month3_0_0=" + openMonth,
        "Date3_0_1=" + closeYear,
        "Month3_0_1=" + closeMonth,
        "DeparturePointLong3_0=800",
        "DeparturePointLat3_0=5350",
        "Heading3_0=350",
        "Base3_1=753;Brest",
        "Date3_1_0=" + brestYear,
        "Month3_1_0=" + brestMonth,
        "Date3_1_1=1944",
        "Month3_1_1=8",
        "DeparturePointLong3_1=-450",
        "DeparturePointLat3_1=4840",
        "Heading3_1=280",
        "Base3_2=754;Bergen",
        "Date3_2_0=1944",
        "Month3_2_0=9",
        "Date3_2_1=1945",
        "Month3_2_1=5",
        "DeparturePointLong3_2=530",
        "DeparturePointLat3_2=6040",
        "Heading3_2=300",
    };
}

std::string FlotillaWithBlock3(const Lines& block3) {
    return Join({kMarker, kHead, block3, kNbUboats3, kMid, kBases4, kNbUboats4, kBases5, kTail});
}

// Flotilla 4 after an order at Brest for a patrol in early 1941: the pickup
// as base 0 from February 1940 to `closeMonth` 1941, Bergen from
// `bergenMonth` 1941 with its first departure lines.
Lines Flotilla4AtBrest(const std::string& closeMonth, const std::string& bergenMonth) {
    return {
        "NbBases4=2",
        "Base4_0=753;Brest",
        "Date4_0_0=1940",
        "Month4_0_0=2",
        "Date4_0_1=1941",
        "Month4_0_1=" + closeMonth,
        "DeparturePointLong4_0=-450",
        "DeparturePointLat4_0=4840",
        "Heading4_0=280",
        "Base4_1=754;Bergen",
        "Date4_1_0=1941",
        "Month4_1_0=" + bergenMonth,
        "Date4_1_1=1945",
        "Month4_1_1=5",
        "DeparturePointLong4_1=530",
        "DeparturePointLat4_1=6040",
        "Heading4_1=300",
    };
}

std::string FlotillaWithBlock4(const Lines& block4) {
    return Join({kMarker, kHead, kBases3, kNbUboats3, kMid, block4, kNbUboats4, kBases5, kTail});
}

// The worked example: flotilla 3 (905), k = 2, start 1 May 1942, pickup
// Wilhelmshaven. A second order in the same session starts again from the
// backup, which the marked file no longer refreshes.
TEST_F(Orders, ServingCommanderCommissionsTwiceInARow) {
    const Tree before = Snapshot();
    const auto first = Order(ServingForm("1942-04-20", 5, 1942, kWilhelmshaven, k5th));
    ExpectQuiet(first);
    ExpectInstructionsOpened(first);

    Tree expected = before;
    expected[kLive] = FlotillaWithBlock3(Flotilla3AtWilhelmshaven("1941", "5", "1942", "4", "1942", "5"));
    expected[kBackup] = FlotillaCfg();
    expected[kPatrols0] = Patrols0After("751");
    expected[kCareers0] = Careers0After();
    expected[kInstructions] = Instructions(ExperiencedChecklist(
        {"27-Apr-1942", "11", "Wilhelmshaven", "Wilhelmshaven", "01-May-1942", "Brest"}));
    ExpectTree(Snapshot(), expected);

    // Last patrol ended 20 February 1942, next patrol March 1942.
    const auto second = Order(ServingForm("1942-02-20", 3, 1942, kWilhelmshaven, k5th));
    ExpectQuiet(second);
    ExpectInstructionsOpened(second);
    expected[kLive] = FlotillaWithBlock3(Flotilla3AtWilhelmshaven("1941", "3", "1942", "2", "1942", "3"));
    expected[kInstructions] = Instructions(
        ExperiencedChecklist({"27-Feb-1942", "9", "Wilhelmshaven", "Wilhelmshaven", "01-Mar-1942", "Brest"}));
    ExpectTree(Snapshot(), expected);
}

TEST_F(Orders, NewCommanderStartsACareer) {
    const Tree before = Snapshot();
    const auto result = Order(NewCommanderForm(5, 1942, kWilhelmshaven, k5th));
    ExpectQuiet(result);
    ExpectInstructionsOpened(result);

    Tree expected = before;
    expected[kLive] = FlotillaWithBlock3(Flotilla3AtWilhelmshaven("1941", "5", "1942", "5", "1942", "6"));
    expected[kBackup] = FlotillaCfg();
    expected[kInstructions] =
        Instructions(NewCommanderChecklist({"01-Feb-1942", "01-May-1942", "5. U-Flottille", "1942", "5",
                                            "Wilhelmshaven", "01-May-1942", "01-Jun-1942", "Brest"}));
    ExpectTree(Snapshot(), expected);
}

// Flotilla 4 opens in March 1941: the commander sails in February and enters
// Bergen in March. A stale backup from an earlier installation is replaced by
// the unmarked live file.
TEST_F(Orders, TransferToAFlotillaThatOpensLater) {
    Write(kBackup, "stale backup\r\n");
    const Tree before = Snapshot();
    const auto result = Order(TransferForm("1940-12-20", 1, 1941, kBrest, k7th));
    ExpectQuiet(result);
    ExpectInstructionsOpened(result);

    Tree expected = before;
    expected[kLive] = FlotillaWithBlock4(Flotilla4AtBrest("1", "2"));
    expected[kBackup] = FlotillaCfg();
    expected[kInstructions] = Instructions(
        TransferChecklist("43", "7. U-Flottille", "Brest", "01-Feb-1941", "Bergen", "01-Mar-1941"));
    ExpectTree(Snapshot(), expected);
}

// Flotilla 5 after a transfer from La Spezia with the next patrol in July
// 1943: La Spezia has no departure lines, 770 has no name.
const Lines kBlock5AtLaSpezia = {
    "NbBases5=2",
    "Base5_0=755;La Spezia",
    "Date5_0_0=1942",
    "Month5_0_0=7",
    "Date5_0_1=1943",
    "Month5_0_1=6",
    "Base5_1=770;",
    "Date5_1_0=1943",
    "Month5_1_0=7",
    "Date5_1_1=1945",
    "Month5_1_1=5",
    "DeparturePointLong5_1=1040",
    "DeparturePointLat5_1=6343",
    "Heading5_1=330",
};

// Flotilla 5's base has no location entry: its name is empty. La Spezia is
// no flotilla's base: the pickup gets no departure lines.
TEST_F(Orders, TransferToABaseWithoutName) {
    const Tree before = Snapshot();
    const auto result = Order(TransferForm("1943-06-10", 7, 1943, kLaSpezia, k9th));
    ExpectQuiet(result);

    Tree expected = before;
    expected[kLive] =
        Join({kMarker, kHead, kBases3, kNbUboats3, kMid, kBases4, kNbUboats4, kBlock5AtLaSpezia, kTail});
    expected[kBackup] = FlotillaCfg();
    expected[kInstructions] = Instructions(
        TransferChecklist("21", "9. U-Flottille", "La Spezia", "01-Jul-1943", "", "01-Jul-1943"));
    ExpectTree(Snapshot(), expected);
}

// Kiel is where the last patrol ended: the marked Flotilla.cfg is replaced
// by the backup, which is used up; the next order makes a new one.
TEST_F(Orders, CommissioningAtTheHomePortRestoresTheConfiguration) {
    const std::string original = FlotillaCfg();
    Write(kLive, Join({kMarker, {"; an earlier order"}, kHead}));
    Write(kBackup, original);
    // Left over from an earlier run that had finished with them: removed.
    const Tree initial = Snapshot();
    Write("c/Careers/Hans Kurz/Patrols_0.xxx", initial.at(kPatrols0));
    Write("c/Careers/Hans Kurz/Careers_0.xxx", initial.at(kCareers0));
    Write(kInstructions, std::string(4000, 'x'));
    const Tree before = Snapshot();
    const auto result = Drive(Then(ServingForm("1942-04-20", 5, 1942, kKiel, k5th),
                                   {"click btnInitiateUpdate", "state bSameLocation"}));
    ExpectQuiet(result);
    ExpectInstructionsOpened(result);
    EXPECT_EQ(result.First("\"state\""), R"({"state":"bSameLocation","value":false})");

    Tree expected = before;
    expected[kLive] = original;
    expected.erase(kBackup);
    expected.erase("c/Careers/Hans Kurz/Patrols_0.xxx");
    expected.erase("c/Careers/Hans Kurz/Careers_0.xxx");
    expected[kPatrols0] = Patrols0After("750");
    expected[kCareers0] = Careers0After();
    expected[kInstructions] = Instructions(HomePortChecklist("Kiel", "11"));
    ExpectTree(Snapshot(), expected);

    // The next order finds no backup and makes one of the restored file.
    const auto next = Order(TransferForm("1943-06-10", 7, 1943, kLaSpezia, k9th));
    ExpectQuiet(next);
    const Tree after = Snapshot();
    ASSERT_TRUE(after.count(kBackup));
    EXPECT_EQ(after.at(kBackup), original);
    EXPECT_EQ(after.at(kLive).rfind(Join({kMarker, kHead}), 0), 0u);
}

// A marked Flotilla.cfg without a backup becomes the backup as it is; the
// order's file then starts from it, marker and all.
TEST_F(Orders, MarkedConfigurationWithoutBackupBecomesTheBackup) {
    const std::string marked =
        Join({kMarker, kHead, kBases3, kNbUboats3, kMid, kBases4, kNbUboats4, kBases5, kTail});
    Write(kLive, marked);
    const Tree before = Snapshot();
    const auto result = Order(TransferForm("1943-06-10", 7, 1943, kLaSpezia, k9th));
    ExpectQuiet(result);
    Tree expected = before;
    expected[kBackup] = marked;
    expected[kLive] = Join(
        {kMarker, kMarker, kHead, kBases3, kNbUboats3, kMid, kBases4, kNbUboats4, kBlock5AtLaSpezia, kTail});
    expected[kInstructions] = Instructions(
        TransferChecklist("21", "9. U-Flottille", "La Spezia", "01-Jul-1943", "", "01-Jul-1943"));
    ExpectTree(Snapshot(), expected);
}

// A new commander for a flotilla that opens in March 1941, next patrol in
// January: commissioned in January, sails in February, enters in March.
TEST_F(Orders, NewCommanderForAFlotillaThatOpensLater) {
    const Tree before = Snapshot();
    const auto result = Order(NewCommanderForm(1, 1941, kBrest, k7th));
    ExpectQuiet(result);

    Tree expected = before;
    expected[kLive] = FlotillaWithBlock4(Flotilla4AtBrest("2", "3"));
    expected[kBackup] = FlotillaCfg();
    expected[kInstructions] =
        Instructions(NewCommanderChecklist({"01-Oct-1940", "01-Jan-1941", "7. U-Flottille", "1941", "1",
                                            "Brest", "01-Feb-1941", "01-Mar-1941", "Bergen"}));
    ExpectTree(Snapshot(), expected);
}

}  // namespace
}  // namespace zephrane::testing
