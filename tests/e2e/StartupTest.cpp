#include <gtest/gtest.h>

#include "e2e/DriveSession.h"
#include "support/TestFiles.h"

namespace zephrane::testing {
namespace {

TEST(Startup, FindsTheGameOnTheSecondCandidateAndCreatesTheSettings) {
    TempDir root;
    root.Write("c/Ubisoft/SilentHunterIII/data/Menu/en_menu.txt", Crlf({"750=Kiel", "902=1. U-Flottille"}));
    root.Write("c/Ubisoft/SilentHunterIII/data/cfg/basic.cfg", Crlf({"[SUBMARINE1]", "NbVersion=0"}));
    root.MakeDir("program");
    const auto result = RunDrive(
        {"--program-dir", (root.Path() / "program").string(), "--drive", "C=" + (root.Path() / "c").string()},
        {"start", "state sGamePath", "show Text1"});
    ASSERT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.First("\"state\""), R"({"state":"sGamePath","value":"C:\\Ubisoft\\SilentHunterIII"})");
    EXPECT_EQ(ReadBytes(root.Path() / "program/Control.txt"),
              Crlf({" 0 ", "C:\\Ubisoft\\SilentHunterIII", "", ""}));
    EXPECT_EQ(result.MessageBoxes(),
              std::vector<std::string>{MsgBoxLine(
                  0, "Careers Path", "Unable to find SH3 Careers folder in your 'Documents' path.")});
    EXPECT_NE(result.First("{\"window\":\"frmSplash\""), "");
}

}  // namespace
}  // namespace zephrane::testing
