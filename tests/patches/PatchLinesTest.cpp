// What each patch does to the lines of one file, case by case as the files of
// tests/data/lines give them; the end-to-end tests run the buttons over whole
// installations.
#include <gtest/gtest.h>

#include "patches/AvailabilityPatch.h"
#include "patches/RenownPatch.h"
#include "patches/XxiPatch.h"
#include "support/TestFiles.h"

namespace zephrane::testing {
namespace {

// A patch's transformation as the rewrite runs it.
template <typename Patch>
Transform Patched(Patch patch) {
    return [patch](const LineViews& in, OutputLines& out, std::string& error) {
        PatchedLines patched = patch(in);
        out = std::move(patched.lines);
        error = patched.error;
        return patched.ok;
    };
}

TEST(PatchLines, EachPatchChangesWhatItShouldAndRefusesWhatItCannotUse) {
    ExpectTransforms("lines/renown", [](const LineViews& in, OutputLines& out, std::string&) {
        out = SetStartRenownLines(in, "500");
        return true;
    });
    ExpectTransforms("lines/xxi",
                     Patched([](const LineViews& in) { return AddXXIToFlotillaLines(in, "909"); }));
    ExpectTransforms("lines/xxi-numbers", [](const LineViews& in, OutputLines& out, std::string&) {
        out = AddXXINumbersLines(in, "909");
        return true;
    });
    ExpectTransforms("lines/flotilla-availability", Patched(FixFlotillaAvailabilityLines));
    ExpectTransforms("lines/basic-availability", Patched(FixBasicAvailabilityLines));
}

TEST(PatchLines, The33rdFlotillaIsTheFirstFlotillaEntryNamingIt) {
    // clang-format off
    const std::pair<Lines, std::string> menus[] = {
        {{"909=33. U-Flottille"}, "909"}, {{";909=33. U-Flottille"}, "0"}, {{"915=33rd flotilla"}, "0"},
        {{"901=33. U-Flottille"}, "0"}, {{"902=33.", "909=33. U-Flottille"}, "902"}, {{"914=U-Flottille 33"}, "914"},
        {{"33=33. U-Flottille", "9093=33"}, "0"}, {{"90A=33. U-Flottille"}, "0"}, {{"90:=33"}, "0"},
        {{"909=3", "903=U-Flottille 3 3", "904=x33"}, "904"}, {{"909="}, "0"}, {{}, "0"}};
    // clang-format on
    for (const auto& [menu, number] : menus)
        EXPECT_EQ(Find33FlotillaInLines(menu), number) << ::testing::PrintToString(menu);
}

}  // namespace
}  // namespace zephrane::testing
