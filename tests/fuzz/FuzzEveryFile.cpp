// Every reader and every rewrite on any file. The first byte chooses: the
// readers (the line reader, the menu lists, the U-boat types of basic.cfg,
// the flotilla table), each per-file patch routine, the career files of a
// commissioning (with the loadout of basic.cfg), or an order's rewrite of
// Flotilla.cfg (or its recovery) followed by the reset. The second byte
// makes writes fail as on a full disk, the third chooses an order; the rest
// is the file.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <dtl/dtl.hpp>

#include "careers/CareerFiles.h"
#include "gamefiles/CfgLine.h"
#include "gamefiles/MenuLists.h"
#include "gamefiles/UBoatTypes.h"
#include "orders/FlotillaRewrite.h"
#include "orders/InitiateUpdate.h"
#include "orders/LoadFlotillaTable.h"
#include "patches/AvailabilityPatch.h"
#include "patches/RenownPatch.h"
#include "patches/XxiPatch.h"
#include "platform/TextFile.h"
#include "support/TestPlatform.h"

using namespace zephrane;
using namespace zephrane::testing;

namespace {

void Require(bool ok, const char* what) {
    if (ok) return;
    std::fprintf(stderr, "invariant broken: %s\n", what);
    std::abort();
}

// A folder for one run and the platform on it.
struct Scene {
    TempDir dir;
    HostFileSystem host{{}};
    FaultyFileSystem fs{host};
    RecordingDialogs dialogs;
    RecordingShell shell;
    Platform platform{fs, dialogs, shell};

