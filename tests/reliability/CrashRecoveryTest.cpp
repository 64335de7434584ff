// Every kind of operation stopped before each of its write-side calls, as a
// crash or a power cut would stop it: at the next start the journal puts every
// file back as it was before the operation, or, once the operation was marked
// complete, leaves it as the operation made it; no temporary file is left.
#include <gtest/gtest.h>

#include <functional>

#include "orders/InitiateUpdate.h"
#include "patches/PatchRun.h"
#include "platform/Rollback.h"
#include "support/OrderForms.h"
#include "support/TestPlatform.h"

namespace zephrane::testing {
namespace {

struct Operation {
    const char* name;
    const char* installation;
    std::function<void(Installation&)> prepare;
    std::function<void(Platform&)> run;
};

// How test listings name an operation.
void PrintTo(const Operation& op, std::ostream* out) {
    *out << op.name;
}

std::function<void(Platform&)> Order(const OrderForm& form) {
    return [form](Platform& platform) {
        OrderState state = State();
        InitiateUpdate(platform, form, state);
    };
}

std::function<void(Platform&)> Patch(int button) {
    return [button](Platform& platform) {
        PatchState state{"C:\\game", "C:\\commander", "", "", 0, 0, 0};
        RunPatch(platform, button, state, {});
    };
}

// An earlier order's configuration, its backup beside the program.
void Ordered(Installation& install) {
    install.Write(kBackup, install.Original().at(kLive));
    install.Write(kLive, Crlf({";   Touched by Zephrane", "[FLOTILLA]"}));
}

OrderForm Transfer() {
    OrderForm form = WithoutBoat(Serving({1943, 6, 10}, 7, 1943, kLaSpezia, k9th));
    form.transfer = true;
    return form;
}

const Operation kOperations[] = {
    {"commissioning", "orders/install", {}, Order(Serving({1942, 4, 20}, 5, 1942, kWilhelmshaven, k5th))},
    {"commissioning_at_home", "orders/install", Ordered, Order(Serving({1942, 4, 20}, 5, 1942, kKiel, k5th))},
    {"new_commander", "orders/install", {}, Order(NewCommander(1, 1941, kBrest, k7th))},
    {"transfer", "orders/install", Ordered, Order(Transfer())},
    {"renown_25000", "patches/install", {}, Patch(0)},
    {"renown_500", "patches/install", {}, Patch(1)},
    {"type_xxi", "patches/install", {}, Patch(2)},
    {"availability", "patches/install", {}, Patch(3)},
    {"reset", "orders/install", Ordered,
     [](Platform& p) { ResetFlotillaConfiguration(p, "C:\\SilentHunterIII"); }},
};

// Runs the operation as the window does, stopped before write-side call k
// (never when k < 0); true when it ran to its end.
bool RunStopped(const Operation& op, Installation& install, int k) {
    TestPlatform p(install);
    Journal journal(p.fs, TestPlatform::kJournalFolder);
    JournaledFileSystem files(p.fs, journal);
    Platform platform{files, p.dialogs, p.shell};
    p.fs.StopAfter(k);
    try {
        journal.Begin("test", op.name);
        op.run(platform);
        journal.Complete();
        return true;
    } catch (const FaultyFileSystem::Crash&) {
        return false;
    }
}

// The next start.
void Recover(const Installation& install) {
    TestPlatform p(install);
    Journal journal(p.host, TestPlatform::kJournalFolder);
    RecoverInterrupted(p.host, journal);
}

struct CrashRecovery : ::testing::TestWithParam<Operation> {};

TEST_P(CrashRecovery, AnOperationStoppedAnywhereIsPutBackAtTheNextStart) {
    const Operation& op = GetParam();
    Installation finished(op.installation);
    if (op.prepare) op.prepare(finished);
    const Tree before = finished.Files();
    ASSERT_TRUE(RunStopped(op, finished, -1));
    const Tree after = finished.Files();
    ASSERT_NE(after, before);

    for (int k = 0;; ++k) {
        SCOPED_TRACE("stopped before write-side call " + std::to_string(k + 1));
        Installation install(op.installation);
        if (op.prepare) op.prepare(install);
        const bool ran = RunStopped(op, install, k);
        Recover(install);
        ExpectTree(install.Files(), ran ? after : before);
        if (ran) break;
    }
}

INSTANTIATE_TEST_SUITE_P(EveryOperation, CrashRecovery, ::testing::ValuesIn(kOperations),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace zephrane::testing
