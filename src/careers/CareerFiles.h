#pragma once

#include <string>

#include "platform/Platform.h"

namespace zephrane {

// What a commissioning by a serving commander writes into his career.
struct CareerOrder {
    std::string careersPath;   // sCareersPath
    std::string kommandant;    // text of the selected cboKommandant entry, as shown
    std::string pickupCode;    // sLocationCode at the selected cboLocation entry
    std::string subType;       // sUBoatType column 1 at the selected cboUBoatType entry
    std::string subVersion;    // sUBoatType column 2
    std::string uboatNumber;   // text of txtUBoatNumber, as typed
    std::string year;          // four-digit year of the date ssEndDate shows
    std::string basicCfgPath;  // Text1 + "\data\cfg\basic.cfg"
};

// Sets sLocation to the value of the last line of <commanderFolder>\Patrols.cfg
// that begins with ENDLOCATION; empty when there is none or no such file.
void getStartLocation(const FileSystem& fs, const std::string& commanderFolder, std::string& sLocation);

// Rewrites Patrols_0.cfg and Careers_0.cfg of the commander for the new boat
// and sets bSameLocation. Returns false, after a message box that names the
// file, when a file, folder, count line or section key is missing: then no
// file has changed.
bool UpdateCareerFiles(Platform& platform, const CareerOrder& order, bool& bSameLocation);

}  // namespace zephrane
