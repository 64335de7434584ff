// The career files of a commissioning: the current patrol and career found
// by their counts, the loadout of basic.cfg, and both files left as they
// were when either cannot be rewritten.
#include <gtest/gtest.h>

#include "careers/CareerFiles.h"
#include "careers/CareerRewrite.h"
#include "careers/SubAmmo.h"
#include "support/TestPlatform.h"

namespace zephrane::testing {
namespace {

using Op = FaultyFileSystem::Op;

TEST(CareerRewrite, TheCurrentSectionIsFoundByItsCountAndRewritten) {
    // clang-format off
    const std::pair<std::string, std::optional<std::string>> counts[] = {
        {"7", "007"}, {"12", "012"}, {"1234", "1234"}, {"007", "007"}, {"0", "000"}, {" 5", "005"}, {"-0", "000"},
        {"-3", std::nullopt}, {"abc", std::nullopt}, {"", std::nullopt}, {"7a", std::nullopt}};
    // clang-format on
    for (const auto& [count, formatted] : counts) EXPECT_EQ(FormatCount(count), formatted) << count;

    ExpectTransforms("lines/patrols", [](const LineViews& in, OutputLines& out, std::string& error) {
        return RewritePatrolLines(in, {"758", "2", "3", "47"}, out, error);
    });
    ExpectTransforms("lines/careers", [](const LineViews& in, OutputLines& out, std::string& error) {
        return RewriteCareerLines(in, {}, out, error);
    });
}

// The first year block of the boat's section that is not earlier than the
// year gives every value it has (a longer key is no shorter one); the
// presets stay for the others.
TEST(SubAmmo, TakesTheFirstBlockNotEarlierThanTheYear) {
    Installation install("orders/install");
    install.Write("c/basic.cfg", Data("careers/basic.cfg"));
    TestPlatform p(install);
    const std::string presets = " -1 -100 -100 -100 -100 -100 -1 -1 -1 -1 -1 -1 -1 -1 -1 -1 -1";
    const std::string all = "1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16 17 18";
    // clang-format off
    const std::tuple<std::string, std::string, std::string, std::string> lookups[] = {
        {"1939", "2", "1", "39" + presets}, {"1940", "2", "1", all}, {"1941", "2", "1", all}, {"1943", "2", "1", "43" + presets},
        {"1944", "2", "1", "-1" + presets}, {"1939", "1", "1", "-1" + presets}, {"1939", "1", "01", "10" + presets},
        {"1939", "02", "1", "-1" + presets}, {"1942", "4", "1", "1 5" + presets.substr(3)}, {"1940", "6", "1", "6" + presets},
        {"1941", "6", "1", "-1" + presets}};
    // clang-format on
    for (auto [year, type, version, values] : lookups) {
        Loadout l;
        std::string error;
        ASSERT_TRUE(SubAmmo(p.fs, "C:\\basic.cfg", &error, year, type, version, l.z01, l.m01, l.a01, l.a02,
                            l.s01, l.s02, l.s03, l.superCharger, l.snorkel, l.batteries, l.aftBatteries,
                            l.hydrophone, l.sonar, l.radar, l.radarWarningReceiver, l.decoyLauncher,
                            l.sonarCoatings, l.radarCoatings));
        std::string found;
        for (const auto* v : {&l.z01, &l.m01, &l.a01, &l.a02, &l.s01, &l.s02, &l.s03, &l.superCharger,
                              &l.snorkel, &l.batteries, &l.aftBatteries, &l.hydrophone, &l.sonar, &l.radar,
                              &l.radarWarningReceiver, &l.decoyLauncher, &l.sonarCoatings, &l.radarCoatings})
            found += (found.empty() ? "" : " ") + *v;
        EXPECT_EQ(found, values) << year << " " << type << " " << version;
    }
}

const std::string kFolder = "C:\\Careers\\Hans Kurz\\";

// A serving commander's order as the fixture's form gives it.
CareerOrder Order() {
    return {"C:\\Careers", " Hans Kurz ", "751",  "7",
            "2",           "123",         "1942", "C:\\SilentHunterIII\\data\\cfg\\basic.cfg"};
}

// When the second file cannot be written the first is put back; when even
// that fails, the message says where its old content is.
TEST(UpdateCareerFiles, AFailedWritePutsTheFirstFileBack) {
    const std::string left = "\r\nPatrols_0.cfg and Careers_0.cfg have been left as they were.";
    const std::string failed = "The file could not be written: No space left on device";
    // clang-format off
    const std::tuple<std::string, std::string, bool, std::string> cases[] = {
        {"Patrols_0.cfg", "", false, failed + left},
        {"Careers_0.cfg", "", false, failed + left},
        {"Careers_0.cfg", "Patrols_0.cfg", true, failed + "\r\nThe previous content of Patrols_0.cfg is kept in " +
            kFolder + "Patrols_0.xxx.\r\nPatrols_0.cfg or Careers_0.cfg may have changed: please check the commander's folder."}};
    // clang-format on
    for (const auto& [full, refused, kept, why] : cases) {
        SCOPED_TRACE(full + " " + refused);
        Installation install("orders/install");
        TestPlatform p(install);
        p.fs.ShortWrite(full, 4);
        // The rewrite writes it once; putting it back is the second write.
        if (!refused.empty()) p.fs.Refuse(Op::WriteFile, refused, "Permission denied", 1);
        bool same = true;
        EXPECT_FALSE(UpdateCareerFiles(p.platform, Order(), same));
        EXPECT_EQ(p.Messages(),
                  Lines{"16|Initiate Update|The career files of Hans Kurz could not be updated.\r\n" +
                        kFolder + full + "\r\n" + why});
        Tree expected = install.Original();
        if (kept) {
            expected["c/Careers/Hans Kurz/Patrols_0.xxx"] = expected["c/Careers/Hans Kurz/Patrols_0.cfg"];
            expected["c/Careers/Hans Kurz/Patrols_0.cfg"] =
                install.Expected("orders/serving")["c/Careers/Hans Kurz/Patrols_0.cfg"];
        }
        ExpectTree(install.Files(), expected);
    }
}

}  // namespace
}  // namespace zephrane::testing
