#include "orders/FlotillaRewrite.h"

#include "gamefiles/CfgLine.h"
#include "orders/FlotillaFiles.h"
#include "platform/TextFile.h"

namespace zephrane {
namespace {

constexpr const char* kTitle = "Update Flottille";

// The first departure record of the code; none when no flotilla has it as a base.
const BaseRec* FindDeparture(const std::vector<BaseRec>& bases, const std::string& code) {
    for (const auto& base : bases) {
        if (base.sCode == code) return &base;
    }
    return nullptr;
}

// Writes the lines of one flotilla block; `j` is the key number as text.
class BaseListWriter {
public:
    BaseListWriter(OutputLines& out, const std::string& j) : out_(out), j_(j) {}

    void Line(const std::string& key, const std::string& suffix, const std::string& value) {
        out_.Add(key + j_ + suffix + "=" + value);
    }
    void Dates(const std::string& n, const std::string& which, const std::string& year,
               const std::string& month) {
        Line("Date", "_" + n + "_" + which, year);
        Line("Month", "_" + n + "_" + which, month);
    }
    void Dates(const std::string& n, const std::string& which, const Date& date) {
        Dates(n, which, std::to_string(date.year), std::to_string(date.month));
    }
    void Departure(const std::string& n, const BaseRec& departure) {
        Line("DeparturePointLong", "_" + n, departure.sLong);
        Line("DeparturePointLat", "_" + n, departure.sLat);
        Line("Heading", "_" + n, departure.sHeading);
    }

private:
    OutputLines& out_;
    std::string j_;
};

// The pickup location as base 0: in service from a year before the start
// (not before August 1939) until the month before it, or the start month
// itself for a new commander.
void WritePickupBase(BaseListWriter& writer, const FlotillaOrder& order, const std::vector<BaseRec>& bases) {
    writer.Line("Base", "_0", order.pickupCode + ";" + order.pickupText);
    Date opening = AddMonths(order.dStart, -12);
    if (Yyyymmdd(opening) < "19390801") opening = Date{1939, 8, 1};
    writer.Dates("0", "0", opening);
    writer.Dates("0", "1", order.newCommander ? order.dStart : AddMonths(order.dStart, -1));
    if (const BaseRec* departure = FindDeparture(bases, order.pickupCode)) writer.Departure("0", *departure);
}

// Bases k and later, renumbered from 1; base k opens at the start month (the
// month after for a new commander).
void WriteKeptBases(BaseListWriter& writer, const FlotillaOrder& order, const FlotillaRec& destination,
                    const std::vector<BaseRec>& bases) {
    const int count = ToWholeNumber(destination.sNbBases);
    const BaseRec none;
    for (int b = order.k, n = 1; b < count && b < kMaxBases; ++b, ++n) {
        const std::string number = std::to_string(n);
        const BaseRec* found = FindDeparture(bases, destination.sBase[b]);
        const BaseRec& departure = found ? *found : none;
        writer.Line("Base", "_" + number, destination.sBase[b] + ";" + departure.sName);
        if (n == 1) {
            writer.Dates(number, "0", order.newCommander ? AddMonths(order.dStart, 1) : order.dStart);
        } else {
            writer.Dates(number, "0", destination.sDateFrom[b], destination.sMonthFrom[b]);
        }
        writer.Dates(number, "1", destination.sDateTo[b], destination.sMonthTo[b]);
        writer.Departure(number, departure);
    }
}

}  // namespace

bool BuildOrderFlotillaLines(const LineViews& backup, const FlotillaOrder& order,
                             const FlotillaRec& destination, const std::vector<BaseRec>& bases,
                             OutputLines& out, std::string& error) {
    const std::string j = std::to_string(order.j);
    const std::string flotillaKey = "Flotilla" + j + "=" + order.destinationCode;
    const std::string nbBasesKey = "NbBases" + j;
    const std::string nbUboatsKey = "NbUboats" + j;
    std::size_t next = 0;
    std::string_view line;  // backup[next - 1]
    const auto read = [&]() {
        if (next >= backup.size()) return false;
        line = backup[next++];
        return true;
    };
    const auto keep = [&]() { out.Keep(backup, next - 1); };
    const auto pastEnd = [&]() {
        error = kInputPastEndOfFile;
        return false;
    };

    out.Clear();
    out.Add(MarkerLine());
    while (read()) {
        if (!BeginsWithExact(line, flotillaKey)) {
            keep();
            continue;
        }
        while (!BeginsWithExact(line, nbBasesKey)) {
            keep();
            if (!read()) return pastEnd();
        }
        BaseListWriter writer(out, j);
        out.Add(nbBasesKey + "=" + std::to_string(ToWholeNumber(destination.sNbBases) - order.k + 1));
        WritePickupBase(writer, order, bases);
        WriteKeptBases(writer, order, destination, bases);
        // The old base lines up to the U-boat count are replaced by the above.
        while (!BeginsWithExact(line, nbUboatsKey)) {
            if (!read()) return pastEnd();
        }
        keep();
    }
    return true;
}

void RecoverFlotillaConfiguration(Platform& platform, const std::string& sGamePath,
                                  const std::string& description, bool liveKept) {
    platform.dialogs.MsgBox("Error: " + description, kStyleCritical, kTitle);
    const std::string backup = FlotillaBackupPath(platform.shell);
    const std::string live = LiveFlotillaPath(sGamePath);
    RestoreOutcome restore = RestoreFlotillaFromBackup(platform.fs, backup, live);
    if (!restore.error.empty()) {
        restore.bothKept = restore.bothKept && liveKept;
        platform.dialogs.MsgBox(RestoreProblemMessage(backup, live, restore), kStyleCritical, kTitle);
        return;
    }
    platform.dialogs.MsgBox("Your Flotilla Configuration File has been RESET to its Original Status.",
                            kStyleInformation, kTitle);
}

bool RewriteFlotillaForOrder(Platform& platform, const OrderState& state, const FlotillaOrder& order) {
    const std::string backup = FlotillaBackupPath(platform.shell);
    const std::string live = LiveFlotillaPath(state.sGamePath);
    // Whether a failed rewrite left the live file as it was.
    const auto liveBefore = platform.fs.ReadFile(live);
    const auto fail = [&](const std::string& description) {
        RecoverFlotillaConfiguration(platform, state.sGamePath, description,
                                     platform.fs.ReadFile(live) == liveBefore);
        return false;
    };

    if (order.j < 0 || order.j >= static_cast<int>(state.FlotillaTable.size()))
        return fail("Subscript out of range");
    std::string error;
    const auto text = ReadLineViews(platform.fs, backup, &error);
    if (!text) return fail(error.empty() ? "File not found" : error);
    OutputLines out;
    if (!BuildOrderFlotillaLines(text->lines, order, state.FlotillaTable[order.j], state.BaseTable, out,
                                 error))
        return fail(error);
    if (auto r = WriteLines(platform.fs, live, out, text->bom); !r) return fail(r.error);
    return true;
}

}  // namespace zephrane
