#pragma once

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QWidget>
#include <array>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "app/MainState.h"
#include "orders/Order.h"
#include "platform/JournaledFileSystem.h"
#include "platform/Platform.h"

namespace zephrane {

// The main window: the three folder fields, the patch buttons with their
// counters, the order form and the reset and exit buttons.
class FrmMain : public QWidget {
    Q_OBJECT
public:
    // `journal`, when given, is the file system of `platform` that records
    // every operation; without it nothing is recorded and there is no history.
    explicit FrmMain(Platform& platform, JournaledFileSystem* journal = nullptr, QWidget* parent = nullptr);

    // Start-up, run once before the window is first shown.
    void Form_Load();

    const MainState& State() const { return state_; }
    // A control by its name, and its index for the control arrays
    // (btnFixRenown, Option1); nullptr when there is none.
    QWidget* Control(const std::string& name, int index = -1) const;
    // Names of the buttons that are disabled now ("btnFixRenown 2" for arrays).
    std::vector<std::string> DisabledButtons() const;

    // The two background colours of the order form's fields.
    static QColor EnabledColor();
    static QColor DisabledColor();
    // The text colour the program sets with them.
    static QColor TextColor(bool enabled);

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Layout
    void CreateControls();
    void CreateLists();
    void ConnectHandlers();
    void SetTabOrder();
    void Register(QWidget* widget, const std::string& name, int index = -1);

    // Start-up and close
    void RestoreFolders();
    std::string SearchDrives(const std::vector<std::string>& candidates) const;
    std::string FindCareersFolder() const;
    void FillMonthsAndYears();
    void ShowWarningIfWanted();
    void Form_Unload();
    void btnExit_Click();
    std::string SettingsPath() const;

    // Folder fields and roster
    void ChangeFolder(QLineEdit* field, const std::string& title);
    void Text1_Change();
    void Text2_Change();
    void Text3_Change();
    void FillLocations(const std::string& menuPath);
    void FillUBoatTypes(const std::string& basicCfgPath);

    // Order form
    void Option1_Click(int index);
    void chkNew_Click();
    void cboMonth_Click();
    void cboYear_Click();
    bool HoldInsideCampaign();
    void RefillUBoatTypes();
    bool KeepUBoatNumberKey(int charCode) const;
    void SetFieldEnabled(QWidget* field, bool enabled);

    // Long runs
    // `started`: the button of a long run, nullptr for a short one.
    template <typename Work>
    void RunOperation(const std::string& kind, const std::string& title, QPushButton* started, Work work);
    void SetControlsEnabled(const bool& bEnabled);
    OrderForm ReadOrderForm() const;
    QWidget* FirstEmptyField() const;
    void btnInitiateUpdate_Click();
    void btnFixRenown_Click(int index);
    void cmdReset_Click();
    void ShowCounters();
    std::string OrderTitle() const;

    // The journal
    void RecoverInterruptedOperations();
    void btnHistory_Click();

    Platform& platform_;
    JournaledFileSystem* journal_;
    MainState state_;
    int iSkipWarning_ = 0;
    bool busy_ = false;
    int refills_ = 0;
    std::map<std::string, std::vector<QWidget*>> controls_;

    QLabel* Image1;
    QLabel* Label1;
    QLineEdit* Text1;
    QPushButton* Command1;
    QLabel* Label2;
    QLineEdit* Text2;
    QPushButton* Command2;
    QLabel* Label15;
    QLineEdit* Text3;
    QPushButton* Command3;
    QFrame* Line1;
    std::array<QPushButton*, 4> btnFixRenown;
    QLabel* Label3;
    QLabel* lblChecked;
    QLabel* Label5;
    QLabel* lblFound;
    QLabel* Label4;
    QLabel* lblProcessed;
    QFrame* Line3;
    QGroupBox* Frame1;
    std::array<QRadioButton*, 2> Option1;
    QCheckBox* chkNew;
    QLabel* Label8;
    QDateEdit* ssEndDate;
    QLabel* Label11;
    QLabel* Label9;
    QComboBox* cboMonth;
    QLabel* Label10;
    QComboBox* cboYear;
    QLabel* Label6;
    QComboBox* cboLocation;
    QLabel* Label7;
    QComboBox* cboDestination;
    QPushButton* btnInitiateUpdate;
    QLabel* Label13;
    QLineEdit* txtUBoatNumber;
    QLabel* Label14;
    QComboBox* cboUBoatType;
    QLabel* Label12;
    QComboBox* cboKommandant;
    QFrame* Line4;
    QPushButton* cmdReset;
    QPushButton* btnExit;
    QPushButton* btnHistory;
};

}  // namespace zephrane
