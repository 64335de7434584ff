#include "careers/CareerRewrite.h"

#include "gamefiles/CfgLine.h"
#include "gamefiles/LineReader.h"

namespace zephrane {
namespace {

bool Fail(std::string& error, const std::string& why) {
    error = why;
    return false;
}

// "[PATROL 007]" from the first count line "PATROLS=7" of the file.
bool FindCurrentHeader(const LineViews& in, const std::string& countKey, const std::string& sectionName,
                       std::string& header, std::string& error) {
    for (const auto line : in) {
        if (!BeginsWithKey(line, countKey)) continue;
        const auto count = FormatCount(GetCfgValue(line));
        if (!count)
            return Fail(error, "The line " + QuoteLine(line) + " does not hold a " +
                                   (IsWholeNumber(GetCfgValue(line)) ? "count." : "whole number."));
        header = "[" + sectionName + " " + *count + "]";
        return true;
    }
    return Fail(error, "The file has no " + countKey + " line.");
}

bool IsHeaderLine(std::string_view line, const std::string& header) {
    return ToUpperAscii(TrimBlanks(line)) == header;
}

// Copies lines to `out` up to the first that begins with `key`, which is
// read into `line` but not copied.
bool CopyUpToKey(LineReader& reader, const std::string& key, OutputLines& out, std::string_view& line) {
    while (reader.Next(line)) {
        if (BeginsWithKey(line, key)) return true;
        out.Keep(line);
    }
    return false;
}

std::string MissingKey(const std::string& header, const std::string& key) {
    return "No line that begins with " + key + " follows the section header " + Excerpt(header) + ".";
}

struct Replacement {
    const char* key;  // as written; the key test ignores case
    std::string line;
};

bool ReplacePatrolKeys(LineReader& reader, const std::string& header, const PatrolChange& change,
                       OutputLines& out, std::string& error) {
    const Replacement replacements[] = {
        {"StartLocation=", "StartLocation=" + change.pickupCode},
        {"EndLocation=", "EndLocation=" + change.pickupCode},
        {"SubType=", "SubType=" + change.subType},
        {"SubVersion=", "SubVersion=" + change.subVersion},
        {"SubName=", "SubName=U-" + change.uboatNumber},
    };
    std::string_view line;
    for (const auto& r : replacements) {
        if (!CopyUpToKey(reader, r.key, out, line)) return Fail(error, MissingKey(header, r.key));
        out.Add(r.line);
    }
    return true;
}

std::vector<std::string> LoadoutLines(const Loadout& l) {
    return {
        "Z01=" + l.z01,
        "M01=" + l.m01,
        "A01=" + l.a01,
        "A02=" + l.a02,
        "S01=" + l.s01,
        "S02=" + l.s02,
        "S03=" + l.s03,
        "SuperChargerUpg=" + l.superCharger,
        "BatteriesUpg=" + l.batteries,
        "HydrophoneUpg=" + l.hydrophone,
        "SonarUpg=" + l.sonar,
        "RadarUpg=" + l.radar,
        "RadarWarningReceiverUpg=" + l.radarWarningReceiver,
        "Decoy_LauncherUpg=" + l.decoyLauncher,
        "SnorkelUpg=" + l.snorkel,
        "SonarCoatingsUpg=-1",
        "RadarCoatingsUpg=-1",
        "ALB=" + l.sonarCoatings,
        "TAR=" + l.radarCoatings,
    };
}

bool ReplaceLoadout(LineReader& reader, const std::string& header, const Loadout& loadout, OutputLines& out,
                    std::string& error) {
    std::string_view line;
    if (!CopyUpToKey(reader, "SubVersion=", out, line)) return Fail(error, MissingKey(header, "SubVersion="));
    out.Keep(line);
    for (auto& l : LoadoutLines(loadout)) out.Add(std::move(l));
    // The old loadout lines between SubVersion and ForeTubes are dropped.
    if (!reader.NextWithKey("ForeTubes=", line)) return Fail(error, MissingKey(header, "ForeTubes="));
    out.Keep(line);
    return true;
}

// Copies the file and lets `edit` rewrite the section after each line that
// is the current section's header.
template <typename Edit>
bool RewriteSection(const LineViews& in, const std::string& header, OutputLines& out, std::string& error,
                    Edit edit) {
    out.Clear();
    LineReader reader(in);
    std::string_view line;
    bool seen = false;
    while (reader.Next(line)) {
        out.Keep(line);
        if (!IsHeaderLine(line, header)) continue;
        seen = true;
        if (!edit(reader)) return false;
    }
    if (!seen) return Fail(error, "The file has no section " + Excerpt(header) + ".");
    return true;
}

}  // namespace

std::optional<std::string> FormatCount(const std::string& count) {
    if (!IsWholeNumber(count)) return std::nullopt;
    std::string digits = TrimBlanks(count);
    const bool negative = digits[0] == '-';
    if (digits[0] == '+' || negative) digits.erase(0, 1);
    digits.erase(0, digits.find_first_not_of('0'));
    // A count below zero counts nothing: the file is damaged.
    if (negative && !digits.empty()) return std::nullopt;
    if (digits.size() < 3) digits.insert(0, 3 - digits.size(), '0');
    return digits;
}

bool RewritePatrolLines(const LineViews& in, const PatrolChange& change, OutputLines& out,
                        std::string& error) {
    std::string header;
    if (!FindCurrentHeader(in, "PATROLS=", "PATROL", header, error)) return false;
    return RewriteSection(in, header, out, error, [&](LineReader& reader) {
        return ReplacePatrolKeys(reader, header, change, out, error);
    });
}

bool RewriteCareerLines(const LineViews& in, const Loadout& loadout, OutputLines& out, std::string& error) {
    std::string header;
    if (!FindCurrentHeader(in, "CAREERS=", "CAREER", header, error)) return false;
    return RewriteSection(in, header, out, error, [&](LineReader& reader) {
        return ReplaceLoadout(reader, header, loadout, out, error);
    });
}

}  // namespace zephrane
