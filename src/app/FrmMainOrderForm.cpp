// The order form: kind of order, new commander, the next patrol's month and
// year held inside the campaign, and the U-boat types refilled on their changes.
#include "app/FrmMain.h"

namespace zephrane {
namespace {

constexpr int kFirstYear = 0;  // 1939
constexpr int kLastYear = 6;   // 1945
constexpr int kAugust = 7;
constexpr int kMay = 4;

}  // namespace

void FrmMain::Option1_Click(int index) {
    if (index == 1) {
        Label6->setText("Starting Location:");
        chkNew->setCheckState(Qt::Unchecked);
        SetFieldEnabled(chkNew, false);
        SetFieldEnabled(txtUBoatNumber, false);
        SetFieldEnabled(cboUBoatType, false);
        SetFieldEnabled(cboKommandant, false);
    } else {
        Label6->setText("U-Boat Pickup Location:");
        SetFieldEnabled(chkNew, true);
        SetFieldEnabled(txtUBoatNumber, true);
        SetFieldEnabled(cboUBoatType, true);
        SetFieldEnabled(cboKommandant, true);
    }
}

void FrmMain::chkNew_Click() {
    const bool ticked = chkNew->checkState() == Qt::Checked;
    for (QWidget* field :
         std::initializer_list<QWidget*>{ssEndDate, txtUBoatNumber, cboUBoatType, cboKommandant}) {
        SetFieldEnabled(field, !ticked);
    }
}

// Selecting the month here is a choice of that month: its handler runs.
// Returns whether a month was selected.
bool FrmMain::HoldInsideCampaign() {
    const int year = cboYear->currentIndex();
    const int month = cboMonth->currentIndex();
    if (year == kFirstYear && month < kAugust) {
        cboMonth->setCurrentIndex(kAugust);
        return true;
    }
    if (year == kLastYear && month > kMay) {
        cboMonth->setCurrentIndex(kMay);
        return true;
    }
    return false;
}

void FrmMain::cboMonth_Click() {
    const int before = refills_;
    HoldInsideCampaign();
    // The month handler that the correction ran has refilled the list already.
    if (refills_ != before) return;
    if (cboYear->currentIndex() >= 0) RefillUBoatTypes();
}

void FrmMain::cboYear_Click() {
    const int before = refills_;
    HoldInsideCampaign();
    if (refills_ != before) return;
    if (cboMonth->currentIndex() >= 0) RefillUBoatTypes();
}

// Without an accepted game folder there is no basic.cfg to read the types from.
void FrmMain::RefillUBoatTypes() {
    if (state_.sGamePath.empty()) {
        ++refills_;
        cboUBoatType->clear();
        state_.sUBoatType.clear();
        return;
    }
    FillUBoatTypes(state_.sGamePath + "\\data\\cfg\\basic.cfg");
}

}  // namespace zephrane
