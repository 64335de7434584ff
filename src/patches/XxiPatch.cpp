#include "patches/XxiPatch.h"

#include "gamefiles/CfgLine.h"
#include "patches/PatchLines.h"
#include "platform/Dialogs.h"
#include "platform/ShownPath.h"
#include "platform/TextFile.h"

namespace zephrane {
namespace {

bool IsDigits(const std::string& text) {
    for (char c : text) {
        if (c < '0' || c > '9') return false;
    }
    return true;
}

bool IsFlotillaCandidate(const std::string& line) {
    if (line.size() < 4 || line[3] != '=' || line[0] == ';') return false;
    const std::string number = line.substr(0, 3);
    return number >= "902" && number <= "914" && IsDigits(number);
}

bool IsFlotillaLineOf(std::string_view line, const std::string& s33Flotilla) {
    if (!BeginsWithKey(line, "FLOTILLA")) return false;
    const auto equals = line.find('=', 7);
    if (equals == std::string_view::npos) return false;
    // The value must start with the menu number.
    return line.size() >= equals + 1 + s33Flotilla.size() &&
           line.compare(equals + 1, s33Flotilla.size(), s33Flotilla) == 0;
}

bool IsCountLine(std::string_view line) {
    return line.size() >= 11 && BeginsWithKey(line, "NBUBOATS");
}

enum class Count { NotANumber, Valid, OutOfRange };

// A U-boat count is a whole number from 0 to the largest the program counts
// in (16 bits). A number outside that range is a damaged count, not text.
Count ReadCount(std::string_view value, int& count) {
    if (!IsWholeNumber(value)) return Count::NotANumber;
    count = ToWholeNumber(value, -1);
    return count < 0 ? Count::OutOfRange : Count::Valid;
}

// A line that opens the next flotilla's block: its U-boat lines are not ours.
bool BeginsNextBlock(std::string_view line) {
    return BeginsWithKey(line, "FLOTILLA") || (!line.empty() && line[0] == '[');
}

// Rewrites the count line and the U-boat lines after it, starting at
// lines[countAt]; returns the index of the first line not consumed, or
// kNoLine (and `error`) when the flotilla's block or the file ends before
// the counted U-boat lines.
std::size_t RewriteUboatList(const LineViews& lines, std::size_t countAt, int count,
                             const std::string& s33Flotilla, OutputLines& out, std::string& error) {
    const std::string_view countLine = lines[countAt];
    const std::string suffix(countLine.substr(8, countLine.find('=', 7) - 8));
    std::vector<std::size_t> uboats;  // where the U-boat lines are
    bool hasXxi = false;
    std::size_t i = countAt + 1;
    while (static_cast<int>(uboats.size()) < count) {
        if (i >= lines.size()) {
            error = "The file ends before the " + std::to_string(count) + " U-boat lines of flotilla " +
                    s33Flotilla + ".";
            return kNoLine;
        }
        if (BeginsNextBlock(lines[i])) {
            error = "The U-boat list of flotilla " + s33Flotilla + " ends before the " +
                    std::to_string(count) + " U-boat lines its count announces.";
            return kNoLine;
        }
        // Anything between the U-boat lines (comments, blanks) is dropped.
        if (BeginsWithKey(lines[i], "UBOAT")) {
            uboats.push_back(i);
            if (CfgValueView(lines[i]) == "3") hasXxi = true;
        }
        ++i;
    }
    out.Add("NbUboats" + suffix + "=" + std::to_string(hasXxi ? count : count + 1));
    for (const std::size_t at : uboats) out.Keep(lines, at);
    if (!hasXxi) out.Add("Uboat" + suffix + "_" + std::to_string(count) + "=3");
    return i;
}

}  // namespace

std::string Find33FlotillaInLines(const std::vector<std::string>& menuLines) {
    for (const auto& line : menuLines) {
        if (IsFlotillaCandidate(line) && line.find("33", 4) != std::string::npos) return line.substr(0, 3);
    }
    return "0";
}

std::string Find33Flotilla(Platform& platform, const std::string& sGamePath) {
    const std::string menuPath = sGamePath + "\\data\\Menu\\en_menu.txt";
    if (!platform.fs.FileExists(menuPath)) {
        platform.dialogs.MsgBox(
            "Menu file not found. Check SilentHunterIII Directory Setting.  Task aborted.", kStyleCritical,
            kXxiTitle);
        return "0";
    }
    std::string error;
    const auto lines = ReadLines(platform.fs, menuPath, &error);
    if (!lines) {
        platform.dialogs.MsgBox("The menu file\r\n" + ShownPath(menuPath) +
                                    "\r\ncould not be read: " + error + "\r\nTask aborted.",
                                kStyleCritical, kXxiTitle);
        return "0";
    }
    const std::string found = Find33FlotillaInLines(*lines);
    if (found == "0") {
        platform.dialogs.MsgBox("33. U-Flottille not found in menu files.  Task aborted.", kStyleCritical,
                                kXxiTitle);
    }
    return found;
}

PatchedLines AddXXIToFlotillaLines(const LineViews& lines, const std::string& s33Flotilla) {
    PatchedLines result;
    auto& out = result.lines;
    std::size_t i = 0;
    while (i < lines.size()) {
        const std::string_view line = lines[i];
        out.Keep(lines, i++);
        if (!IsFlotillaLineOf(line, s33Flotilla)) continue;

        std::size_t countAt = i;
        while (countAt < lines.size() && !IsCountLine(lines[countAt])) ++countAt;
        CopyLines(lines, i, countAt, out);
        // A flotilla without a count line has nothing to add to.
        if (countAt >= lines.size()) break;
        const std::string_view countLine = lines[countAt];
        if (countLine.find('=', 7) == std::string_view::npos)
            return Refused("The U-boat count line " + QuoteLine(countLine) + " has no \"=\".");

        int count = 0;
        const Count read = ReadCount(CfgValueView(countLine), count);
        if (read == Count::OutOfRange)
            return Refused("The U-boat count line " + QuoteLine(countLine) +
                           " does not hold a count of U-boats.");
        if (read == Count::NotANumber) {
            out.Keep(lines, countAt);
            i = countAt + 1;
            continue;
        }
        result.changed = true;
        std::string error;
        i = RewriteUboatList(lines, countAt, count, s33Flotilla, out, error);
        if (i == kNoLine) return Refused(error);
    }
    return result;
}

OutputLines AddXXINumbersLines(const LineViews& lines, const std::string& s33Flotilla) {
    OutputLines out;
    const std::string entryKey = s33Flotilla + "=";
    std::size_t i = 0;
    while (i < lines.size()) {
        const std::string_view line = lines[i];
        out.Keep(lines, i++);
        if (!BeginsWithExact(line, "[XXI]")) continue;
        bool sectionEnded = false;
        while (i < lines.size() && !sectionEnded) {
            const std::string_view entry = lines[i];
            if (TrimmedView(entry).empty()) {
                out.Keep(kXxiNumbersLine);
                sectionEnded = true;
            } else if (BeginsWithExact(entry, entryKey)) {
                sectionEnded = true;
            }
            out.Keep(lines, i++);
        }
        if (!sectionEnded) out.Keep(kXxiNumbersLine);
    }
    return out;
}

void AddXXIToFlotilla(const PatchContext& ctx, const std::string& sFolder, const std::string& sFileName) {
    const std::string s33Flotilla = ctx.state.s33Flotilla;
    bool changed = false;
    const bool rewritten = RewritePatched(
        ctx, sFolder, sFileName, "Flotilla.xxx",
        [&](const LineViews& in) { return AddXXIToFlotillaLines(in, s33Flotilla); }, &changed);
    if (rewritten && changed) ctx.CountProcessed();
    ctx.YieldToEvents();
}

void AddXXINumbers(const PatchContext& ctx, const std::string& sFolder, const std::string& sFileName) {
    if (!ctx.platform.fs.FileExists(sFolder + "\\" + sFileName)) {
        ctx.platform.dialogs.MsgBox("SH3 Commander 'U-Boat numbers' file not found.  Not Processed.",
                                    kStyleInformation, "File Not Found");
        return;
    }
    const std::string s33Flotilla = ctx.state.s33Flotilla;
    RewritePatched(ctx, sFolder, sFileName, "U-boat numbers.xxx", [&](const LineViews& in) {
        PatchedLines patched;
        patched.lines = AddXXINumbersLines(in, s33Flotilla);
        return patched;
    });
    ctx.YieldToEvents();
}

}  // namespace zephrane
