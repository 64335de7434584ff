#include <gtest/gtest.h>

#include "gamefiles/Dates.h"

namespace zephrane {
namespace {

TEST(AddMonths, StepsCalendarMonthsAndKeepsTheDayWhereItFits) {
    const struct {
        Date from;
        int months;
        Date to;
    } cases[] = {
        {{1941, 12, 1}, 1, {1942, 1, 1}},    {{1942, 1, 1}, -1, {1941, 12, 1}},
        {{1942, 1, 1}, 13, {1943, 2, 1}},    {{1943, 2, 1}, -13, {1942, 1, 1}},
        {{1942, 1, 31}, 1, {1942, 2, 28}},   {{1944, 1, 31}, 1, {1944, 2, 29}},
        {{1942, 3, 31}, 1, {1942, 4, 30}},   {{1942, 3, 31}, -1, {1942, 2, 28}},
        {{1941, 10, 31}, 2, {1941, 12, 31}}, {{1941, 11, 30}, 3, {1942, 2, 28}},
        {{1939, 8, 31}, 0, {1939, 8, 31}},   {{1942, 6, 15}, -12, {1941, 6, 15}},
    };
    for (const auto& k : cases)
        EXPECT_EQ(AddMonths(k.from, k.months), k.to) << Yyyymmdd(k.from) << " + " << k.months;
}

TEST(AddDays, CrossesMonthAndYearEnds) {
    const struct {
        Date from;
        int days;
        Date to;
    } cases[] = {
        {{1942, 2, 20}, 9, {1942, 3, 1}},   {{1944, 2, 20}, 9, {1944, 2, 29}},
        {{1941, 12, 31}, 1, {1942, 1, 1}},  {{1942, 3, 1}, -1, {1942, 2, 28}},
        {{1942, 1, 1}, -1, {1941, 12, 31}}, {{1939, 9, 1}, 2076, {1945, 5, 8}},
    };
    for (const auto& k : cases)
        EXPECT_EQ(AddDays(k.from, k.days), k.to) << Yyyymmdd(k.from) << " + " << k.days;
}

TEST(DaysBetween, CountsWholeDaysSignedByDirection) {
    const struct {
        Date from;
        Date to;
        int days;
    } cases[] = {
        {{1942, 2, 20}, {1942, 3, 1}, 9},  {{1944, 2, 20}, {1944, 3, 1}, 10},
        {{1942, 3, 1}, {1942, 2, 20}, -9}, {{1941, 12, 31}, {1942, 1, 1}, 1},
        {{1942, 5, 5}, {1942, 5, 5}, 0},   {{1939, 9, 1}, {1945, 5, 8}, 2076},
    };
    for (const auto& k : cases)
        EXPECT_EQ(DaysBetween(k.from, k.to), k.days) << Yyyymmdd(k.from) << " -> " << Yyyymmdd(k.to);
}

TEST(DateTexts, AreZeroPaddedAndSortLikeDates) {
    const struct {
        Date date;
        std::string yyyymmdd;
        std::string ddMmmYyyy;
    } cases[] = {
        {{1942, 3, 1}, "19420301", "01-Mar-1942"},
        {{1939, 12, 25}, "19391225", "25-Dec-1939"},
        {{1945, 1, 9}, "19450109", "09-Jan-1945"},
        {{1943, 10, 31}, "19431031", "31-Oct-1943"},
    };
    for (const auto& k : cases) {
        EXPECT_EQ(Yyyymmdd(k.date), k.yyyymmdd);
        EXPECT_EQ(FormatDdMmmYyyy(k.date), k.ddMmmYyyy);
    }
    EXPECT_LT(Yyyymmdd({1942, 9, 30}), Yyyymmdd({1942, 10, 1}));
    EXPECT_LT(Yyyymmdd({1941, 12, 31}), Yyyymmdd({1942, 1, 1}));
}

TEST(IsValidDate, KnowsMonthLengthsAndLeapYears) {
    const struct {
        Date date;
        bool valid;
    } cases[] = {
        {{1942, 2, 28}, true}, {{1942, 2, 29}, false}, {{1944, 2, 29}, true},  {{1900, 2, 29}, false},
        {{2000, 2, 29}, true}, {{1942, 4, 31}, false}, {{1942, 13, 1}, false}, {{1942, 0, 1}, false},
        {{1942, 1, 0}, false}, {{1942, 12, 31}, true},
    };
    for (const auto& k : cases) EXPECT_EQ(IsValidDate(k.date), k.valid) << Yyyymmdd(k.date);
}

}  // namespace
}  // namespace zephrane
