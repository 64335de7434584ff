// The line format every reader shares, and the menu lists read with it.
#include <gtest/gtest.h>

#include "gamefiles/CfgLine.h"
#include "gamefiles/MenuLists.h"

namespace zephrane {
namespace {

using Lines = std::vector<std::string>;

TEST(CfgLine, ValuesKeysNumbersAndTheMarker) {
    // clang-format off
    const std::pair<std::string, std::string> values[] = {
        {"NBBASES=2", "2"}, {"BASE=33 ;comment", "33"}, {"NAME = VIIC/41 ", "VIIC/41"}, {"KEY=", ""},
        {"KEY=   ;comment", ""}, {";NAME=VIIC", ""}, {"Z01=3;x", "3"}, {"A=B=C", "B=C"}, {"X;Y=1", ""},
        {"", ""}, {"no equals sign", ""}, {"  NBBASES=2", "2"}, {"TAB=\t1\t", "\t1\t"}};
    for (const auto& [line, value] : values) EXPECT_EQ(GetCfgValue(line), value) << line;

    const std::tuple<std::string, std::string, bool> keys[] = {
        {"NbBases=2", "NBBASES", true}, {"nbbases=2", "NBBASES", true}, {"NBBASES", "NBBASES", true},
        {"  NBBASES=2", "NBBASES", false}, {"NBBASE", "NBBASES", false}, {"Date1_0_0=1939", "DATE", true},
        {"[FLOTILLA]", "FLOTILLA", false}, {"[Flotilla]", "[FLOTILLA]", true}, {"SonarCoatings=1", "SONAR", true}};
    for (const auto& [line, key, matches] : keys) EXPECT_EQ(BeginsWithKey(line, key), matches) << line << " " << key;

    const std::pair<std::string, int> numbers[] = {
        {"12", 12}, {" -3 ", -3}, {"+7", 7}, {"32767", 32767}, {"32768", 99}, {"-32769", 99}, {"1.5", 99},
        {"", 99}, {"-", 99}, {"12345678", 99}, {"1 2", 99}};
    for (const auto& [text, number] : numbers) EXPECT_EQ(ToWholeNumber(text, 99), number) << text;
    // clang-format on

    // The marker counts only before the first flotilla section header.
    EXPECT_TRUE(IsMarked({";   Touched by Zephrane", "[FLOTILLA]"}));
    EXPECT_TRUE(IsMarked({"; a comment", "x Touched by Zephrane x", "[Flotilla]"}));
    EXPECT_FALSE(IsMarked({"[flotilla]", MarkerLine()}));
    EXPECT_FALSE(IsMarked({"touched by zephrane", "[FLOTILLA]"}));
    EXPECT_FALSE(IsMarked({}));
}

TEST(MenuLists, TakeTheEntriesOfTheTwoRangesInFileOrder) {
    const MenuLists lists = ParseMenuLists(
        {"; menu", "751=Kiel", "903=2. U-Flottille", "750=Wilhelmshaven ;w", "769=Bergen", "770=Trondheim",
         "749=Emden", "911=10. U-Flottille", "912=11. U-Flottille", "901=Flottille", "750=", "7501=Kiel",
         ";755=Kiel", "755=   ", "75A=Odd", " 755=Kiel", "751=Kiel", ""});
    EXPECT_EQ(lists.locations, (Lines{"Kiel", "Wilhelmshaven", "Bergen", "", "Odd", "Kiel"}));
    EXPECT_EQ(lists.locationCodes, (Lines{"751", "750", "769", "755", "75A", "751"}));
    EXPECT_EQ(lists.destinations, (Lines{"2. U-Flottille", "10. U-Flottille"}));
    EXPECT_EQ(lists.destinationCodes, (Lines{"903", "911"}));
}

}  // namespace
}  // namespace zephrane
