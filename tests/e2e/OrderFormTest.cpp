#include <gtest/gtest.h>

#include "e2e/ControlLines.h"

namespace zephrane::testing {
namespace {

std::string TypesLine(const std::vector<std::string>& items, int selected = -1, bool enabled = true) {
    return ListLine("cboUBoatType", items, selected, enabled);
}

std::string NumberLine(const std::string& text, bool enabled = true) {
    return FieldLine("txtUBoatNumber", text, enabled);
}

std::string EndDateLine(const std::string& date, bool enabled) {
    return "{\"control\":\"ssEndDate\",\"date\":\"" + date + "\",\"enabled\":" + JsonBool(enabled) +
           ",\"backcolor\":\"" + BackColour(enabled) + "\"}";
}

struct FormState {
    std::string label6;
    int chkNew;
    bool chkNewEnabled;
    bool commanderFieldsEnabled;  // cboKommandant, cboUBoatType, txtUBoatNumber
    bool endDateEnabled;
};

const std::vector<std::string> kShowForm = {"show Label6",       "show chkNew",         "show cboKommandant",
                                            "show cboUBoatType", "show txtUBoatNumber", "show ssEndDate"};

std::vector<std::string> FormLines(const FormState& s) {
    return {
        Caption("Label6", s.label6),
        "{\"control\":\"chkNew\",\"caption\":\"New Kommandant; or\",\"value\":" + std::to_string(s.chkNew) +
            ",\"enabled\":" + JsonBool(s.chkNewEnabled) + ",\"backcolor\":\"" + BackColour(s.chkNewEnabled) +
            "\"}",
        ListLine("cboKommandant", {}, -1, s.commanderFieldsEnabled),
        ListLine("cboUBoatType", {}, -1, s.commanderFieldsEnabled),
        NumberLine("", s.commanderFieldsEnabled),
        EndDateLine("1939-08-01", s.endDateEnabled),
    };
}

TEST(OrderForm, KindOfOrderAndNewCommanderSetTheFieldsStates) {
    TempDir root;
    NoWarning(root);
    root.MakeDir("c/Docs/SH3/data/cfg/Careers");
    const std::string pickup = "U-Boat Pickup Location:";
    const std::string starting = "Starting Location:";
    struct Step {
        std::vector<std::string> clicks;
        FormState state;
    };
    const std::vector<Step> steps = {
        {{}, {pickup, 0, true, true, true}},
        {{"click chkNew"}, {pickup, 1, true, false, false}},
        // Transfer while the new commander is ticked: the tick goes, the date comes back.
        {{"click Option1 1"}, {starting, 0, false, false, true}},
        {{"click Option1 0"}, {pickup, 0, true, true, true}},
        {{"click Option1 1"}, {starting, 0, false, false, true}},
        {{"click Option1 1"}, {starting, 0, false, false, true}},
        {{"click Option1 0", "click chkNew", "click Option1 0"}, {pickup, 1, true, true, false}},
        {{"click chkNew"}, {pickup, 0, true, true, true}},
        {{"click chkNew", "click Option1 1", "click Option1 0"}, {pickup, 0, true, true, true}},
    };
    std::vector<std::string> commands = {"start"};
    std::vector<std::string> expected;
    for (std::size_t i = 0; i < steps.size(); ++i) {
        commands.push_back("echo step " + std::to_string(i));
        expected.push_back(Echo("step " + std::to_string(i)));
        commands.insert(commands.end(), steps[i].clicks.begin(), steps[i].clicks.end());
        commands.insert(commands.end(), kShowForm.begin(), kShowForm.end());
        const auto lines = FormLines(steps[i].state);
        expected.insert(expected.end(), lines.begin(), lines.end());
    }
    // The lists of the next patrol and the places are never disabled.
    commands.insert(commands.end(), {"click Option1 1", "show Option1 0", "show Option1 1",
                                     "show cboLocation", "show cboDestination"});
    expected.insert(expected.end(), {"{\"control\":\"Option1\",\"index\":0,\"caption\":\"Commissioning New "
                                     "U-Boat\",\"value\":false,\"enabled\":true}",
                                     "{\"control\":\"Option1\",\"index\":1,\"caption\":\"Transfer Between "
                                     "U-Flottillen\",\"value\":true,\"enabled\":true}",
                                     ListLine("cboLocation", {}), ListLine("cboDestination", {})});
    const auto result = RunDrive(Options(root), commands);
    ASSERT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.lines, expected);
}

TEST(OrderForm, TheUBoatNumberTakesOneToFourDigitsWithoutALeadingZero) {
    TempDir root;
    NoWarning(root);
    root.MakeDir("c/Docs/SH3/data/cfg/Careers");
    const std::vector<std::pair<std::string, std::string>> keys = {
        {"type txtUBoatNumber 0", ""},
        {"type txtUBoatNumber a", ""},
        {"type txtUBoatNumber 7", "7"},
        {"type txtUBoatNumber 0", "70"},
        {"type txtUBoatNumber xZ-.", "70"},
        {"type txtUBoatNumber 12", "7012"},
        {"type txtUBoatNumber 3", "7012"},
        {"type txtUBoatNumber \\b", "701"},
        {"type txtUBoatNumber 9", "7019"},
        {"selecttext txtUBoatNumber 0 4", "7019"},
        {"type txtUBoatNumber 5", "7019"},
        {"type txtUBoatNumber \\b\\b\\b\\b\\b", ""},
        {"type txtUBoatNumber 0 5", "5"},
        {"type txtUBoatNumber \\b123", "123"},
        {"selecttext txtUBoatNumber 0 3", "123"},
        {"type txtUBoatNumber 0", "0"},
    };
    std::vector<std::string> commands = {"start"};
    std::vector<std::string> expected;
    for (const auto& [command, text] : keys) {
        commands.push_back(command);
        commands.push_back("show txtUBoatNumber");
        expected.push_back(NumberLine(text));
    }
    const auto result = RunDrive(Options(root), commands);
    ASSERT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.lines, expected);
}

}  // namespace
}  // namespace zephrane::testing

