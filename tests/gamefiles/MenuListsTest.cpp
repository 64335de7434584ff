#include <gtest/gtest.h>

#include "gamefiles/MenuLists.h"

namespace zephrane {
namespace {

TEST(ParseMenuLists, TakesOnlyEntriesOfTheTwoRanges) {
    const struct {
        std::string line;
        std::vector<std::string> locations;  // {value, code} when taken
        std::vector<std::string> destinations;
    } cases[] = {
        {"750=Wilhelmshaven", {"Wilhelmshaven", "750"}, {}},
        {"769=Bergen ;comment", {"Bergen", "769"}, {}},
        {"770=Trondheim", {}, {}},
        {"749=Kiel", {}, {}},
        {"902=1. U-Flottille", {}, {"1. U-Flottille", "902"}},
        {"911=10. U-Flottille", {}, {"10. U-Flottille", "911"}},
        {"912=11. U-Flottille", {}, {}},
        {"901=Flottille", {}, {}},
        {"750=", {}, {}},
        {"7501=Kiel", {}, {}},
        {";755=Kiel", {}, {}},
        {"755=   ", {"", "755"}, {}},
        {"75A=Odd", {"Odd", "75A"}, {}},
        {" 755=Kiel", {}, {}},
        {"", {}, {}},
    };
    for (const auto& c : cases) {
        const MenuLists lists = ParseMenuLists({c.line});
        std::vector<std::string> locations, destinations;
        if (!lists.locations.empty()) locations = {lists.locations[0], lists.locationCodes[0]};
        if (!lists.destinations.empty()) destinations = {lists.destinations[0], lists.destinationCodes[0]};
        EXPECT_EQ(locations, c.locations) << c.line;
        EXPECT_EQ(destinations, c.destinations) << c.line;
        EXPECT_EQ(lists.locations.size(), lists.locationCodes.size()) << c.line;
        EXPECT_EQ(lists.destinations.size(), lists.destinationCodes.size()) << c.line;
    }
}

TEST(ParseMenuLists, KeepsFileOrderAndDuplicates) {
    const MenuLists lists = ParseMenuLists({"; menu", "751=Kiel", "903=2. U-Flottille", "750=Wilhelmshaven",
                                            "751=Kiel again", "902=1. U-Flottille", "[Other]"});
    EXPECT_EQ(lists.locations, (std::vector<std::string>{"Kiel", "Wilhelmshaven", "Kiel again"}));
    EXPECT_EQ(lists.locationCodes, (std::vector<std::string>{"751", "750", "751"}));
    EXPECT_EQ(lists.destinations, (std::vector<std::string>{"2. U-Flottille", "1. U-Flottille"}));
    EXPECT_EQ(lists.destinationCodes, (std::vector<std::string>{"903", "902"}));
}

TEST(ParseMenuLists, NoEntriesGiveEmptyLists) {
    const MenuLists lists = ParseMenuLists({"100=Start", "800=Other"});
    EXPECT_TRUE(lists.locations.empty());
    EXPECT_TRUE(lists.locationCodes.empty());
    EXPECT_TRUE(lists.destinations.empty());
    EXPECT_TRUE(lists.destinationCodes.empty());
}

}  // namespace
}  // namespace zephrane
