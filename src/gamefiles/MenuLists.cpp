#include "gamefiles/MenuLists.h"

#include "gamefiles/CfgLine.h"

namespace zephrane {
namespace {

// A menu entry line "NNN=text" whose first four characters, compared as text,
// lie in [from, to). Lines of four characters or fewer carry no text.
bool IsEntryInRange(const std::string& line, const std::string& from, const std::string& to) {
    if (line.size() <= 4 || line[3] != '=') return false;
    const std::string head = line.substr(0, 4);
    return head >= from && head < to;
}

bool IsComment(const std::string& line) {
    return !line.empty() && line[0] == ';';
}

}  // namespace

MenuLists ParseMenuLists(const std::vector<std::string>& lines) {
    MenuLists lists;
    for (const auto& line : lines) {
        if (IsEntryInRange(line, "750=", "770=")) {
            if (IsComment(line)) continue;
            lists.locations.push_back(GetCfgValue(line));
            lists.locationCodes.push_back(line.substr(0, 3));
        } else if (IsEntryInRange(line, "902=", "912=")) {
            if (IsComment(line)) continue;
            lists.destinations.push_back(GetCfgValue(line));
            lists.destinationCodes.push_back(line.substr(0, 3));
        }
    }
    return lists;
}

}  // namespace zephrane
