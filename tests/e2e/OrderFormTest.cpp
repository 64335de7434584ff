// The order form, step by step on the installation of tests/data/form, each
// step's controls as tests/data/e2e/<transcript> shows them: which fields
// each kind of order enables, the U-boat number field's keys, and the U-boat
// types offered at the date that counts.
#include <gtest/gtest.h>

#include <algorithm>

#include "e2e/DriveSession.h"

namespace zephrane::testing {
namespace {

// After start-up, each step's commands, fenced by "echo step N", then `show`
// of each control.
void ExpectSteps(const std::vector<Lines>& steps, const Lines& controls, const std::string& transcript) {
    Installation install("form");
    Lines commands = {"start"};
    for (std::size_t i = 0; i < steps.size(); ++i) {
        commands.push_back("echo step " + std::to_string(i));
        commands.insert(commands.end(), steps[i].begin(), steps[i].end());
        for (const auto& control : controls) commands.push_back("show " + control);
    }
    const Lines printed = RunDrive(DriveOptions(install), commands);
    EXPECT_EQ(Crlf(Lines(std::find(printed.begin(), printed.end(), "{\"echo\":\"step 0\"}"), printed.end())),
              Data("e2e/" + transcript));
}

TEST(OrderForm, TheKindOfOrderAndTheNewCommanderSetWhichFieldsAreEnabled) {
    ExpectSteps({{},
                 {"click chkNew"},
                 // A transfer takes the tick away and gives the date back.
                 {"click Option1 1"},
                 {"click Option1 0"},
                 {"click Option1 1", "click Option1 1"},
                 // Choosing the kind again leaves the tick and the date as they are.
                 {"click Option1 0", "click chkNew", "click Option1 0"},
                 {"click chkNew"}},
                {"Label6", "chkNew", "txtUBoatNumber", "cboUBoatType", "cboKommandant", "ssEndDate",
                 "cboMonth", "cboYear", "cboLocation", "cboDestination"},
                "form-states.txt");
}

// One to four digits, the first not 0; Backspace always.
TEST(OrderForm, TheUBoatNumberTakesOneToFourDigitsWithoutALeadingZero) {
    std::vector<Lines> steps;
    for (const char* keys : {"0", "a", "7", "0", "xZ-.", "12", "3", "\\b", "9"})
        steps.push_back({std::string("type txtUBoatNumber ") + keys});
    // A selection is replaced by a key only while the text is short enough.
    steps.push_back({"selecttext txtUBoatNumber 0 4", "type txtUBoatNumber 5"});
    steps.push_back({"type txtUBoatNumber \\b\\b\\b\\b\\b0 5"});
    steps.push_back({"type txtUBoatNumber \\b123", "selecttext txtUBoatNumber 0 3", "type txtUBoatNumber 0"});
    ExpectSteps(steps, {"txtUBoatNumber"}, "number-keys.txt");
}

// Start-up fills the list before there is a month or a year: 1 August 1939
// counts. For a new commander the chosen month and year count, held inside
// the campaign; otherwise the date the last patrol ended.
TEST(OrderForm, TheUBoatTypesFollowTheDateThatCounts) {
    ExpectSteps({{},
                 {"select cboUBoatType 1", "click chkNew", "select cboYear 4"},
                 {"select cboMonth 4"},
                 {"select cboMonth 5"},
                 {"select cboMonth 11"},
                 {"select cboYear 0"},
                 // A version counts from the first day of its month.
                 {"select cboMonth 8"},
                 {"select cboMonth 7"},
                 // Before August 1939 and after May 1945 lie outside the campaign.
                 {"select cboMonth 2"},
                 {"select cboYear 3", "select cboMonth 2", "select cboYear 0"},
                 {"select cboMonth 8", "select cboYear 6"},
                 {"select cboMonth 11"},
                 {"click chkNew", "select cboUBoatType 5"},
                 {"date ssEndDate 1943-05-31"},
                 {"date ssEndDate 1943-06-01"},
                 {"select cboYear 0"},
                 {"date ssEndDate 1939-09-01", "state sUBoatType"}},
                {"cboMonth", "cboUBoatType"}, "uboat-types.txt");
}

}  // namespace
}  // namespace zephrane::testing
