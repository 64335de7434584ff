#pragma once

#include "orders/Order.h"
#include "platform/Platform.h"

namespace zephrane {

// Steps 3 to 5 of "Initiate Update": refuses an incomplete form or a next
// patrol that starts before the last one ended; otherwise loads the flotilla
// table and carries out the order. The window locks and unlocks itself
// around the call (hourglass, SetControlsEnabled).
void InitiateUpdate(Platform& platform, const OrderForm& form, OrderState& state);

// "Reset My Flotilla Configuration File".
void ResetFlotillaConfiguration(Platform& platform, const std::string& sGamePath);

}  // namespace zephrane
