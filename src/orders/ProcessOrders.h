#pragma once

#include <optional>
#include <string>

#include "gamefiles/Dates.h"
#include "orders/Order.h"
#include "platform/Platform.h"

namespace zephrane {

// The dates and the destination of an order, worked out before anything is
// changed.
struct OrderPlan {
    Date dCommission;
    Date dStart;
    Date dEnterBase;
    int iFlotilla = -1;  // position of the destination in FlotillaTable
    int iBase = -1;      // the destination's first base still open at dStart
    std::string pickupCode;
    std::string destinationCode;
};

// Works out the order's dates and finds the destination's open base. Returns
// nullopt after the refusal's message box (departure too late, base closed
// or flotilla unknown); nothing has been changed then.
std::optional<OrderPlan> PlanOrder(Platform& platform, const OrderForm& form, const OrderState& state);

// Carries out one order on the tables LoadFlotillaTable has just built: the
// career files of a commissioning, Flotilla.cfg, and the checklist.
void ProcessOrders(Platform& platform, const OrderForm& form, OrderState& state);

}  // namespace zephrane
