#include <gtest/gtest.h>

#include "orders/Checklist.h"
#include "orders/InitiateUpdate.h"
#include "orders/OrderFixture.h"

namespace zephrane::testing {
namespace {

using ChecklistTest = OrderFixture;

const Lines kHeader = {"================", "  INSTRUCTIONS", "================", ""};

TEST_F(ChecklistTest, ExperiencedCommanderCommissioningElsewhere) {
    WriteLive(FlotillaCfg());
    WriteCareer("080");
    OrderForm form = CommissioningForm(kWilhelmshaven, k105, {1942, 2, 20}, 1942, 3);
    form.locationText = "Wilhelmshaven ";
    form.uboatNumber = "123 ";
    form.uboatTypeText = " VIIC ";
    InitiateUpdate(platform, form, state);

    ExpectMessages({});
    EXPECT_EQ(
        ReadBytes(InstructionsPath()),
        Join({kHeader,
              {
                  "Experienced Kommandant's Checklist -- Commissioning a new U-Boat on 27-Feb-1942 ...",
                  "",
                  "   Start SH3 Commander",
                  "   Select 'SH3 Options'",
                  "   Select 'Career Settings'",
                  "   In 'Set Number of days spent in base to:', set the value to 9",
                  "   Press the 'Apply' button",
                  "   Press the 'OK' button",
                  "",
                  "   On the SH3 Commander main form ...",
                  "      Select your Kaleun's name from the list -- Hans Kurz",
                  "      The 'Number' entry should say U-123",
                  "      The 'Type' entry should say Type VIIC",
                  "      For 'Grid', enter the patrol grid assigned by your Flottillenchef,",
                  "         or a grid near your destination if no PZ assigned",
                  "   From SH3 Commander, start the simulation.",
                  "",
                  "   In SH3, select 'CAREER'",
                  "   Select your Kaleun name if not already selected, and press 'Accept'",
                  "   Select 'Saved Career'",
                  "   Load last saved game.  This should take you to the Briefing Room",
                  "",
                  "   You should receive a message that your base has changed to Wilhelmshaven",
                  "",
                  "   Make sure the U-Boat Type is as assigned in your orders",
                  "   Add the latest equipment available for your U-Boat Type",
                  "   Assign additional crew to your U-Boat, if necessary",
                  "   Once configuration of your U-Boat is complete, start your patrol",
                  "",
                  "   Your patrol should start from Wilhelmshaven ",
                  "   The date should be on or about 01-Mar-1942 depending on equipment upgrades",
                  "   You should receive a message that your base has changed to Brest",
                  "   Whether you receive this message or not, you can enter Brest on or after 01-Mar-1942",
                  "",
                  "",
              }}));
    EXPECT_EQ(shell.started,
              (std::vector<std::string>{"notepad.exe \"" + program.Str() + "\\Instructions.txt\""}));
}

TEST_F(ChecklistTest, NewCommanderStartingAugust1941) {
    WriteLive(FlotillaCfg());
    InitiateUpdate(platform, NewCommanderForm(kLorient, k105, 1941, 8), state);

    ExpectMessages({});
    EXPECT_EQ(
        ReadBytes(InstructionsPath()),
        Join({kHeader,
              {
                  "New Kommandant's Checklist -- Starting a new career with U-Boat commissioning on "
                  "01-May-1941",
                  "                              and beginning Combat Patrol on or about 01-Aug-1941...",
                  "",
                  "   Start SH3 Commander",
                  "   In the main SH3 Commander application window, select 'New Career'",
                  "      Enter your Kommandant's Name",
                  "      For 'Flotilla' select '5. U-Flottille'",
                  "      For 'Year', enter '1941'",
                  "      For 'Month', enter '8'",
                  "      For 'Type' enter the U-Boat Type assigned in your orders",
                  "      For 'Number', enter the U-Boat number assigned in your orders",
                  "      For 'Grid', enter the grid assigned by your new Flottillenchef,",
                  "         or a grid near your destination if no PZ assigned",
                  "   From SH3 Commander, start the simulation.",
                  "",
                  "   In SH3, select 'CAREER'",
                  "   Select your Kaleun name if not already selected, and press 'Accept'",
                  "   Select 'New Career'",
                  "   In the careers window ...",
                  "      Select the year '1941'",
                  "      Select the Flotilla '5. U-Flottille' regardless of what is displayed above it.",
                  "      Select 'Start'",
                  "   This should take you to the Briefing Room",
                  "   Make sure the U-Boat Type is as assigned in your orders",
                  "   Add the latest equipment available for your U-Boat Type",
                  "   Assign additional crew to your U-Boat, if necessary",
                  "   Once configuration of your U-Boat is complete, start your patrol",
                  "",
                  "   Your patrol should start from Lorient",
                  "   The date should be on or about 01-Aug-1941 depending on equipment upgrades",
                  "   Remain at sea at least until 01-Sep-1941",
                  "   You should receive a message on 01-Sep-1941 that your base has changed to Lorient",
                  "   Whether you receive this message or not, you can enter Lorient on or after 01-Sep-1941",
                  "",
                  "",
              }}));
}

TEST_F(ChecklistTest, TransferToAFlotillaNotYetOpenWhoseBaseHasNoName) {
    WriteLive(FlotillaCfg());
    state.sLocationCode.erase(state.sLocationCode.begin() + kBergen);
    state.locationNames.erase(state.locationNames.begin() + kBergen);
    InitiateUpdate(platform, TransferForm(kKiel, k107, {1940, 12, 20}, 1941, 1), state);

    ExpectMessages({});
    EXPECT_EQ(
        ReadBytes(InstructionsPath()),
        Join(
            {kHeader,
             {
                 "Kommandant's Checklist -- Inter-Flottille Transfer ...",
                 "",
                 "   Start SH3 Commander",
                 "   Select your Kaleun's name",
                 "   Select 'SH3 Options'",
                 "   Select 'Career Settings'",
                 "   In 'Set Number of days spent in base to:', set the value to 43",
                 "   Press the 'Apply' button",
                 "   Press the 'OK' button",
                 "",
                 "   On the SH3 Commander main form, enter the patrol grid assigned by your Flottillenchef, ",
                 "      or a grid near your destination if no PZ assigned.",
                 "   From SH3 Commander, start the simulation.",
                 "",
                 "   In SH3, select 'CAREER'",
                 "   Select your Kaleun name if not already selected, and press 'Accept'",
                 "   Select 'Saved Career'",
                 "   Load last saved game.  This should take you to the Briefing Room",
                 "   Select the phone on the desk",
                 "   Request transfer to the '7. U-Flottille'",
                 "",
                 "   Once the transfer is complete, start your patrol",
                 "",
                 "   Your patrol should start from Kiel",
                 "   The date should be on or about 01-Feb-1941 depending on equipment upgrades",
                 "   You should receive a message that your base has changed to ",
                 "   Whether you receive this message or not, you can enter  on or after 01-Mar-1941",
             }}));
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
    EXPECT_EQ(
        ReadBytes(InstructionsPath()),
        Join({kHeader,
              {
                  "Kommandant's Checklist -- Commissioning new U-Boat at home port of Wilhelmshaven ...",
                  "",
                  "   Exit Zephrane",
                  "",
                  "   Start SH3 Commander",
                  "      Select your Kaleun's name",
                  "      Select 'SH3 Options'",
                  "      Select 'Career Settings'",
                  "      In 'Set Number of days spent in base to:', set the value to 21",
                  "      Press the 'Apply' button",
                  "      Press the 'OK' button",
                  "",
                  "   On the SH3 Commander main form",
                  "      U-Boat Number should already be set to 123",
                  "      U-Boat Type should already be set to VIIC",
                  "",
                  "   Start SH3",
                  "      Make sure the U-Boat Type is as assigned in your orders",
                  "      Add the latest equipment available for your U-Boat Type",
                  "      Assign additional crew to your U-Boat, if necessary",
                  "   Start your patrol.",
              }}));
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
