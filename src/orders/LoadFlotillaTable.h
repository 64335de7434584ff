#pragma once

#include <string>
#include <vector>

#include "orders/FlotillaTable.h"
#include "orders/Order.h"
#include "platform/Platform.h"
#include "platform/TextFile.h"

namespace zephrane {

// Makes or refreshes the backup Flotilla.cfg.orv beside the program and
// rebuilds FlotillaTable and BaseTable from it. Returns false, after its own
// message box, when the order cannot go on: no live Flotilla.cfg, or a
// configuration that is not laid out as expected. Then no file and no table
// has changed.
bool LoadFlotillaTable(Platform& platform, OrderState& state);

// True when sCode is not yet in BaseTable, after making the last entry a free
// entry for it (entry 0 while the table is its one empty entry).
bool AddBase(std::vector<BaseRec>& BaseTable, const std::string& sCode);

// The cboLocation text of the first entry whose location code is sCode; ""
// when there is none.
std::string GetLocationName(const OrderState& state, const std::string& sCode);

struct FlotillaTables {
    std::vector<FlotillaRec> flotillas;
    std::vector<BaseRec> bases;
};

// Reads a flotilla configuration (its bytes) into the two tables. Returns
// false with `why` (player's words) when the file is not laid out as the
// reader expects or holds no flotilla line; `tables` is then incomplete and
// must not be used.
bool ReadFlotillaTables(std::string_view bytes, const OrderState& state, FlotillaTables& tables,
                        std::string& why);

// The message for a flotilla configuration an order cannot use.
std::string FlotillaProblemMessage(const std::string& path, const std::string& why);

}  // namespace zephrane
