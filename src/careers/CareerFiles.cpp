#include "careers/CareerFiles.h"

#include <optional>
#include <vector>

#include "careers/CareerRewrite.h"
#include "careers/SubAmmo.h"
#include "gamefiles/CfgLine.h"
#include "gamefiles/Rewrite.h"
#include "platform/ShownPath.h"
#include "platform/TextFile.h"

namespace zephrane {
namespace {

constexpr const char* kTitle = "Initiate Update";
constexpr const char* kPatrolsFile = "Patrols_0.cfg";
constexpr const char* kPatrolsTemp = "Patrols_0.xxx";
constexpr const char* kCareersFile = "Careers_0.cfg";
constexpr const char* kCareersTemp = "Careers_0.xxx";

// The last end location of Patrols.cfg. A serving commander has one; a
// missing file means the careers folder is not what the order expects, and
// the order must not go on half-informed.
bool ReadLastEndLocation(const FileSystem& fs, const std::string& folder, std::string& sLocation,
                         std::string& error) {
    sLocation.clear();
    const std::string path = folder + "\\Patrols.cfg";
    if (!fs.FileExists(path)) {
        error = "The file does not exist.";
        return false;
    }
    std::string readError;
    const auto lines = ReadLines(fs, path, &readError);
    if (!lines) {
        error = "The file could not be read: " + readError;
        return false;
    }
    for (const auto& line : *lines) {
        if (BeginsWithKey(line, "ENDLOCATION")) sLocation = GetCfgValue(line);
    }
    return true;
}

// The whole content of a career file that must exist.
std::optional<std::string> ReadCareerFile(const FileSystem& fs, const std::string& path, std::string& error) {
    if (!fs.FileExists(path)) {
        error = "The file does not exist.";
        return std::nullopt;
    }
    std::string readError;
    auto bytes = fs.ReadFile(path, &readError);
    if (bytes && !(readError = NotTextProblem(*bytes)).empty()) bytes.reset();
    if (!bytes) error = "The file could not be read: " + readError;
    return bytes;
}

Loadout LookUpLoadout(const FileSystem& fs, const CareerOrder& order, bool& ok, std::string& error) {
    Loadout l;
    std::string year = order.year, type = order.subType, version = order.subVersion;
    ok = SubAmmo(fs, order.basicCfgPath, &error, year, type, version, l.z01, l.m01, l.a01, l.a02, l.s01,
                 l.s02, l.s03, l.superCharger, l.snorkel, l.batteries, l.aftBatteries, l.hydrophone, l.sonar,
                 l.radar, l.radarWarningReceiver, l.decoyLauncher, l.sonarCoatings, l.radarCoatings);
    return l;
}

// Reports a failed update once, naming the file and the problem, and says
// whether the two career files are still as they were.
class CareerUpdate {
public:
    CareerUpdate(Platform& platform, const CareerOrder& order)
        : platform_(platform),
          order_(order),
          folder_(order.careersPath + "\\" + TrimBlanks(order.kommandant)),
          patrolsPath_(folder_ + "\\" + kPatrolsFile),
          careersPath_(folder_ + "\\" + kCareersFile) {}

    bool Run(bool& bSameLocation) {
        std::string lastEnd, why;
        if (!platform_.fs.FolderExists(folder_))
            return Fail(folder_, "The commander's folder does not exist.");
        if (!ReadLastEndLocation(platform_.fs, folder_, lastEnd, why))
            return Fail(folder_ + "\\Patrols.cfg", why);
        if (!Prepare()) return false;
        if (!Write()) return false;
        bSameLocation = order_.pickupCode == lastEnd;
        return true;
    }

private:
    // Reads both files and works out their new content, so that nothing is
    // written unless both can be rewritten.
    bool Prepare() {
        std::string why;
        auto patrols = ReadCareerFile(platform_.fs, patrolsPath_, why);
        if (!patrols) return Fail(patrolsPath_, why);
        patrolsBytes_ = std::move(*patrols);
        // The new lines are worked out only to see that they can be.
        OutputLines out;
        if (!RewritePatrolLines(SplitLineViews(patrolsBytes_), Change(), out, why))
            return Fail(patrolsPath_, why);

        auto careers = ReadCareerFile(platform_.fs, careersPath_, why);
        if (!careers) return Fail(careersPath_, why);
        careersBytes_ = std::move(*careers);

        bool found = false;
        loadout_ = LookUpLoadout(platform_.fs, order_, found, why);
        if (!found) return Fail(order_.basicCfgPath, why);
        if (!RewriteCareerLines(SplitLineViews(careersBytes_), loadout_, out, why))
            return Fail(careersPath_, why);
        return true;
    }

