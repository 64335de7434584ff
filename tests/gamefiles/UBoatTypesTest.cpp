// Reading the U-boat types of basic.cfg; which versions a date offers, with
// the corrected dates of some, is seen through the order form in the
// end-to-end tests.
#include <gtest/gtest.h>

#include "gamefiles/UBoatTypes.h"

namespace zephrane {
namespace {

using Lines = std::vector<std::string>;

TEST(UBoatTypes, TheSubmarineNumberEndsAtTheFirstBracket) {
    const auto list =
        ReadUBoatTypes({"[SUBMARINE12]]x", "NbVersion=1", "Version=2", "Name=VIIA", "Month=1", "Year=1939",
                        "[submarine]", "NBVERSION=1", "VERSION=03", "NAME=IXB", "MONTH=1", "YEAR=1939"},
                       Date{1939, 8, 1});
    ASSERT_TRUE(list.ok) << list.error;
    ASSERT_EQ(list.entries.size(), 2u);
    EXPECT_EQ(list.entries[0].name + "|" + list.entries[0].subType + "|" + list.entries[0].subVersion,
              "VIIA|12|2");
    EXPECT_EQ(list.entries[1].name + "|" + list.entries[1].subType + "|" + list.entries[1].subVersion,
              "IXB||03");
}

// Reading stops at the first problem: the versions before it are kept.
TEST(UBoatTypes, AMalformedBasicCfgIsNamedAndStopsTheReading) {
    const Lines good = {"[SUBMARINE5]", "NbVersion=1", "Version=2", "Name=VIIB", "Month=1", "Year=1939"};
    const std::string in = "In the section [SUBMARINE1] the line ";
    // clang-format off
    const std::tuple<Lines, std::string> files[] = {
        {{"[SUBMARINE1]", "Name=IIA"}, "The file ends in the section [SUBMARINE1] before its NBVERSION= line."},
        {{"[SUBMARINE1]", "NbVersion=1", "Version=1", "Name=IIA", "Month=1"},
         "The file ends in the section [SUBMARINE1] before its YEAR line."},
        {{"[SUBMARINE1]", "NbVersion=2", "Version=1", "Name=IIA", "Month=1", "Year=1939"},
         "The file ends in the section [SUBMARINE1] before its VERSION line."},
        {{"[SUBMARINE1", "NbVersion=1"}, "The section header \"[SUBMARINE1\" has no closing \"]\"."},
        {{"[SUBMARINE1]", "NbVersion=two"}, in + "\"NbVersion=two\" does not hold a whole number."},
        {{"[SUBMARINE1]", "NbVersion=99999999999"}, in + "\"NbVersion=99999999999\" does not hold a whole number."},
        {{"[SUBMARINE1]", "NbVersion=-1"}, in + "\"NbVersion=-1\" does not hold a count."},
        {{"[SUBMARINE1]", "NbVersion=1", "Version=1", "Name=IIA", "Month=June", "Year=1939"},
         in + "\"Month=June\" does not hold a whole number."},
        {{"[SUBMARINE1]", "NbVersion=1", "Version=1", "Name=IIA", "Month=1", "Year=1939a"},
         in + "\"Year=1939a\" does not hold a whole number."}};
    // clang-format on
    for (const auto& [bad, why] : files) {
        Lines lines = good;
        lines.insert(lines.end(), bad.begin(), bad.end());
        const auto list = ReadUBoatTypes(lines, Date{1945, 5, 1});
        EXPECT_FALSE(list.ok);
        EXPECT_EQ(list.error, why);
        const std::size_t kept = bad.size() == 6 && bad[1] == "NbVersion=2" ? 2 : 1;
        EXPECT_EQ(list.entries.size(), kept) << why;
    }
}

}  // namespace
}  // namespace zephrane
