#include "support/FlotillaLines.h"

namespace zephrane::testing {

std::string Join(std::initializer_list<Lines> parts) {
    std::string bytes;
    for (const auto& part : parts) {
        for (const auto& line : part) bytes += line + "\r\n";
    }
    return bytes;
}

Lines FlotillaHead(const FlotillaCodes& c) {
    return {
        "; Flotillas of the campaign",
        "[FLOTILLA]",
        "Flotilla0=" + c.flotilla0,
        "NbBases0=1",
        "Base0_0=" + c.kiel + ";Kiel",
        "Date0_0_0=1939",
        "Month0_0_0=8",
        "Date0_0_1=1945",
        "Month0_0_1=12",
        "DeparturePointLong0_0=1200.5",
        "DeparturePointLat0_0=5400.25",
        "Heading0_0=10",
        "NbUboats0=1",
        "Uboat0_0=U-1",
        "Flotilla1=" + c.flotilla1,
        "NbBases1=2",
        "Base1_0=" + c.kiel + ";Kiel",
        "Date1_0_0=1939",
        "Month1_0_0=8",
        "Date1_0_1=1941",
        "Month1_0_1=6",
        "DeparturePointLong1_0=9999",
        "DeparturePointLat1_0=9999",
        "Heading1_0=99",
        "Base1_1=" + c.wilhelmshaven + ";Wilhelmshaven",
        "Date1_1_0=1941",
        "Month1_1_0=7",
        "Date1_1_1=1945",
        "Month1_1_1=5",
        "DeparturePointLong1_1=800",
        "DeparturePointLat1_1=5350",
        "Heading1_1=350",
        "NbUboats1=0",
        "Flotilla2=" + c.flotilla2,
        "NbBases2=0",
        "NbUboats2=0",
        "Flotilla3=" + c.flotilla3,
        "Name3=5. U-Flottille",
    };
}

Lines Flotilla3Bases(const FlotillaCodes& c) {
    return {
        "NbBases3=4",
        "Base3_0=" + c.kiel + ";Kiel",
        "Date3_0_0=1939",
        "Month3_0_0=8",
        "Date3_0_1=1940",
        "Month3_0_1=6",
        "DeparturePointLong3_0=7777",
        "DeparturePointLat3_0=7777",
        "Heading3_0=77",
        "Base3_1=" + c.lorient + ";Lorient",
        "Date3_1_0=1940",
        "Month3_1_0=7",
        "Date3_1_1=1941",
        "Month3_1_1=12",
        "DeparturePointLong3_1=-330",
        "DeparturePointLat3_1=4770",
        "Heading3_1=270",
        "Base3_2=" + c.brest + ";Brest",
        "Date3_2_0=1942",
        "Month3_2_0=1",
        "Date3_2_1=1944",
        "Month3_2_1=8",
        "DeparturePointLong3_2=-450",
        "DeparturePointLat3_2=4840",
        "Heading3_2=280",
        "Base3_3=" + c.bergen + ";Bergen",
        "Date3_3_0=1944",
        "Month3_3_0=9",
        "Date3_3_1=1945",
        "Month3_3_1=5",
        "DeparturePointLong3_3=530",
        "DeparturePointLat3_3=6040",
        "Heading3_3=300",
    };
}

}  // namespace zephrane::testing
