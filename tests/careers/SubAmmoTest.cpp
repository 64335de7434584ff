#include <gtest/gtest.h>

#include <map>

#include "careers/CareerRewrite.h"
#include "careers/SubAmmo.h"
#include "platform/HostFileSystem.h"
#include "support/TestFiles.h"

namespace zephrane {
namespace {

using testing::Crlf;
using testing::TempDir;

bool Lookup(const FileSystem& fs, const std::string& path, std::string year, std::string type,
            std::string version, Loadout& l, std::string& error) {
    return SubAmmo(fs, path, &error, year, type, version, l.z01, l.m01, l.a01, l.a02, l.s01, l.s02, l.s03,
                   l.superCharger, l.snorkel, l.batteries, l.aftBatteries, l.hydrophone, l.sonar, l.radar,
                   l.radarWarningReceiver, l.decoyLauncher, l.sonarCoatings, l.radarCoatings);
}

std::map<std::string, std::string> Values(const Loadout& l) {
    return {{"z01", l.z01},
            {"m01", l.m01},
            {"a01", l.a01},
            {"a02", l.a02},
            {"s01", l.s01},
            {"s02", l.s02},
            {"s03", l.s03},
            {"superCharger", l.superCharger},
            {"snorkel", l.snorkel},
            {"batteries", l.batteries},
            {"aftBatteries", l.aftBatteries},
            {"hydrophone", l.hydrophone},
            {"sonar", l.sonar},
            {"radar", l.radar},
            {"radarWarningReceiver", l.radarWarningReceiver},
            {"decoyLauncher", l.decoyLauncher},
            {"sonarCoatings", l.sonarCoatings},
            {"radarCoatings", l.radarCoatings}};
}

// The presets with the given values changed.
std::map<std::string, std::string> Expect(const std::map<std::string, std::string>& changed) {
    auto values = Values(Loadout{});
    for (const auto& [k, v] : changed) values.at(k) = v;
    return values;
}

const std::string kBasic = Crlf({
    "[SUBMARINE1]",
    "NBVERSION=1",
    "[SUBMARINE_AMMO1]",
    "Type=1",
    "Version=01",
    "YEAR=1939",
    "Z01=10",
    "RENOWN=0",
    "[SUBMARINE_AMMO2]",
    "TYPE=2",
    "VERSION=1",
    "YEAR=1939",
    "Z01=39",
    "RENOWN=0",
    "YEAR=1941",
    "Z01=41",
    "M01=8",
    "Z01=42",
    "A01=",
    "A02=4 ;two guns",
    "S01=5",
    "S02=6",
    "S03=7",
    "SuperCharger=1",
    "Snorkel=2",
    "AftBatteries=3",
    "Hydrophone=4",
    "RadarWarningReceiver=5",
    "RadarCoatings=6",
    "Decoy_Launcher=7",
    "SonarCoatings=8",
    "Sonar=9",
    "Radar=10",
    "Unknown=1",
    "RENOWN=1",
    "YEAR=1943",
    "Z01=43",
    "RENOWN=2",
    "[SUBMARINE_AMMO3]",
    "TYPE=3",
    "VERSION=1",
    "YEAR=1940",
    "RENOWN=0",
    "[SUBMARINE_AMMO3b]",
    "TYPE=3",
    "VERSION=1",
    "YEAR=1944",
    "Z01=44",
    "RENOWN=0",
    "[SUBMARINE_AMMO4]",
    "TYPE=4",
    "VERSION=1",
    "YEAR=1942",
    "Z01=1",
    "[SUBMARINE_AMMO5]",
    "M01=5",
    "RENOWN=0",
    "[SUBMARINE_AMMO6]",
    "TYPE=6",
    "VERSION=1",
    "YEAR=1940",
    "Z01=6",
    "RENOWN=0",
});

TEST(SubAmmo, TakesTheFirstBlockOfTheMatchingSectionNotEarlierThanTheYear) {
    TempDir dir;
    dir.Write("basic.cfg", kBasic);
    HostFileSystem fs({});
    const std::map<std::string, std::string> block1941 = {
        {"z01", "42"},          {"m01", "8"},           {"a01", ""},
        {"a02", "4"},           {"s01", "5"},           {"s02", "6"},
        {"s03", "7"},           {"superCharger", "1"},  {"snorkel", "2"},
        {"aftBatteries", "3"},  {"hydrophone", "4"},    {"radarWarningReceiver", "5"},
        {"radarCoatings", "6"}, {"decoyLauncher", "7"}, {"sonarCoatings", "8"},
        {"sonar", "9"},         {"radar", "10"}};
    const struct {
        std::string what, year, type, version;
        std::map<std::string, std::string> values;
    } cases[] = {
        {"first block", "1939", "2", "1", Expect({{"z01", "39"}})},
        {"next later block", "1940", "2", "1", Expect(block1941)},
        {"block of the year", "1941", "2", "1", Expect(block1941)},
        {"last block", "1943", "2", "1", Expect({{"z01", "43"}})},
        {"every block earlier", "1944", "2", "1", Expect({})},
        {"version 1 is not 01", "1939", "1", "1", Expect({})},
        {"version 01", "1939", "1", "01", Expect({{"z01", "10"}})},
        {"type compared exactly", "1939", "02", "1", Expect({})},
        {"later matching section not examined", "1944", "3", "1", Expect({})},
        {"block without RENOWN runs on", "1942", "4", "1", Expect({{"z01", "1"}, {"m01", "5"}})},
        {"section at the end of the file", "1940", "6", "1", Expect({{"z01", "6"}})},
        {"no block before the end of the file", "1941", "6", "1", Expect({})},
        {"no such type", "1939", "9", "1", Expect({})},
    };
    for (const auto& c : cases) {
        Loadout l;
        std::string error;
        EXPECT_TRUE(Lookup(fs, dir.Str() + "\\basic.cfg", c.year, c.type, c.version, l, error)) << c.what;
        EXPECT_EQ(Values(l), c.values) << c.what;
        EXPECT_EQ(error, "") << c.what;
    }
}

TEST(SubAmmo, AFileThatEndsEarlyOrIsMissingLeavesThePresets) {
    TempDir dir;
    HostFileSystem fs({});
    const struct {
        std::string what;
        std::string basic;
    } cases[] = {
        {"ends before TYPE", Crlf({"[SUBMARINE_AMMO1]", "VERSION=1", "YEAR=1939"})},
        {"ends before VERSION", Crlf({"[SUBMARINE_AMMO1]", "TYPE=2", "YEAR=1939", "Z01=3"})},
        {"ends before RENOWN", Crlf({"[SUBMARINE_AMMO1]", "TYPE=2", "VERSION=1", "YEAR=1939", "Z01=3"})},
        {"ends before RENOWN in a later section", Crlf({"[SUBMARINE_AMMO1]", "TYPE=2", "VERSION=1",
                                                        "YEAR=1942", "Z01=3", "[SUBMARINE_AMMO2]", "S01=1"})},
    };
    for (const auto& c : cases) {
        dir.Write("basic.cfg", c.basic);
        Loadout l;
        std::string error;
        EXPECT_FALSE(Lookup(fs, dir.Str() + "\\basic.cfg", "1939", "2", "1", l, error)) << c.what;
        EXPECT_EQ(Values(l), Expect({})) << c.what;
        EXPECT_NE(error, "") << c.what;
    }

    Loadout l;
    std::string error;
    EXPECT_FALSE(Lookup(fs, dir.Str() + "\\missing.cfg", "1939", "2", "1", l, error));
    EXPECT_EQ(Values(l), Expect({}));
    EXPECT_EQ(error, "The file does not exist.");
}

}  // namespace
}  // namespace zephrane
