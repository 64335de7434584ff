#include "gamefiles/CfgLine.h"
#include "gamefiles/Dates.h"
#include "gamefiles/LineReader.h"
#include "orders/FlotillaFiles.h"
#include "orders/LoadFlotillaTable.h"
#include "platform/ShownPath.h"
#include "platform/TextFile.h"

namespace zephrane {
namespace {

constexpr const char* kTitle = "Initiate Update";

enum class MarkerSearch { Marked, NotMarked, NoSection };

// Reads from the top until the marker or the section header, whichever comes
// first; a file with neither is not one the game can use.
MarkerSearch SearchMarker(std::string_view bytes) {
    LineReader reader = LineReader::OverText(bytes);
    std::string_view line;
    while (reader.Next(line)) {
        if (line.find(kMarkerText) != std::string_view::npos) return MarkerSearch::Marked;
        if (BeginsWithKey(line, "[FLOTILLA]")) return MarkerSearch::NotMarked;
    }
    return MarkerSearch::NoSection;
}

// How many lines begin with `key`: what the table is reserved for.
std::size_t CountKeyLines(std::string_view bytes, std::string_view key) {
    LineReader reader = LineReader::OverText(bytes);
    std::string_view line;
    std::size_t count = 0;
    while (reader.NextWithKey(key, line)) ++count;
    return count;
}

// Reads on to the next line that begins with `key`.
bool NextKeyLine(LineReader& reader, std::string_view key, std::string_view flotillaLine,
                 std::string_view& line, std::string& why) {
    if (reader.NextWithKey(key, line)) return true;
    why = "It ends before the " + std::string(key) + " line of the flotilla line " + QuoteLine(flotillaLine) +
          ".";
    return false;
}

bool NextValue(LineReader& reader, std::string_view key, std::string_view flotillaLine, std::string& value,
               std::string& why) {
    std::string_view line;
    if (!NextKeyLine(reader, key, flotillaLine, line, why)) return false;
    value = CfgValueView(line);
    return true;
}

// A year or month of a base takes part in date comparisons: it must be one.
bool NextDateValue(LineReader& reader, std::string_view key, std::string_view flotillaLine, int low, int high,
                   std::string& value, std::string& why) {
    std::string_view line;
    if (!NextKeyLine(reader, key, flotillaLine, line, why)) return false;
    value = CfgValueView(line);
    const int number = ToWholeNumber(value, low - 1);
    if (number >= low && number <= high) return true;
    why = "The line " + QuoteLine(line) + " does not hold a " + (key == "DATE" ? "year" : "month") + ".";
    return false;
}

bool ReadBases(LineReader& reader, std::string_view flotillaLine, int count, FlotillaRec& flotilla,
               const OrderState& state, std::vector<BaseRec>& bases, std::string& why) {
    for (int b = 0; b < count; ++b) {
        std::string& code = flotilla.sBase[b];
        if (!NextValue(reader, "BASE", flotillaLine, code, why)) return false;
        if (!NextDateValue(reader, "DATE", flotillaLine, 1, 9999, flotilla.sDateFrom[b], why)) return false;
        if (!NextDateValue(reader, "MONTH", flotillaLine, 1, 12, flotilla.sMonthFrom[b], why)) return false;
        if (!NextDateValue(reader, "DATE", flotillaLine, 1, 9999, flotilla.sDateTo[b], why)) return false;
        if (!NextDateValue(reader, "MONTH", flotillaLine, 1, 12, flotilla.sMonthTo[b], why)) return false;
        if (!AddBase(bases, code)) continue;
        BaseRec& base = bases.back();
        base.sCode = code;
        base.sName = GetLocationName(state, code);
        if (!NextValue(reader, "DeparturePointLong", flotillaLine, base.sLong, why)) return false;
        if (!NextValue(reader, "DeparturePointLat", flotillaLine, base.sLat, why)) return false;
        if (!NextValue(reader, "Heading", flotillaLine, base.sHeading, why)) return false;
    }
    return true;
}

bool ReadFlotilla(LineReader& reader, std::string_view flotillaLine, const OrderState& state,
                  FlotillaTables& tables, std::string& why) {
    const auto equals = flotillaLine.find('=');
    if (equals == std::string_view::npos) {
        why = "The flotilla line " + QuoteLine(flotillaLine) + " has no \"=\".";
        return false;
    }
    // A first flotilla line without a value is filled again by the next one.
    std::size_t i = 0;
    if (tables.flotillas[0].sMenuCode.empty()) {
        tables.flotillas[0] = FlotillaRec{};
    } else {
        tables.flotillas.emplace_back();
        i = tables.flotillas.size() - 1;
    }
    FlotillaRec& flotilla = tables.flotillas[i];
    flotilla.sMenuCode = CfgValueView(flotillaLine);
    flotilla.sKeyIndex = flotillaLine.substr(8, equals - 8);

    if (!NextValue(reader, "NBBASES", flotillaLine, flotilla.sNbBases, why)) return false;
    if (!IsWholeNumber(flotilla.sNbBases)) {
        why = "The NBBASES value " + QuoteLine(flotilla.sNbBases) + " of the flotilla line " +
              QuoteLine(flotillaLine) + " is not a number.";
        return false;
    }
    const int count = ToWholeNumber(flotilla.sNbBases, -1);
    if (count < 0 || count > kMaxBases) {
        why = "The flotilla line " + QuoteLine(flotillaLine) + " has " + Excerpt(flotilla.sNbBases) +
              " bases; a flotilla has from 0 to 11.";
        return false;
    }
    return ReadBases(reader, flotillaLine, count, flotilla, state, tables.bases, why);
}

void ShowProblem(Platform& platform, const std::string& path, const std::string& why) {
    platform.dialogs.MsgBox(FlotillaProblemMessage(path, why), kStyleCritical, kTitle);
}

}  // namespace

std::string FlotillaProblemMessage(const std::string& path, const std::string& why) {
    return "Could not use the flotilla configuration file\r\n" + ShownPath(path) + "\r\n" + why +
           "\r\nThe order has not been carried out; no file has been changed.";
}

bool AddBase(std::vector<BaseRec>& BaseTable, const std::string& sCode) {
    for (const auto& base : BaseTable) {
        if (base.sCode == sCode) return false;
    }
    if (!BaseTable.empty() && BaseTable[0].sCode.empty()) return true;
    BaseTable.emplace_back();
    return true;
}

std::string GetLocationName(const OrderState& state, const std::string& sCode) {
    for (std::size_t i = 0; i < state.sLocationCode.size(); ++i) {
        if (state.sLocationCode[i] == sCode)
            return i < state.locationNames.size() ? state.locationNames[i] : "";
    }
    return "";
}

bool ReadFlotillaTables(std::string_view bytes, const OrderState& state, FlotillaTables& tables,
                        std::string& why) {
    tables.flotillas.assign(1, FlotillaRec{});
    tables.bases.assign(1, BaseRec{});
    // A record is large: a table grown one flotilla at a time would be copied over and over.
    tables.flotillas.reserve(1 + CountKeyLines(bytes, "FLOTILLA"));
    LineReader reader = LineReader::OverText(bytes);
    std::string_view line;
    bool any = false;
    while (reader.Next(line)) {
        if (!BeginsWithKey(line, "FLOTILLA")) continue;
        if (!ReadFlotilla(reader, line, state, tables, why)) return false;
        any = true;
    }
    // No order can name a destination in it (an emptied file, say).
    if (!any) why = "It holds no flotilla line.";
    return any;
}

bool LoadFlotillaTable(Platform& platform, OrderState& state) {
    const std::string live = LiveFlotillaPath(state.sGamePath);
    const std::string backup = FlotillaBackupPath(platform.shell);
    if (!platform.fs.FileExists(live)) {
        platform.dialogs.MsgBox("Could not find flottille configuration file.", kStyleCritical, kTitle);
        return false;
    }
    // The order ends by writing the live file: refused before anything changes.
    if (platform.fs.IsReadOnly(live)) {
        ShowProblem(platform, live, "It is read-only, so the order could not write it.");
        return false;
    }
    std::string error;
    const auto liveBytes = ReadText(platform.fs, live, &error);
    if (!liveBytes) {
        ShowProblem(platform, live, "It could not be read: " + error);
        return false;
    }
    const MarkerSearch marker = SearchMarker(*liveBytes);
    if (marker == MarkerSearch::NoSection) {
        ShowProblem(platform, live, "It ends before the [FLOTILLA] section header.");
        return false;
    }

    // A backup that is a link would follow the file it names: refused before
    // it is read or written.
    if (const std::string why = BackupLinkProblem(platform.fs, backup, live); !why.empty()) {
        ShowProblem(platform, backup, why);
        return false;
    }

    // A marked live file never replaces an existing backup; an unmarked one
    // always refreshes it. The content that is to be the backup is read and
    // checked before the copy, so that a malformed live file cannot overwrite
    // a good backup and a refused order leaves every file as it was.
    const bool refresh = marker == MarkerSearch::NotMarked || !platform.fs.FileExists(backup);
    const std::string& source = refresh ? live : backup;
    std::optional<std::string> backupBytes;
    if (!refresh) backupBytes = ReadText(platform.fs, backup, &error);
    if (!refresh && !backupBytes) {
        ShowProblem(platform, backup, "It could not be read: " + error);
        return false;
    }
    const std::string& bytes = refresh ? *liveBytes : *backupBytes;
    FlotillaTables tables;
    std::string why;
    if (!ReadFlotillaTables(bytes, state, tables, why)) {
        ShowProblem(platform, source, why);
        return false;
    }
    if (refresh) {
        if (auto r = platform.fs.Copy(live, backup); !r) {
            ShowProblem(platform, backup, "The backup could not be written: " + r.error);
            return false;
        }
    }
    state.FlotillaTable = std::move(tables.flotillas);
    state.BaseTable = std::move(tables.bases);
    return true;
}

}  // namespace zephrane
