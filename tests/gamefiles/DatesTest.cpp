#include <gtest/gtest.h>

#include "gamefiles/Dates.h"

namespace zephrane {
namespace {

TEST(Dates, StepsCountsAndTexts) {
    // clang-format off
    const std::tuple<Date, int, Date> months[] = {
        {{1941, 12, 1}, 1, {1942, 1, 1}}, {{1942, 1, 1}, -1, {1941, 12, 1}}, {{1942, 1, 1}, 13, {1943, 2, 1}},
        {{1943, 2, 1}, -13, {1942, 1, 1}}, {{1942, 1, 31}, 1, {1942, 2, 28}}, {{1944, 1, 31}, 1, {1944, 2, 29}},
        {{1942, 3, 31}, -1, {1942, 2, 28}}, {{1941, 11, 30}, 3, {1942, 2, 28}}, {{1942, 6, 15}, -12, {1941, 6, 15}}};
    for (const auto& [from, n, to] : months) EXPECT_EQ(AddMonths(from, n), to) << Yyyymmdd(from) << " " << n;
    // AddDays(from, n) is `to`, and DaysBetween(from, to) is n.
    const std::tuple<Date, int, Date> days[] = {
        {{1942, 2, 20}, 9, {1942, 3, 1}}, {{1944, 2, 20}, 9, {1944, 2, 29}}, {{1940, 2, 28}, 2, {1940, 3, 1}},
        {{1941, 12, 31}, 1, {1942, 1, 1}}, {{1942, 3, 1}, -1, {1942, 2, 28}}, {{1942, 5, 5}, 0, {1942, 5, 5}},
        {{1939, 9, 1}, 2076, {1945, 5, 8}}};
    for (const auto& [from, n, to] : days) {
        EXPECT_EQ(AddDays(from, n), to) << Yyyymmdd(from) << " " << n;
        EXPECT_EQ(DaysBetween(from, to), n) << Yyyymmdd(from) << " " << n;
    }
    const std::tuple<Date, std::string, std::string> texts[] = {
        {{1942, 3, 1}, "19420301", "01-Mar-1942"}, {{1939, 12, 25}, "19391225", "25-Dec-1939"},
        {{1945, 1, 9}, "19450109", "09-Jan-1945"}, {{1940, 2, 29}, "19400229", "29-Feb-1940"},
        {{1941, 4, 30}, "19410430", "30-Apr-1941"}, {{1941, 5, 1}, "19410501", "01-May-1941"},
        {{1941, 6, 2}, "19410602", "02-Jun-1941"}, {{1941, 7, 3}, "19410703", "03-Jul-1941"},
        {{1941, 8, 4}, "19410804", "04-Aug-1941"}, {{1941, 9, 5}, "19410905", "05-Sep-1941"},
        {{1943, 10, 31}, "19431031", "31-Oct-1943"}, {{1943, 11, 6}, "19431106", "06-Nov-1943"}};
    for (const auto& [date, yyyymmdd, ddMmmYyyy] : texts) {
        EXPECT_EQ(Yyyymmdd(date), yyyymmdd);
        EXPECT_EQ(FormatDdMmmYyyy(date), ddMmmYyyy);
    }
    const std::pair<Date, bool> valid[] = {
        {{1942, 2, 28}, true}, {{1942, 2, 29}, false}, {{1944, 2, 29}, true}, {{1900, 2, 29}, false},
        {{2000, 2, 29}, true}, {{1942, 4, 31}, false}, {{1942, 13, 1}, false}, {{1942, 0, 1}, false},
        {{1942, 1, 0}, false}, {{1942, 12, 31}, true}};
    for (const auto& [date, ok] : valid) EXPECT_EQ(IsValidDate(date), ok) << Yyyymmdd(date);
    // clang-format on
}

}  // namespace
}  // namespace zephrane
