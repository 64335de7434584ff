#include <gtest/gtest.h>

#include "gamefiles/CfgLine.h"

namespace zephrane {
namespace {

TEST(GetCfgValue, TakesTheValueBetweenEqualsAndComment) {
    const struct {
        std::string line;
        std::string value;
    } cases[] = {
        {"NBBASES=2", "2"},
        {"BASE=33 ;comment", "33"},
        {"NAME = VIIC/41 ", "VIIC/41"},
        {"KEY=", ""},
        {"KEY=   ;comment", ""},
        {";NAME=VIIC", ""},
        {"Z01=3;comment", "3"},
        {"Z01=3", "3"},
        {"A=B=C", "B=C"},
        {"X;Y=1", ""},
        {"", ""},
        {"no equals sign", ""},
        {"  NBBASES=2", "2"},
        {"TAB=\t1\t", "\t1\t"},
    };
    for (const auto& c : cases) EXPECT_EQ(GetCfgValue(c.line), c.value) << c.line;
}

TEST(BeginsWithKey, IsACaseInsensitivePrefixTestWithoutTrimming) {
    const struct {
        std::string line;
        std::string key;
        bool matches;
    } cases[] = {
        {"NbBases=2", "NBBASES", true},     {"nbbases=2", "NBBASES", true},
        {"NBBASES", "NBBASES", true},       {"  NBBASES=2", "NBBASES", false},
        {"NBBASE", "NBBASES", false},       {"Date1_0_0=1939", "DATE", true},
        {"[FLOTILLA]", "FLOTILLA", false},  {"[Flotilla]", "[FLOTILLA]", true},
        {"SonarCoatings=1", "SONAR", true},
    };
    for (const auto& c : cases)
        EXPECT_EQ(BeginsWithKey(c.line, c.key), c.matches) << c.line << " / " << c.key;
}

TEST(IsMarked, CountsOnlyAMarkerBeforeTheFirstFlotillaSection) {
    EXPECT_TRUE(IsMarked({MarkerLine(), "[FLOTILLA]"}));
    EXPECT_TRUE(IsMarked({"; a comment", "x Touched by Zephrane x", "[Flotilla]"}));
    EXPECT_FALSE(IsMarked({"[FLOTILLA]", MarkerLine()}));
    EXPECT_FALSE(IsMarked({"[flotilla]", MarkerLine()}));
    EXPECT_FALSE(IsMarked({"touched by zephrane", "[FLOTILLA]"}));
    EXPECT_FALSE(IsMarked({}));
    EXPECT_EQ(MarkerLine(), ";   Touched by Zephrane");
}

}  // namespace
}  // namespace zephrane
