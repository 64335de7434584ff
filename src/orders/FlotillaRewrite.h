#pragma once

#include <string>
#include <vector>

#include "gamefiles/Dates.h"
#include "orders/FlotillaTable.h"
#include "orders/Order.h"
#include "platform/Platform.h"
#include "platform/TextFile.h"

namespace zephrane {

// What the rewrite of Flotilla.cfg needs to know of an order.
struct FlotillaOrder {
    int j = 0;  // position of the destination in FlotillaTable; the number in its keys
    int k = 0;  // index of the destination's first base still open at the start date
    Date dStart;
    bool newCommander = false;
    std::string pickupCode;
    std::string pickupText;
    std::string destinationCode;
};

// The description of the error when the backup ends before a line the
// rewrite reads on to.
inline constexpr const char* kInputPastEndOfFile = "Input past end of file";

// The configuration as the order writes it: the marker line, then the
// backup's lines with the base list of flotilla j replaced by the pickup
// location and the bases from k on. Returns false with `error` when the
// backup ends before the NbBases or NbUboats line of that flotilla.
bool BuildOrderFlotillaLines(const LineViews& backup, const FlotillaOrder& order,
                             const FlotillaRec& destination, const std::vector<BaseRec>& bases,
                             OutputLines& out, std::string& error);

// Writes the game's Flotilla.cfg for the order from the backup. When anything
// goes wrong the recovery runs (its messages, then the restore) and the
// result is false: the order ends there.
bool RewriteFlotillaForOrder(Platform& platform, const OrderState& state, const FlotillaOrder& order);

// "Error: " + description, the restore of Flotilla.cfg from the backup, and
// the report that the configuration has been reset. `liveKept` tells whether
// the failed rewrite left the live file as it was.
void RecoverFlotillaConfiguration(Platform& platform, const std::string& sGamePath,
                                  const std::string& description, bool liveKept);

}  // namespace zephrane
