#include "orders/ProcessOrders.h"

#include <cstdio>

#include "careers/CareerFiles.h"
#include "gamefiles/CfgLine.h"
#include "orders/Checklist.h"
#include "orders/FlotillaFiles.h"
#include "orders/FlotillaRewrite.h"
#include "orders/OrderValidation.h"

namespace zephrane {
namespace {

constexpr const char* kTitle = "Initiate Update";

std::string EntryAt(const std::vector<std::string>& codes, int index) {
    if (index < 0 || index >= static_cast<int>(codes.size())) return "";
    return codes[index];
}

// Day 1 of a year and month of the table.
Date TableDate(const std::string& year, const std::string& month) {
    return Date{ToWholeNumber(year), ToWholeNumber(month), 1};
}

void RefuseClosedBase(Platform& platform) {
    platform.dialogs.MsgBox(
        "Base will be closed before your arrival.  Transfer aborted.\r\n"
        "Check with your Flottillenchefand request new orders.",
        kStyleCritical, kTitle);
}

int FindDestination(const OrderState& state, const std::string& destinationCode) {
    for (std::size_t i = 0; i < state.FlotillaTable.size(); ++i) {
        if (state.FlotillaTable[i].sMenuCode == destinationCode) return static_cast<int>(i);
    }
    return -1;
}

int FindOpenBase(const FlotillaRec& flotilla, const Date& dStart) {
    const int count = ToWholeNumber(flotilla.sNbBases);
    for (int b = 0; b < count && b < kMaxBases; ++b) {
        if (Yyyymmdd(dStart) < Yyyymmdd(TableDate(flotilla.sDateTo[b], flotilla.sMonthTo[b]))) return b;
    }
    return -1;
}

CareerOrder CareerOrderFor(const OrderForm& form, const OrderState& state, const OrderPlan& plan) {
    CareerOrder order;
    order.careersPath = state.sCareersPath;
    order.kommandant = form.kommandantText;
    order.pickupCode = plan.pickupCode;
    if (form.uboatTypeIndex >= 0 && form.uboatTypeIndex < static_cast<int>(state.sUBoatType.size())) {
        order.subType = state.sUBoatType[form.uboatTypeIndex][0];
        order.subVersion = state.sUBoatType[form.uboatTypeIndex][1];
    }
    order.uboatNumber = form.uboatNumber;
    char year[16];
    std::snprintf(year, sizeof year, "%04d", form.endDate.year);
    order.year = year;
    order.basicCfgPath = form.text1 + "\\data\\cfg\\basic.cfg";
    return order;
}

// A commissioning at the home port puts the untouched configuration back.
bool RestoreForHomePort(Platform& platform, const OrderState& state) {
    const std::string backup = FlotillaBackupPath(platform.shell);
    const std::string live = LiveFlotillaPath(state.sGamePath);
    const RestoreOutcome restore = RestoreFlotillaFromBackup(platform.fs, backup, live);
    if (restore.error.empty()) return true;
    platform.dialogs.MsgBox(RestoreProblemMessage(backup, live, restore), kStyleCritical, kTitle);
    return false;
}

std::string BaseName(const OrderState& state, const OrderPlan& plan) {
    const std::string& code = state.FlotillaTable[plan.iFlotilla].sBase[plan.iBase];
    for (const auto& base : state.BaseTable) {
        if (base.sCode == code) return base.sName;
    }
    return "";
}

ChecklistKind ChooseChecklist(const OrderForm& form, OrderState& state) {
    if (state.bSameLocation) {
        state.bSameLocation = false;
        return ChecklistKind::HomePort;
    }
    if (form.transfer) return ChecklistKind::Transfer;
    if (!IsNewCommander(form)) return ChecklistKind::Experienced;
    return ChecklistKind::NewCommander;
}

ChecklistValues ChecklistValuesFor(const OrderForm& form, const OrderState& state, const OrderPlan& plan) {
    ChecklistValues values;
    values.locationText = form.locationText;
    values.destinationText = form.destinationText;
    values.kommandantText = form.kommandantText;
    values.uboatNumber = form.uboatNumber;
    values.uboatTypeText = form.uboatTypeText;
    values.lastPatrolEnd = form.endDate;
    values.dCommission = plan.dCommission;
    values.dStart = plan.dStart;
    values.dEnterBase = plan.dEnterBase;
    values.sBaseName = BaseName(state, plan);
    return values;
}

}  // namespace

std::optional<OrderPlan> PlanOrder(Platform& platform, const OrderForm& form, const OrderState& state) {
    OrderPlan plan;
    const Date nextPatrolStart = NextPatrolStart(form);
    if (form.endDateEnabled) {
        plan.dCommission = AddDays(form.endDate, 7);
        plan.dStart = nextPatrolStart;
        if (Yyyymmdd(plan.dStart) > "19450508") {
            platform.dialogs.MsgBox("Departure date too late.  Transfer aborted.", kStyleCritical, kTitle);
            return std::nullopt;
        }
    } else {
        plan.dCommission = nextPatrolStart;
        if (Yyyymmdd(plan.dCommission) < "19390801") plan.dCommission = Date{1939, 8, 1};
        plan.dStart = plan.dCommission;
    }
    plan.pickupCode = EntryAt(state.sLocationCode, form.locationIndex);
    plan.destinationCode = EntryAt(state.sDestinationCode, form.destinationIndex);
    plan.dEnterBase = plan.dStart;

    plan.iFlotilla = FindDestination(state, plan.destinationCode);
    if (plan.iFlotilla >= 0) plan.iBase = FindOpenBase(state.FlotillaTable[plan.iFlotilla], plan.dStart);
    if (plan.iBase < 0) {
        RefuseClosedBase(platform);
        return std::nullopt;
    }

    // A flotilla that does not exist yet at the start: the commander sails
    // the month before it opens and enters its first base when it does.
    const FlotillaRec& destination = state.FlotillaTable[plan.iFlotilla];
    const Date opening = TableDate(destination.sDateFrom[0], destination.sMonthFrom[0]);
    if (Yyyymmdd(plan.dStart) < Yyyymmdd(opening)) {
        plan.dEnterBase = opening;
        plan.dStart = AddMonths(opening, -1);
    }
    return plan;
}

void ProcessOrders(Platform& platform, const OrderForm& form, OrderState& state) {
    // Only this run's career update may say that the pickup is the home port.
    state.bSameLocation = false;
    const std::optional<OrderPlan> plan = PlanOrder(platform, form, state);
    if (!plan) return;

    const bool newCommander = IsNewCommander(form);
    if (!form.transfer && !newCommander) {
        bool bSameLocation = false;
        if (!UpdateCareerFiles(platform, CareerOrderFor(form, state, *plan), bSameLocation)) return;
        state.bSameLocation = bSameLocation;
    }

    if (state.bSameLocation) {
        if (!RestoreForHomePort(platform, state)) {
            state.bSameLocation = false;
            return;
        }
    } else {
        FlotillaOrder order;
        order.j = plan->iFlotilla;
        order.k = plan->iBase;
        order.dStart = plan->dStart;
        order.newCommander = newCommander;
        order.pickupCode = plan->pickupCode;
        order.pickupText = form.locationText;
        order.destinationCode = plan->destinationCode;
        if (!RewriteFlotillaForOrder(platform, state, order)) return;
    }

    const ChecklistValues values = ChecklistValuesFor(form, state, *plan);
    WriteChecklist(platform, ChooseChecklist(form, state), values);
}

}  // namespace zephrane
