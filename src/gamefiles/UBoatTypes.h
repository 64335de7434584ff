#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "gamefiles/Dates.h"

namespace zephrane {

// One entry of cboUBoatType and its row of sUBoatType.
struct UBoatTypeEntry {
    std::string name;        // the version's NAME, shown in the list
    std::string subType;     // submarine number of the section
    std::string subVersion;  // value of the version's VERSION line
};

struct UBoatTypeList {
    std::vector<UBoatTypeEntry> entries;  // the versions available, in file order
    bool ok = true;                       // false: basic.cfg is malformed
    std::string error;                    // what is wrong with it, when !ok
};

// Replaces month and year for the fifteen version names whose game dates the
// program corrects; leaves them unchanged for any other name.
void FixStart(const std::string& sName, int& iMonth, int& iYear);

// The date at which availability is judged: the last patrol's end while
// ssEndDate is enabled, else day 1 of the chosen month and year when both are
// chosen, else 1 August 1939.
Date ReferenceDate(bool endDateEnabled, const Date& endDate, std::optional<int> month,
                   std::optional<int> year);

// Every version of basic.cfg's submarine sections available on or before
// `reference`. A malformed file stops the reading: the entries found before
// the problem are kept and `ok` is false.
UBoatTypeList ReadUBoatTypes(const std::vector<std::string>& lines, const Date& reference);
// The same from the whole text of basic.cfg, read in place without a copy of
// its lines.
UBoatTypeList ReadUBoatTypesFromText(std::string_view text, const Date& reference);

}  // namespace zephrane
