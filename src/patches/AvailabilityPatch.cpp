#include "patches/AvailabilityPatch.h"

#include "gamefiles/CfgLine.h"
#include "patches/PatchLines.h"

namespace zephrane {
namespace {

struct TypeDates {
    const char* name;
    const char* month;
    const char* year;
    const char* daysInBase;  // nullptr: left alone
};

// Tested in this order.
constexpr TypeDates kOrvTypes[] = {
    {"IXB", "7", "1939", nullptr},
    {"IXC", "1", "1941", nullptr},
    {"XXI", "12", "1943", "28"},
};

const TypeDates* OrvTypeOf(std::string_view nameLine) {
    if (!BeginsWithKey(nameLine, "NAME")) return nullptr;
    const std::string_view name = CfgValueView(nameLine);
    for (const auto& type : kOrvTypes) {
        if (name == type.name) return &type;
    }
    return nullptr;
}

// Copies the lines from `from` up to the next line with `key`, writes that
// line with `value` and returns the index after it; kNoLine (and `error`)
// when the line is missing in the section or has no "=".
std::size_t SetNextValue(const LineViews& lines, std::size_t from, std::string_view key,
                         std::string_view value, const std::string& what, OutputLines& out,
                         std::string& error) {
    const std::size_t at = FindKeyLine(lines, from, key, SearchLimit::EndOfSection);
    if (at == kNoLine) {
        error = "A " + what + " line is missing.";
        return kNoLine;
    }
    const auto replaced = ReplaceValue(lines[at], value);
    if (!replaced) {
        error = "The line " + QuoteLine(lines[at]) + " has no \"=\".";
        return kNoLine;
    }
    CopyLines(lines, from, at, out);
    out.Add(std::move(*replaced));
    return at + 1;
}

std::string MissingAfter(const std::string& what, std::string_view line) {
    return "The " + what + " line that should follow " + QuoteLine(line) + " is missing.";
}

}  // namespace

PatchedLines FixFlotillaAvailabilityLines(const LineViews& lines) {
    PatchedLines result;
    auto& out = result.lines;
    std::size_t i = 0;
    while (i < lines.size()) {
        const std::string_view line = lines[i];
        out.Keep(lines, i++);
        if (!BeginsWithKey(line, "DATE") || CfgValueView(line) != "1939") continue;
        const std::size_t monthAt = FindKeyLine(lines, i, "MONTH", SearchLimit::EndOfSection);
        if (monthAt == kNoLine) return Refused(MissingAfter("Month", line));
        CopyLines(lines, i, monthAt, out);
        const std::string_view month = lines[monthAt];
        if (CfgValueView(month) == "9") {
            out.Add(*ReplaceValue(month, "8"));
        } else {
            out.Keep(lines, monthAt);
        }
        i = monthAt + 1;
    }
    return result;
}

PatchedLines FixBasicAvailabilityLines(const LineViews& lines) {
    PatchedLines result;
    auto& out = result.lines;
    std::string error;
    std::size_t i = 0;
    while (i < lines.size()) {
        const std::size_t at = i++;
        const std::string_view line = lines[at];
        if (BeginsWithKey(line, "[TORPEDO_TYPE")) {
            // The torpedo sections are never changed.
            out.Keep(lines, at);
            break;
        }
        if (const TypeDates* type = OrvTypeOf(line)) {
            out.Keep(lines, at);
            i = SetNextValue(lines, i, "MONTH", type->month, "Month", out, error);
            if (i != kNoLine) i = SetNextValue(lines, i, "YEAR", type->year, "Year", out, error);
            if (i != kNoLine && type->daysInBase)
                i = SetNextValue(lines, i, "DAYSSPENTINBASE", type->daysInBase, "DaysSpentInBase", out,
                                 error);
            if (i == kNoLine) return Refused("In the section of " + std::string(type->name) + ": " + error);
            continue;
        }
        const std::string_view month = BeginsWithKey(line, "MONTH") ? CfgValueView(line) : "";
        if (month != "8" && month != "9") {
            out.Keep(lines, at);
            continue;
        }
        const std::size_t yearAt = FindKeyLine(lines, i, "YEAR", SearchLimit::EndOfSection);
        if (yearAt == kNoLine) return Refused(MissingAfter("Year", line));
        if (CfgValueView(lines[yearAt]) == "1939") {
            out.Add(*ReplaceValue(line, "7"));
        } else {
            out.Keep(lines, at);
        }
        CopyLines(lines, i, yearAt + 1, out);
        i = yearAt + 1;
    }
    CopyLines(lines, i, lines.size(), out);
    return result;
}

void FixFlotillaAvailability(const PatchContext& ctx, const std::string& sFolder,
                             const std::string& sFileName) {
    if (RewritePatched(ctx, sFolder, sFileName, "Flotilla.xxx", FixFlotillaAvailabilityLines))
        ctx.CountProcessed();
    ctx.YieldToEvents();
}

void FixBasicAvailability(const PatchContext& ctx, const std::string& sFolder, const std::string& sFileName) {
    if (RewritePatched(ctx, sFolder, sFileName, "Basic.xxx", FixBasicAvailabilityLines)) ctx.CountProcessed();
    ctx.YieldToEvents();
}

}  // namespace zephrane
