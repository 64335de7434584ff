#include <gtest/gtest.h>

#include <filesystem>

#include "gamefiles/CfgLine.h"
#include "gamefiles/Rewrite.h"
#include "platform/HostFileSystem.h"
#include "platform/JournaledFileSystem.h"
#include "support/TestFiles.h"

namespace zephrane {
namespace {

namespace fs = std::filesystem;
using testing::Crlf;
using testing::ReadBytes;
using testing::TempDir;
using Lines = std::vector<std::string>;

// Raises NbBases by one, adds a line after it and drops "; drop" comments.
bool RaiseBases(const Lines& in, Lines& out, std::string&) {
    for (const auto& line : in) {
        if (line == "; drop") continue;
        if (BeginsWithKey(line, "NBBASES")) {
            out.push_back("NbBases=" + std::to_string(ToWholeNumber(GetCfgValue(line)) + 1));
            out.push_back("Added=1");
        } else {
            out.push_back(line);
        }
    }
    return true;
}

bool Refuse(const Lines&, Lines& out, std::string& error) {
    out.push_back("half-written");
    error = "The flotilla section is missing.";
    return false;
}

std::vector<std::string> FolderContents(const fs::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    return names;
}

// Forwards to the host, but a write of `failing` stops after a few bytes, as
// on a full disk.
class FailingWrites : public HostFileSystem {
public:
    explicit FailingWrites(std::string failing) : HostFileSystem({}), failing_(std::move(failing)) {}
    IoResult WriteFile(const std::string& path, const std::string& bytes) override {
        if (path != failing_) return HostFileSystem::WriteFile(path, bytes);
        HostFileSystem::WriteFile(path, bytes.substr(0, 3));
        return IoResult::Failure("No space left on device");
    }

private:
    std::string failing_;
};

const std::string kOriginal =
    "[FLOTILLA]\r\nNbBases=2 ;two\nName=Weddigen \xE9\x80\x81\xFF\r  trailing blanks  \r\n\r\n; drop\r\nlast";

TEST(RewriteThroughTemp, KeepsUntouchedLinesByteForByteAndRemovesTheCopy) {
    TempDir dir;
    const auto target = dir.Write("data/Cfg/Flotilla.cfg", kOriginal);
    HostFileSystem hfs({});

    const auto outcome =
        RewriteThroughTemp(hfs, dir.Str() + "\\DATA\\cfg", "flotilla.cfg", "Flotilla.xxx", RaiseBases);
    ASSERT_TRUE(outcome.ok) << outcome.error;
    EXPECT_EQ(outcome.path, dir.Str() + "\\DATA\\cfg\\flotilla.cfg");
    EXPECT_EQ(ReadBytes(target), Crlf({"[FLOTILLA]", "NbBases=3", "Added=1", "Name=Weddigen \xE9\x80\x81\xFF",
                                       "  trailing blanks  ", "", "last"}));
    EXPECT_EQ(FolderContents(target.parent_path()), Lines{"Flotilla.cfg"});
}

// A copy left by an earlier run goes when it matches the file; one that
// differs may hold the file's earlier content and goes only into the journal.
TEST(RewriteThroughTemp, NeverLosesAStaleTemporaryCopy) {
    const struct {
        const char* what;
        const char* stale;
        bool journal;
        bool rewritten;
    } cases[] = {
        {"same bytes", "NbBases=1\r\n", false, true},
        {"other bytes, no journal", "NbBases=7\r\nleft over\r\n", false, false},
        {"other bytes, journal", "NbBases=7\r\nleft over\r\n", true, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        TempDir dir;
        const auto target = dir.Write("Flotilla.cfg", "NbBases=1\r\n");
        const auto temp = dir.Write("Flotilla.xxx", c.stale);
        HostFileSystem hfs({});
        Journal journal(hfs, dir.Str() + "\\journal");
        JournaledFileSystem files(hfs, journal);
        if (c.journal) journal.Begin("patch", "test");

        const auto outcome = RewriteThroughTemp(files, dir.Str(), "Flotilla.cfg", "Flotilla.xxx", RaiseBases);
        journal.Complete();
        EXPECT_EQ(outcome.ok, c.rewritten) << outcome.error;
        EXPECT_EQ(ReadBytes(target), c.rewritten ? Crlf({"NbBases=2", "Added=1"}) : "NbBases=1\r\n");
        const std::string named = dir.Str() + "\\Flotilla.xxx";
        EXPECT_EQ(outcome.notice.find(named) != std::string::npos, c.journal) << outcome.notice;
        EXPECT_EQ(outcome.error.find(named) != std::string::npos, !c.rewritten) << outcome.error;
        EXPECT_EQ(fs::exists(temp), !c.rewritten);
        if (c.journal) {
            const auto entries = journal.Entries();
            ASSERT_EQ(entries.size(), 1u);
            EXPECT_EQ(entries[0].files[0].before, FileImage::Of(c.stale));
        }
    }
}

TEST(RewriteThroughTemp, LeavesTheTargetAsItWasWhenTheRewriteFails) {
    const struct {
        const char* what;
        bool readOnly;
        bool failWrite;
        LineTransform transform;
        std::string inError;
    } cases[] = {
        {"refused", false, false, Refuse, "The flotilla section is missing."},
        {"read-only", true, false, RaiseBases, "The file is read-only."},
        {"disk full", false, true, RaiseBases, "No space left on device"},
    };
    for (const auto& k : cases) {
        TempDir dir;
        const auto target = dir.Write("Flotilla.cfg", kOriginal);
        if (k.readOnly) fs::permissions(target, fs::perms::owner_read);
        FailingWrites hfs(k.failWrite ? dir.Str() + "\\Flotilla.cfg" : "");

        const auto outcome = RewriteThroughTemp(hfs, dir.Str(), "Flotilla.cfg", "Flotilla.xxx", k.transform);
        EXPECT_FALSE(outcome.ok) << k.what;
        EXPECT_NE(outcome.error.find(k.inError), std::string::npos) << k.what << ": " << outcome.error;
        EXPECT_EQ(ReadBytes(target), kOriginal) << k.what;
        EXPECT_EQ(FolderContents(dir.Path()), Lines{"Flotilla.cfg"}) << k.what;
    }
}

TEST(RewriteThroughTemp, ReportsAMissingTargetWithoutLeavingACopy) {
    TempDir dir;
    HostFileSystem hfs({});
    const auto outcome = RewriteThroughTemp(hfs, dir.Str(), "Basic.cfg", "Basic.xxx", RaiseBases);
    EXPECT_FALSE(outcome.ok);
    EXPECT_NE(outcome.error.find("No such file or directory"), std::string::npos) << outcome.error;
    EXPECT_TRUE(FolderContents(dir.Path()).empty());
}

TEST(FileProblemMessage, NamesTheFileAndTheReason) {
    const std::string text =
        FileProblemMessage("C:\\Game\\data\\Cfg\\Flotilla.cfg", "The file is read-only.");
    EXPECT_NE(text.find("C:\\Game\\data\\Cfg\\Flotilla.cfg"), std::string::npos);
    EXPECT_NE(text.find("The file is read-only."), std::string::npos);
}

}  // namespace
}  // namespace zephrane
