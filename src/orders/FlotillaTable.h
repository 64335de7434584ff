#pragma once

#include <array>
#include <string>
#include <vector>

#include "platform/Platform.h"

namespace zephrane {

inline constexpr int kMaxBases = 11;

// One flotilla line of the backup and its bases; texts as GetCfgValue gives them.
struct FlotillaRec {
    std::string sMenuCode;
    std::string sKeyIndex;
    std::string sNbBases;
    std::array<std::string, kMaxBases> sBase;
    std::array<std::string, kMaxBases> sDateFrom;
    std::array<std::string, kMaxBases> sMonthFrom;
    std::array<std::string, kMaxBases> sDateTo;
    std::array<std::string, kMaxBases> sMonthTo;
};

// One distinct base code with its name and departure point.
struct BaseRec {
    std::string sCode;
    std::string sName;
    std::string sLong;
    std::string sLat;
    std::string sHeading;
};

}  // namespace zephrane
