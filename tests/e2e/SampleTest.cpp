// The sample installation is the fixture of the demo and of the end-to-end
// tests: these checks make sure it holds what every order and patch reads.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "gamefiles/CfgLine.h"
#include "gamefiles/Dates.h"
#include "gamefiles/MenuLists.h"
#include "gamefiles/UBoatTypes.h"
#include "platform/TextFile.h"
#include "support/TestFiles.h"

#ifdef _WIN32
#define popen _popen
#define pclose _pclose
#else
#include <sys/wait.h>
#endif

namespace zephrane {
namespace {

namespace fs = std::filesystem;
using testing::ReadBytes;
using testing::TempDir;
using Lines = std::vector<std::string>;

struct RunResult {
    int exitCode = -1;
    Lines out;
};

RunResult RunSample(const fs::path& dir) {
    const std::string command = std::string("\"") + ZEPHRANE_SAMPLE_PATH + "\" \"" + dir.string() + "\"";
    RunResult result;
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe) return result;
    std::string out;
    char buffer[512];
    while (std::fgets(buffer, sizeof buffer, pipe)) out += buffer;
    const int status = pclose(pipe);
#ifdef _WIN32
    result.exitCode = status;
#else
    result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
#endif
    result.out = SplitLines(out);
    return result;
}

Lines ReadText(const fs::path& file) {
    return SplitLines(ReadBytes(file));
}

// Index of the first line at or after `from` that begins with `key`; lines.size() when none.
std::size_t Find(const Lines& lines, const std::string& key, std::size_t from = 0) {
    while (from < lines.size() && !BeginsWithKey(lines[from], key)) ++from;
    return from;
}

class SampleTest : public ::testing::Test {
protected:
    void SetUp() override {
        root_ = tmp_.Path() / "sample";
        run_ = RunSample(root_);
        ASSERT_EQ(run_.exitCode, 0);
        ASSERT_EQ(run_.out.size(), 3u);
        game_ = run_.out[0];
        commander_ = run_.out[1];
        careers_ = run_.out[2];
    }

    MenuLists Menu() const { return ParseMenuLists(ReadText(game_ / "data/Menu/en_menu.txt")); }
    Lines Basic() const { return ReadText(game_ / "data/Cfg/basic.cfg"); }

