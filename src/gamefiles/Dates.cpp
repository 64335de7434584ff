#include "gamefiles/Dates.h"

#include <array>
#include <cstdio>

namespace zephrane {
namespace {

bool IsLeap(int y) {
    return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
}

int DaysInMonth(int y, int m) {
    static constexpr std::array<int, 12> kDays = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return m == 2 && IsLeap(y) ? 29 : kDays[m - 1];
}

// Days since 1970-01-01 (proleptic Gregorian calendar).
long DaysFromCivil(const Date& d) {
    const int y = d.month <= 2 ? d.year - 1 : d.year;
    const long era = (y >= 0 ? y : y - 399) / 400;
    const unsigned yoe = static_cast<unsigned>(y - era * 400);
    const unsigned mp = static_cast<unsigned>(d.month + (d.month > 2 ? -3 : 9));
    const unsigned doy = (153 * mp + 2) / 5 + static_cast<unsigned>(d.day) - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<long>(doe) - 719468;
}

Date CivilFromDays(long z) {
    z += 719468;
    const long era = (z >= 0 ? z : z - 146096) / 146097;
    const unsigned doe = static_cast<unsigned>(z - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const long y = static_cast<long>(yoe) + era * 400;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    const unsigned d = doy - (153 * mp + 2) / 5 + 1;
    const unsigned m = mp < 10 ? mp + 3 : mp - 9;
    return Date{static_cast<int>(m <= 2 ? y + 1 : y), static_cast<int>(m), static_cast<int>(d)};
}

}  // namespace

bool IsValidDate(const Date& date) {
    return date.year >= 1 && date.year <= 9999 && date.month >= 1 && date.month <= 12 && date.day >= 1 &&
           date.day <= DaysInMonth(date.year, date.month);
}

std::string Yyyymmdd(const Date& date) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%04d%02d%02d", date.year, date.month, date.day);
    return buffer;
}

Date AddDays(const Date& date, int days) {
    return CivilFromDays(DaysFromCivil(date) + days);
}

Date AddMonths(const Date& date, int months) {
    const int index = date.year * 12 + (date.month - 1) + months;
    Date result{index / 12, index % 12 + 1, date.day};
    if (result.day > DaysInMonth(result.year, result.month))
        result.day = DaysInMonth(result.year, result.month);
    return result;
}

int DaysBetween(const Date& from, const Date& to) {
    return static_cast<int>(DaysFromCivil(to) - DaysFromCivil(from));
}

std::string FormatDdMmmYyyy(const Date& date) {
    static constexpr std::array<const char*, 12> kMonths = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                                            "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%02d-%s-%04d", date.day, kMonths[date.month - 1], date.year);
    return buffer;
}

}  // namespace zephrane
