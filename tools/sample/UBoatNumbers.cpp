#include "Sample.h"

namespace zephrane::sample {

// SH3 Commander's pool of U-boat numbers: one section per type, one line per
// flotilla (menu number = numbers). Each section ends with a blank line.
Lines UBoatNumbers() {
    return {
        "; U-boat numbers by type and flotilla (sample installation)",
        "",
        "[IIA]",
        "902=1,3,5,7",
        "",
        "[IID]",
        "902=121,126,139",
        "906=137,141",
        "",
        "[VIIA]",
        "906=27,29,31,33",
        "",
        "[VIIB]",
        "906=45,46,48,51,52",
        "903=49,53,54",
        "",
        "[VIIC]",
        "902=69,70,73,77",
        "903=81,83,85",
        "904=202,205,207",
        "906=93,94,96,98",
        "907=211,213,214",
        "910=251,253,255",
        "",
        "[VIIC/41]",
        "906=292,293,296",
        "910=299,301",
        "",
        "[IXB]",
        "903=103,105,107,108",
        "",
        "[IXC]",
        "903=125,128,129",
        "908=154,155,160",
        "911=172,177,178",
        "",
        "[XXI]",
        "903=2502,2503,2506",
        "911=2511,2513",
        "",
        "[XXIII]",
        "912=2321,2322,2324",
        "",
    };
}

}  // namespace zephrane::sample
