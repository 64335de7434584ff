#pragma once

#include <string>
#include <vector>

namespace zephrane {

// The pickup locations (menu entries 750-769) and the U-Flottillen
// (902-911) of the game's menu text, each with its parallel code list.
struct MenuLists {
    std::vector<std::string> locations;
    std::vector<std::string> locationCodes;
    std::vector<std::string> destinations;
    std::vector<std::string> destinationCodes;
};

MenuLists ParseMenuLists(const std::vector<std::string>& lines);

}  // namespace zephrane
