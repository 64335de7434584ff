// The long runs of the main window: an order, a campaign patch, the reset.
// Each locks the window's buttons and shows the hourglass for its length.
#include "app/FrmMain.h"
#include "orders/InitiateUpdate.h"
#include "patches/PatchRun.h"
#include "platform/qt/QtText.h"

namespace zephrane {
namespace {

// Runs `work` with the hourglass and the buttons locked; every way out of it
// unlocks them again.
template <typename Work>
void RunLocked(Platform& platform, bool& busy, const std::function<void(bool)>& setEnabled, Work work) {
    platform.dialogs.SetPointer(Pointer::Hourglass);
    setEnabled(false);
    busy = true;
    work();
    busy = false;
    setEnabled(true);
    platform.dialogs.SetPointer(Pointer::Default);
}

}  // namespace

void FrmMain::SetControlsEnabled(const bool& bEnabled) {
    for (QPushButton* button : {Command1, Command2, btnFixRenown[0], btnFixRenown[1], btnFixRenown[2],
                                btnFixRenown[3], btnInitiateUpdate, cmdReset, btnExit, Command3}) {
        button->setEnabled(bEnabled);
    }
}

void FrmMain::btnInitiateUpdate_Click() {
    RunLocked(
        platform_, busy_, [this](bool on) { SetControlsEnabled(on); },
        [this] {
            OrderForm form;
            form.transfer = Option1[1]->isChecked();
            form.chkNew = chkNew->checkState() == Qt::Checked            ? 1
                          : chkNew->checkState() == Qt::PartiallyChecked ? 2
                                                                         : 0;
            form.endDateEnabled = ssEndDate->isEnabled();
            const QDate shown = ssEndDate->date();
            form.endDate = Date{shown.year(), shown.month(), shown.day()};
            form.monthIndex = cboMonth->currentIndex();
            form.month = cboMonth->currentData().toInt();
            form.yearIndex = cboYear->currentIndex();
            form.year = cboYear->currentData().toInt();
            form.locationIndex = cboLocation->currentIndex();
            form.locationText = FromQString(cboLocation->currentText());
            form.destinationIndex = cboDestination->currentIndex();
            form.destinationText = FromQString(cboDestination->currentText());
            form.uboatNumberEnabled = txtUBoatNumber->isEnabled();
            form.uboatNumber = FromQString(txtUBoatNumber->text());
            form.uboatTypeEnabled = cboUBoatType->isEnabled();
            form.uboatTypeIndex = cboUBoatType->currentIndex();
            form.uboatTypeText = FromQString(cboUBoatType->currentText());
            form.kommandantEnabled = cboKommandant->isEnabled();
            form.kommandantIndex = cboKommandant->currentIndex();
            form.kommandantText = FromQString(cboKommandant->currentText());
            form.text1 = FromQString(Text1->text());

            OrderState order;
            order.sGamePath = state_.sGamePath;
            order.sCareersPath = state_.sCareersPath;
            order.sLocationCode = state_.sLocationCode;
            for (int i = 0; i < cboLocation->count(); ++i)
                order.locationNames.push_back(FromQString(cboLocation->itemText(i)));
            order.sDestinationCode = state_.sDestinationCode;
            order.sUBoatType = state_.sUBoatType;
            order.FlotillaTable = state_.FlotillaTable;
            order.BaseTable = state_.BaseTable;
            order.bSameLocation = state_.bSameLocation;

            InitiateUpdate(platform_, form, order);

            state_.FlotillaTable = std::move(order.FlotillaTable);
            state_.BaseTable = std::move(order.BaseTable);
            state_.bSameLocation = order.bSameLocation;
        });
}

void FrmMain::btnFixRenown_Click(int index) {
    RunLocked(
        platform_, busy_, [this](bool on) { SetControlsEnabled(on); },
        [this, index] {
            PatchState patch;
            patch.sGamePath = state_.sGamePath;
            patch.sCommanderPath = state_.sCommanderPath;
            patch.sRenown = state_.sRenown;
            patch.s33Flotilla = state_.s33Flotilla;
            patch.lChecked = state_.lChecked;
            patch.lFound = state_.lFound;
            patch.lProcessed = state_.lProcessed;
            RunPatch(platform_, index, patch, [this](const PatchState& shown) {
                state_.lChecked = shown.lChecked;
                state_.lFound = shown.lFound;
                state_.lProcessed = shown.lProcessed;
                ShowCounters();
            });
            state_.sRenown = patch.sRenown;
            state_.s33Flotilla = patch.s33Flotilla;
            state_.lChecked = patch.lChecked;
            state_.lFound = patch.lFound;
            state_.lProcessed = patch.lProcessed;
            ShowCounters();
        });
}

void FrmMain::ShowCounters() {
    lblChecked->setText(QString::number(state_.lChecked));
    lblFound->setText(QString::number(state_.lFound));
    lblProcessed->setText(QString::number(state_.lProcessed));
}

void FrmMain::cmdReset_Click() {
    ResetFlotillaConfiguration(platform_, state_.sGamePath);
}

}  // namespace zephrane
