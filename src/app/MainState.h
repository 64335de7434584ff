#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "orders/FlotillaTable.h"

namespace zephrane {

// Fields that live as long as the main window; every handler reads and
// writes them directly.
struct MainState {
    std::string sGamePath;       // accepted game home folder
    std::string sCommanderPath;  // accepted SH3 Commander home folder
    std::string sCareersPath;    // trimmed text of Text3
    std::vector<std::string> sLocationCode;
    std::vector<std::string> sDestinationCode;
    std::vector<std::array<std::string, 2>> sUBoatType;  // SubType, SubVersion
    std::vector<FlotillaRec> FlotillaTable;
    std::vector<BaseRec> BaseTable;
    bool bSameLocation = false;
    std::string sRenown;
    std::string s33Flotilla;
    std::int32_t lChecked = 0;
    std::int32_t lFound = 0;
    std::int32_t lProcessed = 0;
};

}  // namespace zephrane
