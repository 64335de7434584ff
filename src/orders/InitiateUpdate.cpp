#include "orders/InitiateUpdate.h"

#include "orders/LoadFlotillaTable.h"
#include "orders/OrderValidation.h"
#include "orders/ProcessOrders.h"

namespace zephrane {

void InitiateUpdate(Platform& platform, const OrderForm& form, OrderState& state) {
    if (!IsOrderFormComplete(form)) {
        platform.dialogs.MsgBox("All fields must contain data.", kStyleCritical, "Initiate Update");
        return;
    }
    if (!PatrolDatesInOrder(form)) {
        platform.dialogs.MsgBox("Last Patrol End Date should be EARLIER than Next Patrol Start Date.",
                                kStyleCritical, "Initiate Update");
        return;
    }
    // Without a usable flotilla configuration the tables are not this
    // order's: the order ends after LoadFlotillaTable's own message.
    if (!LoadFlotillaTable(platform, state)) return;
    ProcessOrders(platform, form, state);
}

}  // namespace zephrane
