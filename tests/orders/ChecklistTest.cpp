#include <gtest/gtest.h>

#include "orders/Checklist.h"
#include "orders/InitiateUpdate.h"
#include "orders/OrderFixture.h"
#include "support/Checklists.h"

namespace zephrane::testing {
namespace {

using ChecklistTest = OrderFixture;

TEST_F(ChecklistTest, ExperiencedCommanderCommissioningElsewhere) {
    WriteLive(FlotillaCfg());
    WriteCareer("080");
    OrderForm form = CommissioningForm(kWilhelmshaven, k105, {1942, 2, 20}, 1942, 3);
    form.locationText = "Wilhelmshaven ";
    form.uboatNumber = "123 ";
    form.uboatTypeText = " VIIC ";
    InitiateUpdate(platform, form, state);

    ExpectMessages({});
    EXPECT_EQ(ReadBytes(InstructionsPath()),
              Instructions(ExperiencedChecklist(
                  {"27-Feb-1942", "9", "Wilhelmshaven", "Wilhelmshaven ", "01-Mar-1942", "Brest"})));
    EXPECT_EQ(shell.started,
              (std::vector<std::string>{"notepad.exe \"" + program.Str() + "\\Instructions.txt\""}));
}

TEST_F(ChecklistTest, NewCommanderStartingAugust1941) {
    WriteLive(FlotillaCfg());
    InitiateUpdate(platform, NewCommanderForm(kLorient, k105, 1941, 8), state);

    ExpectMessages({});
    EXPECT_EQ(ReadBytes(InstructionsPath()),
              Instructions(NewCommanderChecklist({"01-May-1941", "01-Aug-1941", "5. U-Flottille", "1941", "8",
                                                  "Lorient", "01-Aug-1941", "01-Sep-1941", "Lorient"})));
}

TEST_F(ChecklistTest, TransferToAFlotillaNotYetOpenWhoseBaseHasNoName) {
    WriteLive(FlotillaCfg());
    state.sLocationCode.erase(state.sLocationCode.begin() + kBergen);
    state.locationNames.erase(state.locationNames.begin() + kBergen);
    InitiateUpdate(platform, TransferForm(kKiel, k107, {1940, 12, 20}, 1941, 1), state);

    ExpectMessages({});
    EXPECT_EQ(
        ReadBytes(InstructionsPath()),
        Instructions(TransferChecklist("43", "7. U-Flottille", "Kiel", "01-Feb-1941", "", "01-Mar-1941")));
}

TEST_F(ChecklistTest, HomePortCommissioningPutsTheBackupBack) {
    WriteLive(FlotillaCfg());
    WriteCareer("072");
    InitiateUpdate(platform, TransferForm(kLorient, k102, {1942, 4, 10}, 1942, 5), state);
    ASSERT_NE(Live(), FlotillaCfg());
    InitiateUpdate(platform, CommissioningForm(kWilhelmshaven, k105, {1942, 4, 10}, 1942, 5), state);

    ExpectMessages({});
    EXPECT_EQ(Live(), FlotillaCfg());
    EXPECT_FALSE(BackupExists());
    EXPECT_FALSE(state.bSameLocation);
    EXPECT_EQ(ReadBytes(InstructionsPath()), Instructions(HomePortChecklist("Wilhelmshaven", "21")));
    EXPECT_EQ(shell.started.size(), 2u);
}

class FailingShell : public RecordingShell {
public:
    IoResult StartProgram(const std::string& commandLine) override {
        started.push_back(commandLine);
        return IoResult::Failure("No such program");
    }
};

TEST_F(ChecklistTest, ChecklistThatCannotBeWrittenOrOpenedIsNamed) {
    ChecklistValues values;
    const std::string path = program.Str() + "\\Instructions.txt";

    FailingShell failing;
    failing.programFolder = program.Str();
    Platform noNotepad{fs, dialogs, failing};
    WriteChecklist(noNotepad, ChecklistKind::Transfer, values);
    EXPECT_TRUE(InstructionsExist());
    ASSERT_EQ(dialogs.Messages().size(), 1u);
    EXPECT_EQ(dialogs.Messages()[0].text,
              "Notepad could not be started: No such program\r\n"
              "Your checklist has been written to the file\r\n" +
                  path + "\r\nOpen it to follow your orders.");
    EXPECT_EQ(dialogs.Messages()[0].style, 64);
    EXPECT_EQ(dialogs.Messages()[0].title, "Initiate Update");

    std::filesystem::remove(InstructionsPath());
    program.MakeDir("Instructions.txt");
    WriteChecklist(platform, ChecklistKind::Transfer, values);
    ASSERT_EQ(dialogs.Messages().size(), 2u);
    EXPECT_EQ(
        dialogs.Messages()[1].text.rfind("Could not write your checklist to the file\r\n" + path + "\r\n", 0),
        0u);
    EXPECT_EQ(dialogs.Messages()[1].style, 16);
    EXPECT_EQ(dialogs.Messages()[1].title, "Initiate Update");
    EXPECT_TRUE(shell.started.empty());
}

}  // namespace
}  // namespace zephrane::testing
