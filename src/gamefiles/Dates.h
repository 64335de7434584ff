#pragma once

#include <string>

namespace zephrane {

// A calendar date of the campaign. The program compares dates as their
// "YYYYMMDD" texts and steps months on day-1 dates.
struct Date {
    int year = 1939;
    int month = 8;
    int day = 1;

    friend bool operator==(const Date&, const Date&) = default;
};

// "YYYYMMDD" with leading zeros, so that comparing texts compares dates.
std::string Yyyymmdd(const Date& date);

Date AddDays(const Date& date, int days);
// Calendar-month steps; the day is kept, or the month's last day when the
// target month is shorter.
Date AddMonths(const Date& date, int months);
// Whole days from `from` to `to` (negative when `to` is earlier).
int DaysBetween(const Date& from, const Date& to);

// "dd-mmm-yyyy" with English month abbreviations: 01-Mar-1942.
std::string FormatDdMmmYyyy(const Date& date);

bool IsValidDate(const Date& date);

}  // namespace zephrane
