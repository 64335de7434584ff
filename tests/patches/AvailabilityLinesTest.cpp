#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "patches/AvailabilityPatch.h"

namespace zephrane {
namespace {

using Lines = std::vector<std::string>;

TEST(FixFlotillaAvailabilityLines, MovesSeptember1939ToAugust) {
    struct Case {
        const char* name;
        Lines in;
        Lines out;
    };
    const Case cases[] = {
        {"month 9 after 1939, comment dropped",
         {"[Flotilla1.Base1]", "Date=1939", "Base=750", "Month=9 ; start of the war", "Day=1"},
         {"[Flotilla1.Base1]", "Date=1939", "Base=750", "Month=8", "Day=1"}},
        {"another year", {"Date=1940", "Month=9"}, {"Date=1940", "Month=9"}},
        {"another month", {"Date=1939", "Month=10"}, {"Date=1939", "Month=10"}},
        {"only the first month line",
         {"DATE=1939", "month=9", "Month=9"},
         {"DATE=1939", "month=8", "Month=9"}},
        {"blanks around the values", {"Date1 = 1939 ;x", "Month2 =  9"}, {"Date1 = 1939 ;x", "Month2 =8"}},
        {"two blocks",
         {"Date=1939", "Month=9", "[B]", "Date=1939", "Month=9"},
         {"Date=1939", "Month=8", "[B]", "Date=1939", "Month=8"}},
        {"a month line without a 1939 date before it", {"Month=9", "Date=1941"}, {"Month=9", "Date=1941"}},
    };
    for (const auto& c : cases) {
        const auto result = FixFlotillaAvailabilityLines(c.in);
        ASSERT_TRUE(result.ok) << c.name << ": " << result.error;
        EXPECT_EQ(result.lines, c.out) << c.name;
    }
}

TEST(FixFlotillaAvailabilityLines, RefusesADateWhoseMonthLineIsMissing) {
    const Lines cases[] = {
        {"Date=1939", "Day=1"},
        {"Date=1939", "[Next]", "Month=9"},
    };
    for (const auto& in : cases) EXPECT_FALSE(FixFlotillaAvailabilityLines(in).ok) << in.back();
}

const Lines kBasic = {
    "[SUBMARINE1]", "Name=IXB",
    "Month=3",      "Year=1940 ;late",
    "[SUBMARINE2]", "NAME=IXC",
    "Month=5",      "Year=1940",
    "[SUBMARINE3]", "Name=XXI",
    "Month=1",      "Year=1945",
    "Speed=17",     "DaysSpentInBase=40 ;long",
    "[SUBMARINE4]", "Name=VIIB",
    "Month=8",      "Range=6500",
    "Year=1939",    "[SUBMARINE5]",
    "Name=VIIC",    "Month=9",
    "Year=1940",    "[SUBMARINE6]",
    "Name=IIA",     "Month=9",
    "Year=1939",    "[SUBMARINE7]",
    "Name=ixb",     "Month=2",
    "Year=1942",    "[Torpedo_Type1]",
    "Name=IXB",     "Month=9",
    "Year=1939",    "[SUBMARINE8]",
    "Name=XXI",     "Month=9",
};

const Lines kBasicPatched = {
    "[SUBMARINE1]", "Name=IXB",
    "Month=7",      "Year=1939",
    "[SUBMARINE2]", "NAME=IXC",
    "Month=1",      "Year=1941",
    "[SUBMARINE3]", "Name=XXI",
    "Month=12",     "Year=1943",
    "Speed=17",     "DaysSpentInBase=28",
    "[SUBMARINE4]", "Name=VIIB",
    "Month=7",      "Range=6500",
    "Year=1939",    "[SUBMARINE5]",
    "Name=VIIC",    "Month=9",
    "Year=1940",    "[SUBMARINE6]",
    "Name=IIA",     "Month=7",
    "Year=1939",    "[SUBMARINE7]",
    "Name=ixb",     "Month=2",
    "Year=1942",    "[Torpedo_Type1]",
    "Name=IXB",     "Month=9",
    "Year=1939",    "[SUBMARINE8]",
    "Name=XXI",     "Month=9",
};

TEST(FixBasicAvailabilityLines, SetsTheOrvDatesUpToTheTorpedoSections) {
    const auto once = FixBasicAvailabilityLines(kBasic);
    ASSERT_TRUE(once.ok) << once.error;
    EXPECT_EQ(once.lines, kBasicPatched);
    const auto twice = FixBasicAvailabilityLines(once.lines);
    ASSERT_TRUE(twice.ok) << twice.error;
    EXPECT_EQ(twice.lines, kBasicPatched);
}

TEST(FixBasicAvailabilityLines, RefusesABlockThatLacksItsLine) {
    struct Case {
        const char* name;
        Lines in;
    };
    const Case cases[] = {
        {"IXB without a month line", {"[S1]", "Name=IXB", "Year=1940", "[S2]", "Month=3", "Year=1941"}},
        {"IXC without a year line at the end", {"[S1]", "Name=IXC", "Month=3"}},
        {"XXI without days in base",
         {"[S1]", "Name=XXI", "Month=1", "Year=1944", "[TORPEDO_TYPE1]", "DaysSpentInBase=9"}},
        {"month 8 without a year line", {"[S1]", "Name=VIIA", "Month=8", "[S2]", "Year=1939"}},
        {"month line to change without =", {"[S1]", "Name=IXB", "Month 3", "Year=1940"}},
        {"year line to change without =", {"[S1]", "Name=IXC", "Month=3", "Year"}},
    };
    for (const auto& c : cases) {
        const auto result = FixBasicAvailabilityLines(c.in);
        EXPECT_FALSE(result.ok) << c.name;
        EXPECT_FALSE(result.error.empty()) << c.name;
    }
}

}  // namespace
}  // namespace zephrane