    TempDir tmp_;
    fs::path root_;
    RunResult run_;
    fs::path game_, commander_, careers_;
};

TEST_F(SampleTest, PrintsTheThreeFoldersAndRefusesToWriteOverThem) {
    const fs::path root = fs::canonical(root_);
    EXPECT_EQ(game_, root / "SilentHunterIII");
    EXPECT_EQ(commander_, root / "SH3 Commander");
    EXPECT_EQ(careers_, root / "Careers");
    for (const auto& folder : {game_, commander_, careers_}) {
        EXPECT_TRUE(folder.is_absolute()) << folder;
        EXPECT_TRUE(fs::is_directory(folder)) << folder;
    }

    const fs::path flotilla = game_ / "data/Cfg/Flotilla.cfg";
    const std::string before = ReadBytes(flotilla);
    fs::remove(careers_ / "Player" / "Player.cfg");
    const RunResult again = RunSample(root_);
    EXPECT_EQ(again.exitCode, 1);
    EXPECT_TRUE(again.out.empty());
    EXPECT_EQ(ReadBytes(flotilla), before);
    EXPECT_FALSE(fs::exists(careers_ / "Player" / "Player.cfg"));
}

TEST_F(SampleTest, EveryFileEndsItsLinesWithCrLf) {
    int files = 0;
    for (const auto& entry : fs::recursive_directory_iterator(root_)) {
        if (!entry.is_regular_file()) continue;
        ++files;
        const std::string bytes = ReadBytes(entry.path());
        ASSERT_GE(bytes.size(), 2u) << entry.path();
        EXPECT_EQ(bytes.substr(bytes.size() - 2), "\r\n") << entry.path();
        for (std::size_t i = 0; i < bytes.size(); ++i) {
            if (bytes[i] == '\r') {
                EXPECT_EQ(bytes[i + 1], '\n') << entry.path() << " at " << i;
            }
            if (bytes[i] == '\n') {
                EXPECT_EQ(bytes[i - 1], '\r') << entry.path() << " at " << i;
            }
        }
    }
    EXPECT_GE(files, 14);
}

TEST_F(SampleTest, MenuOffersAllLocationsFlotillasAndOne33rd) {
    const MenuLists menu = Menu();
    ASSERT_EQ(menu.locationCodes.size(), 20u);
    for (int i = 0; i < 20; ++i) {
        EXPECT_EQ(menu.locationCodes[i], std::to_string(750 + i));
        EXPECT_FALSE(menu.locations[i].empty());
    }
    ASSERT_EQ(menu.destinationCodes.size(), 10u);
    for (int i = 0; i < 10; ++i) EXPECT_EQ(menu.destinationCodes[i], std::to_string(902 + i));

    // The Type XXI patch takes the first entry 902-914 whose text holds "33";
    // its fixed numbers line is made for 909.
    std::vector<std::string> with33;
    for (const auto& line : ReadText(game_ / "data/Menu/en_menu.txt")) {
        if (line.size() < 5 || line[3] != '=' || line.substr(0, 3) < "902" || line.substr(0, 3) > "914")
            continue;
        if (line.find("33", 4) != std::string::npos) with33.push_back(line);
    }
    EXPECT_EQ(with33, Lines{"909=33. U-Flottille"});
}

TEST_F(SampleTest, BasicCfgHasALoadoutForEveryTypeItOffers) {
    const Lines basic = Basic();
    const UBoatTypeList all = ReadUBoatTypes(basic, Date{1945, 5, 1});
    ASSERT_TRUE(all.ok) << all.error;
    std::set<std::string> names;
    for (const auto& e : all.entries) names.insert(e.name);
    for (const char* name : {"IIA", "VIIB", "VIIC", "IXB", "IXC", "VIIC/41", "XXI"}) {
        EXPECT_TRUE(names.count(name)) << name;
    }
    const UBoatTypeList atStart = ReadUBoatTypes(basic, Date{1939, 8, 1});
    ASSERT_TRUE(atStart.ok);
    EXPECT_GE(atStart.entries.size(), 3u);
    EXPECT_LT(atStart.entries.size(), all.entries.size());

    // Loadout sections: type and version, then year blocks 1939 to 1945, each
    // closed by its Renown line before the next section starts.
    std::map<std::pair<std::string, std::string>, std::vector<std::string>> years;
    const std::size_t torpedoes = Find(basic, "[TORPEDO_TYPE");
    ASSERT_LT(torpedoes, basic.size());
    for (std::size_t i = Find(basic, "[SUBMARINE_AMMO"); i < torpedoes;
         i = Find(basic, "[SUBMARINE_AMMO", i + 1)) {
        const std::size_t type = Find(basic, "TYPE", i + 1), version = Find(basic, "VERSION", type + 1);
        const std::size_t next = std::min(Find(basic, "[SUBMARINE_AMMO", i + 1), torpedoes);
        ASSERT_LT(version, next);
        auto& blocks = years[{GetCfgValue(basic[type]), GetCfgValue(basic[version])}];
        for (std::size_t y = Find(basic, "YEAR", version + 1); y < next; y = Find(basic, "YEAR", y + 1)) {
            blocks.push_back(GetCfgValue(basic[y]));
            const std::size_t renown = Find(basic, "RENOWN", y + 1);
            EXPECT_LT(renown, std::min(Find(basic, "YEAR", y + 1), next)) << basic[y];
            for (const char* key :
                 {"Z01", "M01", "A01", "A02", "S01", "S02", "S03", "SuperCharger", "Snorkel", "Batteries",
                  "AftBatteries", "Hydrophone", "Sonar", "Radar", "RadarWarningReceiver", "RadarCoatings",
                  "Decoy_Launcher", "SonarCoatings"}) {
                EXPECT_LT(Find(basic, std::string(key) + "=", y + 1), renown) << key << " in " << basic[i];
            }
        }
    }
    const std::vector<std::string> war = {"1939", "1940", "1941", "1942", "1943", "1944", "1945"};
    for (const auto& e : all.entries) {
        EXPECT_EQ((years[{e.subType, e.subVersion}]), war) << e.name;
    }

    // The availability patch rewrites the XXI's days in base after its year.
    const std::size_t xxi = Find(basic, "NAME=XXI");
    ASSERT_LT(xxi, torpedoes);
    EXPECT_LT(Find(basic, "DAYSSPENTINBASE", Find(basic, "YEAR", xxi)), Find(basic, "[SUBMARINE", xxi));
}

// The block of one flotilla as the order rewrite and the Type XXI patch read it.
void ExpectFlotillaBlocks(const Lines& lines, const MenuLists& menu, const std::string& file) {
    SCOPED_TRACE(file);
    const std::set<std::string> locations(menu.locationCodes.begin(), menu.locationCodes.end());
    ASSERT_LT(Find(lines, "[FLOTILLA]"), lines.size());
    ASSERT_LT(Find(lines, "PLAYERSTARTRENOWN="), lines.size());
    std::set<std::string> codes;
    int j = 0;
    for (std::size_t i = Find(lines, "FLOTILLA"); i < lines.size(); i = Find(lines, "FLOTILLA", i + 1), ++j) {
        const std::string n = std::to_string(j);
        ASSERT_TRUE(BeginsWithExact(lines[i], "Flotilla" + n + "=")) << lines[i];
        codes.insert(GetCfgValue(lines[i]));
        std::size_t k = i + 1;
        ASSERT_TRUE(k < lines.size() && BeginsWithExact(lines[k], "NbBases" + n + "=")) << lines[i];
        const int bases = ToWholeNumber(GetCfgValue(lines[k]), -1);
        ASSERT_GE(bases, 1);
        ASSERT_LE(bases, 11);
        for (int b = 0; b < bases; ++b) {
            const std::string nb = n + "_" + std::to_string(b);
            const Lines keys = {"Base" + nb + "=",
                                "Date" + nb + "_0=",
                                "Month" + nb + "_0=",
                                "Date" + nb + "_1=",
                                "Month" + nb + "_1=",
                                "DeparturePointLong" + nb + "=",
                                "DeparturePointLat" + nb + "=",
                                "Heading" + nb + "="};
            for (const auto& key : keys) {
                ++k;
                ASSERT_TRUE(k < lines.size() && BeginsWithExact(lines[k], key)) << key;
            }
            EXPECT_TRUE(locations.count(GetCfgValue(lines[k - 7]))) << lines[k - 7];
        }
        ++k;
        ASSERT_TRUE(k < lines.size() && BeginsWithExact(lines[k], "NbUboats" + n + "=")) << lines[i];
        const int uboats = ToWholeNumber(GetCfgValue(lines[k]), -1);
        ASSERT_GE(uboats, 1);
        for (int u = 0; u < uboats; ++u) {
            ++k;
            ASSERT_TRUE(k < lines.size() &&
                        BeginsWithExact(lines[k], "Uboat" + n + "_" + std::to_string(u) + "="));
        }
    }
    EXPECT_GE(j, 10);
    EXPECT_TRUE(codes.count("909"));
}

TEST_F(SampleTest, FlotillaFilesHaveCompleteNumberedBlocks) {
    const MenuLists menu = Menu();
    const Lines live = ReadText(game_ / "data/Cfg/Flotilla.cfg");
    ExpectFlotillaBlocks(live, menu, "game");
    for (const auto& code : menu.destinationCodes) {
        bool found = false;
        for (const auto& line : live)
            found = found || (BeginsWithKey(line, "FLOTILLA") && GetCfgValue(line) == code);
        EXPECT_TRUE(found) << "no flotilla for destination " << code;
    }
    // Work for the availability patch: a stay that begins in September 1939.
    bool september1939 = false;
    for (std::size_t i = Find(live, "DATE"); i < live.size(); i = Find(live, "DATE", i + 1)) {
        const std::size_t month = Find(live, "MONTH", i + 1);
        september1939 = september1939 || (GetCfgValue(live[i]) == "1939" && month < live.size() &&
                                          GetCfgValue(live[month]) == "9");
    }
    EXPECT_TRUE(september1939);

    int copies = 0;
    for (const auto& dated : fs::directory_iterator(commander_ / "!BACKUP")) {
        ASSERT_TRUE(dated.is_directory());
        for (const auto& entry : fs::recursive_directory_iterator(dated.path())) {
            if (entry.path().filename() != "Flotilla.cfg") continue;
            ++copies;
            ExpectFlotillaBlocks(ReadText(entry.path()), menu, entry.path().string());
        }
    }
    EXPECT_EQ(copies, 2);
}

TEST_F(SampleTest, UBoatNumbersHaveAnXxiSectionEndedByABlankLine) {
    const Lines numbers = ReadText(commander_ / "Cfg/U-boat numbers.cfg");
    std::size_t i = 0;
    while (i < numbers.size() && numbers[i].rfind("[XXI]", 0) != 0) ++i;
    ASSERT_LT(i, numbers.size());
    std::size_t end = i + 1;
    while (end < numbers.size() && !TrimBlanks(numbers[end]).empty()) {
        EXPECT_NE(numbers[end].rfind("909=", 0), 0u) << "the patch has work only without a 909 line";
        ++end;
    }
    EXPECT_GT(end, i + 1);
    EXPECT_LT(end, numbers.size()) << "the section must end with a blank line";
}

TEST_F(SampleTest, CareersHoldTwoCommandersOneOfThemAtAHomePort) {
    std::set<std::string> folders;
    for (const auto& entry : fs::directory_iterator(careers_))
        folders.insert(entry.path().filename().string());
    ASSERT_EQ(folders.size(), 3u);
    ASSERT_TRUE(folders.count("Player"));
    folders.erase("Player");

    const std::set<std::string> locations = [&] {
        const MenuLists menu = Menu();
        return std::set<std::string>(menu.locationCodes.begin(), menu.locationCodes.end());
    }();
    int atHomePort = 0;
    for (const auto& name : folders) {
        SCOPED_TRACE(name);
        const fs::path folder = careers_ / name;
        std::string lastEnd;
        for (const auto& line : ReadText(folder / "Patrols.cfg")) {
            if (BeginsWithKey(line, "ENDLOCATION")) lastEnd = GetCfgValue(line);
        }
        ASSERT_FALSE(lastEnd.empty());
        atHomePort += locations.count(lastEnd) ? 1 : 0;

        const Lines patrols = ReadText(folder / "Patrols_0.cfg");
        const std::size_t count = Find(patrols, "PATROLS=");
        ASSERT_LT(count, patrols.size());
        std::string header = GetCfgValue(patrols[count]);
        header = "[PATROL " + std::string(3 - std::min<std::size_t>(3, header.size()), '0') + header + "]";
        std::size_t at = 0;
        while (at < patrols.size() && TrimBlanks(patrols[at]) != header) ++at;
        ASSERT_LT(at, patrols.size()) << header;
        for (const char* key : {"STARTLOCATION=", "ENDLOCATION=", "SUBTYPE=", "SUBVERSION=", "SUBNAME="}) {
            at = Find(patrols, key, at + 1);
            EXPECT_LT(at, patrols.size()) << key;
        }

        const Lines careers = ReadText(folder / "Careers_0.cfg");
        const std::size_t careerCount = Find(careers, "CAREERS=");
        ASSERT_LT(careerCount, careers.size());
        std::string career = GetCfgValue(careers[careerCount]);
        career = "[CAREER " + std::string(3 - std::min<std::size_t>(3, career.size()), '0') + career + "]";
        at = 0;
        while (at < careers.size() && TrimBlanks(careers[at]) != career) ++at;
        ASSERT_LT(at, careers.size()) << career;
        const std::size_t version = Find(careers, "SUBVERSION=", at + 1);
        EXPECT_LT(Find(careers, "FORETUBES=", version + 1), careers.size());
    }
    EXPECT_EQ(folders.size(), 2u);
    EXPECT_EQ(atHomePort, 1) << "one commander's last patrol ends at a pickup location, the other's does not";
}

}  // namespace
}  // namespace zephrane
