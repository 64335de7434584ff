#pragma once

#include <optional>
#include <string>
#include <vector>

#include "platform/TextFile.h"

namespace zephrane {

// The new boat as the current patrol of Patrols_0.cfg records it.
struct PatrolChange {
    std::string pickupCode;
    std::string subType;
    std::string subVersion;
    std::string uboatNumber;  // trimmed; written as "U-" + number
};

// Loadout and upgrades of the new boat, holding the presets until SubAmmo
// finds the game's values.
struct Loadout {
    std::string z01 = "-1";
    std::string m01 = "-1";
    std::string a01 = "-100";
    std::string a02 = "-100";
    std::string s01 = "-100";
    std::string s02 = "-100";
    std::string s03 = "-100";
    std::string superCharger = "-1";
    std::string snorkel = "-1";
    std::string batteries = "-1";
    std::string aftBatteries = "-1";
    std::string hydrophone = "-1";
    std::string sonar = "-1";
    std::string radar = "-1";
    std::string radarWarningReceiver = "-1";
    std::string decoyLauncher = "-1";
    std::string sonarCoatings = "-1";
    std::string radarCoatings = "-1";
};

// A count written with at least three digits: "7" gives "007", "1234" stays;
// nullopt when the text is not a whole number or is below zero.
std::optional<std::string> FormatCount(const std::string& count);

// The lines of Patrols_0.cfg with the current patrol's start and end location,
// type, version and name replaced. False, with `error` in plain words, when the
// count line, the current patrol's section or one of its keys is missing.
bool RewritePatrolLines(const LineViews& in, const PatrolChange& change, OutputLines& out,
                        std::string& error);

// The lines of Careers_0.cfg with the loadout of the current career written
// after its SubVersion line, in place of everything up to its ForeTubes line.
bool RewriteCareerLines(const LineViews& in, const Loadout& loadout, OutputLines& out, std::string& error);

}  // namespace zephrane
