#include <string>
#include <vector>

#include "Sample.h"

namespace zephrane::sample {

namespace {

struct Port {
    const char* code;  // menu entry number of the port (750 to 769)
    const char* name;
    const char* longitude;
    const char* latitude;
    const char* heading;
};

const std::vector<Port>& Ports() {
    static const std::vector<Port> ports = {
        {"750", "Kiel", "10.19", "54.36", "15"},        {"751", "Wilhelmshaven", "8.15", "53.52", "330"},
        {"753", "Flensburg", "9.47", "54.81", "60"},    {"756", "Bergen", "5.27", "60.40", "270"},
        {"757", "Trondheim", "10.38", "63.44", "300"},  {"759", "Brest", "-4.52", "48.35", "250"},
        {"760", "Lorient", "-3.37", "47.72", "200"},    {"761", "St. Nazaire", "-2.21", "47.26", "240"},
        {"762", "La Pallice", "-1.22", "46.16", "260"}, {"763", "Bordeaux", "-0.56", "44.86", "300"},
        {"764", "La Spezia", "9.84", "44.09", "190"},   {"765", "Toulon", "5.93", "43.10", "170"},
        {"766", "Salamis", "23.50", "37.93", "200"},    {"768", "Penang", "100.34", "5.42", "290"},
    };
    return ports;
}

const Port& PortOf(const std::string& code) {
    for (const auto& port : Ports()) {
        if (code == port.code) return port;
    }
    return Ports().front();
}

// One stay of a flotilla at a port, from (year, month) to (year, month).
struct Stay {
    const char* port;
    int fromYear, fromMonth, toYear, toMonth;
};

struct Flotilla {
    const char* menuCode;  // 902 to 914 in the menu text
    std::vector<Stay> stays;
    std::vector<int> uboats;  // type values: 0 II, 1 VII, 2 IX, 3 XXI
};

const std::vector<Flotilla>& Flotillas() {
    static const std::vector<Flotilla> flotillas = {
        {"902",
         {{"750", 1939, 9, 1940, 6}, {"760", 1940, 7, 1941, 1}, {"759", 1941, 2, 1944, 9}},
         {0, 1, 1, 1}},
        {"903", {{"751", 1939, 9, 1940, 8}, {"760", 1940, 9, 1944, 8}}, {1, 2, 2, 2}},
        {"904", {{"750", 1941, 3, 1941, 9}, {"762", 1941, 10, 1944, 10}}, {1, 1, 1}},
        {"905", {{"750", 1941, 6, 1945, 5}}, {1, 1}},
        {"906", {{"750", 1939, 9, 1940, 6}, {"761", 1940, 7, 1944, 8}}, {1, 1, 1, 0}},
        {"907", {{"759", 1941, 10, 1944, 8}}, {1, 1}},
        {"908", {{"760", 1942, 1, 1944, 10}}, {2, 2}},
        {"909", {{"768", 1944, 9, 1945, 2}, {"753", 1945, 3, 1945, 5}}, {2, 2}},
        {"910", {{"756", 1942, 5, 1945, 5}}, {1, 1, 1}},
        {"911", {{"763", 1942, 10, 1944, 8}}, {2, 2}},
        {"912", {{"757", 1943, 6, 1945, 5}}, {1}},
        {"913", {{"766", 1941, 9, 1942, 5}}, {1}},
        {"914", {{"764", 1941, 12, 1943, 9}, {"765", 1943, 10, 1944, 8}}, {1, 1}},
    };
    return flotillas;
}

void AppendFlotilla(Lines& lines, int j, const Flotilla& flotilla) {
    const std::string n = std::to_string(j);
    lines.push_back("Flotilla" + n + "=" + flotilla.menuCode);
    lines.push_back("NbBases" + n + "=" + std::to_string(flotilla.stays.size()));
    for (std::size_t b = 0; b < flotilla.stays.size(); ++b) {
        const Stay& stay = flotilla.stays[b];
        const Port& port = PortOf(stay.port);
        const std::string nb = n + "_" + std::to_string(b);
        lines.push_back("Base" + nb + "=" + port.code + ";" + port.name);
        lines.push_back("Date" + nb + "_0=" + std::to_string(stay.fromYear));
        lines.push_back("Month" + nb + "_0=" + std::to_string(stay.fromMonth));
        lines.push_back("Date" + nb + "_1=" + std::to_string(stay.toYear));
        lines.push_back("Month" + nb + "_1=" + std::to_string(stay.toMonth));
        lines.push_back("DeparturePointLong" + nb + "=" + port.longitude);
        lines.push_back("DeparturePointLat" + nb + "=" + port.latitude);
        lines.push_back("Heading" + nb + "=" + port.heading);
    }
    lines.push_back("NbUboats" + n + "=" + std::to_string(flotilla.uboats.size()));
    for (std::size_t i = 0; i < flotilla.uboats.size(); ++i) {
        lines.push_back("Uboat" + n + "_" + std::to_string(i) + "=" + std::to_string(flotilla.uboats[i]));
    }
}

}  // namespace

// The flotillas are numbered 0, 1, 2 ... in file order, as the game expects.
// The older editions differ in their header, the starting renown and, for the
// previous installation, the last flotillas that it did not have yet.
Lines FlotillaCfg(FlotillaEdition edition) {
    Lines lines;
    std::size_t count = Flotillas().size();
    std::string renown = "500";
    switch (edition) {
        case FlotillaEdition::kCurrent:
            lines.push_back("; Flotilla configuration of the sample campaign");
            break;
        case FlotillaEdition::kAutumn1941Mod:
            lines.push_back("; Flotilla configuration of the sample campaign, saved by SH3 Commander");
            renown = "1000";
            break;
        case FlotillaEdition::kPreviousInstall:
            lines.push_back("; Flotilla configuration of an earlier installation, saved by SH3 Commander");
            count = 10;
            break;
    }
    lines.push_back("; Dates are year and month; every base has its departure point and heading.");
    lines.push_back("");
    lines.push_back("[FLOTILLA]");
    lines.push_back("PlayerStartRenown=" + renown);
    for (std::size_t j = 0; j < count; ++j) {
        lines.push_back("");
        AppendFlotilla(lines, static_cast<int>(j), Flotillas()[j]);
    }
    return lines;
}

}  // namespace zephrane::sample
