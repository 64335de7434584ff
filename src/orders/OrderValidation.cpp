#include "orders/OrderValidation.h"

namespace zephrane {

bool IsOrderFormComplete(const OrderForm& form) {
    if (form.uboatNumberEnabled && form.uboatNumber.empty()) return false;
    if (form.kommandantEnabled && form.kommandantIndex == -1) return false;
    if (form.uboatTypeEnabled && form.uboatTypeIndex == -1) return false;
    if (form.destinationIndex == -1) return false;
    if (form.locationIndex == -1) return false;
    if (form.yearIndex == -1) return false;
    if (form.monthIndex == -1) return false;
    return true;
}

Date NextPatrolStart(const OrderForm& form) {
    return Date{form.year, form.month, 1};
}

bool PatrolDatesInOrder(const OrderForm& form) {
    return !(Yyyymmdd(NextPatrolStart(form)) < Yyyymmdd(form.endDate));
}

}  // namespace zephrane
