#include <string>
#include <vector>

#include "Sample.h"

namespace zephrane::sample {

namespace {

// A patrol as SH3 Commander records it.
struct Patrol {
    std::string start;  // location codes
    std::string end;
    std::string startDate;  // YYYYMMDD
    std::string endDate;
    std::string subType;
    std::string subVersion;
    std::string subName;
    std::string tonnage;
};

std::string Numbered(int n) {
    std::string digits = std::to_string(n);
    while (digits.size() < 3) digits = "0" + digits;
    return digits;
}

void AppendPatrol(Lines& lines, int n, const Patrol& p, const char* flotilla) {
    lines.push_back("[PATROL " + Numbered(n) + "]");
    lines.push_back("StartLocation=" + p.start);
    lines.push_back("StartDate=" + p.startDate);
    lines.push_back("EndLocation=" + p.end);
    lines.push_back("EndDate=" + p.endDate);
    lines.push_back("SubType=" + p.subType);
    lines.push_back("SubVersion=" + p.subVersion);
    lines.push_back(std::string("Flotilla=") + flotilla);
    lines.push_back("SubName=" + p.subName);
    lines.push_back("Tonnage=" + p.tonnage);
    lines.push_back("");
}

// Patrols.cfg: the whole record; Patrols_0.cfg: the same patrols of the
// current career with its count, whose last section is the current patrol.
Lines PatrolRecord(const std::vector<Patrol>& patrols, const char* flotilla) {
    Lines lines = {"; Patrol record", ""};
    for (std::size_t i = 0; i < patrols.size(); ++i) {
        AppendPatrol(lines, static_cast<int>(i) + 1, patrols[i], flotilla);
    }
    return lines;
}

Lines CareerPatrols(const std::vector<Patrol>& patrols, const char* flotilla) {
    Lines lines = {"[GENERAL]", "Patrols=" + std::to_string(patrols.size()), ""};
    for (std::size_t i = 0; i < patrols.size(); ++i) {
        AppendPatrol(lines, static_cast<int>(i) + 1, patrols[i], flotilla);
    }
    return lines;
}

struct Boat {
    const char* subType;
    const char* subVersion;
    const char* subName;
    const char* torpedoes;
};

void AppendCareer(Lines& lines, int n, const std::string& name, const char* flotilla, const Boat& boat,
                  const char* renown) {
    lines.insert(lines.end(), {
                                  "[CAREER " + Numbered(n) + "]",
                                  "Name=" + name,
                                  std::string("Flotilla=") + flotilla,
                                  std::string("SubType=") + boat.subType,
                                  std::string("SubVersion=") + boat.subVersion,
                                  std::string("Z01=") + boat.torpedoes,
                                  "M01=-1",
                                  "A01=220",
                                  "A02=1200",
                                  "S01=-100",
                                  "S02=-100",
                                  "S03=-100",
                                  "SuperChargerUpg=-1",
                                  "BatteriesUpg=0",
                                  "HydrophoneUpg=0",
                                  "SonarUpg=-1",
                                  "RadarUpg=-1",
                                  "RadarWarningReceiverUpg=-1",
                                  "Decoy_LauncherUpg=-1",
                                  "SnorkelUpg=-1",
                                  "SonarCoatingsUpg=-1",
                                  "RadarCoatingsUpg=-1",
                                  "ALB=-1",
                                  "TAR=-1",
                                  "ForeTubes=4",
                                  "AftTubes=1",
                                  std::string("SubName=") + boat.subName,
                                  std::string("Renown=") + renown,
                                  "",
                              });
}

// Hartwig Sommerfeld, 2. U-Flottille: his last patrol ended at Lorient (760),
// so a new U-boat picked up at Lorient is a commissioning at his home port.
Commander Sommerfeld() {
    const char* flotilla = "903";
    const std::vector<Patrol> patrols = {
        {"751", "751", "19391004", "19391030", "1", "1", "U-49", "12480"},
        {"751", "760", "19400611", "19400718", "1", "1", "U-49", "21905"},
        {"760", "760", "19410712", "19410823", "1", "2", "U-163", "18240"},
    };
    Lines careers = {"[GENERAL]", "Careers=1", ""};
    AppendCareer(careers, 1, "Hartwig Sommerfeld", flotilla, {"1", "2", "U-163", "14"}, "2150");
    return {"Hartwig Sommerfeld",
            {{"Patrols.cfg", PatrolRecord(patrols, flotilla)},
             {"Patrols_0.cfg", CareerPatrols(patrols, flotilla)},
             {"Careers_0.cfg", careers}}};
}

// Till Brackenhoff, 7. U-Flottille, on his second career: eleven patrols from
// St. Nazaire; the last one ended with the boat towed in damaged and no port
// recorded (-1), so no pickup location is his home port.
Commander Brackenhoff() {
    const char* flotilla = "906";
    const char* tonnages[] = {"4120",  "0",     "9870", "15320", "7400",
                              "11060", "22810", "6950", "13400", "8800"};
    std::vector<Patrol> patrols;
    for (int i = 0; i < 10; ++i) {
        const int year = 1940 + i / 4;
        const int month = 1 + (i % 4) * 3;
        patrols.push_back({"761", "761", std::to_string(year * 10000 + month * 100 + 3),
                           std::to_string(year * 10000 + (month + 1) * 100 + 26), "1", "2", "U-218",
                           tonnages[i]});
    }
    patrols.push_back({"761", "-1", "19430105", "19430214", "1", "2", "U-331", "10450"});
    Lines careers = {"[GENERAL]", "Careers=2", ""};
    AppendCareer(careers, 1, "Till Brackenhoff", "902", {"0", "1", "U-139", "5"}, "640");
    AppendCareer(careers, 2, "Till Brackenhoff", flotilla, {"1", "2", "U-331", "14"}, "3980");
    return {"Till Brackenhoff",
            {{"Patrols.cfg", PatrolRecord(patrols, flotilla)},
             {"Patrols_0.cfg", CareerPatrols(patrols, flotilla)},
             {"Careers_0.cfg", careers}}};
}

}  // namespace

std::vector<Commander> Commanders() {
    return {Sommerfeld(), Brackenhoff()};
}

}  // namespace zephrane::sample
