#include "gamefiles/UBoatTypes.h"

#include <climits>

#include "gamefiles/CfgLine.h"
#include "gamefiles/LineReader.h"
#include "platform/TextFile.h"

namespace zephrane {
namespace {

struct StartCorrection {
    const char* name;
    int month;
    int year;
};

// The game's basic.cfg dates some versions too early or too late for the
// campaign; these are the dates the boats really entered service.
constexpr StartCorrection kStartCorrections[] = {
    {"IIA", 7, 1939},     {"IIB", 7, 1939},      {"VIIB", 7, 1939}, {"IXB", 7, 1939},   {"IID", 10, 1939},
    {"VIIC", 3, 1940},    {"IXC", 12, 1940},     {"IXD1", 9, 1941}, {"IXD2", 12, 1941}, {"IXC/40", 3, 1942},
    {"VIIC/41", 6, 1943}, {"VIIC/42", 12, 1943}, {"XXI", 12, 1943}, {"XIX", 12, 1943},  {"XXIII", 12, 1943},
};

bool IsSubmarineHeader(std::string_view line) {
    return BeginsWithKey(line, "[SUBMARINE") && !BeginsWithKey(line, "[SUBMARINE_");
}

// A whole number in the range the program counts in; false for anything else.
bool ReadWholeNumber(const std::string& text, int& value) {
    if (!IsWholeNumber(text)) return false;
    value = ToWholeNumber(text, INT_MIN);
    return value != INT_MIN;
}

// Day 1 of month m of year y as "YYYYMMDD"; a month outside 1-12 rolls over
// into the neighbouring years, as a calendar would count it.
std::string FirstOfMonthText(int month, int year) {
    const int index = year * 12 + (month - 1);
    const int y = index >= 0 ? index / 12 : -((-index + 11) / 12);
    const int m = index - y * 12 + 1;
    return Yyyymmdd(Date{y, m, 1});
}

// Reads the submarine sections one after the other; stops at the first
// thing in the file it cannot make sense of.
class UBoatTypeReader {
public:
    UBoatTypeReader(LineReader lines, const Date& reference)
        : reader_(std::move(lines)), referenceText_(Yyyymmdd(reference)) {}

    UBoatTypeList Read() {
        std::string_view line;
        while (reader_.Next(line)) {
            if (!IsSubmarineHeader(line)) continue;
            if (!ReadSection(line)) {
                list_.ok = false;
                break;
            }
        }
        return list_;
    }

private:
    bool Fail(const std::string& why) {
        list_.error = why;
        return false;
    }

    bool FindKey(std::string_view header, const std::string& key, std::string_view& line) {
        if (reader_.NextWithKey(key, line)) return true;
        return Fail("The file ends in the section " + Excerpt(header) + " before its " + key + " line.");
    }

    bool FindNumber(std::string_view header, const std::string& key, int& value, int low = INT_MIN) {
        std::string_view line;
        if (!FindKey(header, key, line)) return false;
        const bool number = ReadWholeNumber(GetCfgValue(line), value);
        if (number && value >= low) return true;
        return Fail("In the section " + Excerpt(header) + " the line " + QuoteLine(line) + " does not hold " +
                    (number ? "a count." : "a whole number."));
    }

    bool ReadSection(std::string_view header) {
        const auto close = header.find(']', 10);
        if (close == std::string_view::npos)
            return Fail("The section header " + QuoteLine(header) + " has no closing \"]\".");
        const std::string subType(header.substr(10, close - 10));

        int versions = 0;
        if (!FindNumber(header, "NBVERSION=", versions, 0)) return false;
        // The end of the file ends a count that is too large.
        for (int v = 1; v <= versions; ++v) {
            if (!ReadVersion(header, subType)) return false;
        }
        return true;
    }

    bool ReadVersion(std::string_view header, const std::string& subType) {
        std::string_view versionLine, nameLine;
        int month = 0, year = 0;
        if (!FindKey(header, "VERSION", versionLine)) return false;
        if (!FindKey(header, "NAME", nameLine)) return false;
        if (!FindNumber(header, "MONTH", month)) return false;
        if (!FindNumber(header, "YEAR", year)) return false;

        const std::string name = GetCfgValue(nameLine);
        FixStart(name, month, year);
        if (FirstOfMonthText(month, year) <= referenceText_)
            list_.entries.push_back({name, subType, GetCfgValue(versionLine)});
        return true;
    }

    LineReader reader_;
    std::string referenceText_;
    UBoatTypeList list_;
};

}  // namespace

void FixStart(const std::string& sName, int& iMonth, int& iYear) {
    for (const auto& row : kStartCorrections) {
        if (sName == row.name) {
            iMonth = row.month;
            iYear = row.year;
            return;
        }
    }
}

Date ReferenceDate(bool endDateEnabled, const Date& endDate, std::optional<int> month,
                   std::optional<int> year) {
    if (endDateEnabled) return endDate;
    if (month && year) return Date{*year, *month, 1};
    return Date{1939, 8, 1};
}

UBoatTypeList ReadUBoatTypes(const std::vector<std::string>& lines, const Date& reference) {
    return UBoatTypeReader(LineReader(lines), reference).Read();
}

UBoatTypeList ReadUBoatTypesFromText(std::string_view text, const Date& reference) {
    return UBoatTypeReader(LineReader::OverText(text), reference).Read();
}

}  // namespace zephrane
