#include "careers/SubAmmo.h"

#include <array>
#include <optional>
#include <vector>

#include "gamefiles/CfgLine.h"
#include "gamefiles/LineReader.h"
#include "platform/TextFile.h"

namespace zephrane {
namespace {

constexpr std::size_t kValueCount = 18;
using LoadoutValues = std::array<std::string*, kValueCount>;

// Keys of a year block in the order they are tested: a longer key comes
// before the shorter key that is its prefix (SONARCOATINGS before SONAR).
// Each index is the position of the value in LoadoutValues.
struct BlockKey {
    const char* key;
    std::size_t value;
};
constexpr BlockKey kBlockKeys[] = {
    {"Z01", 0},
    {"M01", 1},
    {"A01", 2},
    {"A02", 3},
    {"S01", 4},
    {"S02", 5},
    {"S03", 6},
    {"SUPERCHARGER", 7},
    {"SNORKEL", 8},
    {"BATTERIES", 9},
    {"AFTBATTERIES", 10},
    {"HYDROPHONE", 11},
    {"RADARWARNINGRECEIVER", 14},
    {"RADARCOATINGS", 17},
    {"DECOY_LAUNCHER", 15},
    {"SONARCOATINGS", 16},
    {"SONAR", 12},
    {"RADAR", 13},
};

constexpr const char* kSectionHeader = "[SUBMARINE_AMMO";

enum class Search { Found, NotFound, Malformed };

class LoadoutReader {
public:
    LoadoutReader(LineReader lines, const std::string& year, const std::string& type,
                  const std::string& version, const LoadoutValues& values)
        : reader_(std::move(lines)), year_(year), type_(type), version_(version), values_(values) {}

    // Found: the values hold the block's; NotFound: no block for the boat;
    // Malformed: the file ended early, `error` says where.
    Search Run(std::string& error) {
        std::string_view s;
        bool found = false;
        while (!found && reader_.Next(s)) {
            if (!BeginsWithKey(s, kSectionHeader)) continue;
            if (!SkipTo("TYPE", s)) return Malformed(error, "TYPE");
            if (GetCfgValue(s) != type_) continue;
            if (!SkipTo("VERSION", s)) return Malformed(error, "VERSION");
            if (GetCfgValue(s) != version_) continue;
            found = ReadYearBlocks(s);
            if (endedInBlock_) return Malformed(error, "RENOWN");
        }
        return found ? Search::Found : Search::NotFound;
    }

private:
    static Search Malformed(std::string& error, const std::string& key) {
        error =
            "The file ends inside a " + std::string(kSectionHeader) + " section before its " + key + " line.";
        return Search::Malformed;
    }

    // Tests the current line first, then reads on until a line begins with `key`.
    bool SkipTo(const std::string& key, std::string_view& s) {
        while (!BeginsWithKey(s, key)) {
            if (!reader_.Next(s)) return false;
        }
        return true;
    }

    // Runs through the year blocks of the matching section until one is not
    // earlier than the order's year, or the next section begins. When the
    // file ends first, the section simply had no such block: the last section
    // of basic.cfg ends at the end of the file as any other ends at the next
    // header, and that is the ordinary "nothing found" case.
    bool ReadYearBlocks(std::string_view& s) {
        while (!BeginsWithKey(s, kSectionHeader)) {
            if (!reader_.Next(s)) return false;
            if (BeginsWithKey(s, "YEAR") && GetCfgValue(s) >= year_) return ReadBlock(s);
        }
        return false;
    }

    // Takes every key line up to the RENOWN line that closes the block.
    bool ReadBlock(std::string_view& s) {
        while (!BeginsWithKey(s, "RENOWN")) {
            if (!reader_.Next(s)) {
                endedInBlock_ = true;
                return false;
            }
            TakeKey(s);
        }
        return true;
    }

    void TakeKey(std::string_view s) {
        for (const auto& k : kBlockKeys) {
            if (BeginsWithKey(s, k.key)) {
                *values_[k.value] = GetCfgValue(s);
                return;
            }
        }
    }

    LineReader reader_;
    const std::string& year_;
    const std::string& type_;
    const std::string& version_;
    LoadoutValues values_;
    bool endedInBlock_ = false;
};

bool Failure(std::string* error, const std::string& why) {
    if (error) *error = why;
    return false;
}

}  // namespace

bool SubAmmo(const FileSystem& fs, const std::string& basicCfgPath, std::string* error, std::string& sYear,
             std::string& sType, std::string& sVersion, std::string& z01, std::string& m01, std::string& a01,
             std::string& a02, std::string& s01, std::string& s02, std::string& s03,
             std::string& SuperCharger, std::string& Snorkel, std::string& Batteries,
             std::string& AftBatteries, std::string& Hydrophone, std::string& Sonar, std::string& Radar,
             std::string& RadarWarningReceiver, std::string& Decoy_Launcher, std::string& SonarCoatings,
             std::string& RadarCoatings) {
    const LoadoutValues values = {&z01,
                                  &m01,
                                  &a01,
                                  &a02,
                                  &s01,
                                  &s02,
                                  &s03,
                                  &SuperCharger,
                                  &Snorkel,
                                  &Batteries,
                                  &AftBatteries,
                                  &Hydrophone,
                                  &Sonar,
                                  &Radar,
                                  &RadarWarningReceiver,
                                  &Decoy_Launcher,
                                  &SonarCoatings,
                                  &RadarCoatings};

    if (!fs.FileExists(basicCfgPath)) return Failure(error, "The file does not exist.");
    std::string readError;
    const auto bytes = fs.ReadFile(basicCfgPath, &readError);
    if (bytes) readError = NotTextProblem(*bytes);
    if (!bytes || !readError.empty()) return Failure(error, "The file could not be read: " + readError);

    std::array<std::string, kValueCount> presets;
    for (std::size_t i = 0; i < kValueCount; ++i) presets[i] = *values[i];

    std::string why;
    LoadoutReader reader(LineReader::OverText(*bytes), sYear, sType, sVersion, values);
    if (reader.Run(why) == Search::Malformed) {
        // A block cut off by the end of the file is not the game's loadout.
        for (std::size_t i = 0; i < kValueCount; ++i) *values[i] = presets[i];
        return Failure(error, why);
    }
    return true;
}

}  // namespace zephrane
