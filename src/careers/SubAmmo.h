#pragma once

#include <string>

#include "platform/FileSystem.h"

namespace zephrane {

// Looks up the loadout and upgrades of a U-boat type and version in a year in
// basic.cfg (`basicCfgPath`) and overwrites the eighteen in/out values with
// what the first block of that year or later holds; values it does not find
// keep their presets. Returns false (leaving every value at its preset, with
// `error` saying why) when basic.cfg is missing, unreadable or ends while a
// line is still being looked for.
bool SubAmmo(const FileSystem& fs, const std::string& basicCfgPath, std::string* error, std::string& sYear,
             std::string& sType, std::string& sVersion, std::string& z01, std::string& m01, std::string& a01,
             std::string& a02, std::string& s01, std::string& s02, std::string& s03,
             std::string& SuperCharger, std::string& Snorkel, std::string& Batteries,
             std::string& AftBatteries, std::string& Hydrophone, std::string& Sonar, std::string& Radar,
             std::string& RadarWarningReceiver, std::string& Decoy_Launcher, std::string& SonarCoatings,
             std::string& RadarCoatings);

}  // namespace zephrane
