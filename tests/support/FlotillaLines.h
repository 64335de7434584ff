#pragma once

// The Flotilla.cfg that the order tests start from, in the location and
// flotilla codes each suite's menu uses.
#include <initializer_list>
#include <string>
#include <vector>

namespace zephrane::testing {

using Lines = std::vector<std::string>;

// The parts one after the other, every line ended with CR LF.
std::string Join(std::initializer_list<Lines> parts);

// Codes of the five locations and of flotillas 0 to 3.
struct FlotillaCodes {
    std::string kiel, wilhelmshaven, lorient, brest, bergen;
    std::string flotilla0, flotilla1, flotilla2, flotilla3;
};

// From the comment line to flotilla 3's name. Kiel is a base of flotillas 0
// and 1; flotilla 1 moves to Wilhelmshaven in July 1941; flotilla 2 has no
// base.
Lines FlotillaHead(const FlotillaCodes& codes);

// Flotilla 3's four bases: Kiel, Lorient, Brest and Bergen, one after the
// other from August 1939 to May 1945.
Lines Flotilla3Bases(const FlotillaCodes& codes);

}  // namespace zephrane::testing