    std::string Path(const std::string& relative) const { return dir.Path().string() + "\\" + relative; }
    // After the first calls, every call of one write-side operation fails as
    // on a full disk; `choice` 0 (of 4) fails none.
    void FullDisk(int choice) {
        using Op = FaultyFileSystem::Op;
        if (choice % 4)
            fs.Refuse(std::vector{Op::WriteFile, Op::Copy, Op::Move}[choice % 4 - 1], "",
                      "No space left on device", choice / 4 % 4);
    }
    bool Said(const std::string& words) const {
        for (const auto& m : dialogs.Messages()) {
            Require(m.text.size() < 2000, "a message too long to read");
            if (m.text.find(words) != std::string::npos) return true;
        }
        return false;
    }
    // The files: none half-written, no temporary copy but one a message names.
    Tree Files() const {
        Tree files = ReadTree(dir.Path());
        for (const auto& [path, bytes] : files) {
            Require(path.find(".xxx") == std::string::npos || Said("is kept in"),
                    "a temporary copy was left");
            Require(path.find(kPendingWriteSuffix) == std::string::npos, "a half-written file was left");
        }
        return files;
    }
    // A message that says nothing has changed is true.
    void RequireTruth(const Tree& before) const {
        const bool unchanged =
            Said("left as it was") || Said("left as they were") || Said("no file has been changed");
        Require(!unchanged || Files() == before, "a message says nothing has changed, and something has");
    }
};

// A rewritten file: its byte-order mark kept, every line ended by CR LF, and
// only lines `dropped` and `added` allow taken out and put in; every other
// line comes out byte for byte. A line the diff takes out in one place and
// puts in at another kept its bytes: only its alignment moved.
template <typename Dropped, typename Added>
void RequireRewrite(const std::string& before, const std::string& after, Dropped dropped, Added added) {
    const Lines lines = SplitLines(after);
    Require(after == ByteOrderMark(before) + JoinLines(lines), "a rewritten file is not well formed");
    dtl::Diff<std::string> diff(SplitLines(before), lines);
    diff.compose();
    std::map<std::string, int> moved;
    for (const auto& [line, info] : diff.getSes().getSequence()) moved[line] += info.type;
    for (const auto& [line, count] : moved)
        Require(count == 0 || (count < 0 ? dropped(line) : added(line)), "a line changed that must stay");
}

// The file as a rewrite gives it back: a line ends at CR, CR LF or LF, every
// line gets CR LF, and a byte-order mark is no line's.
std::string WithCrLf(const std::string& bytes) {
    std::string out;
    for (std::size_t i = ByteOrderMark(bytes).size(); i < bytes.size(); ++i) {
        const bool end = bytes[i] == '\r' || bytes[i] == '\n';
        out += end ? std::string("\r\n") : std::string(1, bytes[i]);
        if (bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') ++i;
    }
    return out.empty() || out.back() == '\n' ? out : out + "\r\n";
}

// The readers: every line but its end comes back, reading stops with a short reason.
void RunReaders(const std::string& bytes) {
    const Lines lines = SplitLines(bytes);
    Require(JoinLines(lines) == WithCrLf(bytes), "lines lost or gained bytes");
    const MenuLists lists = ParseMenuLists(lines);
    Require(lists.locations.size() == lists.locationCodes.size(), "locations without their codes");
    // Reading the U-boat types stops at the same point whatever the date.
    const auto early = ReadUBoatTypes(lines, Date{1939, 8, 1}),
               late = ReadUBoatTypes(lines, Date{1945, 5, 1});
    Require(early.ok == late.ok && early.entries.size() <= late.entries.size() && late.error.size() < 1000,
            "a date-bound reading of the U-boat types");
    FlotillaTables tables;
    std::string why;
    Require(ReadFlotillaTables(bytes, OrderState{}, tables, why) || why.size() < 1000, "a long refusal");
}

// A patch routine, its file, and the keys of the lines it may take out and put in.
struct Patch {
    void (*routine)(const PatchContext&, const std::string&, const std::string&);
    const char* file;
    Lines dropped;
    Lines added;
};
const Lines kRenown = {"PLAYERSTARTRENOWN"}, kMonth = {"MONTH"},
            kDates = {"MONTH", "YEAR", "DAYSSPENTINBASE"};
const Patch kPatches[] = {
    {SetStartRenown, "Flotilla.cfg", kRenown, kRenown},
    {AddXXIToFlotilla, "Flotilla.cfg.orv", {""}, {"NbUboats", "Uboat"}},
    {FixFlotillaAvailability, "Flotilla.cfg", kMonth, kMonth},
    {FixBasicAvailability, "basic.cfg", kDates, kDates},
    {AddXXINumbers, "U-boat numbers.cfg", {}, {kXxiNumbersLine}},
};

auto KeyOf(Lines keys) {
    return [keys = std::move(keys)](const std::string& line) {
        return std::any_of(keys.begin(), keys.end(),
                           [&](const std::string& k) { return BeginsWithKey(line, k); });
    };
}

void RunPatch(Scene& scene, const Patch& patch, const std::string& bytes) {
    scene.dir.Write(patch.file, bytes);
    const Tree before = scene.Files();
    PatchState state{"", "", "500", "909"};
    patch.routine(PatchContext{scene.platform, state, {}, "Fuzz"}, scene.dir.Path().string(), patch.file);
    const Tree after = scene.Files();
    scene.RequireTruth(before);
    if (after == before) return;
    Require(after.size() == 1 && state.lProcessed <= 1, "another file was written");
    RequireRewrite(bytes, after.at(patch.file), KeyOf(patch.dropped), KeyOf(patch.added));
}

// The commander's files and basic.cfg, one of them the input.
void RunCareer(Scene& scene, int file, const std::string& bytes) {
    const Lines files = {"K/H/Patrols.cfg", "K/H/Patrols_0.cfg", "K/H/Careers_0.cfg", "basic.cfg"};
    const Lines wellFormed = {
        "EndLocation=760\r\n",
        "Patrols=1\r\n[PATROL "
        "001]\r\nStartLocation=7\r\nEndLocation=7\r\nSubType=0\r\nSubVersion=0\r\nSubName=U-9\r\n",
        "Careers=1\r\n[CAREER 001]\r\nSubVersion=0\r\nForeTubes=4\r\n",
        "[SUBMARINE_AMMO0]\r\nType=1\r\nVersion=0\r\nYear=1941\r\nRenown=0\r\n"};
    for (int i = 0; i < 4; ++i) scene.dir.Write(files[i], i == file ? bytes : wellFormed[i]);
    const Tree before = scene.Files();
    bool same = false;
    const CareerOrder order{scene.Path("K"), "H", "751", "1", "0", "12", "1941", scene.Path("basic.cfg")};
    const bool done = UpdateCareerFiles(scene.platform, order, same);
    const Tree after = scene.Files();
    scene.RequireTruth(before);
    if (!done) return;
    const Lines patrolKeys = {"STARTLOCATION=", "ENDLOCATION=", "SUBTYPE=", "SUBVERSION=", "SUBNAME="};
    RequireRewrite(before.at(files[1]), after.at(files[1]), KeyOf(patrolKeys), KeyOf(patrolKeys));
}

// An order, then the reset: a configuration no order had marked comes back
// byte for byte.
void RunOrder(Scene& scene, int c, const std::string& bytes) {
    scene.shell.programFolder = scene.Path("P");
    scene.dir.MakeDir("P");
    scene.dir.Write("data/Cfg/Flotilla.cfg", bytes);
    OrderState state;
    state.sGamePath = scene.dir.Path().string();
    const Tree before = scene.Files();
    if (!LoadFlotillaTable(scene.platform, state)) return scene.RequireTruth(before);
    // One past the last flotilla, the rewrite refuses the order and recovers.
    const int j = c % static_cast<int>(state.FlotillaTable.size() + 1);
    const std::string code =
        j < static_cast<int>(state.FlotillaTable.size()) ? state.FlotillaTable[j].sMenuCode : "";
    const FlotillaOrder order{j, 0, {1939 + c % 7, 1 + c % 12, 1}, c % 2 == 1, "759", "Brest", code};
    if (RewriteFlotillaForOrder(scene.platform, state, order)) {
        const Lines keys = {"NbBases", "Base", "Date", "Month", "DeparturePoint", "Heading", ";   Touched"};
        RequireRewrite(bytes, scene.Files().at("data/Cfg/Flotilla.cfg"), KeyOf({""}), KeyOf(keys));
        ResetFlotillaConfiguration(scene.platform, state.sGamePath);
    }
    const Tree after = scene.Files();
    if (!scene.Said("Error") && !scene.Said("Could not") && !IsMarked(SplitLineViews(bytes)))
        Require(after == before, "the reset did not give the configuration back");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 3) return 0;
    const std::string file(reinterpret_cast<const char*>(data) + 3, size - 3);
    const int rewrite = data[0] % 11;
    Scene scene;
    scene.FullDisk(data[1]);
    if (rewrite < 5) RunPatch(scene, kPatches[rewrite], file);
    if (rewrite >= 5 && rewrite < 9) RunCareer(scene, rewrite - 5, file);
    if (rewrite == 9) RunOrder(scene, data[2], file);
    if (rewrite == 10) RunReaders(file);
    return 0;
}

// Without libFuzzer, the program runs the harness once over every input in
// the folders it is given: the corpus as a test of every build.
#ifndef ZEPHRANE_LIBFUZZER
int main(int argc, char** argv) {
    int inputs = 0;
    for (int i = 1; i < argc; ++i) {
        for (const auto& [name, bytes] : ReadTree(argv[i])) {
            std::fprintf(stderr, "%s/%s\n", argv[i], name.c_str());
            LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
            ++inputs;
        }
    }
    return inputs == 0;
}
#endif
