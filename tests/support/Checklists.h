#pragma once

// The checklists an order writes to Instructions.txt, line by line, with the
// values that differ from order to order. The commander is Hans Kurz, his
// boat U-123, a VIIC.
#include <string>

#include "support/FlotillaLines.h"

namespace zephrane::testing {

// The whole file: the banner, then the checklist.
std::string Instructions(const Lines& body);

// Values of a serving commander's checklist, in the order they appear.
struct ExperiencedValues {
    std::string commission, days, pickup, from, start, base;
};
Lines ExperiencedChecklist(const ExperiencedValues& v);

Lines TransferChecklist(const std::string& days, const std::string& destination, const std::string& from,
                        const std::string& start, const std::string& base, const std::string& enter);

// Values of a new commander's checklist, in the order they appear.
struct NewCommanderValues {
    std::string commissionLessThree, commission, destination, year, month, from, start, monthLater, base;
};
Lines NewCommanderChecklist(const NewCommanderValues& v);

// A commissioning at the port where the last patrol ended.
Lines HomePortChecklist(const std::string& port, const std::string& days);

}  // namespace zephrane::testing
