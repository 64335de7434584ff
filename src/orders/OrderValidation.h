#pragma once

#include "gamefiles/Dates.h"
#include "orders/Order.h"

namespace zephrane {

// Every field the chosen order needs holds data; a disabled field is not
// needed, and a text of blanks counts as data.
bool IsOrderFormComplete(const OrderForm& form);

// Day 1 of the month and year chosen for the next patrol.
Date NextPatrolStart(const OrderForm& form);

// The next patrol does not start before the last one ended ("YYYYMMDD"
// texts; equal passes). Checked also when the end date is disabled.
bool PatrolDatesInOrder(const OrderForm& form);

// Whether chkNew is ticked (value 1; the grey state is not).
inline bool IsNewCommander(const OrderForm& form) {
    return form.chkNew == 1;
}

}  // namespace zephrane
