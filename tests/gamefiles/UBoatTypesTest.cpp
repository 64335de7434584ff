#include <gtest/gtest.h>

#include "gamefiles/UBoatTypes.h"

namespace zephrane {
namespace {

TEST(FixStart, CorrectsTheListedNamesOnly) {
    const struct {
        std::string name;
        int month, year;
    } cases[] = {
        {"IIA", 7, 1939},   {"IIB", 7, 1939},    {"VIIB", 7, 1939},    {"IXB", 7, 1939},
        {"IID", 10, 1939},  {"VIIC", 3, 1940},   {"IXC", 12, 1940},    {"IXD1", 9, 1941},
        {"IXD2", 12, 1941}, {"IXC/40", 3, 1942}, {"VIIC/41", 6, 1943}, {"VIIC/42", 12, 1943},
        {"XXI", 12, 1943},  {"XIX", 12, 1943},   {"XXIII", 12, 1943},  {"viic", 5, 1941},
        {"VIIC ", 5, 1941}, {"VIIA", 5, 1941},   {"", 5, 1941},
    };
    for (const auto& c : cases) {
        int month = 5, year = 1941;
        FixStart(c.name, month, year);
        EXPECT_EQ(month, c.month) << c.name;
        EXPECT_EQ(year, c.year) << c.name;
    }
}

TEST(ReferenceDate, EndDateThenChosenMonthThenCampaignStart) {
    const Date end{1942, 5, 17};
    const struct {
        bool enabled;
        std::optional<int> month, year;
        Date expected;
    } cases[] = {
        {true, 3, 1944, end},
        {true, std::nullopt, std::nullopt, end},
        {false, 3, 1944, Date{1944, 3, 1}},
        {false, std::nullopt, 1944, Date{1939, 8, 1}},
        {false, 3, std::nullopt, Date{1939, 8, 1}},
        {false, std::nullopt, std::nullopt, Date{1939, 8, 1}},
    };
    for (const auto& c : cases) EXPECT_EQ(ReferenceDate(c.enabled, end, c.month, c.year), c.expected);
}

std::vector<std::string> Version(const std::string& version, const std::string& name, int month, int year) {
    return {"VERSION=" + version, "Name=" + name, "Month=" + std::to_string(month),
            "Year=" + std::to_string(year)};
}

std::vector<std::string> Section(const std::string& header, std::vector<std::vector<std::string>> versions) {
    std::vector<std::string> lines{header, "Displacement=800",
                                   "NBVERSION=" + std::to_string(versions.size())};
    for (const auto& v : versions) {
        lines.insert(lines.end(), v.begin(), v.end());
        lines.push_back("Crew=44");
    }
    return lines;
}

std::vector<std::string> Join(std::vector<std::vector<std::string>> parts) {
    std::vector<std::string> all;
    for (const auto& p : parts) all.insert(all.end(), p.begin(), p.end());
    return all;
}

std::vector<std::string> Names(const UBoatTypeList& list) {
    std::vector<std::string> names;
    for (const auto& e : list.entries) names.push_back(e.name + "|" + e.subType + "|" + e.subVersion);
    return names;
}

const std::vector<std::string> kBasic = Join({
    {"; basic.cfg", "[GENERAL]", "NBVERSION=9"},
    Section("[SUBMARINE1]",
            {Version("1", "IIA", 1, 1945), Version("2", "IIB", 1, 1945), Version("3", "IID", 1, 1939)}),
    Section("[SUBMARINE_AMMO1]", {Version("1", "AMMO", 1, 1939)}),
    Section("[submarine2]", {Version("1", "VIIB", 12, 1944), Version("2", "VIIC/41", 1, 1941),
                             Version("3", "VIIA", 8, 1939), Version("4", "VIIA2", 9, 1939)}),
    Section("[SUBMARINE3] ;ix", {Version("01", "IXB", 5, 1942), Version("01", "IXB", 5, 1942)}),
    Section("[SUBMARINE4]", {Version("1", "VIIF", 3, 1942)}),
});

TEST(ReadUBoatTypes, ListsTheVersionsAvailableAtTheReferenceDate) {
    const struct {
        Date reference;
        std::vector<std::string> names;
    } cases[] = {
        {Date{1939, 8, 1}, {"IIA|1|1", "IIB|1|2", "VIIB|2|1", "VIIA|2|3", "IXB|3|01", "IXB|3|01"}},
        {Date{1943, 5, 31},
         {"IIA|1|1", "IIB|1|2", "IID|1|3", "VIIB|2|1", "VIIA|2|3", "VIIA2|2|4", "IXB|3|01", "IXB|3|01",
          "VIIF|4|1"}},
        {Date{1943, 6, 1},
         {"IIA|1|1", "IIB|1|2", "IID|1|3", "VIIB|2|1", "VIIC/41|2|2", "VIIA|2|3", "VIIA2|2|4", "IXB|3|01",
          "IXB|3|01", "VIIF|4|1"}},
        {Date{1939, 7, 31}, {"IIA|1|1", "IIB|1|2", "VIIB|2|1", "IXB|3|01", "IXB|3|01"}},
    };
    for (const auto& c : cases) {
        const auto list = ReadUBoatTypes(kBasic, c.reference);
        EXPECT_TRUE(list.ok) << list.error;
        EXPECT_EQ(Names(list), c.names) << Yyyymmdd(c.reference);
    }
}

TEST(ReadUBoatTypes, AVersionOfTheReferenceMonthIsListed) {
    const auto lines = Section("[SUBMARINE4]", {Version("1", "VIIF", 3, 1942)});
    const struct {
        Date reference;
        bool listed;
    } cases[] = {
        {Date{1942, 2, 28}, false},
        {Date{1942, 3, 1}, true},
        {Date{1942, 3, 15}, true},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ReadUBoatTypes(lines, c.reference).entries.size(), c.listed ? 1u : 0u)
            << Yyyymmdd(c.reference);
}

TEST(ReadUBoatTypes, TheSubmarineNumberEndsAtTheFirstBracket) {
    const auto list = ReadUBoatTypes(Join({Section("[SUBMARINE12]]x", {Version("2", "VIIA", 1, 1939)}),
                                           Section("[SUBMARINE]", {Version("3", "VIIA", 1, 1939)})}),
                                     Date{1939, 8, 1});
    EXPECT_TRUE(list.ok);
    EXPECT_EQ(Names(list), (std::vector<std::string>{"VIIA|12|2", "VIIA||3"}));
}

TEST(ReadUBoatTypes, AMalformedFileStopsTheReadingAndKeepsWhatWasFound) {
    const auto good = Section("[SUBMARINE1]", {Version("1", "IIA", 1, 1939)});
    const std::vector<std::string> first{"IIA|1|1"};
    const std::vector<std::string> both{"IIA|1|1", "VIIA|2|1"};
    // The sections after a malformed one are not read.
    const struct {
        std::string what;
        std::vector<std::string> tail;
        std::vector<std::string> names;
    } cases[] = {
        {"ends before NBVERSION=", {"[SUBMARINE2]", "NAME=VIIA"}, first},
        {"ends before YEAR", {"[SUBMARINE2]", "NBVERSION=1", "VERSION=1", "NAME=VIIA", "MONTH=1"}, first},
        {"ends before the second version",
         {"[SUBMARINE2]", "NBVERSION=2", "VERSION=1", "NAME=VIIA", "MONTH=1", "YEAR=1939"},
         both},
        {"a huge count",
         {"[SUBMARINE2]", "NBVERSION=30000", "VERSION=1", "NAME=VIIA", "MONTH=1", "YEAR=1939"},
         both},
        {"a count beyond any range", Join({{"[SUBMARINE2]", "NBVERSION=99999999999999999999"}, good}), first},
        {"header without ]", Join({{"[SUBMARINE2", "NBVERSION=1"}, good}), first},
        {"count not a number", Join({{"[SUBMARINE2]", "NBVERSION=two"}, good}), first},
        {"month not a number",
         Join({{"[SUBMARINE2]", "NBVERSION=1", "VERSION=1", "NAME=VIIA", "MONTH=May", "YEAR=1939"}, good}),
         first},
        {"year empty",
         Join({{"[SUBMARINE2]", "NBVERSION=1", "VERSION=1", "NAME=VIIA", "MONTH=1", "YEAR="}, good}), first},
    };
    for (const auto& c : cases) {
        const auto list = ReadUBoatTypes(Join({good, c.tail}), Date{1945, 5, 1});
        EXPECT_FALSE(list.ok) << c.what;
        EXPECT_FALSE(list.error.empty()) << c.what;
        EXPECT_EQ(Names(list), c.names) << c.what;
    }
}

}  // namespace
}  // namespace zephrane
