#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

#include "careers/CareerFiles.h"
#include "careers/CareerRewrite.h"
#include "platform/HostFileSystem.h"
#include "platform/RecordingDialogs.h"
#include "platform/RecordingShell.h"
#include "support/TestFiles.h"

namespace zephrane {
namespace {

using testing::Crlf;
using testing::ReadBytes;
using testing::TempDir;

const std::string kPatrolsCfg = Crlf({"[PATROL 001]", "EndLocation=752", "[PATROL 002]", "ENDLOCATION=758"});

const std::string kPatrols0 = Crlf({
    "[GENERAL]",
    "Patrols=7",
    "[PATROL 006]",
    "StartLocation=750",
    "EndLocation=751",
    "SubType=1",
    "SubVersion=1",
    "SubName=U-12",
    "  [patrol 007]  ",
    "startlocation=751",
    "Days=12",
    "EndLocation=752",
    "Tonnage=0",
    "SUBTYPE=1",
    "SubVersionNote=keep",
    "SubVersion=2",
    "Flag=1",
    "SubName=U-99",
    "Sunk=0",
    "[PATROL 008]",
    "StartLocation=753",
    "SubName=U-100",
});

const std::string kCareers0 = Crlf({
    "[GENERAL]",
    "Careers=1",
    "[CAREER 000]",
    "SubVersion=1",
    "Z01=3",
    "ForeTubes=4",
    "[Career 001]",
    "Name=Hans",
    "SubVersionNote=keep",
    "SUBVERSION=2",
    "Z01=5",
    "M01=1",
    "SonarUpg=3",
    "ForeTubes=4",
    "AftTubes=1",
});

const std::string kBasic = Crlf({
    "[SUBMARINE_AMMO1]",
    "TYPE=2",
    "VERSION=3",
    "YEAR=1941",
    "Z01=14",
    "M01=0",
    "A01=220",
    "S03=5",
    "Snorkel=0",
    "SonarCoatings=1",
    "RadarCoatings=2",
    "Sonar=3",
    "RENOWN=0",
});

const std::string kPatrolsWritten = Crlf({
    "[GENERAL]",
    "Patrols=7",
    "[PATROL 006]",
    "StartLocation=750",
    "EndLocation=751",
    "SubType=1",
    "SubVersion=1",
    "SubName=U-12",
    "  [patrol 007]  ",
    "StartLocation=758",
    "Days=12",
    "EndLocation=758",
    "Tonnage=0",
    "SubType=2",
    "SubVersionNote=keep",
    "SubVersion=3",
    "Flag=1",
    "SubName=U-47",
    "Sunk=0",
    "[PATROL 008]",
    "StartLocation=753",
    "SubName=U-100",
});

std::string CareersWritten(const std::vector<std::string>& loadout) {
    std::vector<std::string> lines = {
        "[GENERAL]",   "Careers=1",    "[CAREER 000]", "SubVersion=1",        "Z01=3",
        "ForeTubes=4", "[Career 001]", "Name=Hans",    "SubVersionNote=keep", "SUBVERSION=2"};
    lines.insert(lines.end(), loadout.begin(), loadout.end());
    lines.insert(lines.end(), {"ForeTubes=4", "AftTubes=1"});
    std::string bytes;
    for (const auto& l : lines) bytes += l + "\r\n";
    return bytes;
}

const std::vector<std::string> kFoundLoadout = {
    "Z01=14",
    "M01=0",
    "A01=220",
    "A02=-100",
    "S01=-100",
    "S02=-100",
    "S03=5",
    "SuperChargerUpg=-1",
    "BatteriesUpg=-1",
    "HydrophoneUpg=-1",
    "SonarUpg=3",
    "RadarUpg=-1",
    "RadarWarningReceiverUpg=-1",
    "Decoy_LauncherUpg=-1",
    "SnorkelUpg=0",
    "SonarCoatingsUpg=-1",
    "RadarCoatingsUpg=-1",
    "ALB=1",
    "TAR=2",
};

const std::vector<std::string> kPresetLoadout = {
    "Z01=-1",
    "M01=-1",
    "A01=-100",
    "A02=-100",
    "S01=-100",
    "S02=-100",
    "S03=-100",
    "SuperChargerUpg=-1",
    "BatteriesUpg=-1",
    "HydrophoneUpg=-1",
    "SonarUpg=-1",
    "RadarUpg=-1",
    "RadarWarningReceiverUpg=-1",
    "Decoy_LauncherUpg=-1",
    "SnorkelUpg=-1",
    "SonarCoatingsUpg=-1",
    "RadarCoatingsUpg=-1",
    "ALB=-1",
    "TAR=-1",
};

// A host file system whose writes to one file fail, as on a full disk.
class FailingWrites : public HostFileSystem {
public:
    explicit FailingWrites(std::string failing) : HostFileSystem({}), failing_(std::move(failing)) {}
    IoResult WriteFile(const std::string& path, const std::string& bytes) override {
        if (path.ends_with(failing_)) return IoResult::Failure("No space left on device");
        return HostFileSystem::WriteFile(path, bytes);
    }

private:
    std::string failing_;
};

struct CareerFolder {
    TempDir dir;
    HostFileSystem hostFs{{}};
    RecordingDialogs dialogs;
    RecordingShell shell;
    CareerOrder order;

