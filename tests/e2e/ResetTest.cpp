// "Reset My Flotilla Configuration File": its four outcomes and the backup
// that an order leaves for it.
#include "e2e/OrderFixture.h"

namespace zephrane::testing {
namespace {

using Reset = OrderE2E;

std::string ResetBox(int style, const std::string& text) {
    return MsgBoxLine(style, "Reset Configuration", text);
}

const std::string kNotModified = "Your current Flotilla.cfg file as not been modified by Zephrane.";

TEST_F(Reset, RefusesWithoutChangingAnything) {
    struct Case {
        const char* name;
        std::string live;  // empty: no Flotilla.cfg
        bool withBackup;
        std::string message;
    };
    const Case cases[] = {
        {"no configuration", "", true, ResetBox(16, "Could not find flottille configuration file.")},
        // A marker after the first section header is never seen.
        {"unmarked", Join({{"; comment", "[Flotilla]", ";   Touched by Zephrane"}, kHead}), true,
         ResetBox(64, kNotModified)},
        {"no section, no marker", Join({{"; comment", "Flotilla0=902"}}), true, ResetBox(64, kNotModified)},
        {"marked, no backup", Join({kMarker, kHead}), false,
         ResetBox(16, "Zephrane does not have a backup of your Flotilla.cfg file.")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        if (c.live.empty()) {
            Remove(kLive);
        } else {
            Write(kLive, c.live);
        }
        if (c.withBackup) {
            Write(kBackup, FlotillaCfg());
        } else {
            Remove(kBackup);
        }
        const Tree before = Snapshot();
        const auto result = Drive({"click cmdReset"});
        ExpectUnlocked(result);
        EXPECT_EQ(result.MessageBoxes(), std::vector<std::string>{c.message});
        ExpectTree(Snapshot(), before);
    }
}

// The backup replaces the marked file and is used up; a second reset finds
// nothing to do.
TEST_F(Reset, PutsTheBackupBackOnce) {
    Write(kLive, Join({kMarker, {"; an earlier order"}}));
    Write(kBackup, FlotillaCfg());
    const Tree before = Snapshot();
    const auto result = Drive({"click cmdReset", "click cmdReset"});
    ExpectUnlocked(result);
    EXPECT_EQ(result.MessageBoxes(),
              (std::vector<std::string>{ResetBox(64, "Your Flotilla.cfg file has been reset."),
                                        ResetBox(64, kNotModified)}));
    Tree expected = before;
    expected[kLive] = FlotillaCfg();
    expected.erase(kBackup);
    ExpectTree(Snapshot(), expected);
}

// An order makes the backup, the reset consumes it: the game's file is as
// it was before the order.
TEST_F(Reset, UndoesAnOrder) {
    const Tree before = Snapshot();
    const auto result = Drive(Then(TransferForm("1940-12-20", 1, 1941, kBrest, k7th),
                                   {"click btnInitiateUpdate", "click cmdReset"}));
    ExpectUnlocked(result);
    EXPECT_EQ(result.MessageBoxes(),
              std::vector<std::string>{ResetBox(64, "Your Flotilla.cfg file has been reset.")});
    const Tree after = Snapshot();
    Tree expected = before;
    ASSERT_TRUE(after.count(kInstructions));
    expected[kInstructions] = after.at(kInstructions);  // the transfer's checklist, compared in OrdersTest
    ExpectTree(after, expected);
}

}  // namespace
}  // namespace zephrane::testing
