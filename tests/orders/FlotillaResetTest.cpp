#include <gtest/gtest.h>

#include <optional>

#include "orders/InitiateUpdate.h"
#include "orders/OrderFixture.h"

namespace zephrane::testing {
namespace {

using FlotillaResetTest = OrderFixture;

const char* const kTitle = "Reset Configuration";
const char* const kNotModified = "Your current Flotilla.cfg file as not been modified by Zephrane.";

TEST_F(FlotillaResetTest, ResetPutsTheBackupBackOnlyForAMarkedFile) {
    const std::string marked = Join({kMarker}) + FlotillaCfg();
    const std::string markerAfterSection = Join({{"[FLOTILLA]", ";   Touched by Zephrane", "Flotilla0=101"}});
    const std::string mixedCase = Join({{"; comment", "[Flotilla]", "; Touched by Zephrane later"}});
    const std::string neither = Join({{"; comment", "Flotilla0=101"}});
    const std::string backup = Join({{"[FLOTILLA]", "Flotilla0=101"}});
    struct Case {
        const char* name;
        std::optional<std::string> live;
        std::optional<std::string> backupBefore;
        RecordingDialogs::Message message;
        std::optional<std::string> liveAfter;
        bool backupAfter;
    } cases[] = {
        {"marked, backup",
         marked,
         backup,
         {64, kTitle, "Your Flotilla.cfg file has been reset."},
         backup,
         false},
        {"marked, no backup",
         marked,
         std::nullopt,
         {16, kTitle, "Zephrane does not have a backup of your Flotilla.cfg file."},
         marked,
         false},
        {"marker after the section",
         markerAfterSection,
         backup,
         {64, kTitle, kNotModified},
         markerAfterSection,
         true},
        {"mixed-case section", mixedCase, backup, {64, kTitle, kNotModified}, mixedCase, true},
        {"neither marker nor section", neither, backup, {64, kTitle, kNotModified}, neither, true},
        {"no flotilla file",
         std::nullopt,
         backup,
         {16, kTitle, "Could not find flottille configuration file."},
         std::nullopt,
         true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        RecordingDialogs caseDialogs;
        Platform casePlatform{fs, caseDialogs, shell};
        std::filesystem::remove(LivePath());
        std::filesystem::remove(BackupPath());
        if (c.live) WriteLive(*c.live);
        if (c.backupBefore) WriteBackup(*c.backupBefore);

        ResetFlotillaConfiguration(casePlatform, game.Str());
        ASSERT_EQ(caseDialogs.Messages().size(), 1u);
        EXPECT_EQ(caseDialogs.Messages()[0].text, c.message.text);
        EXPECT_EQ(caseDialogs.Messages()[0].style, c.message.style);
        EXPECT_EQ(caseDialogs.Messages()[0].title, c.message.title);
        EXPECT_EQ(std::filesystem::exists(LivePath()), c.liveAfter.has_value());
        if (c.liveAfter) {
            EXPECT_EQ(Live(), *c.liveAfter);
        }
        EXPECT_EQ(BackupExists(), c.backupAfter);
        if (c.backupAfter) {
            EXPECT_EQ(Backup(), *c.backupBefore);
        }
    }
}

TEST_F(FlotillaResetTest, ResetAfterAnOrderRestoresTheGameFileOnce) {
    WriteLive(FlotillaCfg());
    InitiateUpdate(platform, TransferForm(kKiel, k105, {1942, 4, 10}, 1942, 5), state);
    ResetFlotillaConfiguration(platform, game.Str());
    ResetFlotillaConfiguration(platform, game.Str());
    ResetFlotillaConfiguration(platform, "");

    ExpectMessages({{64, kTitle, "Your Flotilla.cfg file has been reset."},
                    {64, kTitle, kNotModified},
                    {16, kTitle, "Could not find flottille configuration file."}});
    EXPECT_EQ(Live(), FlotillaCfg());
    EXPECT_FALSE(BackupExists());
}

}  // namespace
}  // namespace zephrane::testing
