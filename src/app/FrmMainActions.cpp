// The long runs of the main window: an order, a campaign patch, the reset.
// Each locks the window's buttons and shows the hourglass for its length.
#include "app/FrmMain.h"
#include "orders/InitiateUpdate.h"
#include "orders/OrderValidation.h"
#include "patches/PatchRun.h"
#include "platform/qt/QtText.h"

namespace zephrane {

// Runs `work` as one operation of the journal. A long run (an order, a patch)
// also shows the hourglass and locks the buttons; every way out of it unlocks
// them again. The History button is locked with them, though not among the
// buttons the window reports as locked.
//
// The pressed button is disabled for a long run. Were it to keep the focus,
// Qt would hand it on to the next control meanwhile (a folder field with its
// text selected, an option button taking the next Space); so the focus is let
// go for the run and given back to the `started` button, or to the field
// `work` returns, when the run ends.
template <typename Work>
void FrmMain::RunOperation(const std::string& kind, const std::string& title, QPushButton* started,
                           Work work) {
    const bool longRun = started != nullptr;
    if (longRun) {
        platform_.dialogs.SetPointer(Pointer::Hourglass);
        if (QWidget* focused = focusWidget(); qobject_cast<QPushButton*>(focused)) focused->clearFocus();
        SetControlsEnabled(false);
        btnHistory->setEnabled(false);
        busy_ = true;
    }
    if (journal_) journal_->Log().Begin(kind, title);
    QWidget* focusAfter = work();
    if (journal_) {
        if (auto r = journal_->Log().Complete(); !r) {
            platform_.dialogs.MsgBox(
                "Zephrane could not record in its journal that this operation has finished:\r\n" + r.error +
                    "\r\nAt its next start it will put the files the operation changed back as they were.",
                kStyleCritical, title);
        }
    }
    if (longRun) {
        busy_ = false;
        btnHistory->setEnabled(journal_ != nullptr);
        SetControlsEnabled(true);
        platform_.dialogs.SetPointer(Pointer::Default);
        (focusAfter ? focusAfter : started)->setFocus(Qt::OtherFocusReason);
    }
}

void FrmMain::SetControlsEnabled(const bool& bEnabled) {
    for (QPushButton* button : {Command1, Command2, btnFixRenown[0], btnFixRenown[1], btnFixRenown[2],
                                btnFixRenown[3], btnInitiateUpdate, cmdReset, btnExit, Command3}) {
        button->setEnabled(bEnabled);
    }
}

std::string FrmMain::OrderTitle() const {
    if (Option1[1]->isChecked()) return FromQString(Option1[1]->text());
    if (chkNew->checkState() != Qt::Unchecked) return "New Kommandant";
    return FromQString(Option1[0]->text());
}

OrderForm FrmMain::ReadOrderForm() const {
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
    return form;
}

// The first field, in the order the form is filled in, that makes it
// incomplete; nullptr when none does.
QWidget* FrmMain::FirstEmptyField() const {
    const std::pair<QWidget*, bool> fields[] = {
        {cboMonth, cboMonth->currentIndex() < 0},
        {cboYear, cboYear->currentIndex() < 0},
        {cboLocation, cboLocation->currentIndex() < 0},
        {cboDestination, cboDestination->currentIndex() < 0},
        {txtUBoatNumber, txtUBoatNumber->isEnabled() && txtUBoatNumber->text().isEmpty()},
        {cboUBoatType, cboUBoatType->isEnabled() && cboUBoatType->currentIndex() < 0},
        {cboKommandant, cboKommandant->isEnabled() && cboKommandant->currentIndex() < 0},
    };
    for (const auto& [field, empty] : fields) {
        if (empty) return field;
    }
    return nullptr;
}

void FrmMain::btnInitiateUpdate_Click() {
    const OrderForm form = ReadOrderForm();
    RunOperation("order", OrderTitle(), btnInitiateUpdate, [this, &form]() -> QWidget* {
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
        // After "All fields must contain data." the user goes on with the
        // field that is missing.
        return IsOrderFormComplete(form) ? nullptr : FirstEmptyField();
    });
}

void FrmMain::btnFixRenown_Click(int index) {
    const std::string caption = FromQString(btnFixRenown[index]->property("caption").toString());
    RunOperation("patch", caption, btnFixRenown[index], [this, index]() -> QWidget* {
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
        return nullptr;
    });
}

void FrmMain::ShowCounters() {
    lblChecked->setText(QString::number(state_.lChecked));
    lblFound->setText(QString::number(state_.lFound));
    lblProcessed->setText(QString::number(state_.lProcessed));
}

void FrmMain::cmdReset_Click() {
    RunOperation("reset", FromQString(cmdReset->text()), nullptr, [this]() -> QWidget* {
        ResetFlotillaConfiguration(platform_, state_.sGamePath);
        return nullptr;
    });
}

}  // namespace zephrane
