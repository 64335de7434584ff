#include "support/Checklists.h"

namespace zephrane::testing {

std::string Instructions(const Lines& body) {
    return Join({{"================", "  INSTRUCTIONS", "================", ""}, body});
}

Lines ExperiencedChecklist(const ExperiencedValues& v) {
    return {
        "Experienced Kommandant's Checklist -- Commissioning a new U-Boat on " + v.commission + " ...",
        "",
        "   Start SH3 Commander",
        "   Select 'SH3 Options'",
        "   Select 'Career Settings'",
        "   In 'Set Number of days spent in base to:', set the value to " + v.days,
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
        "   You should receive a message that your base has changed to " + v.pickup,
        "",
        "   Make sure the U-Boat Type is as assigned in your orders",
        "   Add the latest equipment available for your U-Boat Type",
        "   Assign additional crew to your U-Boat, if necessary",
        "   Once configuration of your U-Boat is complete, start your patrol",
        "",
        "   Your patrol should start from " + v.from,
        "   The date should be on or about " + v.start + " depending on equipment upgrades",
        "   You should receive a message that your base has changed to " + v.base,
        "   Whether you receive this message or not, you can enter " + v.base + " on or after " + v.start,
        "",
        "",
    };
}

Lines TransferChecklist(const std::string& days, const std::string& destination, const std::string& from,
                        const std::string& start, const std::string& base, const std::string& enter) {
    return {
        "Kommandant's Checklist -- Inter-Flottille Transfer ...",
        "",
        "   Start SH3 Commander",
        "   Select your Kaleun's name",
        "   Select 'SH3 Options'",
        "   Select 'Career Settings'",
        "   In 'Set Number of days spent in base to:', set the value to " + days,
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
        "   Request transfer to the '" + destination + "'",
        "",
        "   Once the transfer is complete, start your patrol",
        "",
        "   Your patrol should start from " + from,
        "   The date should be on or about " + start + " depending on equipment upgrades",
        "   You should receive a message that your base has changed to " + base,
        "   Whether you receive this message or not, you can enter " + base + " on or after " + enter,
    };
}

Lines NewCommanderChecklist(const NewCommanderValues& v) {
    return {
        "New Kommandant's Checklist -- Starting a new career with U-Boat commissioning on " +
            v.commissionLessThree,
        "                              and beginning Combat Patrol on or about " + v.commission + "...",
        "",
        "   Start SH3 Commander",
        "   In the main SH3 Commander application window, select 'New Career'",
        "      Enter your Kommandant's Name",
        "      For 'Flotilla' select '" + v.destination + "'",
        "      For 'Year', enter '" + v.year + "'",
        "      For 'Month', enter '" + v.month + "'",
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
        "      Select the year '" + v.year + "'",
        "      Select the Flotilla '" + v.destination + "' regardless of what is displayed above it.",
        "      Select 'Start'",
        "   This should take you to the Briefing Room",
        "   Make sure the U-Boat Type is as assigned in your orders",
        "   Add the latest equipment available for your U-Boat Type",
        "   Assign additional crew to your U-Boat, if necessary",
        "   Once configuration of your U-Boat is complete, start your patrol",
        "",
        "   Your patrol should start from " + v.from,
        "   The date should be on or about " + v.start + " depending on equipment upgrades",
        "   Remain at sea at least until " + v.monthLater,
        "   You should receive a message on " + v.monthLater + " that your base has changed to " + v.base,
        "   Whether you receive this message or not, you can enter " + v.base + " on or after " +
            v.monthLater,
        "",
        "",
    };
}

Lines HomePortChecklist(const std::string& port, const std::string& days) {
    return {
        "Kommandant's Checklist -- Commissioning new U-Boat at home port of " + port + " ...",
        "",
        "   Exit Zephrane",
        "",
        "   Start SH3 Commander",
        "      Select your Kaleun's name",
        "      Select 'SH3 Options'",
        "      Select 'Career Settings'",
        "      In 'Set Number of days spent in base to:', set the value to " + days,
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
    };
}

}  // namespace zephrane::testing
