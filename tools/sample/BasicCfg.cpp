#include <string>
#include <vector>

#include "Sample.h"

namespace zephrane::sample {

namespace {

struct Version {
    const char* name;
    int month, year;  // first month in which the version is available
};

struct SubmarineType {
    int number;  // the submarine number of the section header and of Flotilla.cfg's U-boat lines
    std::vector<Version> versions;
    int daysInBase;
    // Loadout: torpedoes, deck gun and anti-aircraft rounds; -100 where the boat carries none.
    int torpedoes, mines, deckGun, flak;
};

const std::vector<SubmarineType>& Types() {
    static const std::vector<SubmarineType> types = {
        {0, {{"IIA", 6, 1935}, {"IID", 9, 1940}}, 14, 5, 9, -100, 1000},
        {1,
         {{"VIIA", 9, 1939}, {"VIIB", 8, 1939}, {"VIIC", 10, 1940}, {"VIIC/41", 4, 1941}},
         21,
         14,
         -1,
         220,
         1200},
        {2, {{"IXB", 4, 1940}, {"IXC", 3, 1941}}, 30, 22, -1, 180, 1200},
        {3, {{"XXI", 6, 1944}}, 42, 23, -1, -100, 2400},
    };
    return types;
}

void AppendGeneral(Lines& lines) {
    lines.insert(lines.end(), {
                                  "; Basic configuration of the sample campaign (made up)",
                                  "",
                                  "[GENERAL]",
                                  "CrewFatigue=1",
                                  "DepthUnits=0",
                                  "SpeedUnits=0",
                                  "",
                              });
}

void AppendSubmarine(Lines& lines, const SubmarineType& type) {
    lines.push_back("[SUBMARINE" + std::to_string(type.number) + "]");
    lines.push_back("NbVersion=" + std::to_string(type.versions.size()));
    for (std::size_t v = 0; v < type.versions.size(); ++v) {
        const Version& version = type.versions[v];
        lines.push_back("Version=" + std::to_string(v));
        lines.push_back("Name=" + std::string(version.name));
        lines.push_back("Month=" + std::to_string(version.month));
        lines.push_back("Year=" + std::to_string(version.year));
        lines.push_back("CrewSize=" + std::to_string(type.number == 0 ? 25 : 44 + 4 * static_cast<int>(v)));
    }
    lines.push_back("DaysSpentInBase=" + std::to_string(type.daysInBase));
    lines.push_back("");
}

// Equipment levels grow with the war: -1 is "not fitted", 0 the first model.
int LevelFrom(int year, int firstYear) {
    return year < firstYear ? -1 : year - firstYear;
}

void AppendYearBlock(Lines& lines, const SubmarineType& type, const std::string& name, int year) {
    const bool late = name == "VIIC/41" || name == "XXI";
    const auto put = [&lines](const char* key, int value) {
        lines.push_back(std::string(key) + "=" + std::to_string(value));
    };
    put("Year", year);
    put("Z01", type.torpedoes);
    put("M01", type.mines < 0 ? -1 : type.mines + (year >= 1941 ? 3 : 0));
    put("A01", type.deckGun < 0 || year >= 1944 ? -100 : type.deckGun);
    put("A02", type.flak + (year >= 1943 ? 800 : 0));
    put("S01", year >= 1943 && type.number != 0 ? 800 : -100);
    put("S02", year >= 1944 && type.number != 0 ? 800 : -100);
    put("S03", -100);
    put("SuperCharger", type.number == 0 ? -1 : LevelFrom(year, 1943));
    put("Snorkel", type.number == 3 ? 0 : (type.number == 0 ? -1 : LevelFrom(year, 1944)));
    put("Batteries", year >= 1943 ? 1 : 0);
    put("AftBatteries", type.number == 0 ? -1 : 0);
    put("Hydrophone", year >= 1942 ? 1 : 0);
    put("Sonar", type.number == 3 ? 1 : LevelFrom(year, 1942));
    put("Radar", LevelFrom(year, 1942));
    put("RadarWarningReceiver", LevelFrom(year, 1942));
    put("RadarCoatings", late && year >= 1944 ? 0 : -1);
    put("Decoy_Launcher", LevelFrom(year, 1942) > 0 ? 0 : -1);
    put("SonarCoatings", late && year >= 1944 ? 0 : -1);
    put("Renown", 250 * (year - 1939));
}

// One loadout section per type and version, with a year block for every year
// of the war, so that any commissioning finds its block.
void AppendAmmo(Lines& lines, int& section, const SubmarineType& type) {
    for (std::size_t v = 0; v < type.versions.size(); ++v) {
        lines.push_back("[SUBMARINE_AMMO" + std::to_string(section++) + "]");
        lines.push_back("Type=" + std::to_string(type.number));
        lines.push_back("Version=" + std::to_string(v));
        for (int year = 1939; year <= 1945; ++year) {
            AppendYearBlock(lines, type, type.versions[v].name, year);
        }
        lines.push_back("");
    }
}

void AppendTorpedoes(Lines& lines) {
    lines.insert(lines.end(),
                 {
                     "[TORPEDO_TYPE0]", "Name=G7a",  "Speed=44", "Range=6000", "Month=9", "Year=1939", "",
                     "[TORPEDO_TYPE1]", "Name=G7e",  "Speed=30", "Range=5000", "Month=9", "Year=1939", "",
                     "[TORPEDO_TYPE2]", "Name=G7es", "Speed=24", "Range=5700", "Month=8", "Year=1943",
                 });
}

}  // namespace

Lines BasicCfg() {
    Lines lines;
    AppendGeneral(lines);
    for (const auto& type : Types()) AppendSubmarine(lines, type);
    int section = 0;
    for (const auto& type : Types()) AppendAmmo(lines, section, type);
    AppendTorpedoes(lines);
    return lines;
}

}  // namespace zephrane::sample