namespace zephrane::testing {
namespace {

std::string MonthLine(int selected) {
    const std::vector<std::string> months = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                             "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    return ListLine("cboMonth", months, selected, true, "[1,2,3,4,5,6,7,8,9,10,11,12]");
}

// Dates in the file that the program corrects, one section that is no
// submarine, and one version dated by the file alone (Custom, September 1939).
std::string TypesBasicCfg() {
    return Crlf(
        {"[SUBMARINE1]", "NbVersion=2",  "Version=1",    "Name=IIA",    "Month=12",  "Year=1944",
         "Version=2",    "Name=IID",     "Month=1",      "Year=1939",   "",          "[SUBMARINE_AMMO1]",
         "NbVersion=1",  "Version=9",    "Name=AMMO",    "Month=1",     "Year=1930", "",
         "[SUBMARINE2]", "NbVersion=3",  "Version=1",    "Name=VIIB",   "Month=5",   "Year=1941",
         "Version=2",    "Name=VIIC/41", "Month=1",      "Year=1941",   "Version=3", "Name=Custom",
         "Month=9",      "Year=1939",    "[SUBMARINE3]", "NbVersion=1", "Version=1", "Name=XXI",
         "Month=1",      "Year=1940"});
}

TEST(OrderForm, TheUBoatTypesFollowTheReferenceDate) {
    TempDir root;
    NoWarning(root);
    root.MakeDir("c/Docs/SH3/data/cfg/Careers");
    root.Write("c/Program Files/Ubisoft/SilentHunterIII/data/Menu/en_menu.txt", Crlf({"750=Kiel"}));
    root.Write("c/Program Files/Ubisoft/SilentHunterIII/data/cfg/basic.cfg", TypesBasicCfg());

    const std::vector<std::string> aug39 = {"IIA", "VIIB"};
    const std::vector<std::string> sep39 = {"IIA", "VIIB", "Custom"};
    const std::vector<std::string> dec39 = {"IIA", "IID", "VIIB", "Custom"};
    const std::vector<std::string> jun43 = {"IIA", "IID", "VIIB", "VIIC/41", "Custom"};
    const std::vector<std::string> all = {"IIA", "IID", "VIIB", "VIIC/41", "Custom", "XXI"};
    struct Step {
        std::vector<std::string> commands;
        std::vector<std::string> lines;
    };
    const std::vector<Step> steps = {
        // Start-up builds the list before the months and years exist: 1 August 1939.
        {{"state sUBoatType", "show cboUBoatType"},
         {R"({"state":"sUBoatType","value":[["1","1"],["2","1"]]})", TypesLine(aug39)}},
        // A new commander: the date picker is off and month and year decide.
        {{"select cboUBoatType 1", "click chkNew", "select cboYear 4", "show cboUBoatType"},
         {TypesLine(aug39, 1, false)}},
        {{"select cboMonth 4", "show cboUBoatType"}, {TypesLine(dec39, -1, false)}},
        {{"select cboMonth 5", "show cboUBoatType", "state sUBoatType"},
         {TypesLine(jun43, -1, false),
          R"({"state":"sUBoatType","value":[["1","1"],["1","2"],["2","1"],["2","2"],["2","3"]]})"}},
        {{"select cboMonth 11", "show cboUBoatType"}, {TypesLine(all, -1, false)}},
        {{"select cboYear 0", "show cboMonth", "show cboUBoatType"},
         {MonthLine(11), TypesLine(dec39, -1, false)}},
        // A version is listed from the first day of its month on.
        {{"select cboMonth 8", "show cboUBoatType"}, {TypesLine(sep39, -1, false)}},
        {{"select cboMonth 7", "show cboUBoatType"}, {TypesLine(aug39, -1, false)}},
        // March 1939 lies before the campaign: August is chosen instead, and its list built.
        {{"select cboMonth 2", "show cboMonth", "show cboUBoatType"},
         {MonthLine(7), TypesLine(aug39, -1, false)}},
        {{"select cboYear 3", "select cboMonth 2", "select cboYear 0", "show cboMonth", "show cboUBoatType"},
         {MonthLine(7), TypesLine(aug39, -1, false)}},
        {{"select cboMonth 8", "select cboYear 6", "show cboMonth", "show cboUBoatType"},
         {MonthLine(4), TypesLine(all, -1, false)}},
        {{"select cboMonth 11", "show cboMonth", "show cboUBoatType"},
         {MonthLine(4), TypesLine(all, -1, false)}},
        // The date picker is back: the date of the last patrol decides, month and year have no say.
        {{"click chkNew", "select cboUBoatType 5", "show cboUBoatType"}, {TypesLine(all, 5)}},
        {{"date ssEndDate 1943-05-31", "show cboUBoatType"}, {TypesLine(dec39)}},
        {{"date ssEndDate 1943-06-01", "show cboUBoatType"}, {TypesLine(jun43)}},
        {{"select cboYear 0", "show cboMonth", "show cboUBoatType"}, {MonthLine(7), TypesLine(jun43)}},
        {{"select cboMonth 11", "select cboYear 6", "show cboMonth", "show cboUBoatType"},
         {MonthLine(4), TypesLine(jun43)}},
        {{"date ssEndDate 1939-09-01", "show cboUBoatType"}, {TypesLine(sep39)}},
    };
    std::vector<std::string> commands = {"start"};
    std::vector<std::string> expected;
    for (std::size_t i = 0; i < steps.size(); ++i) {
        commands.push_back("echo step " + std::to_string(i));
        expected.push_back(Echo("step " + std::to_string(i)));
        commands.insert(commands.end(), steps[i].commands.begin(), steps[i].commands.end());
        expected.insert(expected.end(), steps[i].lines.begin(), steps[i].lines.end());
    }
    const auto result = RunDrive(Options(root), commands);
    ASSERT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.lines, expected);
}

TEST(OrderForm, AMalformedBasicCfgStopsTheTypesWithOneMessage) {
    const std::string path = "C:\\G\\data\\cfg\\basic.cfg";
    const std::string good =
        "[SUBMARINE5]\r\nNbVersion=1\r\nVersion=2\r\nName=VIIB\r\nMonth=1\r\nYear=1939\r\n";
    struct Row {
        std::string bytes;
        std::string why;
        std::vector<std::string> types;  // those read before the problem
    };
    const std::vector<Row> rows = {
        {Crlf({"[SUBMARINE1]", "Name=IIA"}),
         "The file ends in the section [SUBMARINE1] before its NBVERSION= line.",
         {}},
        {good + Crlf({"[SUBMARINE1]", "NbVersion=1", "Version=1", "Name=IIA", "Month=1"}),
         "The file ends in the section [SUBMARINE1] before its YEAR line.",
         {"VIIB"}},
        {Crlf({"[SUBMARINE1]", "NbVersion=2", "Version=1", "Name=IIA", "Month=1", "Year=1939"}),
         "The file ends in the section [SUBMARINE1] before its VERSION line.",
         {"IIA"}},
        {good + Crlf({"[SUBMARINE1", "NbVersion=1", "Version=1", "Name=IIA", "Month=1", "Year=1939"}),
         "The section header \"[SUBMARINE1\" has no closing \"]\".",
         {"VIIB"}},
        {Crlf({"[SUBMARINE1]", "NbVersion=two", "Version=1", "Name=IIA", "Month=1", "Year=1939"}),
         "In the section [SUBMARINE1] the line \"NbVersion=two\" does not hold a whole number.",
         {}},
        {Crlf({"[SUBMARINE1]", "NbVersion=1", "Version=1", "Name=IIA", "Month=June", "Year=1939"}),
         "In the section [SUBMARINE1] the line \"Month=June\" does not hold a whole number.",
         {}},
        {Crlf({"[SUBMARINE1]", "NbVersion=1", "Version=1", "Name=IIA", "Month=1", "Year=1939a"}),
         "In the section [SUBMARINE1] the line \"Year=1939a\" does not hold a whole number.",
         {}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.why);
        TempDir root;
        NoWarning(root);
        root.MakeDir("c/Docs/SH3/data/cfg/Careers");
        root.Write("c/G/data/Menu/en_menu.txt", Crlf({"750=Kiel"}));
        root.Write("c/G/data/cfg/basic.cfg", row.bytes);
        root.Write("program/Control.txt", Crlf({" 1 ", "C:\\G", "", "C:\\Docs"}));
        const auto result = RunDrive(Options(root), {"start", "show cboUBoatType", "show cboLocation"});
        ASSERT_EQ(result.exitCode, 0);
        const std::string message =
            "The U-boat types could not be read completely from\r\n" + path + "\r\n" + row.why;
        std::string locations =
            "{\"control\":\"cboLocation\",\"text\":\"\",\"enabled\":true,\"backcolor\":\"#FFFFFF\",\"items\":"
            "["
            "\"Kiel\"],\"data\":[null],\"selected\":-1}";
        EXPECT_EQ(result.lines, (std::vector<std::string>{MsgBoxLine(16, "Zephrane", message),
                                                          TypesLine(row.types), locations}));
    }
}

}  // namespace
}  // namespace zephrane::testing
