// The rewrite of a file through its temporary copy: every way it can fail
// leaves the file as it was, or says where its old content is kept.
#include <gtest/gtest.h>

#include <functional>

#include "gamefiles/Rewrite.h"
#include "platform/HostFileSystem.h"
#include "platform/JournaledFileSystem.h"
#include "platform/TextFile.h"
#include "support/FaultyFileSystem.h"
#include "support/TestFiles.h"

namespace zephrane::testing {
namespace {

using Op = FaultyFileSystem::Op;

// Untouched lines keep every byte but their line ends; a byte-order mark stays.
const std::string kOld =
    "\xEF\xBB\xBF[FLOTILLA]\r\nNbBases=2 ;two\nName=\xE9\x80\x81\xFF\r  trailing  \r\n\r\n; drop\r\nlast";
const std::string kNew = "\xEF\xBB\xBF" + Crlf({"[FLOTILLA]", "NbBases=2 ;two", "Added=1",
                                                "Name=\xE9\x80\x81\xFF", "  trailing  ", "", "last"});

bool AddLine(const LineViews& in, OutputLines& out, std::string& error) {
    if (in.size() < 2) error = "The flotilla section is missing.";
    for (std::size_t i = 0; i < in.size(); ++i) {
        if (in[i] != "; drop") out.Keep(in, i);
        if (in[i].rfind("NbBases", 0) == 0) out.Add("Added=1");
    }
    return error.empty();
}

TEST(RewriteThroughTemp, EveryFailureLeavesTheFileAsItWasOrSaysWhereItIs) {
    struct Case {
        const char* what;
        std::function<void(FaultyFileSystem&, TempDir&)> fault;
        std::string error;  // "" when the rewrite succeeds
        std::string after;  // the file afterwards
        bool tempKept;
    };
    const std::string temp = "Flotilla.xxx";
    // clang-format off
    const std::vector<Case> cases = {
        {"a stale copy that matches goes", [](auto&, auto& dir) { dir.Write("Flotilla.xxx", kOld); },
         "", kNew, false},
        {"a stale copy that differs stays", [](auto&, auto& dir) { dir.Write("Flotilla.xxx", "old crash"); },
         "A temporary copy left by an earlier run,", kOld, true},
        {"a refused layout", [](auto&, auto& dir) { dir.Write("Flotilla.cfg", "x"); },
         "The flotilla section is missing.", "x", false},
        {"an unreadable copy", [](auto& fs, auto&) { fs.Refuse(Op::ReadFile, ".xxx", "I/O error"); },
         "The file could not be read: I/O error", kOld, false},
        {"not text", [](auto&, auto& dir) { dir.Write("Flotilla.cfg", std::string("N\0b=1", 5)); },
         "The file could not be read: It holds NUL bytes", std::string("N\0b=1", 5), false},
        {"a full disk", [](auto& fs, auto&) { fs.ShortWrite(".cfg", 5); },
         "The file could not be written: No space left on device", kOld, false},
        {"a full disk and no way back", [](auto& fs, auto&) { fs.ShortWrite(".cfg", 5); fs.Refuse(Op::Copy, "xxx -> "); },
         "The file could not be written: No space left on device\r\nIts previous content is kept in ", "\xEF\xBB\xBF[F", true},
        {"the stale copy stays", [](auto& fs, auto& dir) { dir.Write("Flotilla.xxx", kOld); fs.Refuse(Op::Remove); },
         "The old temporary copy ", kOld, true},
    };
    // clang-format on
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        TempDir dir;
        const auto file = dir.Write("Flotilla.cfg", kOld);
        HostFileSystem host({});
        FaultyFileSystem fs(host);
        c.fault(fs, dir);
        const auto outcome = RewriteThroughTemp(fs, dir.Path().string(), "Flotilla.cfg", temp, AddLine);
        EXPECT_EQ(outcome.ok, c.error.empty());
        EXPECT_EQ(outcome.error.substr(0, c.error.size()), c.error) << outcome.error;
        EXPECT_EQ(outcome.path, dir.Path().string() + "\\Flotilla.cfg");
        EXPECT_EQ(ReadBytes(file), c.after);
        EXPECT_EQ(std::filesystem::exists(dir.Path() / temp), c.tempKept);
    }
}

// A differing copy may be all that is left of the file's earlier content: it
// goes only while the journal keeps its bytes, and the notice names both.
TEST(RewriteThroughTemp, ADifferingStaleCopyGoesOnlyIntoTheJournal) {
    TempDir dir;
    const auto file = dir.Write("Flotilla.cfg", kOld);
    dir.Write("Flotilla.xxx", "old crash");
    HostFileSystem host({});
    Journal journal(host, dir.Path().string() + "\\journal");
    JournaledFileSystem fs(host, journal);
    journal.Begin("patch", "a patch");
    const auto outcome = RewriteThroughTemp(fs, dir.Path().string(), "Flotilla.cfg", "Flotilla.xxx", AddLine);
    journal.Complete();
    ASSERT_TRUE(outcome.ok) << outcome.error;
    EXPECT_EQ(ReadBytes(file), kNew);
    EXPECT_EQ(outcome.notice, StaleCopyNotice(dir.Path().string() + "\\Flotilla.xxx", outcome.path));
    EXPECT_EQ(journal.Entries().at(0).files.at(0).before, FileImage::Of("old crash"));
}

// Stopped at any point, the file holds its old or its new content, never a
// mix, and the old content is still in the temporary copy when the file
// already holds the new.
TEST(RewriteThroughTemp, AStopAtAnyPointLeavesAWholeFile) {
    for (int k = 0;; ++k) {
        SCOPED_TRACE(k);
        TempDir dir;
        const auto file = dir.Write("Flotilla.cfg", kOld);
        HostFileSystem host({});
        FaultyFileSystem fs(host);
        fs.StopAfter(k);
        try {
            EXPECT_TRUE(
                RewriteThroughTemp(fs, dir.Path().string(), "Flotilla.cfg", "Flotilla.xxx", AddLine).ok);
            EXPECT_EQ(ReadBytes(file), kNew);
            break;
        } catch (const FaultyFileSystem::Crash&) {
            const std::string now = ReadBytes(file);
            EXPECT_TRUE(now == kOld || (now == kNew && ReadBytes(dir.Path() / "Flotilla.xxx") == kOld))
                << now;
        }
    }
}

}  // namespace
}  // namespace zephrane::testing