    CareerFolder() {
        dir.Write("Careers/Hans Bauer/Patrols.cfg", kPatrolsCfg);
        dir.Write("Careers/Hans Bauer/Patrols_0.cfg", kPatrols0);
        dir.Write("Careers/Hans Bauer/Careers_0.cfg", kCareers0);
        dir.Write("SH3/data/cfg/basic.cfg", kBasic);
        order = {dir.Str() + "\\Careers",
                 " Hans Bauer ",
                 "758",
                 "2",
                 "3",
                 " 47 ",
                 "1941",
                 dir.Str() + "\\SH3\\data\\cfg\\basic.cfg"};
    }

    std::filesystem::path File(const std::string& name) const {
        return dir.Path() / "Careers/Hans Bauer" / name;
    }
    std::string Path(const std::string& name) const { return dir.Str() + "\\Careers\\Hans Bauer\\" + name; }

    bool Update(bool& bSameLocation, FileSystem* fs = nullptr) {
        Platform platform{fs ? *fs : hostFs, dialogs, shell};
        return UpdateCareerFiles(platform, order, bSameLocation);
    }

    bool TempFilesLeft() const {
        return std::filesystem::exists(File("Patrols_0.xxx")) ||
               std::filesystem::exists(File("Careers_0.xxx"));
    }
};

TEST(FormatCount, WritesAtLeastThreeDigits) {
    const struct {
        std::string count;
        std::optional<std::string> formatted;
    } cases[] = {
        {"7", "007"},  {"12", "012"},  {"1234", "1234"},      {"007", "007"},     {"0", "000"},
        {" 5", "005"}, {"-3", "-003"}, {"abc", std::nullopt}, {"", std::nullopt}, {"7a", std::nullopt},
    };
    for (const auto& c : cases) EXPECT_EQ(FormatCount(c.count), c.formatted) << c.count;
}

TEST(getStartLocation, TheLastEndLocationWins) {
    CareerFolder f;
    std::string location = "x";
    getStartLocation(f.hostFs, f.dir.Str() + "\\Careers\\Hans Bauer", location);
    EXPECT_EQ(location, "758");
    std::filesystem::remove(f.File("Patrols.cfg"));
    getStartLocation(f.hostFs, f.dir.Str() + "\\Careers\\Hans Bauer", location);
    EXPECT_EQ(location, "");
}

TEST(UpdateCareerFiles, RewritesTheCurrentPatrolAndCareer) {
    const struct {
        std::string what;
        std::string pickup;
        std::string basic;
        bool sameLocation;
        std::vector<std::string> loadout;
    } cases[] = {
        {"found loadout, same place", "758", kBasic, true, kFoundLoadout},
        {"nothing found, presets", "758",
         Crlf({"[SUBMARINE_AMMO1]", "TYPE=2", "VERSION=03", "YEAR=1941", "Z01=14", "RENOWN=0"}), true,
         kPresetLoadout},
        {"other place", "752", kBasic, false, kFoundLoadout},
    };
    for (const auto& c : cases) {
        CareerFolder f;
        f.order.pickupCode = c.pickup;
        f.dir.Write("SH3/data/cfg/basic.cfg", c.basic);
        bool same = !c.sameLocation;
        EXPECT_TRUE(f.Update(same)) << c.what;
        EXPECT_EQ(same, c.sameLocation) << c.what;
        std::string patrols = kPatrolsWritten;
        if (c.pickup != "758") {
            patrols.replace(patrols.find("StartLocation=758"), 17, "StartLocation=" + c.pickup);
            patrols.replace(patrols.find("EndLocation=758"), 15, "EndLocation=" + c.pickup);
        }
        EXPECT_EQ(ReadBytes(f.File("Patrols_0.cfg")), patrols) << c.what;
        EXPECT_EQ(ReadBytes(f.File("Careers_0.cfg")), CareersWritten(c.loadout)) << c.what;
        EXPECT_FALSE(f.TempFilesLeft()) << c.what;
        EXPECT_TRUE(f.dialogs.Messages().empty()) << c.what;
    }
}

TEST(UpdateCareerFiles, ACountOfTwelveSelectsPatrol012) {
    CareerFolder f;
    f.dir.Write("Careers/Hans Bauer/Patrols_0.cfg",
                Crlf({"PATROLS=12", "[PATROL 012]", "StartLocation=1", "EndLocation=1", "SubType=1",
                      "SubVersion=1", "SubName=U-1", "[PATROL 12]", "StartLocation=1"}));
    bool same = false;
    EXPECT_TRUE(f.Update(same));
    EXPECT_EQ(ReadBytes(f.File("Patrols_0.cfg")),
              Crlf({"PATROLS=12", "[PATROL 012]", "StartLocation=758", "EndLocation=758", "SubType=2",
                    "SubVersion=3", "SubName=U-47", "[PATROL 12]", "StartLocation=1"}));
}

TEST(UpdateCareerFiles, AProblemLeavesBothFilesAsTheyWere) {
    const std::string lastPatrol =
        Crlf({"Patrols=7", "[PATROL 007]", "StartLocation=1", "EndLocation=1", "SubType=1", "SubVersion=1"});
    const struct {
        std::string what;
        std::string file;  // named in the message
        std::function<void(CareerFolder&)> spoil;
    } cases[] = {
        {"missing folder", "\\Careers\\Nobody", [](CareerFolder& f) { f.order.kommandant = "Nobody"; }},
        {"missing Patrols.cfg", "\\Patrols.cfg",
         [](CareerFolder& f) { std::filesystem::remove(f.File("Patrols.cfg")); }},
        {"missing Patrols_0.cfg", "\\Patrols_0.cfg",
         [](CareerFolder& f) { std::filesystem::remove(f.File("Patrols_0.cfg")); }},
        {"missing Careers_0.cfg", "\\Careers_0.cfg",
         [](CareerFolder& f) { std::filesystem::remove(f.File("Careers_0.cfg")); }},
        {"no patrol count", "\\Patrols_0.cfg",
         [](CareerFolder& f) { f.dir.Write("Careers/Hans Bauer/Patrols_0.cfg", Crlf({"[PATROL 007]"})); }},
        {"no career count", "\\Careers_0.cfg",
         [](CareerFolder& f) {
             f.dir.Write("Careers/Hans Bauer/Careers_0.cfg",
                         Crlf({"[CAREER 001]", "SubVersion=1", "ForeTubes=4"}));
         }},
        {"count not a number", "\\Patrols_0.cfg",
         [](CareerFolder& f) { f.dir.Write("Careers/Hans Bauer/Patrols_0.cfg", Crlf({"Patrols=seven"})); }},
        {"no current patrol", "\\Patrols_0.cfg",
         [](CareerFolder& f) {
             f.dir.Write("Careers/Hans Bauer/Patrols_0.cfg",
                         Crlf({"Patrols=9", "[PATROL 007]", "StartLocation=1", "EndLocation=1", "SubType=1",
                               "SubVersion=1", "SubName=U-1"}));
         }},
        {"no SubName", "\\Patrols_0.cfg",
         [&](CareerFolder& f) { f.dir.Write("Careers/Hans Bauer/Patrols_0.cfg", lastPatrol); }},
        {"no ForeTubes", "\\Careers_0.cfg",
         [](CareerFolder& f) {
             f.dir.Write("Careers/Hans Bauer/Careers_0.cfg",
                         Crlf({"Careers=1", "[CAREER 001]", "SubVersion=1"}));
         }},
        {"no SubVersion", "\\Careers_0.cfg",
         [](CareerFolder& f) {
             f.dir.Write("Careers/Hans Bauer/Careers_0.cfg",
                         Crlf({"Careers=1", "[CAREER 001]", "SubVersionNote=1", "ForeTubes=4"}));
         }},
        {"basic.cfg ends inside the block", "\\basic.cfg",
         [](CareerFolder& f) {
             f.dir.Write("SH3/data/cfg/basic.cfg",
                         Crlf({"[SUBMARINE_AMMO1]", "TYPE=2", "VERSION=3", "YEAR=1941", "Z01=14"}));
         }},
        {"basic.cfg missing", "\\basic.cfg",
         [](CareerFolder& f) { std::filesystem::remove(f.dir.Path() / "SH3/data/cfg/basic.cfg"); }},
    };
    for (const auto& c : cases) {
        CareerFolder f;
        c.spoil(f);
        const auto before = [&](const std::string& name) {
            return std::filesystem::exists(f.File(name)) ? ReadBytes(f.File(name)) : std::string("(none)");
        };
        const std::string patrols = before("Patrols_0.cfg"), careers = before("Careers_0.cfg");
        bool same = true;
        EXPECT_FALSE(f.Update(same)) << c.what;
        EXPECT_TRUE(same) << c.what;
        EXPECT_EQ(before("Patrols_0.cfg"), patrols) << c.what;
        EXPECT_EQ(before("Careers_0.cfg"), careers) << c.what;
        EXPECT_FALSE(f.TempFilesLeft()) << c.what;
        ASSERT_EQ(f.dialogs.Messages().size(), 1u) << c.what;
        const auto& m = f.dialogs.Messages()[0];
        EXPECT_EQ(m.style, 16) << c.what;
        EXPECT_EQ(m.title, "Initiate Update") << c.what;
        EXPECT_NE(m.text.find(c.file + "\r\n"), std::string::npos) << c.what << ": " << m.text;
        EXPECT_NE(m.text.find("have been left as they were."), std::string::npos) << c.what << ": " << m.text;
    }
}

TEST(UpdateCareerFiles, AFailedSecondWritePutsTheFirstFileBack) {
    for (const std::string failing : {"Patrols_0.cfg", "Careers_0.cfg"}) {
        CareerFolder f;
        FailingWrites fs(failing);
        bool same = false;
        EXPECT_FALSE(f.Update(same, &fs)) << failing;
        EXPECT_FALSE(same);
        EXPECT_EQ(ReadBytes(f.File("Patrols_0.cfg")), kPatrols0) << failing;
        EXPECT_EQ(ReadBytes(f.File("Careers_0.cfg")), kCareers0) << failing;
        EXPECT_FALSE(f.TempFilesLeft()) << failing;
        ASSERT_EQ(f.dialogs.Messages().size(), 1u) << failing;
        EXPECT_NE(f.dialogs.Messages()[0].text.find(f.Path(failing)), std::string::npos);
    }
}

}  // namespace
}  // namespace zephrane