    // Rewrites both files through their temporary copies; when the second
    // cannot be written the first is put back.
    bool Write() {
        writeBegun_ = true;
        const PatrolChange change = Change();
        const auto patrols =
            RewriteThroughTemp(platform_.fs, folder_, kPatrolsFile, kPatrolsTemp,
                               [&](const LineViews& in, OutputLines& out, std::string& error) {
                                   return RewritePatrolLines(in, change, out, error);
                               });
        Notify(patrols.notice);
        if (!patrols.ok) return Fail(patrols.path, patrols.error);

        const auto careers =
            RewriteThroughTemp(platform_.fs, folder_, kCareersFile, kCareersTemp,
                               [&](const LineViews& in, OutputLines& out, std::string& error) {
                                   return RewriteCareerLines(in, loadout_, out, error);
                               });
        Notify(careers.notice);
        if (!careers.ok) return Fail(careers.path, careers.error + PutPatrolsBack());
        return true;
    }

    void Notify(const std::string& notice) {
        if (!notice.empty()) platform_.dialogs.MsgBox(notice, kStyleInformation, kTitle);
    }

    // Puts the first file back; when even that fails its old content is kept
    // in the temporary copy and the message says where.
    std::string PutPatrolsBack() {
        if (platform_.fs.WriteFile(patrolsPath_, patrolsBytes_)) return "";
        const std::string keep = folder_ + "\\" + kPatrolsTemp;
        if (platform_.fs.WriteFile(keep, patrolsBytes_))
            return "\r\nThe previous content of Patrols_0.cfg is kept in " + keep + ".";
        return "\r\nPatrols_0.cfg could not be put back.";
    }

    PatrolChange Change() const {
        return {order_.pickupCode, order_.subType, order_.subVersion, TrimBlanks(order_.uboatNumber)};
    }

    bool Unchanged(const std::string& path, const std::string& bytes) const {
        const auto now = platform_.fs.ReadFile(path);
        return now && *now == bytes;
    }

    bool Fail(const std::string& path, const std::string& why) {
        const bool intact = !writeBegun_ || (Unchanged(patrolsPath_, patrolsBytes_) &&
                                             Unchanged(careersPath_, careersBytes_));
        std::string text = "The career files of " + TrimBlanks(order_.kommandant) +
                           " could not be updated.\r\n" + ShownPath(path) + "\r\n" + why + "\r\n";
        text += intact
                    ? "Patrols_0.cfg and Careers_0.cfg have been left as they were."
                    : "Patrols_0.cfg or Careers_0.cfg may have changed: please check the commander's folder.";
        platform_.dialogs.MsgBox(text, kStyleCritical, kTitle);
        return false;
    }

    Platform& platform_;
    const CareerOrder& order_;
    std::string folder_;
    std::string patrolsPath_;
    std::string careersPath_;
    std::string patrolsBytes_;
    std::string careersBytes_;
    Loadout loadout_;
    bool writeBegun_ = false;
};

}  // namespace

void getStartLocation(const FileSystem& fs, const std::string& commanderFolder, std::string& sLocation) {
    std::string unused;
    ReadLastEndLocation(fs, commanderFolder, sLocation, unused);
}

bool UpdateCareerFiles(Platform& platform, const CareerOrder& order, bool& bSameLocation) {
    return CareerUpdate(platform, order).Run(bSameLocation);
}

}  // namespace zephrane
