// Orders called directly on the installation of the end-to-end order tests:
// the form's rules, the planning of dates and bases, and what a failed
// rewrite leaves. The orders a damaged or unlucky installation refuses are
// the hostile-input cases of the end-to-end tests.
#include <gtest/gtest.h>

#include <functional>

#include "orders/Checklist.h"
#include "orders/InitiateUpdate.h"
#include "orders/LoadFlotillaTable.h"
#include "orders/OrderValidation.h"
#include "orders/ProcessOrders.h"
#include "platform/Unicode.h"
#include "support/OrderForms.h"
#include "support/TestPlatform.h"

namespace zephrane::testing {
namespace {

using Op = FaultyFileSystem::Op;
using Fault = std::function<void(Installation&, TestPlatform&)>;
TEST(Orders, TheFormMustHoldWhatTheOrderNeedsInDateOrder) {
    const OrderForm serving = Serving({1942, 3, 1}, 3, 1942, kWilhelmshaven, k5th);
    OrderForm transfer = WithoutBoat(serving);
    transfer.transfer = true;
    // clang-format off
    const std::tuple<const char*, OrderForm, std::function<void(OrderForm&)>, bool, bool> forms[] = {
        {"complete, ended on the 1st", serving, [](OrderForm&) {}, true, true},
        {"a blank is a number", serving, [](OrderForm& f) { f.uboatNumber = " "; }, true, true},
        {"no number", serving, [](OrderForm& f) { f.uboatNumber.clear(); }, false, true},
        {"no commander", serving, [](OrderForm& f) { f.kommandantIndex = -1; }, false, true},
        {"no type", serving, [](OrderForm& f) { f.uboatTypeIndex = -1; }, false, true},
        {"no destination", serving, [](OrderForm& f) { f.destinationIndex = -1; }, false, true},
        {"no location", serving, [](OrderForm& f) { f.locationIndex = -1; }, false, true},
        {"no year", serving, [](OrderForm& f) { f.yearIndex = -1; }, false, true},
        {"no month", serving, [](OrderForm& f) { f.monthIndex = -1; }, false, true},
        {"a transfer needs no boat", transfer, [](OrderForm&) {}, true, true},
        {"ended on the 2nd", serving, [](OrderForm& f) { f.endDate.day = 2; }, true, false},
        // A new commander's disabled date still counts.
        {"new commander", NewCommander(3, 1942, kKiel, k5th), [](OrderForm& f) { f.endDate = {1942, 3, 2}; }, true, false}};
    // clang-format on
    for (auto [what, form, change, complete, inOrder] : forms) {
        change(form);
        EXPECT_EQ(IsOrderFormComplete(form), complete) << what;
        EXPECT_EQ(PatrolDatesInOrder(form), inOrder) << what;
    }
}

// The commissioning date, the start, the day the destination's base can be
// entered, the destination and its base; or the refusal.
TEST(Orders, PlanningFindsTheDatesAndTheOpenBase) {
    Installation install("orders/install");
    TestPlatform p(install);
    OrderState state = State();
    ASSERT_TRUE(LoadFlotillaTable(p.platform, state));
    const std::string closed =
        "16|Initiate Update|Base will be closed before your arrival.  Transfer aborted.\r\n"
        "Check with your Flottillenchefand request new orders.";
    // clang-format off
    const std::tuple<const char*, OrderForm, std::string> plans[] = {
        {"the base open at the start", Serving({1941, 10, 2}, 11, 1941, kKiel, k5th), "19411009 19411101 19411101 3 1"},
        {"the last day of the campaign", Serving({1945, 4, 20}, 5, 1945, kKiel, k1st), "19450427 19450501 19450501 0 0"},
        {"a flotilla that opens later", Serving({1940, 12, 20}, 1, 1941, kBrest, k7th), "19401227 19410201 19410301 4 0"},
        {"a new commander from the month", NewCommander(5, 1942, kKiel, k5th), "19420501 19420501 19420501 3 2"},
        {"not before the campaign", NewCommander(3, 1939, kKiel, k1st), "19390801 19390801 19390801 0 0"},
        {"too late", Serving({1945, 5, 1}, 6, 1945, kKiel, k1st), "16|Initiate Update|Departure date too late.  Transfer aborted."},
        {"no base", Serving({1941, 1, 10}, 2, 1941, kKiel, k3rd), closed},
        {"no block", Serving({1941, 1, 10}, 2, 1941, kKiel, k10th), closed},
        {"every base closed", Serving({1945, 4, 10}, 5, 1945, kKiel, k5th), closed}};
    // clang-format on
    for (const auto& [what, form, outcome] : plans) {
        p.dialogs = RecordingDialogs();
        const auto plan = PlanOrder(p.platform, form, state);
        const auto dates = [&] {
            return Yyyymmdd(plan->dCommission) + " " + Yyyymmdd(plan->dStart) + " " +
                   Yyyymmdd(plan->dEnterBase) + " " + std::to_string(plan->iFlotilla) + " " +
                   std::to_string(plan->iBase);
        };
        EXPECT_EQ(plan ? dates() : p.Messages().at(0), outcome) << what;
    }
}

// Runs the order of the worked example after `fault`, and checks its
// messages and that the files are the `expected` ones afterwards.
void ExpectOrder(const Fault& fault, const Lines& messages,
                 const std::function<Tree(const Installation&)>& expected) {
    Installation install("orders/install");
    TestPlatform p(install);
    fault(install, p);
    const Tree before = install.Files();
    OrderState state = State();
    InitiateUpdate(p.platform, Serving({1942, 4, 20}, 5, 1942, kWilhelmshaven, k5th), state);
    EXPECT_EQ(p.Messages(), messages);
    ExpectTree(install.Files(), expected ? expected(install) : before);
}

Fault Files(const std::string& live, const std::string& backup = "") {
    return [=](Installation& i, TestPlatform&) {
        if (live.empty()) i.Remove(kLive);
        if (live != "-" && !live.empty()) i.Write(kLive, live);
        if (!backup.empty()) i.Write(kBackup, backup);
    };
}

// The rewrite of Flotilla.cfg fails after the career files were written:
// Flotilla.cfg is put back from the backup, which is used up.
TEST(Orders, AFailedRewriteRestoresTheBackup) {
    const std::string original = Data("orders/install/" + kLive);
    std::string cut = original;
    cut.erase(cut.find("NbUboats3=2"), 13);
    const std::string reset =
        "64|Update Flottille|Your Flotilla Configuration File has been RESET to its Original Status.";
    const std::string full = "16|Update Flottille|Error: No space left on device";
    // clang-format off
    const std::tuple<Fault, Lines, std::string, bool> cases[] = {
        {Files(cut), {"16|Update Flottille|Error: Input past end of file", reset}, cut, true},
        {[](auto&, auto& p) { p.fs.ShortWrite("Flotilla.cfg", 10); }, {full, reset}, original, true},
        // The backup cannot take the place of what the failed write left: both
        // stay, and the message says so.
        {[](auto&, auto& p) { p.fs.ShortWrite("Flotilla.cfg", 10); p.fs.Refuse(Op::Move); },
         {full, "16|Update Flottille|Could not restore the file\r\n" + kLivePath + "\r\nfrom its backup\r\n"
          "{program}\\Flotilla.cfg.orv\r\nThe backup could not be moved in its place: Permission denied\r\n"
          "Copy the backup there by hand if it is still in place."}, ";   Touche", false}};
    // clang-format on
    for (const auto& [fault, messages, live, backupUsed] : cases) {
        ExpectOrder(fault, messages, [&](const Installation& i) {
            Tree t = i.Expected("orders/serving", {"program/Instructions.txt"});
            if (backupUsed) t.erase(kBackup);
            t[kLive] = live;
            return t;
        });
    }
}

// The game's, the careers' and the program's folders named beyond what
// Windows-1252 holds, beside names it holds: the order reaches each of them.
TEST(Orders, AnOrderReachesFoldersWhoseNamesTheCodePageLacks) {
    const std::string game =
        "Spiele J\xC3\xBCrgen/\xD0\x98\xD0\xB3\xD1\x80\xD1\x8B";  // UTF-8, as the host names them
    const std::string careers = "Kariera \xC5\x81ukasz",
                      program = "\xD0\x9F\xD1\x80\xD0\xBE\xD1\x84\xD0\xB8\xD0\xBB\xD1\x8C";
    const std::pair<std::string, std::string> moves[] = {
        {"c/SilentHunterIII", "c/" + game + "/SilentHunterIII"},
        {"c/Careers", "c/" + careers},
        {"program", program}};
    Installation install("orders/install");
    Tree expected;
    for (const auto& [original, bytes] : install.Expected("orders/serving")) {
        std::string path = original;
        for (const auto& [from, to] : moves) {
            if (path.starts_with(from + "/")) path = to + path.substr(from.size());
        }
        expected[path] = bytes;
    }
    for (const auto& [from, to] : moves) {
        std::filesystem::create_directories(install.Path(to).parent_path());
        std::filesystem::rename(install.Path(from), install.Path(to));
    }
    TestPlatform p(install);
    p.shell.programFolder = "P:\\" + Utf8ToText(program);
    OrderState state = State();
    state.sGamePath =
        Utf8ToText("C:\\Spiele J\xC3\xBCrgen\\\xD0\x98\xD0\xB3\xD1\x80\xD1\x8B\\SilentHunterIII");
    state.sCareersPath = "C:\\" + Utf8ToText(careers);
    OrderForm form = Serving({1942, 4, 20}, 5, 1942, kWilhelmshaven, k5th);
    form.text1 = state.sGamePath;
    InitiateUpdate(p.platform, form, state);
    EXPECT_EQ(p.Messages(), Lines{});
    ExpectTree(install.Files(), expected);
}

// Without Notepad the checklist is shown in the program's own window.
TEST(Orders, WithoutNotepadTheChecklistOpensInTheProgramsWindow) {
    struct NoNotepad : RecordingShell {
        IoResult StartProgram(const std::string&) override { return IoResult::Failure("not found"); }
    };
    Installation install("orders/install");
    TestPlatform p(install);
    NoNotepad shell;
    shell.programFolder = p.shell.programFolder;
    Platform platform{p.fs, p.dialogs, shell};
    WriteChecklist(platform, ChecklistKind::Transfer, {});
    EXPECT_EQ(p.dialogs.checklists, Lines{"P:\\program\\Instructions.txt"});
}

}  // namespace
}  // namespace zephrane::testing
