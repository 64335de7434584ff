#include <gtest/gtest.h>

#include "orders/InitiateUpdate.h"
#include "orders/OrderFixture.h"
#include "platform/TextFile.h"

namespace zephrane::testing {
namespace {

using ProcessOrdersTest = OrderFixture;

const char* const kClosedBase =
    "Base will be closed before your arrival.  Transfer aborted.\r\n"
    "Check with your Flottillenchefand request new orders.";

bool HasLine(const std::string& bytes, const std::string& line) {
    for (const auto& l : SplitLines(bytes)) {
        if (l == line) return true;
    }
    return false;
}

TEST_F(ProcessOrdersTest, ServingCommanderCannotSailAfterMay1945) {
    WriteLive(FlotillaCfg());
    InitiateUpdate(platform, TransferForm(kKiel, k101, {1945, 4, 20}, 1945, 6), state);
    ExpectMessages({{16, "Initiate Update", "Departure date too late.  Transfer aborted."}});
    EXPECT_EQ(Live(), FlotillaCfg());
    EXPECT_FALSE(InstructionsExist());

    InitiateUpdate(platform, TransferForm(kKiel, k101, {1945, 4, 20}, 1945, 5), state);
    EXPECT_EQ(dialogs.Messages().size(), 1u);
    EXPECT_TRUE(HasLine(Live(), "Date0_1_0=1945"));
    EXPECT_TRUE(InstructionsExist());
}

TEST_F(ProcessOrdersTest, NewCommanderStartsNotBeforeAugust1939) {
    WriteLive(FlotillaCfg());
    InitiateUpdate(platform, NewCommanderForm(kWilhelmshaven, k101, 1939, 1), state);

    ExpectMessages({});
    const Lines expected = {"Base0_0=072;Wilhelmshaven", "Date0_0_0=1939", "Month0_0_0=8", "Date0_0_1=1939",
                            "Month0_0_1=8"};
    for (const auto& line : expected) EXPECT_TRUE(HasLine(Live(), line)) << line;
    EXPECT_TRUE(HasLine(Live(), "Month0_1_0=9"));
    EXPECT_TRUE(
        HasLine(ReadBytes(InstructionsPath()),
                "                              and beginning Combat Patrol on or about 01-Aug-1939..."));
}

TEST_F(ProcessOrdersTest, DestinationWithoutAnOpenBaseIsRefused) {
    state.sDestinationCode.push_back("999");
    struct Case {
        const char* name;
        OrderForm form;
    } cases[] = {
        {"every base closed", TransferForm(kKiel, k102, {1945, 4, 20}, 1945, 5)},
        {"no bases", TransferForm(kKiel, k104, {1942, 4, 10}, 1942, 5)},
        {"not in the table", TransferForm(kKiel, 5, {1942, 4, 10}, 1942, 5)},
        {"new commander, every base closed", NewCommanderForm(kKiel, k102, 1945, 6)},
    };
    WriteLive(FlotillaCfg());
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        RecordingDialogs caseDialogs;
        Platform casePlatform{fs, caseDialogs, shell};
        InitiateUpdate(casePlatform, c.form, state);
        ASSERT_EQ(caseDialogs.Messages().size(), 1u);
        EXPECT_EQ(caseDialogs.Messages()[0].text, kClosedBase);
        EXPECT_EQ(caseDialogs.Messages()[0].style, 16);
        EXPECT_EQ(caseDialogs.Messages()[0].title, "Initiate Update");
        EXPECT_EQ(Live(), FlotillaCfg());
        EXPECT_EQ(Backup(), FlotillaCfg());
        EXPECT_FALSE(InstructionsExist());
    }
}

TEST_F(ProcessOrdersTest, RefusedCareerUpdateEndsTheOrderBeforeFlotillaCfg) {
    WriteLive(FlotillaCfg());
    InitiateUpdate(platform, CommissioningForm(kWilhelmshaven, k105, {1942, 4, 10}, 1942, 5), state);

    ASSERT_EQ(dialogs.Messages().size(), 1u);
    EXPECT_EQ(dialogs.Messages()[0].style, 16);
    EXPECT_EQ(Live(), FlotillaCfg());
    EXPECT_FALSE(InstructionsExist());
    EXPECT_FALSE(state.bSameLocation);
    EXPECT_TRUE(shell.started.empty());
}

TEST_F(ProcessOrdersTest, RewriteErrorAfterCareerUpdateKeepsTheCareerChange) {
    const std::string withoutCount = Join({kHead, kFlotilla3Bases, kTail});
    WriteLive(withoutCount);
    WriteCareer("080");
    InitiateUpdate(platform, CommissioningForm(kWilhelmshaven, k105, {1942, 4, 10}, 1942, 5), state);

    ExpectMessages({{16, "Update Flottille", "Error: Input past end of file"},
                    {64, "Update Flottille",
                     "Your Flotilla Configuration File has been RESET to its Original Status."}});
    EXPECT_EQ(Live(), withoutCount);
    EXPECT_NE(Career("Patrols_0.cfg").find("EndLocation=072\r\n"), std::string::npos);
    EXPECT_FALSE(InstructionsExist());
}

}  // namespace
}  // namespace zephrane::testing
