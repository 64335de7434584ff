// The test driver itself: a wrong command prints one error and the driver
// goes on, so a test's later commands still run.
#include <gtest/gtest.h>

#include <algorithm>

#include "e2e/DriveSession.h"
#include "support/TestFiles.h"

namespace zephrane::testing {
namespace {

TEST(Driver, AWrongCommandPrintsOneErrorAndTheDriverGoesOn) {
    TempDir program;
    const struct {
        std::string command;
        std::string error;
    } cases[] = {
        {"bogus", "unknown command: bogus"},
        {"show nothing", "unknown control: nothing"},
        {"set btnExit x", "not a text field: btnExit x"},
        {"type cboMonth 12", "not a text field: cboMonth 12"},
        {"select Text1 2", "not a list: Text1 2"},
        {"select cboMonth 12", "no such entry: 12"},
        {"click cboMonth", "not a button: cboMonth"},
        {"click btnFixRenown 4", "unknown control: btnFixRenown 4"},
        {"date Text1 1940-01-01", "not a date picker: Text1 1940-01-01"},
        {"date ssEndDate 1940-02-30", "not a date: 1940-02-30"},
        {"state sNothing", "unknown state: sNothing"},
        {"answer splash wave", "unknown splash action: wave"},
    };
    std::vector<std::string> commands{"answer splash ok", "start"};
    for (const auto& c : cases) commands.insert(commands.end(), {c.command, "echo after " + c.command});
    const auto result = RunDrive({"--program-dir", program.Str()}, commands);
    ASSERT_EQ(result.exitCode, 0);
    for (const auto& c : cases) {
        const auto error =
            std::find(result.lines.begin(), result.lines.end(), "{\"error\":" + JsonQuote(c.error) + "}");
        ASSERT_NE(error, result.lines.end()) << c.command;
        ASSERT_NE(error + 1, result.lines.end()) << c.command;
        EXPECT_EQ(*(error + 1), "{\"echo\":" + JsonQuote("after " + c.command) + "}") << c.command;
    }
    EXPECT_EQ(result.With("\"error\"").size(), std::size(cases));
}

}  // namespace
}  // namespace zephrane::testing
