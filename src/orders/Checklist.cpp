#include "orders/Checklist.h"

#include "gamefiles/CfgLine.h"
#include "platform/ShownPath.h"
#include "platform/TextFile.h"

namespace zephrane {
namespace {

using Lines = std::vector<std::string>;

std::string D(const Date& date) {
    return FormatDdMmmYyyy(date);
}

std::string DaysInBase(const ChecklistValues& v) {
    return std::to_string(DaysBetween(v.lastPatrolEnd, v.dStart));
}

void Append(Lines& lines, std::initializer_list<std::string> more) {
    lines.insert(lines.end(), more);
}

void AppendHeader(Lines& lines) {
    Append(lines, {"================", "  INSTRUCTIONS", "================", ""});
}

void AppendHomePort(Lines& lines, const ChecklistValues& v) {
    Append(lines, {
                      "Kommandant's Checklist -- Commissioning new U-Boat at home port of " + v.locationText +
                          " ...",
                      "",
                      "   Exit Zephrane",
                      "",
                      "   Start SH3 Commander",
                      "      Select your Kaleun's name",
                      "      Select 'SH3 Options'",
                      "      Select 'Career Settings'",
                      "      In 'Set Number of days spent in base to:', set the value to " + DaysInBase(v),
                      "      Press the 'Apply' button",
                      "      Press the 'OK' button",
                      "",
                      "   On the SH3 Commander main form",
                      "      U-Boat Number should already be set to " + v.uboatNumber,
                      "      U-Boat Type should already be set to " + v.uboatTypeText,
                      "",
                      "   Start SH3",
                      "      Make sure the U-Boat Type is as assigned in your orders",
                      "      Add the latest equipment available for your U-Boat Type",
                      "      Assign additional crew to your U-Boat, if necessary",
                      "   Start your patrol.",
                  });
}

void AppendTransfer(Lines& lines, const ChecklistValues& v) {
    Append(lines,
           {
               "Kommandant's Checklist -- Inter-Flottille Transfer ...",
               "",
               "   Start SH3 Commander",
               "   Select your Kaleun's name",
               "   Select 'SH3 Options'",
               "   Select 'Career Settings'",
               "   In 'Set Number of days spent in base to:', set the value to " + DaysInBase(v),
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
               "   Request transfer to the '" + v.destinationText + "'",
               "",
               "   Once the transfer is complete, start your patrol",
               "",
               "   Your patrol should start from " + v.locationText,
               "   The date should be on or about " + D(v.dStart) + " depending on equipment upgrades",
               "   You should receive a message that your base has changed to " + v.sBaseName,
               "   Whether you receive this message or not, you can enter " + v.sBaseName + " on or after " +
                   D(v.dEnterBase),
           });
}

void AppendExperienced(Lines& lines, const ChecklistValues& v) {
    Append(lines,
           {
               "Experienced Kommandant's Checklist -- Commissioning a new U-Boat on " + D(v.dCommission) +
                   " ...",
               "",
               "   Start SH3 Commander",
               "   Select 'SH3 Options'",
               "   Select 'Career Settings'",
               "   In 'Set Number of days spent in base to:', set the value to " + DaysInBase(v),
               "   Press the 'Apply' button",
               "   Press the 'OK' button",
               "",
               "   On the SH3 Commander main form ...",
               "      Select your Kaleun's name from the list -- " + TrimBlanks(v.kommandantText),
               "      The 'Number' entry should say U-" + TrimBlanks(v.uboatNumber),
               "      The 'Type' entry should say Type " + TrimBlanks(v.uboatTypeText),
               "      For 'Grid', enter the patrol grid assigned by your Flottillenchef,",
               "         or a grid near your destination if no PZ assigned",
               "   From SH3 Commander, start the simulation.",
               "",
               "   In SH3, select 'CAREER'",
               "   Select your Kaleun name if not already selected, and press 'Accept'",
               "   Select 'Saved Career'",
               "   Load last saved game.  This should take you to the Briefing Room",
               "",
               "   You should receive a message that your base has changed to " + TrimBlanks(v.locationText),
               "",
               "   Make sure the U-Boat Type is as assigned in your orders",
               "   Add the latest equipment available for your U-Boat Type",
               "   Assign additional crew to your U-Boat, if necessary",
               "   Once configuration of your U-Boat is complete, start your patrol",
               "",
               "   Your patrol should start from " + v.locationText,
               "   The date should be on or about " + D(v.dStart) + " depending on equipment upgrades",
               "   You should receive a message that your base has changed to " + v.sBaseName,
               "   Whether you receive this message or not, you can enter " + v.sBaseName + " on or after " +
                   D(v.dEnterBase),
               "",
               "",
           });
}

void AppendNewCommander(Lines& lines, const ChecklistValues& v) {
    const std::string year = std::to_string(v.dCommission.year);
    const std::string monthLater = D(AddMonths(v.dStart, 1));
    Append(lines, {
                      "New Kommandant's Checklist -- Starting a new career with U-Boat commissioning on " +
                          D(AddMonths(v.dCommission, -3)),
                      "                              and beginning Combat Patrol on or about " +
                          D(v.dCommission) + "...",
                      "",
                      "   Start SH3 Commander",
                      "   In the main SH3 Commander application window, select 'New Career'",
                      "      Enter your Kommandant's Name",
                      "      For 'Flotilla' select '" + v.destinationText + "'",
                      "      For 'Year', enter '" + year + "'",
                      "      For 'Month', enter '" + std::to_string(v.dCommission.month) + "'",
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
                      "      Select the year '" + year + "'",
                      "      Select the Flotilla '" + v.destinationText +
                          "' regardless of what is displayed above it.",
                      "      Select 'Start'",
                      "   This should take you to the Briefing Room",
                      "   Make sure the U-Boat Type is as assigned in your orders",
                      "   Add the latest equipment available for your U-Boat Type",
                      "   Assign additional crew to your U-Boat, if necessary",
                      "   Once configuration of your U-Boat is complete, start your patrol",
                      "",
                      "   Your patrol should start from " + v.locationText,
                      "   The date should be on or about " + D(v.dStart) + " depending on equipment upgrades",
                      "   Remain at sea at least until " + monthLater,
                      "   You should receive a message on " + monthLater + " that your base has changed to " +
                          v.sBaseName,
                      "   Whether you receive this message or not, you can enter " + v.sBaseName +
                          " on or after " + monthLater,
                      "",
                      "",
                  });
}

}  // namespace

std::vector<std::string> ChecklistLines(ChecklistKind kind, const ChecklistValues& values) {
    Lines lines;
    AppendHeader(lines);
    switch (kind) {
        case ChecklistKind::HomePort:
            AppendHomePort(lines, values);
            break;
        case ChecklistKind::Transfer:
            AppendTransfer(lines, values);
            break;
        case ChecklistKind::Experienced:
            AppendExperienced(lines, values);
            break;
        case ChecklistKind::NewCommander:
            AppendNewCommander(lines, values);
            break;
    }
    return lines;
}

std::string ChecklistPath(const Shell& shell) {
    return shell.ProgramFolder() + "\\Instructions.txt";
}

void WriteChecklist(Platform& platform, ChecklistKind kind, const ChecklistValues& values) {
    const std::string path = ChecklistPath(platform.shell);
    const std::vector<std::string> lines = ChecklistLines(kind, values);
    if (auto r = WriteLines(platform.fs, path, lines); !r) {
        platform.dialogs.MsgBox(
            "Could not write your checklist to the file\r\n" + ShownPath(path) + "\r\n" + r.error,
            kStyleCritical, "Initiate Update");
        return;
    }
    // Without a viewer the checklist is shown by the program itself: an order
    // that went through never ends without its checklist in sight.
    if (auto r = platform.shell.StartProgram("notepad.exe \"" + platform.shell.ProgramFolder() +
                                             "\\Instructions.txt\"");
        !r) {
        platform.dialogs.ShowChecklist(ShownPath(path), JoinLines(lines), r.error);
    }
}

}  // namespace zephrane
