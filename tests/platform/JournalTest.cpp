#include <gtest/gtest.h>

#include <filesystem>

#include "platform/HostFileSystem.h"
#include "platform/Rollback.h"
#include "platform/Sha256.h"
#include "platform/ShownPath.h"
#include "support/TestFiles.h"

namespace zephrane::testing {
namespace {

struct JournalTest : ::testing::Test {
    TempDir dir;
    HostFileSystem host{{}};
    Journal journal{host, dir.Path().string() + "\\journal"};
    JournaledFileSystem files{host, journal};

    std::string Path(const std::string& name) const { return dir.Path().string() + "\\" + name; }
    std::string Read(const std::string& name) const { return ReadBytes(dir.Path() / name); }
    bool Exists(const std::string& name) const { return std::filesystem::exists(dir.Path() / name); }

    // One operation: a.cfg rewritten twice, b.cfg created, c.cfg removed.
    void RunOperation(bool complete) {
        journal.Begin("patch", "Increase");
        files.WriteFile(Path("a.cfg"), "a1");
        files.WriteFile(Path("a.cfg"), "a2");
        files.WriteFile(Path("b.cfg"), "b1");
        files.Remove(Path("c.cfg"), false);
        if (complete) journal.Complete();
    }
    void WriteOriginals() {
        dir.Write("a.cfg", "a0");
        dir.Write("c.cfg", "c0");
    }
    std::string LogBytes() const {
        for (const auto& e : std::filesystem::directory_iterator(dir.Path() / "journal"))
            return ReadBytes(e.path());
        return "";
    }
};

TEST_F(JournalTest, RecordsEveryFileBeforeItIsTouchedAndReadsEveryCutOffLogSafely) {
    WriteOriginals();
    journal.Begin("reset", "Nothing touched");
    journal.Complete();
    EXPECT_TRUE(journal.Entries().empty());  // an operation that touched nothing leaves no entry

    RunOperation(true);
    const auto entries = journal.Entries();
    ASSERT_EQ(entries.size(), 1u);
    const JournalEntry& entry = entries[0];
    EXPECT_EQ(entry.kind, "patch");
    EXPECT_EQ(entry.title, "Increase");
    EXPECT_TRUE(entry.complete);
    ASSERT_EQ(entry.files.size(), 3u);
    EXPECT_EQ(entry.files[0].before, FileImage::Of("a0"));
    EXPECT_EQ(entry.files[0].afters, (std::vector{FileImage::Of("a1"), FileImage::Of("a2")}));
    EXPECT_EQ(entry.files[1].before, FileImage::Absent());
    EXPECT_EQ(entry.files[2].After(), FileImage::Absent());

    // A log cut anywhere (the program stopped while appending) reads as the
    // records before the cut, never as something else.
    const std::string log = LogBytes();
    TempDir other;
    Journal cutJournal(host, other.Path().string() + "\\journal");
    for (std::size_t cut = 0; cut < log.size(); ++cut) {
        other.Write("journal/00000001-1.open", log.substr(0, cut));
        const auto read = cutJournal.Entries();
        ASSERT_LE(read.size(), 1u);
        if (read.empty()) continue;
        EXPECT_FALSE(read[0].complete) << cut;
        for (std::size_t i = 0; i < read[0].files.size(); ++i) {
            EXPECT_EQ(read[0].files[i].before, entry.files[i].before);
            EXPECT_LE(read[0].files[i].afters.size(), entry.files[i].afters.size());
        }
    }
}

TEST_F(JournalTest, RecoveryPutsBackWhatAnInterruptedOperationChangedAndNothingElse) {
    const struct {
        const char* what;
        std::string aNow;  // a.cfg when the program starts again
        std::string aAfter;
        bool namedChanged;
    } cases[] = {
        {"a.cfg as the operation left it", "a2", "a0", false},
        {"a.cfg half-way", "a1", "a0", false},
        // What a power cut may leave of a scratch copy, which is not flushed.
        {"a.cfg cut short", "a", "a0", false},
        {"a.cfg empty", "", "a0", false},
        {"a.cfg changed by someone else since", "mine", "mine", true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        WriteOriginals();
        RunOperation(false);
        dir.Write("a.cfg", c.aNow);
        dir.Write(std::string("b.cfg") + kPendingWriteSuffix, "half");

        const auto recoveries = RecoverInterrupted(host, journal);
        ASSERT_EQ(recoveries.size(), 1u);
        EXPECT_EQ(Read("a.cfg"), c.aAfter);
        EXPECT_FALSE(Exists("b.cfg"));
        EXPECT_FALSE(Exists(std::string("b.cfg") + kPendingWriteSuffix));
        EXPECT_EQ(Read("c.cfg"), "c0");
        EXPECT_EQ(recoveries[0].report.changedSince.size(), c.namedChanged ? 1u : 0u);
        const std::string message = RecoveryMessage(recoveries[0]);
        EXPECT_NE(message.find("Increase"), std::string::npos) << message;
        EXPECT_NE(message.find(ShownPath(Path("c.cfg"))), std::string::npos) << message;
        EXPECT_TRUE(RecoverInterrupted(host, journal).empty());  // marked as put back
        EXPECT_TRUE(journal.Entries()[0].rolledBack);
        std::filesystem::remove_all(dir.Path() / "journal");
    }
}

// The manifest's digests are SHA-256 as any other tool computes them, so a
// player can check a file against its journal entry.
TEST(Sha256, GivesTheStandardDigests) {
    EXPECT_EQ(Sha256Hex(""), "e3b0c44298fc1c149afbf4c8996fb92427ae41e4649b934ca495991b7852b855");
    EXPECT_EQ(Sha256Hex("abc"), "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad");
}

TEST_F(JournalTest, PrunesTheOldestEntriesBeyondItsSizeButKeepsTheNewestOnes) {
    Journal small(host, dir.Path().string() + "\\journal", JournalLimits{3, 1});
    JournaledFileSystem smallFiles(host, small);
    for (int i = 0; i < 6; ++i) {
        small.Begin("patch", "run " + std::to_string(i));
        smallFiles.WriteFile(Path("a.cfg"), std::string(100, static_cast<char>('a' + i)));
        small.Complete();
    }
    const auto entries = small.Entries();
    ASSERT_EQ(entries.size(), 3u);
    EXPECT_EQ(entries[0].title, "run 5");
    EXPECT_EQ(entries[2].title, "run 3");
}

}  // namespace
}  // namespace zephrane::testing
