#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "patches/RenownPatch.h"
#include "patches/XxiPatch.h"

namespace zephrane {
namespace {

using Lines = std::vector<std::string>;

TEST(SetStartRenownLines, ReplacesOnlyWhatFollowsTheEqualsSign) {
    struct Case {
        std::string in;
        std::string out;
    };
    const Case cases[] = {
        {"PlayerStartRenown=1000", "PlayerStartRenown=25000"},
        {"PLAYERSTARTRENOWN=0", "PLAYERSTARTRENOWN=25000"},
        {"playerstartrenown=7", "playerstartrenown=25000"},
        {"PlayerStartRenown  =  1000 ;old value", "PlayerStartRenown  =25000"},
        {"PlayerStartRenown=", "PlayerStartRenown=25000"},
        {"PlayerStartRenown", "PlayerStartRenown"},            // 17 characters, no "="
        {"PlayerStartRenown 1000", "PlayerStartRenown 1000"},  // no "=" at all
        {"PlayerStartReno=1", "PlayerStartReno=1"},            // shorter key
        {" PlayerStartRenown=1000", " PlayerStartRenown=1000"},
        {";PlayerStartRenown=1000", ";PlayerStartRenown=1000"},
        {"PlayerStartRenownBonus=5", "PlayerStartRenownBonus=25000"},  // prefix test
        {"", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(SetStartRenownLines({c.in}, "25000"), Lines{c.out}) << c.in;
    }
    EXPECT_EQ(SetStartRenownLines({"[Campaign]", "PlayerStartRenown=25000", "X=1"}, "500"),
              (Lines{"[Campaign]", "PlayerStartRenown=500", "X=1"}));
}

TEST(Find33FlotillaInLines, TakesTheFirstFlotillaEntryNamingThe33rd) {
    struct Case {
        Lines menu;
        std::string expected;
    };
    const Case cases[] = {
        {{"909=33. U-Flottille"}, "909"},
        {{";909=33. U-Flottille"}, "0"},
        {{"915=33rd flotilla"}, "0"},
        {{"901=33. U-Flottille"}, "0"},
        {{"902=33. U-Flottille", "909=33. U-Flottille"}, "902"},
        {{"914=U-Flottille 33"}, "914"},
        {{"910=1. U-Flottille", "911=33. U-Flottille", "912=33 again"}, "911"},
        {{"33=33. U-Flottille", "9093=33"}, "0"},  // the fourth character must be "="
        {{"90A=33. U-Flottille"}, "0"},            // not numeric
        {{"90:=33"}, "0"},                         // between the bounds as text only
        {{"909=3", "903=U-Flottille 3 3", "904=x33"}, "904"},
        {{"909="}, "0"},
        {{}, "0"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Find33FlotillaInLines(c.menu), c.expected) << (c.menu.empty() ? "" : c.menu[0]);
    }
}

TEST(AddXXIToFlotillaLines, AddsOneTypeXxiToThe33rdFlotilla) {
    const Lines in = {
        "[Flotilla1]",        "Flotilla=902", "NbUboats1=2",
        "Uboat1_0=1",         "Uboat1_1=1",   "[Flotilla2]",
        "Flotilla=909 ;33rd", "Name=x",       "NbUboats1=3 ;three boats",
        "; the boats",        "Uboat1_0=2",   "",
        "Uboat1_1=4",         "Uboat1_2=5",   "Uboat1_9=7",
    };
    const auto result = AddXXIToFlotillaLines(in, "909");
    ASSERT_TRUE(result.ok) << result.error;
    EXPECT_TRUE(result.changed);
    EXPECT_EQ(result.lines, (Lines{
                                "[Flotilla1]",
                                "Flotilla=902",
                                "NbUboats1=2",
                                "Uboat1_0=1",
                                "Uboat1_1=1",
                                "[Flotilla2]",
                                "Flotilla=909 ;33rd",
                                "Name=x",
                                "NbUboats1=4",
                                "Uboat1_0=2",
                                "Uboat1_1=4",
                                "Uboat1_2=5",
                                "Uboat1_3=3",
                                "Uboat1_9=7",
                            }));
}

TEST(AddXXIToFlotillaLines, CountLinesAndExistingTypeXxi) {
    struct Case {
        const char* name;
        Lines in;
        Lines out;
        bool changed;
    };
    const Case cases[] = {
        {"empty suffix, lower-case key",
         {"FLOTILLA=909", "nbuboats=01", "UBOAT_0=2"},
         {"FLOTILLA=909", "NbUboats=2", "UBOAT_0=2", "Uboat_1=3"},
         true},
        {"a type XXI already there keeps the count",
         {"Flotilla=909", "NbUboats2=2", "Uboat2_0=3", ";x", "Uboat2_1=1"},
         {"Flotilla=909", "NbUboats2=2", "Uboat2_0=3", "Uboat2_1=1"},
         true},
        {"a count that is not a number is left alone",
         {"Flotilla=909", "NbUboats1=abc", "Uboat1_0=1"},
         {"Flotilla=909", "NbUboats1=abc", "Uboat1_0=1"},
         false},
        {"a short count line is not the count line",
         {"Flotilla=909", "NbUboats=1", "NbUboats1=0"},
         {"Flotilla=909", "NbUboats=1", "NbUboats1=1", "Uboat1_0=3"},
         true},
        {"the value must start with the number",
         {"Flotilla=902", "NbUboats1=0", "Flotilla= 909", "NbUboats1=0", "Flotilla=9090", "NbUboats1=0"},
         {"Flotilla=902", "NbUboats1=0", "Flotilla= 909", "NbUboats1=0", "Flotilla=9090", "NbUboats1=1",
          "Uboat1_0=3"},
         true},
        {"no flotilla line of the 33rd",
         {"Flotilla=902", "NbUboats1=0"},
         {"Flotilla=902", "NbUboats1=0"},
         false},
        {"only the first count line after the flotilla line",
         {"Flotilla=909", "NbUboats1=0", "NbUboats2=0"},
         {"Flotilla=909", "NbUboats1=1", "Uboat1_0=3", "NbUboats2=0"},
         true},
        {"the file ends before a count line",
         {"Flotilla=902", "NbUboats1=0", "Flotilla=909", "Name=x"},
         {"Flotilla=902", "NbUboats1=0", "Flotilla=909", "Name=x"},
         false},
    };
    for (const auto& c : cases) {
        const auto result = AddXXIToFlotillaLines(c.in, "909");
        ASSERT_TRUE(result.ok) << c.name << ": " << result.error;
        EXPECT_EQ(result.lines, c.out) << c.name;
        EXPECT_EQ(result.changed, c.changed) << c.name;
    }
}

TEST(AddXXIToFlotillaLines, RefusesAFileThatEndsInsideTheListOrACountWithoutEquals) {
    const Lines cases[] = {
        {"Flotilla=909", "NbUboats1=3", "Uboat1_0=1", "Uboat1_1=1"},
        {"Flotilla=909", "NbUboats1 3", "Uboat1_0=1"},
    };
    for (const auto& in : cases) {
        const auto result = AddXXIToFlotillaLines(in, "909");
        EXPECT_FALSE(result.ok) << in[1];
        EXPECT_FALSE(result.error.empty());
    }
}

TEST(AddXXINumbersLines, InsertsTheFixedLineAtTheEndOfTheSection) {
    const std::string added = "909=2501,2504,2505,2508,2512,2514,3012";
    struct Case {
        const char* name;
        std::string flotilla;
        Lines in;
        Lines out;
    };
    const Case cases[] = {
        {"before the blank line",
         "909",
         {"[VIIC]", "902=1", "", "[XXI]", "902=2501", "  ", "[XXIII]", "902=1"},
         {"[VIIC]", "902=1", "", "[XXI]", "902=2501", added, "  ", "[XXIII]", "902=1"}},
        {"section at the end of the file", "909", {"[XXI]", "902=2501"}, {"[XXI]", "902=2501", added}},
        {"empty section at the end", "909", {"[XXI]"}, {"[XXI]", added}},
        {"line of the flotilla already there",
         "909",
         {"[XXI]", "909=1", "910=2", ""},
         {"[XXI]", "909=1", "910=2", ""}},
        {"another menu number inserts again", "911", {"[XXI]", added, ""}, {"[XXI]", added, added, ""}},
        {"header case matters", "909", {"[xxi]", "902=1", ""}, {"[xxi]", "902=1", ""}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(AddXXINumbersLines(c.in, c.flotilla), c.out) << c.name;
    }
}

}  // namespace
}  // namespace zephrane
